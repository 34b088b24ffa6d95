// A Qt plugin the quiet-start test loads into the unchanged program (QT_QPA_GENERIC_PLUGINS):
// once the first window has been exposed and painted it says "first paint" on standard output
// and ends the program, so the test judges standard error only after the window was up.
#include <QCoreApplication>
#include <QEvent>
#include <QGenericPlugin>
#include <QMetaObject>

#include <cstdio>
#include <cstdlib>

namespace {

class FirstPaintWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!exposed_ && event->type() == QEvent::Expose && watched->isWindowType()) {
            exposed_ = true;
            // Widgets paint and flush while the expose event is delivered: a call queued now
            // runs once that frame is done.
            QMetaObject::invokeMethod(this, &FirstPaintWatcher::painted, Qt::QueuedConnection);
        }
        return false;
    }

private:
    static void painted() {
        std::fputs("first paint\n", stdout);
        std::fflush(stdout);
        // Ended as a kill would: nothing of the program's own shutdown runs.
        std::_Exit(0);
    }

    bool exposed_ = false;
};

}  // namespace

class FirstPaintPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "first_paint.json")

public:
    QObject* create(const QString& /*name*/, const QString& /*spec*/) override {
        auto* watcher = new FirstPaintWatcher;
        QCoreApplication::instance()->installEventFilter(watcher);
        return watcher;
    }
};

#include "first_paint.moc"
