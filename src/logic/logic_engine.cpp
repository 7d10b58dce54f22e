// SPDX-License-Identifier: MIT
#include "logic/logic_engine.h"

#include <algorithm>

#include "logic/techniques.h"

namespace gridora::logic {

namespace {

// A technique's search and the lowest rating its steps have.
struct Finder {
  int least;
  std::optional<Step> (*find)(const LogicBoard&);
};

// The techniques in the order they are tried, the reference rater's: nearly
// always each is as hard as the one before it or harder, so the first step
// found is the easiest.
// Like the board geometry, the lists are never destroyed, so that a worker
// thread still rating at exit() never meets them half torn down.
const std::vector<Finder>& Finders(int boardSize) {
  static const std::vector<Finder>& common = *new std::vector<Finder>{
      {10, FindHiddenSingle},
      {17, FindDirectLocked},
      {20, [](const LogicBoard& b) { return FindDirectHiddenSubset(b, 2); }},
      {23, FindNakedSingle},
      {25, [](const LogicBoard& b) { return FindDirectHiddenSubset(b, 3); }},
      {26, FindLocked},
      {30, [](const LogicBoard& b) { return FindNakedSubset(b, 2); }},
      {32, [](const LogicBoard& b) { return FindFish(b, 2); }},
      {34, [](const LogicBoard& b) { return FindHiddenSubset(b, 2); }},
      {36, [](const LogicBoard& b) { return FindNakedSubset(b, 3); }},
      {38, [](const LogicBoard& b) { return FindFish(b, 3); }},
      {40, [](const LogicBoard& b) { return FindHiddenSubset(b, 3); }},
      {40, [](const LogicBoard& b) { return FindStrongLinks(b, 2); }},
      {42, FindXYWing},
      {44, FindXYZWing},
  };
  if (boardSize == 16) {
    static const std::vector<Finder>& sixteen = *new std::vector<Finder>([] {
      std::vector<Finder> all = common;
      all.push_back({50, [](const LogicBoard& b) { return FindNakedSubset(b, 4); }});
      all.push_back({52, [](const LogicBoard& b) { return FindFish(b, 4); }});
      all.push_back({54, [](const LogicBoard& b) { return FindHiddenSubset(b, 4); }});
      return all;
    }());
    return sixteen;
  }
  static const std::vector<Finder>& nine = *new std::vector<Finder>([] {
    std::vector<Finder> all = common;
    all.push_back({45, FindUniqueRectangle});
    all.push_back({50, [](const LogicBoard& b) { return FindNakedSubset(b, 4); }});
    all.push_back({52, [](const LogicBoard& b) { return FindFish(b, 4); }});
    all.push_back({54, [](const LogicBoard& b) { return FindHiddenSubset(b, 4); }});
    all.push_back({54, [](const LogicBoard& b) { return FindStrongLinks(b, 3); }});
    all.push_back({55, [](const LogicBoard& b) { return FindAlsWing(b, 3); }});
    all.push_back({56, FindBug});
    all.push_back({58, [](const LogicBoard& b) { return FindStrongLinks(b, 4); }});
    all.push_back({62, [](const LogicBoard& b) { return FindAlsWing(b, 4); }});
    all.push_back({66, [](const LogicBoard& b) { return FindAlsWing(b, 5); }});
    all.push_back({65, FindChain});
    all.push_back({75, FindNishioChains});
    all.push_back({80, [](const LogicBoard& b) { return FindForcingChains(b, false); }});
    all.push_back({85, [](const LogicBoard& b) { return FindForcingChains(b, true); }});
    all.push_back({90, FindForcingChainsPlus});
    return all;
  }());
  return nine;
}

}  // namespace

std::optional<Step> NextStep(const LogicBoard& board, int ceiling) {
  if (board.Solved() || board.Broken()) return std::nullopt;
  for (const Finder& finder : Finders(board.Size())) {
    // Past the ceiling: the kinds after it may start lower (cycles below the
    // largest wings), so only this one is passed over.
    if (finder.least > ceiling) continue;
    if (std::optional<Step> step = finder.find(board)) {
      if (step->rating > ceiling) return std::nullopt;
      return step;
    }
  }
  return std::nullopt;
}

bool PlacesOnly(Technique technique) {
  return technique == Technique::DirectPointing || technique == Technique::DirectClaiming ||
         technique == Technique::DirectHiddenPair || technique == Technique::DirectHiddenTriple;
}

void ApplyStep(LogicBoard& board, const Step& step) {
  if (!PlacesOnly(step.technique)) {
    for (const Candidate& r : step.removals) board.Remove(r.cell, r.digit);
  }
  for (const Candidate& p : step.placements) {
    if (board.Value(p.cell) == 0) board.Place(p.cell, p.digit);
  }
}

Path SolvePath(int boardSize, const Digits& puzzle, int ceiling) {
  return SolvePath(LogicBoard(boardSize, puzzle), ceiling);
}

Path SolvePath(LogicBoard board, int ceiling) {
  Path path;
  // Room for a step a cell left and some more, so that the steps are seldom
  // moved as the path grows.
  int empty = 0;
  for (int cell = 0; cell < board.Geo().cells; ++cell) empty += board.Value(cell) == 0 ? 1 : 0;
  path.steps.reserve(static_cast<std::size_t>(empty + empty / 2));
  bool placed = false;
  while (std::optional<Step> step = NextStep(board, ceiling)) {
    if (path.steps.empty()) path.ed = step->rating;
    if (!placed) path.ep = std::max(path.ep, step->rating);
    placed = placed || !step->placements.empty();
    if (step->rating > path.er) {
      path.er = step->rating;
      path.hardest = step->technique;
    }
    ApplyStep(board, *step);
    path.steps.push_back(std::move(*step));
  }
  path.solved = board.Solved() && !board.Broken();
  return path;
}

}  // namespace gridora::logic
