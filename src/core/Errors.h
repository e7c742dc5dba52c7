// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace xuehai {

// Every failure of the game is one of these; the screens show its message in the error box.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
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
