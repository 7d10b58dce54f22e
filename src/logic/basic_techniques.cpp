// SPDX-License-Identifier: MIT
// Singles, locked candidates, naked and hidden subsets and basic fish.
//
// Each search walks the board in a fixed order and returns the first
// pattern it meets: units as boxes, then columns, then rows; tuples of
// positions or digits by the value of their bit mask, smallest first. The
// order decides which of several patterns of one technique a path takes,
// and so the steps that follow.
#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "logic/techniques.h"

namespace gridora::logic {

namespace {

using Cells = std::vector<int>;

const Cells& UnitCells(const LogicBoard& b, int unit) {
  return b.Geo().units[static_cast<std::size_t>(unit)];
}

// The cells of `unit` at the positions of `places`.
Cells CellsAt(const LogicBoard& b, int unit, Mask places) {
  Cells cells;
  const Cells& all = UnitCells(b, unit);
  for (Mask m = places; m; m &= m - 1)
    cells.push_back(all[static_cast<std::size_t>(std::countr_zero(m))]);
  return cells;
}

// Calls `visit` with every mask of `k` bits among the low `n`, in increasing
// order of the mask; stops when it returns true.
template <typename Visit>
bool ForEachTuple(int n, int k, Visit visit) {
  std::uint32_t m = (std::uint32_t{1} << k) - 1;
  while (m < (std::uint32_t{1} << n)) {
    if (visit(static_cast<Mask>(m))) return true;
    const std::uint32_t low = m & (~m + 1);
    const std::uint32_t ripple = m + low;
    m = ripple | (((m ^ ripple) >> 2) / low);
  }
  return false;
}

// Boxes, columns, rows. Made once for each size and never destroyed, like
// the board geometry.
const std::vector<int>& SubsetUnits(int n) {
  auto make = [](int size) {
    std::vector<int> units;
    for (int u = 0; u < size; ++u) units.push_back(u);
    for (int u = 2 * size; u < 3 * size; ++u) units.push_back(u);
    for (int u = size; u < 2 * size; ++u) units.push_back(u);
    return units;
  };
  if (n == 16) {
    static const std::vector<int>& sixteen = *new std::vector<int>(make(16));
    return sixteen;
  }
  static const std::vector<int>& nine = *new std::vector<int>(make(9));
  return nine;
}

// For every two units, the positions in the first of the cells they share,
// made once for each board size and never destroyed, like the geometry.
class Crossings {
 public:
  explicit Crossings(const Geometry& g) : units_(3 * g.n) {
    in_.assign(static_cast<std::size_t>(units_ * units_), 0);
    for (int a = 0; a < units_; ++a) {
      const Cells& cells = g.units[static_cast<std::size_t>(a)];
      for (std::size_t k = 0; k < cells.size(); ++k) {
        for (int other : g.unitsOf[static_cast<std::size_t>(cells[k])])
          in_[static_cast<std::size_t>(a * units_ + other)] |= Mask{1} << k;
      }
    }
  }
  Mask In(int a, int b) const { return in_[static_cast<std::size_t>(a * units_ + b)]; }

