// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace xuehai {
class ServerLink;
}

namespace xuehai::bank {

// The group roles of a computer room. Each pupils' PC logs in as a login role that is a
// member of the pupils' role, each teacher as a member of the teachers' role.
//  - pupils may read every game file, and change only the player records and the banks'
//    per-player statistics (insert and update; nothing is ever deleted);
//  - teachers may also edit the banks and character tests, and add game files.
inline constexpr const char* PupilRole = "xuehai_pupil";
inline constexpr const char* TeacherRole = "xuehai_teacher";

// Creates both roles when they do not exist yet, and grants them their rights on every
// game file now on the server. Inside the caller's transaction.
void CreateRoles(ServerLink& link);

// Grants the rights again, on game files added since, when the roles exist.
void RefreshRoles(ServerLink& link);

}  // namespace xuehai::bank
