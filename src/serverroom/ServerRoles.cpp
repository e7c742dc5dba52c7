// SPDX-License-Identifier: GPL-3.0-or-later
#include "serverroom/ServerRoles.h"

#include <string>

#include "server/ServerLink.h"
#include "server/ServerSchema.h"

namespace xuehai::bank {

namespace {

std::string Quoted(const std::string& name) {
    return "\"" + name + "\"";
}

bool RoleExists(ServerLink& link, const char* role) {
    return link.Run("SELECT 1 FROM pg_roles WHERE rolname = $1", {std::string(role)}).rowCount > 0;
}

void Grant(ServerLink& link) {
    const std::string both = std::string(PupilRole) + ", " + TeacherRole;
    const SqlRows database = link.Run("SELECT current_database() AS name");
    const std::string name = std::get<std::string>(database.cells.at(0));
    link.Run("GRANT CONNECT ON DATABASE " + Quoted(name) + " TO " + both);
    link.Run("GRANT CREATE ON DATABASE " + Quoted(name) + " TO " + TeacherRole);
    link.Run(std::string("GRANT USAGE ON SCHEMA ") + RegistrySchema + " TO " + both);
    link.Run(std::string("GRANT SELECT ON ALL TABLES IN SCHEMA ") + RegistrySchema + " TO " +
             PupilRole);
    link.Run(std::string("GRANT SELECT, INSERT, UPDATE ON ALL TABLES IN SCHEMA ") + RegistrySchema +
             " TO " + TeacherRole);
    link.Run(std::string("GRANT USAGE ON ALL SEQUENCES IN SCHEMA ") + RegistrySchema + " TO " +
             TeacherRole);
    link.Run(std::string("GRANT DELETE ON ") + RegistrySchema + ".subject TO " + TeacherRole);
    for (const ServerFile& file : ListServerFiles(link)) {
        const std::string schema = Quoted(file.schema);
        link.Run("GRANT USAGE ON SCHEMA " + schema + " TO " + both);
        link.Run("GRANT SELECT, INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA " + schema + " TO " +
                 TeacherRole);
        link.Run("GRANT SELECT ON ALL TABLES IN SCHEMA " + schema + " TO " + PupilRole);
        if (file.kind == DatabaseKind::PlayerRecords) {
            // A new player's row takes the next number of the records' own sequence.
            link.Run("GRANT INSERT, UPDATE ON " + schema + ".userinfo TO " + PupilRole);
            link.Run("GRANT USAGE ON ALL SEQUENCES IN SCHEMA " + schema + " TO " + PupilRole);
        } else if (file.kind == DatabaseKind::QuestionBank) {
            link.Run("GRANT INSERT, UPDATE ON " + schema + ".userstats, " + schema +
                     ".\"user-question\" TO " + PupilRole);
        }
    }
}

}  // namespace

void CreateRoles(ServerLink& link) {
    for (const char* role : {PupilRole, TeacherRole}) {
        if (!RoleExists(link, role)) {
            link.Run(std::string("CREATE ROLE ") + role + " NOLOGIN");
        }
    }
    Grant(link);
}

void RefreshRoles(ServerLink& link) {
    if (RoleExists(link, PupilRole) && RoleExists(link, TeacherRole)) {
        Grant(link);
    }
}

}  // namespace xuehai::bank
