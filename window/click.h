#pragma once

// What a click of one of the window's buttons shows, whichever toolkit draws the window.

#include "convert/number_format.h"

#include <map>
#include <string>
#include <string_view>

namespace window {

// The text boxes' texts by their names; a click reads those its calculator takes.
using Texts = std::map<std::string, std::string, std::less<>>;

enum class Box { None, Warning, Error };

struct Answer {
    Box box = Box::None;
    std::string_view output;  // with no box, the text box the figure is written into
    std::string text;         // the figure, or the box's message
    friend bool operator==(const Answer&, const Answer&) = default;
};

// Runs the button's calculator on the texts: its figure for its output box, the fuel estimate's
// warning, or the error box naming the failure and the field it came from. std::out_of_range for
// a button the window lacks or a text box missing from the texts.
[[nodiscard]] Answer click(std::string_view button, const Texts& texts,
                           const convert::NumberFormat& format);

}  // namespace window
