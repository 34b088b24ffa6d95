// Writes the web page from the window's description: every control at its place with its text,
// the boxes, the face, the picture and the scripts inside one HTML file; or the description as
// JSON for the page's tests; or every character the window shows, for the face's subset.
#include "box_name.h"

#include "window/click.h"
#include "window/description.h"

#include "convert/error.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using window::Control;
using window::Kind;

std::string readFile(const char* path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::string bytes(static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0)), '\0');
    in.seekg(0);
    if (!in || !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
        std::fprintf(stderr, "make_page: cannot read %s\n", path);
        std::exit(1);
    }
    return bytes;
}

std::string base64(std::string_view bytes) {
    static constexpr std::string_view kDigits =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t left = bytes.size() - i;
        const auto byte = [&](std::size_t k) -> unsigned {
            return k < left ? static_cast<unsigned char>(bytes[i + k]) : 0U;
        };
        const unsigned triple = (byte(0) << 16U) | (byte(1) << 8U) | byte(2);
        for (std::size_t k = 0; k < 4; ++k) {
            out += k <= left ? kDigits[(triple >> (18 - 6 * k)) & 63U] : '=';
        }
    }
    return out;
}

// A text as a data URL's body inside a single-quoted attribute: a drawing stays about its own
// size, where base64 would add a third. What a URL or the attribute would read otherwise is
// percent-encoded: the percent sign, the fragment's mark, the quote, an entity's ampersand, line
// breaks (which a URL drops) and every byte outside ASCII.
std::string percentEncoded(std::string_view text) {
    static constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20U || byte >= 0x7fU ||
            std::string_view("%#'&").find(c) != std::string_view::npos) {
            out += '%';
            out += kHex[byte >> 4U];
            out += kHex[byte & 15U];
        } else {
            out += c;
        }
    }
    return out;
}

