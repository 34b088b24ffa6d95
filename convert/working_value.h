#pragma once

#include "convert/number_format.h"

#include <cstdint>
#include <string>
#include <variant>

namespace convert {

// An intermediate result of a calculation, tagged like the classic Basic Variant: Empty until
// assigned (counting as the 16-bit integer 0), a 16-bit or 32-bit integer, a double, or text.
class WorkingValue {
public:
    enum class Kind { Empty, Int16, Int32, Double, Text };
    using Storage = std::variant<std::monostate, std::int16_t, std::int32_t, double, std::string>;

    WorkingValue() = default;
    explicit WorkingValue(std::int16_t value) : storage_(value) {}
    explicit WorkingValue(std::int32_t value) : storage_(value) {}
    explicit WorkingValue(double value) : storage_(value) {}
    explicit WorkingValue(std::string value) : storage_(std::move(value)) {}

    [[nodiscard]] Kind kind() const noexcept { return static_cast<Kind>(storage_.index()); }
    [[nodiscard]] const Storage& storage() const noexcept { return storage_; }

    // The number it holds (Empty as 0); a text is read by strict parse and may throw.
    [[nodiscard]] double toDouble(const NumberFormat& format) const;
    // Numbers by number text, integers in plain digits, Empty as the empty text.
    [[nodiscard]] std::string toText(const NumberFormat& format) const;

    friend bool operator==(const WorkingValue&, const WorkingValue&) = default;

private:
    Storage storage_;
};

// Each result is a new value; the operands are left unchanged. Integers stay integers while
// the result fits (widening from 16 to 32 bits, then to a double); anything with a double
// gives a double and so does every division. A text meets a number by strict parse (so a
// text that is not a number throws a type mismatch); two texts added are joined.
// Floating-point results go through the fault check.
[[nodiscard]] WorkingValue add(const WorkingValue& a, const WorkingValue& b,
                               const NumberFormat& format);
[[nodiscard]] WorkingValue subtract(const WorkingValue& a, const WorkingValue& b,
                                    const NumberFormat& format);
[[nodiscard]] WorkingValue multiply(const WorkingValue& a, const WorkingValue& b,
                                    const NumberFormat& format);
[[nodiscard]] WorkingValue divide(const WorkingValue& a, const WorkingValue& b,
                                  const NumberFormat& format);

}  // namespace convert
