// What a Linux start asks of the session before it opens the window: an X11 display, a Wayland
// one (a session without Xwayland) or a platform named outright; with none of them it refuses.
// And what it leaves to Qt to complain of: a runtime folder it may not use, a locale the system
// lacks. The starts themselves (tests/quiet_start.cmake) show the rest.
#include "platform.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstdlib>
#include <initializer_list>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// Sets variables (nullptr unsets one) for one test and gives back the ones it found as it ends.
class Environment {
public:
    Environment(std::initializer_list<std::pair<const char*, const char*>> values) {
        for (const auto& [name, value] : values) {
            saved_.emplace_back(name,
                                qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray());
            set(name, value);
        }
    }
    Environment(const Environment&) = delete;
    Environment& operator=(const Environment&) = delete;
    ~Environment() {
        for (const auto& [name, value] : saved_) {
            set(name, value.isNull() ? nullptr : value.constData());
        }
    }

private:
    static void set(const char* name, const char* value) {
        value == nullptr ? qunsetenv(name) : qputenv(name, value);
    }
    std::vector<std::pair<const char*, QByteArray>> saved_;
};

}  // namespace

TEST(CanOpenWindow, OnAnX11OrAWaylandSessionOrANamedPlatform) {
    for (const auto& [x11, wayland, platform, opens] : {std::tuple{":0", "", "", true},
                                                        {"", "wayland-0", "", true},
                                                        {"", "", "xcb", true},
                                                        {"", "", "", false}}) {
        const Environment session{
            {"DISPLAY", x11}, {"WAYLAND_DISPLAY", wayland}, {"QT_QPA_PLATFORM", platform}};
        EXPECT_EQ(canOpenWindow(), opens) << x11 << wayland << platform;
    }
}

// Only root can make a folder another user owns, or become a user the system has no name for.
TEST(ProvideRuntimeFolder, LeavesAFolderAnotherUserOwnsAndAUserWithoutANameToQt) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root";
    }
    const QTemporaryDir temporary;
    const Environment session{{"TMPDIR", temporary.path().toLocal8Bit().constData()},
                              {"XDG_RUNTIME_DIR", nullptr}};
    const QByteArray folder = temporary.path().toLocal8Bit() + "/runtime-" + getpwuid(0)->pw_name;
    ASSERT_EQ(mkdir(folder.constData(), S_IRWXU | S_IRGRP | S_IXGRP), 0);
    ASSERT_EQ(chown(folder.constData(), 4321, 4321), 0);
    provideRuntimeFolder();
    EXPECT_FALSE(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"));
    struct stat status = {};
    ASSERT_EQ(stat(folder.constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, S_IRWXU | S_IRGRP | S_IXGRP) << "another user's, untouched";

    uid_t nameless = 54321;
    while (getpwuid(nameless) != nullptr) {
        ++nameless;
    }
    EXPECT_EXIT(
        {
            if (setuid(nameless) != 0) {
                std::_Exit(2);
            }
            provideRuntimeFolder();
            std::_Exit(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR") ? 1 : 0);
        },
        testing::ExitedWithCode(0), "");
}

TEST(ProvideUtf8Characters, LeavesALocaleTheSystemLacksToQt) {
    const Environment session{
        {"LC_ALL", "xx_XX.ISO-8859-1"}, {"LC_CTYPE", nullptr}, {"LC_NUMERIC", nullptr}};
    provideUtf8Characters();
    EXPECT_EQ(qgetenv("LC_ALL"), "xx_XX.ISO-8859-1");
    EXPECT_FALSE(qEnvironmentVariableIsSet("LC_CTYPE"));
    EXPECT_FALSE(qEnvironmentVariableIsSet("LC_NUMERIC"));
}
