// The fuel calculator on any five texts (altitude|range|cargo|taxi fuel|reserve), under the
// format picked by the low bit of the first byte; with its second bit set the rest of the input
// is read as five numbers written in plain digits instead, which keeps the altitude and the
// cargo near their ranges. Every outcome equals a reference worked in plain doubles in the
// documented order, a second call gives the same, and blanks in the texts read leniently
// change nothing.

#include "fuzz_support.h"

#include "calc/consumption_tables.h"
#include "calc/fuel_estimate.h"
#include "convert/error.h"
#include "convert/number_text.h"
#include "convert/parse.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace {

using fuzz::Outcome;

enum Field : std::size_t { kAltitude, kRange, kCargo, kTaxiFuel, kReserve, kFieldCount };

Outcome estimate(const std::vector<std::string_view>& f, const convert::NumberFormat& format) {
    try {
        auto result = calc::fuelEstimate(
            {f[kAltitude], f[kRange], f[kCargo], f[kTaxiFuel], f[kReserve]}, format);
        if (auto* text = std::get_if<std::string>(&result)) {
            return {Outcome::Kind::Text, std::move(*text), 0, {}};
        }
        return {Outcome::Kind::OutOfRange, {}, 0, {}};
    } catch (const convert::Error& error) {
        return fuzz::errorOutcome(error);
    } catch (...) {
        fuzz::fail("the fuel calculator throws only convert::Error", f[kAltitude]);
    }
}

// The band that holds S: lower <= S < upper, or none.
template <typename Band, std::size_t N>
const Band* bandHolding(const std::array<Band, N>& table, double s) {
    for (const Band& band : table) {
        if (s >= band.lower && s < band.upper) {
            return &band;
        }
    }
    return nullptr;
}

// The second-pass mass after its trip through the field text: rounded to 15 digits under the
// period; under the comma, lenient parse stops at the separator.
double massThroughField(double sum, const convert::NumberFormat& format) {
    if (format.decimalSeparator == ".") {
        return fuzz::roundedToFifteenDigits(sum);
    }
    return convert::lenientParse(convert::numberText(sum, format));
}

Outcome mismatch(int input) {
    return {Outcome::Kind::Error, {}, static_cast<int>(convert::ErrorCode::TypeMismatch), input};
}

Outcome expectedEstimate(const std::vector<std::string_view>& f,
                         const convert::NumberFormat& format) {
    using convert::lenientParse;
    const std::optional<double> altitude = convert::readBoth(f[kAltitude], format).strict;
    if (!altitude) {
        return mismatch(calc::kAltitudeInput);
    }
    const double s = *altitude;
    const double v = lenientParse(f[kAltitude]);
    const double g = lenientParse(f[kCargo]);
    const double r = lenientParse(f[kRange]);
    const double t = lenientParse(f[kTaxiFuel]);
    const double z = lenientParse(f[kReserve]);

    // Every step is checked: one that is not finite is an overflow.
    bool finite = true;
    auto step = [&finite](double x) {
        finite = finite && std::isfinite(x);
        return x;
    };
    const auto* band = bandHolding(calc::kBaseConsumption, s);
    const auto* weight = bandHolding(calc::kWeightCoefficient, s);
    double base = 0.0;
    if (band != nullptr) {
        base = step(band->base - step(step(v - band->knot) * band->fall));
    }
    double rate1 = 0.0;
    if (weight != nullptr) {
        rate1 = step(base + step(g * weight->coefficient));
    }
    const double descent = step(step(s * 0.02) + 5.0);
    const double term1 =
        step(step(step(step(v / 1000.0) * 307.919) + step(g * 0.0037068)) * 1.7416166);
    const double cruise = step(r - step(2.0 * descent));
    const double fuel1 = step(step(cruise * rate1) / 100.0);
    const double total1 = step(step(step(step(fuel1 + term1) + t) + z) + 2000.0);
    if (!finite) {
        return fuzz::kOverflow;
    }

    const std::optional<double> strictCargo = convert::readBoth(f[kCargo], format).strict;
    if (!strictCargo) {
        return mismatch(calc::kCargoInput);
    }
    const double cargo = *strictCargo;
    // NOLINTNEXTLINE(readability-simplify-boolean-expr): NaN is out of range too, as negated here
    if (weight == nullptr || !(cargo >= 0.0 && cargo <= 50000.0)) {
        return {Outcome::Kind::OutOfRange, {}, 0, {}};
    }

    const double mass = massThroughField(step(cargo + total1), format);
    const double rate2 = step(base + step(mass * weight->coefficient));
    const double term2 =
        step(step(step(step(v / 1000.0) * 307.919) + step(mass * 0.0037068)) * 1.7416166);
    const double fuel2 = step(step(cruise * rate2) / 100.0);
    const double total2 = step(step(step(step(term2 + fuel2) + t) + z) + 2000.0);
    // cppcheck-suppress identicalConditionAfterEarlyExit ; the second pass's steps set it again
    if (!finite) {
        return fuzz::kOverflow;
    }
    return {Outcome::Kind::Text, convert::numberText(total2, format), 0, {}};
}

