// SPDX-License-Identifier: GPL-3.0-or-later
#include "TuserInfo.h"

#include "Connection.h"
#include "ConnectionString.h"
#include "Query.h"
#include "SqlText.h"
#include "core/Errors.h"

namespace xuehai {

TuserInfo::TuserInfo(const std::string& path)
    : connection_(std::make_unique<Connection>(MakeConnectionString(path))),
      query_(std::make_unique<Query>(*connection_)) {}

TuserInfo::~TuserInfo() = default;

bool TuserInfo::AddUser(const std::string& name, int avatar) {
    const std::string player = EscapeQuotes(name);
    QueryCloser closer(*query_);
    query_->SetText("SELECT * FROM UserInfo WHERE UserName='" + player + "'");
    query_->Open();
    if (!query_->AtEnd()) {
        return false;
    }
    connection_->Execute("INSERT INTO UserInfo(UserName,UserHead) VALUES('" + player + "'," +
                         std::to_string(avatar) + ")");
    return true;
}

bool TuserInfo::AddScore(const std::string& name, std::int32_t change) {
    const std::string player = EscapeQuotes(name);
    try {
        if (change > 0) {
            connection_->Execute("UPDATE UserInfo Set UserScore=UserScore+" +
                                 std::to_string(change) + " WHERE UserName='" + player + "'");
        }
        if (change < 0) {
            // Widened first: the absolute value of the lowest 32-bit integer does not fit.
            const std::int64_t amount = -static_cast<std::int64_t>(change);
            connection_->Execute("UPDATE UserInfo Set UserScore=UserScore-" +
                                 std::to_string(amount) + " WHERE UserName='" + player + "'");
        }
        connection_->Execute(
            "UPDATE UserInfo Set UserClass=int(UserScore/1000)+1  WHERE UserName='" + player + "'");
        connection_->Execute("UPDATE UserInfo Set UserScore=0 WHERE UserName='" + player +
                             "' and UserScore<0");
        return true;
    } catch (const Error&) {
        return false;
    }
}

std::vector<std::string> TuserInfo::GetUserData(const std::string& name) {
    QueryCloser closer(*query_);
    query_->SetText("SELECT * FROM UserInfo WHERE USerName='" + EscapeQuotes(name) + "'");
    query_->Open();
    std::vector<std::string> list;
    if (!query_->AtEnd()) {
        for (const char* column : {"UserName", "UserScore", "UserClass", "UserHead"}) {
            list.push_back(query_->Text(column));
        }
    }
    return list;
}

std::vector<std::string> TuserInfo::GetUserNames() {
    QueryCloser closer(*query_);
    std::vector<std::string> list;
    query_->SetText("SELECT UserName FROM UserInfo");
    query_->Open();
    const int rows = query_->RowCount();
    list.reserve(static_cast<std::size_t>(rows));
    for (int i = 0; i < rows; ++i) {
        list.push_back(query_->Text("UserName"));
        query_->Next();
    }
    return list;
}

std::int32_t TuserInfo::GetUserRight() {
    return ReadCounter("UserRight");
}

void TuserInfo::SetUserRight(std::int32_t value) {
    WriteCounter("UserRight", value);
}

std::int32_t TuserInfo::GetUserWrong() {
    return ReadCounter("UserWrong");
}

void TuserInfo::SetUserWrong(std::int32_t value) {
    WriteCounter("UserWrong", value);
}

std::int32_t TuserInfo::ReadCounter(const std::string& column) {
    QueryCloser closer(*query_);
    try {
        query_->SetText("SELECT " + column + " FROM UserInfo WHERE UserName='" +
                        EscapeQuotes(ActiveUser) + "'");
        query_->Open();
        return query_->Integer(column);
    } catch (const Error&) {
        return 0;
    }
}

void TuserInfo::WriteCounter(const std::string& column, std::int32_t value) {
    try {
        connection_->Execute("UPDATE UserInfo Set " + column + "=" + std::to_string(value) +
                             " WHERE UserName='" + EscapeQuotes(ActiveUser) + "'");
    } catch (const Error&) {
        // The counts are a convenience of the report; a failed write must not stop a quiz.
    }
}

}  // namespace xuehai
