// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoreTestSupport.h"

#include <cstdlib>
#include <memory>
#include <vector>

#include "FieldEncoder.h"
#include "core/Errors.h"
#include "core/ProgramFolder.h"
#include "store/Connection.h"
#include "store/ConnectionString.h"
#include "store/GameRandom.h"
#include "store/Query.h"

namespace xuehai::test {

void GameFolderTest::SetUp() {
    std::string pattern = (std::filesystem::temp_directory_path() / "xuehai-store-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    SetProgramFolder(folder_);
}

void GameFolderTest::TearDown() {
    ReleaseIdleConnections();
    SetTimeOfDayClock({});
    std::filesystem::remove_all(folder_);
}

std::string GameFolderTest::Create(const std::string& relative, DatabaseKind kind) {
    const std::filesystem::path file = folder_ / relative;
    std::filesystem::create_directories(file.parent_path());
    CreateDatabaseFile(file, kind);
    return file.string();
}

void GameFolderTest::Run(const std::string& path, const std::string& sql) {
    Connection(std::filesystem::path(path), GamePassword).Execute(sql);
}

std::string GameFolderTest::Value(const std::string& path, const std::string& column,
                                  const std::string& rest) {
    Connection connection(std::filesystem::path(path), GamePassword);
    Query query(connection);
    query.SetText("SELECT " + column + " FROM " + rest);
    query.Open();
    if (query.AtEnd()) {
        return "none";
    }
    try {
        return query.Text(column);
    } catch (const ConversionError&) {
        return "NULL";
    }
}

void GameFolderTest::AddQuestion(const std::string& bank, std::int32_t id,
                                 const std::string& question, const std::string& right,
                                 const std::string& flag) {
    static FieldEncoder encoder(20240611);
    std::string sql = "INSERT INTO Question(QAID,QACont,QAA,QAB,QAC,QAD,QARight,QAFLAG) VALUES(" +
                      std::to_string(id) + ",'" + encoder.EncodeUtf8(question) + "'";
    for (const char* answer : {"甲", "乙", "丙", "丁"}) {
        sql += ",'" + encoder.EncodeUtf8(question + answer) + "'";
    }
    sql += ",'" + right + "','" + flag + "')";
    Run(bank, sql);
}

std::shared_ptr<std::size_t> UseClock(std::initializer_list<std::uint32_t> times) {
    auto queue = std::make_shared<std::vector<std::uint32_t>>(times);
    auto next = std::make_shared<std::size_t>(0);
    SetTimeOfDayClock([queue, next] {
        const std::uint32_t time = (*queue)[std::min(*next, queue->size() - 1)];
        ++*next;
        return time;
    });
    return next;
}

}  // namespace xuehai::test
