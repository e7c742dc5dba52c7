// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>

#include "StoreTestSupport.h"
#include "core/ProgramFolder.h"
#include "store/Connection.h"
#include "store/ConnectionString.h"
#include "store/Query.h"
#include "store/TIQ.h"
#include "store/TQADataBase.h"
#include "store/TuserInfo.h"

namespace xuehai::test {
namespace {

using ::testing::HasSubstr;

template <typename Action>
std::string FailureOf(Action action) {
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    return "no failure";
}

using DatabaseOpen = GameFolderTest;

TEST_F(DatabaseOpen, MissingFileFailsNamingItAndIsNotCreated) {
    const std::string path = Folder() + "Data\\Qut004\\004.dat";
    EXPECT_THROW(TQADataBase{path}, DatabaseError);
    EXPECT_THAT(FailureOf([&] { TQADataBase bank(path); }),
                AllOf(HasSubstr("Data/Qut004/004.dat"), HasSubstr("does not exist")));
    EXPECT_FALSE(std::filesystem::exists(Folder() + "Data/Qut004/004.dat"));
}

TEST_F(DatabaseOpen, FileThatIsNoDatabaseIsRefusedByName) {
    std::filesystem::create_directories(Folder() + "Save");
    std::ofstream(Folder() + "Save/userinfo.dat") << "player list, one name a line\n";
    EXPECT_THAT(FailureOf([&] { TuserInfo records(Folder() + "Save\\userinfo.dat"); }),
                AllOf(HasSubstr("userinfo.dat"), HasSubstr("not a database")));
}

TEST_F(DatabaseOpen, DatabaseOfAnotherProgramIsRefused) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((Folder() + "other.dat").c_str(), &db), SQLITE_OK);
    sqlite3_exec(db, "CREATE TABLE UserInfo(UserName TEXT)", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    EXPECT_THAT(FailureOf([&] { TuserInfo records(Folder() + "other.dat"); }),
                AllOf(HasSubstr("other.dat"), HasSubstr("not a game database")));
}

TEST_F(DatabaseOpen, WrongPasswordIsRefused) {
    const std::string path = Create("Save/userinfo.dat", DatabaseKind::PlayerRecords);
    const std::string wrong = "driver={Microsoft Access Driver (*.mdb)};PWD=plum;dbq=" + path;
    EXPECT_THAT(FailureOf([&] { Connection connection(wrong); }),
                AllOf(HasSubstr("wrong password"), HasSubstr("userinfo.dat")));
    // An idle handle of a good connection must not let a wrong password in either.
    TuserInfo{path};
    EXPECT_THROW(Connection{wrong}, DatabaseError);
}

TEST_F(DatabaseOpen, FileOfANewerLayoutIsRefused) {
    const std::string path = Create("Save/userinfo.dat", DatabaseKind::PlayerRecords);
    Run(path, "UPDATE XuehaiFile SET SchemaVersion=2");
    ReleaseIdleConnections();
    EXPECT_THAT(FailureOf([&] { TuserInfo records(path); }), HasSubstr("layout version 2"));
}

TEST_F(DatabaseOpen, SpellingsThatDifferInLetterCaseReachOneFile) {
    Create("Save/userinfo.dat", DatabaseKind::PlayerRecords);
    TuserInfo login(Folder() + "save\\userinfo.dat");
    TuserInfo report(Folder() + "Save\\UserInfo.dat");
    ASSERT_TRUE(login.AddUser("abc", 5));
    EXPECT_EQ(report.GetUserNames(), std::vector<std::string>{"abc"});
}

TEST_F(DatabaseOpen, PathWithBlanksAndChineseCharactersIsUsedUnchanged) {
    const std::string path = Create("存档 一/玩家 记录.dat", DatabaseKind::PlayerRecords);
    TuserInfo records(Folder() + "存档 一\\玩家 记录.dat");
    EXPECT_TRUE(records.AddUser("学生", 1));
    EXPECT_EQ(Value(path, "UserName", "UserInfo"), "学生");
}

TEST_F(DatabaseOpen, PathLeavingTheGameFolderIsRefused) {
    Create("Save/userinfo.dat", DatabaseKind::PlayerRecords);
    EXPECT_THROW(TuserInfo{Folder() + "Save\\..\\..\\userinfo.dat"}, PathError);
    EXPECT_THROW(Connection{MakeConnectionString("/etc/passwd")}, PathError);
}

TEST_F(DatabaseOpen, ReplacedFileIsNotServedFromAnOldHandle) {
    const std::string path = Create("Save/userinfo.dat", DatabaseKind::PlayerRecords);
    TuserInfo(path).AddUser("abc", 1);
    std::filesystem::remove(path);
    EXPECT_THROW(TuserInfo{path}, DatabaseError);
    Create("Save/userinfo.dat", DatabaseKind::PlayerRecords);
    EXPECT_TRUE(TuserInfo(path).GetUserNames().empty());
}

TEST_F(DatabaseOpen, SameRelativeSpellingInAnotherGameFolderIsAnotherFile) {
    Create("Save/userinfo.dat", DatabaseKind::PlayerRecords);
    TuserInfo("Save\\userinfo.dat").AddUser("abc", 1);
    const std::filesystem::path other = Folder() + "other";
    std::filesystem::create_directories(other / "Save");
    CreateDatabaseFile(other / "Save" / "userinfo.dat", DatabaseKind::PlayerRecords);
    SetProgramFolder(other);
    EXPECT_TRUE(TuserInfo("Save\\userinfo.dat").GetUserNames().empty());
}

TEST(ConnectionText, PartsAreFoundWhateverTheirSpellingAndThePathTakesTheRest) {
    const ConnectionSettings settings = ParseConnectionString(
        "DRIVER={Microsoft Access Driver (*.mdb)};pwd=secret;DBQ=C:\\a;b=c.dat");
    EXPECT_EQ(settings.password, "secret");
    EXPECT_EQ(settings.database, "C:\\a;b=c.dat");
    EXPECT_EQ(ParseConnectionString(MakeConnectionString("x.dat")).password, GamePassword);
    EXPECT_THROW(ParseConnectionString("driver={SQL Server};PWD=x;dbq=a.dat"), DatabaseError);
    EXPECT_THROW(ParseConnectionString("driver={Microsoft Access Driver (*.mdb)};PWD=x"),
                 DatabaseError);
}

using DatabaseCreate = GameFolderTest;

TEST_F(DatabaseCreate, RowsInsertedWithKeysOnlyHaveCountersAtZero) {
    const std::string records = Create("Save/userinfo.dat", DatabaseKind::PlayerRecords);
    const std::string bank = Create("Data/Qut004/004.dat", DatabaseKind::QuestionBank);
    Run(records, "INSERT INTO UserInfo(UserName,UserHead) VALUES('abc',3)");
    Run(bank, "INSERT INTO UserStats(UserName) VALUES('abc')");
    Run(bank, "INSERT INTO [User-Question](QuestionID,UserName) VALUES(7,'abc')");
    const std::string player = "UserInfo WHERE UserName='abc'";
    EXPECT_EQ(Value(records, "UserScore", player), "0");
    EXPECT_EQ(Value(records, "UserRight", player), "0");
    EXPECT_EQ(Value(records, "UserWrong", player), "0");
    EXPECT_EQ(Value(records, "UserClass", player), "1");
    EXPECT_EQ(Value(bank, "UserRight", "UserStats"), "0");
    EXPECT_EQ(Value(bank, "UserWrong", "UserStats"), "0");
    EXPECT_EQ(Value(bank, "RightCount", "[User-Question]"), "0");
    EXPECT_EQ(Value(bank, "WrongCount", "[User-Question]"), "0");
    Run(bank, "UPDATE [User-Question] SET RightCount=RightCount+1");
    EXPECT_EQ(Value(bank, "RightCount", "[User-Question]"), "1");
}

TEST_F(DatabaseCreate, NewFileIsInWalModeAndAnExistingFileIsKept) {
    const std::string bank = Create("Data/Qut004/004.dat", DatabaseKind::QuestionBank);
    EXPECT_EQ(Value(bank, "journal_mode", "pragma_journal_mode"), "wal");
    AddQuestion(bank, 0, "题");
    EXPECT_THROW(CreateDatabaseFile(bank, DatabaseKind::QuestionBank), DatabaseError);
    EXPECT_EQ(Value(bank, "Count(*)", "Question"), "1");
}

using SharedFile = GameFolderTest;

TEST_F(SharedFile, WriteThroughOneConnectionWhileAnotherHoldsAQuestionnaireOpen) {
    const std::string path = Create("data/q/q001/q.dat", DatabaseKind::Questionnaire);
    Run(path,
        "INSERT INTO CQCont(CQTypeID,CQCont,CQA,CQAScore,CQB,CQBScore,CQC,CQCScore) "
        "VALUES(1,'一','a',1,'b',2,'c',3)");
    Run(path,
        "INSERT INTO CQCont(CQTypeID,CQCont,CQA,CQAScore,CQB,CQBScore,CQC,CQCScore) "
        "VALUES(1,'二','a',1,'b',2,'c',3)");
    TIQ test(Folder() + "data\\q\\q001\\q.dat");
    EXPECT_EQ(test.LoadTestQuestions(1)[0], "一");
    Run(path, "INSERT INTO CQScore(CQTypeID,CQScoreLow,CQScoreHigh,CQResult) VALUES(1,0,9,'好')");
    EXPECT_EQ(test.GetResult(1, 5), "好");
    EXPECT_EQ(test.LoadTestQuestions(1)[0], "二");
}

TEST_F(SharedFile, ScoreChangedThroughOneObjectIsSeenThroughAnother) {
    Create("Save/userinfo.dat", DatabaseKind::PlayerRecords);
    TuserInfo map(Folder() + "Save\\userinfo.dat");
    TuserInfo report(Folder() + "Save\\UserInfo.dat");
    map.AddUser("abc", 1);
    map.AddScore("abc", 10);
    report.ActiveUser = "abc";
    map.ActiveUser = "abc";
    map.SetUserRight(map.GetUserRight() + 1);
    EXPECT_EQ(report.GetUserData("abc")[1], "10");
    EXPECT_EQ(report.GetUserRight(), 1);
}

}  // namespace
}  // namespace xuehai::test
