// SPDX-License-Identifier: GPL-3.0-or-later
#include "EngineFailure.h"

#include <sqlite3.h>
#include <unistd.h>

namespace xuehai {

namespace {

bool Can(const std::filesystem::path& path, int mode) {
    return ::access(path.c_str(), mode) == 0;
}

}  // namespace

void ThrowEngineFailure(sqlite3* db, const std::string& message) {
    const int code = sqlite3_errcode(db) & 0xff;
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED) {
        throw RecordsLockedError(message, FailureKind::Locked);
    }
    const char* name = sqlite3_db_filename(db, "main");
    const std::filesystem::path file = name != nullptr ? name : "";
    const FailureKind kind = KindOfEngineFailure(code, file);
    throw DatabaseError(message + CauseOf(kind, file), kind);
}

FailureKind KindOfEngineFailure(int resultCode, const std::filesystem::path& file) {
    const int primary = resultCode & 0xff;
    switch (primary) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return FailureKind::Locked;
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
        case SQLITE_FORMAT:
            return FailureKind::Damaged;
        case SQLITE_FULL:
            return FailureKind::DiskFull;
        case SQLITE_READONLY:
        case SQLITE_CANTOPEN:
        case SQLITE_PERM:
        case SQLITE_IOERR: {
            std::error_code ec;
            if (file.empty()) {
                return primary == SQLITE_READONLY ? FailureKind::ReadOnly : FailureKind::Unknown;
            }
            if (!std::filesystem::exists(file, ec)) {
                return FailureKind::Missing;
            }
            if (!Can(file, R_OK)) {
                return FailureKind::NoAccess;
            }
            // The write-ahead log and its index live beside the file, so the folder counts.
            if (!Can(file, W_OK) || !Can(file.parent_path(), W_OK | X_OK)) {
                return FailureKind::ReadOnly;
            }
            return primary == SQLITE_READONLY ? FailureKind::ReadOnly : FailureKind::Unknown;
        }
        default:
            return FailureKind::Unknown;
    }
}

std::string CauseOf(FailureKind kind, const std::filesystem::path& file) {
    if (kind != FailureKind::ReadOnly || file.empty()) {
        return "";
    }
    if (!Can(file, W_OK)) {
        return " (the file cannot be written)";
    }
    return " (the folder '" + file.parent_path().string() + "' cannot be written)";
}

}  // namespace xuehai
