#include "calc/flight_profit.h"

#include "convert/checked.h"
#include "convert/number_text.h"
#include "convert/parse.h"

namespace calc {

double flightIncome(double fuelWeight, double fuelOnBoard, double fuelPrice, double cargoIncome) {
    using convert::Checked;
    return (Checked(cargoIncome) - (Checked(fuelWeight) - fuelOnBoard) * fuelPrice * 1.234).value();
}

Outcome flightProfit(Texts texts, const convert::NumberFormat& format) {
    using convert::lenientParse;
    return convert::numberText(flightIncome(lenientParse(texts[0]), lenientParse(texts[1]),
                                            lenientParse(texts[2]), lenientParse(texts[3])),
                               format);
}

}  // namespace calc
