#include "calc/consumption_tables.h"

#include "convert/checked.h"

#include <algorithm>

namespace calc {
namespace {

// The first band, in ascending order, with lower <= S < upper.
template <typename Band, std::size_t N>
const Band* bandOf(const std::array<Band, N>& table, double s) {
    const auto* const found = std::find_if(table.begin(), table.end(), [s](const Band& band) {
        return s >= band.lower && s < band.upper;
    });
    return found == table.end() ? nullptr : &*found;
}

}  // namespace

const BaseConsumptionBand* baseConsumptionBand(double s) { return bandOf(kBaseConsumption, s); }

const WeightCoefficientBand* weightCoefficientBand(double s) {
    return bandOf(kWeightCoefficient, s);
}

std::optional<double> baseConsumption(double s, double v) {
    const BaseConsumptionBand* band = baseConsumptionBand(s);
    if (band == nullptr) {
        return std::nullopt;
    }
    return convert::checkedFormula(
        [&]<typename Number>() { return baseConsumptionOf(*band, Number(v)); });
}

std::optional<double> weightCoefficient(double s) {
    const WeightCoefficientBand* band = weightCoefficientBand(s);
    if (band == nullptr) {
        return std::nullopt;
    }
    return band->coefficient;
}

std::optional<double> consumptionRate(double s, double v, double mass) {
    const BaseConsumptionBand* base = baseConsumptionBand(s);
    const WeightCoefficientBand* weight = weightCoefficientBand(s);
    if (base == nullptr || weight == nullptr) {
        return std::nullopt;
    }
    return convert::checkedFormula([&]<typename Number>() {
        const Number consumption = baseConsumptionOf(*base, Number(v));
        return consumption + Number(mass) * weight->coefficient;
    });
}

bool altitudeInRange(double s) {
    return s >= kBaseConsumption.front().lower && s < kBaseConsumption.back().upper;
}

bool cargoInRange(double cargo) { return cargo >= kMinCargo && cargo <= kMaxCargo; }

}  // namespace calc
