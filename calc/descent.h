#pragma once

#include "convert/number_format.h"

#include <string>
#include <string_view>

namespace calc {

// Distance the descent from a flight altitude takes: altitude (m) x 0.02 + 5, in km.
// Each step is fault-checked; throws convert::Error on overflow.
[[nodiscard]] double descentKm(double altitudeM);

// The descent calculator: the altitude text read leniently, the distance as field text.
[[nodiscard]] std::string descentDistance(std::string_view altitudeText,
                                          const convert::NumberFormat& format);

}  // namespace calc
