// SPDX-License-Identifier: MIT
#include "formats/import_puzzle.h"

#include "core/board.h"
#include "core/puzzle_format.h"

namespace gridora::formats {

std::optional<PuzzleIndex> OpenPuzzleFileOrTell(App app, const std::string& path) {
  PuzzleIndex index;
  if (const ReadError error = PuzzleIndex::Open(path, index)) {
    app.screen.ShowMessage(JapaneseErrorText(path, error), "ロード失敗", MessageButtons::Ok,
                           MessageIcon::Information);
    return std::nullopt;
  }
  return index;
}

void ApplyImportedPuzzle(App app, const Puzzle& puzzle, const std::string& status) {
  if (puzzle.boardSize == 16) {
    NewPuzzle16(app);
  } else {
    NewPuzzle9(app);
  }
  AppState& s = app.state;
  s.PuzzleAuthor = puzzle.author.empty() ? kUnknownAuthor : puzzle.author;
  s.PuzzleDate = puzzle.date.empty() ? kUnknownDate : puzzle.date;
  s.PuzzleComment = !puzzle.comment.empty()       ? puzzle.comment
                    : !puzzle.description.empty() ? puzzle.description
                                                  : kNoComment;
  for (std::size_t k = 0; k < s.Board.size(); ++k) {
    s.Board[k] = puzzle.givens[k] != 0 ? puzzle.givens[k] : puzzle.entries[k];
  }
  s.PuzzleFileName = kNoFileName;
  RedrawBoard(app);
  s.DataChanged = false;
  app.screen.SetInformText(status);
}

play::GameRecord GameOfPuzzle(const Puzzle& puzzle) {
  play::GameRecord game;
  game.boardSize = puzzle.boardSize;
  for (std::size_t k = 0; k < game.givens.size(); ++k) {
    game.givens[k] = static_cast<std::uint8_t>(DigitOf(puzzle.givens[k]));
    if (game.givens[k] == 0 && puzzle.entries[k] == 0) game.notes[k] = puzzle.notes[k];
  }
  return game;
}

Puzzle PuzzleOfBoard(const AppState& state, const Puzzle* original, const play::Game* game) {
  Puzzle puzzle;
  puzzle.boardSize = state.BoardSize;
  const bool known = original && original->boardSize == state.BoardSize;
  const bool playing = game && game->Active() && game->BoardSize() == state.BoardSize;
  for (int k = 0; k < state.CellCount(); ++k) {
    const auto i = static_cast<std::size_t>(k);
    const int code = state.Board[i];
    const int digit = ClassOf(code) == kClassBlack ? DigitOf(code) : 0;
    const bool given = playing ? game->IsGiven(k) : !known || original->givens[i] == digit;
    if (digit == 0) {
      // Notes of an empty cell only: a digit of the solver hides them.
      if (playing && DigitOf(code) == 0) puzzle.notes[i] = game->Notes(k);
    } else if (given) {
      puzzle.givens[i] = static_cast<CellCode>(digit);
    } else {
      puzzle.entries[i] = static_cast<CellCode>(digit);
    }
  }
  if (state.PuzzleAuthor != kUnknownAuthor) puzzle.author = state.PuzzleAuthor;
  if (state.PuzzleDate != kUnknownDate) puzzle.date = state.PuzzleDate;
  if (state.PuzzleComment != kNoComment) puzzle.comment = state.PuzzleComment;
  if (known) {
    puzzle.description = original->description;
    puzzle.source = original->source;
    puzzle.level = original->level;
    puzzle.url = original->url;
  }
  return puzzle;
}

}  // namespace gridora::formats
