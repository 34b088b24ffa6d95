#include "form1.h"
#include "locale_format.h"
#include "runtime_folder.h"

#include <QApplication>
#include <QLocale>
#include <QScreen>
#include <QStyle>

#include <cstdio>

namespace {

// Without a display the toolkit would abort with a stack of messages; one clear line instead.
bool hasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char* argv[]) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (!hasDisplay()) {
        std::fputs("flightcalc: no display to open the window on (DISPLAY is not set)\n", stderr);
        return 1;
    }
#endif
    provideRuntimeFolder();
    QApplication app(argc, argv);
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
