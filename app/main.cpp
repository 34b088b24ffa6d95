#include "form1.h"
#include "locale_format.h"
#include "platform.h"

#include <QApplication>
#include <QLocale>
#include <QScreen>
#include <QStyle>

int main(int argc, char* argv[]) {
    if (!canOpenWindow() || !holdRunningMark(FLIGHTCALC_APP_ID)) {
        return 1;
    }
    provideRuntimeFolder();
    provideUtf8Characters();
    QApplication app(argc, argv);
    provideFonts();
    // Docks and task bars group the window with its menu entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(FLIGHTCALC_APP_ID));
    Form1 window(numberFormatOf(QLocale::system()));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                               screen->availableGeometry()));
    }
    window.show();
    return QApplication::exec();
}
