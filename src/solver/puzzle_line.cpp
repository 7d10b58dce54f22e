// SPDX-License-Identifier: MIT
#include "solver/puzzle_line.h"

namespace gridora {

int PuzzleDigitOf(char ch, int size) {
  if (ch == '.' || ch == '0') return 0;
  if (ch >= '1' && ch <= '9') return ch - '0';
  if (size == 16 && ch >= 'a' && ch <= 'g') return ch - 'a' + 10;
  if (size == 16 && ch >= 'A' && ch <= 'G') return ch - 'A' + 10;
  return -1;
}

char PuzzleCharOf(int digit) {
  return digit == 0   ? '.'
         : digit <= 9 ? static_cast<char>('0' + digit)
                      : static_cast<char>('A' + digit - 10);
}

namespace {

bool IsBlank(char ch) {
  return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

}  // namespace

PuzzleLine ParsePuzzleLine(std::string_view line) {
  PuzzleLine result;
  std::size_t first = 0;
  while (first < line.size() && IsBlank(line[first])) ++first;
  if (first == line.size() || line[first] == '#') return result;  // blank or a comment

  // Blanks before the cells are not part of them.
  std::size_t end = first;
  while (end < line.size() && !IsBlank(line[end]) && line[end] != ':') ++end;
  const std::string_view cells = line.substr(first, end - first);
  result.kind = PuzzleLine::Kind::Error;
  if (cells.size() != 81 && cells.size() != 256) {
    result.error = "a puzzle has 81 or 256 cells, this line has " + std::to_string(cells.size());
    return result;
  }
  result.boardSize = cells.size() == 81 ? 9 : 16;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const int digit = PuzzleDigitOf(cells[i], result.boardSize);
    if (digit < 0) {
      result.error = "unexpected character '" + std::string(1, cells[i]) + "' at column " +
                     std::to_string(i + 1);
      return result;
    }
    result.board[i] = static_cast<CellCode>(digit);
  }
  result.kind = PuzzleLine::Kind::Puzzle;
  return result;
}

}  // namespace gridora
