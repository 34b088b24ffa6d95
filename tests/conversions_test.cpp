#include "convert/checked.h"
#include "convert/error.h"
#include "convert/number_text.h"
#include "convert/parse.h"
#include "formats.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <string_view>

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
    LenientRow{"", 0}, LenientRow{"abc", 0}, LenientRow{" 12 34 ", 1234},
    LenientRow{"\t-1\n2", -12}, LenientRow{"1.5D2", 150}, LenientRow{"1.5e+3", 1500},
    LenientRow{"12,5", 12}, LenientRow{"+3", 3}, LenientRow{"-.5", -0.5}, LenientRow{"2e+", 2},
    LenientRow{"1O0", 1}, LenientRow{"1e999", kInf}, LenientRow{"-1e999", -kInf},
    LenientRow{"1e-999", 0}, LenientRow{"&hA0", 160}, LenientRow{"&HFFFF", -1},
    LenientRow{"&H10000", 65536}, LenientRow{"&H100000000FFFF", 65535}, LenientRow{"&O1782", 15},
    LenientRow{"&H1@", 1}));
// clang-format on

struct StrictRow {
    const char* text;
    const NumberFormat* format;
    std::optional<double> expected;
};

class StrictParse : public testing::TestWithParam<StrictRow> {};

// The text as a view into a longer string: nothing after its end is read, a digit, a blank or a
// sign there included.
TEST_P(StrictParse, AcceptsOnlyAWholeRegionalNumber) {
    const auto& row = GetParam();
    for (const std::string after : {"", "0", " ", "-"}) {
        const std::string buffer = row.text + after;
        const std::string_view text(buffer.data(), buffer.size() - after.size());
        EXPECT_EQ(convert::strictParse(text, *row.format), row.expected) << '"' << buffer << '"';
    }
}

const std::optional<double> kNone;  // no number: the calculators' type mismatch
const NumberFormat kNarrowGroups{",", "\u202F"};
const NumberFormat kThinGroups{",", "\u2009"};
const NumberFormat kCommaForBoth{",", ","};  // one symbol for both: it stands for the decimals

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, StrictParse, testing::Values(
    StrictRow{"9100", &kPeriod, 9100}, StrictRow{"  9100\t", &kPeriod, 9100},
    StrictRow{"12.5", &kPeriod, 12.5}, StrictRow{"+5", &kPeriod, 5},
    StrictRow{"1,000.5", &kPeriod, 1000.5}, StrictRow{"1e3", &kPeriod, 1000},
    StrictRow{"1E-2", &kPeriod, 0.01}, StrictRow{".5", &kPeriod, 0.5}, StrictRow{"5.", &kPeriod, 5},
    StrictRow{"1e400", &kPeriod, kInf}, StrictRow{"", &kPeriod, kNone},
    StrictRow{"12:30", &kPeriod, kNone}, StrictRow{"1e", &kPeriod, kNone},
    StrictRow{"1d3", &kPeriod, kNone}, StrictRow{"100,", &kPeriod, kNone},
    StrictRow{"1 000", &kPeriod, kNone}, StrictRow{"&H10", &kPeriod, kNone},
    StrictRow{"(5)", &kPeriod, kNone}, StrictRow{"12,5", &kPeriodNoGroups, kNone},
    StrictRow{"12,5", &kComma, 12.5}, StrictRow{"9 100", &kComma, 9100},
    StrictRow{"9\u00A0100", &kComma, 9100}, StrictRow{"12 ,5", &kComma, kNone},
    // Grouped by a narrow or a thin space (French; a Windows setting): typed as a blank.
    StrictRow{"9 100", &kNarrowGroups, 9100}, StrictRow{"9 100,5", &kThinGroups, 9100.5},
    StrictRow{"1,5", &kCommaForBoth, 1.5}));
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
    TextRow{0.5, &kPeriod, "0.5"}, TextRow{0.5, &kComma, "0,5"}, TextRow{7.5, &kComma, "7,5"},
    TextRow{0.1 + 0.2, &kPeriod, "0.3"}, TextRow{-0.0, &kPeriod, "0"},
    TextRow{1234500, &kComma, "1234500"}, TextRow{123456789012345.6, &kPeriod, "123456789012346"},
    TextRow{999999999999999.5, &kPeriod, "1E+15"},
    TextRow{1e16, &kPeriod, "1E+16"}, TextRow{-1.5e20, &kComma, "-1,5E+20"},
    TextRow{0.0001, &kPeriod, "0.0001"}, TextRow{1.5e-5, &kComma, "1,5E-05"},
    TextRow{1.7976931348623157e308, &kPeriod, "1.79769313486232E+308"},
    TextRow{2.5e-10, &kComma, "2,5E-10"}));
// clang-format on

using convert::Operation;

struct StepRow {
    Operation operation;
    double left;
    double right;
    const char* expected;  // the figure, or the error's number
};

class CheckedStep : public testing::TestWithParam<StepRow> {};

TEST_P(CheckedStep, TellsTheFaultFromTheResult) {
    const auto& row = GetParam();
    std::string outcome;
    try {
        outcome = convert::numberText(checkedStep(row.operation, row.left, row.right), kPeriod);
    } catch (const convert::Error& error) {
        outcome = "error " + std::to_string(static_cast<int>(error.code()));
    }
    EXPECT_EQ(outcome, row.expected) << row.left << ", " << row.right;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, CheckedStep, testing::Values(
    StepRow{Operation::Divide, 1, 0, "error 11"},
    StepRow{Operation::Divide, -2.5, -0.0, "error 11"}, StepRow{Operation::Divide, 0, 0, "error 6"},
    StepRow{Operation::Divide, kInf, 0, "error 6"},
    StepRow{Operation::Add, 1e308, 1e308, "error 6"},
    // Underflow and a finite result from an infinity are no faults.
    StepRow{Operation::Divide, 5, kInf, "0"}, StepRow{Operation::Multiply, 1e-300, 1e-300, "0"},
    StepRow{Operation::Subtract, 0.3, 0.1, "0.2"}));
// clang-format on

}  // namespace
