#pragma once

#include "convert/checked.h"

#include <array>

namespace calc {

// The aircraft's cruise consumption: a base figure falling with the altitude, plus a figure per
// kilogram of mass that steps by altitude band. Altitudes in m, masses in kg, consumption in kg
// per 100 km. A band holds its lower edge and not its upper one (6000 m is in the 6000 band);
// bands are chosen by exact comparisons, with no tolerance.
struct Band {
    double lower;
    double upper;
    double base;         // the base consumption at the lower edge
    double fall;         // kg/100 km less for each metre above the lower edge
    double coefficient;  // the weight coefficient, kg/100 km per kg of mass
};

// Each row's base meets the next one's at its upper edge: 1439 - 1000 x 0.071 = 1368, and so on.
// The weight coefficient is 0.001 from 9000 m up.
inline constexpr std::array kBands{
    Band{5000, 6000, 1439, 0.071, 0.0042}, Band{6000, 7000, 1368, 0.191, 0.0023},
    Band{7000, 8000, 1177, 0.221, 0.0021}, Band{8000, 9000, 956, 0.164, 0.002},
    Band{9000, 10000, 792, 0.119, 0.001},  Band{10000, 11000, 673, 0.076, 0.001},
    Band{11000, 12000, 597, 0.071, 0.001},
};

inline constexpr double kMinCargo = 0;
inline constexpr double kMaxCargo = 50000;

// The band that S selects; null outside 5000 <= S < 12000.
[[nodiscard]] const Band* bandOf(double s);

// The consumption rate, base - (V - lower) x fall + mass x coefficient, in that order (V is not
// tested: S chose the band).
[[nodiscard]] inline convert::Checked consumptionRate(const Band& band, convert::Checked v,
                                                      double mass) {
    const convert::Checked base = convert::Checked(band.base) - (v - band.lower) * band.fall;
    return base + convert::Checked(mass) * band.coefficient;
}

[[nodiscard]] bool cargoInRange(double cargo);  // 0 <= cargo <= 50000

}  // namespace calc
