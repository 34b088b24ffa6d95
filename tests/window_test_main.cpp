// The window tests need a QApplication; they run on the offscreen platform unless told otherwise,
// with a private runtime folder, so a machine without a desktop session prints no warnings.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// The offscreen platform cannot pass size hints to a window manager it does not have; every
// message box says so. Anything else Qt reports is printed.
void printUnlessOffscreenNotice(QtMsgType /*unused*/, const QMessageLogContext& /*unused*/,
                                const QString& message) {
    if (message == QLatin1String("This plugin does not support propagateSizeHints()")) {
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir runtime;  // created with mode 0700, as the runtime folder must be
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid()) {
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    }
    qInstallMessageHandler(printUnlessOffscreenNotice);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
