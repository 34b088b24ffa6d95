#pragma once

#include <QString>

class QWidget;

namespace convert {
class Error;
}

// The report of a failed calculation: "Ошибка 13: несоответствие типов" and, where the failure
// is one field's, that field's caption.
[[nodiscard]] QString errorMessage(const convert::Error& error, const QString& fieldCaption = {});

// A modal critical box with one OK button; the window and its fields stay as they were.
void showErrorBox(QWidget* parent, const convert::Error& error, const QString& fieldCaption = {});
