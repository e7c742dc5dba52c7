// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "authoring/QuestionCheck.h"

namespace xuehai::teacher {

// Why a cell is refused, said to a teacher: what is wrong and what to do.
QString ProblemWording(const bank::QuestionProblem& problem);

}  // namespace xuehai::teacher
