// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTranslator>

#include "host/services/QtTranslations.h"

namespace xuehai {
namespace {

QString Choose(const QStringList& system, const QStringList& qtHas) {
    return ChooseQtLanguage(system,
                            [&](const QString& language) { return qtHas.contains(language); });
}

TEST(QtLanguage, IsTheSystemsWhereQtHasItAndChineseOtherwise) {
    const QStringList qt{QStringLiteral("de"), QStringLiteral("zh_CN"), QStringLiteral("zh_TW"),
                         QStringLiteral("pt_BR")};
    EXPECT_EQ(Choose({QStringLiteral("de-DE")}, qt), QStringLiteral("de"));
    EXPECT_EQ(Choose({QStringLiteral("pt-BR")}, qt), QStringLiteral("pt_BR"));
    EXPECT_EQ(Choose({QStringLiteral("zh-Hant-TW")}, qt), QStringLiteral("zh_TW"));
    EXPECT_EQ(Choose({QStringLiteral("zh-Hans-CN")}, qt), QStringLiteral("zh_CN"));
    // The first language Qt has wins; one it lacks is passed over.
    EXPECT_EQ(Choose({QStringLiteral("eo"), QStringLiteral("de-AT")}, qt), QStringLiteral("de"));
    // No language set, English (whose dialogs would sit in a Chinese game) or nothing known.
    for (const QString& none :
         {QStringLiteral("C"), QStringLiteral("en-US"), QStringLiteral("eo")}) {
        EXPECT_EQ(Choose({none}, qt), QStringLiteral("zh_CN")) << none.toStdString();
    }
    EXPECT_EQ(Choose({}, qt), QStringLiteral("zh_CN"));
}

TEST(QtLanguage, MessageBoxButtonsReadChinese) {
    if (QLocale::system().name() != QStringLiteral("C") &&
        !QLocale::system().name().startsWith(QStringLiteral("en")) &&
        !QLocale::system().name().startsWith(QStringLiteral("zh_CN"))) {
        GTEST_SKIP() << "the system's language is " << QLocale::system().name().toStdString();
    }
    QTranslator* translator = InstallQtTranslations(*qApp);
    ASSERT_NE(translator, nullptr) << "Qt's translations (qt6-translations-l10n) are missing";
    QMessageBox box(QMessageBox::Critical, QStringLiteral("x"), QStringLiteral("x"),
                    QMessageBox::Ok);
    const QString ok = box.button(QMessageBox::Ok)->text();
    QCoreApplication::removeTranslator(translator);
    EXPECT_EQ(ok, QString::fromUtf8("确定"));
}

}  // namespace
}  // namespace xuehai
