// SPDX-License-Identifier: MIT
#include "engine/grade.h"

#include <array>
#include <string>

#include "solver/solver.h"
#include "solver/solver_tables.h"

namespace gridora::engine {

Grade SolverGrade(int boardSize, const Grid& puzzle) {
  BoardCodes board{};
  for (int c = 0; c < boardSize * boardSize; ++c) {
    board[static_cast<std::size_t>(c)] = puzzle[static_cast<std::size_t>(c)];
  }
  static const std::array<std::string, 8> messages = [] {
    std::array<std::string, 8> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = kSolveMessageTexts[i];
    return texts;
  }();
  SolveSettings settings;  // the program's defaults
  settings.limit = boardSize == 16 ? 3 : 9;
  const SolveOutcome outcome = boardSize == 16 ? Solve16(board, settings, messages, nullptr)
                                               : Solve9(board, settings, messages, nullptr);
  if (outcome.solutionCount != 1 || outcome.state == SolveState::Stuck) return Grade::Expert;
  return outcome.level == kLevelHard ? Grade::Hard : Grade::Standard;
}

Grade GradeOf(int boardSize, const Grid& puzzle) {
  const Grade grade = SolverGrade(boardSize, puzzle);
  if (grade != Grade::Standard) return grade;
  Grid filled{};
  return SolveBySingles(boardSize, puzzle, filled) ? Grade::Easy : Grade::Standard;
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

std::optional<Grade> GradeFromName(std::string_view name) {
  for (const Grade g : {Grade::Easy, Grade::Standard, Grade::Hard, Grade::Expert}) {
    if (GradeName(g) == name) return g;
  }
  return std::nullopt;
}

}  // namespace gridora::engine
