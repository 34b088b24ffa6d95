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

#include <optional>
#include <span>
#include <string>
#include <variant>

namespace {

using convert::lenientParse;
using convert::NumberFormat;
using Fields = std::array<std::string_view, 5>;

std::string errorOutcome(int code, std::optional<std::size_t> input = std::nullopt) {
    return "error " + std::to_string(code) + "/" + (input ? std::to_string(*input) : "");
}

// Fuel (altitude, range, cargo, taxi fuel, reserve: two passes, the checks in their order),
// descent (altitude x 0.02 + 5) or profit (cargo income - (fuel - on board) x price x 1.234).
std::string expectedOutcome(const Fields& f, unsigned calculator, const NumberFormat& format) {
    bool finite = true;  // each step checked as the calculators check theirs
    auto step = [&finite](double x) {
        finite = finite && std::isfinite(x);
        return x;
    };
    auto figure = [&](double x) {
        return finite ? convert::numberText(x, format) : errorOutcome(6);
    };
    auto in = [&f](std::size_t i) { return lenientParse(f[i]); };
    if (calculator != 0) {
        return figure(calculator == 1
                          ? step(step(in(0) * 0.02) + 5.0)
                          : step(in(3) - step(step(step(in(0) - in(1)) * in(2)) * 1.234)));
    }
    const std::optional<double> altitude = convert::strictParse(f[0], format);
    if (!altitude) {
        return errorOutcome(13, calc::kAltitude);
    }
    const double s = *altitude;
    const double v = in(0);
    const auto* at = std::ranges::find_if(  // lower <= s < upper
        calc::kBands, [s](auto b) { return s >= b.lower && s < b.upper; });
    const calc::Band* band = at == calc::kBands.end() ? nullptr : at;
    const double base =
        band != nullptr ? step(band->base - step(step(v - band->lower) * band->fall)) : 0.0;
    const double cruise = step(in(1) - step(2.0 * step(step(s * 0.02) + 5.0)));
    auto total = [&](double mass, double rate) {
        const double term =
            step(step(step(step(v / 1000.0) * 307.919) + step(mass * 0.0037068)) * 1.7416166);
        const double fuel = step(step(cruise * rate) / 100.0);
        return step(step(step(step(fuel + term) + in(3)) + in(4)) + 2000.0);
    };
    const double first =
        total(in(2), band != nullptr ? step(base + step(in(2) * band->coefficient)) : 0.0);
    const std::optional<double> cargo = convert::strictParse(f[2], format);
    if (!finite || !cargo) {
        return finite ? errorOutcome(13, calc::kCargo) : errorOutcome(6);
    }
    // NOLINTNEXTLINE(readability-simplify-boolean-expr): written as the range it accepts
    if (band == nullptr || !(*cargo >= 0.0 && *cargo <= 50000.0)) {
        return "out of range";
    }
    // The mass goes through its field text: under a comma lenient parse stops at the separator.
    const double sum = step(*cargo + first);
    const double mass = format.decimalSeparator == "."
                            ? fuzz::roundedToFifteenDigits(sum)
                            : lenientParse(convert::numberText(sum, format));
    return figure(total(mass, step(base + step(mass * band->coefficient))));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const NumberFormat& format = (data[0] & 1U) == 0 ? kPeriod : kComma;
    const std::string_view text = fuzz::textAfterFirst(data, size);
    // The second bit asks for plain digits, which keep the altitude and the cargo near range.
    std::string plain;
    for (std::size_t i = 0; i < 5; ++i) {
        std::array<char, 4> raw{};
        text.copy(raw.data(), raw.size(), std::min(text.size(), raw.size() * i));
        const auto n = std::bit_cast<std::uint32_t>(raw);
        plain +=
            std::to_string(i == 0 ? 4000 + n % 9000 : n % (i == 2 ? 60'001U : 1'000'000U)) + "|";
    }
    std::string_view rest = (data[0] & 2U) != 0 ? std::string_view(plain) : text;
    Fields f{};
    for (auto& field : f) {
        field = rest.substr(0, rest.find('|'));
        rest.remove_prefix(std::min(field.size() + 1, rest.size()));
    }
    const unsigned calculator = (data[0] >> 2U) % 3;
    auto outcome = [&]() -> std::string {  // any exception but convert::Error escapes: a crash
        try {
            static constexpr std::array kCalculators{calc::kFuel, calc::kDescent, calc::kProfit};
            const calc::Calculator& run = kCalculators.at(calculator);
            const auto shown = run.run(std::span(f).first(run.inputs), format);
            return shown.index() == 0 ? std::get<0>(shown) : "out of range";
        } catch (const convert::Error& error) {
            return errorOutcome(static_cast<int>(error.code()), error.input());
        }
    };
    const std::string first = outcome();
    const std::string expected = expectedOutcome(f, calculator, format);
    const bool known = first.starts_with("error 6/") || first.starts_with("error 11/") ||
                       first.starts_with("error 13/") || first == "out of range";
    fuzz::require(known || fuzz::isFigureText(first, format), "a figure or a known error", first);
    fuzz::require(first == expected, "the reference's outcome", first + " against " + expected);
    fuzz::require(first == outcome(), "the same outcome a second time", first);
    return 0;
}
