#include "error_box.h"

#include "window/description.h"

#include <QMessageBox>

void showBox(QWidget* parent, window::Box box, const QString& text) {
    const std::string_view title = window::kBoxTitle;
    QMessageBox message(box == window::Box::Warning ? QMessageBox::Warning : QMessageBox::Critical,
                        QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())), text,
                        QMessageBox::Ok, parent);
    message.exec();
}
