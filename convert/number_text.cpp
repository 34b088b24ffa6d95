#include "convert/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace convert {
namespace {

constexpr int kSignificantDigits = 15;
constexpr int kSmallestPositionalExponent = -4;
constexpr int kLargestPositionalExponent = 14;

// The value rounded to 15 significant digits: its digits without trailing zeros and the
// decimal exponent of the first one.
struct Rounded {
    std::string digits;
    int exponent = 0;
};

Rounded roundToSignificant(double magnitude) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const auto e = text.find('e');

    Rounded rounded;
    for (char c : text.substr(0, e)) {
        if (c != '.') {
            rounded.digits += c;
        }
    }
    rounded.digits.erase(rounded.digits.find_last_not_of('0') + 1);
    const std::string_view exponent = text.substr(e + 1);
    std::from_chars(exponent.data() + (exponent.front() == '+' ? 1 : 0),
                    exponent.data() + exponent.size(), rounded.exponent);
    return rounded;
}

std::string positional(const Rounded& r, const std::string& separator) {
    const auto count = static_cast<int>(r.digits.size());
    if (r.exponent < 0) {
        return "0" + separator + std::string(static_cast<std::size_t>(-r.exponent - 1), '0') +
               r.digits;
    }
    const int integralDigits = r.exponent + 1;
    if (count <= integralDigits) {
        return r.digits + std::string(static_cast<std::size_t>(integralDigits - count), '0');
    }
    const auto split = static_cast<std::size_t>(integralDigits);
    return r.digits.substr(0, split) + separator + r.digits.substr(split);
}

std::string exponential(const Rounded& r, const std::string& separator) {
    std::string text = r.digits.substr(0, 1);
    if (r.digits.size() > 1) {
        text += separator + r.digits.substr(1);
    }
    const int magnitude = std::abs(r.exponent);
    text += r.exponent < 0 ? "E-" : "E+";
    if (magnitude < 10) {
        text += '0';
    }
    text += std::to_string(magnitude);
    return text;
}

}  // namespace

std::string numberText(double value, const NumberFormat& format) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Infinity" : "Infinity";
    }
    if (value == 0.0) {
        return "0";
    }
    const Rounded rounded = roundToSignificant(std::fabs(value));
    const bool isPositional = rounded.exponent >= kSmallestPositionalExponent &&
                              rounded.exponent <= kLargestPositionalExponent;
    const std::string body = isPositional ? positional(rounded, format.decimalSeparator)
                                          : exponential(rounded, format.decimalSeparator);
    return value < 0 ? "-" + body : body;
}

}  // namespace convert
