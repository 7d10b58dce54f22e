// SPDX-License-Identifier: MIT
#pragma once
// The next step a person could take on the board, found with the solver's
// own deduction passes in the solver's order, and told in one sentence.
//
// The search starts from the candidates of the board (every digit on it
// counts, whatever its colour class) and looks, in this order, for a cell
// with one candidate left, then a digit with one place left in a row, a
// column or a box. While there is none, it lets the next unit pass that
// removes candidates do so (a naked pair, then a hidden pair, then a digit
// confined to where a line and a box meet) and looks again. The removals
// the step rests on become the reasons in the sentence, in their order;
// those it does not need are left out. It places nothing.
//
//   const Hint hint = NextHint(state);
//   ShowStatus(hint.text);        // "ヒント：y =  3 の行で 7 が入るのは ..."
//   Mark(hint.focus, hint.support);

#include <string>
#include <vector>

#include "core/app_state.h"

namespace gridora {

struct Hint {
  enum class Kind {
    Single,           // `cell` can hold `digit` only
    HiddenSingle,     // `digit` has one place left in a row, column or box: `cell`
    NeedsHypothesis,  // no pass finds anything: a hypothesis is needed
    Contradiction,    // the board contradicts itself at `focus`
    Complete,         // every cell is filled without a repetition
  };
  // The last unit pass that removed candidates the step needs, if any.
  enum class Reason { None, NakedPair, HiddenPair, LockedCandidates };

  Kind kind = Kind::NeedsHypothesis;
  Reason reason = Reason::None;
  int cell = -1;  // the cell to fill, for a single or a hidden single
  int digit = 0;  // its digit
  // The cells the step is about: the cell to fill, or the cells of the
  // contradiction. Ascending.
  std::vector<int> focus;
  // The cells that make it work: the unit of a hidden single, the pairs and
  // the cells of confined digits of the reasons. Ascending, none of `focus`.
  std::vector<int> support;
  std::string text;  // one sentence for the "inform" panel
};

Hint NextHint(const AppState& state);

}  // namespace gridora
