// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "authoring/Questionnaire.h"

struct sqlite3;

namespace xuehai::bank {

// Replaces everything in an open character-test file with the questionnaire, inside the
// caller's transaction. Type n (from 1) gets CQType row n; its items and ranges carry n in
// CQTypeID and keep their order. The title, which the game never reads, is kept for dump
// in a table of its own, CQTitle.
void WriteQuestionnaire(sqlite3* db, const Questionnaire& questionnaire);

// The questionnaire as stored; rows come back in the order they were written.
Questionnaire ReadQuestionnaire(sqlite3* db);

}  // namespace xuehai::bank
