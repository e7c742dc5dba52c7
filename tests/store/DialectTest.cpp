// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoreTestSupport.h"
#include "store/Connection.h"
#include "store/ConnectionString.h"
#include "store/Query.h"
#include "store/SqlDialect.h"

namespace xuehai::test {
namespace {

class EngineDialect : public GameFolderTest {
protected:
    void SetUp() override {
        GameFolderTest::SetUp();
        path_ = Create("Save/userinfo.dat", DatabaseKind::PlayerRecords);
        connection_ = std::make_unique<Connection>(MakeConnectionString(path_));
        query_ = std::make_unique<Query>(*connection_);
    }
    void TearDown() override {
        query_.reset();
        connection_.reset();
        GameFolderTest::TearDown();
    }
    // The value of one expression, read as text.
    std::string Evaluate(const std::string& expression) {
        query_->SetText("SELECT " + expression + " AS v");
        query_->Open();
        QueryCloser closer(*query_);
        return query_->Text("v");
    }

    std::string path_;
    std::unique_ptr<Connection> connection_;
    std::unique_ptr<Query> query_;
};

TEST_F(EngineDialect, IntIsTheGreatestIntegerNotAbove) {
    EXPECT_EQ(Evaluate("int(-0.5)"), "-1");
    EXPECT_EQ(Evaluate("int(2.999)"), "2");
    EXPECT_EQ(Evaluate("int(-2/1000)+1"), "0");
    EXPECT_EQ(Evaluate("int(7)"), "7");
    EXPECT_THROW(Evaluate("int(NULL)"), ConversionError);
}

TEST_F(EngineDialect, SlashDividesAsRealNumbersOutsideQuotes) {
    EXPECT_EQ(Evaluate("7/2"), "3.5");
    EXPECT_EQ(Evaluate("1+6/4/3"), "1.5");
    EXPECT_EQ(Evaluate("'a/b'"), "a/b");
    EXPECT_EQ(RewriteDivision("SELECT [a/b], \"c/d\", 'it''s/x' -- e/f\n/* g/h */ FROM t"),
              "SELECT [a/b], \"c/d\", 'it''s/x' -- e/f\n/* g/h */ FROM t");
    EXPECT_EQ(RewriteDivision("x=(a+b)/c"), "x=(a+b)*1.0/c");
}

TEST_F(EngineDialect, BracketedTableAndColumnNamesInAnyLetterCase) {
    const std::string bank = Create("Data/Qut004/004.dat", DatabaseKind::QuestionBank);
    Run(bank, "INSERT INTO [User-Question](QuestionID,USerName) VALUES(3,'abc')");
    Connection connection(MakeConnectionString(bank));
    Query query(connection);
    query.SetText("SELECT * FROM [User-Question] WHERE questionid=3");
    query.Open();
    EXPECT_EQ(query.Text("USERNAME"), "abc");
    EXPECT_EQ(query.Integer("rightcount"), 0);
    EXPECT_THROW(query.Text("Name"), DatabaseError);
}

TEST_F(EngineDialect, NullFailsTheConversionToTextAndToInteger) {
    Run(path_, "CREATE TABLE Loose(Word TEXT, Number INTEGER)");
    Run(path_, "INSERT INTO Loose VALUES(NULL, NULL)");
    query_->SetText("SELECT * FROM Loose");
    query_->Open();
    EXPECT_THROW(query_->Text("Word"), ConversionError);
    EXPECT_THROW(query_->Integer("Number"), ConversionError);
}

TEST_F(EngineDialect, IntegerReadRefusesWhatIsNoWholeNumber) {
    query_->SetText(
        "SELECT 2.5 AS half, 3.0 AS whole, '42' AS text, '12a' AS word, 4294967296 AS big");
    query_->Open();
    EXPECT_THROW(query_->Integer("half"), ConversionError);
    EXPECT_EQ(query_->Integer("whole"), 3);
    EXPECT_EQ(query_->Integer("text"), 42);
    EXPECT_THROW(query_->Integer("word"), ConversionError);
    EXPECT_THROW(query_->Integer("big"), ConversionError);
}

TEST_F(EngineDialect, SelectWithoutRowsIsAtItsEndAtOnce) {
    query_->SetText("SELECT * FROM UserInfo WHERE UserName='nobody'");
    query_->Open();
    EXPECT_TRUE(query_->AtEnd());
    EXPECT_EQ(query_->RowCount(), 0);
    EXPECT_THROW(query_->Text("UserName"), ConversionError);
}

TEST_F(EngineDialect, OnlyOneStatementRunsAtATime) {
    Run(path_, "INSERT INTO UserInfo(UserName,UserHead) VALUES('a',1)");
    EXPECT_THROW(connection_->Execute("UPDATE UserInfo SET UserHead=2; DROP TABLE UserInfo"),
                 DatabaseError);
    EXPECT_EQ(Value(path_, "UserHead", "UserInfo"), "1");
    EXPECT_THROW(connection_->Execute("UPDATE NoSuchTable SET x=1"), DatabaseError);
}

}  // namespace
}  // namespace xuehai::test
