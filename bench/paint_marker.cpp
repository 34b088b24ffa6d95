// Preloaded into a Qt program (LD_PRELOAD) by the start-up benchmark where no X server can
// tell when the window was painted, as on the offscreen platform: prints the monotonic time
// of the first expose of a window and the time its paint was done, then optionally exits.
// The program itself is not changed.
#include "tests/first_paint.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

void mark(const char* what) {
    std::fprintf(stdout, "paint-marker %s %lld\n", what, monotonicNanoseconds());
    std::fflush(stdout);
}

void exposed() { mark("exposed"); }

void painted() {
    mark("painted");
    if (std::getenv("PAINT_MARKER_EXIT") != nullptr) {
        std::_Exit(0);
    }
}

void install() { new FirstPaintWatcher(QCoreApplication::instance(), exposed, painted); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(install)
