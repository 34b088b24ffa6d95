// What a Linux start asks of the session before it opens the window: an X11 display, a Wayland
// one (a session without Xwayland) or a platform named outright; with none of them it refuses.
#include "platform.h"

#include <QByteArray>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <array>
#include <tuple>

TEST(CanOpenWindow, OnAnX11OrAWaylandSessionOrANamedPlatform) {
    const std::array<const char*, 3> names{"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
    std::array<QByteArray, 3> saved;
    for (std::size_t i = 0; i < names.size(); ++i) {
        saved.at(i) = qgetenv(names.at(i));
    }
    for (const auto& [x11, wayland, platform, opens] : {std::tuple{":0", "", "", true},
                                                        {"", "wayland-0", "", true},
                                                        {"", "", "xcb", true},
                                                        {"", "", "", false}}) {
        qputenv("DISPLAY", x11);
        qputenv("WAYLAND_DISPLAY", wayland);
        qputenv("QT_QPA_PLATFORM", platform);
        EXPECT_EQ(canOpenWindow(), opens) << x11 << wayland << platform;
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        qputenv(names.at(i), saved.at(i));
    }
}
