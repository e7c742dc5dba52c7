// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace xuehai {

// What went wrong, as far as a player can do something about it; the error box tells the
// player in plain words from this, and keeps the message itself as the technical detail.
enum class FailureKind {
    Unknown,
    Missing,    // a file of the game is not there
    Damaged,    // a file is there but is not what the game wrote
    Locked,     // another program holds the file
    ReadOnly,   // the file or its folder cannot be written
    NoAccess,   // the file may not be read
    DiskFull,   // no room left to write
    NoPrinter,  // no printer is set up
};

// Every failure of the game is one of these; the screens show its message in the error box.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message, FailureKind kind = FailureKind::Unknown)
        : std::runtime_error(message), kind_(kind) {}
    FailureKind Kind() const { return kind_; }

private:
    FailureKind kind_;
};

// A text that should have been a number (or a text that cannot be held in code page 936).
class ConversionError : public Error {
public:
    using Error::Error;
};

// A data path that cannot be used: it would leave the game folder.
class PathError : public Error {
public:
    using Error::Error;
};

// The database engine refused: a missing or foreign file, a wrong password, a bad statement.
class DatabaseError : public Error {
public:
    using Error::Error;
};

// Another program kept a game database file locked for longer than the game waits. A command
// that was to write has saved nothing: every file it had begun to change was rolled back.
class RecordsLockedError : public DatabaseError {
public:
    using DatabaseError::DatabaseError;
};

// The music player could not do what it was asked.
class MediaError : public Error {
public:
    using Error::Error;
};

}  // namespace xuehai
