// Runs the window tests with a display-less application, a private registry and a private
// current folder, so nothing of the user's is read or written.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "fonts.h"
#include "headless_platform.h"

int main(int argc, char** argv) {
    SelectHeadlessPlatform();
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tesmara"));
    InstallFontSubstitutions();
    QTemporaryDir startDir;
    QDir::setCurrent(startDir.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
