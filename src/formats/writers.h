// SPDX-License-Identifier: MIT
#pragma once
// Writers of the puzzle files of other programs: UTF-8 text, CR LF line
// ends, "." for an empty cell and "A"-"G" for 10 to 16. What each writes is
// what the readers of readers.h take back unchanged (a round trip), within
// what the format has a place for.

#include <string>
#include <vector>

#include "formats/formats.h"

namespace gridora::formats {

// .sdk: the property lines that are not empty, then the puzzle; with the
// player's digits or pencil marks "[Puzzle]", "[State]" and "[PencilMarks]".
std::string WriteSdk(const Puzzle& puzzle);
// One line of .sdm/.txt: the cells, then a blank and the comment if any.
std::string WriteSdmLine(const Puzzle& puzzle);
// .ss: rows with "|" between the boxes and rules between the bands.
std::string WriteSs(const Puzzle& puzzle);
// A plain grid: N rows of N cells.
std::string WriteGrid(const Puzzle& puzzle);
// .gdr: the puzzle's and the player's digits, author, date and comment.
std::string WriteGdr(const Puzzle& puzzle);

// .opensudoku (version 2): the start up to the first game, one game (9 x 9
// only), and the end. The player's digits and pencil marks are kept in the
// game data.
std::string OpenSudokuStart(const std::string& folderName);
std::string OpenSudokuGame(const Puzzle& puzzle);
std::string OpenSudokuEnd();

// What a file of `format` written from `puzzle` gives back when it is read:
// the fields the format has no place for are empty (Gdr is left out: its
// texts pass through Shift-JIS).
Puzzle KeptBy(Format format, const Puzzle& puzzle);

// False when `format` has no place for `puzzle` (16 x 16 in .opensudoku).
bool CanWrite(Format format, const Puzzle& puzzle);

// A whole file of `format` holding `puzzles` (one for the formats of one
// puzzle); empty when they do not fit it.
std::string WriteFile(Format format, const std::vector<Puzzle>& puzzles);

}  // namespace gridora::formats
