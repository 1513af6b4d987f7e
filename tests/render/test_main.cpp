// Runs the drawing tests with a display-less application, so fonts and images work anywhere.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "fonts.h"
#include "headless_platform.h"

int main(int argc, char** argv) {
    SelectHeadlessPlatform();
    QGuiApplication app(argc, argv);
    InstallFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
