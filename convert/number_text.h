#pragma once

#include "convert/number_format.h"

#include <string>

namespace convert {

// Writes a double as a field shows it: at most 15 significant digits, rounded; the regional
// decimal separator, left out for integral values; no trailing zeros and no digit grouping;
// a zero before the separator below 1. Magnitudes from 1E-04 up to but excluding 1E+15 (after
// rounding) are written positionally, others like 1E+16 or 1,5E-05. Negative zero is "0".
// The value is finite: every figure comes out of a checked step, which throws on any other.
[[nodiscard]] std::string numberText(double value, const NumberFormat& format);

}  // namespace convert
