// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainscreen/MapPaths.h"

#include "core/GamePath.h"
#include "core/ProgramFolder.h"

namespace xuehai {

namespace {

std::string InGameFolder(const std::string& relative) {
    std::string path = ProgramFolder() + relative;
    ResolveGamePath(path);
    return path;
}

}  // namespace

std::string SubjectBankPath(const std::string& code) {
    return InGameFolder("Data\\Qut" + code + "\\" + code + ".dat");
}

std::string SubjectMusicPath(const std::string& code) {
    return InGameFolder("Data\\Qut" + code + "\\" + code + ".mp3");
}

std::string SubjectMoviePath(const std::string& code) {
    return InGameFolder("Data\\Qut" + code + "\\Q" + code + ".mod");
}

std::string TestMoviePath(const std::string& code) {
    return InGameFolder("data\\q\\q" + code + "\\q.mod");
}

std::string TestDataPath(const std::string& code) {
    return InGameFolder("data\\q\\q" + code + "\\q.dat");
}

}  // namespace xuehai
