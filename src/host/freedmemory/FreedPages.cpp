// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/freedmemory/FreedPages.h"

#include <malloc.h>

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace xuehai {

namespace {
// Long enough for the deferred deletions of a screen change to have run.
constexpr int kSettleMs = 400;
}  // namespace

void ReturnFreedPagesSoon() {
#ifdef __GLIBC__
    static QPointer<QTimer> timer;
    if (timer == nullptr) {
        QCoreApplication* app = QCoreApplication::instance();
        if (app == nullptr) {
            return;
        }
        timer = new QTimer(app);
        timer->setSingleShot(true);
        timer->setInterval(kSettleMs);
        QObject::connect(timer, &QTimer::timeout, [] { malloc_trim(0); });
    }
    if (!timer->isActive()) {
        timer->start();
    }
#endif
}

}  // namespace xuehai
