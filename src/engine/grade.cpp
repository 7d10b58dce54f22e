// SPDX-License-Identifier: MIT
#include "engine/grade.h"

#include "logic/logic_engine.h"

namespace gridora::engine {

int RatingOf(int boardSize, const Grid& puzzle, int ceiling) {
  const logic::Path path = logic::SolvePath(boardSize, puzzle, ceiling);
  return path.solved ? path.er : 1000;
}

Grade GradeOfRating(int rating) {
  if (rating <= kEasyMaxRating) return Grade::Easy;
  if (rating <= kStandardMaxRating) return Grade::Standard;
  return rating <= kHardMaxRating ? Grade::Hard : Grade::Expert;
}

Grade GradeOf(int boardSize, const Grid& puzzle) {
  // Past 6.5 every rating is Expert: the chains and forcing chains above it,
  // the slowest of the engine's searches, need not be tried.
  return GradeOfRating(RatingOf(boardSize, puzzle, kHardMaxRating));
}

std::string_view GradeName(Grade grade) {
  switch (grade) {
    case Grade::Easy:
      return "easy";
    case Grade::Standard:
      return "standard";
    case Grade::Hard:
      return "hard";
    case Grade::Expert:
      return "expert";
  }
  return "easy";
}

std::string_view GradeTitle(Grade grade) {
  switch (grade) {
    case Grade::Easy:
      return "やさしい";
    case Grade::Standard:
      return "標準";
    case Grade::Hard:
      return "難問";
    case Grade::Expert:
      return "超難問";
  }
  return "やさしい";
}

std::optional<Grade> GradeFromName(std::string_view name) {
  for (const Grade g : {Grade::Easy, Grade::Standard, Grade::Hard, Grade::Expert}) {
    if (GradeName(g) == name) return g;
  }
  return std::nullopt;
}

}  // namespace gridora::engine