// The reference and the calculator agree on the figure the users know, with the texts at start.
bool knownFigureHolds() {
    const std::vector<std::string_view> atStart{"9100", "2000", "50000", "1000", "4500"};
    const Outcome known{Outcome::Kind::Text, "26795.4987246009", 0, {}};
    fuzz::require(expectedEstimate(atStart, kPeriod) == known,
                  "the reference gives 26795.4987246009 for the texts at start");
    fuzz::require(estimate(atStart, kPeriod) == known,
                  "the calculator gives 26795.4987246009 for the texts at start");
    return true;
}

// Five numbers in plain digits of one to six digits, from four bytes each.
std::array<std::string, kFieldCount> plainDigitTexts(const std::uint8_t* data, std::size_t size) {
    constexpr std::array<std::uint32_t, kFieldCount> kOffset{4000, 0, 0, 0, 0};
    constexpr std::array<std::uint32_t, kFieldCount> kSpan{9000, 1'000'000, 60'001, 1'000'000,
                                                           1'000'000};
    std::array<std::string, kFieldCount> texts;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        std::array<unsigned char, 4> bytes{};
        for (std::size_t b = 0; b < bytes.size(); ++b) {
            const std::size_t at = i * bytes.size() + b;
            bytes[b] = at < size ? data[at] : 0;
        }
        std::uint32_t raw = 0;
        std::memcpy(&raw, bytes.data(), sizeof raw);
        std::array<char, 16> digits{};
        auto* const end =
            std::to_chars(digits.data(), digits.data() + digits.size(), kOffset[i] + raw % kSpan[i])
                .ptr;
        texts[i].assign(digits.data(), end);
    }
    return texts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool known = knownFigureHolds();
    if (!known || size == 0) {
        return 0;
    }
    const auto [format, input] = fuzz::windowInput(data, size);
    // cppcheck-suppress variableScope ; the fields view it after the branch
    std::array<std::string, kFieldCount> plain;
    std::vector<std::string_view> fields;
    if ((data[0] & 2U) != 0) {
        plain = plainDigitTexts(data + 1, size - 1);
        fields.assign(plain.begin(), plain.end());
    } else {
        fields = fuzz::splitFields(input, fuzz::kFieldSeparator, kFieldCount);
    }

    const Outcome outcome = estimate(fields, format);
    fuzz::requireShowable(outcome, format, input);
    if (outcome.kind == Outcome::Kind::Error) {
        fuzz::require(outcome.code == 13 ? outcome.input == calc::kAltitudeInput ||
                                               outcome.input == calc::kCargoInput
                                         : !outcome.input.has_value(),
                      "a type mismatch names the altitude or the cargo, a fault no input", input);
    }
    fuzz::require(outcome == expectedEstimate(fields, format),
                  "the estimate follows the documented steps in their order", input);
    fuzz::require(outcome == estimate(fields, format), "the same texts give the same estimate",
                  input);

    std::array<std::string, kFieldCount> compact;
    std::vector<std::string_view> compactFields = fields;
    for (const std::size_t lenientOnly : {kRange, kTaxiFuel, kReserve}) {
        compact[lenientOnly] = fuzz::withoutBlanks(fields[lenientOnly]);
        compactFields[lenientOnly] = compact[lenientOnly];
    }
    fuzz::require(outcome == estimate(compactFields, format),
                  "blanks in the range, taxi fuel and reserve change nothing", input);
    return 0;
}
