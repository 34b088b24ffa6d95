#include "calc/consumption_tables.h"
#include "convert/checked.h"
#include "convert/number_text.h"
#include "formats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace {

// Figures as a field would show them, to 15 significant digits; "-" for no value.
std::string shown(std::optional<double> value) {
    return value ? convert::numberText(*value, kPeriod) : "-";
}

// The base consumption as the fuel estimate works it out: the band by S, its formula on V.
std::optional<double> baseConsumption(double s, double v) {
    const calc::BaseConsumptionBand* band = calc::baseConsumptionBand(s);
    if (band == nullptr) {
        return std::nullopt;
    }
    return calc::baseConsumptionOf(*band, convert::Checked(v)).value();
}

struct BandRow {
    double s;
    double v;
    const char* base;
    const char* coefficient;
};

class ConsumptionTables : public testing::TestWithParam<BandRow> {};

TEST_P(ConsumptionTables, TakeTheHalfOpenBandOfTheAltitude) {
    const BandRow& row = GetParam();
    EXPECT_EQ(shown(baseConsumption(row.s, row.v)), row.base) << row.s << " " << row.v;
    EXPECT_EQ(shown(calc::weightCoefficient(row.s)), row.coefficient) << row.s;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, ConsumptionTables, testing::Values(
    BandRow{4999, 4999, "-", "-"},
    BandRow{std::nextafter(5000.0, 0.0), 5000, "-", "-"},
    BandRow{5000, 5000, "1439", "0.0042"},
    BandRow{5999, 5999, "1368.071", "0.0042"},
    BandRow{std::nextafter(6000.0, 0.0), 6000, "1368", "0.0042"},  // no tolerance at an edge
    BandRow{6000, 6000, "1368", "0.0023"},
    BandRow{6500, 6500, "1272.5", "0.0023"},
    BandRow{7000, 7000, "1177", "0.0021"},
    BandRow{7500, 7500, "1066.5", "0.0021"},
    BandRow{8000, 8000, "956", "0.002"},
    BandRow{8999, 8999, "792.164", "0.002"},
    BandRow{9000, 9000, "792", "0.001"},
    BandRow{9100, 9100, "780.1", "0.001"},
    BandRow{9100.9, 9100, "780.1", "0.001"},  // the band by one reading, the formula by another
    BandRow{9100, 8000, "911", "0.001"},      // V below the knot is not clamped
    BandRow{10000, 10000, "673", "0.001"},
    BandRow{10500, 10500, "635", "0.001"},
    BandRow{11000, 11000, "597", "0.001"},
    BandRow{11999, 11999, "526.071", "0.001"},
    BandRow{12000, 12000, "-", "-"},
    BandRow{-9100, -9100, "-", "-"}));
// clang-format on

TEST(CargoRange, AcceptsBothEnds) {
    for (const double cargo : {0.0, -0.0, 1.0, 50000.0}) {
        EXPECT_TRUE(calc::cargoInRange(cargo)) << cargo;
    }
    for (const double cargo : {-1.0, -1e-300, 50000.5, std::nextafter(50000.0, 1e9)}) {
        EXPECT_FALSE(calc::cargoInRange(cargo)) << cargo;
    }
}

}  // namespace
