// Lenient parse never fails and reads the leading number as a reference reader written from
// its description does: blanks dropped anywhere, &H/&O integers of 16 or 32 bits, a decimal
// literal with an E or D exponent, 0 where there are no digits, infinities past the range.

#include "fuzz_support.h"

#include "convert/parse.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace {

bool isRadixDigit(char c, unsigned radix) {
    if (fuzz::isDigit(c)) {
        return static_cast<unsigned>(c - '0') < radix;
    }
    return radix == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
}

// &H or &O digits: 16 bits where the value fits in them, else the low 32 bits.
double radixReference(std::string_view digits, unsigned radix) {
    std::size_t count = 0;
    while (count < digits.size() && isRadixDigit(digits[count], radix)) {
        ++count;
    }
    std::string_view significant = digits.substr(0, count);
    while (!significant.empty() && significant.front() == '0') {
        significant.remove_prefix(1);
    }
    if (significant.empty()) {
        return 0.0;
    }
    // 8 hexadecimal or 11 octal digits cover the low 32 bits.
    const std::size_t lowDigits = radix == 16 ? 8 : 11;
    const std::string_view low = significant.size() > lowDigits
                                     ? significant.substr(significant.size() - lowDigits)
                                     : significant;
    std::uint64_t lowValue = 0;
    std::from_chars(low.data(), low.data() + low.size(), lowValue, static_cast<int>(radix));
    const auto low32 = static_cast<std::uint32_t>(lowValue & 0xFFFF'FFFFU);
    const bool fitsSixteenBits = significant.size() <= lowDigits && lowValue <= 0xFFFFU;
    if (fitsSixteenBits) {
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(low32));
    }
    return static_cast<std::int32_t>(low32);
}

// Decimal order of magnitude of digits.fraction x 10^exponent, far enough to tell an overflow
// from an underflow.
long long orderOf(std::string_view integral, std::string_view fraction, std::string_view exponent) {
    long long order = 0;
    const auto firstIntegral = integral.find_first_not_of('0');
    if (firstIntegral != std::string_view::npos) {
        order = static_cast<long long>(integral.size() - firstIntegral);
    } else {
        const auto firstFraction = fraction.find_first_not_of('0');
        order = -static_cast<long long>(firstFraction == std::string_view::npos ? fraction.size()
                                                                                : firstFraction);
    }
    const bool negative = !exponent.empty() && exponent.front() == '-';
    if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+')) {
        exponent.remove_prefix(1);
    }
    constexpr long long kFar = 1'000'000'000'000LL;
    long long magnitude = 0;
    const auto [end, ec] =
        std::from_chars(exponent.data(), exponent.data() + exponent.size(), magnitude);
    if (ec == std::errc::result_out_of_range || magnitude > kFar) {
        magnitude = kFar;
    }
    return order + (negative ? -magnitude : magnitude);
}

std::string_view digitsAt(std::string_view s, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < s.size() && fuzz::isDigit(s[pos])) {
        ++pos;
    }
    return s.substr(start, pos - start);
}

double lenientReference(std::string_view text) {
    const std::string compact = fuzz::withoutBlanks(text);
    const std::string_view s = compact;
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h')) {
        return radixReference(s.substr(2), 16);
    }
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'O' || s[1] == 'o')) {
        return radixReference(s.substr(2), 8);
    }
    std::size_t pos = 0;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        negative = s[pos] == '-';
        ++pos;
    }
    const std::string_view integral = digitsAt(s, pos);
    std::string_view fraction;
    if (pos < s.size() && s[pos] == '.') {
        ++pos;
        fraction = digitsAt(s, pos);
    }
    if (integral.empty() && fraction.empty()) {
        return 0.0;
    }
    std::string exponent;
    if (pos < s.size() && (s[pos] == 'E' || s[pos] == 'e' || s[pos] == 'D' || s[pos] == 'd')) {
        std::size_t at = pos + 1;
        std::string sign;
        if (at < s.size() && (s[at] == '+' || s[at] == '-')) {
            sign = s[at++];
        }
        const std::string_view digits = digitsAt(s, at);
        if (!digits.empty()) {
            exponent = sign + std::string(digits);
        }
    }
    std::string literal = integral.empty() ? "0" : std::string(integral);
    literal += '.';
    literal += fraction.empty() ? "0" : std::string(fraction);
    literal += 'e';
    literal += exponent.empty() ? "0" : exponent;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(literal.data(), literal.data() + literal.size(), value);
    if (ec == std::errc::result_out_of_range) {
        value = orderOf(integral, fraction, exponent) > 0 ? std::numeric_limits<double>::infinity()
                                                          : 0.0;
    }
    fuzz::require(end == literal.data() + literal.size(), "reference literal read whole", literal);
    return negative ? -value : value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::bytesAsText(data, size);
    double value = 0.0;
    try {
        value = convert::lenientParse(text);
    } catch (...) {
        fuzz::fail("lenient parse never throws", text);
    }
    fuzz::require(!std::isnan(value), "lenient parse never gives NaN", text);
    fuzz::require(fuzz::sameValue(value, lenientReference(text)),
                  "lenient parse reads the leading number", text);
    return 0;
}
