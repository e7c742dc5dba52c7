// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "subjects/GameSubjects.h"

namespace xuehai::subjects {

// Puts the planned subject into the folder: first its own folder Data/Qut<code>/ with an
// empty bank, the music of the chosen subject and the quiz movie, then its place in the
// map's subject list, then its code and its name in the list files (codes first, so the
// battle screen never finds a name without its bank). Each file is replaced in one step, so
// a running game reads either the old or the new one. Throws SubjectRefusal when something
// cannot be written, after putting back whatever it had changed.
void AddSubject(const GameSubjects& subjects, const SubjectPlan& plan);

}  // namespace xuehai::subjects
