#pragma once

#include "convert/number_format.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace calc {

// A calculator's field texts, in the order its header gives.
using Texts = std::span<const std::string_view>;

// The altitude or the cargo is outside the ranges the aircraft's tables accept.
struct OutOfRange {
    friend bool operator==(OutOfRange, OutOfRange) = default;
};

// The text for the output field, or the fuel estimate's out-of-range warning.
using Outcome = std::variant<std::string, OutOfRange>;

// What every calculator is: how many texts it reads and what it makes of them. It throws
// convert::Error, whose input() counts in those texts.
struct Calculator {
    std::size_t inputs;
    Outcome (*run)(Texts texts, const convert::NumberFormat& format);
};

}  // namespace calc
