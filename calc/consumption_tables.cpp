#include "calc/consumption_tables.h"

#include "convert/checked.h"

#include <algorithm>

namespace calc {
namespace {

// The first band, in ascending order, with lower <= S < upper.
template <typename Band, std::size_t N>
const Band* bandOf(const std::array<Band, N>& table, double s) {
    const auto found = std::find_if(table.begin(), table.end(), [s](const Band& band) {
        return s >= band.lower && s < band.upper;
    });
    return found == table.end() ? nullptr : &*found;
}

}  // namespace

std::optional<double> baseConsumption(double s, double v) {
    const BaseConsumptionBand* band = bandOf(kBaseConsumption, s);
    if (band == nullptr) {
        return std::nullopt;
    }
    using convert::Checked;
    return (Checked(band->base) - (Checked(v) - band->knot) * band->fall).value();
}

std::optional<double> weightCoefficient(double s) {
    const WeightCoefficientBand* band = bandOf(kWeightCoefficient, s);
    if (band == nullptr) {
        return std::nullopt;
    }
    return band->coefficient;
}

std::optional<double> consumptionRate(double s, double v, double mass) {
    const auto base = baseConsumption(s, v);
    const auto coefficient = weightCoefficient(s);
    if (!base || !coefficient) {
        return std::nullopt;
    }
    using convert::Checked;
    return (Checked(*base) + Checked(mass) * *coefficient).value();
}

bool altitudeInRange(double s) {
    return s >= kBaseConsumption.front().lower && s < kBaseConsumption.back().upper;
}

bool cargoInRange(double cargo) { return cargo >= kMinCargo && cargo <= kMaxCargo; }

}  // namespace calc
