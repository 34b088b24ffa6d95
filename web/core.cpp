// The page's calculators: the window's three clicks over calc/ and convert/, compiled to
// WebAssembly. The page hands over the fields' texts and its number format, and gets back what
// the window shows: the output field's name and its text, or a box and its message.
#include "window_description.h"

#include "calc/descent.h"
#include "calc/flight_profit.h"
#include "calc/fuel_estimate.h"
#include "convert/error.h"

#include <array>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <variant>

namespace {

// The fields' texts as the page last handed them over; index 0 unused, so Text3 is texts()[3].
std::array<std::string, 13>& texts() {
    static std::array<std::string, 13> all;
    return all;
}

const std::string& text(int number) { return texts().at(static_cast<std::size_t>(number)); }

// As the window's run: the figure for the output field, or the box a failure opens, naming the
// field the failing text came from.
std::string run(int output, std::initializer_list<int> inputs,
                const std::function<std::optional<std::string>()>& calculate) {
    try {
        if (auto result = calculate()) {
            return "Text" + std::to_string(output) + "\n" + *result;
        }
        return "warning\n" + std::string(window::kOutOfRangePrompt);
    } catch (const convert::Error& error) {
        std::string_view caption;
        if (const auto input = error.input();
            input && *input >= 0 && static_cast<std::size_t>(*input) < inputs.size()) {
            caption = window::captionOf("Text" + std::to_string(*(inputs.begin() + *input)));
        }
        return "error\n" + window::errorMessage(error.code(), caption);
    }
}

std::string click(int command, const convert::NumberFormat& format) {
    switch (command) {
    case 1: return run(2, {1}, [&] { return calc::descentDistance(text(1), format); });
    case 2:
        return run(8, {3, 4, 5, 6, 7}, [&]() -> std::optional<std::string> {
            auto estimate =
                calc::fuelEstimate({text(3), text(4), text(5), text(6), text(7)}, format);
            if (auto* fuel = std::get_if<std::string>(&estimate)) {
                return std::move(*fuel);
            }
            return std::nullopt;  // the warning; Text8 keeps what it had
        });
    default:
        return run(12, {8, 11, 10, 9}, [&] {
            return calc::flightProfit({text(8), text(11), text(10), text(9)}, format);
        });
    }
}

}  // namespace

extern "C" {

// NOLINTNEXTLINE(readability-identifier-naming): a name the page calls
void flightcalc_set_text(int number, const char* utf8) {
    texts().at(static_cast<std::size_t>(number)) = utf8;
}

// The click of Command1, Command2 or Command3; the answer lives until the next click.
// NOLINTNEXTLINE(readability-identifier-naming): a name the page calls
const char* flightcalc_click(int command, const char* decimalSeparator,
                             const char* groupSeparator) {
    static std::string answer;
    answer = click(command, {decimalSeparator, groupSeparator});
    return answer.c_str();
}
}
