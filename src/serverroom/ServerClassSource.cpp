// SPDX-License-Identifier: GPL-3.0-or-later
#include "serverroom/ServerClassSource.h"

#include "server/ServerEngine.h"
#include "serverroom/ServerSubjects.h"

namespace xuehai::classroom {

ServerClassSource::ServerClassSource(std::shared_ptr<ServerEngine> engine)
    : engine_(std::move(engine)) {}

std::vector<Subject> ServerClassSource::Open() {
    UseEngine(engine_);
    return bank::ReadServerSubjects(engine_->Link());
}

}  // namespace xuehai::classroom
