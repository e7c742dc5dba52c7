// SPDX-License-Identifier: GPL-3.0-or-later
// The main of every test program that needs a QApplication: offscreen unless the run asks
// for a display (so listing the tests works without one), and the movies' software
// renderer, as in the game.
#include <gtest/gtest.h>

#include <QApplication>

#include "host/movie/MovieEngine.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    xuehai::UseSoftwareQuickRenderer();
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
