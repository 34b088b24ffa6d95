#include "convert/number_text.h"
#include "convert/parse.h"
#include "formats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace {

using convert::NumberFormat;

constexpr double kInf = std::numeric_limits<double>::infinity();

struct LenientRow {
    const char* text;
    double expected;
};

class LenientParse : public testing::TestWithParam<LenientRow> {};

TEST_P(LenientParse, ReadsTheLeadingNumber) {
    const auto& row = GetParam();
    EXPECT_EQ(convert::lenientParse(row.text), row.expected) << '"' << row.text << '"';
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, LenientParse, testing::Values(
    LenientRow{"", 0}, LenientRow{"abc", 0}, LenientRow{"-", 0}, LenientRow{".", 0},
    LenientRow{" 12 34 ", 1234}, LenientRow{"9 100", 9100}, LenientRow{"\t-1\n2", -12},
    LenientRow{"1.5D2", 150}, LenientRow{"2E-1", 0.2},
    LenientRow{"12,5", 12}, LenientRow{"7a", 7}, LenientRow{"+3", 3}, LenientRow{"-.5", -0.5},
    LenientRow{"2e", 2}, LenientRow{"2e+", 2}, LenientRow{"1.2.3", 1.2},
    LenientRow{"0.1", 0.1}, LenientRow{"123456789012345678901234567890", 1.2345678901234568e29},
    LenientRow{"1e999", kInf}, LenientRow{"-1e999", -kInf}, LenientRow{"1e-999", 0},
    LenientRow{"0.000e99999999999999999999", 0},
    LenientRow{"&H1F", 31}, LenientRow{"&HFFFF", -1}, LenientRow{"&H10000", 65536},
    LenientRow{"&O17", 15}, LenientRow{"&Hz", 0}));
// clang-format on

// The README's advice: digits and a period only; grouping marks and a decimal comma cut the number.
// clang-format off
INSTANTIATE_TEST_SUITE_P(ReadmeExamples, LenientParse, testing::Values(
    LenientRow{"2000", 2000}, LenientRow{"2.000", 2}, LenientRow{"2 000,0", 2000},
    LenientRow{"1 000,5", 1000}, LenientRow{"2,000", 2}, LenientRow{"2.5", 2.5},
    LenientRow{"1.5e3", 1500}));
// clang-format on

struct StrictRow {
    const char* text;
    const NumberFormat* format;
    std::optional<double> expected;  // nullopt: no number, the calculators' type mismatch
};

class StrictParse : public testing::TestWithParam<StrictRow> {};

TEST_P(StrictParse, AcceptsOnlyAWholeRegionalNumber) {
    const auto& row = GetParam();
    EXPECT_EQ(convert::readBoth(row.text, *row.format).strict, row.expected)
        << '"' << row.text << '"';
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Period, StrictParse, testing::Values(
    StrictRow{"9100", &kPeriod, 9100}, StrictRow{"  9100\t", &kPeriod, 9100},
    StrictRow{"12.5", &kPeriod, 12.5}, StrictRow{"-5", &kPeriod, -5}, StrictRow{"+5", &kPeriod, 5},
    StrictRow{"1,000.5", &kPeriod, 1000.5}, StrictRow{"1e3", &kPeriod, 1000},
    StrictRow{"1E-2", &kPeriod, 0.01}, StrictRow{".5", &kPeriod, 0.5}, StrictRow{"5.", &kPeriod, 5},
    StrictRow{"1e400", &kPeriod, kInf},
    StrictRow{"", &kPeriod, std::nullopt}, StrictRow{"   ", &kPeriod, std::nullopt},
    StrictRow{"abc", &kPeriod, std::nullopt}, StrictRow{"12a", &kPeriod, std::nullopt},
    StrictRow{"--5", &kPeriod, std::nullopt}, StrictRow{"5-", &kPeriod, std::nullopt},
    StrictRow{"1e", &kPeriod, std::nullopt}, StrictRow{"1d3", &kPeriod, std::nullopt},
    StrictRow{"1,,000", &kPeriod, std::nullopt}, StrictRow{",100", &kPeriod, std::nullopt},
    StrictRow{"100,", &kPeriod, std::nullopt}, StrictRow{"1.5,0", &kPeriod, std::nullopt},
    StrictRow{"1.2.3", &kPeriod, std::nullopt}, StrictRow{"1 000", &kPeriod, std::nullopt},
    StrictRow{"&H10", &kPeriod, std::nullopt}, StrictRow{"(5)", &kPeriod, std::nullopt},
    StrictRow{"12,5", &kPeriodNoGroups, std::nullopt}));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(Comma, StrictParse, testing::Values(
    StrictRow{"12,5", &kComma, 12.5}, StrictRow{" 12,5 ", &kComma, 12.5},
    StrictRow{"9100,9", &kComma, 9100.9}, StrictRow{"9 100", &kComma, 9100},
    StrictRow{"9\u00A0100", &kComma, 9100}, StrictRow{"1 000 000,25", &kComma, 1000000.25},
    StrictRow{"12.5", &kComma, std::nullopt}, StrictRow{"12 ,5", &kComma, std::nullopt},
    StrictRow{"9100 ", &kComma, 9100}, StrictRow{"9  100", &kComma, std::nullopt}));
