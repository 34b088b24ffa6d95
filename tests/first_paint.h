#pragma once
// Tells a Qt program's first painted frame without changing the program: on the first expose
// of a window it calls `exposed`, and `painted` once that frame is done (widgets paint and
// flush while the expose event is delivered, so a call queued then runs after the frame).
// Shared by the quiet-start test's plugin and the start-up benchmark's paint marker.
#include <QEvent>
#include <QMetaObject>
#include <QObject>

class FirstPaintWatcher : public QObject {
public:
    using Call = void (*)();

    // Watches every event of the application it is given, its parent.
    FirstPaintWatcher(QObject* application, Call exposed, Call painted)
        : QObject(application), exposed_(exposed), painted_(painted) {
        application->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Expose && watched->isWindowType()) {
            seen_ = true;
            exposed_();
            QMetaObject::invokeMethod(this, painted_, Qt::QueuedConnection);
        }
        return false;
    }

private:
    Call exposed_;
    Call painted_;
    bool seen_ = false;
};
