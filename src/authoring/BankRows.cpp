// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/BankRows.h"

#include "FieldEncoder.h"
#include "authoring/Sql.h"
#include "authoring/ToolError.h"
#include "core/CodePage936.h"
#include "core/Errors.h"
#include "store/Cl_crypt32.h"

namespace xuehai::bank {

std::vector<StoredQuestion> ReadStoredQuestions(sqlite3* db) {
    SqlStatement select(db,
                        "SELECT rowid, QAID, QACont, QAA, QAB, QAC, QAD, QARight, QAFLAG "
                        "FROM Question ORDER BY QAID, rowid");
    std::vector<StoredQuestion> rows;
    while (select.Step()) {
        StoredQuestion q;
        q.row = select.Integer(0);
        if (select.IsInteger(1)) {
            q.id = select.Integer(1);
        }
        q.idText = select.Text(1).value_or("NULL");
        for (int i = 0; i < 5; ++i) {
            q.fields[static_cast<std::size_t>(i)] = select.Text(2 + i);
        }
        q.right = select.Text(7);
        q.flag = select.Text(8);
        rows.push_back(std::move(q));
    }
    return rows;
}

std::string DecodeText(std::string_view field) {
    std::string bytes = DecodeField(field);
    std::string utf8 = Cp936ToUtf8(bytes);
    // Damaged bytes come back as U+FFFD, which code page 936 cannot hold, so a text only
    // survives the way back when it was sound.
    if (!FitsCp936(utf8) || Utf8ToCp936(utf8) != bytes) {
        throw ConversionError("the decoded bytes are not code page 936 text");
    }
    return utf8;
}

std::optional<Question> DecodeQuestion(const StoredQuestion& stored) {
    if (!stored.right || !stored.flag) {
        return std::nullopt;
    }
    Question q;
    q.right = *stored.right;
    q.flag = *stored.flag;
    try {
        for (std::size_t i = 0; i < 5; ++i) {
            if (!stored.fields[i]) {
                return std::nullopt;
            }
            (i == 0 ? q.text : q.answers[i - 1]) = DecodeText(*stored.fields[i]);
        }
    } catch (const ConversionError&) {
        return std::nullopt;
    }
    return q;
}

std::vector<Question> ReadBankQuestions(sqlite3* db) {
    return BankQuestions(ReadStoredQuestions(db));
}

std::vector<Question> BankQuestions(const std::vector<StoredQuestion>& rows) {
    std::vector<Question> questions;
    for (const StoredQuestion& stored : rows) {
        std::optional<Question> q = DecodeQuestion(stored);
        if (!q || stored.id != static_cast<std::int64_t>(questions.size())) {
            throw ToolError(kExitProblems,
                            "question " + stored.idText + " (row " + std::to_string(stored.row) +
                                ") cannot be read back; run check on the bank to see why");
        }
        questions.push_back(std::move(*q));
    }
    return questions;
}

void InsertQuestions(sqlite3* db, const std::vector<Question>& questions,
                     const std::function<void(std::size_t)>& progress) {
    FieldEncoder encoder;
    SqlStatement insert(db,
                        "INSERT INTO Question(QAID, QACont, QAA, QAB, QAC, QAD, QARight, QAFLAG) "
                        "VALUES(?, ?, ?, ?, ?, ?, ?, ?)");
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const Question& q = questions[i];
        insert.Bind(1, static_cast<std::int64_t>(i));
        insert.Bind(2, encoder.EncodeUtf8(q.text));
        for (int a = 0; a < 4; ++a) {
            insert.Bind(3 + a, encoder.EncodeUtf8(q.answers[static_cast<std::size_t>(a)]));
        }
        insert.Bind(7, q.right).Bind(8, q.flag);
        insert.Run();
        if (progress) {
            progress(i + 1);
        }
    }
}

}  // namespace xuehai::bank
