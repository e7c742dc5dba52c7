// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "screens/ReportFileName.h"

namespace xuehai::test {
namespace {

const QDate kDay(2026, 12, 9);

std::string Offered(const QString& player) {
    return ReportFileName(player, kDay).toStdString();
}

TEST(ReportFileName, ThePlayersNameAndTheDay) {
    EXPECT_EQ(Offered(QString::fromUtf8("小明")), "小明-2026-12-09.bmp");
    EXPECT_EQ(Offered(QStringLiteral("Li Lei")), "Li Lei-2026-12-09.bmp");
    EXPECT_EQ(ReportFileName(QString::fromUtf8("小红"), QDate(2027, 1, 31)).toStdString(),
              "小红-2027-01-31.bmp");
}

TEST(ReportFileName, NamesAFileSystemCannotTakeAreMadeSafe) {
    // A separator would put the file in another folder, or in none.
    EXPECT_EQ(Offered(QStringLiteral("../../etc/passwd")), "_.._etc_passwd-2026-12-09.bmp");
    EXPECT_EQ(Offered(QString::fromUtf8("三年级\\二班:小明?")), "三年级_二班_小明_-2026-12-09.bmp");
    // Hidden files, invisible characters and a name written backwards on screen.
    EXPECT_EQ(Offered(QString::fromUtf8(".小明")), "小明-2026-12-09.bmp");
    EXPECT_EQ(Offered(QString::fromUtf8("小\t明\n")), "小_明_-2026-12-09.bmp");
    EXPECT_EQ(Offered(QString::fromUtf8("小明\u202Epmb")), "小明_pmb-2026-12-09.bmp");
    // Nothing left: the default player's name.
    for (const char* empty : {"", "   ", "..."}) {
        EXPECT_EQ(Offered(QString::fromUtf8(empty)), "玩家-2026-12-09.bmp") << empty;
    }
}

TEST(ReportFileName, ALongNameIsCutBetweenCharacters) {
    const QString offered = ReportFileName(QString(100, QChar(0x5b66)), kDay);
    EXPECT_EQ(offered, QString(40, QChar(0x5b66)) + QStringLiteral("-2026-12-09.bmp"));
    EXPECT_LT(offered.toUtf8().size(), 255);

    // A character outside the basic plane is kept whole or not at all.
    const QString face = QString::fromUtf8("\U0001F600");
    const QString cut = ReportFileName(QString(39, QChar(0x5b66)) + face + face, kDay);
    EXPECT_EQ(cut, QString(39, QChar(0x5b66)) + face + QStringLiteral("-2026-12-09.bmp"));
}

}  // namespace
}  // namespace xuehai::test
