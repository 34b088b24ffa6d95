// A megabyte of text in any input of any calculator: the outcome is the one of a short text
// that reads the same, and the time grows linearly with the length: ten times the text may
// take at most thirty times as much of the thread's CPU time (best runs compared), where a
// quadratic step takes a hundred. A text whose reading stops at its first letter costs the same
// at any length: only its outcome is checked.

#include "calc/descent.h"
#include "calc/flight_profit.h"
#include "calc/fuel_estimate.h"
#include "convert/error.h"
#include "formats.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <ctime>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace {

constexpr std::size_t kShort = 100'000;
constexpr std::size_t kLong = 1'000'000;
constexpr double kLargestRatio = 30;
// At least three runs each, more while they are quick, so a busy machine rarely spoils all.
constexpr int kFewestRuns = 3;
constexpr int kMostRuns = 15;
constexpr double kSamplingSeconds = 0.1;

// CPU time of this thread, in seconds: unlike the wall clock, other work on a busy machine does
// not stretch it, nor stretch a long run more than a short one.
double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The outcome as one comparable text: the figure, "out of range" or "error N".
template <typename Call>
std::string outcomeOf(Call&& call) {
    try {
        return std::forward<Call>(call)();
    } catch (const convert::Error& error) {
        return "error " + std::to_string(static_cast<int>(error.code()));
    }
}

struct Calculator {
    const char* name;
    std::vector<const char*> inputs;  // names, in the order of the texts at start
    std::vector<const char*> textsAtStart;
    std::function<std::string(const std::vector<std::string_view>&)> run;
};

const std::vector<Calculator>& calculators() {
    static const std::vector<Calculator> all{
        {"descent",
         {"altitude"},
         {"9100"},
         [](const std::vector<std::string_view>& t) {
             return outcomeOf([&] { return calc::descentDistance(t[0], kPeriod); });
         }},
        {"fuel",
         {"altitude", "range", "cargo", "taxiFuel", "reserve"},
         {"9100", "2000", "50000", "1000", "4500"},
         [](const std::vector<std::string_view>& t) {
             return outcomeOf([&]() -> std::string {
                 const auto estimate = calc::fuelEstimate({t[0], t[1], t[2], t[3], t[4]}, kPeriod);
                 const auto* fuel = std::get_if<std::string>(&estimate);
                 return fuel != nullptr ? *fuel : "out of range";
             });
         }},
        {"profit",
         {"fuelWeight", "fuelOnBoard", "fuelPrice", "cargoIncome"},
         {"26795.4987246009", "1000", "2", "100000"},
         [](const std::vector<std::string_view>& t) {
             const calc::ProfitInputs inputs{t[0], t[1], t[2], t[3]};
             return outcomeOf([&] { return calc::flightProfit(inputs, kPeriod); });
         }},
    };
    return all;
}

// A text of about the given length and a short one every input reads the same way.
struct Shape {
    const char* name;
    std::string (*make)(std::size_t length);
    const char* sameAs;
    bool timed;  // false where reading stops at the first letter, whatever follows
};

const Shape kShapes[] = {
    {"LeadingZeros", [](std::size_t n) { return std::string(n, '0') + "9100"; }, "9100", true},
    {"BlanksAround",
     [](std::size_t n) { return std::string(n / 2, ' ') + "9100" + std::string(n / 2, '\t'); },
     "9100", true},
    {"ExponentDigits", [](std::size_t n) { return "9.1e" + std::string(n, '0') + "3"; }, "9.1e3",
     true},
    {"TrailingJunk", [](std::size_t n) { return "9100" + std::string(n, 'x'); }, "9100x", false},
};

struct Row {
    std::size_t calculator;
    std::size_t input;
    const Shape* shape;
};

std::vector<Row> everyInputAndShape() {
    std::vector<Row> rows;
    for (std::size_t c = 0; c < calculators().size(); ++c) {
        for (std::size_t i = 0; i < calculators()[c].inputs.size(); ++i) {
            for (const Shape& shape : kShapes) {
                rows.push_back({c, i, &shape});
            }
        }
    }
    return rows;
}

class LongText : public testing::TestWithParam<Row> {
protected:
    // The calculator's outcome with the text in the row's input and the others at start.
    [[nodiscard]] static std::string run(std::string_view text) {
        const Calculator& calculator = calculators()[GetParam().calculator];
        std::vector<std::string_view> texts(calculator.textsAtStart.begin(),
                                            calculator.textsAtStart.end());
        texts[GetParam().input] = text;
        return calculator.run(texts);
    }

    // The best of several runs, in seconds, and the outcome they gave.
    [[nodiscard]] static std::pair<double, std::string> bestTime(const std::string& text) {
        double best = 0;
        double spent = 0;
        std::string outcome;
        for (int attempt = 0;
             attempt < kFewestRuns || (attempt < kMostRuns && spent < kSamplingSeconds);
             ++attempt) {
            const double start = threadSeconds();
            outcome = run(text);
            const double took = threadSeconds() - start;
            best = attempt == 0 ? took : std::min(best, took);
            spent += took;
        }
        return {best, outcome};
    }
};

TEST_P(LongText, ReadsAsItsShortFormInLinearTime) {
    const Shape& shape = *GetParam().shape;
    if (!shape.timed) {
        EXPECT_EQ(run(shape.make(kLong)), run(shape.sameAs));
        return;
    }
    const auto [shortTime, shortOutcome] = bestTime(shape.make(kShort));
    const auto [longTime, longOutcome] = bestTime(shape.make(kLong));
    EXPECT_EQ(longOutcome, run(shape.sameAs));
    EXPECT_EQ(shortOutcome, longOutcome);
    // A clock too coarse to see the short run cannot show a quadratic step either.
    const double ratio = longTime / std::max(shortTime, 1e-6);
    EXPECT_LT(ratio, kLargestRatio) << "100 kB: " << shortTime << " s, 1 MB: " << longTime << " s";
}

INSTANTIATE_TEST_SUITE_P(EveryInput, LongText, testing::ValuesIn(everyInputAndShape()),
                         [](const testing::TestParamInfo<Row>& row) {
                             const Calculator& c = calculators()[row.param.calculator];
                             return std::string(c.name) + "_" + c.inputs[row.param.input] + "_" +
                                    row.param.shape->name;
                         });

}  // namespace
