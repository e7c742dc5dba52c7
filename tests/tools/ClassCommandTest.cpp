// SPDX-License-Identifier: GPL-3.0-or-later
#include <filesystem>

#include "ToolTestSupport.h"
#include "core/CodePage936.h"
#include "store/TQADataBase.h"
#include "store/TuserInfo.h"

namespace xuehai::test {

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

const std::string kHeader = "question,A,B,C,D,right,flag\n";

// A game folder with two subjects, of which only the first has a bank, and two players
// registered in an order the name index would not keep.
class ClassCommandTest : public BankToolTest {
protected:
    void SetUp() override {
        BankToolTest::SetUp();
        Write("AliginA.cfg", Utf8ToCp936("语文\n英语\n"));
        Write("AliginB.cfg", "001\n002\n");
        std::filesystem::create_directories(Path("Data/Qut001"));
        std::filesystem::create_directories(Path("Save"));
        Build("Data/Qut001/001.dat", kHeader + QuestionLine("一") + QuestionLine("二") +
                                         QuestionLine("三") + QuestionLine("四"));
        ASSERT_EQ(Run({"records", "init", Path("Save/userinfo.dat").string()}).status, 0);
        TuserInfo records("Save\\userinfo.dat");
        records.AddUser("赵六", 3);
        records.AddUser("王五", 1);
        records.AddScore("赵六", 1200);
        records.ActiveUser = "赵六";
        records.SetUserRight(3);
        records.SetUserWrong(1);
        TQADataBase bank("Data\\Qut001\\001.dat");
        bank.RecordAnswer("赵六", "0", 1);
        bank.RecordAnswer("赵六", "0", 1);  // a question right twice counts once
        bank.RecordAnswer("赵六", "1", 1);
        bank.RecordAnswer("赵六", "2", -1);
    }
};

TEST_F(ClassCommandTest, ListsPlayersInRegistrationOrderWithTheReportsFigures) {
    const ToolResult result = Run({"class", Path("").string()});
    ASSERT_EQ(result.status, 0) << result.err;
    std::istringstream lines(result.out);
    std::string header, first, second;
    std::getline(lines, header);
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_THAT(header, StartsWith("姓名"));
    EXPECT_THAT(header, HasSubstr("语文完成"));
    EXPECT_THAT(header, HasSubstr("英语正确率"));
    EXPECT_THAT(first, StartsWith("赵六"));
    EXPECT_THAT(second, StartsWith("王五"));
    // Two of four questions done; three of four answers right in the subject; no bank for
    // the second subject.
    EXPECT_THAT(first, HasSubstr("50%"));
    EXPECT_THAT(first, HasSubstr("75%"));
    EXPECT_THAT(first, HasSubstr("—"));
}

TEST_F(ClassCommandTest, CsvStartsWithAByteOrderMarkAndHoldsOneRecordPerPlayer) {
    const ToolResult result = Run({"class", "--csv", Path("").string()});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_THAT(result.out,
                StartsWith("\xEF\xBB\xBF姓名,头像,积分,等级,答对,答错,正确率,语文完成,"));
    EXPECT_THAT(result.out, HasSubstr("\n赵六,3,1200,2,3,1,75%,50%,75%,—,—\n"));
    // No answer yet is no share right, not a share of 0 %.
    EXPECT_THAT(result.out, HasSubstr("\n王五,1,0,1,0,0,—,0%,—,—,—\n"));
}

TEST_F(ClassCommandTest, FolderWithoutPlayerRecordsIsAFileError) {
    std::filesystem::remove(Path("Save/userinfo.dat"));
    const ToolResult result = Run({"class", Path("").string()});
    EXPECT_EQ(result.status, 3);
    EXPECT_THAT(result.err, HasSubstr("userinfo.dat"));
}

}  // namespace

}  // namespace xuehai::test
