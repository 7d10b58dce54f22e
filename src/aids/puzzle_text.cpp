// SPDX-License-Identifier: MIT
#include "aids/puzzle_text.h"

#include <algorithm>
#include <vector>

#include "core/board.h"
#include "solver/puzzle_line.h"

namespace gridora {

namespace {

bool IsBlank(char ch) {
  return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\f' || ch == '\v';
}

// Characters that only separate the cells of a grid row or draw the grid.
bool IsSeparator(char ch) {
  return IsBlank(ch) || ch == '|' || ch == '+' || ch == '-' || ch == '=' || ch == ',' ||
         ch == ';' || ch == ':' || ch == '!';
}

// The digit of one cell character, 0 for empty, -1 for none.
int CellDigit(char ch, int size) {
  if (ch == '_' || ch == '*') return 0;
  return PuzzleDigitOf(ch, size);
}

// The digit of one cell written as a number or an empty mark, -1 for none.
int TokenDigit(std::string_view token, int size) {
  if (token.size() == 1) return CellDigit(token[0], size);
  if (token.size() != 2 || token[0] != '1' || token[1] < '0' || token[1] > '6') return -1;
  return 10 + (token[1] - '0');
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::vector<std::string_view> SplitTokens(std::string_view line) {
  std::vector<std::string_view> tokens;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsSeparator(line[i])) ++i;
    const std::size_t start = i;
    while (i < line.size() && !IsSeparator(line[i])) ++i;
    if (i > start) tokens.push_back(line.substr(start, i - start));
  }
  return tokens;
}

// Reads one grid row into `board` at row `row`; false when it is not a row
// of `size` cells.
bool ReadGridRow(std::string_view line, int size, int row, BoardCodes& board) {
  std::vector<int> digits;
  for (const char ch : line) {
    if (IsSeparator(ch)) continue;
    digits.push_back(CellDigit(ch, size));
  }
  if (static_cast<int>(digits.size()) != size && size == 16) {
    digits.clear();
    for (const std::string_view token : SplitTokens(line))
      digits.push_back(TokenDigit(token, size));
  }
  if (static_cast<int>(digits.size()) != size) return false;
  if (std::find(digits.begin(), digits.end(), -1) != digits.end()) return false;
  for (int column = 0; column < size; ++column) {
    board[static_cast<std::size_t>(row * size + column)] =
        static_cast<CellCode>(digits[static_cast<std::size_t>(column)]);
  }
  return true;
}

std::optional<PuzzleText> ReadGrid(const std::vector<std::string_view>& rows) {
  const int size = static_cast<int>(rows.size());
  if (size != 9 && size != 16) return std::nullopt;
  PuzzleText puzzle;
  puzzle.boardSize = size;
  for (int row = 0; row < size; ++row) {
    if (!ReadGridRow(rows[static_cast<std::size_t>(row)], size, row, puzzle.board)) {
      return std::nullopt;
    }
  }
  return puzzle;
}

}  // namespace

std::string WritePuzzleText(const BoardCodes& board, int boardSize) {
  std::string text;
  for (int cell = 0; cell < boardSize * boardSize; ++cell) {
    const int code = board[static_cast<std::size_t>(cell)];
    const int digit = ClassOf(code) == kClassBlack ? DigitOf(code) : 0;
    // A digit the line cannot hold (beyond the board) is left out.
    text += PuzzleCharOf(digit <= boardSize ? digit : 0);
  }
  return text + "\n";
}

std::optional<PuzzleText> ReadPuzzleText(std::string_view text) {
  // The lines that hold anything but separators: blank lines and grid
  // lines ("+---+", "------") drop out here.
  std::vector<std::string_view> lines;
  for (const std::string_view line : SplitLines(text)) {
    const std::size_t start = line.find_first_not_of(" \t");
    if (start != std::string_view::npos && line[start] == '#') continue;  // a comment
    if (std::any_of(line.begin(), line.end(), [](char ch) { return !IsSeparator(ch); })) {
      lines.push_back(line);
    }
  }
  if (lines.empty()) return std::nullopt;

  // One puzzle line, read as gridora-solve reads it, "_" and "*" as ".".
  std::string first(lines.front());
  std::replace_if(
      first.begin(), first.end(), [](char ch) { return ch == '_' || ch == '*'; }, '.');
  const std::size_t start = first.find_first_not_of(" \t\r");
  const PuzzleLine line = ParsePuzzleLine(std::string_view(first).substr(start));
  if (line.kind == PuzzleLine::Kind::Puzzle) {
    if (lines.size() != 1) return std::nullopt;
    PuzzleText puzzle;
    puzzle.boardSize = line.boardSize;
    puzzle.board = line.board;
    return puzzle;
  }
  return ReadGrid(lines);
}

void PastePuzzle(App app, const PuzzleText& puzzle) {
  if (puzzle.boardSize == 16) {
    NewPuzzle16(app);
  } else {
    NewPuzzle9(app);
  }
  const int cells = app.state.CellCount();
  std::copy_n(puzzle.board.begin(), cells, app.state.Board.begin());
  app.state.DataChanged = true;
  RedrawBoard(app);
}

}  // namespace gridora
