// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace xuehai {

class Connection;
class Query;

// One subject's question bank ("Data\Qut004\004.dat"): draws questions and keeps each
// player's answer statistics. Screens open one for a command and drop it right after.
class TQADataBase {
public:
    // Opens the bank; throws DatabaseError (naming the file) when it cannot.
    explicit TQADataBase(const std::string& path);
    ~TQADataBase();
    TQADataBase(const TQADataBase&) = delete;
    TQADataBase& operator=(const TQADataBase&) = delete;

    // Nine UTF-8 texts: question, answers A-D, right letter, flag, " ", question id.
    std::vector<std::string> PickQuestion();

    // outcome 1 records a right answer, anything else a wrong one. questionId must be a
    // decimal integer (it comes back from a movie); otherwise ConversionError, nothing run.
    void RecordAnswer(const std::string& name, const std::string& questionId, int outcome);

    // "Wancheng": completed share of the bank; "Zhengque": share of right answers; else 0.
    double GetRate(const std::string& selector, const std::string& name);

    // The file's connection, for a command that joins it to a CommandTransaction.
    Connection& Database() { return *connection_; }

private:
    // The nine texts of the current row of query_, drawn as number id.
    std::vector<std::string> QuestionList(std::uint32_t id);

    std::unique_ptr<Connection> connection_;
    std::unique_ptr<Query> query_;
};

}  // namespace xuehai
