#include "calc/descent.h"

#include "convert/checked.h"
#include "convert/number_text.h"
#include "convert/parse.h"

namespace calc {

std::string descentDistance(std::string_view altitudeText, const convert::NumberFormat& format) {
    const double altitude = convert::lenientParse(altitudeText);
    const double km =
        convert::checkedFormula([&]<typename Number>() { return descentKm(Number(altitude)); });
    return convert::numberText(km, format);
}

}  // namespace calc
