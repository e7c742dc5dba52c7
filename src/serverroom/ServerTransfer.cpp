// SPDX-License-Identifier: GPL-3.0-or-later
#include "serverroom/ServerTransfer.h"

#include <sqlite3.h>
#include <unistd.h>

#include <optional>

#include "authoring/BankRows.h"
#include "authoring/BankUpdate.h"
#include "authoring/GameFile.h"
#include "authoring/Sql.h"
#include "authoring/ToolError.h"
#include "classroom/FolderClassSource.h"
#include "core/Errors.h"
#include "core/ProgramFolder.h"
#include "server/ServerLink.h"
#include "server/ServerSchema.h"
#include "serverroom/ServerRoles.h"
#include "serverroom/ServerSubjects.h"
#include "store/Connection.h"

namespace xuehai::bank {

namespace {

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

// A table's name on the server (kept in lower case there, see ServerSchema.h).
std::string ServerTable(const std::string& table) {
    return "\"" + Lower(table) + "\"";
}

bool HasTable(sqlite3* db, const std::string& table) {
    SqlStatement find(db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?");
    find.Bind(1, table);
    return find.Step();
}

// Every row of a file's table onto the server's table of the same name.
void CopyToServer(sqlite3* db, ServerLink& link, const std::string& schema,
                  const std::string& table) {
    if (!HasTable(db, table)) {
        return;
    }
    const std::string select = "SELECT * FROM [" + table + "]";
    sqlite3_stmt* rows = nullptr;
    if (sqlite3_prepare_v2(db, select.c_str(), -1, &rows, nullptr) != SQLITE_OK) {
        throw DatabaseError(std::string(sqlite3_errmsg(db)) + " (statement: " + select + ")");
    }
    const int columns = sqlite3_column_count(rows);
    std::string insert = "INSERT INTO " + ServerTable(table) + " (";
    std::string values;
    for (int c = 0; c < columns; ++c) {
        insert +=
            std::string(c == 0 ? "" : ", ") + "\"" + Lower(sqlite3_column_name(rows, c)) + "\"";
        values += (c == 0 ? "$" : ", $") + std::to_string(c + 1);
    }
    insert += ") VALUES (" + values + ")";
    try {
        int rc = SQLITE_ROW;
        while ((rc = sqlite3_step(rows)) == SQLITE_ROW) {
            ServerLink::Parameters parameters;
            for (int c = 0; c < columns; ++c) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(rows, c));
                parameters.push_back(
                    text != nullptr
                        ? std::optional<std::string>(std::string(
                              text, static_cast<std::size_t>(sqlite3_column_bytes(rows, c))))
                        : std::nullopt);
            }
            link.Run(insert, parameters, schema);
        }
        if (rc != SQLITE_DONE) {
            throw DatabaseError(std::string(sqlite3_errmsg(db)) + " (statement: " + select + ")");
        }
    } catch (...) {
        sqlite3_finalize(rows);
        throw;
    }
    sqlite3_finalize(rows);
}

// Every row of the server's table into the file's table of the same name.
void CopyFromServer(ServerLink& link, const std::string& schema, const std::string& table,
                    sqlite3* db) {
    const SqlRows rows = link.Run("SELECT * FROM " + ServerTable(table), {}, schema);
    if (rows.columns.empty()) {
        return;
    }
    std::string insert = "INSERT INTO [" + table + "] (";
    std::string marks;
    for (std::size_t c = 0; c < rows.columns.size(); ++c) {
        insert += (c == 0 ? "" : ", ") + rows.columns[c];
        marks += c == 0 ? "?" : ", ?";
    }
    insert += ") VALUES (" + marks + ")";
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, insert.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
        throw DatabaseError(std::string(sqlite3_errmsg(db)) + " (statement: " + insert + ")");
    }
    const std::size_t width = rows.columns.size();
    for (std::size_t r = 0; r < rows.rowCount; ++r) {
        for (std::size_t c = 0; c < width; ++c) {
            const SqlValue& value = rows.cells[r * width + c];
            const int index = static_cast<int>(c + 1);
            if (const auto* number = std::get_if<std::int64_t>(&value)) {
                sqlite3_bind_int64(statement, index, *number);
            } else if (const auto* real = std::get_if<double>(&value)) {
                sqlite3_bind_double(statement, index, *real);
            } else if (const auto* text = std::get_if<std::string>(&value)) {
                sqlite3_bind_text(statement, index, text->data(), static_cast<int>(text->size()),
                                  SQLITE_TRANSIENT);
            } else {
                sqlite3_bind_null(statement, index);
            }
        }
        const int rc = sqlite3_step(statement);
        sqlite3_reset(statement);
        if (rc != SQLITE_DONE) {
            const std::string message = sqlite3_errmsg(db);
            sqlite3_finalize(statement);
            throw DatabaseError(message + " (statement: " + insert + ")");
        }
    }
    sqlite3_finalize(statement);
}

