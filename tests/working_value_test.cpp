#include "convert/working_value.h"
#include "convert/checked.h"
#include "convert/error.h"
#include "error_of.h"
#include "formats.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>
#include <variant>

namespace convert {

// Shows kind and value in failure messages.
void PrintTo(const WorkingValue& value, std::ostream* out) {
    static const char* const kinds[] = {"Empty", "Int16", "Int32", "Double", "Text"};
    *out << kinds[static_cast<int>(value.kind())];
    std::visit(
        [out](const auto& held) {
            if constexpr (!std::is_same_v<std::decay_t<decltype(held)>, std::monostate>) {
                *out << '(' << held << ')';
            }
        },
        value.storage());
}

}  // namespace convert

namespace {

using convert::ErrorCode;
using convert::NumberFormat;
using convert::Operation;
using convert::WorkingValue;

WorkingValue i16(int v) { return WorkingValue(static_cast<std::int16_t>(v)); }
WorkingValue i32(std::int32_t v) { return WorkingValue(v); }
WorkingValue dbl(double v) { return WorkingValue(v); }
WorkingValue txt(const char* v) { return WorkingValue(std::string(v)); }

WorkingValue apply(Operation op, const WorkingValue& a, const WorkingValue& b,
                   const NumberFormat& format) {
    switch (op) {
    case Operation::Add: return add(a, b, format);
    case Operation::Subtract: return subtract(a, b, format);
    case Operation::Multiply: return multiply(a, b, format);
    case Operation::Divide: return divide(a, b, format);
    }
    return {};
}

struct Row {
    WorkingValue a;
    Operation op;
    WorkingValue b;
    const NumberFormat* format;
    std::variant<WorkingValue, ErrorCode> expected;  // the value with its kind, or the failure
};

class WorkingValueArithmetic : public testing::TestWithParam<Row> {};

TEST_P(WorkingValueArithmetic, GivesValueAndKind) {
    const Row& row = GetParam();
    const WorkingValue a = row.a;
    const WorkingValue b = row.b;
    if (const auto* expected = std::get_if<WorkingValue>(&row.expected)) {
        EXPECT_EQ(apply(row.op, a, b, *row.format), *expected);
    } else {
        EXPECT_EQ(errorOf([&] { return apply(row.op, a, b, *row.format); }),
                  std::get<ErrorCode>(row.expected));
    }
    EXPECT_EQ(a, row.a) << "operands are left unchanged";
    EXPECT_EQ(b, row.b);
}

constexpr auto Add = Operation::Add;
constexpr auto Sub = Operation::Subtract;
constexpr auto Mul = Operation::Multiply;
constexpr auto Div = Operation::Divide;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, WorkingValueArithmetic, testing::Values(
    Row{{}, Mul, dbl(1626), &kPeriod, dbl(0)},
    Row{{}, Add, {}, &kPeriod, i16(0)},
    Row{i16(2), Mul, dbl(187), &kPeriod, dbl(374)},
    Row{i16(2000), Add, i16(100), &kPeriod, i16(2100)},
    Row{i16(30000), Add, i16(30000), &kPeriod, i32(60000)},
    Row{i32(2'000'000'000), Add, i32(2'000'000'000), &kPeriod, dbl(4e9)},
    Row{i16(7), Div, i16(2), &kPeriod, dbl(3.5)},
    Row{i16(100), Sub, {}, &kPeriod, i16(100)},
    Row{dbl(1.5), Add, txt("2"), &kPeriod, dbl(3.5)},
    Row{txt("12,5"), Add, i16(1), &kComma, dbl(13.5)},
    Row{txt("12,5"), Add, i16(1), &kPeriod, dbl(126)},
    Row{txt("12.5"), Add, i16(1), &kComma, ErrorCode::TypeMismatch},
    Row{dbl(1.5), Add, txt("abc"), &kPeriod, ErrorCode::TypeMismatch},
    Row{{}, Add, txt(""), &kPeriod, ErrorCode::TypeMismatch},
    Row{txt("1"), Add, txt("2"), &kPeriod, txt("12")},
    Row{txt("5"), Sub, txt("2"), &kPeriod, dbl(3)},
    Row{i16(1), Div, {}, &kPeriod, ErrorCode::DivisionByZero},
    Row{dbl(1), Div, dbl(0), &kPeriod, ErrorCode::DivisionByZero},
    Row{{}, Div, {}, &kPeriod, ErrorCode::Overflow},
    Row{dbl(1e308), Mul, i16(10), &kPeriod, ErrorCode::Overflow},
    Row{txt("1e400"), Add, i16(0), &kPeriod, ErrorCode::Overflow}));
// clang-format on

struct TextRow {
    WorkingValue value;
    const NumberFormat* format;
    const char* expected;
};

class WorkingValueText : public testing::TestWithParam<TextRow> {};

TEST_P(WorkingValueText, WritesNumbersByTheFormat) {
    EXPECT_EQ(GetParam().value.toText(*GetParam().format), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, WorkingValueText, testing::Values(
    TextRow{{}, &kPeriod, ""}, TextRow{i16(-2000), &kComma, "-2000"},
    TextRow{i32(60000), &kPeriod, "60000"}, TextRow{dbl(12.5), &kPeriod, "12.5"},
    TextRow{dbl(12.5), &kComma, "12,5"}, TextRow{txt("abc"), &kPeriod, "abc"}));
// clang-format on

TEST(FaultCheck, IgnoresFlagsRaisedBeforeTheStep) {
    std::feraiseexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
    EXPECT_EQ(convert::checkedStep(Operation::Add, 1, 2), 3);
}

TEST(FaultCheck, IgnoresUnderflowAndInexact) {
    EXPECT_EQ(convert::checkedStep(Operation::Multiply, 1e-300, 1e-300), 0);
    EXPECT_EQ(convert::checkedStep(Operation::Divide, 1, 3), 1.0 / 3.0);
}

TEST(FaultCheck, TreatsAnInfiniteOperandAsOverflow) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(errorOf([&] { return convert::checkedStep(Operation::Add, inf, 1); }),
              ErrorCode::Overflow);
}

}  // namespace
