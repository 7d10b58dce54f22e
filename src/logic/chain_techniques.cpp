// SPDX-License-Identifier: MIT
// Chains: single forcing chains on the candidates as they stand, then nets
// of chains from one cell, one unit or one candidate both ways, static and
// dynamic.
#include <algorithm>

#include "logic/implications.h"
#include "logic/techniques.h"

namespace gridora::logic {

namespace {

// Bases of the chain ratings, in tenths, before the length bonus.
constexpr int kXChainBase = 66;
constexpr int kYChainBase = 66;
constexpr int kXYChainBase = 70;
constexpr int kCellChainsBase = 83;
constexpr int kRegionChainsBase = 83;
constexpr int kContradictionBase = 85;
constexpr int kDoubleBase = 85;
constexpr int kDynamicCellBase = 86;
constexpr int kDynamicRegionBase = 86;
// The chain length the bonus counts from: the nodes of a chain less this.
constexpr int kSingleChainOffset = 2;
constexpr int kNetOffset = 2;

void Offer(std::optional<Step>& best, Step step) {
  if (!best || step.rating < best->rating) best = std::move(step);
}

std::vector<Candidate> AllCandidates(const LogicBoard& b) {
  std::vector<Candidate> all;
  for (int cell = 0; cell < b.Geo().cells; ++cell) {
    for (Mask m = b.Cands(cell); m; m &= m - 1) all.push_back({cell, Lowest(m)});
  }
  return all;
}

// The cells and candidates of the chains, for drawing.
void PatternOf(Step& step) {
  for (const auto& chain : step.chains) {
    for (const ChainLink& link : chain) {
      for (const Candidate& c : {link.from, link.to}) {
        if (std::find(step.pattern.begin(), step.pattern.end(), c) == step.pattern.end())
          step.pattern.push_back(c);
        if (std::find(step.cells.begin(), step.cells.end(), c.cell) == step.cells.end())
          step.cells.push_back(c.cell);
      }
    }
  }
  std::sort(step.cells.begin(), step.cells.end());
}

// One branch result per node: how many branches reached it and their total complexity.
struct Tally {
  explicit Tally(int cells) : count(static_cast<std::size_t>(cells * 32)), weight(count.size()) {}
  std::vector<int> count;
  std::vector<int> weight;
  std::vector<std::vector<ChainLink>> chains;
};

int NodeId(Candidate c, bool on) {
  return (c.cell * 16 + c.digit - 1) * 2 + (on ? 1 : 0);
}

}  // namespace

int LengthBonus(int length) {
  int bonus = 0;
  int ceiling = 4;
  bool odd = false;
  while (length > ceiling) {
    ++bonus;
    ceiling = odd ? ceiling * 4 / 3 : ceiling * 3 / 2;
    odd = !odd;
  }
  return bonus;
}

std::optional<Step> FindChain(const LogicBoard& b) {
  std::optional<Step> best;
  struct Mode {
    bool x;  // one digit, links in units
    bool y;  // links in cells
  };
  for (const Mode mode : {Mode{true, false}, Mode{false, true}, Mode{true, true}}) {
    for (const Candidate& t : AllCandidates(b)) {
      Implications::Options options;
      options.unitLinks = mode.x;
      options.cellLinks = mode.y;
      options.otherDigits = mode.y;
      options.onlyDigit = mode.y ? 0 : t.digit;
      Implications net(b, options);
      for (bool on : {true, false}) {
        net.Run(t, on);
        if (!net.Reached(t, !on)) continue;
        const bool unit = net.UsesUnitLinks(t, !on);
        const bool cell = net.UsesCellLinks(t, !on);
        Step step;
        step.technique = !cell ? Technique::XChain : !unit ? Technique::YChain : Technique::XYChain;
        const int base = !cell ? kXChainBase : !unit ? kYChainBase : kXYChainBase;
        step.rating = base + LengthBonus(net.Complexity(t, !on) - kSingleChainOffset);
        if (best && step.rating >= best->rating) continue;
        step.assumption = t;
        if (on) {
          step.removals = {t};
        } else {
          step.placements = {t};
        }
        step.chains = {net.ChainTo(t, !on)};
        step.digit = t.digit;
        PatternOf(step);
        Offer(best, std::move(step));
      }
    }
    if (best && best->rating <= (mode.x && mode.y ? kXYChainBase : kXChainBase)) break;
  }
  return best;
}

std::optional<Step> FindForcingChains(const LogicBoard& b, bool dynamic) {
  const Geometry& g = b.Geo();
  std::optional<Step> best;
  Implications::Options options;
  options.dynamic = dynamic;
  Implications net(b, options);

  // The nodes every branch reached become the step's results.
  auto conclude = [&](const std::vector<Candidate>& branches, Technique technique, int base,
                      const std::vector<int>& cells, int unit) {
    Tally tally(g.cells);
    std::vector<std::vector<int>> reachedIds;
    int live = 0;
    for (const Candidate& branch : branches) {
      if (!net.Run(branch, true)) continue;  // an impossible branch: the others decide
      ++live;
      for (bool on : {true, false}) {
        for (const Candidate& c : net.ReachedAll(on)) {
          const auto id = static_cast<std::size_t>(NodeId(c, on));
          if (tally.count[id] + 1 != live) continue;
          ++tally.count[id];
          tally.weight[id] += net.Complexity(c, on);
        }
      }
    }
    if (live < 2) return;
    for (int cell = 0; cell < g.cells; ++cell) {
      for (Mask m = b.Cands(cell); m; m &= m - 1) {
        const Candidate c{cell, Lowest(m)};
        for (bool on : {true, false}) {
          const auto id = static_cast<std::size_t>(NodeId(c, on));
          if (tally.count[id] != live) continue;
          if (on && b.Value(cell) != 0) continue;
          if (std::find(branches.begin(), branches.end(), c) != branches.end()) continue;
          Step step;
          step.technique = technique;
          step.rating = base + LengthBonus(tally.weight[id] - kNetOffset * live);
          if (best && step.rating >= best->rating) continue;
          (on ? step.placements : step.removals).push_back(c);
          for (const Candidate& branch : branches) {
            if (!net.Run(branch, true)) continue;
            step.chains.push_back(net.ChainTo(c, on));
          }
          step.units = unit >= 0 ? std::vector<int>{unit} : std::vector<int>{};
          PatternOf(step);
          for (int k : cells) {
            if (std::find(step.cells.begin(), step.cells.end(), k) == step.cells.end())
              step.cells.push_back(k);
          }
          std::sort(step.cells.begin(), step.cells.end());
          step.digit = c.digit;
          Offer(best, std::move(step));
        }
      }
    }
  };

  if (dynamic) {
    // One candidate both ways.
    for (const Candidate& t : AllCandidates(b)) {
      for (bool on : {true, false}) {
        if (net.Run(t, on)) continue;
        const Candidate x = net.Conflict();
        Step step;
        step.technique = Technique::ContradictionChains;
        step.rating = kContradictionBase + LengthBonus(net.Complexity(x, true) +
                                                       net.Complexity(x, false) - 2 * kNetOffset);
        if (best && step.rating >= best->rating) continue;
        step.assumption = t;
        (on ? step.removals : step.placements).push_back(t);
        step.chains = {net.ChainTo(x, true), net.ChainTo(x, false)};
        step.digit = t.digit;
        PatternOf(step);
        Offer(best, std::move(step));
      }
    }
    for (const Candidate& t : AllCandidates(b)) {
      // True and false both lead to the same result.
      if (!net.Run(t, true)) continue;
      std::vector<int> weight(static_cast<std::size_t>(g.cells * 32), 0);
      for (bool on : {true, false}) {
        for (const Candidate& c : net.ReachedAll(on))
          weight[static_cast<std::size_t>(NodeId(c, on))] = net.Complexity(c, on);
      }
      if (!net.Run(t, false)) continue;
      for (bool on : {true, false}) {
        for (const Candidate& c : net.ReachedAll(on)) {
          const int first = weight[static_cast<std::size_t>(NodeId(c, on))];
          if (first == 0 || c == t || !b.Has(c.cell, c.digit)) continue;
          Step step;
          step.technique = Technique::DoubleChains;
          step.rating = kDoubleBase + LengthBonus(first + net.Complexity(c, on) - 2 * kNetOffset);
          if (best && step.rating >= best->rating) continue;
          step.assumption = t;
          (on ? step.placements : step.removals).push_back(c);
          step.chains = {net.ChainTo(c, on)};
          step.digit = c.digit;
          Offer(best, std::move(step));
        }
      }
      if (best && best->technique == Technique::DoubleChains && best->chains.size() == 1) {
        // Add the other half of the best step's net when it came from this candidate.
        if (best->assumption == t) {
          const Candidate c =
              best->placements.empty() ? best->removals.front() : best->placements.front();
          const bool on = !best->placements.empty();
          net.Run(t, true);
          best->chains.insert(best->chains.begin(), net.ChainTo(c, on));
          PatternOf(*best);
        }
      }
    }
  }
  for (int cell = 0; cell < g.cells; ++cell) {
    if (Count(b.Cands(cell)) < 2) continue;
    std::vector<Candidate> branches;
    for (Mask m = b.Cands(cell); m; m &= m - 1) branches.push_back({cell, Lowest(m)});
    conclude(branches, dynamic ? Technique::DynamicCellForcingChains : Technique::CellForcingChains,
             dynamic ? kDynamicCellBase : kCellChainsBase, {cell}, -1);
  }
  for (int unit = 0; unit < 3 * g.n; ++unit) {
    for (int d = 1; d <= g.n; ++d) {
      const Mask places = b.Places(unit, d);
      if (Count(places) < 2) continue;
      std::vector<Candidate> branches;
      std::vector<int> cells;
      for (Mask m = places; m; m &= m - 1) {
        const int cell =
            g.units[static_cast<std::size_t>(unit)][static_cast<std::size_t>(std::countr_zero(m))];
        branches.push_back({cell, d});
        cells.push_back(cell);
      }
      conclude(branches,
               dynamic ? Technique::DynamicRegionForcingChains : Technique::RegionForcingChains,
               dynamic ? kDynamicRegionBase : kRegionChainsBase, cells, unit);
    }
  }
  return best;
}

}  // namespace gridora::logic
