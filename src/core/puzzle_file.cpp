// SPDX-License-Identifier: MIT
#include "core/puzzle_file.h"

#include "core/board.h"
#include "core/file_io.h"

namespace gridora {

namespace {

void ShowLoadFailure(App app, const char* text) {
  app.screen.ShowMessage(text, kLoadFailedTitle, MessageButtons::Ok, MessageIcon::Information);
}

}  // namespace

bool LoadPuzzleFile(App app, const std::string& path) {
  const FileBytes file = ReadWholeFile(path, kMaxPuzzleFileBytes);
  if (file.status == ReadStatus::CannotOpen) {
    ShowLoadFailure(app, kCannotReadText);
    return false;
  }
  if (file.status == ReadStatus::TooLarge) {
    ShowLoadFailure(app, kWrongFormatText);
    return false;
  }
  const PuzzleParse parse = ParsePuzzleFile(file.bytes);
  if (!parse.puzzle) {
    ShowLoadFailure(app, kWrongFormatText);
    return false;
  }
  ApplyPuzzleFile(app, *parse.puzzle, path);
  return true;
}

void ApplyPuzzleFile(App app, const PuzzleFile& puzzle, const std::string& path) {
  // The new-puzzle step empties history and memory slots and shows the
  // right board; the file's own values then replace its defaults.
  if (puzzle.BoardSize == 9) {
    NewPuzzle9(app);
  } else {
    NewPuzzle16(app);
  }
  AppState& s = app.state;
  s.CharacterList = puzzle.CharacterList;
  s.PuzzleAuthor = puzzle.PuzzleAuthor;
  s.PuzzleDate = puzzle.PuzzleDate;
  s.PuzzleComment = puzzle.PuzzleComment;
  s.PuzzleEnabled = puzzle.PuzzleEnabled;
  s.Board = puzzle.Board;
  s.PuzzleFileName = path;
  RedrawBoard(app);
  s.DataChanged = false;
  app.screen.SetInformText(kOpenedText);
}

PuzzleFile PuzzleFileOf(const AppState& state) {
  PuzzleFile puzzle;
  puzzle.BoardSize = state.BoardSize;
  puzzle.Board = state.Board;
  puzzle.CharacterList = state.CharacterList;
  puzzle.PuzzleAuthor = state.PuzzleAuthor;
  puzzle.PuzzleDate = state.PuzzleDate;
  puzzle.PuzzleComment = state.PuzzleComment;
  puzzle.PuzzleEnabled = state.PuzzleEnabled;
  return puzzle;
}

WriteStatus WritePuzzleFile(const AppState& state, const std::string& path) {
  return ReplaceFile(path, FormatPuzzleFile(PuzzleFileOf(state)));
}

}  // namespace gridora
