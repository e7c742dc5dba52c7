// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/GameFile.h"

#include "authoring/Sql.h"
#include "authoring/ToolError.h"
#include "core/Errors.h"
#include "store/Connection.h"
#include "store/ConnectionString.h"
#include "store/FileIdentity.h"

namespace xuehai::bank {

namespace {

const char* KindName(DatabaseKind kind) {
    switch (kind) {
        case DatabaseKind::PlayerRecords:
            return "PlayerRecords";
        case DatabaseKind::QuestionBank:
            return "QuestionBank";
        case DatabaseKind::Questionnaire:
            return "Questionnaire";
    }
    return "";
}

const char* KindDescription(DatabaseKind kind) {
    switch (kind) {
        case DatabaseKind::PlayerRecords:
            return "a player-records file";
        case DatabaseKind::QuestionBank:
            return "a question bank";
        case DatabaseKind::Questionnaire:
            return "a character test";
    }
    return "";
}

void RemoveWithSideFiles(const std::filesystem::path& path) {
    std::error_code ignored;
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        std::filesystem::remove(path.string() + suffix, ignored);
    }
}

bool FillInTransaction(sqlite3* db, const std::function<bool(sqlite3*)>& fill) {
    SqlTransaction transaction(db);
    if (!fill(db)) {
        return false;
    }
    transaction.Commit();
    return true;
}

}  // namespace

GameFile::GameFile(const std::filesystem::path& path, DatabaseKind kind) {
    try {
        connection_ = std::make_unique<Connection>(path, GamePassword);
        SqlStatement identity(connection_->Handle(),
                              "SELECT Kind FROM " + std::string(IdentityTable));
        std::optional<std::string> stored = identity.Step() ? identity.Text(0) : std::nullopt;
        if (stored != KindName(kind)) {
            throw ToolError(kExitFile, "'" + path.string() + "' is not " + KindDescription(kind) +
                                           " (it holds " + stored.value_or("nothing known") + ")");
        }
    } catch (const DatabaseError& error) {
        throw ToolError(kExitFile, error.what());
    }
}

GameFile::~GameFile() = default;

sqlite3* GameFile::Handle() const {
    return connection_->Handle();
}

bool WriteGameFile(const std::filesystem::path& path, DatabaseKind kind, bool replace,
                   const std::function<bool(sqlite3*)>& fill) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        if (!replace) {
            throw ToolError(kExitFile,
                            "'" + path.string() + "' exists already; give --replace to rewrite it");
        }
        GameFile file(path, kind);
        return FillInTransaction(file.Handle(), fill);
    }

    const std::filesystem::path scratch = path.string() + ".part";
    try {
        if (path.has_parent_path()) {
            std::filesystem::create_directories(path.parent_path());
        }
        RemoveWithSideFiles(scratch);
        CreateDatabaseFile(scratch, kind);
        {
            GameFile file(scratch, kind);
            FillInTransaction(file.Handle(), fill);
        }
        // Closing the last handle folds the write-ahead log into the file, so the file
        // moved into place is complete on its own.
        ReleaseIdleConnections();
        RemoveWithSideFiles(path);
        std::filesystem::rename(scratch, path);
    } catch (const std::filesystem::filesystem_error& error) {
        ReleaseIdleConnections();
        RemoveWithSideFiles(scratch);
        throw ToolError(kExitFile, error.what());
    } catch (const DatabaseError& error) {
        ReleaseIdleConnections();
        RemoveWithSideFiles(scratch);
        throw ToolError(kExitFile, error.what());
    } catch (...) {
        ReleaseIdleConnections();
        RemoveWithSideFiles(scratch);
        throw;
    }
    return true;
}

}  // namespace xuehai::bank
