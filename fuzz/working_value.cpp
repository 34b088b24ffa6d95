// Chains of working-value operations on values of random kinds, under a format picked by the
// first byte. Each step gives what the kinds promise: two texts added are joined, integers stay
// integers of the narrowest kind that holds the exact result, anything else is the double
// operation with its fault check (a text operand read strictly); the operands never change.

#include "fuzz_support.h"

#include "convert/checked.h"
#include "convert/error.h"
#include "convert/parse.h"
#include "convert/working_value.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace {

using convert::Operation;
using convert::WorkingValue;
using Kind = WorkingValue::Kind;

const std::array<const convert::NumberFormat*, 4> kFormats{
    &fuzz::kPeriod, &fuzz::kComma, &fuzz::kCommaPeriodGroups, &fuzz::kPeriodNoGroups};

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    [[nodiscard]] bool empty() const { return pos_ >= size_; }

    std::uint8_t byte() { return empty() ? 0 : data_[pos_++]; }

    // The next bytes as the object representation of T, zeros past the end.
    template <typename T>
    T bits() {
        std::array<unsigned char, sizeof(T)> bytes{};
        for (auto& b : bytes) {
            b = byte();
        }
        T value{};
        std::memcpy(&value, bytes.data(), sizeof value);
        return value;
    }

    std::string text(std::size_t length) {
        std::string out;
        while (out.size() < length && !empty()) {
            out += static_cast<char>(byte());
        }
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

WorkingValue operandOf(Reader& reader) {
    switch (reader.byte() % 5) {
    case 0: return {};
    case 1: return WorkingValue(reader.bits<std::int16_t>());
    case 2: return WorkingValue(reader.bits<std::int32_t>());
    case 3: return WorkingValue(reader.bits<double>());
    default: return WorkingValue(reader.text(reader.byte()));
    }
}

Operation operationOf(Reader& reader) {
    constexpr std::array<Operation, 4> kOperations{Operation::Add, Operation::Subtract,
                                                   Operation::Multiply, Operation::Divide};
    return kOperations[reader.byte() % kOperations.size()];
}

WorkingValue apply(Operation operation, const WorkingValue& a, const WorkingValue& b,
                   const convert::NumberFormat& format) {
    switch (operation) {
    case Operation::Add: return add(a, b, format);
    case Operation::Subtract: return subtract(a, b, format);
    case Operation::Multiply: return multiply(a, b, format);
    case Operation::Divide: return divide(a, b, format);
    }
    fuzz::fail("unknown operation");
}

// Same kind and the same contents, doubles compared by their bits.
bool identical(const WorkingValue& a, const WorkingValue& b) {
    if (a.kind() != b.kind()) {
        return false;
    }
    if (a.kind() == Kind::Double) {
        const double x = std::get<double>(a.storage());
        const double y = std::get<double>(b.storage());
        return std::bit_cast<std::uint64_t>(x) == std::bit_cast<std::uint64_t>(y);
    }
    return a == b;
}

bool isInteger(const WorkingValue& v) {
    return v.kind() == Kind::Empty || v.kind() == Kind::Int16 || v.kind() == Kind::Int32;
}

std::int64_t integerOf(const WorkingValue& v) {
    switch (v.kind()) {
    case Kind::Int16: return std::get<std::int16_t>(v.storage());
    case Kind::Int32: return std::get<std::int32_t>(v.storage());
    default: return 0;
    }
}

// The value of the step as the documented rules give it, or the code of its failure.
struct Expected {
    std::optional<WorkingValue> value;
    int code = 0;
};

Expected expectedStep(Operation operation, const WorkingValue& a, const WorkingValue& b,
                      const convert::NumberFormat& format) {
    if (operation == Operation::Add && a.kind() == Kind::Text && b.kind() == Kind::Text) {
        return {
            WorkingValue(std::get<std::string>(a.storage()) + std::get<std::string>(b.storage())),
            0};
    }
    if (isInteger(a) && isInteger(b) && operation != Operation::Divide) {
        const std::int64_t x = integerOf(a);
        const std::int64_t y = integerOf(b);
        const std::int64_t exact = operation == Operation::Add        ? x + y
                                   : operation == Operation::Subtract ? x - y
                                                                      : x * y;
        const bool wide = a.kind() == Kind::Int32 || b.kind() == Kind::Int32;
        if (!wide && exact >= std::numeric_limits<std::int16_t>::min() &&
            exact <= std::numeric_limits<std::int16_t>::max()) {
            return {WorkingValue(static_cast<std::int16_t>(exact)), 0};
        }
        if (exact >= std::numeric_limits<std::int32_t>::min() &&
            exact <= std::numeric_limits<std::int32_t>::max()) {
            return {WorkingValue(static_cast<std::int32_t>(exact)), 0};
        }
        return {WorkingValue(static_cast<double>(exact)), 0};
    }
    // A text meets a number by strict parse.
    auto number = [&format](const WorkingValue& v) {
        if (const auto* text = std::get_if<std::string>(&v.storage())) {
            return convert::strictParse(*text, format);
        }
        return v.toDouble(format);
    };
    double x = 0.0;
    double y = 0.0;
    try {
        x = number(a);
        y = number(b);
    } catch (const convert::Error& error) {
        return {std::nullopt, static_cast<int>(error.code())};
    }
    const double exact = operation == Operation::Add        ? x + y
                         : operation == Operation::Subtract ? x - y
                         : operation == Operation::Multiply ? x * y
                                                            : x / y;
    if (operation == Operation::Divide && y == 0.0 && std::isfinite(x) && x != 0.0) {
        return {std::nullopt, 11};
    }
    if (!std::isfinite(exact)) {
        return {std::nullopt, 6};
    }
    return {WorkingValue(exact), 0};
}

void checkText(const WorkingValue& value, const convert::NumberFormat& format) {
    std::string text;
    try {
        text = value.toText(format);
    } catch (...) {
        fuzz::fail("a working value's text never fails");
    }
    switch (value.kind()) {
    case Kind::Empty: fuzz::require(text.empty(), "Empty is the empty text", text); break;
    case Kind::Int16:
    case Kind::Int32: {
        std::array<char, 16> digits{};
        auto* const end =
            std::to_chars(digits.data(), digits.data() + digits.size(), integerOf(value)).ptr;
        fuzz::require(
            text == std::string_view(digits.data(), static_cast<std::size_t>(end - digits.data())),
            "an integer is written in plain digits", text);
        break;
    }
    case Kind::Double:
        fuzz::require(fuzz::isFigureText(text, format), "a double result is written as a figure",
                      text);
        break;
    case Kind::Text:
        fuzz::require(text == std::get<std::string>(value.storage()), "a text is itself", text);
        break;
    }
}

// One step: its outcome against the expected one. Returns the result, if any.
std::optional<WorkingValue> checkStep(Operation operation, const WorkingValue& a,
                                      const WorkingValue& b, const convert::NumberFormat& format) {
    // The copies witness that the operands come out of the step as they went in.
    // NOLINTBEGIN(performance-unnecessary-copy-initialization)
    const WorkingValue aBefore = a;
    const WorkingValue bBefore = b;
    // NOLINTEND(performance-unnecessary-copy-initialization)
    const Expected expected = expectedStep(operation, a, b, format);
    std::optional<WorkingValue> result;
    int code = 0;
    try {
        result = apply(operation, a, b, format);
    } catch (const convert::Error& error) {
        code = static_cast<int>(error.code());
        fuzz::require(fuzz::isKnownErrorCode(code), "only errors 13, 6 and 11");
        fuzz::require(!error.input().has_value(), "an operation names no input");
    } catch (...) {
        fuzz::fail("operations throw only convert::Error");
    }
    fuzz::require(identical(a, aBefore) && identical(b, bBefore), "operands are left unchanged");
    fuzz::require(code == expected.code, "the step fails exactly as expected",
                  std::to_string(code) + " instead of " + std::to_string(expected.code));
    if (result) {
        fuzz::require(expected.value.has_value() && identical(*result, *expected.value),
                      "the step gives the expected kind and value",
                      result->toText(format) + " of kind " +
                          std::to_string(static_cast<int>(result->kind())));
        checkText(*result, format);
    }
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader reader(data, size);
    const convert::NumberFormat& format = *kFormats[reader.byte() % kFormats.size()];
    WorkingValue accumulated = operandOf(reader);
    for (int step = 0; step < 64 && !reader.empty(); ++step) {
        const Operation operation = operationOf(reader);
        const WorkingValue operand = operandOf(reader);
        // A result carries on into the next step; after a failure the operand does.
        accumulated = checkStep(operation, accumulated, operand, format).value_or(operand);
    }
    return 0;
}
