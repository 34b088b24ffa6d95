#pragma once

#include "convert/number_format.h"

#include <array>
#include <string>
#include <string_view>

namespace convert {

// Writes a double as a field shows it: at most 15 significant digits, rounded; the regional
// decimal separator, left out for integral values; no trailing zeros and no digit grouping;
// a zero before the separator below 1. Magnitudes from 1E-04 up to but excluding 1E+15 (after
// rounding) are written positionally, others like 1E+16 or 1,5E-05. Negative zero is "0".
// Never fails.
[[nodiscard]] std::string numberText(double value, const NumberFormat& format);

// The same text in storage of the caller's, for a caller that only reads it: no heap
// allocation unless the decimal separator is longer than a few dozen bytes.
class NumberTextBuffer {
public:
    NumberTextBuffer() = default;
    NumberTextBuffer(const NumberTextBuffer&) = delete;
    NumberTextBuffer& operator=(const NumberTextBuffer&) = delete;
    ~NumberTextBuffer() = default;

    // numberText(value, format), valid until the next write or the buffer's end.
    [[nodiscard]] std::string_view write(double value, const NumberFormat& format);

private:
    std::array<char, 64> stack_{};
    std::string heap_;
};

}  // namespace convert
