// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "authoring/Questionnaire.h"
#include "authoring/SourceProblem.h"

namespace xuehai::bank {

// Limits that keep the reachable totals of a type quick to work out; real tests are far
// smaller.
inline constexpr int kMaxPoints = 1000;
inline constexpr std::size_t kMaxItemsPerType = 100;

struct QuestionnaireSource {
    Questionnaire questionnaire;
    SourceProblems problems;
};

// Reads a questionnaire source, one record per line:
//   title,<name>            first, exactly once
//   type,<name>             starts a test type
//   item,<question>,<A>,<points>,<B>,<points>,<C>,<points>
//   range,<low>,<high>,<evaluation>
// and checks that it makes a playable test: every type has items and ranges, every text is
// code page 936, and every total a player can reach lies in exactly one range of its type.
QuestionnaireSource ReadQuestionnaireSource(std::string_view csvText);

std::string WriteQuestionnaireSource(const Questionnaire& questionnaire);

}  // namespace xuehai::bank
