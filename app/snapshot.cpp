// Renders the calculator window into a PNG without a display, for machines that have none.
#include "form1.h"
#include "locale_format.h"
#include "platform.h"

#include <QApplication>
#include <QLocale>
#include <QPixmap>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: flightcalc-snapshot OUT.png\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    provideRuntimeFolder();
    QApplication app(argc, argv);
    Form1 window(numberFormatOf(QLocale::system()));
    window.show();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "flightcalc-snapshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
