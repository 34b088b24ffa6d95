#pragma once

#include "convert/number_format.h"

#include <string>
#include <string_view>

namespace calc {

// The texts of the profit calculator's fields.
struct ProfitInputs {
    std::string_view fuelWeight;   // kg needed for the flight
    std::string_view fuelOnBoard;  // kg already on board
    std::string_view fuelPrice;    // v$ per kg
    std::string_view cargoIncome;  // v$
};

// cargo income - (fuel weight - fuel on board) x price x 1.234, in that order, each step
// fault-checked. Nothing is clamped: fuel on board beyond the need is credited at the same rate.
[[nodiscard]] double flightIncome(double fuelWeight, double fuelOnBoard, double fuelPrice,
                                  double cargoIncome);

// The profit calculator: every input read leniently, the income as field text. Throws
// convert::Error on an arithmetic fault.
[[nodiscard]] std::string flightProfit(const ProfitInputs& inputs,
                                       const convert::NumberFormat& format);

}  // namespace calc
