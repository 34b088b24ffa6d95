// What each button's click shows for the texts a user types over the window's texts at start: the
// output field and its figure, the fuel estimate's warning, or the error box with its exact text.
// Figures are worked out independently of this code (by hand or by a model of the rules).

#include "window/click.h"

#include "formats.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

struct Row {
    const char* button;
    std::vector<std::pair<std::string, std::string>> typed;  // box, text
    const convert::NumberFormat* format;
    std::string shown;  // "Text8 <figure>", the warning or the error box, as below
};

std::string shown(const window::Answer& answer) {
    switch (answer.box) {
    case window::Box::None: return std::string(answer.output) + " " + answer.text;
    case window::Box::Warning: return "warning: " + answer.text;
    case window::Box::Error: break;
    }
    return "error: " + answer.text;
}

const std::string kWarning = "warning: Неправильно введен эшелон и/или вес груза";
const std::string kKept = "\n\nРасчет не выполнен; введенные данные сохранены.";
const std::string kOverflow = "error: Ошибка 6: переполнение" + kKept;
std::string noNumber(const std::string& caption) {
    return "error: Ошибка 13: несоответствие типов\nПоле «" + caption + "» не содержит числа." +
           kKept;
}

class Clicks : public testing::TestWithParam<Row> {};

TEST_P(Clicks, ShowTheFigureOrTheBoxTheTextsCallFor) {
    const Row& row = GetParam();
    window::Texts texts{{"Text1", "9100"},  {"Text2", ""},     {"Text3", "9100"}, {"Text4", "2000"},
                        {"Text5", "50000"}, {"Text6", "1000"}, {"Text7", "4500"}, {"Text8", ""},
                        {"Text9", ""},      {"Text10", ""},    {"Text11", ""},    {"Text12", ""}};
    for (const auto& [box, text] : row.typed) {
        texts.at(box) = text;
    }
    EXPECT_EQ(shown(window::click(row.button, texts, *row.format)), row.shown)
        << row.typed.front().second.substr(0, 40);
}

// Texts joined by appending (g++ 12 warns falsely of overlap on a literal + a string).
std::string joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts) {
        text += part;
    }
    return text;
}
std::string repeated(std::size_t count, char c) { return std::string(count, c); }
constexpr std::size_t kMegabyte = 1'000'000;
const std::string kNbsp = "\u00A0";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Descent, Clicks, testing::Values(
    Row{"Command1", {{"Text1", "9100"}}, &kPeriod, "Text2 187"}, Row{"Command1", {{"Text1", ""}}, &kPeriod, "Text2 5"},
    Row{"Command1", {{"Text1", "555"}}, &kComma, "Text2 16,1"}, Row{"Command1", {{"Text1", "850,7"}}, &kComma, "Text2 22"},
    Row{"Command1", {{"Text1", "9 100 м"}}, &kPeriod, "Text2 187"}, Row{"Command1", {{"Text1", "1e308"}}, &kPeriod, "Text2 2E+306"},
    Row{"Command1", {{"Text1", "1e999"}}, &kPeriod, kOverflow}, Row{"Command1", {{"Text1", "-1e999"}}, &kComma, kOverflow}));

// Every input read leniently: up to a decimal comma, a grouping blank dropped.
INSTANTIATE_TEST_SUITE_P(Profit, Clicks, testing::Values(
    Row{"Command3", {{"Text8", ""}}, &kPeriod, "Text12 0"},
    Row{"Command3", {{"Text8", "500,5"}, {"Text11", "100,5"}, {"Text10", "2,5"}, {"Text9", "1000,5"}}, &kComma, "Text12 12,8"},
    Row{"Command3", {{"Text11", "500"}, {"Text10", "2"}}, &kPeriod, "Text12 1234"},
    Row{"Command3", {{"Text8", "26795.4987246009"}, {"Text11", "1 000"}, {"Text10", "2"}, {"Text9", "100000"}}, &kPeriod, "Text12 36336.709147685"},
    // A fuel weight the estimate wrote under a comma is read up to the comma.
    Row{"Command3", {{"Text8", "26795,4910811456"}, {"Text11", "0"}, {"Text10", "1"}}, &kComma, "Text12 -33065,03"},
    Row{"Command3", {{"Text8", "1e308"}, {"Text11", "-1e308"}, {"Text10", "1"}}, &kPeriod, kOverflow}));

