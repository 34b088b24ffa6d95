// The conversions on one input: the first byte picks one of four formats, the rest is a text
// for both parses and, eight bytes at a time, the doubles for number text.

#include "fuzz_support.h"

#include "convert/number_text.h"

#include <optional>
#include <string>

namespace {

using convert::NumberFormat;
using fuzz::digitsAt;
using fuzz::require;

bool signAt(std::string_view text, std::size_t pos) {
    return pos < text.size() && (text[pos] == '+' || text[pos] == '-');
}

// &H or &O digits: 16 bits where the value fits in them, else the low 32, two's complement.
double radixReference(std::string_view s, int radix) {
    s = s.substr(0, s.find_first_not_of(radix == 16 ? "0123456789abcdefABCDEF" : "01234567"));
    s.remove_prefix(std::min(s.size(), s.find_first_not_of('0')));
    const std::size_t lowDigits = radix == 16 ? 8 : 11;  // enough for the low 32 bits
    std::uint64_t value = 0;
    std::from_chars(s.data() + s.size() - std::min(s.size(), lowDigits), s.data() + s.size(), value,
                    radix);
    const bool narrow = s.size() <= lowDigits && value <= 0xFFFFU;
    return narrow ? static_cast<std::int16_t>(value)
                  : static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// Lenient parse from its description in convert/parse.h; strtod in the C locale, which no
// harness leaves, rounds the literal and gives an infinity or a zero past the range.
double lenientReference(std::string_view text) {
    std::string s(text);
    std::erase_if(s, [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
    const char prefix = s.size() >= 2 && s[0] == '&' ? static_cast<char>(s[1] | 0x20) : '\0';
    if (prefix == 'h' || prefix == 'o') {
        return radixReference(std::string_view(s).substr(2), prefix == 'h' ? 16 : 8);
    }
    std::size_t pos = signAt(s, 0) ? 1 : 0;
    std::string literal = s.substr(0, pos) + "0";  // a zero that stands for no digits at all
    literal += digitsAt(s, pos);
    if (pos < s.size() && s[pos] == '.') {
        literal += "." + std::string(digitsAt(s, ++pos));
    }
    if (pos < s.size() && ((s[pos] | 0x20) == 'e' || (s[pos] | 0x20) == 'd')) {
        literal += "e" + s.substr(pos + 1);  // strtod takes a sign and digits, else no exponent
    }
    return std::strtod(literal.c_str(), nullptr);
}

// Strict parse from its description in convert/parse.h: the number as a literal with a period
// and no grouping, or nothing.
std::optional<std::string> regionalNumber(std::string_view t, const NumberFormat& format) {
    t.remove_prefix(std::min(t.size(), t.find_first_not_of(" \t")));
    t = t.substr(0, t.find_last_not_of(" \t") + 1);
    std::size_t pos = signAt(t, 0) ? 1 : 0;
    std::string literal(t.substr(0, pos));
    literal += digitsAt(t, pos);
    auto digitAt = [&t](std::size_t at) { return at < t.size() && t[at] >= '0' && t[at] <= '9'; };
    // A separator counts only between digits; under a no-break space a blank counts too.
    const std::string_view group = format.groupSeparator;
    const std::string_view blank = group == "\u00A0" ? " " : "";
    auto groupAt = [&](std::string_view g) {
        const bool between = !g.empty() && digitAt(pos - 1) && digitAt(pos + g.size());
        return between && t.substr(pos).starts_with(g) ? g.size() : 0;
    };
    for (auto g = groupAt(group) + groupAt(blank); g > 0; g = groupAt(group) + groupAt(blank)) {
        pos += g;
        literal += digitsAt(t, pos);
    }
    if (t.substr(pos).starts_with(format.decimalSeparator)) {
        pos += format.decimalSeparator.size();
        literal += "." + std::string(digitsAt(t, pos));
    }
    const bool digits = literal.find_first_of("0123456789") != std::string::npos;
    std::size_t e = 0;
    if (pos < t.size() && (t[pos] | 0x20) == 'e') {
        e = signAt(t, pos + 1) ? 2 : 1;
    }
    literal += t.substr(pos, e);
    pos += e;
    literal += e > 0 ? digitsAt(t, pos) : "";
    const bool whole = pos == t.size() && (e == 0 || digitAt(pos - 1));  // exponents need digits
    return digits && whole ? std::optional(literal) : std::nullopt;
}

// Only finite values reach it: the checked steps throw on any other.
void checkNumberText(double value, const NumberFormat& format) {
    if (!std::isfinite(value)) {
        return;
    }
    const std::string text = convert::numberText(value, format);
    require(text == convert::numberText(value, format), "the same value gives the same text", text);
    const double rounded = fuzz::roundedToFifteenDigits(value);
    const bool positional = std::fabs(rounded) >= 1e-4 && std::fabs(rounded) < 1e15;
    require(fuzz::isFigureText(text, format), "number text writes a figure", text);
    require(rounded != 0.0 || text == "0", "zero of either sign is written 0", text);
    std::string digits(text.substr(0, text.find('E')));  // the mantissa's digits
    std::erase_if(digits, [](char c) { return c < '0' || c > '9'; });
    require(digits.size() - std::min(digits.find_first_not_of('0'), digits.size()) <= 15,
            "at most 15 significant digits", text);
    require(rounded == 0.0 || positional == (text.find('E') == std::string::npos),
            "positional exactly from 1E-04 up to 1E+15", text);
    require(convert::strictParse(text, format) == rounded, "strict parse reads it back", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    static const std::array kFormats{&kPeriod, &kComma, &kGerman, &kPeriodNoGroups};
    const NumberFormat& format = *kFormats[data[0] % kFormats.size()];
    const std::string_view text = fuzz::textAfterFirst(data, size);
    const double lenient = convert::lenientParse(text);
    require(lenient == lenientReference(text), "lenient parse", text);
    const std::optional<double> strict = convert::strictParse(text, format);
    const std::optional<std::string> literal = regionalNumber(text, format);
    require(strict == (literal ? std::optional(lenientReference(*literal)) : std::nullopt),
            "strict parse reads exactly the regional numbers", text);
    require(convert::strictParse(text, format) == strict, "the same reading twice", text);
    // Eight bytes to a double, the last ones padded with zeros; no bytes make a zero.
    for (std::size_t at = 1; at == 1 || at < size; at += sizeof(double)) {
        std::array<std::uint8_t, sizeof(double)> bytes{};
        std::copy_n(data + at, std::min(bytes.size(), size - at), bytes.begin());
        checkNumberText(std::bit_cast<double>(bytes), kPeriod);
        checkNumberText(std::bit_cast<double>(bytes), kComma);
    }
    return 0;
}
