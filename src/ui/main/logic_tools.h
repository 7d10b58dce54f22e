// SPDX-License-Identifier: MIT
#pragma once
// LogicTools: the window's side of the logic engine. F3 shows the engine's
// easiest next step and, pressed again on the same board, applies it; the
// step's pattern, removals and chains go into the board's marks. It also
// rates the puzzle and shows its solving path in a window of its own.

#include <QDialog>
#include <QPointer>
#include <string>

#include "aids/hint.h"
#include "aids/logic_hint.h"
#include "core/app.h"
#include "ui/main/board_surface.h"

class QWidget;

namespace gridora::ui {

class LogicTools {
 public:
  // F3. With `sameBoard` (the hint shown was found on the board as it is)
  // and a step shown, applies it: its digits go on the board, its removals
  // are kept for the candidates. Otherwise finds the next hint. Returns
  // what to show in the status panel and which cells to mark.
  Hint HintOrApply(App app, bool sameBoard);
  // The shown step's candidates, removals and chain links.
  void AddMarks(BoardMarks& marks) const;
  // Takes the candidates removed by applied steps out of `candidates`.
  void FilterCandidates(CandidateMasks& candidates, const BoardCodes& board, int boardSize);
  // The rating of the puzzle on the board, as the message tells it.
  static std::string RatingText(const AppState& state);
  // The solving path, one step a line: a rating line first.
  static std::string PathText(const AppState& state);
  // The path window (one, brought forward when open) with `text`.
  void ShowPath(QWidget* parent, const std::string& text);
  QDialog* PathWindow() const { return pathWindow_; }

 private:
  LogicHints hints_;
  LogicHint shown_;
  bool stepShown_ = false;
  QPointer<QDialog> pathWindow_;
};

}  // namespace gridora::ui
