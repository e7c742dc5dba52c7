// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <iostream>
#include <map>

#include "Command.h"
#include "authoring/BankCheck.h"
#include "authoring/BankRows.h"
#include "authoring/GameFile.h"
#include "authoring/Sql.h"
#include "authoring/ToolError.h"
#include "core/Errors.h"

namespace xuehai::bank {

namespace {

std::int64_t QuestionCount(sqlite3* db) {
    SqlStatement count(db, "SELECT COUNT(*) FROM Question");
    count.Step();
    return count.Integer(0);
}

int Check(const Arguments& args) {
    const std::string& bank = args.operands[0];
    GameFile file(bank, DatabaseKind::QuestionBank);
    const std::vector<BankProblem> problems = CheckBank(file.Handle());
    std::cout << bank << ": " << QuestionCount(file.Handle()) << " questions, ";
    if (problems.empty()) {
        std::cout << "no problems\n";
        return kExitOk;
    }
    std::cout << problems.size() << (problems.size() == 1 ? " problem\n" : " problems\n");
    for (std::size_t i = 0; i < problems.size();) {
        std::size_t end = i;
        while (end < problems.size() && problems[end].kind == problems[i].kind) {
            ++end;
        }
        std::cout << KindTitle(problems[i].kind) << ": " << end - i << '\n';
        for (; i < end; ++i) {
            std::cout << "  " << problems[i].where << ": " << problems[i].detail << '\n';
        }
    }
    return kExitProblems;
}

int Decode(const Arguments& args) {
    try {
        std::cout << DecodeText(args.operands[0]) << '\n';
    } catch (const ConversionError& error) {
        std::cerr << "the field does not decode: " << error.what() << '\n';
        return kExitProblems;
    }
    return kExitOk;
}

struct PlayerStats {
    std::int64_t right = 0;
    std::int64_t wrong = 0;
    std::int64_t completed = 0;
};

// Every player with a row in either statistics table, by name.
std::map<std::string, PlayerStats> ReadPlayerStats(sqlite3* db) {
    std::map<std::string, PlayerStats> players;
    SqlStatement totals(db, "SELECT UserName, UserRight, UserWrong FROM UserStats");
    while (totals.Step()) {
        PlayerStats& p = players[totals.Text(0).value_or("")];
        p.right = totals.Integer(1);
        p.wrong = totals.Integer(2);
    }
    // Completion is counted as the game counts it: questions answered right at least once.
    SqlStatement done(
        db, "SELECT UserName, SUM(RightCount > 0) FROM [User-Question] GROUP BY UserName");
    while (done.Step()) {
        players[done.Text(0).value_or("")].completed = done.Integer(1);
    }
    return players;
}

std::string Percent(std::int64_t part, std::int64_t whole) {
    char text[16];
    std::snprintf(
        text, sizeof text, "%5.1f%%",
        whole == 0 ? 0.0 : 100.0 * static_cast<double>(part) / static_cast<double>(whole));
    return text;
}

int Stats(const Arguments& args) {
    GameFile file(args.operands[0], DatabaseKind::QuestionBank);
    const std::int64_t questions = QuestionCount(file.Handle());
    std::map<std::string, PlayerStats> players = ReadPlayerStats(file.Handle());
    if (args.operands.size() == 2) {
        const std::string& name = args.operands[1];
        auto player = players.find(name);
        if (player == players.end()) {
            std::cout << name << ": no answers in this bank\n";
            return kExitOk;
        }
        players = {*player};
    }
    std::cout << args.operands[0] << ": " << questions << " questions, " << players.size()
              << (players.size() == 1 ? " player\n" : " players\n");
    if (players.empty()) {
        return kExitOk;
    }
    std::cout << "  right  wrong  correct  completed  player\n";
    for (const auto& [name, p] : players) {
        char numbers[64];
        std::snprintf(numbers, sizeof numbers, "%7lld%7lld", static_cast<long long>(p.right),
                      static_cast<long long>(p.wrong));
        std::cout << numbers << "   " << Percent(p.right, p.right + p.wrong) << "     "
                  << Percent(p.completed, questions) << "  " << name << " (" << p.completed
                  << " of " << questions << " questions done)\n";
    }
    return kExitOk;
}

}  // namespace

std::vector<Command> InspectionCommands() {
    return {
        {"check",
         "BANK.dat",
         "list everything in a bank that would hurt play",
         R"(Reads the bank without changing it and reports, with a count per kind and the rows:
no questions at all, NULL values, question numbers outside 0 to N - 1 or used twice,
scrambled fields that do not decode, texts that decode to nothing, right answers that
are empty or not A to D, answers that read alike, questions asked twice, and player
statistics of questions the bank does not hold. Rows are named by question number and
by SQLite row id, which tells rows with the same number apart.
Exit status 0 when nothing is found, 1 when something is.
)",
         {},
         1,
         1,
         &Check},
        {"decode",
         "FIELD",
         "print the text of one scrambled field",
         R"(FIELD is a stored text of a bank (QACont, QAA to QAD): decimal digits, a 39-digit
header with the field's key and then the text. Prints the text as UTF-8; exit status 1
when the field does not decode or its bytes are no code page 936 text.
)",
         {},
         1,
         1,
         &Decode},
        {"stats",
         "BANK.dat [PLAYER]",
         "show each player's completion and correctness",
         R"(For every player who has answered in this bank, or only PLAYER: answers right and
wrong, the share of right answers, and the share of the bank's questions answered right
at least once (the completion the game shows). A player without answers is reported as
such with exit status 0.
)",
         {},
         1,
         2,
         &Stats},
    };
}

}  // namespace xuehai::bank
