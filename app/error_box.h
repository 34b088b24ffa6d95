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

// The fuel calculator's warning that the altitude or the cargo is outside the aircraft's
// ranges: a modal box with the exclamation icon and one OK button.
void showOutOfRangeWarning(QWidget* parent);
