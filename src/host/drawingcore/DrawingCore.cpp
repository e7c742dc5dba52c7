// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawingCore.h"

#include <sched.h>

namespace xuehai {

int KeepDrawingOnOneCore() {
    const int core = sched_getcpu();
    if (core < 0) {
        return -1;
    }
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(core, &one);
    // pid 0 is the calling thread: the threads it starts later inherit its set.
    return sched_setaffinity(0, sizeof one, &one) == 0 ? core : -1;
}

}  // namespace xuehai
