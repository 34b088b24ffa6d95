// The three calculators on the texts a user types, one table of rows with the outcome the window
// shows: the figure, "warning" (the fuel estimate's out-of-range box) or "error N in I" (the
// error and the input it names). Figures are worked out independently of this code.

#include "calc/descent.h"
#include "calc/flight_profit.h"
#include "calc/fuel_estimate.h"
#include "convert/error.h"
#include "formats.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace {

enum Calculator { kDescent, kFuel, kProfit };

struct Row {
    Calculator calculator;
    // Descent: altitude. Fuel: altitude, range, cargo, taxi fuel, reserve. Profit: fuel weight,
    // fuel on board, fuel price, cargo income.
    std::array<std::string, 5> texts;
    const convert::NumberFormat* format;
    const char* expected;
};

std::string outcome(const Row& row) {
    const auto& t = row.texts;
    try {
        switch (row.calculator) {
        case kDescent: return calc::descentDistance(t[0], *row.format);
        case kProfit: return calc::flightProfit({t[0], t[1], t[2], t[3]}, *row.format);
        case kFuel: break;
        }
        const auto fuel = calc::fuelEstimate({t[0], t[1], t[2], t[3], t[4]}, *row.format);
        const auto* figure = std::get_if<std::string>(&fuel);
        return figure != nullptr ? *figure : "warning";
    } catch (const convert::Error& error) {
        const auto input = error.input();
        return "error " + std::to_string(static_cast<int>(error.code())) +
               (input ? " in " + std::to_string(*input) : "");
    }
}

class Calculators : public testing::TestWithParam<Row> {};

TEST_P(Calculators, ShowTheFigureOrTheBoxTheTextsCallFor) {
    const Row& row = GetParam();
    EXPECT_EQ(outcome(row), row.expected) << row.texts[0].substr(0, 40) << " | " << row.texts[1];
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Descent, Calculators, testing::Values(
    Row{kDescent, {"9100"}, &kPeriod, "187"}, Row{kDescent, {""}, &kPeriod, "5"},
    Row{kDescent, {"555"}, &kComma, "16,1"}, Row{kDescent, {"850,7"}, &kComma, "22"},
    Row{kDescent, {"9 100 м"}, &kPeriod, "187"}, Row{kDescent, {"1e308"}, &kPeriod, "2E+306"},
    Row{kDescent, {"1e999"}, &kPeriod, "error 6"}, Row{kDescent, {"-1e999"}, &kComma, "error 6"}));

INSTANTIATE_TEST_SUITE_P(Profit, Calculators, testing::Values(
    Row{kProfit, {"", "", "", ""}, &kPeriod, "0"},
    Row{kProfit, {"500", "100", "2", "1000"}, &kComma, "12,8"},
    Row{kProfit, {"", "500", "2", ""}, &kPeriod, "1234"},
    Row{kProfit, {"26795.4987246009", "1000", "2", "100000"}, &kPeriod, "36336.709147685"},
    // A fuel weight the estimate wrote under a comma is read up to the comma.
    Row{kProfit, {"26795,4910811456", "0", "1", "0"}, &kComma, "-33065,03"},
    Row{kProfit, {"1e308", "-1e308", "1", "0"}, &kPeriod, "error 6"}));

