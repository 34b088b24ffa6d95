#pragma once

// The calculator window as data, free of any toolkit: the desktop window (Form1) and the web page
// (web/) are both built from it, so the layout, what each click does, the captions and the boxes'
// texts exist once.

#include "calc/calculator.h"
#include "calc/descent.h"
#include "calc/flight_profit.h"
#include "calc/fuel_estimate.h"
#include "convert/error.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace window {

// Pixels of the client area (15 twips each), from its top left-hand corner.
struct Place {
    int left;
    int top;
    int width;
    int height;
};

struct Colour {
    int red;
    int green;
    int blue;
};

enum class Kind { Picture, Heading, FieldLabel, Note, TextBox, Button };
enum class Align { Left, Centre, Right };

struct Control {
    std::string_view name;
    Kind kind;
    Place place;
    std::string_view text;  // a caption, a text box's text at start, a button's caption
    Align align = Align::Left;
    // A field label: the text box it captions. A button: its column's heading.
    std::string_view partner = {};
    bool readOnly = false;
};

inline constexpr std::string_view kTitle = "B";
inline constexpr int kWidth = 681;
inline constexpr int kHeight = 603;

// Headings and field labels; the note keeps the default text colour.
inline constexpr Colour kCaptionColour{0, 0, 192};
// The caption boxes were laid out for a small dialog font: this condensed sans at 7.5 pt (10 px
// at 96 dpi) fits every caption inside its box.
inline constexpr std::string_view kFace = "DejaVu Sans Condensed";
inline constexpr double kPoints = 7.5;
// Headings: the classic face where it draws Cyrillic, else the condensed one, at 9.75 pt.
inline constexpr std::string_view kHeadingClassicFace = "MS Sans Serif";
inline constexpr double kHeadingPoints = 9.75;

inline constexpr std::string_view kButtonCaption = "Расчет";
inline constexpr Place kPicturePlace{0, -8, 687, 619};

// Bottom to top: the picture, the labels over it, the text boxes and buttons over them.
// clang-format off
inline constexpr std::array kControls{
    Control{"Image1", Kind::Picture, kPicturePlace, ""},
    Control{"Label15", Kind::Heading, {48, 408, 241, 17}, "Вычисление топлива", Align::Centre},
    Control{"Label1", Kind::FieldLabel, {64, 432, 57, 17}, "Высота, м", Align::Right, "Text3"},
    Control{"Label2", Kind::FieldLabel, {40, 456, 81, 17}, "Дальность, км", Align::Right, "Text4"},
    Control{"Label6", Kind::FieldLabel, {48, 480, 73, 17}, "Вес груза, кг", Align::Right, "Text5"},
    Control{"Label3", Kind::FieldLabel, {-8, 504, 129, 17}, "Топливо на руление, кг", Align::Right, "Text6"},
    Control{"Label5", Kind::FieldLabel, {72, 528, 49, 17}, "Запас, кг", Align::Right, "Text7"},
    Control{"Label11", Kind::FieldLabel, {40, 552, 81, 17}, "Вес топлива, кг", Align::Right, "Text8"},
    Control{"Label14", Kind::Heading, {280, 408, 185, 17}, "Вычисление длины спуска", Align::Centre},
    Control{"Label9", Kind::FieldLabel, {240, 432, 97, 17}, "Высота полета, м", Align::Right, "Text1"},
    Control{"Label10", Kind::FieldLabel, {216, 456, 121, 17}, "Расстояние спуска, км", Align::Right, "Text2"},
    Control{"Label16", Kind::Heading, {464, 408, 217, 17}, "Вычисление прибыли от рейса", Align::Centre},
    Control{"Label8", Kind::FieldLabel, {448, 432, 97, 17}, "Доход от груза, v$", Align::Right, "Text9"},
    Control{"Label12", Kind::FieldLabel, {456, 456, 89, 17}, "Цена топлива, v$", Align::Right, "Text10"},
    Control{"Label13", Kind::FieldLabel, {432, 480, 113, 17}, " Топлива на борту, кг", Align::Right, "Text11"},
    Control{"Label18", Kind::FieldLabel, {448, 504, 97, 17}, "Доход от рейса, v$", Align::Left, "Text12"},
    Control{"Label17", Kind::Note, {608, 584, 73, 17}, "Version 2.1", Align::Left},
    Control{"Text3", Kind::TextBox, {128, 432, 89, 25}, "9100"},
    Control{"Text4", Kind::TextBox, {128, 456, 89, 25}, "2000"},
    Control{"Text5", Kind::TextBox, {128, 480, 89, 25}, "50000"},
    Control{"Text6", Kind::TextBox, {128, 504, 89, 25}, "1000"},
    Control{"Text7", Kind::TextBox, {128, 528, 89, 25}, "4500"},
    Control{"Text8", Kind::TextBox, {128, 552, 89, 25}, ""},
    Control{"Text1", Kind::TextBox, {344, 432, 89, 25}, "9100"},
    Control{"Text2", Kind::TextBox, {344, 456, 89, 25}, "", Align::Left, {}, true},
    Control{"Text9", Kind::TextBox, {552, 432, 89, 25}, ""},
    Control{"Text10", Kind::TextBox, {552, 456, 89, 25}, ""},
    Control{"Text11", Kind::TextBox, {552, 480, 89, 25}, ""},
    Control{"Text12", Kind::TextBox, {552, 504, 89, 25}, "", Align::Left, {}, true},
    Control{"Command2", Kind::Button, {128, 576, 89, 25}, kButtonCaption, Align::Centre, "Label15"},
    Control{"Command1", Kind::Button, {344, 480, 89, 25}, kButtonCaption, Align::Centre, "Label14"},
    Control{"Command3", Kind::Button, {552, 528, 89, 25}, kButtonCaption, Align::Centre, "Label16"},
};
// clang-format on

