// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "subjects/MapLayout.h"
#include "subjects/MapSubjects.h"

namespace xuehai::subjects {

// A subject of the list files: the name the battle screen shows and the bank's code.
struct ListedSubject {
    std::string code;
    std::string name;
};

// What the teacher asks for.
struct SubjectRequest {
    std::string name;
    int region = 1;         // 1 open from the start, 2 from class 5, 3 from class 10
    std::string musicFrom;  // the code of the subject whose music the new one plays
};

// A new subject that fits the folder: its code, its site on the map, its music.
struct SubjectPlan {
    std::string code;
    std::string name;
    int region = 1;
    Site site;
    std::string musicFrom;
};

// The subjects of a game folder and the room for one more. A subject is five things in the
// folder: a line in each list file (AliginA.cfg names, AliginB.cfg codes, code page 936), a
// place in the map's subject list (Xuehai/Ui/Subjects.js), and in Data/Qut<code>/ its bank
// <code>.dat, its music <code>.mp3 and its quiz movie Q<code>.mod.
class GameSubjects {
public:
    // Reads the list files, the map's subject list and the map movie. Throws SubjectRefusal
    // when the folder cannot take a new subject at all: one of those files is missing or
    // unreadable, the folder is the installed game's data or a copy the installed game keeps
    // up to date (an update would take the subject away again), or it cannot be written.
    explicit GameSubjects(std::filesystem::path folder);

    const std::filesystem::path& Folder() const { return folder_; }
    const std::vector<ListedSubject>& Listed() const { return listed_; }
    const std::vector<MapPlace>& OnMap() const { return onMap_; }
    const MapWorld& World() const { return world_; }

    // The longest name, in characters, that the map's sign and the battle list show whole.
    static constexpr std::size_t kMaxNameLength = 5;

    // Checks the request against the folder and finds the code and the site. Throws
    // SubjectRefusal saying what is wrong: the name (empty, blanks, too long, a character
    // code page 936 lacks, taken), the region, the music, or no free site on the map.
    SubjectPlan Plan(const SubjectRequest& request) const;

private:
    std::string FreeCode() const;

    std::filesystem::path folder_;
    std::vector<ListedSubject> listed_;
    std::vector<MapPlace> onMap_;
    MapWorld world_;
};

// The game's path of a file of a subject's folder ("Data\Qut019\019.mp3") in the folder,
// matched without regard to letter case as the game does.
std::filesystem::path SubjectFile(const std::filesystem::path& folder, const std::string& code,
                                  const std::string& name);

}  // namespace xuehai::subjects
