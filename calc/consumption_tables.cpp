#include "calc/consumption_tables.h"

namespace calc {
namespace {

bool holds(double lower, double upper, double s) { return s >= lower && s < upper; }

}  // namespace

// The first band, in ascending order, with lower <= S < upper.
const BaseConsumptionBand* baseConsumptionBand(double s) {
    for (const BaseConsumptionBand& band : kBaseConsumption) {
        if (holds(band.lower, band.upper, s)) {
            return &band;
        }
    }
    return nullptr;
}

std::optional<double> weightCoefficient(double s) {
    for (const WeightCoefficientBand& band : kWeightCoefficient) {
        if (holds(band.lower, band.upper, s)) {
            return band.coefficient;
        }
    }
    return std::nullopt;
}

bool cargoInRange(double cargo) { return cargo >= kMinCargo && cargo <= kMaxCargo; }

}  // namespace calc
