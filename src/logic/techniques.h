// SPDX-License-Identifier: MIT
#pragma once
// The techniques of the logic engine, each a search on the board that
// returns its first step (nothing when the pattern is absent). None of them
// changes the board.

#include <optional>

#include "logic/logic_board.h"
#include "logic/step.h"

namespace gridora::logic {

std::optional<Step> FindHiddenSingle(const LogicBoard& b);
std::optional<Step> FindNakedSingle(const LogicBoard& b);
// Locked candidates whose removal leaves a hidden single, which the step places.
std::optional<Step> FindDirectLocked(const LogicBoard& b);
// A hidden pair (size 2) or triple (size 3) whose removals leave a hidden single.
std::optional<Step> FindDirectHiddenSubset(const LogicBoard& b, int size);
std::optional<Step> FindLocked(const LogicBoard& b);
std::optional<Step> FindNakedSubset(const LogicBoard& b, int size);
std::optional<Step> FindHiddenSubset(const LogicBoard& b, int size);
std::optional<Step> FindFish(const LogicBoard& b, int size);
// X-chains of `count` (2 to 4) strong links on one digit.
std::optional<Step> FindStrongLinks(const LogicBoard& b, int count);
std::optional<Step> FindXYWing(const LogicBoard& b);
std::optional<Step> FindXYZWing(const LogicBoard& b);
std::optional<Step> FindUniqueRectangle(const LogicBoard& b);
std::optional<Step> FindBug(const LogicBoard& b);
// An almost locked set of `cells` (3 to 5) cells and a cell of two of its
// digits: WXYZ-, VWXYZ- and UVWXYZ-Wings.
std::optional<Step> FindAlsWing(const LogicBoard& b, int cells);
// Single chains on the candidates as they stand: cycles and forcing chains.
std::optional<Step> FindChain(const LogicBoard& b);
// Several chains from one cell or one unit, or from a candidate both ways;
// `dynamic` lets the chains follow the singles they make.
std::optional<Step> FindForcingChains(const LogicBoard& b, bool dynamic);
// One candidate assumed true, the board following it digit by digit (its
// other candidates and places), to a contradiction.
std::optional<Step> FindNishioChains(const LogicBoard& b);
// Dynamic forcing chains whose nets, when they stall, go on through the
// locked candidates, hidden and naked pairs and X-Wings their removals make.
std::optional<Step> FindForcingChainsPlus(const LogicBoard& b);

// 0.1 more for every length threshold a chain of `length` links passes.
int LengthBonus(int length);

}  // namespace gridora::logic
