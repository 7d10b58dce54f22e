// SPDX-License-Identifier: MIT
#pragma once
// How hard a puzzle is for a person, told by the logic engine's rating on
// the Sudoku Explainer scale (ER, the hardest step of the easiest path):
//  - Easy: ER 1.0 to 2.3, singles (and a box/line or hidden pair that
//    leaves one at once);
//  - Standard: ER 2.5 to 3.4, locked candidates, naked and hidden pairs,
//    X-Wing;
//  - Hard: ER 3.5 to 6.5: triples and quads, Swordfish, Jellyfish, short
//    X-chains, XY-Wing and XYZ-Wing, unique rectangles and loops, BUG;
//  - Expert: ER 6.6 and above, chains and forcing chains, or beyond what
//    the engine solves.

#include <optional>
#include <string_view>

#include "engine/search.h"

namespace gridora::engine {

enum class Grade { Easy, Standard, Hard, Expert };

// The version of the rules GradeOf follows. Raised whenever they change, so
// that puzzles graded under the old rules (the puzzle stock) are dropped.
inline constexpr int kGradeRulesVersion = 4;

// The highest ER of each grade but Expert, in tenths.
inline constexpr int kEasyMaxRating = 23;
inline constexpr int kStandardMaxRating = 34;
inline constexpr int kHardMaxRating = 65;

// The logic engine's ER of a puzzle in tenths; 1000 when the engine does
// not solve it, or needs a step rated above `ceiling`.
int RatingOf(int boardSize, const Grid& puzzle, int ceiling = 1000);
// The grade of an ER in tenths.
Grade GradeOfRating(int rating);

// The grade of a puzzle that has exactly one solution.
Grade GradeOf(int boardSize, const Grid& puzzle);

// "easy", "standard", "hard", "expert".
std::string_view GradeName(Grade grade);
// The grade of one of those names; nothing for another text.
std::optional<Grade> GradeFromName(std::string_view name);
// The grade as the window, the comments and the printed pages name it:
// "やさしい", "標準", "難問", "超難問".
std::string_view GradeTitle(Grade grade);

}  // namespace gridora::engine
