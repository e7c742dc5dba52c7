// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>

#include "Command.h"
#include "authoring/ToolError.h"
#include "server/ServerErrors.h"
#include "server/ServerLink.h"
#include "server/ServerSetting.h"
#include "serverroom/ServerRoles.h"
#include "serverroom/ServerTransfer.h"

namespace xuehai::bank {

namespace {

// The server the first operand names; a password in it is refused as in xuehai.conf.
ServerLink Connect(const std::string& operand) {
    try {
        return ServerLink(ServerConnInfo(operand, "命令行"));
    } catch (const ServerUnreachableError& error) {
        throw ToolError(kExitFile, error.what());
    }
}

int Init(const Arguments& args) {
    ServerLink link = Connect(args.operands[0]);
    for (const InitLine& line : InitServer(link, args.operands[1])) {
        std::cout << line.path << "：" << line.outcome << '\n';
    }
    return kExitOk;
}

int Dump(const Arguments& args) {
    ServerLink link = Connect(args.operands[0]);
    const std::size_t written = DumpServer(link, args.operands[1]);
    std::cout << "从服务器 " << link.Name() << " 写出了 " << written << " 个游戏文件到 "
              << args.operands[1] << '\n';
    return kExitOk;
}

int Roles(const Arguments& args) {
    ServerLink link = Connect(args.operands[0]);
    link.Begin();
    const std::uint64_t transaction = link.Transaction();
    try {
        CreateRoles(link);
        link.Commit(transaction);
    } catch (...) {
        link.RollBack(transaction);
        throw;
    }
    std::cout << "角色 " << PupilRole << "（学生：读题库，只改玩家记录和答题统计）和 "
              << TeacherRole << "（老师：还可以编辑题库）已准备好。\n"
              << "给每台学生电脑建一个登录角色，例如：\n"
              << "  CREATE ROLE pc01 LOGIN PASSWORD '...' IN ROLE " << PupilRole << ";\n";
    return kExitOk;
}

}  // namespace

std::vector<Command> ServerCommands() {
    return {
        {"server init",
         "CONNINFO GAMEFOLDER",
         "put a game folder's banks, character tests and records on a PostgreSQL server",
         R"(CONNINFO is a libpq connection string ("host=10.0.0.5 dbname=class4"), a URI or a
service name; passwords belong in ~/.pgpass or the service file, never here. Every game
database below GAMEFOLDER goes onto the server, all in one transaction. Run again, it
updates the banks by the rules of build --replace and keeps the players' statistics on
the server; character tests are replaced; the server's player records are kept.
)",
         {},
         2,
         2,
         &Init},
        {"server dump",
         "CONNINFO DIR",
         "write every game file on the server back into a game folder",
         R"(Writes each game database held by the server to its place below DIR, all as of one
moment, for a backup or to move to another school. Refuses to overwrite a file.
)",
         {},
         2,
         2,
         &Dump},
        {"server roles",
         "CONNINFO",
         "create the pupils' and the teachers' roles on the server",
         R"(xuehai_pupil may read every game file and change only the player records and the
banks' statistics; xuehai_teacher may also edit banks and character tests and run
server init. Run it again after adding game files by hand; server init renews the
rights itself once the roles exist.
)",
         {},
         1,
         1,
         &Roles},
    };
}

}  // namespace xuehai::bank
