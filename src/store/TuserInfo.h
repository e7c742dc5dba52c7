// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace xuehai {

class Connection;
class Query;

// The player records ("Save\userinfo.dat"): registration, scores and classes, and the
// overall right and wrong counts of ActiveUser.
class TuserInfo {
public:
    explicit TuserInfo(const std::string& path);
    ~TuserInfo();
    TuserInfo(const TuserInfo&) = delete;
    TuserInfo& operator=(const TuserInfo&) = delete;

    // Whose counts GetUserRight/SetUserRight/GetUserWrong/SetUserWrong read and write.
    std::string ActiveUser;

    bool AddUser(const std::string& name, int avatar);
    bool AddScore(const std::string& name, std::int32_t change);
    // Empty, or name, score, class, avatar as decimal texts.
    std::vector<std::string> GetUserData(const std::string& name);
    std::vector<std::string> GetUserNames();
    std::int32_t GetUserRight();
    void SetUserRight(std::int32_t value);
    std::int32_t GetUserWrong();
    void SetUserWrong(std::int32_t value);

    // The file's connection, for a command that joins it to a CommandTransaction.
    Connection& Database() { return *connection_; }

private:
    // UserRight or UserWrong of ActiveUser: 0 when it cannot be read; a failed write is
    // ignored.
    std::int32_t ReadCounter(const std::string& column);
    void WriteCounter(const std::string& column, std::int32_t value);

    std::unique_ptr<Connection> connection_;
    std::unique_ptr<Query> query_;
};

}  // namespace xuehai
