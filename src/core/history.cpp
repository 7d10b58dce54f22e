// SPDX-License-Identifier: MIT
#include "core/history.h"

#include <algorithm>

#include "core/board.h"

namespace gridora {

namespace {

int CountDifferences(const AppState& s, const BoardCodes& snapshot) {
  int count = 0;
  for (int i = 0; i < s.CellCount(); ++i) {
    if (s.Board[static_cast<std::size_t>(i)] != snapshot[static_cast<std::size_t>(i)]) ++count;
  }
  return count;
}

void CopyCells(const AppState& s, const BoardCodes& from, BoardCodes& to) {
  std::copy_n(from.begin(), s.CellCount(), to.begin());
}

void ShowSnapshot(App app, int pos) {
  app.state.HistoryPos = pos;
  CopyCells(app.state, app.state.History[static_cast<std::size_t>(pos)], app.state.Board);
  RedrawBoard(app);
}

}  // namespace

void ResetHistory(AppState& s) {
  s.HistoryPos = 0;
  s.HistoryTop = 0;
  for (BoardCodes& snapshot : s.History) std::fill_n(snapshot.begin(), s.CellCount(), 0);
}

void RecordHistory(AppState& s) {
  const auto pos = static_cast<std::size_t>(s.HistoryPos);
  const int changed = CountDifferences(s, s.History[pos]);
  if (changed == 0) return;
  if (changed == 1) {
    const int beforeStep = pos > 0 ? CountDifferences(s, s.History[pos - 1]) : 1;
    if (beforeStep <= 1) {
      CopyCells(s, s.Board, s.History[pos]);
      return;
    }
  }
  if (s.HistoryPos < kHistorySize - 1) {
    ++s.HistoryPos;
  } else {
    // Full: drop the oldest snapshot.
    std::move(s.History.begin() + 1, s.History.end(), s.History.begin());
  }
  s.HistoryTop = s.HistoryPos;
  CopyCells(s, s.Board, s.History[static_cast<std::size_t>(s.HistoryPos)]);
}

void UndoStep(App app) {
  if (app.state.HistoryPos <= 0) return;
  ShowSnapshot(app, app.state.HistoryPos - 1);
}

void RedoStep(App app) {
  if (app.state.HistoryPos >= app.state.HistoryTop) return;
  ShowSnapshot(app, app.state.HistoryPos + 1);
}

}  // namespace gridora
