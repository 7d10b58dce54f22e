// SPDX-License-Identifier: MIT
#pragma once
// The digit exchange: the user picks, for every digit, the digit it becomes.
// The choices stay a permutation at every moment, because choosing the
// target of another digit hands that digit the target just given up; Ok
// then renumbers the whole board and keeps every cell's colour class.
//
//   std::vector<int> choice = {0, 1, 2, 3, 4, 5, 6, 7, 8};  // identity
//   choice[0] = 1;                                         // 1 becomes 2
//   auto repair = RepairExchange(choice, 0);   // {list 1, target 0}
//   choice[repair->list] = repair->target;     // so 2 becomes 1
//   ExchangeDigits(app, choice);

#include <optional>
#include <span>

#include "core/app.h"

namespace gridora {

// Choices are target indexes: choice i = j means digit i + 1 becomes digit
// j + 1; -1 is a list with nothing selected yet.

// The second selection that keeps the choices a permutation after list
// `changed` was set. Nothing when some list has no selection yet or the new
// choice is unique. Otherwise: the smallest target no list selects goes to
// the smallest other list that holds the same target as `changed`.
struct ExchangeRepair {
  int list;
  int target;
  bool operator==(const ExchangeRepair&) const = default;
};
std::optional<ExchangeRepair> RepairExchange(std::span<const int> choices, int changed);

// Renumbers every cell of the board by the choices (one per digit of the
// board), keeping its colour class; empty cells stay empty and a digit with
// no choice (one above the board size, read from a file) keeps its number.
// Then redraws the board and marks the puzzle changed.
void ExchangeDigits(App app, std::span<const int> choices);

}  // namespace gridora
