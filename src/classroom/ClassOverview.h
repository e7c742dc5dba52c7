// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace xuehai::classroom {

// One subject of the list files: the name a player sees and the code of its bank.
struct Subject {
    std::string code;  // "004"
    std::string name;  // "物理"
};

// A player's figures in one subject, as the progress report counts them; nothing when
// the subject's bank cannot be read. A subject the player never answered in has no share
// right: a teacher would read 0 % as every answer wrong.
struct SubjectFigures {
    std::optional<double> completion;  // questions answered right at least once / bank size
    std::optional<double> shareRight;  // right answers / all answers in the subject
};

struct PlayerRow {
    std::string name;
    int avatar = 0;
    std::int64_t score = 0;
    std::int64_t playerClass = 1;
    std::int64_t right = 0;
    std::int64_t wrong = 0;
    std::vector<SubjectFigures> subjects;  // in the order of ClassOverview::subjects

    std::optional<double> ShareRight() const;  // nothing before the first answer
};

struct ClassOverview {
    std::vector<Subject> subjects;
    std::vector<PlayerRow> players;  // in registration order
};

// A question a player answered wrong, with how often.
struct MissedQuestion {
    std::string subject;  // its name
    std::string text;
    std::string rightAnswer;
    std::int64_t wrong = 0;
    std::int64_t right = 0;
};

// Where a class's figures come from: the game folder of a computer room, or later a server.
class ClassSource {
public:
    virtual ~ClassSource() = default;
    virtual ClassOverview ReadOverview() = 0;
    // The questions the player got wrong most often over every subject, worst first.
    virtual std::vector<MissedQuestion> ReadMissedQuestions(const std::string& player,
                                                            std::size_t limit) = 0;
};

// The overview as a table: a header naming the subjects, one line per player. The plain
// form pads columns for a terminal; the CSV form starts with a UTF-8 byte order mark so
// that spreadsheets read the Chinese right.
std::vector<std::string> OverviewHeader(const ClassOverview& overview);
std::vector<std::vector<std::string>> OverviewCells(const ClassOverview& overview);
std::string OverviewText(const ClassOverview& overview);
std::string OverviewCsv(const ClassOverview& overview);

}  // namespace xuehai::classroom
