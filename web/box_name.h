#pragma once

#include "window/click.h"

#include <string_view>

// The page's name for a box a click opens, its dialog's id: "Warning" or "Error"; empty for none.
[[nodiscard]] constexpr std::string_view boxName(window::Box box) {
    switch (box) {
    case window::Box::Warning: return "Warning";
    case window::Box::Error: return "Error";
    case window::Box::None: break;
    }
    return "";
}
