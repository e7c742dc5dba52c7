// SPDX-License-Identifier: GPL-3.0-or-later
#include "ServerCopy.h"

#include <stdlib.h>

#include <cstdlib>
#include <fstream>

#include "authoring/ToolError.h"
#include "classroom/FolderClassSource.h"
#include "core/CodePage936.h"
#include "core/ProgramFolder.h"
#include "server/ServerEngine.h"
#include "serverroom/ServerClassSource.h"
#include "serverroom/ServerPlayerFiles.h"
#include "serverroom/ServerSubjects.h"
#include "serverroom/ServerTransfer.h"

namespace xuehai::teacher {

namespace {

std::shared_ptr<ServerEngine>& InUse() {
    static std::shared_ptr<ServerEngine> engine;
    return engine;
}

void WriteListFile(const std::filesystem::path& file, const std::string& utf8Lines) {
    std::ofstream out(file, std::ios::binary);
    out << Utf8ToCp936(utf8Lines);
    if (!out.flush()) {
        throw bank::ToolError(bank::kExitFile, "写不了工作副本里的 " + file.string());
    }
}

}  // namespace

void WorkOnServer(std::shared_ptr<ServerEngine> engine) {
    InUse() = std::move(engine);
}

std::shared_ptr<ServerEngine> WorkingServer() {
    return InUse();
}

std::filesystem::path CopyServer(ServerEngine& server) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "xuehai-teacher-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw bank::ToolError(bank::kExitFile, "无法在临时文件夹里建立服务器的工作副本");
    }
    const std::filesystem::path folder = pattern;
    bank::DumpServer(server.Link(), folder);
    std::string names;
    std::string codes;
    for (const classroom::Subject& subject : bank::ReadServerSubjects(server.Link())) {
        names += subject.name + "\r\n";
        codes += subject.code + "\r\n";
    }
    WriteListFile(folder / "AliginA.cfg", names);
    WriteListFile(folder / "AliginB.cfg", codes);
    return folder;
}

std::string GamePathOf(const std::filesystem::path& file) {
    std::string folder = ProgramFolder();
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return file.lexically_normal().lexically_relative(folder).generic_string();
}

std::unique_ptr<classroom::ClassSource> ClassAt(const std::filesystem::path& folder) {
    if (const std::shared_ptr<ServerEngine> server = WorkingServer()) {
        return std::make_unique<classroom::ServerClassSource>(server);
    }
    return std::make_unique<classroom::FolderClassSource>(folder);
}

classroom::PlayerAdmin PlayerAdminAt(const std::filesystem::path& folder) {
    const std::shared_ptr<ServerEngine> server = WorkingServer();
    if (!server) {
        return classroom::PlayerAdmin(folder);
    }
    std::filesystem::path data;
    if (const char* home = std::getenv("XDG_DATA_HOME"); home != nullptr && *home != '\0') {
        data = home;
    } else {
        const char* user = std::getenv("HOME");
        data = std::filesystem::path(user != nullptr ? user : "/tmp") / ".local" / "share";
    }
    return classroom::PlayerAdmin(bank::ServerPlayerFiles(server, data / "xuehai" / "备份"));
}

}  // namespace xuehai::teacher
