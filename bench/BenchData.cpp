// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchData.h"

#include <sqlite3.h>

#include <cstdio>
#include <random>
#include <stdexcept>

#include "FieldEncoder.h"
#include "store/DatabaseFiles.h"

namespace xuehai::bench {

const std::vector<std::string> ReportSubjects = {"004", "006", "003", "001", "002", "007",
                                                 "005", "008", "009", "013", "014", "016",
                                                 "017", "015", "012", "011"};

namespace {

// Bulk loading goes straight to SQLite in one transaction; the store has no bulk writes.
class Loader {
public:
    explicit Loader(const std::filesystem::path& file) {
        if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
            throw std::runtime_error("cannot open " + file.string());
        }
        Run("BEGIN");
    }
    ~Loader() {
        sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db_);
    }
    Loader(const Loader&) = delete;
    Loader& operator=(const Loader&) = delete;

    void Run(const std::string& sql) {
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
            throw std::runtime_error(sqlite3_errmsg(db_));
        }
    }
    sqlite3_stmt* Prepare(const char* sql) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db_, sql, -1, &stmt, nullptr) != SQLITE_OK) {
            throw std::runtime_error(sqlite3_errmsg(db_));
        }
        return stmt;
    }
    void Step(sqlite3_stmt* stmt) {
        if (sqlite3_step(stmt) != SQLITE_DONE) {
            throw std::runtime_error(sqlite3_errmsg(db_));
        }
        sqlite3_reset(stmt);
    }

private:
    sqlite3* db_ = nullptr;
};

void BindText(sqlite3_stmt* stmt, int index, const std::string& text) {
    sqlite3_bind_text(stmt, index, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

std::string PlayerName(int number) {
    char name[16];
    std::snprintf(name, sizeof name, "%04d", number);
    return "玩家" + std::string(name);
}

void FillBank(const std::filesystem::path& file, int questions, int players, int answered) {
    CreateDatabaseFile(file, DatabaseKind::QuestionBank);
    Loader loader(file);
    FieldEncoder encoder(1);
    std::mt19937 random(2);
    sqlite3_stmt* question = loader.Prepare(
        "INSERT INTO Question(QAID,QACont,QAA,QAB,QAC,QAD,QARight,QAFLAG) "
        "VALUES(?,?,?,?,?,?,?,'0')");
    for (int id = 0; id < questions; ++id) {
        const std::string number = std::to_string(id);
        sqlite3_bind_int(question, 1, id);
        BindText(question, 2,
                 encoder.EncodeUtf8("第" + number + "题：下列哪一个选项是正确的答案？"));
        BindText(question, 3, encoder.EncodeUtf8("选项甲" + number));
        BindText(question, 4, encoder.EncodeUtf8("选项乙" + number));
        BindText(question, 5, encoder.EncodeUtf8("选项丙" + number));
        BindText(question, 6, encoder.EncodeUtf8("选项丁" + number));
        BindText(question, 7, std::string(1, static_cast<char>('A' + id % 4)));
        loader.Step(question);
    }
    sqlite3_finalize(question);

    sqlite3_stmt* stats =
        loader.Prepare("INSERT INTO UserStats(UserName,UserRight,UserWrong) VALUES(?,?,?)");
    sqlite3_stmt* pair = loader.Prepare(
        "INSERT INTO [User-Question](QuestionID,UserName,RightCount,WrongCount) VALUES(?,?,?,?)");
    std::vector<int> ids(static_cast<std::size_t>(questions));
    for (int p = 1; p <= players; ++p) {
        const std::string name = PlayerName(p);
        for (int i = 0; i < questions; ++i) {
            ids[static_cast<std::size_t>(i)] = i;
        }
        int right = 0;
        int wrong = 0;
        for (int a = 0; a < answered; ++a) {
            std::uniform_int_distribution<int> pick(a, questions - 1);
            std::swap(ids[static_cast<std::size_t>(a)],
                      ids[static_cast<std::size_t>(pick(random))]);
            const int rightCount = static_cast<int>(random() % 3);
            const int wrongCount = static_cast<int>(random() % 2);
            right += rightCount;
            wrong += wrongCount;
            sqlite3_bind_int(pair, 1, ids[static_cast<std::size_t>(a)]);
            BindText(pair, 2, name);
            sqlite3_bind_int(pair, 3, rightCount);
            sqlite3_bind_int(pair, 4, wrongCount);
            loader.Step(pair);
        }
        BindText(stats, 1, name);
        sqlite3_bind_int(stats, 2, right);
        sqlite3_bind_int(stats, 3, wrong);
        loader.Step(stats);
    }
    sqlite3_finalize(stats);
    sqlite3_finalize(pair);
}

void FillRecords(const std::filesystem::path& file, int players) {
    CreateDatabaseFile(file, DatabaseKind::PlayerRecords);
    Loader loader(file);
    sqlite3_stmt* player = loader.Prepare(
        "INSERT INTO UserInfo(UserName,UserHead,UserScore,UserClass,UserRight,UserWrong) "
        "VALUES(?,?,?,?,?,?)");
    for (int p = 1; p <= players; ++p) {
        const int score = (p * 37) % 5000;
        BindText(player, 1, PlayerName(p));
        sqlite3_bind_int(player, 2, p % 20);
        sqlite3_bind_int(player, 3, score);
        sqlite3_bind_int(player, 4, score / 1000 + 1);
        sqlite3_bind_int(player, 5, p % 300);
        sqlite3_bind_int(player, 6, p % 200);
        loader.Step(player);
    }
    sqlite3_finalize(player);
}

}  // namespace

Scenario BuildScenario(const std::filesystem::path& root, const std::string& label, int questions,
                       int players, int answeredPerPlayer) {
    Scenario scenario;
    scenario.label = label;
    scenario.questions = questions;
    scenario.folder = root / ("bank" + std::to_string(questions));
    scenario.gameFolder = scenario.folder.string() + "/";
    scenario.player = PlayerName(players / 2);
    scenario.answering = PlayerName(1);
    std::filesystem::create_directories(scenario.folder / "Save");
    FillRecords(scenario.folder / "Save" / "userinfo.dat", players);

    const std::filesystem::path first = scenario.folder / "Data" / "Qut004" / "004.dat";
    std::filesystem::create_directories(first.parent_path());
    FillBank(first, questions, players, answeredPerPlayer);
    for (const std::string& code : ReportSubjects) {
        const std::filesystem::path bank =
            scenario.folder / "Data" / ("Qut" + code) / (code + ".dat");
        if (bank != first) {
            std::filesystem::create_directories(bank.parent_path());
            std::filesystem::copy_file(first, bank);
        }
        scenario.banks.push_back("Data\\Qut" + code + "\\" + code + ".dat");
    }
    return scenario;
}

}  // namespace xuehai::bench
