// SPDX-License-Identifier: GPL-3.0-or-later
#include "ServerEngine.h"

#include "ServerDialect.h"
#include "ServerErrors.h"
#include "ServerLink.h"
#include "ServerSetting.h"
#include "core/ProgramFolder.h"
#include "store/ConnectionString.h"

namespace xuehai {

namespace {

// One game file on the server, as a Connection holds it.
class ServerDatabase : public EngineDatabase {
public:
    ServerDatabase(std::shared_ptr<ServerLink> link, ServerFile file)
        : link_(std::move(link)),
          file_(std::move(file)),
          name_(file_.path + "（服务器 " + link_->Name() + "）") {}

    ~ServerDatabase() override { RollBack(); }

    void Execute(std::string_view sql) override { Select(sql); }

    SqlRows Select(std::string_view sql) override {
        try {
            return link_->Run(TranslateForServer(sql), {}, file_.schema);
        } catch (const ServerLostError&) {
            throw;
        } catch (const DatabaseError& error) {
            throw DatabaseError(std::string(error.what()) + " (game file " + file_.path + ")");
        }
    }

    void Begin() override {
        if (transaction_ == 0) {
            link_->Begin();
            transaction_ = link_->Transaction();
        }
    }

    void Commit() override {
        const std::uint64_t transaction = transaction_;
        transaction_ = 0;
        if (transaction != 0) {
            link_->Commit(transaction);
        }
    }

    void RollBack() noexcept override {
        const std::uint64_t transaction = transaction_;
        transaction_ = 0;
        if (transaction != 0) {
            link_->RollBack(transaction);
        }
    }

    const std::string& Name() const override { return name_; }

private:
    std::shared_ptr<ServerLink> link_;
    ServerFile file_;
    std::string name_;
    std::uint64_t transaction_ = 0;
};

}  // namespace

ServerEngine::ServerEngine(const std::string& connInfo)
    : link_(std::make_shared<ServerLink>(connInfo)) {}

ServerEngine::~ServerEngine() = default;

std::unique_ptr<EngineDatabase> ServerEngine::Open(const ConnectionSettings& settings) {
    const std::string key = GameFileKey(settings.database, ProgramFolder());
    auto known = files_.find(key);
    if (known == files_.end()) {
        std::optional<ServerFile> file = FindServerFile(*link_, key);
        if (!file) {
            throw DatabaseError("学海的服务器 " + link_->Name() + " 上没有游戏文件 " + key +
                                    "。请老师用 xuehai-bank server init 把游戏文件夹放到服务器上。",
                                FailureKind::Missing);
        }
        known = files_.emplace(key, std::move(*file)).first;
    }
    if (known->second.password != settings.password) {
        throw DatabaseError("game file " + known->second.path + " on server " + link_->Name() +
                            ": wrong password");
    }
    return std::make_unique<ServerDatabase>(link_, known->second);
}

bool UseConfiguredServer(const std::string& gameFolder) {
    const std::optional<ServerSetting> setting = FindServerSetting(ConfigFolders(gameFolder));
    if (!setting) {
        return false;
    }
    UseEngine(std::make_shared<ServerEngine>(setting->connInfo));
    return true;
}

}  // namespace xuehai
