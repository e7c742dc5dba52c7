// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <libpq-fe.h>

#include <QListWidget>
#include <QTableView>
#include <chrono>
#include <cstdlib>

#include "BankFile.h"
#include "BankPage.h"
#include "ClassPage.h"
#include "PlayersPage.h"
#include "PostgresServer.h"
#include "ServerCopy.h"
#include "TeacherFolder.h"
#include "TeacherWindow.h"
#include "core/Errors.h"
#include "core/ProgramFolder.h"
#include "server/ServerEngine.h"
#include "server/ServerLink.h"
#include "serverroom/ServerTransfer.h"
#include "store/TQADataBase.h"

namespace xuehai::test {

namespace {

using ::testing::HasSubstr;

// The first value of a query run straight on the server.
std::string ServerValue(const std::string& connInfo, const std::string& sql) {
    PGconn* conn = PQconnectdb(connInfo.c_str());
    PGresult* result = PQexec(conn, sql.c_str());
    std::string value = PQntuples(result) > 0 ? PQgetvalue(result, 0, 0) : "none";
    if (PQresultStatus(result) != PGRES_TUPLES_OK) {
        ADD_FAILURE() << PQresultErrorMessage(result) << " in " << sql;
    }
    PQclear(result);
    PQfinish(conn);
    return value;
}

// A game folder put on a fresh server with server init, and the teacher's window on it.
class TeacherOnServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_.AddPlayer("小明", 0);
        folder_.AddPlayer("小红", 300);
        folder_.Answer("小明", 0, true);   // 一
        folder_.Answer("小明", 1, false);  // 二
        folder_.Answer("小红", 0, true);
        connInfo_ = PostgresServer::Instance().FreshDatabase();
        ServerLink link(connInfo_);
        bank::InitServer(link, folder_.Path());
        backups_ = folder_.Path() / "teacher-data";
        setenv("XDG_DATA_HOME", backups_.c_str(), 1);
        ASSERT_TRUE(window_.OpenServer(connInfo_));
    }
    void TearDown() override {
        unsetenv("XDG_DATA_HOME");
        teacher::WorkOnServer(nullptr);
        UseEngine(nullptr);
    }
    std::string BankSchema() {
        return "\"" +
               ServerValue(connInfo_,
                           "SELECT schemaname FROM xuehai.gamefile WHERE key = "
                           "'data/qut001/001.dat'") +
               "\"";
    }

    TeacherFolder folder_;
    std::string connInfo_;
    std::filesystem::path backups_;
    teacher::TeacherWindow window_;
};

TEST_F(TeacherOnServerTest, BankEditedOnTheServerKeepsEveryAnswerGivenMeanwhile) {
    teacher::BankPage& page = window_.Banks();
    teacher::QuestionTableModel& model = page.Model();
    ASSERT_EQ(model.rowCount(), 4);
    model.setData(model.index(1, bank::kColumnB), QStringLiteral("新的乙"), Qt::EditRole);
    model.MoveQuestion(2, 0);     // 三 first
    model.RemoveQuestions(3, 1);  // 四 goes
    // While the teacher edits, a pupil answers 二 right on the server.
    {
        const auto pupil = std::make_shared<ServerEngine>(connInfo_);
        UseEngine(pupil);
        TQADataBase("Data\\Qut001\\001.dat").RecordAnswer("小红", "1", 1);
        UseEngine(nullptr);
    }
    ASSERT_TRUE(page.Save()) << page.Status().toStdString();

    teacher::BankPage reopened;
    reopened.SetGameFolder(ProgramFolder());
    const auto& rows = reopened.Model().Rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].question.text, "三");
    EXPECT_EQ(rows[2].question.text, "二");
    EXPECT_EQ(rows[2].question.answers[1], "新的乙");
    ASSERT_TRUE(rows[2].stats);
    EXPECT_EQ(rows[2].stats->wrong, 1);  // 小明's
    EXPECT_EQ(rows[2].stats->right, 1);  // 小红's, given while the teacher edited
    ASSERT_TRUE(rows[1].stats);
    EXPECT_EQ(rows[1].stats->right, 2);  // 一, by both
    EXPECT_EQ(ServerValue(connInfo_, "SELECT count(*) FROM " + BankSchema() + ".question"), "3");

    // The class page reads the server: 小明 has one of three questions right.
    window_.Class().Refresh();
    const QAbstractItemModel& shown = *window_.Class().View().model();
    ASSERT_EQ(shown.rowCount(), 2);
    EXPECT_EQ(shown.data(shown.index(0, 0)).toString(), QStringLiteral("小明"));
    EXPECT_EQ(shown.data(shown.index(0, 7)).toString(), QStringLiteral("33%"));
}

TEST_F(TeacherOnServerTest, BankHeldByAnotherTeacherIsRefusedInChineseWithNothingChanged) {
    PGconn* other = PQconnectdb(connInfo_.c_str());
    PQclear(PQexec(other,
                   ("BEGIN; LOCK TABLE " + BankSchema() + ".question IN EXCLUSIVE MODE").c_str()));
    const auto start = std::chrono::steady_clock::now();
    try {
        teacher::SaveBank(ProgramFolder() + "Data/Qut001/001.dat", {TeacherFolder::Q("一")});
        ADD_FAILURE() << "the bank was saved over another teacher's lock";
    } catch (const RecordsLockedError& error) {
        EXPECT_THAT(error.what(), HasSubstr("另一台电脑"));
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(15));
    PQclear(PQexec(other, "ROLLBACK"));
    PQfinish(other);
    EXPECT_EQ(ServerValue(connInfo_, "SELECT count(*) FROM " + BankSchema() + ".question"), "4");
}

TEST_F(TeacherOnServerTest, RenamedPlayerOnTheServerWithACopyKeptOnTheTeachersComputer) {
    teacher::PlayersPage& players = window_.Players();
    ASSERT_EQ(players.List().count(), 2);
    ASSERT_TRUE(players.Rename(QStringLiteral("小明"), QStringLiteral("王小明")));
    const std::string records = ServerValue(
        connInfo_, "SELECT schemaname FROM xuehai.gamefile WHERE key = 'save/userinfo.dat'");
    EXPECT_EQ(ServerValue(connInfo_, "SELECT string_agg(username, ',' ORDER BY rowid) FROM \"" +
                                         records + "\".userinfo"),
              "王小明,小红");
    EXPECT_EQ(ServerValue(connInfo_, "SELECT count(*) FROM " + BankSchema() +
                                         ".\"user-question\" WHERE username = '王小明'"),
              "2");
    // The copy holds the records and the bank as they were before.
    std::size_t copies = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(backups_)) {
        copies += entry.path().filename() == "userinfo.dat" || entry.path().filename() == "001.dat";
    }
    EXPECT_EQ(copies, 2u);
}

}  // namespace

}  // namespace xuehai::test
