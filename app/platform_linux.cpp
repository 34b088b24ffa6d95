#include "platform.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <langinfo.h>
#include <pwd.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>
#include <array>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <optional>

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
    struct stat status = {};
    // A folder someone else owns is not ours to use; leave it to Qt to complain.
    if (stat(path.constData(), &status) != 0 || status.st_uid != geteuid()) {
        return;
    }
    // Ours, perhaps readable by others (left by an older program): private, as Qt would make
    // it. Should that fail, Qt names the folder's permissions itself.
    chmod(path.constData(), S_IRWXU);
    qputenv("XDG_RUNTIME_DIR", path);
}

namespace {

// Whether the characters of the environment's locale are UTF-8, as the C library will set them up
// for Qt; nothing when a category names a locale this system lacks, which is Qt's to report.
std::optional<bool> environmentIsUtf8() {
    locale_t locale = newlocale(LC_ALL_MASK, "", nullptr);
    if (locale == nullptr) {
        return std::nullopt;
    }
    const bool utf8 = strcasecmp(nl_langinfo_l(CODESET, locale), "UTF-8") == 0;
    freelocale(locale);
    return utf8;
}

}  // namespace

void provideUtf8Characters() {
    if (environmentIsUtf8().value_or(true)) {
        return;
    }
    // LC_ALL would override the character type: each other category takes its value instead,
    // which is where Qt's regional format and the C library read it from then.
    const QByteArray all = qgetenv("LC_ALL");
    if (!all.isEmpty()) {
        constexpr std::array categories{"LC_NUMERIC",     "LC_TIME",          "LC_COLLATE",
                                        "LC_MONETARY",    "LC_MESSAGES",      "LC_PAPER",
                                        "LC_NAME",        "LC_ADDRESS",       "LC_TELEPHONE",
                                        "LC_MEASUREMENT", "LC_IDENTIFICATION"};
        for (const char* category : categories) {
            qputenv(category, all);
        }
        qunsetenv("LC_ALL");
    }
    // The one Qt 6.8 itself falls back to; every Debian since 12 has it.
    qputenv("LC_CTYPE", "C.UTF-8");
}

// The package depends on the DejaVu faces.
void provideFonts() {}

bool holdRunningMark(const char* /*appId*/) { return true; }
