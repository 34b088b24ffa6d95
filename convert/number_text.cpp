#include "convert/number_text.h"

#include <array>
#include <charconv>
#include <string_view>

namespace convert {
namespace {

constexpr int kSignificantDigits = 15;
constexpr int kSmallestPositionalExponent = -4;
constexpr int kLargestPositionalExponent = 14;

}  // namespace

std::string numberText(double value, const NumberFormat& format) {
    if (value == 0.0) {
        return "0";
    }
    // Rounded to 15 significant digits by to_chars: d.ddddddddddddddde+XX.
    std::array<char, 32> buffer{};
    auto* const end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::scientific, kSignificantDigits - 1)
                          .ptr;
    std::string_view scientific(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    const bool negative = value < 0;
    scientific.remove_prefix(negative ? 1 : 0);
    std::string digits(scientific.substr(0, 1));
    digits += scientific.substr(2, kSignificantDigits - 1);
    digits.erase(digits.find_last_not_of('0') + 1);
    // e, its sign and at least two digits, as the exponent form writes them after its E.
    const std::string_view exponentText = scientific.substr(kSignificantDigits + 1);
    int exponent = 0;
    std::from_chars(exponentText.data() + (exponentText[1] == '+' ? 2 : 1), end, exponent);

    // Appended piece by piece: g++ 12 warns falsely of overlap on a literal + a string.
    const std::string& separator = format.decimalSeparator;
    std::string text = negative ? "-" : "";
    if (exponent < kSmallestPositionalExponent || exponent > kLargestPositionalExponent) {
        text += digits.front();
        if (digits.size() > 1) {
            text.append(separator).append(digits, 1);
        }
        text.append(1, 'E').append(exponentText.substr(1));
    } else if (exponent < 0) {
        text.append(1, '0').append(separator);
        text.append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
    } else if (const auto integral = static_cast<std::size_t>(exponent) + 1;
               digits.size() <= integral) {
        text.append(digits).append(integral - digits.size(), '0');
    } else {
        text.append(digits, 0, integral).append(separator).append(digits, integral);
    }
    return text;
}

}  // namespace convert
