#pragma once

#include "calc/calculator.h"

namespace calc {

// cargo income - (fuel weight - fuel on board) x price x 1.234, in that order, each step
// fault-checked. Nothing is clamped: fuel on board beyond the need is credited at the same rate.
[[nodiscard]] double flightIncome(double fuelWeight, double fuelOnBoard, double fuelPrice,
                                  double cargoIncome);

// The profit calculator: its texts, the fuel weight (kg needed), the fuel on board (kg), the fuel
// price (v$ per kg) and the cargo income (v$), each read leniently; the income as field text.
// Throws convert::Error on an arithmetic fault.
[[nodiscard]] Outcome flightProfit(Texts texts, const convert::NumberFormat& format);
inline constexpr Calculator kProfit{4, &flightProfit};

}  // namespace calc
