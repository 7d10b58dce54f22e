// SPDX-License-Identifier: MIT
#pragma once
// The puzzle on the board as a clean page: its title, author, date and
// comment at the top, the grid as large as the page allows, and on a second
// page, when asked for, its solution.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "book/page_document.h"
#include "core/app_state.h"
#include "core/cell.h"
#include "engine/search.h"

namespace gridora::book {

struct SheetContent {
  int boardSize = 9;
  engine::Grid digits{};                // the board's digits, 0 empty
  std::array<bool, kMaxCells> given{};  // true for the puzzle's givens
  bool withEntered = false;             // print the other digits too
  std::vector<std::string> characters;  // text of digit d at index d (1 to N)
  std::string title;
  std::string author;
  std::string date;
  std::string comment;
  bool solutionPage = false;
  std::optional<engine::Grid> solution;  // the one solution, when there is one
  std::string noSolutionText;            // shown instead of it otherwise
  Paper paper = PaperA4();
};

Document SheetDocument(const SheetContent& content);

// The sheet of the puzzle of `state`: its characters, properties and (by a
// complete search) its solution or the verdict why there is none. `givens`
// marks the givens when a game says which they are; without it every black
// digit is a given. The player's digits are the other black digits.
SheetContent SheetOf(const AppState& state, const std::array<bool, kMaxCells>* givens);

// True when the board holds a black digit that is not a given.
bool HasEnteredDigits(const SheetContent& content);

}  // namespace gridora::book
