// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cctype>
#include <iostream>

#include "Command.h"
#include "authoring/ToolError.h"
#include "core/Errors.h"

namespace xuehai::bank {

namespace {

constexpr const char* kProgram = "xuehai-bank";

std::vector<Command> AllCommands() {
    std::vector<Command> all;
    for (auto part : {BankCommands, InspectionCommands, QuestionnaireCommands, RecordsCommands,
                      ServerCommands, ClassCommands, SubjectCommands}) {
        for (Command& command : part()) {
            all.push_back(std::move(command));
        }
    }
    return all;
}

void PrintOverview(std::ostream& out, const std::vector<Command>& commands) {
    out << "usage: " << kProgram << " COMMAND [ARGUMENTS]\n"
        << "Makes and inspects the data files of Xuehai: question banks, character tests and\n"
        << "player records.\n\ncommands:\n";
    for (const Command& command : commands) {
        out << "  " << command.name << ' ' << command.synopsis << "\n      " << command.summary
            << '\n';
    }
    out << "\n"
        << kProgram << " COMMAND --help tells more about one command.\n"
        << "exit status: 0 done, 1 problems found in the input, 2 wrong arguments,\n"
        << "3 a file could not be read or written or is not what was expected.\n";
}

void PrintHelp(const Command& command) {
    std::string summary = command.summary;
    summary[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(summary[0])));
    std::cout << "usage: " << kProgram << ' ' << command.name << ' ' << command.synopsis << "\n"
              << summary << ".\n\n"
              << command.help;
}

// The command named by the first one or two words; words names how many it took.
const Command* FindCommand(const std::vector<Command>& commands,
                           const std::vector<std::string>& words, std::size_t& taken) {
    for (const Command& command : commands) {
        const bool twoWords = command.name.find(' ') != std::string::npos;
        if (twoWords && words.size() >= 2 && words[0] + ' ' + words[1] == command.name) {
            taken = 2;
            return &command;
        }
        if (!twoWords && !words.empty() && words[0] == command.name) {
            taken = 1;
            return &command;
        }
    }
    return nullptr;
}

Arguments SplitArguments(const Command& command, const std::vector<std::string>& words) {
    Arguments args;
    bool onlyOperands = false;
    for (const std::string& word : words) {
        if (!onlyOperands && word == "--") {
            onlyOperands = true;
        } else if (!onlyOperands && word.starts_with("--")) {
            if (std::find(command.options.begin(), command.options.end(), word) ==
                command.options.end()) {
                throw ToolError(kExitUsage, command.name + ": unknown option " + word);
            }
            args.options.insert(word);
        } else {
            args.operands.push_back(word);
        }
    }
    if (args.operands.size() < command.minOperands || args.operands.size() > command.maxOperands) {
        throw ToolError(kExitUsage, "usage: " + std::string(kProgram) + ' ' + command.name + ' ' +
                                        command.synopsis);
    }
    return args;
}

int Run(const std::vector<std::string>& words) {
    const std::vector<Command> commands = AllCommands();
    if (words.empty()) {
        PrintOverview(std::cerr, commands);
        return kExitUsage;
    }
    if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        PrintOverview(std::cout, commands);
        return kExitOk;
    }
    std::size_t taken = 0;
    const Command* command = FindCommand(commands, words, taken);
    if (command == nullptr) {
        std::string second;
        for (const Command& c : commands) {
            if (c.name.starts_with(words[0] + ' ')) {
                second += (second.empty() ? "" : ", ") + c.name.substr(words[0].size() + 1);
            }
        }
        throw ToolError(kExitUsage,
                        second.empty()
                            ? "unknown command '" + words[0] + "'; try " + kProgram + " --help"
                            : "'" + words[0] + "' is followed by one of: " + second);
    }
    const std::vector<std::string> rest(words.begin() + static_cast<std::ptrdiff_t>(taken),
                                        words.end());
    if (std::find(rest.begin(), rest.end(), "--help") != rest.end()) {
        PrintHelp(*command);
        return kExitOk;
    }
    return command->run(SplitArguments(*command, rest));
}

}  // namespace

}  // namespace xuehai::bank

int main(int argc, char** argv) {
    using namespace xuehai::bank;
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const ToolError& error) {
        std::cerr << kProgram << ": " << error.what() << '\n';
        return error.Status();
    } catch (const xuehai::Error& error) {
        std::cerr << kProgram << ": " << error.what() << '\n';
        return kExitFile;
    } catch (const std::exception& error) {
        std::cerr << kProgram << ": " << error.what() << '\n';
        return kExitFile;
    }
}
