// The conversions on one input: the first byte picks one of four formats, the rest is a text
// for both parses and, eight bytes at a time, the doubles for number text.

#include "fuzz_support.h"

#include "convert/number_text.h"
#include "convert/parse.h"
#include "tests/formats.h"

#include <array>
#include <optional>
#include <string>

namespace {

using convert::NumberFormat;
using fuzz::digitsAt;
using fuzz::require;
using fuzz::sameValue;

bool signAt(std::string_view text, std::size_t pos) {
    return pos < text.size() && (text[pos] == '+' || text[pos] == '-');
}

// &H or &O digits: 16 bits where the value fits in them, else the low 32, two's complement.
double radixReference(std::string_view s, int radix) {
    s = s.substr(0, s.find_first_not_of(radix == 16 ? "0123456789abcdefABCDEF" : "01234567"));
    s.remove_prefix(std::min(s.size(), s.find_first_not_of('0')));
    const std::size_t lowDigits = radix == 16 ? 8 : 11;  // enough for the low 32 bits
    const std::string_view low = s.substr(s.size() - std::min(s.size(), lowDigits));
    std::uint64_t value = 0;
    std::from_chars(low.data(), low.data() + low.size(), value, radix);
    if (s.size() <= lowDigits && value <= 0xFFFFU) {
        return static_cast<std::int16_t>(value);
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// Lenient parse from its description in convert/parse.h, on from_chars.
double lenientReference(std::string_view text) {
    std::string s(text);
    std::erase_if(s, [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
    const char prefix = s.size() >= 2 && s[0] == '&' ? static_cast<char>(s[1] | 0x20) : '\0';
    if (prefix == 'h' || prefix == 'o') {
        return radixReference(std::string_view(s).substr(2), prefix == 'h' ? 16 : 8);
    }
    std::size_t pos = signAt(s, 0) ? 1 : 0;
    const std::string_view integral = digitsAt(s, pos);
    const std::string_view fraction = pos < s.size() && s[pos] == '.' ? digitsAt(s, ++pos) : "";
    const bool exponent = pos < s.size() && ((s[pos] | 0x20) == 'e' || (s[pos] | 0x20) == 'd');
    const bool negativeExponent = exponent && pos + 1 < s.size() && s[pos + 1] == '-';
    pos += !exponent ? 0U : signAt(s, pos + 1) ? 2U : 1U;
    const std::string_view power = digitsAt(s, pos);  // empty where there is no exponent
    // Zeros that change nothing stand in for missing pieces, so from_chars reads them all.
    const std::string literal = "0" + std::string(integral) + "." + std::string(fraction) + "0e" +
                                (negativeExponent ? "-0" : "0") + std::string(power);
    double value = 0.0;
    if (std::from_chars(literal.data(), literal.data() + literal.size(), value).ec ==
        std::errc::result_out_of_range) {
        // An overflow where the first significant digit stands above the units.
        constexpr long long kFar = 1'000'000'000'000;
        long long shift = power.empty() ? 0 : kFar;  // stays where too long to read
        std::from_chars(power.data(), power.data() + power.size(), shift);
        const std::string digits = std::string(integral) + std::string(fraction);
        const auto zeros = std::ssize(digits.substr(0, digits.find_first_not_of('0')));
        const bool over =
            std::ssize(integral) - zeros + (negativeExponent ? -1 : 1) * std::min(shift, kFar) > 0;
        value = over ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return s.starts_with('-') ? -value : value;
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
        return !g.empty() && digitAt(pos - 1) && t.substr(pos).starts_with(g) &&
                       digitAt(pos + g.size())
                   ? g.size()
                   : 0;
    };
    for (std::size_t g = groupAt(group) + groupAt(blank); g > 0;
         g = groupAt(group) + groupAt(blank)) {
        pos += g;
        literal += digitsAt(t, pos);
    }
    if (t.substr(pos).starts_with(format.decimalSeparator)) {
        pos += format.decimalSeparator.size();
        literal += "." + std::string(digitsAt(t, pos));
    }
    const bool digits = literal.find_first_of("0123456789") != std::string::npos;
    std::string_view power = "0";  // an exponent needs digits
    if (pos < t.size() && (t[pos] | 0x20) == 'e') {
        literal += t.substr(pos, signAt(t, pos + 1) ? 2 : 1);
        pos += signAt(t, pos + 1) ? 2U : 1U;
        power = digitsAt(t, pos);
        literal += power;
    }
    return digits && !power.empty() && pos == t.size() ? std::optional(literal) : std::nullopt;
}

void checkNumberText(double value, const NumberFormat& format) {
    const std::string text = convert::numberText(value, format);
    require(text == convert::numberText(value, format), "the same value gives the same text", text);
    const double rounded = fuzz::roundedToFifteenDigits(value);
    const double magnitude = std::fabs(rounded);
    if (std::isfinite(value)) {
        require(fuzz::isFigureText(text, format), "number text writes a figure", text);
        require(rounded != 0.0 || text == "0", "zero of either sign is written 0", text);
        require(rounded == 0.0 || (text.find('E') == std::string::npos) ==
                                      (magnitude >= 1e-4 && magnitude < 1e15),
                "positional exactly from 1E-04 up to 1E+15", text);
        const std::optional<double> read = convert::readBoth(text, format).strict;
        require(read && sameValue(*read, rounded), "strict parse reads back 15 digits", text);
    }
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
    require(sameValue(lenient, lenientReference(text)), "lenient parse", text);
    const convert::Readings both = convert::readBoth(text, format);
    require(sameValue(both.lenient, lenient), "the lenient reading beside the strict one", text);
    const std::optional<std::string> literal = regionalNumber(text, format);
    require(both.strict.has_value() == literal.has_value(), "strict parse accepts", text);
    require(!literal || sameValue(*both.strict, lenientReference(*literal)), "strict parse", text);
    // Eight bytes to a double, the last ones padded with zeros; no bytes make a zero.
    for (std::size_t at = 1; at == 1 || at < size; at += sizeof(double)) {
        std::array<std::uint8_t, sizeof(double)> bytes{};
        std::copy_n(data + at, std::min(bytes.size(), size - at), bytes.begin());
        checkNumberText(std::bit_cast<double>(bytes), kPeriod);
        checkNumberText(std::bit_cast<double>(bytes), kComma);
    }
    return 0;
}
