// The profit calculator on any four texts (fuel weight|on board|price|cargo income), under the
// format the first byte picks: cargo income - (fuel weight - on board) x price x 1.234 worked
// in plain doubles in that order, or the overflow error where a step is not finite; blanks in
// any text change nothing, and a second call gives the same.

#include "fuzz_support.h"

#include "calc/flight_profit.h"
#include "convert/error.h"
#include "convert/number_text.h"
#include "convert/parse.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

fuzz::Outcome profit(const std::vector<std::string_view>& fields,
                     const convert::NumberFormat& format) {
    try {
        return {fuzz::Outcome::Kind::Text,
                calc::flightProfit({fields[0], fields[1], fields[2], fields[3]}, format),
                0,
                {}};
    } catch (const convert::Error& error) {
        return fuzz::errorOutcome(error);
    } catch (...) {
        fuzz::fail("the profit calculator throws only convert::Error", fields[0]);
    }
}

fuzz::Outcome expectedProfit(const std::vector<std::string_view>& fields,
                             const convert::NumberFormat& format) {
    using convert::lenientParse;
    const double fuelWeight = lenientParse(fields[0]);
    const double onBoard = lenientParse(fields[1]);
    const double price = lenientParse(fields[2]);
    const double income = lenientParse(fields[3]);
    const double toBuy = fuelWeight - onBoard;
    const double cost = toBuy * price;
    const double charged = cost * 1.234;
    const double result = income - charged;
    for (const double step : {toBuy, cost, charged, result}) {
        if (!std::isfinite(step)) {
            return fuzz::kOverflow;
        }
    }
    return {fuzz::Outcome::Kind::Text, convert::numberText(result, format), 0, {}};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const auto [format, input] = fuzz::windowInput(data, size);
    const std::vector<std::string_view> fields = fuzz::splitFields(input, fuzz::kFieldSeparator, 4);

    const fuzz::Outcome outcome = profit(fields, format);
    fuzz::requireShowable(outcome, format, input);
    fuzz::require(outcome == expectedProfit(fields, format),
                  "the income is cargo income - (fuel - on board) x price x 1.234", input);
    fuzz::require(outcome == profit(fields, format), "the same texts give the same income", input);

    std::array<std::string, 4> compact;
    std::vector<std::string_view> compactFields;
    for (std::size_t i = 0; i < compact.size(); ++i) {
        compact[i] = fuzz::withoutBlanks(fields[i]);
        compactFields.push_back(compact[i]);
    }
    fuzz::require(outcome == profit(compactFields, format), "blanks in the texts change nothing",
                  input);
    return 0;
}
