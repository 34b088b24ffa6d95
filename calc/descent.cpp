#include "calc/descent.h"

#include "convert/checked.h"
#include "convert/number_text.h"
#include "convert/parse.h"

namespace calc {

double descentKm(double altitudeM) {
    return convert::checkedFormula(
        [&]<typename Number>() { return Number(altitudeM) * 0.02 + 5.0; });
}

std::string descentDistance(std::string_view altitudeText, const convert::NumberFormat& format) {
    return convert::numberText(descentKm(convert::lenientParse(altitudeText)), format);
}

}  // namespace calc
