// SPDX-License-Identifier: MIT
#include "core/puzzle_properties.h"

#include <algorithm>

#include "core/board.h"

namespace gridora {

PuzzleTexts CurrentPuzzleTexts(const AppState& state) {
  return {state.PuzzleAuthor, state.PuzzleDate, state.PuzzleComment, state.CharacterList};
}

bool IsCharacterListAcceptable(std::string_view list) {
  // No UTF-8 character other than "," holds its byte.
  return std::count(list.begin(), list.end(), ',') >= 8;
}

bool ApplyPuzzleTexts(App app, const PuzzleTexts& texts) {
  if (!IsCharacterListAcceptable(texts.characters)) {
    app.screen.ShowMessage(kBadCharacterListText, kBadCharacterListTitle, MessageButtons::Ok,
                           MessageIcon::Information);
    return false;
  }
  AppState& s = app.state;
  s.PuzzleAuthor = texts.author;
  s.PuzzleDate = texts.date;
  s.PuzzleComment = texts.comment;
  s.CharacterList = texts.characters;
  RedrawBoard(app);
  s.DataChanged = true;
  return true;
}

}  // namespace gridora