// clang-format on

struct TextRow {
    double value;
    const NumberFormat* format;
    const char* expected;
};

class NumberText : public testing::TestWithParam<TextRow> {};

TEST_P(NumberText, WritesFifteenSignificantDigits) {
    const auto& row = GetParam();
    EXPECT_EQ(convert::numberText(row.value, *row.format), row.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, NumberText, testing::Values(
    TextRow{187, &kPeriod, "187"}, TextRow{246.9, &kPeriod, "246.9"}, TextRow{-15, &kPeriod, "-15"},
    TextRow{0.5, &kPeriod, "0.5"}, TextRow{0.5, &kComma, "0,5"}, TextRow{12.5, &kComma, "12,5"},
    TextRow{1.0 / 3.0, &kPeriod, "0.333333333333333"}, TextRow{0.1 + 0.2, &kPeriod, "0.3"},
    TextRow{0, &kPeriod, "0"}, TextRow{-0.0, &kPeriod, "0"}, TextRow{1234567, &kComma, "1234567"},
    TextRow{76200.33648152814, &kPeriod, "76200.3364815281"},
    TextRow{123456789012345.6, &kPeriod, "123456789012346"},
    TextRow{999999999999999, &kPeriod, "999999999999999"},
    TextRow{999999999999999.5, &kPeriod, "1E+15"}, TextRow{1e15, &kPeriod, "1E+15"},
    TextRow{1e16, &kPeriod, "1E+16"}, TextRow{-1.5e20, &kComma, "-1,5E+20"},
    TextRow{0.0001, &kPeriod, "0.0001"}, TextRow{0.00012345, &kPeriod, "0.00012345"},
    TextRow{1.5e-5, &kComma, "1,5E-05"}, TextRow{1e100, &kPeriod, "1E+100"},
    TextRow{1.7976931348623157e308, &kPeriod, "1.79769313486232E+308"},
    TextRow{5e-324, &kPeriod, "4.94065645841247E-324"}));
// clang-format on

// The fuel estimate's unchecked first evaluation writes a second-pass mass that is not finite.
// clang-format off
INSTANTIATE_TEST_SUITE_P(NotFinite, NumberText, testing::Values(
    TextRow{std::numeric_limits<double>::quiet_NaN(), &kPeriod, "NaN"},
    TextRow{kInf, &kComma, "Infinity"}, TextRow{-kInf, &kPeriod, "-Infinity"}));
// clang-format on

struct RoundTripRow {
    double value;
    const NumberFormat* format;
    double expected;
};

class RoundTrip : public testing::TestWithParam<RoundTripRow> {};

TEST_P(RoundTrip, LenientParseOfNumberTextDependsOnTheSeparator) {
    const auto& row = GetParam();
    EXPECT_EQ(convert::lenientParse(convert::numberText(row.value, *row.format)), row.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, RoundTrip, testing::Values(
    RoundTripRow{12.5, &kPeriod, 12.5}, RoundTripRow{12.5, &kComma, 12},
    RoundTripRow{76200.33648152814, &kPeriod, 76200.3364815281},
    RoundTripRow{76200.33648152814, &kComma, 76200},
    RoundTripRow{1.5e-5, &kComma, 1}));
// clang-format on

}  // namespace
