#pragma once

#include "convert/number_format.h"

#include <string>
#include <string_view>
#include <variant>

namespace calc {

// The texts of the fuel calculator's fields, in the order convert::Error::input() counts them.
struct FuelInputs {
    std::string_view altitude;  // cruise altitude, m
    std::string_view range;     // km
    std::string_view cargo;     // kg
    std::string_view taxiFuel;  // kg
    std::string_view reserve;   // kg
};

enum FuelInput : int {
    kAltitudeInput = 0,
    kRangeInput,
    kCargoInput,
    kTaxiFuelInput,
    kReserveInput
};

// The altitude or the cargo is outside the ranges the aircraft's tables accept.
struct OutOfRange {
    friend bool operator==(OutOfRange, OutOfRange) = default;
};

// The fuel to load, as field text, or the out-of-range warning.
using FuelEstimate = std::variant<std::string, OutOfRange>;

// Fuel to load for the flight, in kg, estimated twice: first with the cargo alone as the mass,
// then with the cargo plus the first estimate, so that the fuel's own weight raises the
// consumption. The altitude selects the bands by strict parse and enters the formulas by lenient
// parse; the cargo is read leniently in the first pass and strictly for the range test and the
// second-pass mass; range, taxi fuel and reserve are read leniently. Throws convert::Error: a
// type mismatch naming the altitude or the cargo, or an arithmetic fault.
[[nodiscard]] FuelEstimate fuelEstimate(const FuelInputs& inputs,
                                        const convert::NumberFormat& format);

}  // namespace calc
