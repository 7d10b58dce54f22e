// SPDX-License-Identifier: MIT
#pragma once
// The four texts of a puzzle that the user edits together: author, date,
// comment and the character list that names the digits.

#include <string>
#include <string_view>

#include "core/app.h"

namespace gridora {

struct PuzzleTexts {
  std::string author;
  std::string date;  // free text, never parsed
  std::string comment;
  std::string characters;
};

inline constexpr const char* kBadCharacterListText = "キャラクターの書き方がおかしいです";
inline constexpr const char* kBadCharacterListTitle = "変更不可能";

// The current texts of the puzzle.
PuzzleTexts CurrentPuzzleTexts(const AppState& state);

// A character list needs nine items at least, that is eight commas; items
// may be of any length, empty ones included, on either board size.
bool IsCharacterListAcceptable(std::string_view list);

// Stores all four texts as typed, redraws the board and marks the puzzle
// changed. A character list that is not acceptable is refused with a
// message box, and nothing is stored. True when the texts were stored.
bool ApplyPuzzleTexts(App app, const PuzzleTexts& texts);

}  // namespace gridora
