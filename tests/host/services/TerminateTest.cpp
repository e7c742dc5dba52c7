// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include "host/services/QtPlatform.h"

namespace xuehai {
namespace {

// Runs alone in its process: once the run is ended, no event loop of it runs again.
TEST(Terminate, EndsEveryModalLoopTheMainLoopAndAnyLoopStartedAfter) {
    QtPlatform platform;
    bool outerReturned = false;
    bool innerReturned = false;
    bool laterReturnedAtOnce = false;
    QTimer::singleShot(0, [&] {
        QDialog outer;
        QTimer::singleShot(0, [&] {
            QDialog inner;
            QTimer::singleShot(0, [&] { platform.Terminate(); });
            inner.exec();
            innerReturned = true;

            QDialog later;
            QTimer::singleShot(3000, &later, &QDialog::accept);
            QElapsedTimer elapsed;
            elapsed.start();
            later.exec();
            laterReturnedAtOnce = elapsed.elapsed() < 1000;
        });
        outer.exec();
        outerReturned = true;
    });
    QElapsedTimer elapsed;
    elapsed.start();
    QApplication::exec();
    EXPECT_TRUE(innerReturned);
    EXPECT_TRUE(laterReturnedAtOnce);
    EXPECT_TRUE(outerReturned);
    EXPECT_LT(elapsed.elapsed(), 2000);
}

}  // namespace
}  // namespace xuehai
