// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace xuehai {

struct ConnectionSettings;

// One value of a result row, as the engine typed it.
using SqlValue = std::variant<std::monostate, std::int64_t, double, std::string>;

// Every row of a reading statement, read to its end.
struct SqlRows {
    std::vector<std::string> columns;
    std::vector<SqlValue> cells;  // row after row
    std::size_t rowCount = 0;
};

// One game database opened on an engine other than the game's files (a Connection holds
// one): the game's statements, written in the desktop dialect, go in unchanged.
class EngineDatabase {
public:
    virtual ~EngineDatabase() = default;

    // Runs one statement; rows it returns are ignored. Throws DatabaseError.
    virtual void Execute(std::string_view sql) = 0;
    // Runs one reading statement to its end. Throws DatabaseError.
    virtual SqlRows Select(std::string_view sql) = 0;

    // The command's transaction on this database: Begin before its first change, then
    // Commit or RollBack. Throws DatabaseError.
    virtual void Begin() = 0;
    virtual void Commit() = 0;
    virtual void RollBack() noexcept = 0;

    // How messages name the database: where it is kept and the game file it stands for.
    virtual const std::string& Name() const = 0;
};

// Where the game's databases are kept when they are not files in the game folder.
class Engine {
public:
    virtual ~Engine() = default;
    // Opens the game database that settings name (the dbq path as the game writes it).
    // Throws DatabaseError naming it when it is missing or the password is wrong, and
    // PathError when the path leaves the game folder.
    virtual std::unique_ptr<EngineDatabase> Open(const ConnectionSettings& settings) = 0;
};

// Puts the game's databases on engine from now on; nullptr goes back to the files.
void UseEngine(std::shared_ptr<Engine> engine);
// The engine in use, or nullptr for the files of the game folder.
std::shared_ptr<Engine> CurrentEngine();

}  // namespace xuehai
