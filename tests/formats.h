#pragma once

#include "convert/number_format.h"

// The two regional formats the calculators are checked under.
inline const convert::NumberFormat kPeriod{".", ","};
inline const convert::NumberFormat kComma{",", "\u00A0"};  // as Qt gives Russian
// German: decimal comma, period grouping, where "2.000" looks like two thousand.
inline const convert::NumberFormat kGerman{",", "."};
