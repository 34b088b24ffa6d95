#include "calc/descent.h"
#include "convert/error.h"
#include "error_of.h"
#include "formats.h"

#include <gtest/gtest.h>

#include <variant>

namespace {

using convert::ErrorCode;
using convert::NumberFormat;

struct Row {
    const char* altitude;
    const NumberFormat* format;
    std::variant<const char*, ErrorCode> expected;
};

class DescentDistance : public testing::TestWithParam<Row> {};

TEST_P(DescentDistance, IsAltitudeTimesTwoHundredthsPlusFive) {
    const Row& row = GetParam();
    if (const auto* text = std::get_if<const char*>(&row.expected)) {
        EXPECT_EQ(calc::descentDistance(row.altitude, *row.format), *text) << row.altitude;
    } else {
        EXPECT_EQ(errorOf([&] { return calc::descentDistance(row.altitude, *row.format); }),
                  std::get<ErrorCode>(row.expected))
            << row.altitude;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, DescentDistance, testing::Values(
    Row{"9100", &kPeriod, "187"}, Row{"9100", &kComma, "187"},
    Row{"", &kPeriod, "5"}, Row{"abc", &kPeriod, "5"},
    Row{"-1000", &kPeriod, "-15"}, Row{"850,7", &kComma, "22"}, Row{"850", &kPeriod, "22"},
    Row{"555", &kPeriod, "16.1"}, Row{"555", &kComma, "16,1"},
    Row{"9 100 м", &kPeriod, "187"}, Row{"12000.5", &kPeriod, "245.01"},
    Row{"1e308", &kPeriod, "2E+306"},
    Row{"1e999", &kPeriod, ErrorCode::Overflow}, Row{"-1e999", &kComma, ErrorCode::Overflow}));
// clang-format on

}  // namespace
