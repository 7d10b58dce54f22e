// SPDX-License-Identifier: MIT
#include "logic/logic_engine.h"

#include <functional>

#include "logic/techniques.h"

namespace gridora::logic {

namespace {

using Finder = std::function<std::optional<Step>(const LogicBoard&)>;

// The techniques in the order they are tried: each is about as hard as the
// one before it or harder, so the first step found is the easiest.
const std::vector<Finder>& Finders(int boardSize) {
  static const std::vector<Finder> common = {
      FindHiddenSingle,
      FindDirectLocked,
      [](const LogicBoard& b) { return FindDirectHiddenSubset(b, 2); },
      FindNakedSingle,
      [](const LogicBoard& b) { return FindDirectHiddenSubset(b, 3); },
      FindLocked,
      [](const LogicBoard& b) { return FindNakedSubset(b, 2); },
      [](const LogicBoard& b) { return FindFish(b, 2); },
      [](const LogicBoard& b) { return FindHiddenSubset(b, 2); },
      [](const LogicBoard& b) { return FindNakedSubset(b, 3); },
      [](const LogicBoard& b) { return FindFish(b, 3); },
      [](const LogicBoard& b) { return FindHiddenSubset(b, 3); },
      [](const LogicBoard& b) { return FindStrongLinks(b, 2); },
      FindXYWing,
      FindXYZWing,
  };
  static const std::vector<Finder> nine = [] {
    std::vector<Finder> all = common;
    all.push_back(FindUniqueRectangle);
    all.push_back([](const LogicBoard& b) { return FindNakedSubset(b, 4); });
    all.push_back([](const LogicBoard& b) { return FindFish(b, 4); });
    all.push_back([](const LogicBoard& b) { return FindHiddenSubset(b, 4); });
    all.push_back([](const LogicBoard& b) { return FindStrongLinks(b, 3); });
    all.push_back(FindBug);
    all.push_back([](const LogicBoard& b) { return FindStrongLinks(b, 4); });
    all.push_back(FindChain);
    all.push_back([](const LogicBoard& b) { return FindForcingChains(b, false); });
    all.push_back([](const LogicBoard& b) { return FindForcingChains(b, true); });
    return all;
  }();
  static const std::vector<Finder> sixteen = [] {
    std::vector<Finder> all = common;
    all.push_back([](const LogicBoard& b) { return FindNakedSubset(b, 4); });
    all.push_back([](const LogicBoard& b) { return FindFish(b, 4); });
    all.push_back([](const LogicBoard& b) { return FindHiddenSubset(b, 4); });
    return all;
  }();
  return boardSize == 16 ? sixteen : nine;
}

}  // namespace

std::optional<Step> NextStep(const LogicBoard& board) {
  if (board.Solved() || board.Broken()) return std::nullopt;
  for (const Finder& find : Finders(board.Size())) {
    if (std::optional<Step> step = find(board)) return step;
  }
  return std::nullopt;
}

void ApplyStep(LogicBoard& board, const Step& step) {
  for (const Candidate& r : step.removals) board.Remove(r.cell, r.digit);
  for (const Candidate& p : step.placements) {
    if (board.Value(p.cell) == 0) board.Place(p.cell, p.digit);
  }
}

Path SolvePath(int boardSize, const Digits& puzzle) {
  return SolvePath(LogicBoard(boardSize, puzzle));
}

Path SolvePath(LogicBoard board) {
  Path path;
  bool placed = false;
  while (std::optional<Step> step = NextStep(board)) {
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
