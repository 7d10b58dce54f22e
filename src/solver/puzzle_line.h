// SPDX-License-Identifier: MIT
#pragma once
// One puzzle a line, as the command-line solver reads them: 81 characters
// (9 x 9) or 256 (16 x 16); "." or "0" empty, "1"-"9", and on 16 x 16 also
// "A"-"G" or "a"-"g" for 10 to 16 (written upper-case). Whatever follows the first blank or ":"
// is ignored; blank lines and lines beginning with "#" hold no puzzle.

#include <string>
#include <string_view>

#include "core/cell.h"

namespace gridora {

struct PuzzleLine {
  enum class Kind { Skip, Puzzle, Error } kind = Kind::Skip;
  int boardSize = 0;   // 9 or 16 for a puzzle
  BoardCodes board{};  // black digits, the rest 0
  std::string error;   // what is wrong, for an error
};

PuzzleLine ParsePuzzleLine(std::string_view line);

// The digit that `ch` stands for in a puzzle line of a board of `size`: 0 for
// "." and "0", 1-9, and on 16 x 16 "a"-"g" or "A"-"G" for 10 to 16; -1 for
// any other character.
int PuzzleDigitOf(char ch, int size);

// The character that writes digit `digit` (0 to 16) in a puzzle line: "."
// for empty, "1"-"9", and "A"-"G" for 10 to 16. Every puzzle line the
// programs write (the clipboard, gridora-solve, the generator) uses it.
char PuzzleCharOf(int digit);

}  // namespace gridora
