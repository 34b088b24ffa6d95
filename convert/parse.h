#pragma once

#include "convert/number_format.h"

#include <optional>
#include <string_view>

namespace convert {

// Reads a number from the front of the text and ignores the rest, the way the classic Basic
// Val does: blanks, tabs and line feeds are dropped wherever they stand, the period is the only
// decimal separator, E or D starts an exponent, &H and &O start a hexadecimal or octal integer.
// A text with no digits reads as 0; a number beyond the range of a double reads as an infinity.
// Never fails and does not depend on the regional settings.
[[nodiscard]] double lenientParse(std::string_view text);

// Converts the whole text by the regional settings: blanks and tabs around it, one leading
// sign, digits with the grouping separator between digits of the integral part, the decimal
// separator, an exponent. Anything else, an empty text included, is no number (the caller's
// type mismatch).
[[nodiscard]] std::optional<double> strictParse(std::string_view text, const NumberFormat& format);

}  // namespace convert
