// SPDX-License-Identifier: GPL-3.0-or-later
// The table tests build real windows, so they need a widget application, but never a screen.
#include <QApplication>

#include <gtest/gtest.h>

#include "art/window_art.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
