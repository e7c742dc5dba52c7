// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QQmlComponent>
#include <QQmlEngine>
#include <QUrl>
#include <cmath>
#include <fstream>
#include <iterator>
#include <memory>

#include "classroom/FolderClassSource.h"
#include "core/ListFile.h"
#include "core/ProgramFolder.h"
#include "store/Connection.h"
#include "store/TQADataBase.h"
#include "subjects/GameSubjects.h"
#include "subjects/QuizMovie.h"
#include "subjects/SubjectAddition.h"
#include "subjects/SubjectRefusal.h"

namespace xuehai::subjects {

namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A copy of the game folder the build laid out, with its players' records.
class GameCopy {
public:
    GameCopy() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = fs::temp_directory_path() /
                ("xuehai-subjects-" + std::string(info->name()) + "-" + std::to_string(::getpid()));
        fs::remove_all(path_);
        fs::copy(XUEHAI_GAME_DIR, path_, fs::copy_options::recursive);
    }
    ~GameCopy() {
        ReleaseIdleConnections();
        fs::remove_all(path_);
    }
    const fs::path& Path() const { return path_; }

    // Every file the subject touches, to tell that a refusal wrote nothing.
    std::string State() const {
        std::string state = Bytes(path_ / "AliginA.cfg") + Bytes(path_ / "AliginB.cfg") +
                            Bytes(path_ / "Xuehai/Ui/Subjects.js");
        for (const auto& entry : fs::directory_iterator(path_ / "Data")) {
            state += entry.path().filename().string() + ";";
        }
        return state;
    }

private:
    fs::path path_;
};

// The map's subjects as the map movie sees them: the list of its SubjectBook type.
QVariantList MapList(const fs::path& folder) {
    QQmlEngine engine;
    QQmlComponent component(&engine, QUrl::fromLocalFile(QString::fromStdString(
                                         (folder / "Xuehai/Ui/SubjectBook.qml").string())));
    std::unique_ptr<QObject> book(component.create());
    EXPECT_TRUE(book) << component.errorString().toStdString();
    return book ? book->property("list").toList() : QVariantList();
}

SubjectRequest Request(const std::string& name, int region = 1) {
    return {name, region, "001"};
}

TEST(NewSubjectTest, TheGameFindsTheSubjectInItsListsOnItsMapAndInItsFolder) {
    GameCopy game;
    const GameSubjects folder(game.Path());
    ASSERT_EQ(folder.Listed().size(), 18u);
    const SubjectPlan plan = folder.Plan(Request("书法"));
    EXPECT_EQ(plan.code, "019");
    AddSubject(folder, plan);

    SetProgramFolder(game.Path());
    const std::vector<std::string> names = ReadListFile("AliginA.cfg");
    const std::vector<std::string> codes = ReadListFile("AliginB.cfg");
    ASSERT_EQ(names.size(), 19u);
    ASSERT_EQ(codes.size(), 19u);
    EXPECT_EQ(names.front(), "语文");
    EXPECT_EQ(names.back(), "书法");
    EXPECT_EQ(codes.back(), "019");

    const QVariantList map = MapList(game.Path());
    ASSERT_EQ(map.size(), 19);
    const QVariantMap added = map.back().toMap();
    EXPECT_EQ(added[QStringLiteral("code")].toString(), QStringLiteral("019"));
    EXPECT_EQ(added[QStringLiteral("name")].toString(), QStringLiteral("书法"));
    EXPECT_EQ(added[QStringLiteral("region")].toInt(), 1);
    EXPECT_EQ(added[QStringLiteral("x")].toInt(), plan.site.x);
    EXPECT_EQ(added[QStringLiteral("y")].toInt(), plan.site.y);

    // The bank opens in the game, empty; the music is the chosen subject's; the quiz movie
    // is made like the build's.
    TQADataBase bank("Data\\Qut019\\019.dat");
    EXPECT_EQ(bank.GetRate("Wancheng", "小明"), 0.0);
    EXPECT_EQ(Bytes(game.Path() / "Data/Qut019/019.mp3"),
              Bytes(game.Path() / "Data/Qut001/001.mp3"));
    EXPECT_EQ(Bytes(game.Path() / "Data/Qut019/Q019.mod"), QuizMovieText("019", "书法"));

    // The teacher's class page counts it as a subject like the others.
    const classroom::ClassOverview overview =
        classroom::FolderClassSource(game.Path()).ReadOverview();
    ASSERT_EQ(overview.subjects.size(), 19u);
    EXPECT_EQ(overview.subjects.back().name, "书法");
}

