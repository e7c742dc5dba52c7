// SPDX-License-Identifier: GPL-3.0-or-later
#include <fstream>
#include <map>
#include <set>

#include "ToolTestSupport.h"
#include "store/TIQ.h"

namespace xuehai::test {

namespace {

using ::testing::HasSubstr;

const std::filesystem::path kGameData = XUEHAI_GAMEDATA_DIR;

// The subject codes of gamedata/subjects.csv, in order.
std::vector<std::string> SubjectCodes() {
    std::ifstream in(kGameData / "subjects.csv");
    std::vector<std::string> codes;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        if (!line.empty()) {
            codes.push_back(line.substr(0, line.find(',')));
        }
    }
    return codes;
}

class DemoDataTest : public BankToolTest {};

TEST_F(DemoDataTest, EverySubjectHasABankThatPassesCheck) {
    const std::vector<std::string> codes = SubjectCodes();
    ASSERT_EQ(codes.size(), 18u);
    for (const std::string& code : codes) {
        const auto source = kGameData / "questions" / (code + ".csv");
        const std::string bank = Path(code + ".dat").string();
        const ToolResult built = Run({"build", source.string(), bank});
        ASSERT_EQ(built.status, 0) << code << ": " << built.err;
        const ToolResult checked = Run({"check", bank});
        EXPECT_EQ(checked.status, 0) << checked.out;
        const int questions = std::stoi(Value(bank, "SELECT COUNT(*) FROM Question"));
        EXPECT_GE(questions, 40) << code;
    }
}

// Every total a player can reach in a type, from the items as the game reads them.
std::set<int> ReachableTotals(TIQ& test, int type) {
    std::set<int> totals = {0};
    for (auto item = test.LoadTestQuestions(type); item.size() == 7;
         item = test.LoadTestQuestions(type)) {
        std::set<int> next;
        for (int total : totals) {
            for (int points : {std::stoi(item[2]), std::stoi(item[4]), std::stoi(item[6])}) {
                next.insert(total + points);
            }
        }
        totals = next;
    }
    return totals;
}

TEST_F(DemoDataTest, EveryReachableTotalOfEveryTestHasExactlyOneEvaluation) {
    for (const char* code : {"001", "002", "003"}) {
        const auto source = kGameData / "questionnaires" / (std::string(code) + ".csv");
        const std::string file = Path(std::string(code) + ".dat").string();
        const ToolResult built = Run({"questionnaire", "build", source.string(), file});
        ASSERT_EQ(built.status, 0) << code << ": " << built.err;

        TIQ test(file);
        const int types = test.GetTypeCount();
        EXPECT_GE(types, 2) << code;
        EXPECT_LE(types, 3) << code;
        for (int type = 1; type <= types; ++type) {
            const std::string items =
                Value(file, "SELECT COUNT(*) FROM CQCont WHERE CQTypeID = " + std::to_string(type));
            EXPECT_GE(std::stoi(items), 8) << code << " type " << type;
            EXPECT_LE(std::stoi(items), 12) << code << " type " << type;
            for (int total : ReachableTotals(test, type)) {
                const std::string holding = Value(
                    file, "SELECT COUNT(*) FROM CQScore WHERE CQTypeID = " + std::to_string(type) +
                              " AND CQScoreLow <= " + std::to_string(total) + " AND " +
                              std::to_string(total) + " <= CQScoreHigh");
                EXPECT_EQ(holding, "1") << code << " type " << type << " total " << total;
                EXPECT_NE(test.GetResult(type, total), "") << code << " type " << type;
            }
        }
    }
}

}  // namespace

}  // namespace xuehai::test