// The kind of a game database file, or nothing when it is none.
std::optional<DatabaseKind> KindOfFile(const std::filesystem::path& file) {
    for (const DatabaseKind kind :
         {DatabaseKind::QuestionBank, DatabaseKind::Questionnaire, DatabaseKind::PlayerRecords}) {
        try {
            GameFile probe(file, kind);
            return kind;
        } catch (const ToolError&) {
        }
    }
    return std::nullopt;
}

// A scratch bank holding what the server holds of file, to apply the bank rules to.
class ScratchBank {
public:
    ScratchBank() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "xuehai-server-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw ToolError(kExitFile, "无法在临时文件夹里建立工作文件");
        }
        folder_ = pattern;
        CreateDatabaseFile(folder_ / "bank.dat", DatabaseKind::QuestionBank);
        file_ = std::make_unique<GameFile>(folder_ / "bank.dat", DatabaseKind::QuestionBank);
    }
    ~ScratchBank() {
        file_.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    sqlite3* Handle() const { return file_->Handle(); }

private:
    std::filesystem::path folder_;
    std::unique_ptr<GameFile> file_;
};

UpdateSummary UpdateBankOnServer(ServerLink& link, const ServerFile& file,
                                 const std::vector<Question>& questions) {
    const std::vector<std::string> tables = TablesOf(DatabaseKind::QuestionBank);
    std::string locked;
    for (const std::string& table : tables) {
        locked += (locked.empty() ? "" : ", ") + ServerTable(table);
    }
    // Answers given meanwhile wait for the update instead of being lost by it; a bank
    // another teacher holds longer than that is refused (RecordsLockedError).
    link.Run("SET LOCAL lock_timeout = '5s'");
    link.Run("LOCK TABLE " + locked + " IN EXCLUSIVE MODE", {}, file.schema);
    ScratchBank scratch;
    {
        SqlTransaction fill(scratch.Handle());
        for (const std::string& table : tables) {
            CopyFromServer(link, file.schema, table, scratch.Handle());
        }
        fill.Commit();
    }
    SqlTransaction update(scratch.Handle());
    const UpdateSummary summary = UpdateBank(scratch.Handle(), questions);
    update.Commit();
    if (summary.changed) {
        for (const std::string& table : tables) {
            link.Run("DELETE FROM " + ServerTable(table), {}, file.schema);
            CopyToServer(scratch.Handle(), link, file.schema, table);
        }
    }
    return summary;
}

// The game file of path on the server, of kind; ToolError when it holds none.
ServerFile FileOnServer(ServerLink& link, const std::string& gamePath, DatabaseKind kind) {
    const std::optional<ServerFile> file = FindServerFile(link, GameFileKey(gamePath, ""));
    if (!file || file->kind != kind) {
        throw ToolError(kExitFile, "服务器 " + link.Name() + " 上没有 " + gamePath +
                                       "：请用 xuehai-bank server init 把游戏文件夹放上去");
    }
    return *file;
}

// Runs work in one transaction of the link: committed when it returns, else rolled back.
template <typename Work>
auto InOneTransaction(ServerLink& link, Work work) {
    link.Begin();
    const std::uint64_t transaction = link.Transaction();
    try {
        auto result = work();
        link.Commit(transaction);
        return result;
    } catch (...) {
        link.RollBack(transaction);
        throw;
    }
}

std::string InitOne(ServerLink& link, const std::string& path, DatabaseKind kind,
                    const std::filesystem::path& localFile) {
    GameFile local(localFile, kind);
    const std::optional<ServerFile> present = FindServerFile(link, GameFileKey(path, ""));
    if (!present) {
        const ServerFile file = CreateServerFile(link, path, kind);
        for (const std::string& table : TablesOf(kind)) {
            CopyToServer(local.Handle(), link, file.schema, table);
        }
        return "已放到服务器上";
    }
    if (present->kind != kind) {
        throw ToolError(kExitFile, path + "：服务器上的同名文件是另一种数据，没有改动");
    }
    switch (kind) {
        case DatabaseKind::PlayerRecords:
            return "服务器上已有，保留服务器上的玩家记录";
        case DatabaseKind::QuestionBank:
            return "题库已更新：" + DescribeUpdate(UpdateBankOnServer(
                                        link, *present, ReadBankQuestions(local.Handle())));
        case DatabaseKind::Questionnaire:
            break;
    }
    for (const std::string& table : TablesOf(kind)) {
        link.Run("DELETE FROM " + ServerTable(table), {}, present->schema);
        CopyToServer(local.Handle(), link, present->schema, table);
    }
    return "性格测试已换成本地的内容";
}

void CheckEncoding(ServerLink& link) {
    const SqlRows rows = link.Run("SHOW server_encoding");
    const std::string encoding = std::get<std::string>(rows.cells.at(0));
    if (encoding != "UTF8") {
        throw ToolError(kExitFile, "服务器 " + link.Name() + " 的数据库编码是 " + encoding +
                                       "，学海需要 UTF8：请用 createdb -E UTF8 -T template0 "
                                       "重新建立数据库");
    }
}

