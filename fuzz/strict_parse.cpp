// Strict parse under four regional formats, picked by the first byte: it accepts exactly the
// texts of a small grammar written here from its description, gives no number for the others
// and throws for none, and gives the number lenient parse reads from the same text once
// the grouping is taken out and the decimal separator is a period. The lenient reading taken
// with it is lenient parse's.

#include "fuzz_support.h"

#include "convert/parse.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

const std::array<const convert::NumberFormat*, 4> kFormats{&kPeriod, &kComma, &kGerman,
                                                           &kPeriodNoGroups};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isSpaceLikeGroup(const convert::NumberFormat& format) {
    return format.groupSeparator == " " || format.groupSeparator == "\u00A0";
}

// Blanks and tabs around; one sign; digits, with a grouping separator (or a plain blank where
// the grouping is a kind of space) only between two digits before the decimal separator; the
// separator and more digits; at least one digit; an exponent E or e with an optional sign and
// at least one digit.
bool isRegionalNumber(std::string_view text, const convert::NumberFormat& format) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    const std::string_view group = format.groupSeparator;
    const std::string_view decimal = format.decimalSeparator;
    auto digitAt = [&](std::size_t at) { return at < text.size() && fuzz::isDigit(text[at]); };
    std::size_t digits = 0;
    while (digitAt(pos)) {
        while (digitAt(pos)) {
            ++pos;
            ++digits;
        }
        if (!group.empty() && text.substr(pos, group.size()) == group &&
            digitAt(pos + group.size())) {
            pos += group.size();
        } else if (isSpaceLikeGroup(format) && text.substr(pos, 1) == " " && digitAt(pos + 1)) {
            pos += 1;
        }
    }
    if (text.substr(pos, decimal.size()) == decimal) {
        pos += decimal.size();
        while (digitAt(pos)) {
            ++pos;
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            ++pos;
        }
        if (!digitAt(pos)) {
            return false;
        }
        while (digitAt(pos)) {
            ++pos;
        }
    }
    return pos == text.size();
}

// The accepted text with the grouping taken out and a period for the decimal separator.
std::string periodDecimal(std::string_view text, const convert::NumberFormat& format) {
    const std::string_view group = format.groupSeparator;
    const std::string_view decimal = format.decimalSeparator;
    std::string out;
    bool inFraction = false;
    for (std::size_t pos = 0; pos < text.size();) {
        if (!inFraction && text.substr(pos, decimal.size()) == decimal) {
            out += '.';
            pos += decimal.size();
            inFraction = true;
        } else if (!inFraction && !group.empty() && text.substr(pos, group.size()) == group) {
            pos += group.size();
        } else {
            out += text[pos++];
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const convert::NumberFormat& format = *kFormats[data[0] % kFormats.size()];
    const std::string_view text = fuzz::bytesAsText(data + 1, size - 1);

    convert::Readings both;
    try {
        both = convert::readBoth(text, format);
    } catch (...) {
        fuzz::fail("reading a text never throws", text);
    }
    fuzz::require(fuzz::sameValue(both.lenient, convert::lenientParse(text)),
                  "the lenient reading taken with the strict one is lenient parse's", text);
    const std::optional<double> value = both.strict;

    const bool accepted = isRegionalNumber(text, format);
    fuzz::require(value.has_value() == accepted,
                  accepted ? "strict parse accepts a regional number"
                           : "strict parse rejects what is not a regional number",
                  text);
    if (!value) {
        return 0;
    }
    fuzz::require(!std::isnan(*value), "strict parse never gives NaN", text);
    const std::string normalised = periodDecimal(text, format);
    fuzz::require(fuzz::sameValue(*value, convert::lenientParse(normalised)),
                  "strict parse reads what lenient parse reads with a period and no grouping",
                  text);
    return 0;
}
