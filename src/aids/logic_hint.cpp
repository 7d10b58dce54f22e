// SPDX-License-Identifier: MIT
#include "aids/logic_hint.h"

#include <algorithm>

#include "aids/hint.h"
#include "core/board.h"
#include "engine/search.h"
#include "logic/describe.h"
#include "solver/finish_solve.h"

namespace gridora {

namespace {

constexpr const char* kPrefix = "ヒント：";

engine::Grid DigitsOf(const BoardCodes& board, int cells) {
  engine::Grid digits{};
  for (int c = 0; c < cells; ++c) {
    digits[static_cast<std::size_t>(c)] =
        static_cast<std::uint8_t>(DigitOf(board[static_cast<std::size_t>(c)]));
  }
  return digits;
}

// The filled cells whose digit alone keeps the board from a solution: with
// that digit taken away the rest has one.
std::vector<int> WrongCells(int n, const engine::Grid& digits) {
  std::vector<int> wrong;
  for (int c = 0; c < n * n; ++c) {
    if (digits[static_cast<std::size_t>(c)] == 0) continue;
    engine::Grid without = digits;
    without[static_cast<std::size_t>(c)] = 0;
    if (engine::CountSolutions(n, without, 1).solutions > 0) wrong.push_back(c);
  }
  return wrong;
}

}  // namespace

void LogicHints::Follow(const BoardCodes& board, int boardSize) {
  bool grown = size_ == boardSize;
  for (int c = 0; grown && c < boardSize * boardSize; ++c) {
    const int before = DigitOf(board_[static_cast<std::size_t>(c)]);
    grown = before == 0 || before == DigitOf(board[static_cast<std::size_t>(c)]);
  }
  if (!grown) removed_ = {};
  size_ = boardSize;
  board_ = board;
}

logic::Mask LogicHints::Removed(const BoardCodes& board, int boardSize, int cell) {
  Follow(board, boardSize);
  return removed_[static_cast<std::size_t>(cell)];
}

LogicHint LogicHints::Next(const AppState& state) {
  const int n = state.BoardSize;
  Follow(state.Board, n);
  LogicHint hint;
  const Hint plain = NextHint(state);
  if (plain.kind == Hint::Kind::Contradiction || plain.kind == Hint::Kind::Complete) {
    // Two equal digits in a unit, or no digit left for a cell: the board's
    // own fault, told as the plain hint tells it.
    hint.kind = plain.kind == Hint::Kind::Complete ? LogicHint::Kind::Complete
                                                   : LogicHint::Kind::Contradiction;
    hint.text = plain.text;
    hint.focus = plain.focus;
    return hint;
  }
  const engine::Grid digits = DigitsOf(state.Board, n * n);
  if (engine::CountSolutions(n, digits, 1).solutions == 0) {
    hint.kind = LogicHint::Kind::Wrong;
    hint.focus = WrongCells(n, digits);
    if (hint.focus.empty()) {
      hint.text = std::string(kPrefix) + "盤面の数字のどこかに誤りがあり、このままでは解けません";
    } else {
      std::string where;
      for (int c : hint.focus) {
        where += (where.empty() ? "" : "、") + LocationText(c, n) + " の " +
                 CharacterOf(state, DigitOf(state.Board[static_cast<std::size_t>(c)]));
      }
      hint.text = std::string(kPrefix) + where + " が間違っています。このままでは解けません";
    }
    return hint;
  }
  std::array<logic::Mask, kMaxCells> masks{};
  for (int c = 0; c < n * n; ++c) {
    masks[static_cast<std::size_t>(c)] = ~removed_[static_cast<std::size_t>(c)];
  }
  const logic::LogicBoard board(n, digits, masks);
  std::optional<logic::Step> step = logic::NextStep(board);
  if (!step) {
    hint.kind = LogicHint::Kind::Stuck;
    hint.text = std::string(kPrefix) + "論理だけでは次の数字が決まらないので、仮定が必要です";
    return hint;
  }
  hint.kind = LogicHint::Kind::Step;
  hint.text = kPrefix + logic::Describe(*step, n, [&](int d) { return CharacterOf(state, d); });
  for (const logic::Candidate& p : step->placements) hint.focus.push_back(p.cell);
  for (int c : step->cells) {
    if (std::find(hint.focus.begin(), hint.focus.end(), c) == hint.focus.end())
      hint.support.push_back(c);
  }
  hint.pattern = step->pattern;
  hint.removals = step->removals;
  hint.step = std::move(step);
  return hint;
}

std::vector<logic::Candidate> LogicHints::Apply(const LogicHint& hint) {
  if (!hint.step) return {};
  for (const logic::Candidate& r : hint.step->removals) {
    removed_[static_cast<std::size_t>(r.cell)] |= logic::Bit(r.digit);
  }
  return hint.step->placements;
}

}  // namespace gridora
