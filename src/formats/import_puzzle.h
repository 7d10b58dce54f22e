// SPDX-License-Identifier: MIT
#pragma once
// A puzzle of another program's file on the board, and the board as such a
// puzzle.

#include <optional>
#include <string>

#include "core/app.h"
#include "formats/formats.h"
#include "formats/puzzle_index.h"
#include "play/game.h"

namespace gridora::formats {

// Indexes the file at `path`. A file that cannot be read or is not a
// puzzle file is reported in a message box titled "ロード失敗" that names
// the file, the line and the cause; nothing changes then.
std::optional<PuzzleIndex> OpenPuzzleFileOrTell(App app, const std::string& path);

// Replaces the puzzle with `puzzle` as loading a puzzle file does: a fresh
// model of its size (history and memory slots emptied), the puzzle's and
// the player's digits as black digits, author, date and comment from the
// file ("(不明)", "(不明)" and "(なし)" where it has none; the description
// stands in for a missing comment), a redraw, DataChanged false and
// `status` in the status panel. The file name stays "(未定)": the file is
// not Gridora's, so Save asks for a name instead of overwriting it.
void ApplyImportedPuzzle(App app, const Puzzle& puzzle, const std::string& status);

// The game of play mode that `puzzle` holds: its givens, and the notes of
// the player's pencil marks (the player's digits stand on the board).
play::GameRecord GameOfPuzzle(const Puzzle& puzzle);

// The puzzle on the board. With a game of play mode on the board (`game`
// active, of the board's size), its givens are the puzzle's, the other
// black digits and the notes the player's. Otherwise the black digits that
// `original` has as givens are givens and the others the player's; without
// an original (another size, or none) every black digit is a given. Author,
// date and comment are the board's, the other texts the original's.
Puzzle PuzzleOfBoard(const AppState& state, const Puzzle* original, const play::Game* game);

}  // namespace gridora::formats
