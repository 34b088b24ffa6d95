#include "convert/parse.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace convert {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Room for a text rebuilt from another one that is at most a few characters longer: on the
// stack for anything a person types, on the heap beyond.
class Room {
public:
    static constexpr std::size_t kSlack = 4;

    explicit Room(std::size_t textSize) {
        if (textSize + kSlack > stack_.size()) {
            heap_.resize(textSize + kSlack);
            data_ = heap_.data();
        }
    }
    Room(const Room&) = delete;
    Room& operator=(const Room&) = delete;
    ~Room() = default;

    [[nodiscard]] char* data() noexcept { return data_; }

private:
    std::array<char, 128> stack_{};
    std::string heap_;
    char* data_ = stack_.data();
};

// A decimal literal taken apart into its pieces, in plain ASCII, and the text from_chars reads:
// the integral digits (or "0" where there are none), a period and the fraction digits where
// there are some, e and the exponent where there is one.
struct Literal {
    bool negative = false;
    std::string_view integral;
    std::string_view fraction;
    std::string_view exponent;  // with its sign, or empty
    std::string_view text;

    [[nodiscard]] bool hasDigits() const { return !integral.empty() || !fraction.empty(); }
};

// Writes a literal's pieces one after the other into a room at least the source text's size
// plus Room::kSlack, so that no piece needs a bounds check.
class LiteralWriter {
public:
    explicit LiteralWriter(char* room) : start_(room), end_(room + 1) {}

    // Takes characters while they are digits; returns how many.
    std::size_t takeDigits(std::string_view text, std::size_t pos) {
        const std::size_t begin = pos;
        while (pos < text.size() && isDigit(text[pos])) {
            *end_++ = text[pos++];
        }
        return pos - begin;
    }

    void beginIntegral() { mark_ = end_; }
    void endIntegral(Literal& literal) { literal.integral = since(mark_); }

    void beginFraction() {
        *end_++ = '.';
        mark_ = end_;
    }
    // A period with no digits after it is left out.
    void endFraction(Literal& literal) {
        literal.fraction = since(mark_);
        if (literal.fraction.empty()) {
            --end_;
        }
    }

    // E or e (and D or d where allowed), an optional sign and at least one digit; returns the
    // length taken, 0 where no exponent stands there.
    std::size_t takeExponent(std::string_view text, std::size_t pos, bool allowD,
                             Literal& literal) {
        if (pos >= text.size()) {
            return 0;
        }
        const char letter = static_cast<char>(text[pos] | 0x20);
        if (letter != 'e' && (!allowD || letter != 'd')) {
            return 0;
        }
        char* const before = end_;
        *end_++ = 'e';
        char* const exponentStart = end_;
        std::size_t next = pos + 1;
        if (next < text.size() && (text[next] == '+' || text[next] == '-')) {
            *end_++ = text[next++];
        }
        const std::size_t digits = takeDigits(text, next);
        if (digits == 0) {
            end_ = before;
            return 0;
        }
        literal.exponent =
            std::string_view(exponentStart, static_cast<std::size_t>(end_ - exponentStart));
        return next + digits - pos;
    }

    // The text from_chars reads, with a 0 before a missing integral part.
    void finish(Literal& literal) {
        char* begin = start_ + 1;
        if (literal.integral.empty()) {
            *start_ = '0';
            begin = start_;
        }
        literal.text = std::string_view(begin, static_cast<std::size_t>(end_ - begin));
    }

private:
    [[nodiscard]] std::string_view since(const char* mark) const {
        return {mark, static_cast<std::size_t>(end_ - mark)};
    }

    char* start_;  // one place kept free for the 0 of a literal without integral digits
    char* end_;
    char* mark_ = nullptr;
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
    if (firstNonZero != std::string_view::npos) {
        magnitude = static_cast<long>(literal.integral.size() - firstNonZero);
    } else {
        const auto leadingZeros = literal.fraction.find_first_not_of('0');
        magnitude = -static_cast<long>(
            leadingZeros == std::string_view::npos ? literal.fraction.size() : leadingZeros);
    }
    return magnitude + saturatingExponent(literal.exponent) > 0;
}

