// SPDX-License-Identifier: GPL-3.0-or-later
#include "TQADataBase.h"

#include "Cl_crypt32.h"
#include "Connection.h"
#include "ConnectionString.h"
#include "GameRandom.h"
#include "Query.h"
#include "SqlText.h"
#include "core/CodePage936.h"
#include "core/Errors.h"
#include "core/IntegerText.h"

namespace xuehai {

namespace {

// Redraws repeat the same number until the clock ticks, so this bound spans many ticks of
// the clock: a bank with gaps in its numbering still finds a question, while a bank with no
// question numbered 0 to N - 1 fails after a fraction of a second instead of hanging.
constexpr int MaxRedraws = 10000;

// The first character of QARight, a to z upper-cased; the whole UTF-8 sequence when it is
// not ASCII, so the letter handed out is always valid text.
std::string RightLetter(const std::string& right) {
    std::size_t length = 1;
    const auto lead = static_cast<unsigned char>(right[0]);
    if (lead >= 0xF0) {
        length = 4;
    } else if (lead >= 0xE0) {
        length = 3;
    } else if (lead >= 0xC0) {
        length = 2;
    }
    std::string letter = right.substr(0, length);
    if (letter[0] >= 'a' && letter[0] <= 'z') {
        letter[0] = static_cast<char>(letter[0] - 'a' + 'A');
    }
    return letter;
}

}  // namespace

TQADataBase::TQADataBase(const std::string& path)
    : connection_(std::make_unique<Connection>(MakeConnectionString(path))),
      query_(std::make_unique<Query>(*connection_)) {}

TQADataBase::~TQADataBase() = default;

std::vector<std::string> TQADataBase::PickQuestion() {
    QueryCloser closer(*query_);
    Randomize();
    query_->SetText("SELECT Count(*) AS QACount FROM Question");
    query_->Open();
    const std::int32_t count = query_->Integer("QACount");
    query_->Close();
    if (count <= 0) {
        throw DatabaseError("question bank '" + connection_->File().string() +
                            "' holds no questions");
    }
    std::uint32_t k = Random(static_cast<std::uint32_t>(count));
    query_->SetText("SELECT * FROM Question WHERE QAID=" + std::to_string(k));
    query_->Open();
    for (int redraws = 0; query_->AtEnd(); ++redraws) {
        query_->Close();
        if (redraws == MaxRedraws) {
            throw DatabaseError("question bank '" + connection_->File().string() +
                                "': no question was found after " + std::to_string(MaxRedraws) +
                                " draws; its questions must be numbered 0 to " +
                                std::to_string(count - 1));
        }
        Randomize();
        k = Random(static_cast<std::uint32_t>(count));
        query_->SetText("SELECT * FROM Question WHERE QAID=" + std::to_string(k));
        query_->Open();
    }
    return QuestionList(k);
}

std::vector<std::string> TQADataBase::QuestionList(std::uint32_t id) {
    std::vector<std::string> list;
    list.reserve(9);
    for (const char* column : {"QACont", "QAA", "QAB", "QAC", "QAD"}) {
        const std::string stored = query_->Text(column);
        try {
            list.push_back(Cp936ToUtf8(DecodeField(stored)));
        } catch (const ConversionError& error) {
            throw ConversionError("question " + std::to_string(id) + " of '" +
                                  connection_->File().string() + "', column " + column + ": " +
                                  error.what());
        }
    }
    const std::string right = query_->Text("QARight");
    if (right.empty()) {
        throw DatabaseError("question " + std::to_string(id) + " of '" +
                            connection_->File().string() + "' has no right answer (QARight)");
    }
    list.push_back(RightLetter(right));
    list.push_back(query_->Text("QAFLAG"));
    list.emplace_back(" ");
    list.push_back(query_->Text("QAID"));
    return list;
}

void TQADataBase::RecordAnswer(const std::string& name, const std::string& questionId,
                               int outcome) {
    const std::string id = std::to_string(StrToInt(questionId));
    const std::string player = EscapeQuotes(name);
    QueryCloser closer(*query_);

    query_->SetText("SELECT * FROM UserStats WHERE UserName ='" + player + "'");
    query_->Open();
    if (query_->AtEnd()) {
        connection_->Execute("INSERT INTO UserStats(UserName) VALUES('" + player + "') ");
    }
    query_->Close();

    query_->SetText("SELECT * FROM [User-Question] WHERE QuestionID=" + id + " and UserName='" +
                    player + "'");
    query_->Open();
    if (query_->AtEnd()) {
        connection_->Execute("INSERT INTO [User-Question](QuestionID,USerName) VALUES(" + id +
                             ",'" + player + "')");
    }
    query_->Close();

    if (outcome == 1) {
        connection_->Execute(
            "UPDATE [User-Question] SET RightCount=RightCount+1 WHERE QuestionID=" + id +
            " and UserName='" + player + "'");
        connection_->Execute("UPDATE UserStats SET UserRight=UserRight+1 WHERE UserName='" +
                             player + "'");
    } else {
        connection_->Execute(
            "UPDATE [User-Question] SET WrongCount=WrongCount+1 WHERE QuestionID=" + id +
            " and UserName='" + player + "'");
        connection_->Execute("UPDATE UserStats SET UserWrong=UserWrong+1 WHERE UserName='" +
                             player + "'");
    }
}

double TQADataBase::GetRate(const std::string& selector, const std::string& name) {
    const std::string player = EscapeQuotes(name);
    QueryCloser closer(*query_);
    double rate = 0;
    if (selector == "Wancheng") {
        query_->SetText("SELECT Count(*) as QACount FROM Question");
        query_->Open();
        const std::int32_t questions = query_->Integer("QACount");
        query_->Close();
        query_->SetText("SELECT Count(*) as QAOver FROM [User-Question] WHERE UserName ='" +
                        player + "' and RightCount>0");
        query_->Open();
        const std::int32_t over = query_->Integer("QAOver");
        query_->Close();
        rate = questions == 0 ? 0.0 : static_cast<double>(over) / questions;
    }
    if (selector == "Zhengque") {
        query_->SetText("SELECT * FROM UserStats WHERE UserName='" + player + "'");
        query_->Open();
        // A player who never answered in this subject has no row: no answers, rate 0.
        if (!query_->AtEnd()) {
            const std::int64_t right = query_->Integer("UserRight");
            const std::int64_t answers = right + query_->Integer("UserWrong");
            rate = answers == 0 ? 0.0 : static_cast<double>(right) / static_cast<double>(answers);
        }
        query_->Close();
    }
    return rate;
}

}  // namespace xuehai
