// The window's description against the window's figures, written here a second time as literals:
// the Qt window's and the page's tests check that each draws the description, this one that the
// description is the window.

#include "window/description.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include <algorithm>
#include <array>
#include <iterator>
#include <string>
#include <vector>

namespace {

using window::Align;
using window::Kind;

// Name, kind, left, top, width, height, text, alignment, partner, read-only: one line a control.
// (Appended piece by piece: g++ 12 warns falsely of overlap on chains of string +.)
std::string line(const window::Control& c) {
    const std::array<std::string_view, 6> kinds{"picture", "heading", "caption",
                                                "note",    "box",     "button"};
    const std::array<std::string_view, 3> aligns{"left", "centre", "right"};
    std::string text(c.name);
    text.append(" ").append(kinds.at(static_cast<std::size_t>(c.kind))).append(" ");
    text.append(std::to_string(c.place.left)).append(",").append(std::to_string(c.place.top));
    text.append(",").append(std::to_string(c.place.width)).append(",");
    text.append(std::to_string(c.place.height)).append(" «").append(c.text).append("» ");
    text.append(aligns.at(static_cast<std::size_t>(c.align))).append(" ").append(c.partner);
    return text.append(c.readOnly ? " read-only" : "");
}

TEST(Description, IsTheWindow) {
    // Title, size and first focus, as one list: each alone is a comparison cppcheck calls known.
    EXPECT_EQ((std::vector<std::string>{std::string(window::kTitle), std::to_string(window::kWidth),
                                        std::to_string(window::kHeight),
                                        std::string(window::kFirstFocus)}),
              (std::vector<std::string>{"B", "681", "603", "Command1"}));
    std::vector<std::string> controls;
    std::ranges::transform(window::kControls, std::back_inserter(controls), line);
    // Bottom to top: the picture, the labels, the boxes and buttons.
    EXPECT_EQ(controls, (std::vector<std::string>{
                            "Image1 picture 0,-8,687,619 «» left ",
                            "Label15 heading 48,408,241,17 «Вычисление топлива» centre ",
                            "Label1 caption 64,432,57,17 «Высота, м» right Text3",
                            "Label2 caption 40,456,81,17 «Дальность, км» right Text4",
                            "Label6 caption 48,480,73,17 «Вес груза, кг» right Text5",
                            "Label3 caption -8,504,129,17 «Топливо на руление, кг» right Text6",
                            "Label5 caption 72,528,49,17 «Запас, кг» right Text7",
                            "Label11 caption 40,552,81,17 «Вес топлива, кг» right Text8",
                            "Label14 heading 280,408,185,17 «Вычисление длины спуска» centre ",
                            "Label9 caption 240,432,97,17 «Высота полета, м» right Text1",
                            "Label10 caption 216,456,121,17 «Расстояние спуска, км» right Text2",
                            "Label16 heading 464,408,217,17 «Вычисление прибыли от рейса» centre ",
                            "Label8 caption 448,432,97,17 «Доход от груза, v$» right Text9",
                            "Label12 caption 456,456,89,17 «Цена топлива, v$» right Text10",
                            "Label13 caption 432,480,113,17 « Топлива на борту, кг» right Text11",
                            "Label18 caption 448,504,97,17 «Доход от рейса, v$» left Text12",
                            "Label17 note 608,584,73,17 «Version 2.1» left ",
                            "Text3 box 128,432,89,25 «9100» left ",
                            "Text4 box 128,456,89,25 «2000» left ",
                            "Text5 box 128,480,89,25 «50000» left ",
                            "Text6 box 128,504,89,25 «1000» left ",
                            "Text7 box 128,528,89,25 «4500» left ",
                            "Text8 box 128,552,89,25 «» left ",
                            "Text1 box 344,432,89,25 «9100» left ",
                            "Text2 box 344,456,89,25 «» left  read-only",
                            "Text9 box 552,432,89,25 «» left ",
                            "Text10 box 552,456,89,25 «» left ",
                            "Text11 box 552,480,89,25 «» left ",
                            "Text12 box 552,504,89,25 «» left  read-only",
                            "Command2 button 128,576,89,25 «Расчет» centre Label15",
                            "Command1 button 344,480,89,25 «Расчет» centre Label14",
                            "Command3 button 552,528,89,25 «Расчет» centre Label16"}));
    EXPECT_EQ(std::vector<std::string>(window::kFocusOrder.begin(), window::kFocusOrder.end()),
              (std::vector<std::string>{"Command1", "Command2", "Text1", "Text2", "Text3", "Text4",
                                        "Text5", "Text6", "Text7", "Text8", "Text9", "Text10",
                                        "Text11", "Text12", "Command3"}));
    // Each button: its output box, then the boxes its calculator reads, in its order.
    std::vector<std::string> clicks;
    std::ranges::transform(window::kClicks, std::back_inserter(clicks), [](const window::Click& c) {
        std::string wiring(c.button);
        wiring.append(" -> ").append(c.output).append(" <-");
        for (const std::string_view input : c.inputs) {
            wiring.append(" ").append(input);
        }
        return wiring;
    });
    EXPECT_EQ(clicks,
              (std::vector<std::string>{"Command1 -> Text2 <- Text1",
                                        "Command2 -> Text8 <- Text3 Text4 Text5 Text6 Text7",
                                        "Command3 -> Text12 <- Text8 Text11 Text10 Text9"}));
    EXPECT_THROW((void)window::control("Label4"), std::out_of_range);
    // No calculator divides by a field, so only this says how the window names that error.
    EXPECT_EQ(window::errorMessage(convert::ErrorCode::DivisionByZero),
              "Ошибка 11: деление на ноль\n\nРасчет не выполнен; введенные данные сохранены.");
}

}  // namespace
