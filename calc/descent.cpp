#include "calc/descent.h"

#include "convert/number_text.h"
#include "convert/parse.h"

namespace calc {

Outcome descentDistance(Texts texts, const convert::NumberFormat& format) {
    return convert::numberText(descentKm(convert::lenientParse(texts[0])).value(), format);
}

}  // namespace calc
