#pragma once
// What every harness shares: the failure report, the window's formats, the reference rounding
// and the shape of a figure as the fields show it. Plain C++; compiles with g++ and clang.

#include "convert/error.h"
#include "convert/number_format.h"
#include "convert/parse.h"
#include "tests/formats.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fuzz {

// The two formats the window is used with, picked by the low bit of a byte.
inline const convert::NumberFormat& windowFormat(std::uint8_t selector) {
    return (selector & 1U) == 0 ? kPeriod : kComma;
}

// The fuzzer's bytes read as the characters of a text.
inline std::string_view bytesAsText(const std::uint8_t* data, std::size_t size) {
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): char may alias any byte
    return {reinterpret_cast<const char*>(data), size};
}

// A harness's bytes as the window's texts: the first byte picks the number format, the rest is
// the text. There must be a first byte.
struct WindowInput {
    const convert::NumberFormat& format;
    std::string_view text;
};
inline WindowInput windowInput(const std::uint8_t* data, std::size_t size) {
    return {windowFormat(data[0]), bytesAsText(data + 1, size - 1)};
}

// A byte's worth of text, with the unprintable bytes escaped, for failure reports.
inline std::string printable(std::string_view text, std::size_t limit = 200) {
    std::string out;
    for (std::size_t i = 0; i < text.size() && i < limit; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
        } else {
            std::array<char, 8> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "\\x%02X", static_cast<unsigned>(c));
            out += escaped.data();
        }
    }
    if (text.size() > limit) {
        out += "...";
    }
    return out;
}

// An invariant broke: say which and on what, then abort so the fuzzer keeps the input.
[[noreturn]] inline void fail(const char* invariant, std::string_view detail = {}) {
    std::fprintf(stderr, "invariant broken: %s\n  %s\n", invariant, printable(detail).c_str());
    std::abort();
}

inline void require(bool holds, const char* invariant, std::string_view detail = {}) {
    if (!holds) {
        fail(invariant, detail);
    }
}

// The same number: bit-identical, or both zero whatever their signs.
inline bool sameValue(double a, double b) {
    if (a == 0.0 && b == 0.0) {
        return true;
    }
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// The value rounded to 15 significant digits, the figure a field can show: written in
// scientific notation with 14 digits after the point and read back. Past the largest double
// the rounded figure reads as an infinity.
inline double roundedToFifteenDigits(double value) {
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::scientific, 14);
    double read = 0.0;
    const auto [end, ec] = std::from_chars(buffer.data(), written.ptr, read);
    if (ec == std::errc::result_out_of_range) {
        const std::string_view text(buffer.data(),
                                    static_cast<std::size_t>(written.ptr - buffer.data()));
        const bool tiny = text.find("e-") != std::string_view::npos;
        const double magnitude = tiny ? 0.0 : std::numeric_limits<double>::infinity();
        read = std::signbit(value) ? -magnitude : magnitude;
    }
    return read;
}

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A figure as a calculator writes it: an optional minus, digits, the decimal separator and
// digits, an exponent E+dd or E-dd; no grouping, never a word such as NaN or Infinity; and
// strict parse under the same format reads it. (Rounded to 15 digits, the largest doubles read
// back as an infinity, so the value read is not required to be finite.)
inline bool isFigureText(std::string_view text, const convert::NumberFormat& format) {
    std::size_t pos = 0;
    if (pos < text.size() && text[pos] == '-') {
        ++pos;
    }
    const std::size_t integralStart = pos;
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
    }
    if (pos == integralStart) {
        return false;
    }
    const std::string_view separator = format.decimalSeparator;
    if (text.substr(pos, separator.size()) == separator) {
        pos += separator.size();
        const std::size_t fractionStart = pos;
        while (pos < text.size() && isDigit(text[pos])) {
            ++pos;
        }
        if (pos == fractionStart) {
            return false;
        }
    }
    if (pos < text.size() && text[pos] == 'E') {
        ++pos;
        if (pos >= text.size() || (text[pos] != '+' && text[pos] != '-')) {
            return false;
        }
        ++pos;
        const std::size_t exponentStart = pos;
        while (pos < text.size() && isDigit(text[pos])) {
            ++pos;
        }
        if (pos - exponentStart < 2) {
            return false;
        }
    }
    if (pos != text.size()) {
        return false;
    }
    const std::optional<double> read = convert::readBoth(text, format).strict;
    return read && !std::isnan(*read);
}

// A calculator's outcome, comparable between two calls.
struct Outcome {
    enum class Kind { Text, OutOfRange, Error } kind = Kind::Text;
    std::string text;
    int code = 0;
    std::optional<int> input;

    friend bool operator==(const Outcome&, const Outcome&) = default;
};

inline const Outcome kOverflow{
    Outcome::Kind::Error, {}, static_cast<int>(convert::ErrorCode::Overflow), {}};

inline Outcome errorOutcome(const convert::Error& error) {
    return {Outcome::Kind::Error, {}, static_cast<int>(error.code()), error.input()};
}

inline bool isKnownErrorCode(int code) { return code == 13 || code == 6 || code == 11; }

// An outcome the window can show: a figure under the format, the warning, or a known error.
inline void requireShowable(const Outcome& outcome, const convert::NumberFormat& format,
                            std::string_view input) {
    switch (outcome.kind) {
    case Outcome::Kind::Text:
        require(isFigureText(outcome.text, format), "the result is a figure", outcome.text);
        break;
    case Outcome::Kind::OutOfRange: break;
    case Outcome::Kind::Error:
        require(isKnownErrorCode(outcome.code), "only errors 13, 6 and 11", input);
        break;
    }
}

// The input cut into fields on a separator byte; missing fields are empty.
inline std::vector<std::string_view> splitFields(std::string_view text, char separator,
                                                 std::size_t count) {
    std::vector<std::string_view> fields;
    while (fields.size() + 1 < count) {
        const auto cut = text.find(separator);
        if (cut == std::string_view::npos) {
            break;
        }
        fields.push_back(text.substr(0, cut));
        text.remove_prefix(cut + 1);
    }
    fields.push_back(text);
    fields.resize(count);
    return fields;
}

// The text with the blanks lenient parse drops (blank, tab, line feed) taken out.
inline std::string withoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            out += c;
        }
    }
    return out;
}

constexpr char kFieldSeparator = '|';

}  // namespace fuzz
