#include "calc/fuel_estimate.h"
#include "convert/error.h"
#include "formats.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <variant>

namespace {

using calc::OutOfRange;
using convert::ErrorCode;
using convert::NumberFormat;

// A failure: its code and the input it names, if any.
struct Failure {
    ErrorCode code;
    std::optional<int> input;
    friend bool operator==(const Failure&, const Failure&) = default;
};

using Outcome = std::variant<std::string, OutOfRange, Failure>;

Outcome estimate(const calc::FuelInputs& inputs, const NumberFormat& format) {
    try {
        return std::visit([](auto result) -> Outcome { return result; },
                          calc::fuelEstimate(inputs, format));
    } catch (const convert::Error& error) {
        return Failure{error.code(), error.input()};
    }
}

std::ostream& operator<<(std::ostream& out, const Outcome& outcome) {
    if (const auto* text = std::get_if<std::string>(&outcome)) {
        return out << '"' << *text << '"';
    }
    if (const auto* failure = std::get_if<Failure>(&outcome)) {
        return out << "error " << static_cast<int>(failure->code) << " in input "
                   << failure->input.value_or(-1);
    }
    return out << "out of range";
}

struct Row {
    calc::FuelInputs inputs;  // altitude, range, cargo, taxi fuel, reserve
    const NumberFormat* format;
    Outcome expected;
};

class FuelEstimate : public testing::TestWithParam<Row> {};

TEST_P(FuelEstimate, GivesTheSecondPassTotalToTheLastDigit) {
    const Row& row = GetParam();
    EXPECT_EQ(estimate(row.inputs, *row.format), row.expected)
        << row.inputs.altitude << " | " << row.inputs.range << " | " << row.inputs.cargo << " | "
        << row.inputs.taxiFuel << " | " << row.inputs.reserve << " under '"
        << row.format->decimalSeparator << "'";
}

const Failure kAltitudeMismatch{ErrorCode::TypeMismatch, calc::kAltitudeInput};
const Failure kCargoMismatch{ErrorCode::TypeMismatch, calc::kCargoInput};
const Failure kOverflow{ErrorCode::Overflow, std::nullopt};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, FuelEstimate, testing::Values(
    // The texts at start: the comma loses the fraction of the second-pass mass.
    Row{{"9100", "2000", "50000", "1000", "4500"}, &kPeriod, "26795.4987246009"},
    Row{{"9100", "2000", "50000", "1000", "4500"}, &kComma, "26795,4910811456"},
    Row{{"5000", "1000", "0", "0", "0"}, &kPeriod, "16685.6187473132"},
    Row{{"5000", "1000", "0", "0", "0"}, &kComma, "16685,5995552793"},
    // A range shorter than two descents: negative cruise distance and cruise fuel.
    Row{{"9100", "0", "50000", "1000", "4500"}, &kPeriod, "9624.40387806771"},
    Row{{"9100", "км", "50000", "1000", "4500"}, &kPeriod, "9624.40387806771"},
    Row{{"9100", "0", "50000", "1000", "4500"}, &kComma, "9624,40296424296"},
    // Band and range edges.
    Row{{"11999", "2000", "50000", "1000", "4500"}, &kPeriod, "23451.3345999039"},
    Row{{"12000", "2000", "50000", "1000", "4500"}, &kPeriod, OutOfRange{}},
    Row{{"4999", "2000", "50000", "1000", "4500"}, &kPeriod, OutOfRange{}},
    Row{{"6000", "2000", "50000", "1000", "4500"}, &kPeriod, "38720.738605096"},
    Row{{"9100", "2000", "0", "1000", "4500"}, &kPeriod, "25633.9070700191"},
    Row{{"9100", "2000", "50001", "1000", "4500"}, &kPeriod, OutOfRange{}},
    Row{{"9100", "2000", "-1", "1000", "4500"}, &kPeriod, OutOfRange{}},
    // The altitude selects its band and descent by strict parse, the formulas take 9100.
    Row{{"9100,9", "2000", "50000", "1000", "4500"}, &kComma, "26795,1828131456"},
    Row{{" 9 100 ", "2000", "50 000", "1000", "4500"}, &kComma, "26795,4910811456"},
    // Type mismatches name their field; a bad cargo fails even where the altitude would warn.
    Row{{"", "2000", "50000", "1000", "4500"}, &kPeriod, kAltitudeMismatch},
    Row{{"9100 м", "2000", "50000", "1000", "4500"}, &kPeriod, kAltitudeMismatch},
    Row{{"9100,9", "2000", "50000", "1000", "4500"}, &kPeriod, OutOfRange{}},  // groups: 91009
    Row{{"9100", "2000", "груз", "1000", "4500"}, &kPeriod, kCargoMismatch},
    Row{{"4999", "2000", "груз", "1000", "4500"}, &kPeriod, kCargoMismatch},
    Row{{"9100", "2000", "", "1000", "4500"}, &kComma, kCargoMismatch},
    // Out of the altitude range the rate is 0: no cruise fuel, however long the range.
    Row{{"4999", "1e308", "50000", "1000", "4500"}, &kPeriod, OutOfRange{}},
    // Faults of the first pass are reported before the range test could warn.
    Row{{"1e999", "2000", "50000", "1000", "4500"}, &kPeriod, kOverflow},
    Row{{"9100", "2000", "1e999", "1000", "4500"}, &kPeriod, kOverflow},
    Row{{"4999", "1e308", "50000", "1e308", "1e308"}, &kPeriod, kOverflow}));
// clang-format on

// What the README tells a pilot under a German format: the band and the range test read
// "9.100" and "50.000" regionally, the formulas read them as 9.1 m and 50 kg; the range
// "2.000" is read leniently only, as 2 km.
// clang-format off
INSTANTIATE_TEST_SUITE_P(ReadmeExamples, FuelEstimate, testing::Values(
    Row{{"9100", "2000", "50000", "1000", "4500"}, &kGerman, "26795,4910811456"},
    Row{{"9.100", "2000", "50.000", "1000", "4500"}, &kGerman, "39773,6472322235"},
    Row{{"9100", "2.000", "50000", "1000", "4500"}, &kGerman, "9641,24069743357"}));
// clang-format on

}  // namespace
