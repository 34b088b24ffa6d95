#pragma once
// What both harnesses share, and the headers both use.
// Values are compared with ==: a zero of either sign equals the other, as both are written "0".

#include "convert/parse.h"
#include "tests/formats.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
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

// By to_chars and strtod (the C locale, which no harness leaves), independent of the project.
inline double roundedToFifteenDigits(double value) {
    std::array<char, 64> text{};  // the last zero ends the text for strtod
    std::to_chars(text.data(), &text.back(), value, std::chars_format::scientific, 14);
    return std::strtod(text.data(), nullptr);
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

// A minus, digits, the separator and digits, E+dd or E-dd (E+ddd where needed); no zero to spare.
inline bool isFigureText(std::string_view text, const convert::NumberFormat& format) {
    std::size_t pos = text.starts_with('-') ? 1 : 0;
    const std::string_view integral = digitsAt(text, pos);
    const bool separator = text.substr(pos).starts_with(format.decimalSeparator);
    const std::string_view fraction =
        separator ? digitsAt(text, pos += format.decimalSeparator.size()) : "1";
    const bool exponent = text.substr(pos, 2) == "E+" || text.substr(pos, 2) == "E-";
    const std::string_view power = exponent ? digitsAt(text, pos += 2) : "00";
    return pos == text.size() && (integral == "0" || integral.find_first_not_of('0') == 0) &&
           !fraction.empty() && !fraction.ends_with('0') &&
           (power.size() == 2 || (power.size() == 3 && power[0] != '0'));
}

}  // namespace fuzz
