#include "window/description.h"

#include <algorithm>

namespace window {

namespace {

std::string_view describe(convert::ErrorCode code) {
    switch (code) {
    case convert::ErrorCode::Overflow: return "переполнение";
    case convert::ErrorCode::DivisionByZero: return "деление на ноль";
    case convert::ErrorCode::TypeMismatch: return "несоответствие типов";
    }
    return "неизвестная ошибка";
}

}  // namespace

std::string_view captionOf(std::string_view textBox) {
    for (const Control& c : kControls) {
        if (c.kind == Kind::FieldLabel && c.partner == textBox) {
            std::string_view caption = c.text;
            caption.remove_prefix(std::min(caption.find_first_not_of(' '), caption.size()));
            return caption;
        }
    }
    return {};
}

std::string errorMessage(convert::ErrorCode code, std::string_view fieldCaption) {
    std::string message = "Ошибка " + std::to_string(static_cast<int>(code)) + ": ";
    message += describe(code);
    if (!fieldCaption.empty()) {
        message += code == convert::ErrorCode::TypeMismatch ? "\nПоле «" : "\nОшибка в поле «";
        message += fieldCaption;
        message += code == convert::ErrorCode::TypeMismatch ? "» не содержит числа." : "».";
    }
    message += "\n\nРасчет не выполнен; введенные данные сохранены.";
    return message;
}

}  // namespace window
