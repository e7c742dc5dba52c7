// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "authoring/BankUpdate.h"
#include "store/DatabaseFiles.h"

namespace xuehai {
class ServerLink;
}

namespace xuehai::bank {

// What "server init" did with each game file it found.
struct InitLine {
    std::string path;     // inside the game folder, '/' separated
    std::string outcome;  // for the person who ran it
};

// Puts every game database of gameFolder on the server, in one transaction: a file the
// server does not hold yet is copied with all its rows (statistics and players included);
// a bank it holds already gets the local bank's questions by the rules of build --replace,
// the players' statistics on the server following their questions; a character test it
// holds is replaced; player records it holds are kept, since the server's are the ones
// being played. Throws ToolError, with nothing changed on the server.
std::vector<InitLine> InitServer(ServerLink& link, const std::filesystem::path& gameFolder);

// The game file at gamePath (game folder spelling) on the server, written as of one moment
// into the file target, replacing it: for reading it with the tools' code. Throws ToolError
// when the server holds no such file of kind.
void CopyFileFromServer(ServerLink& link, const std::string& gamePath, DatabaseKind kind,
                        const std::filesystem::path& target);

// Gives the bank at gamePath on the server the questions, by the rules of build --replace,
// in one transaction: the players' statistics on the server follow their questions,
// answers given meanwhile wait for it. Throws RecordsLockedError when another teacher
// holds the bank, ToolError when the server holds no such bank; nothing is changed then.
UpdateSummary SaveBankOnServer(ServerLink& link, const std::string& gamePath,
                               const std::vector<Question>& questions);

// Replaces every row of the game file at gamePath on the server with those of the local
// file, in one transaction (a character test the teacher edited).
void ReplaceOnServer(ServerLink& link, const std::string& gamePath, DatabaseKind kind,
                     const std::filesystem::path& local);

// Writes every game file on the server below folder, in its place in the game folder, as
// of one moment. Throws ToolError when a file is there already; answers how many it wrote.
std::size_t DumpServer(ServerLink& link, const std::filesystem::path& folder);

}  // namespace xuehai::bank
