// SPDX-License-Identifier: GPL-3.0-or-later
#include "subjects/SubjectAddition.h"

#include <fstream>
#include <iterator>
#include <optional>

#include "authoring/GameFile.h"
#include "core/CodePage936.h"
#include "core/GamePath.h"
#include "core/ProgramFolder.h"
#include "subjects/QuizMovie.h"
#include "subjects/SubjectRefusal.h"

namespace xuehai::subjects {

namespace fs = std::filesystem;

namespace {

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.is_open() || in.bad()) {
        throw std::runtime_error("cannot read " + file.string());
    }
    return bytes;
}

// Writes beside the file and moves the copy over it.
void ReplaceFile(const fs::path& file, const std::string& bytes) {
    const fs::path scratch = file.string() + ".new";
    {
        std::ofstream out(scratch, std::ios::binary | std::ios::trunc);
        out << bytes;
        out.flush();
        if (!out) {
            std::error_code ec;
            fs::remove(scratch, ec);
            throw std::runtime_error("cannot write " + scratch.string());
        }
    }
    fs::rename(scratch, file);
}

// A line added at the end of a list file, in the line ends the file already uses.
std::string WithLine(const std::string& bytes, const std::string& line) {
    const bool crlf = bytes.find("\r\n") != std::string::npos;
    const std::string end = crlf ? "\r\n" : "\n";
    std::string result = bytes;
    if (!result.empty() && result.back() != '\n') {
        result += end;
    }
    return result + line + end;
}

// The files changed so far, with what they held, to put back should a later step fail.
class Undo {
public:
    void Replace(const fs::path& file, const std::string& bytes) {
        const std::string old = ReadBytes(file);
        ReplaceFile(file, bytes);
        changed_.push_back({file, old});
    }
    void Rollback(const std::optional<fs::path>& newFolder) noexcept {
        for (auto it = changed_.rbegin(); it != changed_.rend(); ++it) {
            try {
                ReplaceFile(it->first, it->second);
            } catch (const std::exception&) {
                // What cannot be put back is named in the message the caller gives.
            }
        }
        if (newFolder) {
            std::error_code ec;
            fs::remove_all(*newFolder, ec);
        }
    }

private:
    std::vector<std::pair<fs::path, std::string>> changed_;
};

}  // namespace

void AddSubject(const GameSubjects& subjects, const SubjectPlan& plan) {
    const fs::path& folder = subjects.Folder();
    const fs::path own = SubjectFile(folder, plan.code, "");
    Undo undo;
    std::optional<fs::path> made;
    try {
        if (fs::exists(own)) {
            throw std::runtime_error(own.string() + " exists already");
        }
        fs::create_directories(own);
        made = own;
        bank::WriteGameFile(own / (plan.code + ".dat"), DatabaseKind::QuestionBank, false,
                            [](sqlite3*) { return true; });
        fs::copy_file(SubjectFile(folder, plan.musicFrom, plan.musicFrom + ".mp3"),
                      own / (plan.code + ".mp3"));
        ReplaceFile(own / ("Q" + plan.code + ".mod"), QuizMovieText(plan.code, plan.name));

        SetProgramFolder(folder);
        const fs::path mapList = ResolveGamePath(ProgramFolder() + "Xuehai\\Ui\\Subjects.js");
        undo.Replace(mapList, WithMapSubject(ReadBytes(mapList), {plan.code, plan.name, plan.region,
                                                                  plan.site.x, plan.site.y}));
        const fs::path codes = ResolveGamePath(ProgramFolder() + "AliginB.cfg");
        undo.Replace(codes, WithLine(ReadBytes(codes), plan.code));
        const fs::path names = ResolveGamePath(ProgramFolder() + "AliginA.cfg");
        undo.Replace(names, WithLine(ReadBytes(names), Utf8ToCp936(plan.name)));
    } catch (const std::exception& error) {
        undo.Rollback(made);
        throw SubjectRefusal("新科目“" + plan.name + "”没有加上，游戏文件夹保持原样。原因：" +
                             error.what());
    }
}

}  // namespace xuehai::subjects
