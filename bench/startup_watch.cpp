// Starts a program and measures its start-up from the moment before the exec: under X, the
// first window mapped (MapNotify on the root) and its first painted frame (the last Damage
// event on it before a quiet period), then closes it the way a window manager would; under
// the offscreen platform, the two times the preloaded paint marker prints. Also the peak
// resident memory, the figure /usr/bin/time -v reports, read from wait4 here so that no
// other process stands between the exec and the window.
//
//   startup_watch [--quiet MS] [--timeout MS] [--offscreen MARKER.so] -- PROGRAM [ARGS...]
//
// Prints one line: milliseconds to the map, milliseconds to the painted frame, peak resident
// kilobytes, number of damage events (0 offscreen).
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <sys/resource.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

double nowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct Options {
    double quietMs = 300;
    double timeoutMs = 20000;
    std::string marker;  // the paint marker library: offscreen mode
    std::vector<char*> command;
};

struct Child {
    pid_t pid = -1;
    int output = -1;  // its standard output, offscreen mode only
};

struct Outcome {
    double mapMs = -1;
    double paintMs = -1;
    long rssKb = -1;
    int damageEvents = 0;
};

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "startup_watch: %s\n", what);
    std::exit(1);
}

Options parse(int argc, char* argv[]) {
    Options options;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") {
            ++i;
            break;
        }
        if (i + 1 >= argc) {
            fail("option without a value");
        }
        if (arg == "--quiet") {
            options.quietMs = std::atof(argv[++i]);
        } else if (arg == "--timeout") {
            options.timeoutMs = std::atof(argv[++i]);
        } else if (arg == "--offscreen") {
            options.marker = argv[++i];
        } else {
            fail("unknown option");
        }
    }
    for (; i < argc; ++i) {
        options.command.push_back(argv[i]);
    }
    if (options.command.empty()) {
        fail(
            "usage: startup_watch [--quiet MS] [--timeout MS] [--offscreen MARKER.so] -- PROGRAM "
            "[ARGS...]");
    }
    options.command.push_back(nullptr);
    return options;
}

Child launch(const Options& options) {
    int pipeEnds[2] = {-1, -1};
    if (!options.marker.empty() && pipe(pipeEnds) != 0) {
        fail("cannot make a pipe");
    }
    Child child;
    child.pid = fork();
    if (child.pid < 0) {
        fail("cannot fork");
    }
    if (child.pid == 0) {
        setpgid(0, 0);
        if (!options.marker.empty()) {
            dup2(pipeEnds[1], STDOUT_FILENO);
            close(pipeEnds[0]);
            close(pipeEnds[1]);
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            setenv("LD_PRELOAD", options.marker.c_str(), 1);
            setenv("PAINT_MARKER_EXIT", "1", 1);
        }
        execvp(options.command[0], options.command.data());
        std::perror("startup_watch: exec");
        _exit(127);
    }
    setpgid(child.pid, child.pid);
    if (!options.marker.empty()) {
        close(pipeEnds[1]);
        child.output = pipeEnds[0];
    }
    return child;
}

// Waits for the child to end, up to the deadline; kills its process group after that.
long reap(const Child& child, double deadlineMs, bool& cleanExit) {
    int status = 0;
    rusage usage{};
    while (true) {
        const pid_t done = wait4(child.pid, &status, WNOHANG, &usage);
        if (done == child.pid) {
            cleanExit = WIFEXITED(status) && WEXITSTATUS(status) == 0;
            return usage.ru_maxrss;
        }
        if (nowMs() > deadlineMs) {
            kill(-child.pid, SIGKILL);
            wait4(child.pid, &status, 0, &usage);
            cleanExit = false;
            return usage.ru_maxrss;
        }
        usleep(2000);
    }
}

bool waitReadable(int fd, double untilMs) {
    const double left = untilMs - nowMs();
    if (left <= 0) {
        return false;
    }
    fd_set set;
    FD_ZERO(&set);
    FD_SET(fd, &set);
    timeval timeout{};
    timeout.tv_sec = static_cast<time_t>(left / 1000);
    timeout.tv_usec =
        static_cast<suseconds_t>((left - static_cast<double>(timeout.tv_sec) * 1000) * 1000);
    return select(fd + 1, &set, nullptr, nullptr, &timeout) > 0;
}

