#include "window/description.h"

#include <algorithm>

namespace window {

namespace {

std::string_view describe(convert::ErrorCode code) {
    switch (code) {
    case convert::ErrorCode::Overflow: return "переполнение";
    case convert::ErrorCode::DivisionByZero: return "деление на ноль";
    case convert::ErrorCode::TypeMismatch: break;
    }
    return "несоответствие типов";
}

}  // namespace

std::string_view captionOf(std::string_view textBox) {
    const auto at =
        std::ranges::find_if(kControls,
                             [textBox](const Control& c) {
                                 return c.kind == Kind::FieldLabel && c.partner == textBox;
                             }) -
        kControls.begin();
    std::string_view caption = kControls.at(static_cast<std::size_t>(at)).text;
    caption.remove_prefix(std::min(caption.find_first_not_of(' '), caption.size()));
    return caption;
}

std::string errorMessage(convert::ErrorCode code, std::string_view noNumberIn) {
    std::string message = "Ошибка " + std::to_string(static_cast<int>(code)) + ": ";
    message += describe(code);
    if (!noNumberIn.empty()) {
        message.append("\nПоле «").append(noNumberIn).append("» не содержит числа.");
    }
    message += "\n\nРасчет не выполнен; введенные данные сохранены.";
    return message;
}

}  // namespace window
