// A Qt plugin the quiet-start test loads into the unchanged program (QT_QPA_GENERIC_PLUGINS):
// once the first window has been painted it says "first paint" on standard output and ends
// the program, so the test judges standard error only after the window was up.
#include "first_paint.h"

#include <QCoreApplication>
#include <QGenericPlugin>

#include <cstdio>
#include <cstdlib>

class FirstPaintPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "first_paint.json")

public:
    QObject* create(const QString& /*key*/, const QString& /*arguments*/) override {
        return new FirstPaintWatcher(
            QCoreApplication::instance(), [] {},
            [] {
                std::fputs("first paint\n", stdout);
                std::fflush(stdout);
                // Ended as a kill would: nothing of the program's own shutdown runs.
                std::_Exit(0);
            });
    }
};

#include "first_paint.moc"