TEST(NewSubjectTest, QuizMovieIsTheOneTheBuildMakes) {
    EXPECT_EQ(QuizMovieText("001", "语文"),
              Bytes(fs::path(XUEHAI_GAME_DIR) / "Data/Qut001/Q001.mod"));
    EXPECT_EQ(QuizMovieText("015", "计算机"),
              Bytes(fs::path(XUEHAI_GAME_DIR) / "Data/Qut015/Q015.mod"));
}

TEST(NewSubjectTest, SubjectsGoOnTheMapUntilItIsFullThenNothingIsWritten) {
    GameCopy game;
    std::vector<SubjectPlan> added;
    for (int i = 0;; ++i) {
        const GameSubjects folder(game.Path());
        const std::string name = "新科" + std::to_string(i);
        try {
            added.push_back(folder.Plan(Request(name)));
        } catch (const SubjectRefusal& refusal) {
            EXPECT_THAT(refusal.what(), HasSubstr("没有空地方"));
            break;
        }
        AddSubject(folder, added.back());
        ASSERT_LT(i, 40) << "the map never filled";
    }
    ASSERT_GE(added.size(), 2u);
    // No two places of the map crowd each other.
    const GameSubjects folder(game.Path());
    std::vector<MapPlace> places = folder.OnMap();
    places.insert(places.end(), folder.World().others.begin(), folder.World().others.end());
    for (const SubjectPlan& plan : added) {
        for (const MapPlace& p : places) {
            if (p.code != plan.code) {
                EXPECT_GE(std::hypot(plan.site.x - p.x, plan.site.y - p.y), 140) << p.name;
            }
        }
    }
    EXPECT_EQ(MapList(game.Path()).size(), static_cast<int>(18 + added.size()));
    // The other regions still have room.
    EXPECT_NO_THROW(folder.Plan(Request("天空", 2)));
}

TEST(NewSubjectTest, RefusesWhatTheGameCouldNotShowAndWritesNothing) {
    GameCopy game;
    const std::string before = game.State();
    const GameSubjects folder(game.Path());
    const std::vector<std::pair<std::string, std::string>> refused{
        {"", "名称"},
        {"语文", "已经有"},
        {"书 法", "空格"},
        {"书\u3000法", "空格"},
        {"书,法", "逗号"},
        {"书\"法", "引号"},
        {"書法\U0001F600", "GBK"},
        {"一二三四五六", "最多 5 个字"},
    };
    for (const auto& [name, why] : refused) {
        SCOPED_TRACE(name);
        try {
            folder.Plan(Request(name));
            ADD_FAILURE() << "taken";
        } catch (const SubjectRefusal& refusal) {
            EXPECT_THAT(refusal.what(), HasSubstr(why));
        }
    }
    EXPECT_THROW(folder.Plan({"书法", 4, "001"}), SubjectRefusal);
    EXPECT_THROW(folder.Plan({"书法", 1, "099"}), SubjectRefusal);
    EXPECT_EQ(game.State(), before);
}

TEST(NewSubjectTest, InstalledDataAndItsCopiesTakeNoSubject) {
    GameCopy game;
    std::ofstream(game.Path() / ".installed") << "";
    try {
        GameSubjects folder(game.Path());
        ADD_FAILURE() << "a copy of the installed game took a subject";
    } catch (const SubjectRefusal& refusal) {
        EXPECT_THAT(refusal.what(), HasSubstr("安装"));
    }
    fs::remove(game.Path() / ".installed");
    fs::remove_all(game.Path() / "Save");  // the installed data has no player records
    EXPECT_THROW(GameSubjects folder(game.Path()), SubjectRefusal);
}

TEST(NewSubjectTest, AFailedWritePutsBackWhatItChanged) {
    GameCopy game;
    const std::string before = game.State();
    const GameSubjects folder(game.Path());
    const SubjectPlan plan = folder.Plan(Request("书法"));
    // The names are written last; their scratch file cannot be made.
    fs::create_directory(game.Path() / "AliginA.cfg.new");
    try {
        AddSubject(folder, plan);
        ADD_FAILURE() << "the subject was added";
    } catch (const SubjectRefusal& refusal) {
        EXPECT_THAT(refusal.what(), HasSubstr("保持原样"));
    }
    fs::remove(game.Path() / "AliginA.cfg.new");
    EXPECT_EQ(game.State(), before);
    EXPECT_FALSE(fs::exists(game.Path() / "Data/Qut019"));
}

}  // namespace

}  // namespace xuehai::subjects
