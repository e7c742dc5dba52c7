// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "server/ServerDialect.h"

namespace xuehai {
namespace {

TEST(ServerDialect, BracketedNamesBecomeQuotedLowerCaseNames) {
    EXPECT_EQ(TranslateForServer("SELECT * FROM [User-Question] WHERE QuestionID=3"),
              "SELECT * FROM \"user-question\" WHERE QuestionID=3");
    EXPECT_EQ(TranslateForServer("SELECT `A b` FROM \"My\"\"T\""),
              "SELECT \"a b\" FROM \"my\"\"t\"");
}

TEST(ServerDialect, ClassRuleFloorsARealDivision) {
    EXPECT_EQ(TranslateForServer("UPDATE UserInfo Set UserClass=int(UserScore/1000)+1  WHERE "
                                 "UserName='x'"),
              "UPDATE UserInfo Set UserClass=floor(UserScore*1.0/1000)+1  WHERE UserName='x'");
    EXPECT_EQ(TranslateForServer("SELECT INT (2/3) AS c"), "SELECT floor (2*1.0/3) AS c");
}

TEST(ServerDialect, LeavesLiteralsCommentsAndOtherNamesAlone) {
    EXPECT_EQ(TranslateForServer("SELECT * FROM UserInfo WHERE UserName='int(a/b) [x] ''it'''"),
              "SELECT * FROM UserInfo WHERE UserName='int(a/b) [x] ''it'''");
    EXPECT_EQ(TranslateForServer("SELECT print(1), UserInt(2), a.int(3) -- int(4) [y]"),
              "SELECT print(1), UserInt(2), a.int(3) -- int(4) [y]");
    EXPECT_EQ(TranslateForServer("SELECT Count(*) AS QACount FROM Question"),
              "SELECT Count(*) AS QACount FROM Question");
}

}  // namespace
}  // namespace xuehai