// Not the visual order: the two lower-numbered buttons, the fields by number, Command3; cyclic.
inline constexpr std::array<std::string_view, 15> kFocusOrder{
    "Command1", "Command2", "Text1", "Text2",  "Text3",  "Text4",  "Text5",   "Text6",
    "Text7",    "Text8",    "Text9", "Text10", "Text11", "Text12", "Command3"};
inline constexpr std::string_view kFirstFocus = "Command1";

// The boxes.
inline constexpr std::string_view kBoxTitle = "Ошибка";
inline constexpr std::string_view kOutOfRangePrompt = "Неправильно введен эшелон и/или вес груза";

// What a click does: the calculator a button runs, the text box its figure goes to, and the text
// boxes it reads, in the order the calculator takes them.
struct Click {
    std::string_view button;
    calc::Calculator calculator;
    std::string_view output;
    std::span<const std::string_view> inputs;
};

inline constexpr std::array<std::string_view, 1> kDescentInputs{"Text1"};
inline constexpr std::array<std::string_view, 5> kFuelInputs{"Text3", "Text4", "Text5", "Text6",
                                                             "Text7"};
// The profit reads the fuel calculator's output too, whoever wrote it.
inline constexpr std::array<std::string_view, 4> kProfitInputs{"Text8", "Text11", "Text10",
                                                               "Text9"};
inline constexpr std::array kClicks{
    Click{"Command1", calc::kDescent, "Text2", kDescentInputs},
    Click{"Command2", calc::kFuel, "Text8", kFuelInputs},
    Click{"Command3", calc::kProfit, "Text12", kProfitInputs},
};

// The control of that name; std::out_of_range for a name the window lacks.
[[nodiscard]] constexpr const Control& control(std::string_view name) {
    const auto at = std::ranges::find(kControls, name, &Control::name) - kControls.begin();
    return kControls.at(static_cast<std::size_t>(at));
}

// What a click does for that button; std::out_of_range for a name that is no button.
[[nodiscard]] constexpr const Click& clickOf(std::string_view button) {
    const auto at = std::ranges::find(kClicks, button, &Click::button) - kClicks.begin();
    return kClicks.at(static_cast<std::size_t>(at));
}

// Every name the description uses names a control of the kind its place calls for, once.
consteval bool isWhole() {
    // (No pointer to a control: the sanitizers' null checks are no constant expressions to g++.)
    const auto is = [](std::string_view name, Kind kind) {
        return std::ranges::any_of(
            kControls, [&](const Control& c) { return c.name == name && c.kind == kind; });
    };
    const auto takesFocus = [](const Control& c) {
        return c.kind == Kind::TextBox || c.kind == Kind::Button;
    };
    for (const Control& c : kControls) {
        const bool partnered =
            (c.kind == Kind::FieldLabel && is(c.partner, Kind::TextBox)) ||
            (c.kind == Kind::Button && is(c.partner, Kind::Heading)) ||
            (c.kind != Kind::FieldLabel && c.kind != Kind::Button && c.partner.empty());
        const auto named = std::ranges::count(kControls, c.name, &Control::name);
        const auto focused = std::ranges::count(kFocusOrder, c.name);
        const auto clicked = std::ranges::count(kClicks, c.name, &Click::button);
        const auto captioned = std::ranges::count(kControls, c.name, &Control::partner);
        if (!partnered || named != 1 || focused != (takesFocus(c) ? 1 : 0) ||
            clicked != (c.kind == Kind::Button ? 1 : 0) ||
            captioned != (c.kind == Kind::TextBox ? 1 : 0) + (c.kind == Kind::Heading ? 1 : 0)) {
            return false;
        }
    }
    for (const std::string_view name : kFocusOrder) {
        if (std::ranges::count(kControls, name, &Control::name) != 1) {
            return false;
        }
    }
    for (const Click& row : kClicks) {
        if (!is(row.output, Kind::TextBox) || row.inputs.size() != row.calculator.inputs ||
            !std::ranges::all_of(row.inputs,
                                 [&](std::string_view n) { return is(n, Kind::TextBox); })) {
            return false;
        }
    }
    return is(kFirstFocus, Kind::Button);
}
static_assert(isWhole(), "a partner, focus-order or click name that names no control of its kind");

// The caption of a text box without its leading blank: how a screen reader and the error box name
// the box; std::out_of_range for a name that is no text box.
[[nodiscard]] std::string_view captionOf(std::string_view textBox);

// The report of a failed calculation: "Ошибка 13: несоответствие типов", the caption of the
// field that holds no number (only a type mismatch names one), and that nothing was computed.
[[nodiscard]] std::string errorMessage(convert::ErrorCode code, std::string_view noNumberIn = {});

}  // namespace window
