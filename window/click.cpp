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
        read.emplace_back(texts.at(std::string(name)));
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

}  // namespace window
