#include "convert/parse.h"

#include "convert/error.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace convert {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal literal already taken apart into its pieces, in plain ASCII.
struct Literal {
    bool negative = false;
    std::string integral;
    std::string fraction;
    std::string exponent;  // with its sign, or empty

    [[nodiscard]] bool hasDigits() const { return !integral.empty() || !fraction.empty(); }
};

// Adds a decimal exponent text to a running value without overflowing: far past the range of
// a double the exact figure no longer matters.
long saturatingExponent(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    long value = 0;
    for (char c : text) {
        value = std::min(value * 10 + (c - '0'), 100'000'000L);
    }
    return negative ? -value : value;
}

// Where from_chars finds the value out of range, tells an overflow from an underflow by the
// position of the first significant digit.
bool isBeyondLargest(const Literal& literal) {
    long magnitude = 0;
    const auto firstNonZero = literal.integral.find_first_not_of('0');
    if (firstNonZero != std::string::npos) {
        magnitude = static_cast<long>(literal.integral.size() - firstNonZero);
    } else {
        const auto leadingZeros = literal.fraction.find_first_not_of('0');
        magnitude = -static_cast<long>(leadingZeros == std::string::npos ? literal.fraction.size()
                                                                          : leadingZeros);
    }
    return magnitude + saturatingExponent(literal.exponent) > 0;
}

// Correctly rounded decimal-to-double conversion of a literal with at least one digit.
double toDouble(const Literal& literal) {
    std::string text = literal.integral.empty() ? "0" : literal.integral;
    if (!literal.fraction.empty()) {
        text += '.';
        text += literal.fraction;
    }
    if (!literal.exponent.empty()) {
        text += 'e';
        text += literal.exponent;
    }
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range) {
        value = isBeyondLargest(literal) ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return literal.negative ? -value : value;
}

// &H and &O read an integer the width of the classic Basic ones: 16 bits when the digits fit
// in 16, else 32, in two's complement (&HFFFF is -1, &H10000 is 65536); longer digit strings
// keep their low 32 bits.
double radixInteger(std::string_view digits, unsigned radix) {
    std::uint64_t low32 = 0;
    bool wide = false;
    for (char c : digits) {
        const char lower = static_cast<char>(c | 0x20);
        const unsigned digit = isDigit(c) ? static_cast<unsigned>(c - '0')
                               : (lower >= 'a' && lower <= 'z')
                                   ? static_cast<unsigned>(lower - 'a') + 10U
                                   : radix;
        if (digit >= radix) {
            break;
        }
        const std::uint64_t next = low32 * radix + digit;
        wide = wide || next > 0xFFFF'FFFFU;
        low32 = next & 0xFFFF'FFFFU;
    }
    if (!wide && low32 <= 0xFFFFU) {
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(low32));
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(low32));
}

// Takes characters while they are digits; returns how many.
std::size_t takeDigits(std::string_view text, std::size_t pos, std::string& out) {
    const std::size_t start = pos;
    while (pos < text.size() && isDigit(text[pos])) {
        out += text[pos++];
    }
    return pos - start;
}

// E or e (and D or d where allowed), an optional sign and at least one digit; returns the
// length taken, 0 where no exponent stands there.
std::size_t takeExponent(std::string_view text, std::size_t pos, bool allowD, std::string& out) {
    if (pos >= text.size()) {
        return 0;
    }
    const char letter = static_cast<char>(text[pos] | 0x20);
    if (letter != 'e' && !(allowD && letter == 'd')) {
        return 0;
    }
    std::size_t next = pos + 1;
    std::string exponent;
    if (next < text.size() && (text[next] == '+' || text[next] == '-')) {
        exponent += text[next++];
    }
    const std::size_t digits = takeDigits(text, next, exponent);
    if (digits == 0) {
        return 0;
    }
    out = exponent;
    return next + digits - pos;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Grouping separators that are some kind of space: the user types an ordinary blank for them.
bool isSpaceLike(std::string_view separator) {
    return separator == " " || separator == "\u00A0" || separator == "\u202F" ||
           separator == "\u2009";
}

}  // namespace

double lenientParse(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(compact),
                 [](char c) { return c != ' ' && c != '\t' && c != '\n'; });
    const std::string_view s = compact;

    if (s.size() >= 2 && s[0] == '&') {
        const char prefix = static_cast<char>(s[1] | 0x20);
        if (prefix == 'h') {
            return radixInteger(s.substr(2), 16);
        }
        if (prefix == 'o') {
            return radixInteger(s.substr(2), 8);
        }
    }

    Literal literal;
    std::size_t pos = 0;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        literal.negative = s[pos++] == '-';
    }
    pos += takeDigits(s, pos, literal.integral);
    if (pos < s.size() && s[pos] == '.') {
        pos += 1 + takeDigits(s, pos + 1, literal.fraction);
    }
    if (!literal.hasDigits()) {
        return 0.0;
    }
    takeExponent(s, pos, /*allowD=*/true, literal.exponent);
    return toDouble(literal);
}

double strictParse(std::string_view text, const NumberFormat& format) {
    const std::string_view decimal = format.decimalSeparator;
    const std::string_view group = format.groupSeparator;
    const bool blankGroups = isSpaceLike(group);

    auto at = [&](std::size_t pos, std::string_view what) {
        return !what.empty() && text.substr(pos, what.size()) == what;
    };
    auto digitAt = [&](std::size_t pos) { return pos < text.size() && isDigit(text[pos]); };

    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    Literal literal;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        literal.negative = text[pos++] == '-';
    }
    while (true) {
        pos += takeDigits(text, pos, literal.integral);
        if (literal.integral.empty()) {
            break;
        }
        // A grouping separator counts only between two digits of the integral part.
        if (at(pos, group) && !at(pos, decimal) && digitAt(pos + group.size())) {
            pos += group.size();
        } else if (blankGroups && text.substr(pos, 1) == " " && digitAt(pos + 1)) {
            pos += 1;
        } else {
            break;
        }
    }
    if (at(pos, decimal)) {
        pos += decimal.size();
        pos += takeDigits(text, pos, literal.fraction);
    }
    if (!literal.hasDigits()) {
        throw Error(ErrorCode::TypeMismatch);
    }
    pos += takeExponent(text, pos, /*allowD=*/false, literal.exponent);
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    if (pos != text.size()) {
        throw Error(ErrorCode::TypeMismatch);
    }
    return toDouble(literal);
}

}  // namespace convert
