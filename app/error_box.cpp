#include "error_box.h"

#include "convert/error.h"

#include <QMessageBox>

namespace {

QString describe(convert::ErrorCode code) {
    switch (code) {
    case convert::ErrorCode::Overflow: return QStringLiteral("переполнение");
    case convert::ErrorCode::DivisionByZero: return QStringLiteral("деление на ноль");
    case convert::ErrorCode::TypeMismatch: return QStringLiteral("несоответствие типов");
    }
    return QStringLiteral("неизвестная ошибка");
}

}  // namespace

QString errorMessage(const convert::Error& error, const QString& fieldCaption) {
    QString message = QStringLiteral("Ошибка %1: %2")
                          .arg(static_cast<int>(error.code()))
                          .arg(describe(error.code()));
    if (!fieldCaption.isEmpty()) {
        message += error.code() == convert::ErrorCode::TypeMismatch
                       ? QStringLiteral("\nПоле «%1» не содержит числа.").arg(fieldCaption)
                       : QStringLiteral("\nОшибка в поле «%1».").arg(fieldCaption);
    }
    message += QStringLiteral("\n\nРасчет не выполнен; введенные данные сохранены.");
    return message;
}

void showErrorBox(QWidget* parent, const convert::Error& error, const QString& fieldCaption) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Ошибка"),
                    errorMessage(error, fieldCaption), QMessageBox::Ok, parent);
    box.exec();
}

void showOutOfRangeWarning(QWidget* parent) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Ошибка"),
                    QStringLiteral("Неправильно введен эшелон и/или вес груза"), QMessageBox::Ok,
                    parent);
    box.exec();
}
