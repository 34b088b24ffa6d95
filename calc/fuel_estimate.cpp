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

using convert::Checked;
using convert::NumberFormat;

constexpr double kTwo = 2;
constexpr double kHundred = 100;
constexpr double kAllowance = 2000;  // kg added to every total

// (V / 1000 x 307.919 + mass x 0.0037068) x 1.7416166.
Checked altitudeAndMassTerm(double v, double mass) {
    const Checked bracket = Checked(v) / 1000.0 * 307.919 + Checked(mass) * 0.0037068;
    return bracket * 1.7416166;
}

// (cruise distance x rate) / 100, the product first.
Checked cruiseFuel(Checked cruiseDistance, Checked rate) {
    return cruiseDistance * rate / kHundred;
}

// Added from left to right: a different order changes the last digits.
Checked total(Checked first, Checked second, double taxiFuel, double reserve) {
    return first + second + taxiFuel + reserve + kAllowance;
}

}  // namespace

// Every intermediate value is a plain double; ARCHITECTURE.md says why no tagged value is needed.
Outcome fuelEstimate(Texts texts, const NumberFormat& format) {
    using convert::lenientParse;

    // The altitude's strict parse comes first: a text that is not a number fails before
    // anything is computed.
    const std::optional<double> altitude = convert::strictParse(texts[kAltitude], format);
    if (!altitude) {
        throw convert::Error(convert::ErrorCode::TypeMismatch, kAltitude);
    }
    const double s = *altitude;
    const double v = lenientParse(texts[kAltitude]);
    const double range = lenientParse(texts[kRange]);
    const double taxiFuel = lenientParse(texts[kTaxiFuel]);
    const double reserve = lenientParse(texts[kReserve]);
    const std::optional<double> cargo = convert::strictParse(texts[kCargo], format);
    const double g = lenientParse(texts[kCargo]);
    const Band* band = bandOf(s);

    // First pass, with the cargo alone as the mass; any cargo is used as it reads. Out of the
    // altitude range there is no consumption and the rate is 0.
    const Checked firstRate = band != nullptr ? consumptionRate(*band, v, g) : Checked(0.0);
    const Checked cruiseDistance = Checked(range) - Checked(kTwo) * descentKm(s);
    const Checked firstTotal =
        total(cruiseFuel(cruiseDistance, firstRate), altitudeAndMassTerm(v, g), taxiFuel, reserve);

    // The range test reads the cargo strictly whatever the altitude, so a cargo that is not a
    // number fails rather than warning, after the first pass, whose faults come first.
    if (!cargo) {
        throw convert::Error(convert::ErrorCode::TypeMismatch, kCargo);
    }
    if (band == nullptr || !cargoInRange(*cargo)) {
        return OutOfRange{};
    }

    // Second pass, with the cargo plus the first-pass fuel. The mass goes through its field text
    // and back: rounded to 15 digits under a decimal period, its fraction lost under a comma.
    const Checked sum = Checked(*cargo) + firstTotal;
    const double mass = lenientParse(convert::numberText(sum.value(), format));
    const Checked secondTotal =
        total(altitudeAndMassTerm(v, mass),
              cruiseFuel(cruiseDistance, consumptionRate(*band, v, mass)), taxiFuel, reserve);
    return convert::numberText(secondTotal.value(), format);
}

}  // namespace calc