int ignoreXErrors(Display* /*display*/, XErrorEvent* /*error*/) { return 0; }

Outcome watchX(const Options& options) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        fail("cannot open the display");
    }
    XSetErrorHandler(ignoreXErrors);
    int damageBase = 0;
    int damageErrorBase = 0;
    if (XDamageQueryExtension(display, &damageBase, &damageErrorBase) == False) {
        fail("the X server has no Damage extension");
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    Outcome outcome;
    const double start = nowMs();
    const Child child = launch(options);
    const double deadline = start + options.timeoutMs;
    Window mapped = 0;
    double lastDamage = -1;
    const int fd = ConnectionNumber(display);
    while (true) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            const double at = nowMs();
            if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
                XDamageCreate(display, event.xcreatewindow.window, XDamageReportRawRectangles);
                XFlush(display);
            } else if (event.type == MapNotify && mapped == 0) {
                mapped = event.xmap.window;
                outcome.mapMs = at - start;
            } else if (event.type == damageBase + XDamageNotify) {
                // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): Xlib's event union
                const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
                if (mapped != 0 && damage.drawable == mapped) {
                    lastDamage = at;
                    ++outcome.damageEvents;
                }
            }
        }
        const double now = nowMs();
        if (lastDamage >= 0 && now - lastDamage >= options.quietMs) {
            outcome.paintMs = lastDamage - start;
            break;
        }
        if (now > deadline) {
            break;
        }
        int status = 0;
        if (waitpid(child.pid, &status, WNOHANG) == child.pid) {
            fail("the program ended before its window was painted");
        }
        const double wakeAt = lastDamage >= 0 ? std::min(lastDamage + options.quietMs, deadline)
                                              : std::min(now + 50, deadline);
        waitReadable(fd, wakeAt);
    }

    // Closed as a window manager closes it, so the program ends normally.
    if (mapped != 0) {
        XEvent close{};
        close.xclient.type = ClientMessage;
        close.xclient.window = mapped;
        close.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        close.xclient.format = 32;
        close.xclient.data.l[0] =
            static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
        close.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, mapped, False, NoEventMask, &close);
        XFlush(display);
    }
    bool cleanExit = false;
    outcome.rssKb = reap(child, nowMs() + 5000, cleanExit);
    XCloseDisplay(display);
    if (outcome.paintMs < 0) {
        fail("no painted frame before the time-out");
    }
    return outcome;
}

Outcome watchOffscreen(const Options& options) {
    Outcome outcome;
    const double start = nowMs();
    const Child child = launch(options);
    const double deadline = start + options.timeoutMs;
    FILE* output = fdopen(child.output, "r");
    char line[512];
    while (outcome.paintMs < 0 && waitReadable(child.output, deadline) &&
           std::fgets(line, sizeof line, output) != nullptr) {
        char what[32] = {};
        long long nanoseconds = 0;
        if (std::sscanf(line, "paint-marker %31s %lld", what, &nanoseconds) != 2) {
            continue;
        }
        const double ms = static_cast<double>(nanoseconds) / 1e6 - start;
        if (std::strcmp(what, "exposed") == 0) {
            outcome.mapMs = ms;
        } else if (std::strcmp(what, "painted") == 0) {
            outcome.paintMs = ms;
        }
    }
    bool cleanExit = false;
    outcome.rssKb = reap(child, nowMs() + 5000, cleanExit);
    std::fclose(output);
    if (outcome.paintMs < 0 || outcome.mapMs < 0) {
        fail("no paint marker before the time-out");
    }
    return outcome;
}

}  // namespace

int main(int argc, char* argv[]) {
    const Options options = parse(argc, argv);
    const Outcome outcome = options.marker.empty() ? watchX(options) : watchOffscreen(options);
    std::printf("%.2f %.2f %ld %d\n", outcome.mapMs, outcome.paintMs, outcome.rssKb,
                outcome.damageEvents);
    return 0;
}
