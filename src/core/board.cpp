// SPDX-License-Identifier: MIT
#include "core/board.h"

#include <algorithm>

#include "core/file_title.h"
#include "core/history.h"

namespace gridora {

std::string CharacterOf(const AppState& state, int digit) {
  if (digit <= 0) return "";
  const std::string& list = state.CharacterList;
  std::size_t start = 0;  // first character of the current item
  for (int item = 1;; ++item) {
    const std::size_t comma = list.find(',', start);
    if (item == digit)
      return list.substr(start, comma == std::string::npos ? comma : comma - start);
    if (comma == std::string::npos) return std::to_string(digit);
    start = comma + 1;
  }
}

namespace {

void ShowOneCell(App app, int index) {
  const int code = app.state.Board[static_cast<std::size_t>(index)];
  // Codes outside the model never reach the board through an operation;
  // should one be put there directly, it shows in the last class's colour.
  const int colourClass = std::min(ClassOf(code), kColourClasses - 1);
  app.screen.ShowCell(app.state.BoardSize, index, CharacterOf(app.state, DigitOf(code)),
                      app.state.settings.SoftColor[static_cast<std::size_t>(colourClass)]);
}

void ShowAuthorDateComment(App app) {
  app.screen.ShowProperty(PropertyLabel::Author, app.state.PuzzleAuthor);
  app.screen.ShowProperty(PropertyLabel::Date, app.state.PuzzleDate);
  app.screen.ShowProperty(PropertyLabel::Comment, app.state.PuzzleComment);
}

// The part both new-puzzle commands share; the caller has set BoardSize and
// CharacterList. DataChanged is left alone: the commands run only after the
// save-changes question has cleared it.
void ResetPuzzle(App app) {
  AppState& s = app.state;
  ResetHistory(s);
  s.Board.fill(0);
  for (BoardCodes& slot : s.MemorySlot) slot.fill(0);
  for (BoardCodes& snapshot : s.History) snapshot.fill(0);
  // Answer slots keep their contents; they are unreachable until the solver
  // fills and enables them again.
  for (int n = 1; n <= kSlotCount; ++n) {
    app.screen.SetSlotFetchEnabled(SlotMenu::Answer, n, false);
    app.screen.SetSlotFetchEnabled(SlotMenu::MemoryLoad, n, false);
  }
  s.PuzzleAuthor = s.settings.UserName;
  s.PuzzleComment = kNoComment;
  s.PuzzleDate = app.screen.TodayText();
  s.PuzzleFileName = kNoFileName;
  s.PuzzleEnabled = true;
  ShowAuthorDateComment(app);
  PlaceCursor(app, 0);
}

void NewPuzzle(App app, int size, const char* characters) {
  app.state.BoardSize = size;
  app.state.CharacterList = characters;
  ResetPuzzle(app);
  app.screen.ShowBoardFrame(size);
  RedrawBoard(app);
}

}  // namespace

void RedrawBoard(App app) {
  for (int i = 0; i < app.state.CellCount(); ++i) ShowOneCell(app, i);
  ShowAuthorDateComment(app);
  app.screen.ShowProperty(PropertyLabel::FileName, FileTitleOf(app.state.PuzzleFileName));
  RecordHistory(app.state);
}

bool SetCell(App app, int index, int code) {
  if (!app.state.IsCellIndex(index) || !IsValidCode(code)) return false;
  app.state.Board[static_cast<std::size_t>(index)] = static_cast<CellCode>(code);
  ShowOneCell(app, index);
  app.state.DataChanged = true;
  RecordHistory(app.state);
  return true;
}

void NewPuzzle9(App app) {
  NewPuzzle(app, 9, kDigits9);
}

void NewPuzzle16(App app) {
  NewPuzzle(app, 16, kDigits16);
}

void PlaceCursor(App app, int cell) {
  app.state.CursorCell = cell;
  if (app.state.BoardSize == 9 || app.state.BoardSize == 16) {
    app.screen.MoveCursorBar(app.state.BoardSize, cell);
  }
}

}  // namespace gridora
