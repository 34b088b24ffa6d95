#pragma once

#include "convert/number_format.h"

// The regional formats the conversions and calculators are checked under, here and in the fuzz
// harnesses and benchmarks.
inline const convert::NumberFormat kPeriod{".", ","};
inline const convert::NumberFormat kComma{",", "\u00A0"};  // as Qt gives Russian
// German: decimal comma, period grouping, where "2.000" looks like two thousand.
inline const convert::NumberFormat kGerman{",", "."};
// A period and no grouping, so that a comma is no part of any number.
inline const convert::NumberFormat kPeriodNoGroups{".", ""};
