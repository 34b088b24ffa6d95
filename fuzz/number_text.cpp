// Number text of every double the input's bytes make, under the period and the comma format:
// the figure has the documented shape, at most 15 significant digits, and strict parse under
// the same format reads back the value rounded to 15 digits (lenient parse too, under the
// period).

#include "fuzz_support.h"

#include "convert/number_text.h"
#include "convert/parse.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

struct Pieces {
    bool negative = false;
    std::string_view integral;
    std::string_view fraction;
    std::string_view exponent;  // with its sign; empty when written positionally
};

Pieces piecesOf(std::string_view text, const convert::NumberFormat& format) {
    Pieces pieces;
    if (!text.empty() && text.front() == '-') {
        pieces.negative = true;
        text.remove_prefix(1);
    }
    const auto e = text.find('E');
    if (e != std::string_view::npos) {
        pieces.exponent = text.substr(e + 1);
        text = text.substr(0, e);
    }
    const auto separator = text.find(format.decimalSeparator);
    pieces.integral = text.substr(0, separator);
    if (separator != std::string_view::npos) {
        pieces.fraction = text.substr(separator + format.decimalSeparator.size());
    }
    return pieces;
}

std::size_t significantDigits(const Pieces& pieces) {
    std::string digits(pieces.integral);
    digits += pieces.fraction;
    const auto first = digits.find_first_not_of('0');
    return first == std::string::npos ? 0 : digits.size() - first;
}

void checkText(double value, const convert::NumberFormat& format) {
    std::string text;
    try {
        text = convert::numberText(value, format);
    } catch (...) {
        fuzz::fail("number text never fails");
    }
    if (!std::isfinite(value)) {
        return;
    }
    fuzz::require(fuzz::isFigureText(text, format), "number text writes a figure", text);

    const double rounded = fuzz::roundedToFifteenDigits(value);
    if (rounded == 0.0) {
        fuzz::require(text == "0", "zero of either sign is written 0", text);
        return;
    }
    const Pieces pieces = piecesOf(text, format);
    fuzz::require(pieces.negative == (value < 0), "a minus exactly for negative values", text);
    fuzz::require(significantDigits(pieces) <= 15, "at most 15 significant digits", text);
    fuzz::require(pieces.fraction.empty() || pieces.fraction.back() != '0',
                  "no trailing zeros after the separator", text);
    const double magnitude = std::fabs(rounded);
    const bool positional = magnitude >= 1e-4 && magnitude < 1e15;
    fuzz::require(pieces.exponent.empty() == positional,
                  "positional exactly from 1E-04 up to 1E+15", text);
    if (positional) {
        fuzz::require(pieces.integral == "0" ? magnitude < 1 && !pieces.fraction.empty()
                                             : pieces.integral.front() != '0',
                      "a single zero before the separator below 1, else no leading zero", text);
    } else {
        fuzz::require(pieces.integral.size() == 1 && pieces.integral.front() != '0',
                      "one non-zero digit before the separator in an exponent form", text);
        fuzz::require(pieces.exponent.size() >= 3 &&
                          (pieces.exponent.size() == 3 || pieces.exponent[1] != '0'),
                      "an exponent of two digits or more, no needless zero", text);
    }

    const std::optional<double> read = convert::readBoth(text, format).strict;
    fuzz::require(read.has_value(), "strict parse reads a number text of its own format", text);
    fuzz::require(fuzz::sameValue(*read, rounded),
                  "strict parse reads back the value rounded to 15 digits", text);
    if (format.decimalSeparator == ".") {
        fuzz::require(fuzz::sameValue(convert::lenientParse(text), rounded),
                      "lenient parse reads back a number text under the period", text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Eight bytes to a double, the last ones padded with zeros; an empty input is zero.
    std::size_t offset = 0;
    do {
        std::array<unsigned char, sizeof(double)> bytes{};
        const std::size_t count = std::min(bytes.size(), size - offset);
        if (count > 0) {
            std::memcpy(bytes.data(), data + offset, count);
        }
        double value = 0.0;
        std::memcpy(&value, bytes.data(), sizeof value);
        checkText(value, kPeriod);
        checkText(value, kComma);
        offset += bytes.size();
    } while (offset < size);
    return 0;
}
