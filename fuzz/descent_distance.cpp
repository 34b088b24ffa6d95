// The descent calculator on any altitude text, under the format the first byte picks: a figure
// equal to altitude x 0.02 + 5 worked in plain doubles, or the overflow error where a step is
// not finite; the same for the text with its blanks taken out, and the same on a second call.

#include "fuzz_support.h"

#include "calc/descent.h"
#include "convert/error.h"
#include "convert/number_text.h"
#include "convert/parse.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

fuzz::Outcome descent(std::string_view altitude, const convert::NumberFormat& format) {
    try {
        return {fuzz::Outcome::Kind::Text, calc::descentDistance(altitude, format), 0, {}};
    } catch (const convert::Error& error) {
        return fuzz::errorOutcome(error);
    } catch (...) {
        fuzz::fail("the descent calculator throws only convert::Error", altitude);
    }
}

fuzz::Outcome expectedDescent(std::string_view altitude, const convert::NumberFormat& format) {
    const double metres = convert::lenientParse(altitude);
    const double scaled = metres * 0.02;
    const double km = scaled + 5.0;
    if (!std::isfinite(scaled) || !std::isfinite(km)) {
        return fuzz::kOverflow;
    }
    return {fuzz::Outcome::Kind::Text, convert::numberText(km, format), 0, {}};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const auto [format, altitude] = fuzz::windowInput(data, size);

    const fuzz::Outcome outcome = descent(altitude, format);
    fuzz::requireShowable(outcome, format, altitude);
    fuzz::require(outcome == expectedDescent(altitude, format),
                  "the distance is altitude x 0.02 + 5", altitude);
    fuzz::require(outcome == descent(altitude, format), "the same text gives the same distance",
                  altitude);
    fuzz::require(outcome == descent(fuzz::withoutBlanks(altitude), format),
                  "blanks in the altitude change nothing", altitude);
    return 0;
}
