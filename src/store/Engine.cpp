// SPDX-License-Identifier: GPL-3.0-or-later
#include "Engine.h"

namespace xuehai {

namespace {

std::shared_ptr<Engine>& InUse() {
    static std::shared_ptr<Engine> engine;
    return engine;
}

}  // namespace

void UseEngine(std::shared_ptr<Engine> engine) {
    InUse() = std::move(engine);
}

std::shared_ptr<Engine> CurrentEngine() {
    return InUse();
}

}  // namespace xuehai
