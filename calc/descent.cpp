#include "calc/descent.h"

#include "convert/number_text.h"
#include "convert/parse.h"

namespace calc {

std::string descentDistance(std::string_view altitudeText, const convert::NumberFormat& format) {
    return convert::numberText(descentKm(convert::lenientParse(altitudeText)).value(), format);
}

}  // namespace calc
