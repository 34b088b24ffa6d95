// The window tests need a QApplication; they run on the offscreen platform unless told otherwise,
// with a private runtime folder, so a machine without a desktop session prints no warnings.
#include "platform.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir runtime;  // created with mode 0700, as the runtime folder must be
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid()) {
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }
    // The offscreen platform cannot pass size hints to a window manager; every box says so.
    provideUtf8Characters();
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& message) {
        if (message != QLatin1String("This plugin does not support propagateSizeHints()")) {
            std::fprintf(stderr, "%s\n", qPrintable(message));
        }
    });
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    const int failed = RUN_ALL_TESTS();
    // A filter that matches nothing (a suite renamed) must not pass as a run.
    return testing::UnitTest::GetInstance()->test_to_run_count() == 0 ? 1 : failed;
}
