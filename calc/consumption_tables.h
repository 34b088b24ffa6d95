#pragma once

#include "convert/checked.h"

#include <array>
#include <optional>

namespace calc {

// The aircraft's cruise consumption: a base figure falling with the altitude, plus a figure per
// kilogram of mass that steps by altitude band. Altitudes in m, masses in kg, consumption in kg
// per 100 km. A band holds its lower edge and not its upper one (6000 m is in the 6000 band);
// bands are chosen by exact comparisons, with no tolerance.

struct BaseConsumptionBand {
    double lower;
    double upper;
    double knot;  // altitude at which the base consumption is `base`
    double base;
    double fall;  // kg/100 km less for each metre above the knot
};

struct WeightCoefficientBand {
    double lower;
    double upper;
    double coefficient;  // kg/100 km per kg of mass
};

// Each row meets the next at its upper edge: 1439 - 1000 x 0.071 = 1368, and so on.
inline constexpr std::array<BaseConsumptionBand, 7> kBaseConsumption{{
    {5000, 6000, 5000, 1439, 0.071},
    {6000, 7000, 6000, 1368, 0.191},
    {7000, 8000, 7000, 1177, 0.221},
    {8000, 9000, 8000, 956, 0.164},
    {9000, 10000, 9000, 792, 0.119},
    {10000, 11000, 10000, 673, 0.076},
    {11000, 12000, 11000, 597, 0.071},
}};

inline constexpr std::array<WeightCoefficientBand, 5> kWeightCoefficient{{
    {5000, 6000, 0.0042},
    {6000, 7000, 0.0023},
    {7000, 8000, 0.0021},
    {8000, 9000, 0.002},
    {9000, 12000, 0.001},
}};

inline constexpr double kMinCargo = 0;
inline constexpr double kMaxCargo = 50000;

// The base consumption band that S selects; null outside 5000 <= S < 12000.
[[nodiscard]] const BaseConsumptionBand* baseConsumptionBand(double s);

// A band's base consumption, base - (V - knot) x fall. V is not tested against the band: S chose it.
[[nodiscard]] inline convert::Checked baseConsumptionOf(const BaseConsumptionBand& band,
                                                        convert::Checked v) {
    return convert::Checked(band.base) - (v - band.knot) * band.fall;
}

// The weight coefficient of the band that S selects; no value outside 5000 <= S < 12000.
[[nodiscard]] std::optional<double> weightCoefficient(double s);

[[nodiscard]] bool cargoInRange(double cargo);  // 0 <= cargo <= 50000

}  // namespace calc
