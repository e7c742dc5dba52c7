// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>

#include "host/movie/MovieEngine.h"

int main(int argc, char** argv) {
    xuehai::UseSoftwareQuickRenderer();
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
