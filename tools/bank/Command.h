// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "authoring/SourceProblem.h"

namespace xuehai::bank {

// The words after a subcommand's name, split into options and operands.
struct Arguments {
    std::vector<std::string> operands;
    std::set<std::string> options;

    bool Has(std::string_view option) const { return options.contains(std::string(option)); }
};

// One subcommand of xuehai-bank.
struct Command {
    std::string name;      // "build", "questionnaire build"
    std::string synopsis;  // operands and options, as the usage line shows them
    std::string summary;   // one line for the command list
    std::string help;      // the rest of --help
    std::vector<std::string> options;
    std::size_t minOperands = 0;
    std::size_t maxOperands = 0;
    int (*run)(const Arguments&) = nullptr;
};

std::vector<Command> BankCommands();           // build, dump
std::vector<Command> InspectionCommands();     // check, decode, stats
std::vector<Command> QuestionnaireCommands();  // questionnaire build, questionnaire dump
std::vector<Command> RecordsCommands();        // records init
std::vector<Command> ServerCommands();         // server init, server dump, server roles
std::vector<Command> ClassCommands();          // class
std::vector<Command> SubjectCommands();        // subject add

// The whole file; throws ToolError (kExitFile) when it cannot be read.
std::string ReadTextFile(const std::filesystem::path& path);

// A source file: text without NUL bytes, or ToolError (kExitProblems).
std::string ReadSourceFile(const std::filesystem::path& path);

// Prints "SOURCE:LINE: message" for each problem on standard error and answers
// kExitProblems, or answers kExitOk when there is none.
int ReportSourceProblems(const std::string& source, const SourceProblems& problems);

}  // namespace xuehai::bank
