// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "classroom/StoreClassSource.h"

namespace xuehai {
class ServerEngine;
}

namespace xuehai::classroom {

// A class as a computer room's server holds it (after xuehai-bank server init): the same
// reading as a game folder's, with the store's databases put on the server.
class ServerClassSource : public StoreClassSource {
public:
    explicit ServerClassSource(std::shared_ptr<ServerEngine> engine);

private:
    std::vector<Subject> Open() override;

    std::shared_ptr<ServerEngine> engine_;
};

}  // namespace xuehai::classroom