// The subjects of the folder's list files, for the teachers' tools on the server.
InitLine PutSubjects(ServerLink& link, const std::filesystem::path& gameFolder) {
    SetProgramFolder(std::filesystem::absolute(gameFolder));
    std::vector<classroom::Subject> subjects;
    try {
        subjects = classroom::ReadSubjects();
    } catch (const Error&) {
        return {"AliginA.cfg、AliginB.cfg", "没有科目表，服务器上的科目没有改动"};
    }
    StoreSubjects(link, subjects);
    return {"AliginA.cfg、AliginB.cfg", std::to_string(subjects.size()) + " 个科目已放到服务器上"};
}

}  // namespace

std::vector<InitLine> InitServer(ServerLink& link, const std::filesystem::path& gameFolder) {
    std::error_code ec;
    if (!std::filesystem::is_directory(gameFolder, ec)) {
        throw ToolError(kExitFile, gameFolder.string() + " 不是一个游戏文件夹");
    }
    CheckEncoding(link);
    std::vector<std::pair<std::string, std::filesystem::path>> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(gameFolder)) {
        if (entry.is_regular_file() && Lower(entry.path().extension().string()) == ".dat") {
            found.emplace_back(entry.path().lexically_relative(gameFolder).generic_string(),
                               entry.path());
        }
    }
    std::sort(found.begin(), found.end());
    std::vector<InitLine> lines;
    link.Begin();
    const std::uint64_t transaction = link.Transaction();
    try {
        CreateRegistry(link);
        for (const auto& [path, file] : found) {
            const std::optional<DatabaseKind> kind = KindOfFile(file);
            lines.push_back(
                {path, kind ? InitOne(link, path, *kind, file) : "不是学海的数据文件，跳过"});
        }
        lines.push_back(PutSubjects(link, gameFolder));
        RefreshRoles(link);
        link.Commit(transaction);
    } catch (const DatabaseError& error) {
        link.RollBack(transaction);
        throw ToolError(kExitFile, std::string(error.what()) + "；服务器上什么也没有改");
    } catch (...) {
        link.RollBack(transaction);
        throw;
    }
    return lines;
}

std::size_t DumpServer(ServerLink& link, const std::filesystem::path& folder) {
    link.Begin();
    const std::uint64_t transaction = link.Transaction();
    std::size_t written = 0;
    try {
        // One moment for every file, though pupils go on answering.
        link.Run("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ READ ONLY");
        for (const ServerFile& file : ListServerFiles(link)) {
            const std::filesystem::path target = folder / file.path;
            std::error_code ec;
            if (std::filesystem::exists(target, ec)) {
                throw ToolError(kExitFile,
                                target.string() + " 已经存在，没有覆盖它：请换一个空文件夹");
            }
            std::filesystem::create_directories(target.parent_path());
            CreateDatabaseFile(target, file.kind);
            GameFile out(target, file.kind);
            SqlTransaction fill(out.Handle());
            if (file.kind == DatabaseKind::Questionnaire) {
                RunSql(out.Handle(), "CREATE TABLE IF NOT EXISTS CQTitle (Title TEXT NOT NULL)");
            }
            for (const std::string& table : TablesOf(file.kind)) {
                CopyFromServer(link, file.schema, table, out.Handle());
            }
            fill.Commit();
            ++written;
        }
        link.Commit(transaction);
    } catch (...) {
        link.RollBack(transaction);
        throw;
    }
    return written;
}

void CopyFileFromServer(ServerLink& link, const std::string& gamePath, DatabaseKind kind,
                        const std::filesystem::path& target) {
    InOneTransaction(link, [&] {
        link.Run("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ READ ONLY");
        const ServerFile file = FileOnServer(link, gamePath, kind);
        std::filesystem::create_directories(target.parent_path());
        // An idle handle kept for the old file could be handed out for the new one, should
        // the new file get the old one's inode.
        ReleaseIdleConnections();
        std::filesystem::remove(target);
        CreateDatabaseFile(target, kind);
        GameFile out(target, kind);
        SqlTransaction fill(out.Handle());
        if (kind == DatabaseKind::Questionnaire) {
            RunSql(out.Handle(), "CREATE TABLE IF NOT EXISTS CQTitle (Title TEXT NOT NULL)");
        }
        for (const std::string& table : TablesOf(kind)) {
            CopyFromServer(link, file.schema, table, out.Handle());
        }
        fill.Commit();
        return true;
    });
}

UpdateSummary SaveBankOnServer(ServerLink& link, const std::string& gamePath,
                               const std::vector<Question>& questions) {
    return InOneTransaction(link, [&] {
        return UpdateBankOnServer(link, FileOnServer(link, gamePath, DatabaseKind::QuestionBank),
                                  questions);
    });
}

void ReplaceOnServer(ServerLink& link, const std::string& gamePath, DatabaseKind kind,
                     const std::filesystem::path& local) {
    InOneTransaction(link, [&] {
        const ServerFile file = FileOnServer(link, gamePath, kind);
        GameFile source(local, kind);
        for (const std::string& table : TablesOf(kind)) {
            link.Run("DELETE FROM " + ServerTable(table), {}, file.schema);
            CopyToServer(source.Handle(), link, file.schema, table);
        }
        return true;
    });
}

}  // namespace xuehai::bank
