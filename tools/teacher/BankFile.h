// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <vector>

#include "QuestionTableModel.h"
#include "authoring/BankUpdate.h"

namespace xuehai::teacher {

// A subject's questions with the players' figures of each; throws ToolError when the bank
// cannot be read or holds faults (xuehai-bank check names them). On a server (see
// ServerCopy.h) the working copy of the bank is read from the server first.
std::vector<QuestionRow> LoadBank(const std::filesystem::path& bank);

// Rewrites the bank with the rules of a rebuild: one transaction, statistics following
// their questions. The game may have the file open; its locks are waited for up to the
// store's busy timeout, then ToolError. On a server the server's bank is rewritten, in one
// transaction; another teacher holding it gives RecordsLockedError, nothing changed.
bank::UpdateSummary SaveBank(const std::filesystem::path& bank,
                             const std::vector<bank::Question>& questions);

}  // namespace xuehai::teacher
