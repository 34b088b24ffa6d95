#include "calc/fuel_estimate.h"

#include "calc/consumption_tables.h"
#include "calc/descent.h"
#include "convert/checked.h"
#include "convert/error.h"
#include "convert/parse.h"
#include "convert/working_value.h"

#include <cstdint>
#include <optional>

namespace calc {
namespace {

using convert::Checked;
using convert::NumberFormat;
using convert::WorkingValue;

const WorkingValue kTwo(std::int16_t{2});
const WorkingValue kHundred(std::int16_t{100});
const WorkingValue kAllowance(std::int16_t{2000});  // kg added to every total

// Strict parse of one input; a text that is not a number is reported as that input's.
double strictInput(std::string_view text, FuelInput input, const NumberFormat& format) {
    try {
        return convert::strictParse(text, format);
    } catch (const convert::Error& error) {
        throw convert::Error(error.code(), input);
    }
}

// (V / 1000 x 307.919 + mass x 0.0037068) x 1.7416166: the bracket in checked doubles, the
// last product as working values.
WorkingValue altitudeAndMassTerm(double v, double mass, const NumberFormat& format) {
    const Checked bracket = Checked(v) / 1000.0 * 307.919 + Checked(mass) * 0.0037068;
    return multiply(WorkingValue(bracket.value()), WorkingValue(1.7416166), format);
}

// The base consumption plus mass x coefficient; Empty when the altitude has no band.
WorkingValue consumptionRate(const WorkingValue& base, std::optional<double> coefficient,
                             double mass, const NumberFormat& format) {
    if (!coefficient) {
        return {};
    }
    return add(base, WorkingValue((Checked(mass) * *coefficient).value()), format);
}

// (cruise distance x rate) / 100, the product first.
WorkingValue cruiseFuel(const WorkingValue& cruiseDistance, const WorkingValue& rate,
                        const NumberFormat& format) {
    return divide(multiply(cruiseDistance, rate, format), kHundred, format);
}

// Added from left to right: a different order changes the last digits.
WorkingValue total(const WorkingValue& first, const WorkingValue& second,
                   const WorkingValue& taxiFuel, const WorkingValue& reserve,
                   const NumberFormat& format) {
    return add(add(add(add(first, second, format), taxiFuel, format), reserve, format),
               kAllowance, format);
}

}  // namespace

FuelEstimate fuelEstimate(const FuelInputs& inputs, const NumberFormat& format) {
    using convert::lenientParse;

    // The altitude's strict parse comes first: a text that is not a number fails before
    // anything is computed.
    const double s = strictInput(inputs.altitude, kAltitudeInput, format);
    const double v = lenientParse(inputs.altitude);
    const double g = lenientParse(inputs.cargo);
    const WorkingValue taxiFuel(lenientParse(inputs.taxiFuel));
    const WorkingValue reserve(lenientParse(inputs.reserve));

    // First pass, with the cargo alone as the mass; any cargo is used as it reads. Out of
    // the altitude range the base consumption and the rate stay Empty, counting as 0.
    WorkingValue base;
    if (const auto consumption = baseConsumption(s, v)) {
        base = WorkingValue(*consumption);
    }
    const auto coefficient = weightCoefficient(s);
    const WorkingValue firstRate = consumptionRate(base, coefficient, g, format);
    const WorkingValue descent(descentKm(s));
    const WorkingValue firstTerm = altitudeAndMassTerm(v, g, format);
    const WorkingValue cruiseDistance =
        subtract(WorkingValue(lenientParse(inputs.range)), multiply(kTwo, descent, format), format);
    const WorkingValue firstFuel = cruiseFuel(cruiseDistance, firstRate, format);
    const WorkingValue firstTotal = total(firstFuel, firstTerm, taxiFuel, reserve, format);

    // The range test reads the cargo strictly whatever the altitude, so a cargo that is not a
    // number fails here rather than warning.
    const double cargo = strictInput(inputs.cargo, kCargoInput, format);
    if (!coefficient || !cargoInRange(cargo)) {
        return OutOfRange{};
    }

    // Second pass, with the cargo plus the first-pass fuel. The mass goes through its field
    // text and back: rounded to 15 digits under a decimal period, its fraction lost under a
    // comma. The cargo text has passed strict parse above, so the sum cannot mismatch.
    const WorkingValue sum = add(WorkingValue(std::string(inputs.cargo)), firstTotal, format);
    const double mass = lenientParse(sum.toText(format));
    const WorkingValue secondRate = consumptionRate(base, coefficient, mass, format);
    const WorkingValue secondTerm = altitudeAndMassTerm(v, mass, format);
    const WorkingValue secondFuel = cruiseFuel(cruiseDistance, secondRate, format);
    return total(secondTerm, secondFuel, taxiFuel, reserve, format).toText(format);
}

}  // namespace calc
