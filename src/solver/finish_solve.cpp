// SPDX-License-Identifier: MIT
#include "solver/finish_solve.h"

#include "core/text.h"

namespace gridora {

namespace {

// The last two characters of the number with its sign blank: 5 -> " 5".
std::string TwoColumns(int value) {
  const std::string text = NumberText(value);
  return text.size() > 2 ? text.substr(text.size() - 2) : text;
}

void MarkYellow(std::array<BoardCodes, kSlotCount>& answers, int count, int cell) {
  for (int s = 0; s < count; ++s) {
    CellCode& code = answers[static_cast<std::size_t>(s)][static_cast<std::size_t>(cell)];
    code = MakeCode(DigitOf(code), kClassYellow);
  }
}

// Marks the open cells of the puzzle that the last base state had settled.
void MarkSettledCells(std::array<BoardCodes, kSlotCount>& answers, int count,
                      const BoardCodes& board, const std::array<int, kMaxCells>& settled,
                      int cells) {
  for (int cell = 0; cell < cells; ++cell) {
    const int code = board[static_cast<std::size_t>(cell)];
    if ((code == 0 || code >= 128) && settled[static_cast<std::size_t>(cell)] > 0) {
      MarkYellow(answers, count, cell);
    }
  }
}

}  // namespace

std::string LocationText(int cell, int boardSize) {
  const std::string x = TwoColumns(cell % boardSize + 1);
  const std::string y = TwoColumns(cell / boardSize + 1);
  if (boardSize == 9) return "( x = " + x + ", y = " + y + ")";
  return "( x =" + x + ", y =" + y + " )";
}

void MarkDifferences(std::array<BoardCodes, kSlotCount>& answers, int count, int cells) {
  for (int cell = 0; cell < cells; ++cell) {
    const auto i = static_cast<std::size_t>(cell);
    const int first = DigitOf(answers[0][i]);
    for (int s = 1; s < count; ++s) {
      if (DigitOf(answers[static_cast<std::size_t>(s)][i]) != first) {
        MarkYellow(answers, count, cell);
        break;
      }
    }
  }
}

void FinishSolve(const FinishInput& input, const std::array<std::string, 8>& messages,
                 const std::array<int, kMaxCells>& grid, const std::array<int, kMaxCells>& settled,
                 SolveOutcome& outcome) {
  const int cells = input.boardSize * input.boardSize;
  const int count = input.solutionCount;
  std::string& message = outcome.message;
  if (count == 0) {
    const int index = static_cast<int>(input.state);
    message = index >= 0 && index < 8 ? messages[static_cast<std::size_t>(index)] : std::string();
    if (input.state == SolveState::Contradiction)
      message += LocationText(input.cell, input.boardSize);
    for (int cell = 0; cell < cells; ++cell) {
      const auto i = static_cast<std::size_t>(cell);
      const int code = outcome.board[i];
      if ((code == 0 || code >= 128) && grid[i] > 0) {
        outcome.board[i] = MakeCode(grid[i], kClassGreen);
      }
    }
    return;
  }
  if (count == 1) {
    if (input.state == SolveState::Stuck) {
      message = "1つの解を発見";
    } else if (input.showLevel) {
      message = messages[static_cast<std::size_t>(input.level)];
    } else {
      message = "成功！";
    }
  } else {
    message = NumberText(count) + "つの解を発見";
    MarkDifferences(outcome.answers, count, cells);
  }
  if (input.state == SolveState::Stuck) {
    message += " (おそらく更に別解が多数存在)";
    MarkSettledCells(outcome.answers, count, outcome.board, settled, cells);
  }
}

}  // namespace gridora
