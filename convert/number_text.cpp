#include "convert/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace convert {
namespace {

constexpr int kSignificantDigits = 15;
constexpr int kSmallestPositionalExponent = -4;
constexpr int kLargestPositionalExponent = 14;

// Room for the longest text apart from the separator (a sign, 15 digits, "E-" and three exponent
// digits, or a sign, "0", three zeros and 15 digits) and for the exponent's conversion range.
constexpr std::size_t kLongestWithoutSeparator = 32;
constexpr std::size_t kExponentRoom = 8;

// The value rounded to 15 significant digits: its digits without trailing zeros and the
// decimal exponent of the first one.
struct Rounded {
    std::array<char, kSignificantDigits> digits{};
    std::size_t count = 0;
    int exponent = 0;

    [[nodiscard]] std::string_view view() const { return {digits.data(), count}; }
};

Rounded roundToSignificant(double magnitude) {
    // Always laid out as d.ddddddddddddddde+XX: one digit, the period, 14 digits, the exponent.
    constexpr std::size_t kExponentSignAt = 1 + 1 + (kSignificantDigits - 1) + 1;
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, kSignificantDigits - 1);

    Rounded rounded;
    rounded.digits[0] = buffer[0];
    std::memcpy(rounded.digits.data() + 1, buffer.data() + 2, kSignificantDigits - 1);
    const std::string_view allDigits(rounded.digits.data(), kSignificantDigits);
    rounded.count = allDigits.find_last_not_of('0') + 1;
    const char* exponent = buffer.data() + kExponentSignAt;
    std::from_chars(exponent + (*exponent == '+' ? 1 : 0), result.ptr, rounded.exponent);
    return rounded;
}

// Appends pieces to storage already known to be large enough.
class Out {
public:
    explicit Out(char* start) : start_(start), end_(start) {}

    Out& operator<<(std::string_view piece) {
        std::memcpy(end_, piece.data(), piece.size());
        end_ += piece.size();
        return *this;
    }
    Out& operator<<(char c) {
        *end_++ = c;
        return *this;
    }
    void zeros(std::size_t count) {
        std::fill_n(end_, count, '0');
        end_ += count;
    }
    void integer(int value) { end_ = std::to_chars(end_, end_ + kExponentRoom, value).ptr; }

    [[nodiscard]] std::string_view text() const {
        return {start_, static_cast<std::size_t>(end_ - start_)};
    }

private:
    char* start_;
    char* end_;
};

void positional(const Rounded& r, std::string_view separator, Out& out) {
    const std::string_view digits = r.view();
    if (r.exponent < 0) {
        out << '0' << separator;
        out.zeros(static_cast<std::size_t>(-r.exponent - 1));
        out << digits;
        return;
    }
    const auto integralDigits = static_cast<std::size_t>(r.exponent) + 1;
    if (digits.size() <= integralDigits) {
        out << digits;
        out.zeros(integralDigits - digits.size());
        return;
    }
    out << digits.substr(0, integralDigits) << separator << digits.substr(integralDigits);
}

void exponential(const Rounded& r, std::string_view separator, Out& out) {
    const std::string_view digits = r.view();
    out << digits.substr(0, 1);
    if (digits.size() > 1) {
        out << separator << digits.substr(1);
    }
    const int magnitude = std::abs(r.exponent);
    out << (r.exponent < 0 ? "E-" : "E+");
    if (magnitude < 10) {
        out << '0';
    }
    out.integer(magnitude);
}

}  // namespace

std::string_view NumberTextBuffer::write(double value, const NumberFormat& format) {
    // Reached by the fuel estimate's unchecked first evaluation when its second-pass mass is
    // not finite; the checked rerun then throws, so no field ever shows these words.
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Infinity" : "Infinity";
    }
    if (value == 0.0) {
        return "0";
    }
    const std::string_view separator = format.decimalSeparator;
    char* storage = stack_.data();
    if (kLongestWithoutSeparator + separator.size() > stack_.size()) {
        heap_.resize(kLongestWithoutSeparator + separator.size());
        storage = heap_.data();
    }
    Out out(storage);
    if (value < 0) {
        out << '-';
    }
    const Rounded rounded = roundToSignificant(std::fabs(value));
    const bool isPositional = rounded.exponent >= kSmallestPositionalExponent &&
                              rounded.exponent <= kLargestPositionalExponent;
    if (isPositional) {
        positional(rounded, separator, out);
    } else {
        exponential(rounded, separator, out);
    }
    return out.text();
}

std::string numberText(double value, const NumberFormat& format) {
    NumberTextBuffer buffer;
    return std::string(buffer.write(value, format));
}

}  // namespace convert
