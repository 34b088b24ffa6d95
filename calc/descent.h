#pragma once

#include "convert/checked.h"
#include "convert/number_format.h"

#include <string>
#include <string_view>

namespace calc {

// Distance the descent from a flight altitude takes: altitude (m) x 0.02 + 5, in km; the
// descent calculator and the fuel estimate both use it.
[[nodiscard]] inline convert::Checked descentKm(convert::Checked altitudeM) {
    return altitudeM * 0.02 + 5.0;
}

// The descent calculator: the altitude text read leniently, the distance as field text.
[[nodiscard]] std::string descentDistance(std::string_view altitudeText,
                                          const convert::NumberFormat& format);

}  // namespace calc
