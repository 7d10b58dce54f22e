// SPDX-License-Identifier: MIT
// Singles, locked candidates, naked and hidden subsets and basic fish.
#include <algorithm>
#include <functional>

#include "logic/techniques.h"

namespace gridora::logic {

namespace {

using Cells = std::vector<int>;

const Cells& UnitCells(const LogicBoard& b, int unit) {
  return b.Geo().units[static_cast<std::size_t>(unit)];
}

int UnitCount(const LogicBoard& b) {
  return 3 * b.Size();
}

// The cells of `unit` at the positions of `places`.
Cells CellsAt(const LogicBoard& b, int unit, Mask places) {
  Cells cells;
  const Cells& all = UnitCells(b, unit);
  for (Mask m = places; m; m &= m - 1)
    cells.push_back(all[static_cast<std::size_t>(std::countr_zero(m))]);
  return cells;
}

bool Placed(const LogicBoard& b, int unit, int digit) {
  for (int cell : UnitCells(b, unit)) {
    if (b.Value(cell) == digit) return true;
  }
  return false;
}

// Calls `visit` with every combination of `k` of `items`; stops when it returns true.
template <typename T>
bool Combinations(const std::vector<T>& items, int k,
                  const std::function<bool(const std::vector<T>&)>& visit) {
  std::vector<T> pick;
  std::function<bool(std::size_t)> walk = [&](std::size_t from) {
    if (static_cast<int>(pick.size()) == k) return visit(pick);
    for (std::size_t i = from; i < items.size(); ++i) {
      pick.push_back(items[i]);
      if (walk(i + 1)) return true;
      pick.pop_back();
    }
    return false;
  };
  return walk(0);
}

// The hidden single that `removals` leave for one of their digits in
// `unit` (none: -1) or in a unit of a removed cell of the kinds of bitmask
// `kinds` (1 box, 2 row, 4 column), if any. A pointing counts the singles it
// leaves in the boxes it removes from, a claiming and a hidden subset only
// those in their own unit.
std::optional<Candidate> SingleAfter(const LogicBoard& b, const std::vector<Candidate>& removals,
                                     int unit, int kinds) {
  LogicBoard after = b;
  Mask digits = 0;
  std::vector<int> units;
  if (unit >= 0) units.push_back(unit);
  for (const Candidate& r : removals) {
    after.Remove(r.cell, r.digit);
    digits |= Bit(r.digit);
    for (int slot = 0; slot < 3; ++slot) {
      if (kinds & (1 << slot))
        units.push_back(
            b.Geo().unitsOf[static_cast<std::size_t>(r.cell)][static_cast<std::size_t>(slot)]);
    }
  }
  for (int u : units) {
    for (Mask m = digits; m; m &= m - 1) {
      const int d = Lowest(m);
      const Mask places = after.Places(u, d);
      if (Count(places) == 1 && !Placed(after, u, d))
        return Candidate{CellsAt(after, u, places).front(), d};
    }
  }
  return std::nullopt;
}

struct LockedPattern {
  bool pointing;  // a box's digit confined to a line (else a line's to a box)
  int unit;       // where the digit is confined
  int other;      // the unit it is removed from
  int digit;
  Cells cells;
  std::vector<Candidate> removals;
};

// Every locked-candidates pattern that removes something: pointing first.
std::vector<LockedPattern> LockedPatterns(const LogicBoard& b) {
  const Geometry& g = b.Geo();
  std::vector<LockedPattern> found;
  for (bool pointing : {true, false}) {
    for (int unit = 0; unit < UnitCount(b); ++unit) {
      if ((KindOf(g, unit) == UnitKind::Box) != pointing) continue;
      for (int d = 1; d <= b.Size(); ++d) {
        const Mask places = b.Places(unit, d);
        if (Count(places) < 2) continue;
        const Cells cells = CellsAt(b, unit, places);
        for (int slot = 0; slot < 3; ++slot) {
          const int other =
              g.unitsOf[static_cast<std::size_t>(cells[0])][static_cast<std::size_t>(slot)];
          if (other == unit || (slot == 0) == pointing) continue;
          const bool all = std::all_of(cells.begin(), cells.end(), [&](int c) {
            return g.unitsOf[static_cast<std::size_t>(c)][static_cast<std::size_t>(slot)] == other;
          });
          if (!all) continue;
          std::vector<Candidate> removals;
          for (int c : UnitCells(b, other)) {
            if (b.Has(c, d) && std::find(cells.begin(), cells.end(), c) == cells.end()) {
              removals.push_back({c, d});
            }
          }
          if (!removals.empty()) found.push_back({pointing, unit, other, d, cells, removals});
        }
      }
    }
  }
  return found;
}

Step LockedStep(const LockedPattern& p, Technique technique, int rating) {
  Step step;
  step.technique = technique;
  step.rating = rating;
  step.removals = p.removals;
  step.cells = p.cells;
  for (int c : p.cells) step.pattern.push_back({c, p.digit});
  step.units = {p.unit};
  step.digit = p.digit;
  return step;
}

struct SubsetPattern {
  int unit;
  Mask digits;
  Cells cells;
  std::vector<Candidate> removals;
};

// Naked (`hidden` false) or hidden subsets of `size` in the units, in unit order.
std::optional<SubsetPattern> NextSubset(const LogicBoard& b, int size, bool hidden,
                                        const std::function<bool(const SubsetPattern&)>& accept) {
  std::optional<SubsetPattern> result;
  for (int unit = 0; unit < UnitCount(b) && !result; ++unit) {
    const Cells& all = UnitCells(b, unit);
    if (!hidden) {
      Cells open;
      for (int c : all) {
        if (b.Value(c) == 0 && Count(b.Cands(c)) <= size) open.push_back(c);
      }
      Combinations<int>(open, size, [&](const Cells& pick) {
        Mask digits = 0;
        for (int c : pick) digits |= b.Cands(c);
        if (Count(digits) != size) return false;
        SubsetPattern p{unit, digits, pick, {}};
        for (int c : all) {
          if (std::find(pick.begin(), pick.end(), c) != pick.end()) continue;
          for (Mask m = b.Cands(c) & digits; m; m &= m - 1) p.removals.push_back({c, Lowest(m)});
        }
        if (p.removals.empty() || !accept(p)) return false;
        result = p;
        return true;
      });
    } else {
      std::vector<int> digits;
      for (int d = 1; d <= b.Size(); ++d) {
        const int count = Count(b.Places(unit, d));
        if (count >= 1 && count <= size && !Placed(b, unit, d)) digits.push_back(d);
      }
      Combinations<int>(digits, size, [&](const std::vector<int>& pick) {
        Mask places = 0;
        Mask set = 0;
        for (int d : pick) {
          places |= b.Places(unit, d);
          set |= Bit(d);
        }
        if (Count(places) != size) return false;
        SubsetPattern p{unit, set, CellsAt(b, unit, places), {}};
        for (int c : p.cells) {
          for (Mask m = b.Cands(c) & ~set; m; m &= m - 1) p.removals.push_back({c, Lowest(m)});
        }
        if (p.removals.empty() || !accept(p)) return false;
        result = p;
        return true;
      });
    }
  }
  return result;
}

Step SubsetStep(const LogicBoard& b, const SubsetPattern& p, Technique technique, int rating) {
  Step step;
  step.technique = technique;
  step.rating = rating;
  step.removals = p.removals;
  std::sort(step.removals.begin(), step.removals.end());
  step.cells = p.cells;
  for (int c : p.cells) {
    for (Mask m = b.Cands(c) & p.digits; m; m &= m - 1) step.pattern.push_back({c, Lowest(m)});
  }
  step.units = {p.unit};
  return step;
}

}  // namespace

std::optional<Step> FindHiddenSingle(const LogicBoard& b) {
  for (int unit = 0; unit < UnitCount(b); ++unit) {
    for (int d = 1; d <= b.Size(); ++d) {
      const Mask places = b.Places(unit, d);
      if (Count(places) != 1) continue;
      Step step;
      step.technique = Technique::HiddenSingle;
      step.rating = KindOf(b.Geo(), unit) == UnitKind::Box ? 12 : 15;
      const int cell = CellsAt(b, unit, places).front();
      step.placements = {{cell, d}};
      step.cells = {cell};
      step.units = {unit};
      step.digit = d;
      return step;
    }
  }
  return std::nullopt;
}

std::optional<Step> FindNakedSingle(const LogicBoard& b) {
  for (int cell = 0; cell < b.Geo().cells; ++cell) {
    if (b.Value(cell) != 0 || Count(b.Cands(cell)) != 1) continue;
    Step step;
    step.technique = Technique::NakedSingle;
    step.rating = 23;
    step.placements = {{cell, Lowest(b.Cands(cell))}};
    step.cells = {cell};
    step.digit = Lowest(b.Cands(cell));
    return step;
  }
  return std::nullopt;
}

std::optional<Step> FindDirectLocked(const LogicBoard& b) {
  for (const LockedPattern& p : LockedPatterns(b)) {
    if (const std::optional<Candidate> single =
            SingleAfter(b, p.removals, p.pointing ? -1 : p.other, p.pointing ? 1 : 0)) {
      Step step = LockedStep(p, p.pointing ? Technique::DirectPointing : Technique::DirectClaiming,
                             p.pointing ? 17 : 19);
      step.placements = {*single};
      return step;
    }
  }
  return std::nullopt;
}

std::optional<Step> FindDirectHiddenSubset(const LogicBoard& b, int size) {
  std::optional<Candidate> single;
  const std::optional<SubsetPattern> p = NextSubset(b, size, true, [&](const SubsetPattern& s) {
    single = SingleAfter(b, s.removals, s.unit, 0);
    return single.has_value();
  });
  if (!p) return std::nullopt;
  Step step =
      SubsetStep(b, *p, size == 2 ? Technique::DirectHiddenPair : Technique::DirectHiddenTriple,
                 size == 2 ? 20 : 25);
  step.placements = {*single};
  return step;
}

std::optional<Step> FindLocked(const LogicBoard& b) {
  const std::vector<LockedPattern> found = LockedPatterns(b);
  if (found.empty()) return std::nullopt;
  const LockedPattern& p = found.front();
  return LockedStep(p, p.pointing ? Technique::Pointing : Technique::Claiming,
                    p.pointing ? 26 : 28);
}

std::optional<Step> FindNakedSubset(const LogicBoard& b, int size) {
  const auto p = NextSubset(b, size, false, [](const SubsetPattern&) { return true; });
  if (!p) return std::nullopt;
  static constexpr Technique kinds[] = {Technique::NakedPair, Technique::NakedTriple,
                                        Technique::NakedQuad};
  static constexpr int ratings[] = {30, 36, 50};
  return SubsetStep(b, *p, kinds[size - 2], ratings[size - 2]);
}

std::optional<Step> FindHiddenSubset(const LogicBoard& b, int size) {
  const auto p = NextSubset(b, size, true, [](const SubsetPattern&) { return true; });
  if (!p) return std::nullopt;
  static constexpr Technique kinds[] = {Technique::HiddenPair, Technique::HiddenTriple,
                                        Technique::HiddenQuad};
  static constexpr int ratings[] = {34, 40, 54};
  return SubsetStep(b, *p, kinds[size - 2], ratings[size - 2]);
}

std::optional<Step> FindFish(const LogicBoard& b, int size) {
  const Geometry& g = b.Geo();
  const int n = b.Size();
  for (int d = 1; d <= n; ++d) {
    for (int base : {n, 2 * n}) {  // rows, then columns
      const int cover = base == n ? 2 * n : n;
      std::vector<int> lines;
      for (int line = base; line < base + n; ++line) {
        const int count = Count(b.Places(line, d));
        if (count >= 2 && count <= size) lines.push_back(line);
      }
      std::optional<Step> result;
      Combinations<int>(lines, size, [&](const std::vector<int>& pick) {
        Mask covers = 0;
        for (int line : pick) covers |= b.Places(line, d);
        if (Count(covers) != size) return false;
        Step step;
        for (Mask m = covers; m; m &= m - 1) {
          const int other = cover + std::countr_zero(m);
          step.units.push_back(other);
          for (int c : g.units[static_cast<std::size_t>(other)]) {
            const int own = g.unitsOf[static_cast<std::size_t>(c)][base == n ? 1 : 2];
            if (!b.Has(c, d)) continue;
            if (std::find(pick.begin(), pick.end(), own) == pick.end()) {
              step.removals.push_back({c, d});
            } else {
              step.cells.push_back(c);
              step.pattern.push_back({c, d});
            }
          }
        }
        if (step.removals.empty()) return false;
        static constexpr Technique kinds[] = {Technique::XWing, Technique::Swordfish,
                                              Technique::Jellyfish};
        static constexpr int ratings[] = {32, 38, 52};
        step.technique = kinds[size - 2];
        step.rating = ratings[size - 2];
        step.digit = d;
        step.units.insert(step.units.begin(), pick.begin(), pick.end());
        std::sort(step.cells.begin(), step.cells.end());
        std::sort(step.pattern.begin(), step.pattern.end());
        std::sort(step.removals.begin(), step.removals.end());
        result = step;
        return true;
      });
      if (result) return result;
    }
  }
  return std::nullopt;
}

}  // namespace gridora::logic
