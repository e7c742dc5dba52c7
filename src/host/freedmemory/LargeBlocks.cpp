// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/freedmemory/LargeBlocks.h"

#include <malloc.h>

namespace xuehai {

namespace {
constexpr int kLargeBlockBytes = 128 << 10;
}

void ReturnLargeBlocksAtOnce() {
#ifdef __GLIBC__
    // A bound set by hand is kept as it is.
    mallopt(M_MMAP_THRESHOLD, kLargeBlockBytes);
#endif
}

}  // namespace xuehai
