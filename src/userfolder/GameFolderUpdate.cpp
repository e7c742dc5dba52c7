// SPDX-License-Identifier: GPL-3.0-or-later
#include "userfolder/GameFolderUpdate.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>

#include "authoring/BankRows.h"
#include "authoring/BankUpdate.h"
#include "authoring/GameFile.h"
#include "core/Errors.h"
#include "store/Connection.h"
#include "store/DatabaseFiles.h"
#include "userfolder/GameFolderChoice.h"
#include "userfolder/InstalledCopies.h"

namespace xuehai {

namespace {

namespace fs = std::filesystem;

const char* const kRecordsFile = "Save/userinfo.dat";

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool IsPlayerRecords(const fs::path& relative) {
    return !relative.empty() && Lower(relative.begin()->string()) == "save";
}

// Data/Qut<code>/<code>.dat: the banks carry the players' answer statistics.
bool IsQuestionBank(const fs::path& relative) {
    return Lower(relative.extension().string()) == ".dat" &&
           Lower(relative.parent_path().filename().string()).starts_with("qut");
}

void RemoveDatabase(const fs::path& file) {
    std::error_code ignored;
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        fs::remove(file.string() + suffix, ignored);
    }
}

// Copies beside the target and moves into place, so a cut-off copy never stands in for
// the file. A database's log from an earlier copy must not meet the new file.
void CopyOver(const fs::path& source, const fs::path& target) {
    fs::create_directories(target.parent_path());
    const fs::path scratch = target.string() + ".new";
    fs::copy_file(source, scratch, fs::copy_options::overwrite_existing);
    fs::permissions(scratch, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add);
    if (Lower(target.extension().string()) == ".dat") {
        std::error_code ignored;
        for (const char* suffix : {"-wal", "-shm", "-journal"}) {
            fs::remove(target.string() + suffix, ignored);
        }
    }
    fs::rename(scratch, target);
}

// The installed bank is read from a copy: a file in a folder the player cannot write
// cannot be opened by the engine at all.
void UpdateBank(const fs::path& source, const fs::path& target) {
    const fs::path scratch = target.string() + ".installed";
    RemoveDatabase(scratch);
    fs::copy_file(source, scratch);
    fs::permissions(scratch, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add);
    std::vector<bank::Question> questions;
    try {
        {
            const bank::GameFile installed(scratch, DatabaseKind::QuestionBank);
            questions = bank::ReadBankQuestions(installed.Handle());
        }
        ReleaseIdleConnections();
        RemoveDatabase(scratch);
    } catch (...) {
        ReleaseIdleConnections();
        RemoveDatabase(scratch);
        throw;
    }
    bank::WriteGameFile(target, DatabaseKind::QuestionBank, true, [&](sqlite3* db) {
        return bank::UpdateBank(db, questions).changed;
    });
    ReleaseIdleConnections();
}

// Held while the folder is brought up to date; a second start waits for the first.
class FolderLock {
public:
    explicit FolderLock(const fs::path& folder)
        : fd_(::open((folder / ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)) {
        if (fd_ < 0) {
            throw Error("cannot write in the game folder '" + folder.string() + "'",
                        FailureKind::ReadOnly);
        }
        ::flock(fd_, LOCK_EX);
    }
    ~FolderLock() { ::close(fd_); }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int fd_;
};

void MakeFolder(const fs::path& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec || !fs::is_directory(folder)) {
        throw Error("cannot make the game folder '" + folder.string() +
                        "': " + (ec ? ec.message() : "a file of that name is in the way"),
                    ec == std::errc::permission_denied || ec == std::errc::read_only_file_system
                        ? FailureKind::ReadOnly
                        : FailureKind::Unknown);
    }
}

}  // namespace

GameFolderUpdate BringGameFolderUpToDate(const fs::path& installedData, const fs::path& folder) {
    MakeFolder(folder);
    const FolderLock lock(folder);
    const fs::path listFile = folder / kInstalledCopiesFile;
    InstalledCopies copies = InstalledCopies::Read(listFile);
    GameFolderUpdate update;

    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(installedData)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        const fs::path relative = fs::relative(entry.path(), installedData);
        const fs::path target = folder / relative;
        try {
            const InstalledCopies::Version version = InstalledCopies::VersionOf(entry.path());
            const bool present = fs::exists(target);
            if (present && (IsPlayerRecords(relative) ||
                            copies.IsCopyOf(relative.generic_string(), version))) {
                continue;
            }
            if (present && IsQuestionBank(relative)) {
                UpdateBank(entry.path(), target);
                ++update.banksUpdated;
            } else {
                CopyOver(entry.path(), target);
                ++update.filesCopied;
            }
            copies.Record(relative.generic_string(), version);
        } catch (const std::exception& e) {
            update.problems.push_back(relative.generic_string() + ": " + e.what());
        }
    }

    const fs::path records = folder / kRecordsFile;
    if (!fs::exists(records)) {
        fs::create_directories(records.parent_path());
        CreateDatabaseFile(records, DatabaseKind::PlayerRecords);
        ReleaseIdleConnections();
    }
    copies.Write(listFile);
    return update;
}

}  // namespace xuehai
