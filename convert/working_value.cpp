#include "convert/working_value.h"

#include "convert/checked.h"
#include "convert/number_text.h"
#include "convert/parse.h"

#include <limits>
#include <optional>

namespace convert {
namespace {

bool isInteger(WorkingValue::Kind kind) {
    return kind == WorkingValue::Kind::Empty || kind == WorkingValue::Kind::Int16 ||
           kind == WorkingValue::Kind::Int32;
}

std::int64_t integerOf(const WorkingValue& value) {
    if (const auto* i16 = std::get_if<std::int16_t>(&value.storage())) {
        return *i16;
    }
    if (const auto* i32 = std::get_if<std::int32_t>(&value.storage())) {
        return *i32;
    }
    return 0;  // Empty
}

// The narrowest kind at least as wide as both operands' that holds the exact result.
WorkingValue integerResult(std::int64_t result, const WorkingValue& a, const WorkingValue& b) {
    const bool wide =
        a.kind() == WorkingValue::Kind::Int32 || b.kind() == WorkingValue::Kind::Int32;
    if (!wide && result >= std::numeric_limits<std::int16_t>::min() &&
        result <= std::numeric_limits<std::int16_t>::max()) {
        return WorkingValue(static_cast<std::int16_t>(result));
    }
    if (result >= std::numeric_limits<std::int32_t>::min() &&
        result <= std::numeric_limits<std::int32_t>::max()) {
        return WorkingValue(static_cast<std::int32_t>(result));
    }
    return WorkingValue(static_cast<double>(result));
}

// Integer operands are combined exactly in 64 bits (32-bit products cannot overflow it).
std::optional<std::int64_t> integerOperation(Operation operation, std::int64_t a, std::int64_t b) {
    switch (operation) {
    case Operation::Add: return a + b;
    case Operation::Subtract: return a - b;
    case Operation::Multiply: return a * b;
    case Operation::Divide: return std::nullopt;
    }
    return std::nullopt;
}

WorkingValue combine(Operation operation, const WorkingValue& a, const WorkingValue& b,
                     const NumberFormat& format) {
    if (operation == Operation::Add && a.kind() == WorkingValue::Kind::Text &&
        b.kind() == WorkingValue::Kind::Text) {
        return WorkingValue(std::get<std::string>(a.storage()) +
                            std::get<std::string>(b.storage()));
    }
    if (isInteger(a.kind()) && isInteger(b.kind())) {
        if (const auto exact = integerOperation(operation, integerOf(a), integerOf(b))) {
            return integerResult(*exact, a, b);
        }
    }
    return WorkingValue(checkedStep(operation, a.toDouble(format), b.toDouble(format)));
}

}  // namespace

double WorkingValue::toDouble(const NumberFormat& format) const {
    switch (kind()) {
    case Kind::Empty: return 0.0;
    case Kind::Int16: return std::get<std::int16_t>(storage_);
    case Kind::Int32: return std::get<std::int32_t>(storage_);
    case Kind::Double: return std::get<double>(storage_);
    case Kind::Text: return strictParse(std::get<std::string>(storage_), format);
    }
    return 0.0;
}

std::string WorkingValue::toText(const NumberFormat& format) const {
    switch (kind()) {
    case Kind::Empty: return {};
    case Kind::Int16: return std::to_string(std::get<std::int16_t>(storage_));
    case Kind::Int32: return std::to_string(std::get<std::int32_t>(storage_));
    case Kind::Double: return numberText(std::get<double>(storage_), format);
    case Kind::Text: return std::get<std::string>(storage_);
    }
    return {};
}

WorkingValue add(const WorkingValue& a, const WorkingValue& b, const NumberFormat& format) {
    return combine(Operation::Add, a, b, format);
}

WorkingValue subtract(const WorkingValue& a, const WorkingValue& b, const NumberFormat& format) {
    return combine(Operation::Subtract, a, b, format);
}

WorkingValue multiply(const WorkingValue& a, const WorkingValue& b, const NumberFormat& format) {
    return combine(Operation::Multiply, a, b, format);
}

WorkingValue divide(const WorkingValue& a, const WorkingValue& b, const NumberFormat& format) {
    return combine(Operation::Divide, a, b, format);
}

}  // namespace convert
