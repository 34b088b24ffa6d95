#include "calc/flight_profit.h"
#include "convert/error.h"
#include "error_of.h"
#include "formats.h"

#include <gtest/gtest.h>

#include <variant>

namespace {

using convert::ErrorCode;
using convert::NumberFormat;

struct Row {
    calc::ProfitInputs inputs;  // fuel weight, fuel on board, price, cargo income
    const NumberFormat* format;
    std::variant<const char*, ErrorCode> expected;
};

class FlightProfit : public testing::TestWithParam<Row> {};

TEST_P(FlightProfit, ChargesTheFuelToBuyAgainstTheCargoIncome) {
    const Row& row = GetParam();
    const auto profit = [&] { return calc::flightProfit(row.inputs, *row.format); };
    if (const auto* text = std::get_if<const char*>(&row.expected)) {
        EXPECT_EQ(profit(), *text) << row.inputs.fuelWeight;
    } else {
        EXPECT_EQ(errorOf(profit), std::get<ErrorCode>(row.expected)) << row.inputs.fuelWeight;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, FlightProfit, testing::Values(
    Row{{"", "", "", ""}, &kPeriod, "0"},
    Row{{"500", "100", "2", "1000"}, &kPeriod, "12.8"},
    Row{{"500", "100", "2", "1000"}, &kComma, "12,8"},
    Row{{"300", "100", "2", "100"}, &kPeriod, "-393.6"},
    Row{{"", "500", "2", ""}, &kPeriod, "1234"},
    // A fuel weight the estimate wrote under a comma is read up to the comma.
    Row{{"26795,4910811456", "0", "1", "0"}, &kComma, "-33065,03"},
    Row{{"1e308", "-1e308", "1", "0"}, &kPeriod, ErrorCode::Overflow},
    Row{{"1e200", "0", "1e200", "0"}, &kPeriod, ErrorCode::Overflow}));
// clang-format on

}  // namespace
