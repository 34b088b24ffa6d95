#include "error_box.h"

#include "window_description.h"

#include "convert/error.h"

#include <QMessageBox>

namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString errorMessage(const convert::Error& error, const QString& fieldCaption) {
    return QString::fromStdString(window::errorMessage(error.code(), fieldCaption.toStdString()));
}

void showErrorBox(QWidget* parent, const convert::Error& error, const QString& fieldCaption) {
    QMessageBox box(QMessageBox::Critical, fromView(window::kBoxTitle),
                    errorMessage(error, fieldCaption), QMessageBox::Ok, parent);
    box.exec();
}

void showOutOfRangeWarning(QWidget* parent) {
    QMessageBox box(QMessageBox::Warning, fromView(window::kBoxTitle),
                    fromView(window::kOutOfRangePrompt), QMessageBox::Ok, parent);
    box.exec();
}