std::string escapeHtml(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string escapeJson(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out + '"';
}

// A comment ends at the first "-->": the notices must not end it early.
std::string asComment(std::string text) {
    for (std::size_t at = text.find("-->"); at != std::string::npos; at = text.find("-->", at)) {
        text.replace(at, 3, "-- >");
    }
    return "<!--\n" + text + "\n-->\n";
}

constexpr std::string_view kindName(Kind kind) {
    switch (kind) {
    case Kind::Picture: return "picture";
    case Kind::Heading: return "heading";
    case Kind::FieldLabel: return "caption";
    case Kind::Note: return "note";
    case Kind::TextBox: return "textbox";
    case Kind::Button: return "button";
    }
    return "";
}

constexpr std::string_view alignName(window::Align align) {
    switch (align) {
    case window::Align::Centre: return "center";
    case window::Align::Right: return "right";
    case window::Align::Left: break;
    }
    return "left";
}

std::string px(int pixels) { return std::to_string(pixels) + "px"; }

// Where each control stands on a screen narrower than the window, which lays them out one under
// another: the picture, then each calculator in the window's column order (its heading, each of
// its boxes under its caption, its button), the note last. A calculator's boxes are those its
// click reads and writes, a box read by two (the fuel's output) standing with the one writing it.
std::map<std::string_view, int> narrowOrder() {
    std::vector<window::Click> columns(window::kClicks.begin(), window::kClicks.end());
    std::ranges::sort(columns, {},
                      [](const window::Click& c) { return window::control(c.button).place.left; });
    std::map<std::string_view, std::string_view> columnOf;  // box -> button
    for (const window::Click& c : columns) {
        columnOf[c.output] = c.button;
    }
    for (const window::Click& c : columns) {
        for (const std::string_view box : c.inputs) {
            columnOf.try_emplace(box, c.button);
        }
    }
    std::map<std::string_view, int> order{{window::kControls.front().name, 0}};
    const auto next = [&order](std::string_view name) {
        order.emplace(name, static_cast<int>(order.size()));
    };
    for (const window::Click& c : columns) {
        next(window::control(c.button).partner);
        std::vector<const Control*> boxes;
        for (const Control& box : window::kControls) {
            if (box.kind == Kind::TextBox && columnOf.at(box.name) == c.button) {
                boxes.push_back(&box);
            }
        }
        std::ranges::sort(boxes, {}, [](const Control* box) { return box->place.top; });
        for (const Control* box : boxes) {
            for (const Control& label : window::kControls) {
                if (label.kind == Kind::FieldLabel && label.partner == box->name) {
                    next(label.name);
                }
            }
            next(box->name);
        }
        next(c.button);
    }
    for (const Control& c : window::kControls) {
        next(c.name);  // the note, and whatever belongs to no calculator
    }
    return order;
}

std::string placeStyle(const Control& c) {
    static const std::map<std::string_view, int> kNarrowOrder = narrowOrder();
    return "left:" + px(c.place.left) + ";top:" + px(c.place.top) + ";width:" + px(c.place.width) +
           ";height:" + px(c.place.height) + ";order:" + std::to_string(kNarrowOrder.at(c.name));
}

// Each control as the element a browser draws natively, its name as its id (attributes in single
// quotes, escaped by escapeHtml).
std::string element(const Control& c, std::string_view picture) {
    const std::string id = " id='" + std::string(c.name) + "'";
    const std::string style = " style='" + placeStyle(c);
    const std::string text = escapeHtml(c.text);
    switch (c.kind) {
    case Kind::Picture:
        // A drawing, sharp at every scale.
        return "<img" + id + " alt=''" + style + "' src='data:image/svg+xml," +
               percentEncoded(picture) + "'>\n";
    case Kind::Heading:
        return "<h2" + id + " class='heading'" + style + ";text-align:center'>" + text + "</h2>\n";
    case Kind::FieldLabel:
        return "<label" + id + " class='caption' for='" + std::string(c.partner) + "'" + style +
               ";text-align:" + std::string(alignName(c.align)) + "'>" + text + "</label>\n";
    case Kind::Note: return "<div" + id + " class='note'" + style + "'>" + text + "</div>\n";
    case Kind::TextBox:
        return "<input" + id + " type='text' value='" + text +
               "' autocomplete='off' spellcheck='false'" + (c.readOnly ? " readonly" : "") + style +
               "'>\n";
    case Kind::Button: {
        // The three buttons share their caption; a screen reader hears their column with it.
        const std::string spoken =
            std::string(c.text) + ": " + std::string(window::control(c.partner).text);
        return "<button" + id + " type='button' aria-label='" + escapeHtml(spoken) + "'" + style +
               "'>" + text + "</button>\n";
    }
    }
    return {};
}

constexpr std::string_view kWarningIcon =
    "<svg viewBox='0 0 40 40' aria-hidden='true'><path d='M20 3 38 36H2z' fill='#f5c518' "
    "stroke='#8a6d00' stroke-width='1.5' stroke-linejoin='round'/><path d='M18.2 14h3.6l-.8 "
    "12h-2zM18 29h4v4h-4z' fill='#222'/></svg>";
constexpr std::string_view kErrorIcon =
    "<svg viewBox='0 0 40 40' aria-hidden='true'><circle cx='20' cy='20' r='18' "
    "fill='#d42a2a' stroke='#8b1010' stroke-width='1.5'/><path d='M13 13l14 14M27 13 13 "
    "27' stroke='#fff' stroke-width='4' stroke-linecap='round'/></svg>";

// A modal alert with a title, an icon, a place for the message the script writes as it opens the
// box, and one OK button that has the focus.
std::string dialog(window::Box kind, std::string_view icon) {
    const std::string name(boxName(kind));
    return "<dialog id='" + name + "' role='alertdialog' aria-labelledby='" + name +
           "Title' aria-describedby='" + name + "Text'><h2 id='" + name + "Title'>" +
           escapeHtml(window::kBoxTitle) + "</h2><div class='message'>" + std::string(icon) +
           "<p id='" + name + "Text'>" +
           "</p></div><button class='ok' type='button' autofocus>OK</button></dialog>\n";
}

std::string page(const std::array<std::string, 6>& parts) {
    const auto& [notices, style, face, picture, core, script] = parts;
    std::ostringstream out;
    out << "<!DOCTYPE html>\n"
        << asComment(notices) << "<html lang=\"ru\">\n<head>\n"
        << "<meta charset=\"utf-8\">\n"
        << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        << "<title>" << escapeHtml(window::kTitle) << "</title>\n<style>\n"
        << "@font-face { font-family: \"" << window::kFace << "\"; src: url(data:font/woff2;base64,"
        << base64(face) << ") format(\"woff2\"); }\n"
        << ":root { --width: " << px(window::kWidth) << "; --height: " << px(window::kHeight)
        << "; --face: \"" << window::kFace << "\"; --points: " << window::kPoints
        << "pt; --heading-points: " << window::kHeadingPoints << "pt; --caption: rgb("
        << window::kCaptionColour.red << " " << window::kCaptionColour.green << " "
        << window::kCaptionColour.blue << "); }\n"
        << style
        << "</style>\n</head>\n<body>\n<div id=\"Frame\"><div id=\"Form1\" data-focus-order=\"";
    for (std::size_t i = 0; i < window::kFocusOrder.size(); ++i) {
        out << (i == 0 ? "" : " ") << window::kFocusOrder.at(i);
    }
    out << "\" data-first-focus=\"" << window::kFirstFocus << "\">\n";
    for (const Control& c : window::kControls) {
        out << element(c, picture);
    }
    out << "</div></div>\n"
        << dialog(window::Box::Warning, kWarningIcon) << dialog(window::Box::Error, kErrorIcon)
        << "<script>\n"
        << core << "</script>\n<script>\n"
        << script << "</script>\n"
        << "</body>\n</html>\n";
    return out.str();
}

std::string json() {
    std::ostringstream out;
    out << "{\"title\": " << escapeJson(window::kTitle) << ", \"width\": " << window::kWidth
        << ", \"height\": " << window::kHeight << ",\n \"controls\": [\n";
    for (std::size_t i = 0; i < window::kControls.size(); ++i) {
        const Control& c = window::kControls.at(i);
        out << "  {\"name\": " << escapeJson(c.name)
            << ", \"kind\": " << escapeJson(kindName(c.kind)) << ", \"left\": " << c.place.left
            << ", \"top\": " << c.place.top << ", \"width\": " << c.place.width
            << ", \"height\": " << c.place.height << ", \"text\": " << escapeJson(c.text)
            << ", \"align\": " << escapeJson(alignName(c.align))
            << ", \"partner\": " << escapeJson(c.partner)
            << ", \"readOnly\": " << (c.readOnly ? "true" : "false") << "}"
            << (i + 1 < window::kControls.size() ? ",\n" : "\n");
    }
    out << " ],\n \"focusOrder\": [";
    for (std::size_t i = 0; i < window::kFocusOrder.size(); ++i) {
        out << (i == 0 ? "" : ", ") << escapeJson(window::kFocusOrder.at(i));
    }
    out << "],\n \"clicks\": [";
    for (std::size_t i = 0; i < window::kClicks.size(); ++i) {
        const window::Click& c = window::kClicks.at(i);
        out << (i == 0 ? "" : ", ") << "{\"button\": " << escapeJson(c.button)
            << ", \"output\": " << escapeJson(c.output) << ", \"inputs\": [";
        for (std::size_t k = 0; k < c.inputs.size(); ++k) {
            out << (k == 0 ? "" : ", ") << escapeJson(c.inputs[k]);
        }
        out << "]}";
    }
    out << "],\n \"boxTitle\": " << escapeJson(window::kBoxTitle)
        << ", \"outOfRange\": " << escapeJson(window::kOutOfRangePrompt) << "}\n";
    return out.str();
}

// Every character the page shows of its own, and what a figure or a typed number is made of.
std::string glyphs() {
    std::string all;
    for (char c = ' '; c <= '~'; ++c) {
        all += c;
    }
    all += "\u00A0\u202F";  // the grouping blanks of some languages
    for (const Control& c : window::kControls) {
        all += c.text;
    }
    all += window::kBoxTitle;
    all += window::kOutOfRangePrompt;
    for (const auto code : {convert::ErrorCode::Overflow, convert::ErrorCode::DivisionByZero,
                            convert::ErrorCode::TypeMismatch}) {
        all += window::errorMessage(code, "x");
    }
    return all + "\n";
}

bool write(const char* path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out) {
        std::fprintf(stderr, "make_page: cannot write %s\n", path);
    }
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string_view mode = argc > 1 ? argv[1] : "";
    bool written = false;
    if (argc == 3 && mode == "--json") {
        written = write(argv[2], json());
    } else if (argc == 3 && mode == "--glyphs") {
        written = write(argv[2], glyphs());
    } else if (argc == 8) {
        std::array<std::string, 6> parts;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            parts.at(i) = readFile(argv[i + 2]);
        }
        written = write(argv[1], page(parts));
    } else {
        std::fputs(
            "usage: make_page --json OUT.json | --glyphs OUT.txt |\n"
            "       make_page OUT.html NOTICES.txt STYLE.css FACE.woff2 PICTURE.svg CORE.js "
            "PAGE.js\n",
            stderr);
        return 2;
    }
    return written ? 0 : 1;
}