 private:
  int units_;
  std::vector<Mask> in_;
};

const Crossings& CrossingsOf(const Geometry& g) {
  if (g.n == 16) {
    static const Crossings& sixteen = *new Crossings(g);
    return sixteen;
  }
  static const Crossings& nine = *new Crossings(g);
  return nine;
}

struct LockedPattern {
  bool pointing = false;  // a box's digit confined to a line (else a line's to a box)
  int unit = 0;           // where the digit is confined
  int other = 0;          // the unit it is removed from
  int digit = 0;
  Mask places = 0;  // the digit's places in `unit`
};

// What a search of locked candidates found for each digit and kind of unit
// pair, with the digit's cells then: a digit whose cells are the same has
// the same patterns. One for each search on each thread, kept from one
// board to the next.
struct LockedMemo {
  struct Finding {
    bool known = false;
    bool found = false;
    LockedPattern pattern;
    int value = 0;  // what the search made of the pattern
  };
  struct Digit {
    bool seen = false;
    std::array<std::uint64_t, 4> cells{};
    std::array<Finding, 4> kinds{};
  };
  int n = 0;
  std::array<Digit, 16> digits{};
};

// The first locked candidates that remove something and that `accept`
// takes (it returns a value of zero or more for them), in the order they
// are tried: a box against the columns and the rows, then the columns and
// the rows against the boxes, digit by digit, unit by unit.
template <typename Accept>
const LockedMemo::Finding* FirstLocked(const LogicBoard& b, LockedMemo& memo, Accept accept) {
  const Geometry& g = b.Geo();
  const Crossings& crossings = CrossingsOf(g);
  const int n = g.n;
  if (memo.n != n) {
    memo = LockedMemo{};
    memo.n = n;
  }
  for (int d = 1; d <= n; ++d) {
    LockedMemo::Digit& digit = memo.digits[static_cast<std::size_t>(d - 1)];
    const std::array<std::uint64_t, 4>& cells = b.CellsOf(d);
    if (digit.seen && digit.cells == cells) continue;
    digit.seen = true;
    digit.cells = cells;
    digit.kinds = {};
  }
  struct Kinds {
    int first;  // first unit of the kind the digit is confined in
    int slot;   // the kind it is removed from, as a slot of Geometry::unitsOf
  };
  const Kinds order[] = {{0, 2}, {0, 1}, {2 * n, 0}, {n, 0}};
  for (std::size_t kind = 0; kind < 4; ++kind) {
    const Kinds& kinds = order[kind];
    for (int d = 1; d <= n; ++d) {
      LockedMemo::Finding& finding = memo.digits[static_cast<std::size_t>(d - 1)].kinds[kind];
      if (!finding.known) {
        finding.known = true;
        for (int unit = kinds.first; unit < kinds.first + n; ++unit) {
          const Mask places = b.Places(unit, d);
          if ((places & (places - 1)) == 0) continue;  // fewer than two places
          const int cell = UnitCells(b, unit)[static_cast<std::size_t>(std::countr_zero(places))];
          const int other =
              g.unitsOf[static_cast<std::size_t>(cell)][static_cast<std::size_t>(kinds.slot)];
          // All the places in the other unit, which holds the digit in more.
          if ((places & ~crossings.In(unit, other)) != 0 ||
              (b.Places(other, d) & ~crossings.In(other, unit)) == 0)
            continue;
          const LockedPattern pattern{kinds.first == 0, unit, other, d, places};
          const int value = accept(pattern);
          if (value < 0) continue;
          finding.found = true;
          finding.pattern = pattern;
          finding.value = value;
          break;
        }
      }
      if (finding.found) return &finding;
    }
  }
  return nullptr;
}

Step LockedStep(const LogicBoard& b, const LockedPattern& p, Technique technique, int rating) {
  Step step;
  step.technique = technique;
  step.rating = rating;
  const Cells& others = UnitCells(b, p.other);
  for (Mask m = b.Places(p.other, p.digit) & ~CrossingsOf(b.Geo()).In(p.other, p.unit); m;
       m &= m - 1)
    step.removals.push_back({others[static_cast<std::size_t>(std::countr_zero(m))], p.digit});
  step.cells = CellsAt(b, p.unit, p.places);
  for (int c : step.cells) step.pattern.push_back({c, p.digit});
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

// The units a search found without its pattern, with their empty cells
// and places then: the pattern lies within one unit, so a unit whose places
// are the same still has none. One for each search (technique and size) on
// each thread, kept from one board to the next.
class UnitMemo {
 public:
  bool Without(const LogicBoard& b, int unit) const {
    const Entry& e = units_[static_cast<std::size_t>(unit)];
    if (n_ != b.Size() || !e.without || e.empty != b.EmptyIn(unit)) return false;
    // A size known here lets the comparison be made in place.
    const Mask* now = b.PlacesIn(unit).data();
    return n_ == 9 ? std::memcmp(e.places.data(), now, 9 * sizeof(Mask)) == 0
                   : std::memcmp(e.places.data(), now,
                                 static_cast<std::size_t>(n_) * sizeof(Mask)) == 0;
  }
  void Remember(const LogicBoard& b, int unit) {
    if (n_ != b.Size()) {
      units_ = {};
      n_ = b.Size();
    }
    Entry& e = units_[static_cast<std::size_t>(unit)];
    e.without = true;
    e.empty = b.EmptyIn(unit);
    e.places = b.PlacesIn(unit);
  }

 private:
  struct Entry {
    bool without = false;
    int empty = 0;
    std::array<Mask, 16> places{};
  };
  int n_ = 0;
  std::array<Entry, 48> units_{};
};

enum class Search { DirectHidden, Hidden, Naked };

UnitMemo& MemoOf(Search search, int size) {
  thread_local std::array<UnitMemo, 9> memos;
  return memos[static_cast<std::size_t>(static_cast<int>(search) * 3 + size - 2)];
}

// The tuples of `size` of the first `open` masks of `masks` that together
// hold `size` bits, with their union, in the order ForEachTuple takes them
// (by the highest index, then the next...). Pairs and triples by nested
// loops, which pass over a tuple as soon as a part of it holds too many.
template <typename Visit>
bool SmallTuples(const std::array<Mask, 16>& masks, int open, int size, Visit visit) {
  const auto at = [&](int i) { return masks[static_cast<std::size_t>(i)]; };
  if (size == 2) {
    for (int j = 1; j < open; ++j) {
      for (int i = 0; i < j; ++i) {
        const Mask all = at(i) | at(j);  // the callers' masks hold two bits or more
        if (AtMost(all, 2) && visit(Mask{1} << i | Mask{1} << j, all)) return true;
      }
    }
    return false;
  }
  if (size == 3) {
    for (int k = 2; k < open; ++k) {
      for (int j = 1; j < k; ++j) {
        const Mask two = at(j) | at(k);
        if (!AtMost(two, 3)) continue;
        for (int i = 0; i < j; ++i) {
          const Mask all = two | at(i);
          if (Count(all) == 3 && visit(Mask{1} << i | Mask{1} << j | Mask{1} << k, all))
            return true;
        }
      }
    }
    return false;
  }
  return ForEachTuple(open, size, [&](Mask tuple) {
    Mask all = 0;
    for (Mask m = tuple; m; m &= m - 1) all |= masks[static_cast<std::size_t>(std::countr_zero(m))];
    return Count(all) == size && visit(tuple, all);
  });
}

// The first hidden subset of `size` digits in the units; `accept` may refuse
// one, told its unit, its digits and their places there.
template <typename Accept>
std::optional<SubsetPattern> FirstHiddenSubset(const LogicBoard& b, int size, int minEmpty,
                                               UnitMemo& memo, Accept accept) {
  const int n = b.Size();
  for (int unit : SubsetUnits(n)) {
    if (b.EmptyIn(unit) < minEmpty || memo.Without(b, unit)) continue;
    std::optional<SubsetPattern> found;
    // Only digits of two to `size` places can be in the subset: the tuples
    // are of them, by their index here. Leaving the others out keeps the
    // order of the tuples that remain.
    std::array<Mask, 16> digitOf{};
    std::array<Mask, 16> placesOf{};
    int open = 0;
    for (int d = 1; d <= n; ++d) {
      const Mask here = b.Places(unit, d);
      if (AtMost(here, 1) || !AtMost(here, size)) continue;
      digitOf[static_cast<std::size_t>(open)] = Bit(d);
      placesOf[static_cast<std::size_t>(open++)] = here;
    }
    SmallTuples(placesOf, open, size, [&](Mask tuple, Mask places) {
      Mask set = 0;
      for (Mask m = tuple; m; m &= m - 1)
        set |= digitOf[static_cast<std::size_t>(std::countr_zero(m))];
      if (!accept(unit, set, places)) return false;
      SubsetPattern p{unit, set, CellsAt(b, unit, places), {}};
      for (int c : p.cells) {
        for (Mask m = b.Cands(c) & ~set; m; m &= m - 1) p.removals.push_back({c, Lowest(m)});
      }
      found = std::move(p);
      return true;
    });
    if (found) return found;
    memo.Remember(b, unit);
  }
  return std::nullopt;
}

}  // namespace

std::optional<Step> FindHiddenSingle(const LogicBoard& b) {
  const int n = b.Size();
  for (int unit : SubsetUnits(n)) {
    if (b.EmptyIn(unit) == 0) continue;  // no places left
    const Mask ones = b.OnePlace(unit);
    if (ones != 0) {
      const int d = Lowest(ones);
      const Mask places = b.Places(unit, d);
      Step step;
      step.technique = Technique::HiddenSingle;
      step.rating = KindOf(b.Geo(), unit) == UnitKind::Box ? 12 : 15;
      const int cell = UnitCells(b, unit)[static_cast<std::size_t>(std::countr_zero(places))];
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
    const Mask cands = b.Cands(cell);
    if (b.Value(cell) != 0 || cands == 0 || (cands & (cands - 1)) != 0) continue;
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
  const Geometry& g = b.Geo();
  const Crossings& crossings = CrossingsOf(g);
  thread_local LockedMemo memo;
  const LockedMemo::Finding* found = FirstLocked(b, memo, [&](const LockedPattern& p) {
    // Another unit of the first kind that crosses the unit the digit is
    // removed from, left with one place for it: that place's cell. Units of
    // one kind do not meet: without removals, such a unit keeps its two
    // places or more.
    const int first = p.pointing ? 0 : p.unit < 2 * g.n ? g.n : 2 * g.n;
    for (int third = first; third < first + g.n; ++third) {
      if (third == p.unit) continue;
      const Mask crossing = crossings.In(third, p.other);
      const Mask here = b.Places(third, p.digit);
      if (crossing == 0 || AtMost(here, 1)) continue;
      const Mask left = here & ~crossing;
      if (left == 0 || (left & (left - 1)) != 0) continue;  // not one place left
      return UnitCells(b, third)[static_cast<std::size_t>(std::countr_zero(left))];
    }
    return -1;
  });
  if (!found) return std::nullopt;
  const LockedPattern& p = found->pattern;
  Step step = LockedStep(b, p, p.pointing ? Technique::DirectPointing : Technique::DirectClaiming,
                         p.pointing ? 17 : 19);
  step.placements = {{found->value, p.digit}};
  return step;
}

std::optional<Step> FindDirectHiddenSubset(const LogicBoard& b, int size) {
  std::optional<Candidate> single;
  UnitMemo& memo = MemoOf(Search::DirectHidden, size);
  const auto p =
      FirstHiddenSubset(b, size, size + 1, memo, [&](int unit, Mask digits, Mask places) {
        for (int d = 1; d <= b.Size(); ++d) {
          if (digits & Bit(d)) continue;
          const Mask here = b.Places(unit, d);
          const Mask left = here & ~places;
          if (!AtMost(here, 1) && left != 0 && (left & (left - 1)) == 0) {
            single =
                Candidate{UnitCells(b, unit)[static_cast<std::size_t>(std::countr_zero(left))], d};
            return true;
          }
        }
        return false;
      });
  if (!p) return std::nullopt;
  Step step =
      SubsetStep(b, *p, size == 2 ? Technique::DirectHiddenPair : Technique::DirectHiddenTriple,
                 size == 2 ? 20 : 25);
  step.placements = {*single};
  return step;
}

std::optional<Step> FindLocked(const LogicBoard& b) {
  thread_local LockedMemo memo;
  const LockedMemo::Finding* found = FirstLocked(b, memo, [](const LockedPattern&) { return 0; });
  if (!found) return std::nullopt;
  const LockedPattern& p = found->pattern;
  return LockedStep(b, p, p.pointing ? Technique::Pointing : Technique::Claiming,
                    p.pointing ? 26 : 28);
}

std::optional<Step> FindNakedSubset(const LogicBoard& b, int size) {
  const int n = b.Size();
  // The candidates of a unit's cells are told by its places.
  UnitMemo& memo = MemoOf(Search::Naked, size);
  for (int unit : SubsetUnits(n)) {
    if (b.EmptyIn(unit) < 2 * size || memo.Without(b, unit)) continue;
    std::optional<SubsetPattern> found;
    const Cells& all = UnitCells(b, unit);
    // Only cells of two to `size` candidates can be in the subset: the
    // tuples are of them, by their index here. Leaving the others out keeps
    // the order of the tuples that remain.
    std::array<Mask, 16> positionOf{};
    std::array<Mask, 16> candsOf{};
    int open = 0;
    for (int k = 0; k < n; ++k) {
      const Mask here = b.Cands(all[static_cast<std::size_t>(k)]);
      if (AtMost(here, 1) || !AtMost(here, size)) continue;
      positionOf[static_cast<std::size_t>(open)] = Mask{1} << k;
      candsOf[static_cast<std::size_t>(open++)] = here;
    }
    SmallTuples(candsOf, open, size, [&](Mask tuple, Mask digits) {
      Mask positions = 0;
      for (Mask m = tuple; m; m &= m - 1)
        positions |= positionOf[static_cast<std::size_t>(std::countr_zero(m))];
      // Something to remove: a digit of the subset in another cell.
      Mask outside = 0;
      for (Mask m = digits; m; m &= m - 1) outside |= b.Places(unit, Lowest(m)) & ~positions;
      if (outside == 0) return false;
      const Cells pick = CellsAt(b, unit, positions);
      SubsetPattern p{unit, digits, pick, {}};
      for (int c : UnitCells(b, unit)) {
        if (std::find(pick.begin(), pick.end(), c) != pick.end()) continue;
        for (Mask m = b.Cands(c) & digits; m; m &= m - 1) p.removals.push_back({c, Lowest(m)});
      }
      if (p.removals.empty()) return false;
      found = std::move(p);
      return true;
    });
    if (found) {
      static constexpr Technique kinds[] = {Technique::NakedPair, Technique::NakedTriple,
                                            Technique::NakedQuad};
      static constexpr int ratings[] = {30, 36, 50};
      return SubsetStep(b, *found, kinds[size - 2], ratings[size - 2]);
    }
    memo.Remember(b, unit);
  }
  return std::nullopt;
}

std::optional<Step> FindHiddenSubset(const LogicBoard& b, int size) {
  // Something to remove: another digit in the subset's places.
  UnitMemo& memo = MemoOf(Search::Hidden, size);
  const auto p =
      FirstHiddenSubset(b, size, 2 * size + 1, memo, [&](int unit, Mask digits, Mask places) {
        for (int d = 1; d <= b.Size(); ++d) {
          if (!(digits & Bit(d)) && (b.Places(unit, d) & places) != 0) return true;
        }
        return false;
      });
  if (!p) return std::nullopt;
  static constexpr Technique kinds[] = {Technique::HiddenPair, Technique::HiddenTriple,
                                        Technique::HiddenQuad};
  static constexpr int ratings[] = {34, 40, 54};
  return SubsetStep(b, *p, kinds[size - 2], ratings[size - 2]);
}

namespace {

// The first base lines, in increasing order of their mask, on which `digit`
// makes a fish of `size` lines that removes something; none (0) when the
// digit is placed too often to leave room for one.
Mask FirstFish(const LogicBoard& b, int digit, int placed, int base, int cover, int size) {
  const int n = b.Size();
  if (placed + 2 * size > n) return 0;
  // The base lines that can be in one: two to `size` places. Leaving the
  // others out keeps the order of the tuples that remain.
  std::array<Mask, 16> placesOf{};
  std::array<int, 16> lineOf{};
  int open = 0;
  for (int line = 0; line < n; ++line) {
    const Mask here = b.Places(base + line, digit);
    if (AtMost(here, 1) || !AtMost(here, size)) continue;
    lineOf[static_cast<std::size_t>(open)] = line;
    placesOf[static_cast<std::size_t>(open++)] = here;
  }
  Mask found = 0;
  SmallTuples(placesOf, open, size, [&](Mask tuple, Mask covers) {
    Mask lines = 0;
    for (Mask m = tuple; m; m &= m - 1)
      lines |= Mask{1} << lineOf[static_cast<std::size_t>(std::countr_zero(m))];
    // Something to remove: the digit in a cover line off the base lines.
    Mask outside = 0;
    for (Mask m = covers; m; m &= m - 1)
      outside |= b.Places(cover + std::countr_zero(m), digit) & ~lines;
    if (outside == 0) return false;
    found = lines;
    return true;
  });
  return found;
}

// What FirstFish found for each digit, size and direction, with the digit's
// cells and placements then: a digit whose cells and placements are the
// same makes the same fish. Kept on each thread from one board to the next.
struct FishMemo {
  struct Digit {
    bool seen = false;
    std::array<std::uint64_t, 4> cells{};
    int placed = 0;
    std::array<std::array<std::int64_t, 2>, 3> lines{};  // -1 not searched yet
  };
  int n = 0;
  std::array<Digit, 16> digits{};
};

}  // namespace

std::optional<Step> FindFish(const LogicBoard& b, int size) {
  const Geometry& g = b.Geo();
  const int n = b.Size();
  std::array<int, 17> placed{};
  for (int c = 0; c < g.cells; ++c) ++placed[static_cast<std::size_t>(b.Value(c))];
  thread_local FishMemo memo;
  if (memo.n != n) {
    memo = FishMemo{};
    memo.n = n;
  }
  for (int d = 1; d <= n; ++d) {
    FishMemo::Digit& digit = memo.digits[static_cast<std::size_t>(d - 1)];
    if (digit.seen && digit.cells == b.CellsOf(d) &&
        digit.placed == placed[static_cast<std::size_t>(d)])
      continue;
    digit.seen = true;
    digit.cells = b.CellsOf(d);
    digit.placed = placed[static_cast<std::size_t>(d)];
    for (auto& bySize : digit.lines) bySize = {-1, -1};
  }
  for (int base : {2 * n, n}) {  // columns, then rows
    const int cover = base == n ? 2 * n : n;
    const std::size_t direction = base == n ? 1 : 0;
    // The first lines of all, the lowest digit of those.
    Mask lines = 0;
    int d = 0;
    for (int digit = 1; digit <= n; ++digit) {
      std::int64_t& first = memo.digits[static_cast<std::size_t>(digit - 1)]
                                .lines[static_cast<std::size_t>(size - 2)][direction];
      if (first < 0)
        first = FirstFish(b, digit, placed[static_cast<std::size_t>(digit)], base, cover, size);
      if (first > 0 && (lines == 0 || static_cast<Mask>(first) < lines)) {
        lines = static_cast<Mask>(first);
        d = digit;
      }
    }
    if (lines == 0) continue;
    Mask covers = 0;
    for (Mask m = lines; m; m &= m - 1) covers |= b.Places(base + std::countr_zero(m), d);
    Step step;
    for (Mask m = covers; m; m &= m - 1) {
      const int other = cover + std::countr_zero(m);
      step.units.push_back(other);
      for (int c : g.units[static_cast<std::size_t>(other)]) {
        if (!b.Has(c, d)) continue;
        const int own = g.unitsOf[static_cast<std::size_t>(c)][base == n ? 1 : 2] - base;
        if ((lines >> own & 1) == 0) {
          step.removals.push_back({c, d});
        } else {
          step.cells.push_back(c);
          step.pattern.push_back({c, d});
        }
      }
    }
    static constexpr Technique kinds[] = {Technique::XWing, Technique::Swordfish,
                                          Technique::Jellyfish};
    static constexpr int ratings[] = {32, 38, 52};
    step.technique = kinds[size - 2];
    step.rating = ratings[size - 2];
    step.digit = d;
    std::vector<int> bases;
    for (Mask m = lines; m; m &= m - 1) bases.push_back(base + std::countr_zero(m));
    step.units.insert(step.units.begin(), bases.begin(), bases.end());
    std::sort(step.cells.begin(), step.cells.end());
    std::sort(step.pattern.begin(), step.pattern.end());
    std::sort(step.removals.begin(), step.removals.end());
    return step;
  }
  return std::nullopt;
}

}  // namespace gridora::logic
