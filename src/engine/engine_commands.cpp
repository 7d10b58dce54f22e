// SPDX-License-Identifier: MIT
#include "engine/engine_commands.h"

#include <algorithm>

#include "core/board.h"
#include "core/history.h"
#include "core/slots.h"
#include "core/text.h"
#include "engine/texts.h"

namespace gridora::engine {

Grid GivensOf(const AppState& state) {
  Grid givens{};
  for (int c = 0; c < state.CellCount(); ++c) {
    const int code = state.Board[static_cast<std::size_t>(c)];
    if (ClassOf(code) == kClassBlack)
      givens[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(DigitOf(code));
  }
  return givens;
}

FullSolveOutcome ComputeFullSolve(const AppState& state, const SearchLimits& limits) {
  const int size = state.BoardSize == 9 ? 9 : 16;
  const int cells = size * size;
  const Grid givens = GivensOf(state);
  std::array<Grid, kSlotCount> found{};
  FullSolveOutcome outcome;
  const SearchResult result = CountSolutions(size, givens, kFullSolveLimit, found, limits);
  if (result.stopped) {
    outcome.stopped = true;
    outcome.message = kSearchCancelledText;
    return outcome;
  }
  outcome.solutions = result.solutions;
  const int stored = std::min(outcome.solutions, kSlotCount);
  for (int n = 0; n < stored; ++n) {
    BoardCodes& answer = outcome.answers[static_cast<std::size_t>(n)];
    for (int c = 0; c < cells; ++c) {
      const auto i = static_cast<std::size_t>(c);
      const bool differs = [&] {
        for (int m = 0; m < stored; ++m) {
          if (found[static_cast<std::size_t>(m)][i] != found[0][i]) return true;
        }
        return false;
      }();
      answer[i] = givens[i] != 0 ? MakeCode(givens[i], kClassBlack)
                                 : MakeCode(found[static_cast<std::size_t>(n)][i],
                                            differs ? kClassYellow : kClassGreen);
    }
  }
  if (outcome.solutions == 0) {
    outcome.message = kNoSolutionText;
  } else if (outcome.solutions == 1) {
    outcome.message = "成功！";
  } else if (outcome.solutions < kFullSolveLimit) {
    outcome.message = NumberText(outcome.solutions) + "つの解を発見";
  } else {
    outcome.message = NumberText(kFullSolveLimit) + "以上の解を発見";
  }
  return outcome;
}

void ApplyFullSolve(App app, const FullSolveOutcome& outcome) {
  if (outcome.solutions > 0) {
    const int stored = std::min(outcome.solutions, kSlotCount);
    for (int n = 1; n <= stored; ++n) {
      app.state.AnswerSlot[static_cast<std::size_t>(n)] =
          outcome.answers[static_cast<std::size_t>(n - 1)];
    }
    for (int n = 1; n <= kSlotCount; ++n) EnableAnswerSlot(app, n, n <= stored);
    FetchAnswerSlot(app, 1);
  }
  app.screen.SetInformText(outcome.message);
}

std::string CountSolutionsVerdict(const AppState& state, const SearchLimits& limits) {
  const int size = state.BoardSize == 9 ? 9 : 16;
  const SearchResult result = CountSolutions(size, GivensOf(state), 2, {}, limits);
  return result.stopped ? std::string() : CountVerdict(result.solutions);
}

std::string GeneratedComment(Grade grade) {
  return "自動生成の問題 (難易度：" + std::string(GradeTitle(grade)) + ")";
}

void PlaceGeneratedPuzzle(App app, int boardSize, const Generated& g) {
  if (boardSize == 16) {
    NewPuzzle16(app);
  } else {
    NewPuzzle9(app);
  }
  AppState& s = app.state;
  for (int c = 0; c < s.CellCount(); ++c) {
    s.Board[static_cast<std::size_t>(c)] =
        MakeCode(g.puzzle[static_cast<std::size_t>(c)], kClassBlack);
  }
  s.PuzzleComment = GeneratedComment(g.grade);
  // The new board is the first snapshot: undo does not go back to an
  // empty board.
  ResetHistory(s);
  std::copy_n(s.Board.begin(), s.CellCount(), s.History[0].begin());
  RedrawBoard(app);
}

}  // namespace gridora::engine
