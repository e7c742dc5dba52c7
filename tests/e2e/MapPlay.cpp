// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapPlay.h"

#include <QQuickItem>
#include <QTest>
#include <filesystem>

#include "SqlProbe.h"
#include "core/GameGlobals.h"
#include "core/ProgramFolder.h"
#include "host/services/TMediaPlayer.h"
#include "mainscreen/MainScreenGlobals.h"
#include "store/Connection.h"
#include "store/TuserInfo.h"

namespace xuehai::test {

namespace {

QQuickItem* FindItem(QQuickItem* item, const std::function<bool(QQuickItem*)>& wanted) {
    if (item == nullptr || !item->isVisible()) {
        return nullptr;
    }
    if (wanted(item)) {
        return item;
    }
    for (QQuickItem* child : item->childItems()) {
        if (QQuickItem* found = FindItem(child, wanted)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace

void MapPlay::SetUp() {
    ASSERT_TRUE(folder_.isValid());
    const std::filesystem::path game = folder_.path().toStdString();
    std::filesystem::copy(XUEHAI_GAME_DIR, game, std::filesystem::copy_options::recursive);
    SetProgramFolder(game);
    TuserInfo(ProgramFolder() + "Save\\userinfo.dat").AddUser(kPlayer, 5);
    CurrentUserName = kPlayer;
    SetMusicMuted(true);

    MainScreenLinks links;
    links.loginScreen = [this](QWidget* owner) {
        ++loginScreensMade_;
        return std::make_unique<QDialog>(owner);
    };
    screen_ = std::make_unique<TForm1>(platform_, std::move(links), nullptr);
    screen_->resize(800, 585);
    screen_->show();
    ASSERT_TRUE(WaitFor([this] { return Map().Target("_level0") != nullptr; }));
    ASSERT_TRUE(WaitFor([this] { return Frame().Target("_level0") != nullptr; }));
}

void MapPlay::TearDown() {
    screen_.reset();
    UserRecords.reset();
    ReleaseIdleConnections();
    EXPECT_THAT(platform_.errors, ::testing::IsEmpty());
}

TShockwaveFlash& MapPlay::Map() {
    return dynamic_cast<TShockwaveFlash&>(screen_->MainFlash());
}

TShockwaveFlash& MapPlay::Frame() {
    return dynamic_cast<TShockwaveFlash&>(screen_->FlashBack());
}

QQuickItem* MapPlay::Find(TShockwaveFlash& movie, const std::string& level,
                          const std::function<bool(QQuickItem*)>& wanted) const {
    return FindItem(movie.Target(level), wanted);
}

QQuickItem* MapPlay::Labelled(TShockwaveFlash& movie, const std::string& level,
                              const QString& caption, const char* signal) const {
    return Find(movie, level, [&](QQuickItem* item) {
        const QVariant text = item->property("text");
        const QString label = text.isValid() ? text.toString() : item->property("name").toString();
        return label == caption && item->metaObject()->indexOfSignal(signal) >= 0;
    });
}

void MapPlay::Click(TShockwaveFlash& movie, QQuickItem* item) {
    ASSERT_NE(item, nullptr);
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QTest::mouseMove(&movie, centre.toPoint());
    QTest::mouseClick(&movie, Qt::LeftButton, {}, centre.toPoint());
    QTest::qWait(50);
}

void MapPlay::ClickLabelled(TShockwaveFlash& movie, const std::string& level,
                            const QString& caption, const char* signal) {
    QQuickItem* item = Labelled(movie, level, caption, signal);
    ASSERT_NE(item, nullptr) << "nothing labelled " << caption.toStdString() << " in " << level;
    Click(movie, item);
}

bool MapPlay::WaitFor(const std::function<bool()>& condition, int milliseconds) {
    return QTest::qWaitFor(condition, milliseconds);
}

std::string MapPlay::Value(const std::string& relative, const std::string& expression,
                           const std::string& rest) const {
    return testing::SqlValue(folder_.path().toStdString() + "/" + relative,
                             "SELECT " + expression + " FROM " + rest);
}

std::string MapPlay::Player(const std::string& column) const {
    return Value("Save/userinfo.dat", column,
                 "UserInfo WHERE UserName='" + std::string(kPlayer) + "'");
}

}  // namespace xuehai::test
