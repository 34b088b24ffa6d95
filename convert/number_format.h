#pragma once

#include <string>

namespace convert {

// The user's regional number settings, as UTF-8 strings (a separator may be more than one byte,
// such as the no-break space that groups digits in Russian).
struct NumberFormat {
    std::string decimalSeparator;
    std::string groupSeparator;
};

}  // namespace convert
