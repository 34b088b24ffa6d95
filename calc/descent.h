#pragma once

#include "calc/calculator.h"
#include "convert/checked.h"

namespace calc {

// Distance the descent from a flight altitude takes: altitude (m) x 0.02 + 5, in km; the
// descent calculator and the fuel estimate both use it.
[[nodiscard]] inline convert::Checked descentKm(convert::Checked altitudeM) {
    return altitudeM * 0.02 + 5.0;
}

// The descent calculator: its one text, the altitude, read leniently; the distance as field text.
[[nodiscard]] Outcome descentDistance(Texts texts, const convert::NumberFormat& format);
inline constexpr Calculator kDescent{1, &descentDistance};

}  // namespace calc
