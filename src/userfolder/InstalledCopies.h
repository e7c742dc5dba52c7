// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

namespace xuehai {

// Which version of each installed file a game folder holds a copy of: its size and time of
// change when it was copied, so an upgrade that ships another file is noticed. Kept as a
// text file of tab-separated lines: relative path, size, time.
class InstalledCopies {
public:
    struct Version {
        std::uintmax_t size = 0;
        std::int64_t changed = 0;  // nanoseconds of the file clock
        bool operator==(const Version&) const = default;
    };

    static Version VersionOf(const std::filesystem::path& file);

    // A missing or unreadable list reads as empty: every file counts as not yet copied.
    static InstalledCopies Read(const std::filesystem::path& listFile);
    // Replaces the list in one step; throws Error when it cannot be written.
    void Write(const std::filesystem::path& listFile) const;

    bool IsCopyOf(const std::string& relative, const Version& version) const;
    void Record(const std::string& relative, const Version& version);

private:
    std::map<std::string, Version> copies_;
};

}  // namespace xuehai
