#include "calc/consumption_tables.h"

#include <algorithm>

namespace calc {
namespace {

// The first band, in ascending order, with lower <= S < upper.
template <typename Band, std::size_t N>
const Band* bandOf(const std::array<Band, N>& table, double s) {
    const auto* const found = std::find_if(table.begin(), table.end(), [s](const Band& band) {
        return s >= band.lower && s < band.upper;
    });
    return found == table.end() ? nullptr : found;
}

}  // namespace

const BaseConsumptionBand* baseConsumptionBand(double s) { return bandOf(kBaseConsumption, s); }

std::optional<double> weightCoefficient(double s) {
    const WeightCoefficientBand* band = bandOf(kWeightCoefficient, s);
    if (band == nullptr) {
        return std::nullopt;
    }
    return band->coefficient;
}

bool cargoInRange(double cargo) { return cargo >= kMinCargo && cargo <= kMaxCargo; }

}  // namespace calc
