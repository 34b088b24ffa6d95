#include "calc/flight_profit.h"

#include "convert/checked.h"
#include "convert/number_text.h"
#include "convert/parse.h"

namespace calc {

double flightIncome(double fuelWeight, double fuelOnBoard, double fuelPrice, double cargoIncome) {
    using convert::Checked;
    return (Checked(cargoIncome) - (Checked(fuelWeight) - fuelOnBoard) * fuelPrice * 1.234).value();
}

std::string flightProfit(const ProfitInputs& inputs, const convert::NumberFormat& format) {
    using convert::lenientParse;
    return convert::numberText(
        flightIncome(lenientParse(inputs.fuelWeight), lenientParse(inputs.fuelOnBoard),
                     lenientParse(inputs.fuelPrice), lenientParse(inputs.cargoIncome)),
        format);
}

}  // namespace calc