// Correctly rounded decimal-to-double conversion of a finished literal with at least one digit.
double toDouble(const Literal& literal) {
    double value = 0.0;
    const auto [end, ec] =
        std::from_chars(literal.text.data(), literal.text.data() + literal.text.size(), value);
    if (ec == std::errc::result_out_of_range) {
        value = isBeyondLargest(literal) ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return literal.negative ? -value : value;
}

// The value of one digit of a radix literal (letters from 10 on); at least the radix for any other
// character (past z, or below a, where the radix itself), which ends the digits.
unsigned radixDigit(char c, unsigned radix) {
    if (isDigit(c)) {
        return static_cast<unsigned>(c - '0');
    }
    const char lower = static_cast<char>(c | 0x20);
    if (lower >= 'a') {
        return static_cast<unsigned>(lower - 'a') + 10U;
    }
    return radix;
}

// &H and &O read an integer the width of the classic Basic ones: 16 bits when the digits fit
// in 16, else 32, in two's complement (&HFFFF is -1, &H10000 is 65536); longer digit strings
// keep their low 32 bits.
double radixInteger(std::string_view digits, unsigned radix) {
    std::uint64_t low32 = 0;
    bool wide = false;
    for (char c : digits) {
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

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isDropped(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// Grouping separators that are some other kind of space: the user types an ordinary blank for them.
bool isSpaceLike(std::string_view separator) {
    return separator == "\u00A0" || separator == "\u202F" || separator == "\u2009";
}

// Lenient parse of a text without blanks, tabs or line feeds.
double lenientCompact(std::string_view s, char* room) {
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
    LiteralWriter writer(room);
    std::size_t pos = 0;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        literal.negative = s[pos++] == '-';
    }
    writer.beginIntegral();
    pos += writer.takeDigits(s, pos);
    writer.endIntegral(literal);
    if (pos < s.size() && s[pos] == '.') {
        writer.beginFraction();
        pos += 1 + writer.takeDigits(s, pos + 1);
        writer.endFraction(literal);
    }
    if (!literal.hasDigits()) {
        return 0.0;
    }
    writer.takeExponent(s, pos, /*allowD=*/true, literal);
    writer.finish(literal);
    return toDouble(literal);
}

// A literal that stands in the text just as from_chars is given it: an optional sign, integral
// digits, and a period with fraction digits or not. Returns the position after it, or 0 where the
// text has no such literal.
std::size_t plainLiteral(std::string_view text, bool decimalPeriod, Literal& literal) {
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        literal.negative = text[pos++] == '-';
    }
    const std::size_t begin = pos;
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
    }
    if (pos == begin) {
        return 0;
    }
    literal.integral = text.substr(begin, pos - begin);
    if (decimalPeriod && pos + 1 < text.size() && text[pos] == '.' && isDigit(text[pos + 1])) {
        const std::size_t fraction = ++pos;
        while (pos < text.size() && isDigit(text[pos])) {
            ++pos;
        }
        literal.fraction = text.substr(fraction, pos - fraction);
    }
    literal.text = text.substr(begin, pos - begin);
    return pos;
}

// Characters that would make lenient parse read more of the literal than its plain form: blanks
// are dropped and may join digits, a period may open an exponent, e and d open one.
bool continuesLiteral(char c) {
    return isDropped(c) || c == '.' || c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

// Most texts a field holds are a plain number and nothing else: read it where it stands.
std::optional<double> wholePlainNumber(std::string_view text, const NumberFormat& format) {
    Literal plain;
    if (text.empty() || plainLiteral(text, format.decimalSeparator == ".", plain) != text.size()) {
        return std::nullopt;
    }
    return toDouble(plain);
}

// Strict parse of a text that is not a plain number: nothing where it is no number at all.
std::optional<double> strictReading(std::string_view text, const NumberFormat& format) {
    const std::string_view decimal = format.decimalSeparator;
    const std::string_view group = format.groupSeparator;
    const bool blankGroups = isSpaceLike(group);

    auto at = [&](std::size_t pos, std::string_view what) {
        return !what.empty() && text.substr(pos, what.size()) == what;
    };
    auto digitAt = [&](std::size_t pos) { return pos < text.size() && isDigit(text[pos]); };

    Room room(text.size());
    LiteralWriter writer(room.data());
    Literal literal;

    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        literal.negative = text[pos++] == '-';
    }
    writer.beginIntegral();
    bool anyIntegral = false;
    while (true) {
        const std::size_t digits = writer.takeDigits(text, pos);
        pos += digits;
        anyIntegral = anyIntegral || digits > 0;
        if (!anyIntegral) {
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
    writer.endIntegral(literal);
    if (at(pos, decimal)) {
        pos += decimal.size();
        writer.beginFraction();
        pos += writer.takeDigits(text, pos);
        writer.endFraction(literal);
    }
    if (!literal.hasDigits()) {
        return std::nullopt;
    }
    pos += writer.takeExponent(text, pos, /*allowD=*/false, literal);
    while (pos < text.size() && isBlank(text[pos])) {
        ++pos;
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    writer.finish(literal);
    return toDouble(literal);
}

}  // namespace

double lenientParse(std::string_view text) {
    // Most texts start with a plain literal: read it where it stands.
    Literal plain;
    if (const std::size_t end = plainLiteral(text, /*decimalPeriod=*/true, plain);
        end != 0 && (end == text.size() || !continuesLiteral(text[end]))) {
        return toDouble(plain);
    }

    Room literalRoom(text.size());
    if (std::ranges::none_of(text, isDropped)) {
        return lenientCompact(text, literalRoom.data());
    }
    Room compactRoom(text.size());
    char* const compact = compactRoom.data();
    const char* const end = std::ranges::remove_copy_if(text, compact, isDropped).out;
    return lenientCompact(std::string_view(compact, static_cast<std::size_t>(end - compact)),
                          literalRoom.data());
}

Readings readBoth(std::string_view text, const NumberFormat& format) {
    if (const auto plain = wholePlainNumber(text, format)) {
        return {*plain, plain};
    }
    return {lenientParse(text), strictReading(text, format)};
}

}  // namespace convert
