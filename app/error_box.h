#pragma once

#include "window/click.h"

#include <QString>

class QWidget;

// The box a click opens, modal over the window with one OK button: the fuel estimate's warning
// (the exclamation icon) or the report of a failed calculation (the critical one). The window and
// its fields stay as they were.
void showBox(QWidget* parent, window::Box box, const QString& text);
