#include "form1.h"
#include "locale_format.h"
#include "platform.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
    if (!canOpenWindow() || !holdRunningMark(FLIGHTCALC_APP_ID)) {
        return 1;
    }
    provideRuntimeFolder();
    provideUtf8Characters();
    QApplication app(argc, argv);
    // Docks and task bars group the window with its menu entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(FLIGHTCALC_APP_ID));
    Form1 window(numberFormatOf(QLocale::system()));
    window.show();
    return QApplication::exec();
}
