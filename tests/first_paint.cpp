// A Qt plugin the quiet-start test loads into the unchanged program (QT_QPA_GENERIC_PLUGINS):
// once the first window has been painted it presses the fuel calculator's button, says "first
// paint", the fuel weight, the name docks group the window by, the runtime folder and the C
// library's locale on standard output and closes the window, so the test judges standard error
// up to the program's end, the regional format and the locale the program took, its menu entry's
// name and where it keeps its runtime files.
#include "first_paint.h"

#include <QApplication>
#include <QGenericPlugin>
#include <QLineEdit>
#include <QPushButton>

#include <clocale>
#include <cstdio>

class FirstPaintPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "first_paint.json")

public:
    QObject* create(const QString& /*key*/, const QString& /*arguments*/) override {
        auto* watcher = new FirstPaintWatcher(
            QApplication::instance(), [] {},
            [] {
                QString fuel;
                for (QWidget* window : QApplication::topLevelWidgets()) {
                    if (auto* button = window->findChild<QPushButton*>("Command2")) {
                        button->click();
                        fuel = window->findChild<QLineEdit*>("Text8")->text();
                    }
                }
                std::printf("first paint %s %s %s %s\n", qPrintable(fuel),
                            qPrintable(QGuiApplication::desktopFileName()),
                            qgetenv("XDG_RUNTIME_DIR").constData(),
                            std::setlocale(LC_ALL, nullptr));
                std::fflush(stdout);
                // Closed as a user closes it, so the program's own ending runs and is judged.
                QApplication::closeAllWindows();
            });
        watcher->setParent(nullptr);  // the application deletes its plugins' objects itself
        return watcher;
    }
};

#include "first_paint.moc"
