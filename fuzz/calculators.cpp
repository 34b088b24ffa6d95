// The calculators on one input: the first byte's low bit picks the format, (byte >> 2) % 3 the
// calculator; the rest holds the texts, cut at '|'. The references read and write texts with
// the project's conversions, which conversions.cpp checks against models of their own.

#include "fuzz_support.h"

#include "calc/consumption_tables.h"
#include "calc/descent.h"
#include "calc/flight_profit.h"
#include "calc/fuel_estimate.h"
#include "convert/error.h"
#include "convert/number_text.h"
#include "convert/parse.h"
#include "tests/formats.h"

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <variant>

namespace {

using convert::lenientParse;
using convert::NumberFormat;
using Fields = std::array<std::string_view, 5>;

std::string errorOutcome(int code, std::optional<int> input = std::nullopt) {
    return "error " + std::to_string(code) + "/" + (input ? std::to_string(*input) : "");
}

// Plain doubles, every step checked as the calculators check theirs: one not finite overflows.
struct Steps {
    bool finite = true;
    double operator()(double x) {
        finite = finite && std::isfinite(x);
        return x;
    }
    [[nodiscard]] std::string figure(double x, const NumberFormat& format) const {
        return finite ? convert::numberText(x, format) : errorOutcome(6);
    }
};

// Fields: altitude, range, cargo, taxi fuel, reserve; the order of the checks is documented.
std::string expectedFuel(const Fields& f, const NumberFormat& format) {
    const convert::Readings altitude = convert::readBoth(f[0], format);
    if (!altitude.strict) {
        return errorOutcome(13, calc::kAltitudeInput);
    }
    const double s = *altitude.strict;
    const double v = altitude.lenient;
    const double g = lenientParse(f[2]);
    auto holding = [s](const auto& table) {  // lower <= s < upper
        const auto* band = std::find_if(table.begin(), table.end(),
                                        [s](const auto& b) { return s >= b.lower && s < b.upper; });
        return band == table.end() ? nullptr : band;
    };
    const auto* band = holding(calc::kBaseConsumption);
    const auto* weight = holding(calc::kWeightCoefficient);
    Steps step;
    const double base = band ? step(band->base - step(step(v - band->knot) * band->fall)) : 0.0;
    const double cruise = step(lenientParse(f[1]) - step(2.0 * step(step(s * 0.02) + 5.0)));
    auto total = [&](double mass, double rate) {
        const double term =
            step(step(step(step(v / 1000.0) * 307.919) + step(mass * 0.0037068)) * 1.7416166);
        const double fuel = step(step(cruise * rate) / 100.0);
        return step(step(step(step(fuel + term) + lenientParse(f[3])) + lenientParse(f[4])) +
                    2000.0);
    };
    const double first = total(g, weight ? step(base + step(g * weight->coefficient)) : 0.0);
    const std::optional<double> cargo = convert::readBoth(f[2], format).strict;
    if (!step.finite || !cargo) {
        return step.finite ? errorOutcome(13, calc::kCargoInput) : errorOutcome(6);
    }
    if (weight == nullptr || !(*cargo >= 0.0 && *cargo <= 50000.0)) {
        return "out of range";
    }
    // The mass goes through its field text: under a comma lenient parse stops at the separator.
    const double sum = step(*cargo + first);
    const double mass = format.decimalSeparator == "."
                            ? fuzz::roundedToFifteenDigits(sum)
                            : lenientParse(convert::numberText(sum, format));
    return step.figure(total(mass, step(base + step(mass * weight->coefficient))), format);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool kKnown =
        expectedFuel({"9100", "2000", "50000", "1000", "4500"}, kPeriod) == "26795.4987246009";
    fuzz::require(kKnown, "the fuel reference gives the figure the users know", "26795.4987246009");
    if (size == 0) {
        return 0;
    }
    const NumberFormat& format = (data[0] & 1U) == 0 ? kPeriod : kComma;
    const std::string_view text = fuzz::textAfterFirst(data, size);
    std::string_view rest = text;
    std::array<std::string, 5> plain;
    Fields f{};
    for (std::size_t i = 0; i < f.size(); ++i) {
        // The second bit asks for plain digits, the altitude and the cargo near their ranges.
        std::array<char, 4> raw{};
        text.copy(raw.data(), raw.size(), std::min(text.size(), raw.size() * i));
        const auto number = std::bit_cast<std::uint32_t>(raw);
        plain[i] = std::to_string(i == 0 ? 4000 + number % 9000
                                         : number % (i == 2 ? 60'001U : 1'000'000U));
        const std::size_t cut = std::min(rest.find('|'), rest.size());
        f[i] = (data[0] & 2U) != 0 ? std::string_view(plain[i]) : rest.substr(0, cut);
        rest.remove_prefix(std::min(cut + 1, rest.size()));
    }
    std::function<std::string()> run;
    std::string expected;
    Steps step;
    switch ((data[0] >> 2U) % 3) {
    case 0:
        run = [&] {
            auto estimate = calc::fuelEstimate({f[0], f[1], f[2], f[3], f[4]}, format);
            auto* figure = std::get_if<std::string>(&estimate);
            return figure ? *figure : "out of range";
        };
        expected = expectedFuel(f, format);
        break;
    case 1:  // altitude
        run = [&] { return calc::descentDistance(f[0], format); };
        expected = step.figure(step(step(lenientParse(f[0]) * 0.02) + 5.0), format);
        break;
    default:  // fuel weight, on board, price, cargo income
        run = [&] { return calc::flightProfit({f[0], f[1], f[2], f[3]}, format); };
        const double toBuy = step(lenientParse(f[0]) - lenientParse(f[1]));
        expected = step.figure(
            step(lenientParse(f[3]) - step(step(toBuy * lenientParse(f[2])) * 1.234)), format);
    }
    // Any exception but convert::Error escapes the harness: a crash.
    auto outcome = [&]() -> std::string {
        try {
            return run();
        } catch (const convert::Error& error) {
            return errorOutcome(static_cast<int>(error.code()), error.input());
        }
    };
    const std::string first = outcome();
    const bool known = first.starts_with("error 6/") || first.starts_with("error 11/") ||
                       first.starts_with("error 13/") || first == "out of range";
    fuzz::require(known || fuzz::isFigureText(first, format), "a figure or a known error", first);
    fuzz::require(first == expected, "the reference's outcome", first + " against " + expected);
    fuzz::require(first == outcome(), "the same outcome a second time", first);
    return 0;
}
