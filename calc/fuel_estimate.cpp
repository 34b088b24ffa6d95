#include "calc/fuel_estimate.h"

#include "calc/consumption_tables.h"
#include "calc/descent.h"
#include "convert/checked.h"
#include "convert/error.h"
#include "convert/number_text.h"
#include "convert/parse.h"

#include <optional>

namespace calc {
namespace {

using convert::NumberFormat;

constexpr double kTwo = 2;
constexpr double kHundred = 100;
constexpr double kAllowance = 2000;  // kg added to every total

// (V / 1000 x 307.919 + mass x 0.0037068) x 1.7416166.
template <typename Number>
Number altitudeAndMassTerm(double v, double mass) {
    const Number bracket = Number(v) / 1000.0 * 307.919 + Number(mass) * 0.0037068;
    return bracket * 1.7416166;
}

// (cruise distance x rate) / 100, the product first.
template <typename Number>
Number cruiseFuel(Number cruiseDistance, Number rate) {
    return cruiseDistance * rate / kHundred;
}

// Added from left to right: a different order changes the last digits.
template <typename Number>
Number total(Number first, Number second, double taxiFuel, double reserve) {
    return first + second + taxiFuel + reserve + kAllowance;
}

}  // namespace

// Every intermediate value is a plain double; ARCHITECTURE.md says why no tagged value is needed.
FuelEstimate fuelEstimate(const FuelInputs& inputs, const NumberFormat& format) {
    using convert::lenientParse;

    // The altitude's strict parse comes first: a text that is not a number fails before
    // anything is computed.
    const convert::Readings altitude = convert::readBoth(inputs.altitude, format);
    if (!altitude.strict) {
        throw convert::Error(convert::ErrorCode::TypeMismatch, kAltitudeInput);
    }
    const double s = *altitude.strict;
    const double v = altitude.lenient;
    const double range = lenientParse(inputs.range);
    const double taxiFuel = lenientParse(inputs.taxiFuel);
    const double reserve = lenientParse(inputs.reserve);

    // The range test reads the cargo strictly whatever the altitude, so a cargo that is not a
    // number fails rather than warning; that failure is reported after the first pass, whose
    // faults come first.
    const convert::Readings cargo = convert::readBoth(inputs.cargo, format);
    const double g = cargo.lenient;
    const BaseConsumptionBand* band = baseConsumptionBand(s);
    const auto coefficient = weightCoefficient(s);
    const bool inRange = cargo.strict && coefficient && cargoInRange(*cargo.strict);

    // Both passes in one formula, so that the costly flag calls are made once.
    const double estimate = convert::checkedFormula([&]<typename Number>() {
        // First pass, with the cargo alone as the mass; any cargo is used as it reads. Out of
        // the altitude range there is no base consumption and the rate is 0.
        const Number base = band ? baseConsumptionOf(*band, Number(v)) : Number(0.0);
        const Number firstRate = coefficient ? base + Number(g) * *coefficient : Number(0.0);
        const Number descent = descentKm(Number(s));
        const auto firstTerm = altitudeAndMassTerm<Number>(v, g);
        const Number cruiseDistance = Number(range) - Number(kTwo) * descent;
        const Number firstFuel = cruiseFuel(cruiseDistance, firstRate);
        const Number firstTotal = total(firstFuel, firstTerm, taxiFuel, reserve);
        if (!inRange) {
            return firstTotal;
        }

        // Second pass, with the cargo plus the first-pass fuel. The mass goes through its
        // field text and back: rounded to 15 digits under a decimal period, its fraction lost
        // under a comma.
        const Number sum = Number(*cargo.strict) + firstTotal;
        convert::NumberTextBuffer text;
        const double mass = lenientParse(text.write(sum.value(), format));
        const Number secondRate = base + Number(mass) * *coefficient;
        const auto secondTerm = altitudeAndMassTerm<Number>(v, mass);
        return total(secondTerm, cruiseFuel(cruiseDistance, secondRate), taxiFuel, reserve);
    });
    if (!cargo.strict) {
        throw convert::Error(convert::ErrorCode::TypeMismatch, kCargoInput);
    }
    if (!inRange) {
        return OutOfRange{};
    }
    return convert::numberText(estimate, format);
}

}  // namespace calc
