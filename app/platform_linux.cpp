#include "platform.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>

bool canOpenWindow() {
    // Without a display the toolkit would abort with a stack of messages; one clear line instead.
    if (!qEnvironmentVariableIsEmpty("DISPLAY") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
        !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        return true;
    }
    std::fputs("flightcalc: no display to open the window on (DISPLAY is not set)\n", stderr);
    return false;
}

void provideRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        return;
    }
    const passwd* user = getpwuid(geteuid());
    if (user == nullptr) {
        return;
    }
    // The folder Qt itself would fall back to, so other Qt programs share it.
    const QByteArray path = QFile::encodeName(QDir::tempPath()) + "/runtime-" + user->pw_name;
    if (mkdir(path.constData(), S_IRWXU) != 0 && errno != EEXIST) {
        return;
    }
    struct stat status {};
    // A folder someone else owns is not ours to use; leave it to Qt to complain.
    if (stat(path.constData(), &status) != 0 || status.st_uid != geteuid()) {
        return;
    }
    // Ours but readable by others (left by an older program): make it private, as Qt would.
    if ((status.st_mode & 0777) != S_IRWXU && chmod(path.constData(), S_IRWXU) != 0) {
        return;
    }
    qputenv("XDG_RUNTIME_DIR", path);
}

void holdRunningMark(const char* /*appId*/) {}