INSTANTIATE_TEST_SUITE_P(Fuel, Clicks, testing::Values(
    // The texts at start: the comma loses the fraction of the second-pass mass.
    Row{"Command2", {{"Text3", "9100"}}, &kPeriod, "Text8 26795.4987246009"},
    Row{"Command2", {{"Text3", "9100"}}, &kComma, "Text8 26795,4910811456"},
    Row{"Command2", {{"Text3", "5000"}, {"Text4", "1000"}, {"Text5", "0"}, {"Text6", "0"}, {"Text7", "0"}}, &kPeriod, "Text8 16685.6187473132"},
    // A range shorter than two descents: negative cruise distance and cruise fuel.
    Row{"Command2", {{"Text4", "км"}}, &kPeriod, "Text8 9624.40387806771"},
    // Each band half a metre above its lower edge, where the band below meets it, the first and
    // the last a metre below their upper edge; at 5000, 6000 and 12000 exactly, no tolerance.
    Row{"Command2", {{"Text3", "5000"}}, &kPeriod, "Text8 43288.4452436975"},
    Row{"Command2", {{"Text3", "5999"}}, &kPeriod, "Text8 41747.6901582258"},
    Row{"Command2", {{"Text3", "5999.999999999999"}}, &kPeriod, "Text8 41746.180826219"},
    Row{"Command2", {{"Text3", "6000.5"}}, &kPeriod, "Text8 38718.9425111023"},
    Row{"Command2", {{"Text3", "7000.5"}}, &kPeriod, "Text8 34916.1674501395"},
    Row{"Command2", {{"Text3", "8000.5"}}, &kPeriod, "Text8 30932.4685761262"},
    Row{"Command2", {{"Text3", "9000.5"}}, &kPeriod, "Text8 26973.1470692477"},
    Row{"Command2", {{"Text3", "10000.5"}}, &kPeriod, "Text8 25232.5332104298"},
    Row{"Command2", {{"Text3", "11000.5"}}, &kPeriod, "Text8 24271.3694091941"},
    Row{"Command2", {{"Text3", "11999"}}, &kPeriod, "Text8 23451.3345999039"},
    Row{"Command2", {{"Text3", "6000"}}, &kPeriod, "Text8 38720.738605096"},
    Row{"Command2", {{"Text3", "12000"}}, &kPeriod, kWarning},
    Row{"Command2", {{"Text3", "4999"}}, &kPeriod, kWarning},
    // Cargo edges.
    Row{"Command2", {{"Text5", "0"}}, &kPeriod, "Text8 25633.9070700191"},
    Row{"Command2", {{"Text5", "50001"}}, &kPeriod, kWarning},
    Row{"Command2", {{"Text5", "50000.0000001"}}, &kPeriod, kWarning},
    Row{"Command2", {{"Text5", "-1"}}, &kPeriod, kWarning},
    // Out of the altitude range the rate is 0: no cruise fuel, which would overflow this total.
    Row{"Command2", {{"Text3", "4999"}, {"Text4", "1e308"}, {"Text6", "1.797e308"}}, &kPeriod, kWarning},
    // Faults of the first pass are reported before the range test could warn.
    Row{"Command2", {{"Text3", "1e999"}}, &kPeriod, kOverflow},
    Row{"Command2", {{"Text3", "4999"}, {"Text4", "1e308"}, {"Text6", "1e308"}, {"Text7", "1e308"}}, &kPeriod, kOverflow}));

