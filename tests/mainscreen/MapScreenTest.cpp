// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapScreenTest.h"

#include <sqlite3.h>

#include <QTimer>
#include <cstdlib>
#include <fstream>

#include "FieldEncoder.h"
#include "SqlProbe.h"
#include "core/GameGlobals.h"
#include "core/ProgramFolder.h"
#include "mainscreen/MainScreenGlobals.h"
#include "store/Connection.h"
#include "store/DatabaseFiles.h"
#include "store/GameRandom.h"
#include "store/TuserInfo.h"

namespace xuehai::test {

namespace {

// Writes test rows straight through SQLite, in one transaction, around the store.
class RawDatabase {
public:
    explicit RawDatabase(const std::filesystem::path& file) {
        if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
            ADD_FAILURE() << "cannot open " << file;
        }
        Exec("BEGIN");
    }
    ~RawDatabase() {
        Exec("COMMIT");
        sqlite3_close_v2(db_);
    }
    RawDatabase(const RawDatabase&) = delete;
    RawDatabase& operator=(const RawDatabase&) = delete;

    void Exec(const std::string& sql) {
        char* error = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            ADD_FAILURE() << sql << ": " << (error != nullptr ? error : "?");
            sqlite3_free(error);
        }
    }

private:
    sqlite3* db_ = nullptr;
};

std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}

}  // namespace

MusicPlayer* MapTestPlatform::CreateMusicPlayer(QObject* parent) {
    auto* player = static_cast<fakes::FakeMusicPlayer*>(FakePlatform::CreateMusicPlayer(parent));
    for (const std::string& file : failingMusic) {
        player->FailOpenOf(file);
    }
    return player;
}

void MapScreenTest::SetUp() {
    std::string pattern = (std::filesystem::temp_directory_path() / "xuehai-map-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    SetProgramFolder(folder_);
    std::filesystem::create_directories(folder_ / "Save");
    CreateDatabaseFile(folder_ / "Save/userinfo.dat", DatabaseKind::PlayerRecords);
    TuserInfo(Folder() + "Save\\userinfo.dat").AddUser(kPlayer, 3);
    CurrentUserName = kPlayer;
    ReportPlayerName.clear();
    ReportFolder.clear();
    MusicLoop = true;
    TestType = 0;
}

void MapScreenTest::TearDown() {
    screen_.reset();
    UserRecords.reset();
    ReleaseIdleConnections();
    SetTimeOfDayClock({});
    std::filesystem::remove_all(folder_);
}

std::string MapScreenTest::MakeBank(const std::string& code, int count, int answered) {
    const std::string relative = "Data/Qut" + code + "/" + code + ".dat";
    std::filesystem::create_directories((folder_ / relative).parent_path());
    CreateDatabaseFile(folder_ / relative, DatabaseKind::QuestionBank);
    RawDatabase bank(folder_ / relative);
    for (int id = 0; id < count; ++id) {
        bank.Exec("INSERT INTO Question(QAID,QARight,QAFLAG) VALUES(" + std::to_string(id) +
                  ",'A','1')");
    }
    for (int id = 0; id < answered; ++id) {
        bank.Exec("INSERT INTO [User-Question](QuestionID,UserName,RightCount) VALUES(" +
                  std::to_string(id) + "," + Quoted(kPlayer) + ",1)");
    }
    return relative;
}

void MapScreenTest::AddQuestion(const std::string& code, int id,
                                const std::vector<std::string>& texts, const std::string& right,
                                const std::string& flag) {
    static FieldEncoder encoder(20240611);
    std::string sql = "INSERT INTO Question(QAID,QACont,QAA,QAB,QAC,QAD,QARight,QAFLAG) VALUES(" +
                      std::to_string(id);
    for (const std::string& text : texts) {
        sql += "," + Quoted(encoder.EncodeUtf8(text));
    }
    sql += "," + Quoted(right) + "," + Quoted(flag) + ")";
    RawDatabase(folder_ / ("Data/Qut" + code + "/" + code + ".dat")).Exec(sql);
}

void MapScreenTest::MakeTest(const std::string& code, int types,
                             const std::vector<std::vector<std::string>>& items,
                             const std::vector<Evaluation>& evaluations) {
    const std::filesystem::path file = folder_ / ("data/q/q" + code + "/q.dat");
    std::filesystem::create_directories(file.parent_path());
    CreateDatabaseFile(file, DatabaseKind::Questionnaire);
    RawDatabase test(file);
    for (int type = 1; type <= types; ++type) {
        test.Exec("INSERT INTO CQType(CQTypeID) VALUES(" + std::to_string(type) + ")");
    }
    for (const auto& item : items) {
        std::string sql =
            "INSERT INTO CQCont(CQTypeID,CQCont,CQA,CQAScore,CQB,CQBScore,CQC,"
            "CQCScore) VALUES(1";
        for (const std::string& text : item) {
            sql += "," + Quoted(text);
        }
        test.Exec(sql + ")");
    }
    for (const Evaluation& evaluation : evaluations) {
        test.Exec("INSERT INTO CQScore(CQTypeID,CQScoreLow,CQScoreHigh,CQResult) VALUES(1," +
                  std::to_string(evaluation.low) + "," + std::to_string(evaluation.high) + "," +
                  Quoted(evaluation.text) + ")");
    }
}

void MapScreenTest::Touch(const std::string& relative) {
    std::filesystem::create_directories((folder_ / relative).parent_path());
    std::ofstream(folder_ / relative).put('\0');
}

std::string MapScreenTest::Value(const std::string& relative, const std::string& column,
                                 const std::string& rest) {
    return testing::SqlValue(folder_ / relative, "SELECT " + column + " FROM " + rest);
}

void MapScreenTest::Run(const std::string& relative, const std::string& sql) {
    RawDatabase(folder_ / relative).Exec(sql);
}

std::string MapScreenTest::Player(const std::string& column) {
    return Value("Save/userinfo.dat", column, "UserInfo WHERE UserName=" + Quoted(kPlayer));
}

TForm1& MapScreenTest::Screen() {
    MainScreenLinks links;
    links.loginScreen = [this](QWidget* owner) {
        loginOwners_.push_back(owner);
        return std::make_unique<QDialog>(owner);
    };
    links.report = [this](QWidget* owner) {
        reportOwners_.push_back(owner);
        auto report = std::make_unique<QDialog>(owner);
        // The player closes the report at once, so its modal loop returns.
        QTimer::singleShot(0, report.get(), &QDialog::accept);
        reports_.emplace_back(report.get());
        return report;
    };
    screen_ = std::make_unique<TForm1>(platform_, std::move(links), nullptr);
    return *screen_;
}

void MapScreenTest::Raise(const std::string& command, const std::string& args,
                          const std::string& mod) {
    MainFlash().Preset("_level0.mod", mod);
    platform_.ClearLog();
    MainFlash().Raise(command, args);
}

std::vector<std::string> MapScreenTest::Lines(std::initializer_list<std::string> prefixes) const {
    std::vector<std::string> lines;
    for (const std::string& line : platform_.Log()) {
        for (const std::string& prefix : prefixes) {
            if (line.rfind(prefix, 0) == 0) {
                lines.push_back(line);
                break;
            }
        }
    }
    return lines;
}

}  // namespace xuehai::test
