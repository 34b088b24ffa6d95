// The page's glue to the window's clicks, compiled to WebAssembly: the page hands over the text
// boxes' texts by their ids and its number format, and gets back what the window shows.
#include "box_name.h"

#include "window/click.h"
#include "window/description.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

namespace {

using emscripten::val;

// {box: "", output, text} for a figure, {box: "Warning" or "Error", text} for a box.
val click(const std::string& button, const val& fields, const std::string& decimalSeparator,
          const std::string& groupSeparator) {
    window::Texts texts;
    for (const window::Control& c : window::kControls) {
        if (c.kind == window::Kind::TextBox) {
            const std::string name(c.name);
            texts.emplace(name, fields[name].as<std::string>());
        }
    }
    const window::Answer answer = window::click(button, texts, {decimalSeparator, groupSeparator});
    val shown = val::object();
    shown.set("box", std::string(boxName(answer.box)));
    shown.set("output", std::string(answer.output));
    shown.set("text", answer.text);
    return shown;
}

}  // namespace

EMSCRIPTEN_BINDINGS(flightcalc) { emscripten::function("click", &click); }