INSTANTIATE_TEST_SUITE_P(Fuel, Calculators, testing::Values(
    // The texts at start: the comma loses the fraction of the second-pass mass.
    Row{kFuel, {"9100", "2000", "50000", "1000", "4500"}, &kPeriod, "26795.4987246009"},
    Row{kFuel, {"9100", "2000", "50000", "1000", "4500"}, &kComma, "26795,4910811456"},
    Row{kFuel, {"5000", "1000", "0", "0", "0"}, &kPeriod, "16685.6187473132"},
    // A range shorter than two descents: negative cruise distance and cruise fuel.
    Row{kFuel, {"9100", "км", "50000", "1000", "4500"}, &kPeriod, "9624.40387806771"},
    // Each band of both tables half a metre above its lower edge, where the band below meets it,
    // the first and the last a metre below their upper edge; at 5000, 6000 and 12000 exactly, no
    // tolerance at an edge.
    Row{kFuel, {"5000", "2000", "50000", "1000", "4500"}, &kPeriod, "43288.4452436975"},
    Row{kFuel, {"5999", "2000", "50000", "1000", "4500"}, &kPeriod, "41747.6901582258"},
    Row{kFuel, {"5999.999999999999", "2000", "50000", "1000", "4500"}, &kPeriod, "41746.180826219"},
    Row{kFuel, {"6000.5", "2000", "50000", "1000", "4500"}, &kPeriod, "38718.9425111023"},
    Row{kFuel, {"7000.5", "2000", "50000", "1000", "4500"}, &kPeriod, "34916.1674501395"},
    Row{kFuel, {"8000.5", "2000", "50000", "1000", "4500"}, &kPeriod, "30932.4685761262"},
    Row{kFuel, {"9000.5", "2000", "50000", "1000", "4500"}, &kPeriod, "26973.1470692477"},
    Row{kFuel, {"10000.5", "2000", "50000", "1000", "4500"}, &kPeriod, "25232.5332104298"},
    Row{kFuel, {"11000.5", "2000", "50000", "1000", "4500"}, &kPeriod, "24271.3694091941"},
    Row{kFuel, {"11999", "2000", "50000", "1000", "4500"}, &kPeriod, "23451.3345999039"},
    Row{kFuel, {"6000", "2000", "50000", "1000", "4500"}, &kPeriod, "38720.738605096"},
    // Cargo edges.
    Row{kFuel, {"9100", "2000", "0", "1000", "4500"}, &kPeriod, "25633.9070700191"},
    Row{kFuel, {"12000", "2000", "50000", "1000", "4500"}, &kPeriod, "warning"},
    Row{kFuel, {"4999", "2000", "50000", "1000", "4500"}, &kPeriod, "warning"},
    Row{kFuel, {"9100", "2000", "50001", "1000", "4500"}, &kPeriod, "warning"},
    Row{kFuel, {"9100", "2000", "50000.0000001", "1000", "4500"}, &kPeriod, "warning"},
    Row{kFuel, {"9100", "2000", "-1", "1000", "4500"}, &kPeriod, "warning"},
    // The range test reads the cargo by the regional format: 60,000 kg, not 60.
    Row{kFuel, {"9100", "2000", "60,000", "1000", "4500"}, &kPeriod, "warning"},
    // The altitude selects its band and descent by strict parse, the formulas take 9100.
    Row{kFuel, {"9100,9", "2000", "50000", "1000", "4500"}, &kComma, "26795,1828131456"},
    // Under a German format "9.100" and "50.000" pass the band and the range test but enter
    // the formulas as 9.1 m and 50 kg; "2.000" km is read as 2.
    Row{kFuel, {"9.100", "2000", "50.000", "1000", "4500"}, &kGerman, "39773,6472322235"},
    Row{kFuel, {"9100", "2.000", "50000", "1000", "4500"}, &kGerman, "9641,24069743357"},
    // Type mismatches name their input; a bad cargo fails even where the altitude would warn.
    Row{kFuel, {"", "2000", "50000", "1000", "4500"}, &kPeriod, "error 13 in 0"},
    Row{kFuel, {"9100 м", "2000", "50000", "1000", "4500"}, &kPeriod, "error 13 in 0"},
    Row{kFuel, {"4999", "2000", "груз", "1000", "4500"}, &kPeriod, "error 13 in 2"},
    // Out of the altitude range the rate is 0: no cruise fuel, which would overflow this total.
    Row{kFuel, {"4999", "1e308", "50000", "1.797e308", "4500"}, &kPeriod, "warning"},
    // Faults of the first pass are reported before the range test could warn.
    Row{kFuel, {"1e999", "2000", "50000", "1000", "4500"}, &kPeriod, "error 6"},
    Row{kFuel, {"4999", "1e308", "50000", "1e308", "1e308"}, &kPeriod, "error 6"}));
// clang-format on

// Texts joined by appending (g++ 12 warns falsely of overlap on a literal + a string).
std::string joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts) {
        text += part;
    }
    return text;
}
std::string repeated(std::size_t count, char c) { return std::string(count, c); }
constexpr std::size_t kMegabyte = 1'000'000;

// A megabyte of text reads as its short form, and about as fast: a reading that took time
// quadratic in the length would outlast the tests' time limit.
// clang-format off
INSTANTIATE_TEST_SUITE_P(LongTexts, Calculators, testing::Values(
    Row{kDescent, {joined({"9.1e", repeated(kMegabyte, '0'), "3"})}, &kPeriod, "187"},
    Row{kDescent, {joined({"9100", repeated(kMegabyte, 'x')})}, &kPeriod, "187"},
    // Beyond every double without an exponent; 1e-350, below every double, though its exponent
    // is positive.
    Row{kDescent, {repeated(400, '9')}, &kPeriod, "error 6"},
    Row{kDescent, {joined({"0.", repeated(699, '0'), "1e350"})}, &kPeriod, "5"},
    Row{kFuel, {joined({repeated(kMegabyte, '0'), "9100"}), "2000", "50000", "1000", "4500"}, &kPeriod,
        "26795.4987246009"},
    Row{kFuel, {"9100", joined({repeated(kMegabyte, ' '), "2000", repeated(kMegabyte, '\t')}), "50000",
                "1000", "4500"}, &kComma, "26795,4910811456"},
    Row{kFuel, {"9100", "2000", joined({repeated(kMegabyte, ' '), "50000"}), "1000", "4500"}, &kPeriod,
        "26795.4987246009"},
    Row{kProfit, {joined({"1", repeated(kMegabyte, '0'), "e-1000000"}), "", "2", ""}, &kPeriod,
        "-2.468"}));
// clang-format on

}  // namespace
