#pragma once

#include "convert/number_format.h"

class QLocale;

// The decimal and grouping separators of a locale, as the conversions take them.
[[nodiscard]] convert::NumberFormat numberFormatOf(const QLocale& locale);
