// SPDX-License-Identifier: MIT
#pragma once
// How hard a puzzle is for a person, told by the deduction solver of
// src/solver with the program's default settings (limit 9 on 9 x 9, 3 on
// 16 x 16, seen-digit mode, alternatives on):
//  - Easy: the solver rates it "-標準-" and naked and hidden singles alone
//    fill it;
//  - Standard: rated "-標準-" but it takes the pair and box/line passes;
//  - Hard: rated "-難問-" (the hypothesis search finds the one solution);
//  - Expert: the solver gives up or cannot tell the solution is the only
//    one; only the complete search solves it.

#include <optional>
#include <string_view>

#include "engine/search.h"

namespace gridora::engine {

enum class Grade { Easy, Standard, Hard, Expert };

// The version of the rules GradeOf follows. Raised whenever they change, so
// that puzzles graded under the old rules (the puzzle stock) are dropped.
inline constexpr int kGradeRulesVersion = 1;

// The grade of a puzzle that has exactly one solution.
Grade GradeOf(int boardSize, const Grid& puzzle);

// The deduction solver's verdict alone: Standard when deduction solves the
// puzzle (which proves it unique), Hard when the hypothesis search finds one
// solution and no other, Expert otherwise. Never Easy.
Grade SolverGrade(int boardSize, const Grid& puzzle);

// "easy", "standard", "hard", "expert".
std::string_view GradeName(Grade grade);
// The grade of one of those names; nothing for another text.
std::optional<Grade> GradeFromName(std::string_view name);

}  // namespace gridora::engine
