#include "runtime_folder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

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
