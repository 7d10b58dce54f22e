// SPDX-License-Identifier: MIT
#pragma once
// One step of a human-style solution: the technique, its rating on the
// Sudoku Explainer scale (tenths: 23 is 2.3), what it places and removes,
// and the cells and candidates of its pattern.

#include <string>
#include <string_view>
#include <vector>

#include "logic/logic_board.h"

namespace gridora::logic {

enum class Technique {
  HiddenSingle,
  DirectPointing,
  DirectClaiming,
  DirectHiddenPair,
  NakedSingle,
  DirectHiddenTriple,
  Pointing,
  Claiming,
  NakedPair,
  XWing,
  HiddenPair,
  NakedTriple,
  Swordfish,
  HiddenTriple,
  Skyscraper,     // two strong links on parallel lines
  TwoStringKite,  // a strong link in a row and one in a column
  TurbotFish,     // two strong links, one of them in a box
  XYWing,
  XYZWing,
  UniqueRectangle,
  NakedQuad,
  Jellyfish,
  HiddenQuad,
  Bug,
  ThreeLinks,  // an X-chain of three strong links
  FourLinks,   // an X-chain of four strong links
  XCycle,      // bidirectional cycle on one digit
  XChain,      // forcing chain on one digit
  YChain,      // forcing chain through bivalue cells
  XYChain,     // forcing chain mixing both kinds of link
  CellForcingChains,
  RegionForcingChains,
  ContradictionChains,  // assuming the candidate leads to a contradiction
  DoubleChains,         // the candidate true and false lead to the same result
  DynamicCellForcingChains,
  DynamicRegionForcingChains,
  YCycle,        // cycle through cells of two candidates
  XYCycle,       // cycle mixing both kinds of link
  NishioChains,  // one digit assumed, the board following it, to a contradiction
  WXYZWing,      // three cells with four digits and a cell of two of them
  VWXYZWing,     // four cells with five digits and a cell of two of them
  UVWXYZWing,    // five cells with six digits and a cell of two of them
  GroupedLinks,  // an X-chain of strong links, some between groups of cells
  UniqueLoop,    // a unique rectangle's pattern on six cells or more
};

// "隠れたシングル", "X-Wing", ...
std::string_view TechniqueName(Technique technique);
// "hidden single", "x-wing", ... for the command line's --json output.
std::string_view TechniqueKey(Technique technique);

// One link of a chain, from `from` to `to`: `on` says whether `to` is made
// true (a strong inference) or false.
struct ChainLink {
  Candidate from;
  Candidate to;
  bool on = false;
};

struct Step {
  Technique technique = Technique::HiddenSingle;
  int rating = 12;  // tenths
  std::vector<Candidate> placements;
  std::vector<Candidate> removals;
  // The cells of the pattern, and the candidates in them the step rests on.
  std::vector<int> cells;
  std::vector<Candidate> pattern;
  std::vector<int> units;  // units the pattern lives in (a hidden single's unit, a fish's lines)
  int digit = 0;           // the digit of a one-digit pattern
  // The chain or the chains of a chain technique, for drawing and telling.
  std::vector<std::vector<ChainLink>> chains;
  Candidate assumption;  // the candidate a chain starts from
  // The nodes of a chain whose nodes may be groups of cells (a grouped
  // X-chain), from its first end to its last.
  std::vector<std::vector<int>> groups;
  // A uniqueness step whose roof cells act as one cell of a subset: the
  // subset's other cells, and whether the subset is hidden (on the pattern's
  // two digits) or naked (on the roof's extra digits).
  std::vector<int> subset;
  bool hiddenSubset = false;
};

}  // namespace gridora::logic
