// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace xuehai::test {

// A game folder of its own in the temporary directory, made the program folder for the
// test's lifetime, with real database files as the screens find them.
class GameFolder {
public:
    GameFolder();
    ~GameFolder();
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    // With its trailing '/', as the screens prefix their paths.
    std::string Path() const { return root_.string() + "/"; }
    std::filesystem::path File(const std::string& relative) const { return root_ / relative; }

    void Write(const std::string& relative, const std::string& bytes);
    // The whole file; empty when it does not exist.
    std::string Read(const std::string& relative) const;

    // A list file: each UTF-8 line in code page 936, every line ended by lineEnd.
    void WriteListFile(const std::string& name, const std::vector<std::string>& lines,
                       const std::string& lineEnd = "\r\n");

    // Bank Data/Qut<code>/<code>.dat with questions 0 to count - 1, the first `answered` of
    // them answered right at least once by player.
    void MakeBank(const std::string& code, int count, const std::string& player = {},
                  int answered = 0);
    // A question whose texts (question, answers A to D) are stored scrambled.
    void AddQuestion(const std::string& code, int id, const std::vector<std::string>& texts,
                     const std::string& right, const std::string& flag);

    // Save/userinfo.dat with one player.
    void MakeRecords(const std::string& player, int score, int playerClass, int right, int wrong);

    void Sql(const std::string& relative, const std::string& sql);

private:
    std::filesystem::path root_;
};

}  // namespace xuehai::test
