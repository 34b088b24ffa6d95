#include "convert/parse.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <cstdint>
#include <string>

namespace convert {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDropped(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// A decimal literal gathered in the plain form fast_float reads: integral digits, a period and
// the fraction's digits, e and the exponent (".5" and "5." read as 0.5 and 5).
class Literal {
public:
    // Takes the integral digits at pos; returns how many.
    std::size_t integral(std::string_view s, std::size_t& pos) {
        const std::size_t count = append(s, pos);
        hasDigits_ = hasDigits_ || count > 0;
        return count;
    }

    // The fraction's digits after the decimal separator.
    void fraction(std::string_view s, std::size_t& pos) {
        text_ += '.';
        hasDigits_ = append(s, pos) > 0 || hasDigits_;
    }

    // E or e (and D or d where allowed), an optional sign and at least one digit; where these
    // do not stand at pos, nothing is taken.
    void exponent(std::string_view s, std::size_t& pos, bool allowD) {
        const char letter = pos < s.size() ? static_cast<char>(s[pos] | 0x20) : '\0';
        if (letter != 'e' && (!allowD || letter != 'd')) {
            return;
        }
        const std::size_t mark = text_.size();
        std::size_t next = pos + 1;
        text_ += 'e';
        if (next < s.size() && (s[next] == '+' || s[next] == '-')) {
            text_ += s[next++];
        }
        if (append(s, next) == 0) {
            text_.resize(mark);
            return;
        }
        pos = next;
    }

    [[nodiscard]] bool hasDigits() const { return hasDigits_; }

    // The correctly rounded double; beyond the largest an infinity, below the smallest a zero.
    [[nodiscard]] double value(bool negative) const {
        double value = 0.0;
        fast_float::from_chars(text_.data(), text_.data() + text_.size(), value);
        return negative ? -value : value;
    }

private:
    std::size_t append(std::string_view s, std::size_t& pos) {
        const std::size_t start = pos;
        while (pos < s.size() && isDigit(s[pos])) {
            text_ += s[pos++];
        }
        return pos - start;
    }

    std::string text_;
    bool hasDigits_ = false;
};

bool takeSign(std::string_view s, std::size_t& pos) {
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        return s[pos++] == '-';
    }
    return false;
}

// The value of one digit (letters from 10 on); the radix itself for a character below a.
unsigned radixDigit(char c, unsigned radix) {
    if (isDigit(c)) {
        return static_cast<unsigned>(c - '0');
    }
    const char lower = static_cast<char>(c | 0x20);
    return lower >= 'a' ? static_cast<unsigned>(lower - 'a') + 10U : radix;
}

// &H and &O read an integer the width of the classic Basic ones: 16 bits when the digits fit
// in 16, else 32, in two's complement (&HFFFF is -1, &H10000 is 65536); longer digit strings
// keep their low 32 bits. Any character that is no digit of the radix ends the digits.
double radixInteger(std::string_view digits, unsigned radix) {
    std::uint64_t low32 = 0;
    bool wide = false;
    for (const char c : digits) {
        const unsigned digit = radixDigit(c, radix);
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

// Grouping separators that are some other kind of space: the user types an ordinary blank for them.
bool isSpaceLike(std::string_view separator) {
    return separator == "\u00A0" || separator == "\u202F" || separator == "\u2009";
}

}  // namespace

double lenientParse(std::string_view text) {
    std::string s;
    std::ranges::remove_copy_if(text, std::back_inserter(s), isDropped);

    if (s.size() >= 2 && s[0] == '&') {
        const char prefix = static_cast<char>(s[1] | 0x20);
        if (prefix == 'h' || prefix == 'o') {
            return radixInteger(std::string_view(s).substr(2), prefix == 'h' ? 16 : 8);
        }
    }
    std::size_t pos = 0;
    const bool negative = takeSign(s, pos);
    Literal literal;
    literal.integral(s, pos);
    if (pos < s.size() && s[pos] == '.') {
        literal.fraction(s, ++pos);
    }
    // With no digit fast_float reads nothing and the value stays 0 (-0 after a minus, which is 0
    // in every later step and is written 0).
    literal.exponent(s, pos, /*allowD=*/true);
    return literal.value(negative);
}

std::optional<double> strictParse(std::string_view text, const NumberFormat& format) {
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
    const bool negative = takeSign(text, pos);
    Literal literal;
    // A grouping separator counts only between two digits of the integral part; where one
    // symbol is both separators, it stands for the decimals.
    while (literal.integral(text, pos) > 0) {
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
        literal.fraction(text, pos);
    }
    if (!literal.hasDigits()) {
        return std::nullopt;
    }
    literal.exponent(text, pos, /*allowD=*/false);
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    return literal.value(negative);
}

}  // namespace convert
