// SPDX-License-Identifier: GPL-3.0-or-later
#include "subjects/GameSubjects.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "core/CodePage936.h"
#include "core/GamePath.h"
#include "core/ListFile.h"
#include "core/ProgramFolder.h"
#include "subjects/SubjectRefusal.h"
#include "userfolder/GameFolderChoice.h"

namespace xuehai::subjects {

namespace fs = std::filesystem;

namespace {

fs::path InFolder(const fs::path& folder, const std::string& gamePath) {
    SetProgramFolder(folder);
    return ResolveGamePath(ProgramFolder() + gamePath);
}

std::string ReadWhole(const fs::path& file, const std::string& shownName) {
    std::ifstream in(file, std::ios::binary);
    if (!in.is_open()) {
        throw SubjectRefusal("游戏文件夹里没有 " + shownName + "，不能新增科目。");
    }
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        throw SubjectRefusal("读不出游戏文件夹里的 " + shownName + "，不能新增科目。");
    }
    return text;
}

std::vector<std::string> ReadList(const fs::path& folder, const std::string& name) {
    if (!fs::is_regular_file(InFolder(folder, name))) {
        throw SubjectRefusal("游戏文件夹里没有 " + name + "，不能新增科目。");
    }
    try {
        return ReadListFile(ProgramFolder() + name);
    } catch (const std::exception&) {
        throw SubjectRefusal("读不出游戏文件夹里的 " + name + "，不能新增科目。");
    }
}

bool Writable(const fs::path& path) {
    return ::access(path.c_str(), W_OK) == 0;
}

std::size_t CharacterCount(const std::string& utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void CheckName(const std::string& name, const std::vector<ListedSubject>& listed,
               const std::vector<MapPlace>& onMap) {
    if (name.empty()) {
        throw SubjectRefusal("请写上新科目的名称。");
    }
    if (name.find_first_of(" \t\r\n") != std::string::npos ||
        name.find("\u3000") != std::string::npos) {
        throw SubjectRefusal("科目名称里不能有空格。");
    }
    // The subject lists, the map's script and the build's subject list use these as marks.
    if (name.find_first_of(",;\"\\'") != std::string::npos ||
        std::any_of(name.begin(), name.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20; })) {
        throw SubjectRefusal("科目名称里不能有逗号、分号、引号或反斜杠。");
    }
    if (!FitsCp936(name)) {
        throw SubjectRefusal("科目名称“" + name +
                             "”里有游戏写不出的字（游戏的科目表只能用 GBK 里的字）。");
    }
    if (CharacterCount(name) > GameSubjects::kMaxNameLength) {
        throw SubjectRefusal("科目名称最多 " + std::to_string(GameSubjects::kMaxNameLength) +
                             " 个字，地图上的牌子才写得下。");
    }
    const bool listedName = std::any_of(listed.begin(), listed.end(),
                                        [&](const ListedSubject& s) { return s.name == name; });
    const bool mapName =
        std::any_of(onMap.begin(), onMap.end(), [&](const MapPlace& s) { return s.name == name; });
    if (listedName || mapName) {
        throw SubjectRefusal("已经有叫“" + name + "”的科目了，请换一个名称。");
    }
}

}  // namespace

fs::path SubjectFile(const fs::path& folder, const std::string& code, const std::string& name) {
    return InFolder(folder, "Data\\Qut" + code + "\\" + name);
}

GameSubjects::GameSubjects(fs::path folder) : folder_(std::move(folder)) {
    std::error_code ec;
    if (!fs::is_directory(folder_, ec)) {
        throw SubjectRefusal("找不到游戏文件夹“" + folder_.string() + "”。");
    }
    if (fs::exists(folder_ / kInstalledCopiesFile, ec)) {
        throw SubjectRefusal(
            "这个游戏文件夹是从安装好的游戏复制来的，游戏更新时会换回安装时的科目表，新科目会丢失，"
            "所以这里不能新增科目。");
    }
    if (!fs::is_regular_file(InFolder(folder_, "Save\\userinfo.dat"), ec)) {
        throw SubjectRefusal(
            "这个文件夹里没有玩家记录（Save/userinfo.dat），像是安装好的游戏数据；"
            "安装的数据不能改，新科目只能加在玩家玩的游戏文件夹里。");
    }
    const std::vector<std::string> names = ReadList(folder_, "AliginA.cfg");
    const std::vector<std::string> codes = ReadList(folder_, "AliginB.cfg");
    if (names.size() != codes.size()) {
        throw SubjectRefusal("AliginA.cfg 有 " + std::to_string(names.size()) +
                             " 个科目名称，AliginB.cfg 却有 " + std::to_string(codes.size()) +
                             " 个代码；两个科目表对不上，不能新增科目。");
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        listed_.push_back({codes[i], names[i]});
    }
    const fs::path mapList = InFolder(folder_, "Xuehai\\Ui\\Subjects.js");
    onMap_ = ParseMapSubjects(ReadWhole(mapList, "Xuehai/Ui/Subjects.js"));
    world_ = ReadMapWorld(ReadWhole(InFolder(folder_, "map.mod"), "地图电影 map.mod"));

    for (const fs::path& path :
         {folder_, InFolder(folder_, "AliginA.cfg"), InFolder(folder_, "AliginB.cfg"), mapList,
          mapList.parent_path(), InFolder(folder_, "Data")}) {
        if (!Writable(path)) {
            throw SubjectRefusal("游戏文件夹不能写（" + path.string() +
                                 " 是只读的），不能新增科目。");
        }
    }
}

std::string GameSubjects::FreeCode() const {
    int highest = 0;
    for (const ListedSubject& s : listed_) {
        highest = std::max(highest, std::atoi(s.code.c_str()));
    }
    for (const MapPlace& s : onMap_) {
        highest = std::max(highest, std::atoi(s.code.c_str()));
    }
    for (int code = highest + 1; code <= 999; ++code) {
        char text[4];
        std::snprintf(text, sizeof text, "%03d", code);
        std::error_code ec;
        if (!fs::exists(InFolder(folder_, std::string("Data\\Qut") + text), ec)) {
            return text;
        }
    }
    throw SubjectRefusal("科目代码已经用到 999，不能再新增科目。");
}

SubjectPlan GameSubjects::Plan(const SubjectRequest& request) const {
    CheckName(request.name, listed_, onMap_);
    if (request.region < 1 || request.region > 3) {
        throw SubjectRefusal("地图只有三片海域：1、2、3。");
    }
    const auto music = std::find_if(listed_.begin(), listed_.end(), [&](const ListedSubject& s) {
        return s.code == request.musicFrom;
    });
    if (music == listed_.end()) {
        throw SubjectRefusal("没有代码为“" + request.musicFrom + "”的科目，不能用它的音乐。");
    }
    if (!fs::is_regular_file(SubjectFile(folder_, music->code, music->code + ".mp3"))) {
        throw SubjectRefusal("科目“" + music->name + "”没有音乐文件（Data/Qut" + music->code + "/" +
                             music->code + ".mp3），请选另一个科目的音乐。");
    }
    const std::optional<Site> site = FindFreeSite(world_, onMap_, request.region);
    if (!site) {
        throw SubjectRefusal("地图上这片海域已经没有空地方放新科目了，请换一片海域。");
    }
    return {FreeCode(), request.name, request.region, *site, request.musicFrom};
}

}  // namespace xuehai::subjects
