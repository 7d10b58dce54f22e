// SPDX-License-Identifier: MIT
#pragma once
// What a screen reader says about a cell: its position, its digit and whose
// digit it is, and the small digits shown in it (notes, candidates).
//
//   CellName(9, 22, "5", DigitKind::Given)    // "3行5列 5 問題の数字"
//   CellName(9, 0, "", DigitKind::Empty)      // "1行1列 空き"

#include <bitset>
#include <string>
#include <vector>

#include "core/cell.h"

namespace gridora {

// Whose digit a cell holds.
enum class DigitKind {
  Empty,
  Given,   // the puzzle's own digit
  Solver,  // placed by the solver (green or yellow)
  Player,  // placed by the player while playing a game
};

// Which cells are the puzzle's givens while a game is played (the same
// flags as a game keeps).
using GivenFlags = std::bitset<kMaxCells>;

// The kind of `code`. Without a game (`givens` null) every black digit is
// the puzzle's; in a game a black digit that is not a given is the player's.
DigitKind DigitKindOf(CellCode code, const GivenFlags* givens, int cell);

// The words for a kind: "問題の数字", "解答の数字", "入力した数字", "空き".
const char* DigitKindWords(DigitKind kind);

// "r行c列 digit words" with rows and columns counted from 1; an empty cell
// reads "r行c列 空き".
std::string CellName(int boardSize, int cell, const std::string& digitText, DigitKind kind);

// The small digits of a cell as one sentence: "メモ：1 2 候補：1 2 5"; each
// part only when it has digits, "" when neither has.
std::string CellDescription(const std::vector<std::string>& notes,
                            const std::vector<std::string>& candidates);

}  // namespace gridora