// Which reading each box gets, by texts the lenient and the strict reading tell apart: the
// altitude strictly for its band and descent, leniently in the formulas; the cargo leniently in
// the first pass, strictly for the range test and the second pass; the rest leniently.
INSTANTIATE_TEST_SUITE_P(Readings, Clicks, testing::Values(
    Row{"Command1", {{"Text1", "9100,5"}}, &kComma, "Text2 187"},
    Row{"Command2", {{"Text3", "9100,9"}}, &kComma, "Text8 26795,1828131456"},
    Row{"Command2", {{"Text3", "9100,5"}}, &kPeriod, kWarning},  // 91005 m, its comma a group
    Row{"Command2", {{"Text3", "9" + kNbsp + "100"}}, &kComma, "Text8 39799,5695592479"},
    Row{"Command2", {{"Text3", "9.100"}, {"Text5", "50.000"}}, &kGerman, "Text8 39773,6472322235"},
    Row{"Command2", {{"Text4", "2.000"}}, &kGerman, "Text8 9641,24069743357"},
    Row{"Command2", {{"Text5", "60,000"}}, &kPeriod, kWarning},
    Row{"Command2", {{"Text5", "50" + kNbsp + "000"}}, &kComma, "Text8 26769,708620437"},
    Row{"Command2", {{"Text6", "1 000"}, {"Text7", "4 500"}}, &kPeriod, "Text8 26795.4987246009"},
    // A box read strictly that holds no number names its field; a bad cargo fails even where
    // the altitude would warn.
    Row{"Command2", {{"Text3", ""}}, &kPeriod, noNumber("Высота, м")},
    Row{"Command2", {{"Text3", "9100 м"}}, &kPeriod, noNumber("Высота, м")},
    Row{"Command2", {{"Text3", "4999"}, {"Text5", "груз"}}, &kPeriod, noNumber("Вес груза, кг")}));

// A megabyte of text reads as its short form, and about as fast: a reading that took time
// quadratic in the length would outlast the tests' time limit.
INSTANTIATE_TEST_SUITE_P(LongTexts, Clicks, testing::Values(
    Row{"Command1", {{"Text1", joined({"9.1e", repeated(kMegabyte, '0'), "3"})}}, &kPeriod, "Text2 187"},
    Row{"Command1", {{"Text1", joined({"9100", repeated(kMegabyte, 'x')})}}, &kPeriod, "Text2 187"},
    // Beyond every double without an exponent; 1e-350, below every double, though its exponent
    // is positive.
    Row{"Command1", {{"Text1", repeated(400, '9')}}, &kPeriod, kOverflow},
    Row{"Command1", {{"Text1", joined({"0.", repeated(699, '0'), "1e350"})}}, &kPeriod, "Text2 5"},
    Row{"Command2", {{"Text3", joined({repeated(kMegabyte, '0'), "9100"})}}, &kPeriod, "Text8 26795.4987246009"},
    Row{"Command2", {{"Text4", joined({repeated(kMegabyte, ' '), "2000", repeated(kMegabyte, '\t')})}}, &kComma,
        "Text8 26795,4910811456"},
    Row{"Command2", {{"Text5", joined({repeated(kMegabyte, ' '), "50000"})}}, &kPeriod, "Text8 26795.4987246009"},
    Row{"Command3", {{"Text8", joined({"1", repeated(kMegabyte, '0'), "e-1000000"})}, {"Text10", "2"}}, &kPeriod,
        "Text12 -2.468"}));
// clang-format on

TEST(Click, OfAButtonTheWindowLacksOrWithoutItsTextsIsAMistake) {
    EXPECT_THROW((void)window::click("Command4", {}, kPeriod), std::out_of_range);
    EXPECT_THROW((void)window::click("Command1", {{"Text2", ""}}, kPeriod), std::out_of_range);
}

}  // namespace
