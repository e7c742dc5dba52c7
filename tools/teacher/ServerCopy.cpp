// SPDX-License-Identifier: GPL-3.0-or-later
#include "ServerCopy.h"

#include <stdlib.h>

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
#include "userfolder/GameFolderChoice.h"

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
    const std::optional<std::filesystem::path> own = PerUserGameFolder();
    if (!own) {
        throw bank::ToolError(bank::kExitFile,
                              "找不到你的主文件夹，没有地方保存改动前的备份。请设置 HOME 后再试。");
    }
    return classroom::PlayerAdmin(bank::ServerPlayerFiles(server, *own / "备份"));
}

}  // namespace xuehai::teacher
