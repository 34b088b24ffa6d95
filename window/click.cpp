#include "window/click.h"

#include "window/description.h"

#include "convert/error.h"

#include <string_view>
#include <variant>
#include <vector>

namespace window {

Answer click(std::string_view button, const Texts& texts, const convert::NumberFormat& format) {
    const Click& wiring = clickOf(button);
    std::vector<std::string_view> read;
    for (const std::string_view name : wiring.inputs) {
        const auto text = texts.find(name);
        if (text == texts.end()) {
            throw std::out_of_range("no text for a box the calculator reads");
        }
        read.emplace_back(text->second);
    }
    try {
        const calc::Outcome outcome = wiring.calculator.run(read, format);
        if (const auto* figure = std::get_if<std::string>(&outcome)) {
            return {Box::None, wiring.output, *figure};
        }
        return {Box::Warning, {}, std::string(kOutOfRangePrompt)};
    } catch (const convert::Error& error) {
        const auto input = error.input();
        return {Box::Error,
                {},
                errorMessage(error.code(), input ? captionOf(wiring.inputs[*input]) : "")};
    }
}

std::string_view boxName(Box box) {
    switch (box) {
    case Box::Warning: return "Warning";
    case Box::Error: return "Error";
    case Box::None: break;
    }
    return "";
}

}  // namespace window
