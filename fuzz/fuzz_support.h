#pragma once
// What both harnesses share: the failure report, the 15-digit rounding and a figure's shape.

#include "convert/number_format.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fuzz {

// Aborts, so that the fuzzer keeps the input and the replay test fails.
inline void require(bool holds, const char* invariant, std::string_view detail) {
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n  %.*s\n", invariant,
                     static_cast<int>(detail.size()), detail.data());
        std::abort();
    }
}

// Either zero counts as the other, as both are written "0".
inline bool sameValue(double a, double b) {
    return (a == 0.0 && b == 0.0) ||
           std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// By to_chars and from_chars alone; past the range of a double an infinity or a zero.
inline double roundedToFifteenDigits(double value) {
    char text[64]{};
    const char* end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 14).ptr;
    double read = 0.0;
    if (std::from_chars(text, end, read).ec == std::errc::result_out_of_range) {
        read = std::fabs(value) > 1 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return std::copysign(read, value);
}

// The first byte picks the format and the calculator; the rest is the text.
inline std::string_view textAfterFirst(const std::uint8_t* data, std::size_t size) {
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): char may alias any byte
    return {reinterpret_cast<const char*>(data) + 1, size - 1};
}

// Moves pos past the digits there, so each reader walks its text in one pass.
inline std::string_view digitsAt(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    pos = std::min(text.find_first_not_of("0123456789", pos), text.size());
    return text.substr(start, pos - start);
}

// A minus, digits, the separator and digits, E+dd or E-dd (E+ddd where needed); nothing else.
inline bool isFigureText(std::string_view text, const convert::NumberFormat& format) {
    std::size_t pos = text.starts_with('-') ? 1 : 0;
    bool digits = !digitsAt(text, pos).empty();
    if (text.substr(pos).starts_with(format.decimalSeparator)) {
        pos += format.decimalSeparator.size();
        digits = digits && !digitsAt(text, pos).empty();
    }
    const bool exponent = text.substr(pos, 2) == "E+" || text.substr(pos, 2) == "E-";
    const std::string_view power = exponent ? digitsAt(text, pos += 2) : "00";
    return digits && pos == text.size() &&
           (power.size() == 2 || (power.size() == 3 && power[0] != '0'));
}

}  // namespace fuzz
