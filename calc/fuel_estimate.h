#pragma once

#include "calc/calculator.h"

#include <cstddef>

namespace calc {

// The fuel calculator's texts, in this order.
enum FuelInput : std::size_t { kAltitude, kRange, kCargo, kTaxiFuel, kReserve, kFuelInputs };

// Fuel to load for the flight, in kg, estimated twice: first with the cargo alone as the mass,
// then with the cargo plus the first estimate, so that the fuel's own weight raises the
// consumption. The altitude (m) selects the band by strict parse and enters the formulas by
// lenient parse; the cargo (kg) is read leniently in the first pass and strictly for the range
// test and the second-pass mass; range (km), taxi fuel and reserve (kg) are read leniently.
// Throws convert::Error: a type mismatch naming the altitude or the cargo, or an arithmetic fault.
[[nodiscard]] Outcome fuelEstimate(Texts texts, const convert::NumberFormat& format);
inline constexpr Calculator kFuel{kFuelInputs, &fuelEstimate};

}  // namespace calc
