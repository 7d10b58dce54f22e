// SPDX-License-Identifier: MIT
// XY-Wing, XYZ-Wing, unique rectangles, the bivalue universal grave and
// the wings of an almost locked set and a cell of two candidates.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <string>

#include "logic/techniques.h"

namespace gridora::logic {

namespace {

// A set of cells, a bit each.
using Bits = std::array<std::uint64_t, 4>;

// The peers of each cell as a set, made once for each board size.
const std::vector<Bits>& PeerBits(const Geometry& g) {
  auto make = [](const Geometry& geo) {
    std::vector<Bits> sets(static_cast<std::size_t>(geo.cells));
    for (int c = 0; c < geo.cells; ++c) {
      for (int p : geo.peers[static_cast<std::size_t>(c)])
        sets[static_cast<std::size_t>(c)][static_cast<std::size_t>(p / 64)] |= std::uint64_t{1}
                                                                               << (p % 64);
    }
    return sets;
  };
  if (g.n == 16) {
    static const std::vector<Bits>& sixteen = *new std::vector<Bits>(make(g));
    return sixteen;
  }
  static const std::vector<Bits>& nine = *new std::vector<Bits>(make(g));
  return nine;
}

// Adds `digit` in every cell that holds it, sees all of `within` and is
// none of `skip` to `out`, in increasing order of the cells.
void SeenByAllInto(const LogicBoard& b, const std::vector<int>& within, int digit,
                   const std::vector<int>& skip, std::vector<Candidate>& out) {
  const std::vector<Bits>& peers = PeerBits(b.Geo());
  Bits seen = b.CellsOf(digit);
  for (int w : within) {
    const Bits& own = peers[static_cast<std::size_t>(w)];
    for (std::size_t k = 0; k < 4; ++k) seen[k] &= own[k];
  }
  for (int c : skip) seen[static_cast<std::size_t>(c / 64)] &= ~(std::uint64_t{1} << (c % 64));
  for (std::size_t k = 0; k < 4; ++k) {
    for (std::uint64_t m = seen[k]; m; m &= m - 1)
      out.push_back({static_cast<int>(k * 64) + std::countr_zero(m), digit});
  }
}

// Removes `digit` from every cell that sees all of `ends`.
std::vector<Candidate> SeenByAll(const LogicBoard& b, const std::vector<int>& ends, int digit) {
  std::vector<Candidate> removals;
  SeenByAllInto(b, ends, digit, ends, removals);
  return removals;
}

std::optional<Step> Wing(const LogicBoard& b, bool xyz) {
  const Geometry& g = b.Geo();
  // The cells of two candidates, a bit each.
  std::array<std::uint64_t, 4> pairs{};
  for (int cell = 0; cell < g.cells; ++cell) {
    if (Count(b.Cands(cell)) == 2)
      pairs[static_cast<std::size_t>(cell / 64)] |= std::uint64_t{1} << (cell % 64);
  }
  const std::size_t words = static_cast<std::size_t>((g.cells + 63) / 64);
  for (int pivot = 0; pivot < g.cells; ++pivot) {
    const Mask pm = b.Cands(pivot);
    if (Count(pm) != (xyz ? 3 : 2)) continue;
    // The peers that can be a wing, in order: two candidates, within the
    // pivot's (XYZ) or one of them shared with it (XY).
    std::array<int, 3 * 16> wings{};
    std::size_t count = 0;
    const auto& peerBits = g.peerBits[static_cast<std::size_t>(pivot)];
    for (std::size_t w = 0; w < words; ++w) {
      for (std::uint64_t bits = peerBits[w] & pairs[w]; bits; bits &= bits - 1) {
        const int peer = static_cast<int>(w * 64) + std::countr_zero(bits);
        const Mask m = b.Cands(peer);
        if (xyz ? (m & ~pm) != 0 : Count(m & pm) != 1) continue;
        wings[count++] = peer;
      }
    }
    const std::array<int, 3 * 16>& peers = wings;
    for (std::size_t i = 0; i < count; ++i) {
      const Mask am = b.Cands(peers[i]);
      for (std::size_t j = i + 1; j < count; ++j) {
        const Mask bm = b.Cands(peers[j]);
        if (am == bm) continue;
        const Mask z = am & bm;
        if (Count(z) != 1) continue;
        if (xyz) {
          if ((am | bm) != pm) continue;
        } else {
          if ((pm & z) != 0 || ((am | bm) & ~z) != pm) continue;
        }
        std::vector<int> ends = {peers[i], peers[j]};
        if (xyz) ends.push_back(pivot);
        const std::vector<Candidate> removals = SeenByAll(b, ends, Lowest(z));
        if (removals.empty()) continue;
        Step step;
        step.technique = xyz ? Technique::XYZWing : Technique::XYWing;
        step.rating = xyz ? 44 : 42;
        step.removals = removals;
        step.cells = {pivot, peers[i], peers[j]};
        for (int c : step.cells) {
          for (Mask m = b.Cands(c); m; m &= m - 1) step.pattern.push_back({c, Lowest(m)});
        }
        step.digit = Lowest(z);
        return step;
      }
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<Step> FindXYWing(const LogicBoard& b) {
  return Wing(b, false);
}
std::optional<Step> FindXYZWing(const LogicBoard& b) {
  return Wing(b, true);
}

namespace {

// The roof of a unique rectangle or loop: its two cells with more than the
// pattern's two digits, which share a unit. One of them must take a digit
// beyond the pair, so together they act as one cell: of the naked subsets,
// one holding the extra digits; of the hidden ones, one holding at most one
// digit of the pair. Each subset found is offered as a step, rated `rating`
// for a naked pair and a tenth more for each digit beyond two; the hidden
// ones, on the pattern's own digits, a tenth less.
template <typename Offer>
void RoofSubsets(const LogicBoard& b, const Step& base, const std::array<int, 2>& roof, Mask pair,
                 int rating, const Offer& offer) {
  const Geometry& g = b.Geo();
  const Mask extras = (b.Cands(roof[0]) | b.Cands(roof[1])) & ~pair;
  Step roofed = base;
  for (int r : roof) {
    for (Mask m = b.Cands(r) & extras; m; m &= m - 1) roofed.pattern.push_back({r, Lowest(m)});
  }
  std::vector<Step> found;
  for (int slot = 0; slot < 3; ++slot) {
    const int unit = g.unitsOf[static_cast<std::size_t>(roof[0])][static_cast<std::size_t>(slot)];
    if (unit != g.unitsOf[static_cast<std::size_t>(roof[1])][static_cast<std::size_t>(slot)])
      continue;
    std::vector<int> others;  // the unit's open cells beyond the roof
    for (int c : g.units[static_cast<std::size_t>(unit)]) {
      if (b.Value(c) == 0 && c != roof[0] && c != roof[1]) others.push_back(c);
    }
    const int count = static_cast<int>(others.size());
    // Naked: the extras and the candidates of k - 1 other cells are k digits.
    for (int mask = 1; mask < (1 << count); ++mask) {
      const int size = std::popcount(static_cast<unsigned>(mask)) + 1;
      if (size > 4) continue;
      Mask digits = extras;
      std::vector<int> cells;
      for (int i = 0; i < count; ++i) {
        if (mask & (1 << i)) {
          digits |= b.Cands(others[static_cast<std::size_t>(i)]);
          cells.push_back(others[static_cast<std::size_t>(i)]);
        }
      }
      if (Count(digits) != size) continue;
      Step step = roofed;
      for (int i = 0; i < count; ++i) {
        if (mask & (1 << i)) continue;
        const int c = others[static_cast<std::size_t>(i)];
        for (Mask m = b.Cands(c) & digits; m; m &= m - 1) step.removals.push_back({c, Lowest(m)});
      }
      if (step.removals.empty()) continue;
      std::sort(step.removals.begin(), step.removals.end());
      step.rating = rating + size - 2;
      step.units = {unit};
      step.subset = cells;
      for (int c : cells) {
        for (Mask m = b.Cands(c); m; m &= m - 1) step.pattern.push_back({c, Lowest(m)});
      }
      found.push_back(std::move(step));
    }
    // Hidden: the roof holds one digit of the pair at most, so the pair and
    // k - 2 digits the roof lacks, their places beyond the roof in k - 1
    // cells, fill those cells.
    Mask free = 0;  // digits with places in the unit that the roof lacks
    for (int d = 1; d <= g.n; ++d) {
      if ((Bit(d) & (pair | extras)) == 0 && b.Places(unit, d) != 0) free |= Bit(d);
    }
    if (b.Places(unit, Lowest(pair)) == 0 || b.Places(unit, Lowest(pair & (pair - 1))) == 0)
      continue;
    for (Mask more = 0;; more = (more - free) & free) {  // every subset of `free`
      if (Count(more) <= 2) {
        const Mask digits = pair | more;
        std::vector<int> cells;
        for (int c : others) {
          if (b.Cands(c) & digits) cells.push_back(c);
        }
        if (static_cast<int>(cells.size()) == Count(digits) - 1) {
          Step step = roofed;
          for (int c : cells) {
            for (Mask m = b.Cands(c) & ~digits; m; m &= m - 1)
              step.removals.push_back({c, Lowest(m)});
          }
          std::sort(step.removals.begin(), step.removals.end());
          if (!step.removals.empty()) {
            step.rating = rating + Count(digits) - 3;
            step.units = {unit};
            step.subset = cells;
            step.hiddenSubset = true;
            for (int c : cells) {
              for (Mask m = b.Cands(c) & digits; m; m &= m - 1)
                step.pattern.push_back({c, Lowest(m)});
            }
            found.push_back(std::move(step));
          }
        }
      }
      if (more == free) break;
    }
  }
  // A naked subset and a hidden one that make the same removals (the two
  // halves of a unit, say) are told as the smaller, the naked one of two
  // the same size.
  auto before = [](const Step& x, const Step& y) {
    return x.subset.size() < y.subset.size() ||
           (x.subset.size() == y.subset.size() && !x.hiddenSubset && y.hiddenSubset);
  };
  for (const Step& step : found) {
    const bool told = std::any_of(found.begin(), found.end(), [&](const Step& other) {
      return other.removals == step.removals && before(other, step);
    });
    if (!told) offer(step);
  }
}

// 0.1 for a loop of six or eight cells, 0.2 for a longer one.
int LoopBonus(std::size_t cells) {
  return cells <= 4 ? 0 : cells <= 8 ? 1 : 2;
}

constexpr std::size_t kMostLoopCells = 16;

// The steps of a unique loop, `loop` its cells in order, each holding both
// digits of `pair`: the cells beyond the pair (the roof) must keep one of
// their extra digits, or the two digits could be swapped all round.
template <typename Offer>
void LoopSteps(const LogicBoard& b, const std::vector<int>& loop, Mask pair, const Offer& offer) {
  const Geometry& g = b.Geo();
  std::vector<int> roof;
  Mask extras = 0;
  for (int c : loop) {
    if (b.Cands(c) != pair) {
      roof.push_back(c);
      extras |= b.Cands(c) & ~pair;
    }
  }
  const int rating = 45 + LoopBonus(loop.size());
  Step step;
  step.technique = Technique::UniqueLoop;
  step.cells = loop;
  for (int c : loop) {
    for (Mask m = pair; m; m &= m - 1) step.pattern.push_back({c, Lowest(m)});
  }
  if (roof.size() == 1) {  // type 1
    Step one = step;
    for (Mask m = pair; m; m &= m - 1) one.removals.push_back({roof[0], Lowest(m)});
    one.rating = rating;
    offer(std::move(one));
    return;
  }
  if (Count(extras) == 1) {  // type 2: the one extra digit is in the roof
    Step two = step;
    two.removals = SeenByAll(b, roof, Lowest(extras));
    two.rating = rating;
    two.digit = Lowest(extras);
    for (int c : roof) two.pattern.push_back({c, two.digit});
    if (!two.removals.empty()) offer(std::move(two));
  }
  if (roof.size() != 2 || !g.Sees(roof[0], roof[1])) return;
  RoofSubsets(b, step, {roof[0], roof[1]}, pair, rating + 1, offer);  // type 3
  // Type 4: a digit of the pair confined to the roof in a unit it shares.
  for (int slot = 0; slot < 3; ++slot) {
    const int unit = g.unitsOf[static_cast<std::size_t>(roof[0])][static_cast<std::size_t>(slot)];
    if (unit != g.unitsOf[static_cast<std::size_t>(roof[1])][static_cast<std::size_t>(slot)])
      continue;
    for (Mask keep = pair; keep; keep &= keep - 1) {
      if (Count(b.Places(unit, Lowest(keep))) != 2) continue;
      const int other = Lowest(pair & ~Bit(Lowest(keep)));
      Step four = step;
      four.removals = {{roof[0], other}, {roof[1], other}};
      std::sort(four.removals.begin(), four.removals.end());
      four.rating = rating;
      four.units = {unit};
      offer(std::move(four));
    }
  }
}

// Unique loops of six cells or more on the digits of `pair`: each cell in a
// unit with the one before it, every unit holding two of the cells or none,
// the two an odd number of steps apart (so the pair alternates round the
// loop). Cells beyond the pair are few: two, or any number that add the
// same one digit.
template <typename Offer>
void UniqueLoops(const LogicBoard& b, Mask pair, const Offer& offer) {
  const Geometry& g = b.Geo();
  // The cells that hold both digits of the pair (empty ones: a cell with
  // a digit has no candidates).
  Bits both = b.CellsOf(Lowest(pair));
  const Bits& second = b.CellsOf(Lowest(pair & (pair - 1)));
  for (std::size_t k = 0; k < 4; ++k) both[k] &= second[k];
  std::array<char, kMaxCells> holds{};
  int floors = 0;                 // cells of the pair alone
  std::array<int, 17> withOne{};  // cells of the pair and one digit
  for (std::size_t k = 0; k < 4; ++k) {
    for (std::uint64_t m = both[k]; m; m &= m - 1) {
      const int c = static_cast<int>(k * 64) + std::countr_zero(m);
      holds[static_cast<std::size_t>(c)] = 1;
      const Mask extra = b.Cands(c) & ~pair;
      if (extra == 0) ++floors;
      if (Count(extra) == 1) ++withOne[static_cast<std::size_t>(Lowest(extra))];
    }
  }
  // Six cells at least, all but two of them of the pair alone or of the pair
  // and the same one digit.
  const int most = *std::max_element(withOne.begin(), withOne.end());
  if (floors + std::max(2, most) < 6) return;
  std::vector<int> loop;
  std::vector<int> inUnit(g.units.size(), 0);    // loop cells in each unit
  std::vector<int> firstAt(g.units.size(), -1);  // the place in the loop of the first one
  int roofs = 0;
  Mask extras = 0;
  auto fits = [&](int c) {
    const std::size_t at = loop.size();
    for (int u : g.unitsOf[static_cast<std::size_t>(c)]) {
      const std::size_t k = static_cast<std::size_t>(u);
      if (inUnit[k] == 2) return false;
      if (inUnit[k] == 1 && (static_cast<std::size_t>(firstAt[k]) % 2) == at % 2) return false;
    }
    const bool roof = b.Cands(c) != pair;
    const Mask more = extras | (b.Cands(c) & ~pair);
    return !roof || roofs < 2 || Count(more) == 1;
  };
  auto push = [&](int c, int sign) {
    for (int u : g.unitsOf[static_cast<std::size_t>(c)]) {
      const std::size_t k = static_cast<std::size_t>(u);
      inUnit[k] += sign;
      if (sign > 0 && inUnit[k] == 1) firstAt[k] = static_cast<int>(loop.size());
    }
  };
  auto closed = [&] {
    for (int u : g.unitsOf[static_cast<std::size_t>(loop.back())]) {
      if (inUnit[static_cast<std::size_t>(u)] != 2) return false;
    }
    return std::all_of(inUnit.begin(), inUnit.end(), [](int k) { return k == 0 || k == 2; });
  };
  auto extend = [&](auto&& self) -> void {
    const int last = loop.back();
    if (loop.size() >= 6 && loop.size() % 2 == 0 && g.Sees(last, loop.front()) && closed() &&
        loop[1] < last) {
      LoopSteps(b, loop, pair, offer);
      return;
    }
    if (loop.size() == kMostLoopCells) return;
    for (int c : g.peers[static_cast<std::size_t>(last)]) {
      if (c <= loop.front() || !holds[static_cast<std::size_t>(c)] || !fits(c)) continue;
      const Mask savedExtras = extras;
      const bool roof = b.Cands(c) != pair;
      push(c, 1);
      loop.push_back(c);
      roofs += roof;
      extras |= b.Cands(c) & ~pair;
      self(self);
      extras = savedExtras;
      roofs -= roof;
      loop.pop_back();
      push(c, -1);
    }
  };
  for (int start = 0; start < g.cells; ++start) {
    if (!holds[static_cast<std::size_t>(start)]) continue;
    loop.clear();
    push(start, 1);
    loop.push_back(start);
    roofs = b.Cands(start) != pair;
    extras = b.Cands(start) & ~pair;
    extend(extend);
    push(start, -1);
  }
}

}  // namespace

std::optional<Step> FindUniqueRectangle(const LogicBoard& b) {
  const Geometry& g = b.Geo();
  const int n = g.n;
  std::optional<Step> best;
  auto offer = [&](Step step) {
    if (!best || step.rating < best->rating) best = std::move(step);
  };
  for (int r1 = 0; r1 < n; ++r1) {
    for (int r2 = r1 + 1; r2 < n; ++r2) {
      const bool sameBand = r1 / g.box == r2 / g.box;
      // The candidates both rows have in each column, both cells open.
      std::array<Mask, 16> both{};
      for (int c = 0; c < n; ++c) {
        const int top = r1 * n + c;
        const int bottom = r2 * n + c;
        if (b.Value(top) == 0 && b.Value(bottom) == 0)
          both[static_cast<std::size_t>(c)] = b.Cands(top) & b.Cands(bottom);
      }
      for (int c1 = 0; c1 < n; ++c1) {
        if (AtMost(both[static_cast<std::size_t>(c1)], 1)) continue;
        for (int c2 = c1 + 1; c2 < n; ++c2) {
          // Exactly two boxes.
          if (sameBand == (c1 / g.box == c2 / g.box)) continue;
          const Mask common =
              both[static_cast<std::size_t>(c1)] & both[static_cast<std::size_t>(c2)];
          if (AtMost(common, 1)) continue;
          const int cells[4] = {r1 * n + c1, r1 * n + c2, r2 * n + c1, r2 * n + c2};
          // Each pair of digits both in all four cells, in order.
          for (Mask first = common; first; first &= first - 1) {
            const int a = Lowest(first);
            for (Mask second = first & (first - 1); second; second &= second - 1) {
              const int d = Lowest(second);
              const Mask pair = Bit(a) | Bit(d);
              // The floor: the cells of the pair alone; the roof: the others.
              // Three floor cells, or two with a roof in one unit, or nothing.
              std::array<int, 4> floorCells{};
              std::array<int, 4> roofCells{};
              std::size_t floors = 0;
              std::size_t roofs = 0;
              for (int c : cells) {
                if (b.Cands(c) == pair) {
                  floorCells[floors++] = c;
                } else {
                  roofCells[roofs++] = c;
                }
              }
              if (floors != 3 && (floors != 2 || !g.Sees(roofCells[0], roofCells[1]))) continue;
              const std::vector<int> floor(floorCells.begin(), floorCells.begin() + floors);
              const std::vector<int> roof(roofCells.begin(), roofCells.begin() + roofs);
              Step step;
              step.technique = Technique::UniqueRectangle;
              step.cells.assign(cells, cells + 4);
              for (int c : cells) {
                step.pattern.push_back({c, a});
                step.pattern.push_back({c, d});
              }
              if (floor.size() == 3) {  // type 1
                for (Mask m = pair; m; m &= m - 1) step.removals.push_back({roof[0], Lowest(m)});
                step.rating = 45;
                offer(step);
                continue;
              }
              if (floor.size() != 2 || !g.Sees(roof[0], roof[1])) continue;
              const Mask extra0 = b.Cands(roof[0]) & ~pair;
              const Mask extra1 = b.Cands(roof[1]) & ~pair;
              if (extra0 == extra1 && Count(extra0) == 1) {  // type 2
                step.removals = SeenByAll(b, roof, Lowest(extra0));
                step.rating = 45;
                if (!step.removals.empty()) offer(step);
              }
              // Type 3: the roof a cell of a subset.
              step.removals.clear();
              RoofSubsets(b, step, {roof[0], roof[1]}, pair, 46, offer);
              // Type 4: a digit of the pair confined to the roof in a unit they share.
              for (int slot = 0; slot < 3; ++slot) {
                const int unit =
                    g.unitsOf[static_cast<std::size_t>(roof[0])][static_cast<std::size_t>(slot)];
                if (unit !=
                    g.unitsOf[static_cast<std::size_t>(roof[1])][static_cast<std::size_t>(slot)])
                  continue;
                for (int keep : {a, d}) {
                  if (Count(b.Places(unit, keep)) != 2) continue;
                  const int other = keep == a ? d : a;
                  Step four = step;
                  four.removals = {{roof[0], other}, {roof[1], other}};
                  std::sort(four.removals.begin(), four.removals.end());
                  four.rating = 45;
                  four.units = {unit};
                  offer(four);
                }
              }
            }
          }
        }
      }
    }
  }
  // Loops of six cells or more rate above 4.5: only a better step can replace a rectangle's.
  if (best && best->rating == 45) return best;
  for (int a = 1; a <= n; ++a) {
    for (int d = a + 1; d <= n; ++d) UniqueLoops(b, Bit(a) | Bit(d), offer);
  }
  return best;
}

namespace {

// The bivalue universal grave: were the candidates beyond two taken from the
// few cells that have more, every empty cell would hold two and every digit
// two places in every unit (or none), and such a board has two solutions. So
// one of those extra candidates is the cell's digit.
struct Grave {
  std::vector<int> cells;    // the cells with more than two candidates
  std::vector<Mask> extras;  // the candidates each has beyond its two
};

constexpr std::size_t kMostGraveCells = 8;

// Every way of keeping two candidates in each of `grave.cells` that leaves
// each digit twice or never in every unit; `found` is called for each.
template <typename Found>
void Graves(const LogicBoard& b, Grave& grave, std::vector<int>& counts, std::size_t next,
            const Found& found) {
  const Geometry& g = b.Geo();
  const int n = g.n;
  if (next == grave.cells.size()) {
    if (std::all_of(counts.begin(), counts.end(), [](int k) { return k == 0 || k == 2; }))
      found(grave);
    return;
  }
  const int cell = grave.cells[next];
  const Mask all = b.Cands(cell);
  for (Mask first = all; first; first &= first - 1) {
    for (Mask second = first & (first - 1); second; second &= second - 1) {
      const Mask extra = all & ~(Bit(Lowest(first)) | Bit(Lowest(second)));
      for (int unit : g.unitsOf[static_cast<std::size_t>(cell)]) {
        for (Mask m = extra; m; m &= m - 1)
          --counts[static_cast<std::size_t>(unit * n + Lowest(m) - 1)];
      }
      grave.extras[next] = extra;
      Graves(b, grave, counts, next + 1, found);
      for (int unit : g.unitsOf[static_cast<std::size_t>(cell)]) {
        for (Mask m = extra; m; m &= m - 1)
          ++counts[static_cast<std::size_t>(unit * n + Lowest(m) - 1)];
      }
    }
  }
}

// The step a grave gives: the one extra candidate placed (type 1); one digit
// extra in every cell, taken from the cells that see them all (type 2); two
// cells of a unit with one extra each, where a digit of both has no other
// place in the unit: one of them takes its extra, so the other holds that
// digit and neither keeps its second digit (type 4).
std::optional<Step> GraveStep(const LogicBoard& b, const Grave& grave) {
  const Geometry& g = b.Geo();
  Step step;
  step.technique = Technique::Bug;
  step.cells = grave.cells;
  Mask every = 0;
  for (std::size_t i = 0; i < grave.cells.size(); ++i) {
    every |= grave.extras[i];
    for (Mask m = grave.extras[i]; m; m &= m - 1)
      step.pattern.push_back({grave.cells[i], Lowest(m)});
  }
  const bool oneEach =
      std::all_of(grave.extras.begin(), grave.extras.end(), [](Mask m) { return Count(m) == 1; });
  if (!oneEach) return std::nullopt;
  if (grave.cells.size() == 1) {
    step.rating = 56;
    step.digit = Lowest(every);
    step.placements = {{grave.cells[0], step.digit}};
    return step;
  }
  if (Count(every) == 1) {
    step.rating = 57;
    step.digit = Lowest(every);
    step.removals = SeenByAll(b, grave.cells, step.digit);
    if (step.removals.empty()) return std::nullopt;
    return step;
  }
  if (grave.cells.size() != 2) return std::nullopt;
  const int c0 = grave.cells[0], c1 = grave.cells[1];
  const Mask base0 = b.Cands(c0) & ~grave.extras[0];
  const Mask base1 = b.Cands(c1) & ~grave.extras[1];
  for (int slot = 0; slot < 3; ++slot) {
    const int unit = g.unitsOf[static_cast<std::size_t>(c0)][static_cast<std::size_t>(slot)];
    if (unit != g.unitsOf[static_cast<std::size_t>(c1)][static_cast<std::size_t>(slot)]) continue;
    for (Mask m = base0 & base1; m; m &= m - 1) {
      const int held = Lowest(m);
      if (Count(b.Places(unit, held)) != 2) continue;
      step.rating = 57;
      step.digit = held;
      step.units = {unit};
      for (Mask r = base0 & ~Bit(held); r; r &= r - 1) step.removals.push_back({c0, Lowest(r)});
      for (Mask r = base1 & ~Bit(held); r; r &= r - 1) step.removals.push_back({c1, Lowest(r)});
      std::sort(step.removals.begin(), step.removals.end());
      return step;
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<Step> FindBug(const LogicBoard& b) {
  const Geometry& g = b.Geo();
  const int n = g.n;
  Grave grave;
  std::vector<int> counts(static_cast<std::size_t>(3 * n * n), 0);
  for (int c = 0; c < g.cells; ++c) {
    if (b.Value(c) != 0) continue;
    const Mask m = b.Cands(c);
    if (Count(m) < 2) return std::nullopt;
    if (Count(m) > 2) grave.cells.push_back(c);
    if (grave.cells.size() > kMostGraveCells) return std::nullopt;
    for (int unit : g.unitsOf[static_cast<std::size_t>(c)]) {
      for (Mask d = m; d; d &= d - 1) ++counts[static_cast<std::size_t>(unit * n + Lowest(d) - 1)];
    }
  }
  if (grave.cells.empty()) return std::nullopt;
  long ways = 1;  // pairs to keep, over all the cells
  for (int c : grave.cells) ways *= Count(b.Cands(c)) * (Count(b.Cands(c)) - 1) / 2;
  if (ways > 4096) return std::nullopt;
  grave.extras.assign(grave.cells.size(), 0);
  std::optional<Step> best;
  Graves(b, grave, counts, 0, [&](const Grave& found) {
    std::optional<Step> step = GraveStep(b, found);
    if (step && (!best || step->rating < best->rating)) best = std::move(step);
  });
  return best;
}

namespace {

// An almost locked set of cells that all see each other (so lie in one
// unit) holding one digit more than cells, with a cell of two candidates x
// and z outside it. When every cell of the set holding x sees that cell, x
// cannot be in both, so z is either in that cell or in the set: a cell that
// sees all the z's of both cannot hold z. When z is restricted as well, the
// set and the cell are locked together: each of the set's other digits
// leaves the cells that see all its places in the set, and x and z leave the
// cells that see all their places in the set and the cell.
struct AlsWing {
  std::vector<int> set;
  int pincer = -1;
  int x = 0;
  int z = 0;
  bool both = false;
  int biggest = 0;  // most candidates of a cell of the set
  int size = 0;     // candidates of the set's cells together
  std::vector<Candidate> removals;
  std::string Order() const {
    return std::to_string(both ? 2 : 1) + std::to_string(biggest) + std::to_string(size);
  }
};

int WingRating(int cells, int biggest) {
  switch (cells) {
    case 3:
      return 55 + (1 - std::abs(3 - biggest));
    case 4:
      return 62 + (2 - std::abs(3 - biggest));
    default:
      return 66;
  }
}

}  // namespace

std::optional<Step> FindAlsWing(const LogicBoard& b, int cells) {
  const Geometry& g = b.Geo();
  const int digits = cells + 1;
  std::optional<AlsWing> best;
  int bestRating = 0;
  std::vector<int> set;
  const std::vector<Bits>& peers = PeerBits(g);
  const std::size_t words = static_cast<std::size_t>(g.cells + 63) / 64;  // of the cell sets
  // Lists reused from one pincer to the next.
  std::vector<Candidate> removals;
  // The cells of two candidates, and those of them that hold each digit.
  Bits bivalue{};
  std::array<Bits, 16> bivalueWith{};
  const Mask full = (Mask{1} << g.n) - 1;
  auto consider = [&](Mask all) {
    // The most candidates of a cell of the set and all of them, counted
    // when a wing is first found.
    int biggest = 0;
    int size = 0;
    // The set's cells, the cells that see one of them, and for each digit
    // the cells that see all of them that hold it.
    Bits inSet{};
    Bits seenBySet{};
    for (int c : set) {
      inSet[static_cast<std::size_t>(c / 64)] |= std::uint64_t{1} << (c % 64);
      for (std::size_t k = 0; k < words; ++k) seenBySet[k] |= peers[static_cast<std::size_t>(c)][k];
    }
    // For each digit, the cells that see all the set's cells that hold it,
    // made when a pincer first needs them.
    std::array<Bits, 16> common;
    bool ready = false;
    auto prepare = [&] {
      ready = true;
      for (Mask m = all; m; m &= m - 1) {
        Bits& seen = common[static_cast<std::size_t>(std::countr_zero(m))];
        seen.fill(~std::uint64_t{0});
        for (int c : set) {
          if (!b.Has(c, Lowest(m))) continue;
          for (std::size_t k = 0; k < words; ++k) seen[k] &= peers[static_cast<std::size_t>(c)][k];
        }
      }
    };
    // Adds `digit` in the cells of `where` that hold it, beyond the set and
    // the pincer, in increasing order; whether it added any.
    Bits skip{};
    auto add = [&](int digit, const Bits& where, const Bits& also) {
      const Bits& holding = b.CellsOf(digit);
      bool any = false;
      for (std::size_t k = 0; k < words; ++k) {
        for (std::uint64_t m = holding[k] & where[k] & also[k] & ~skip[k]; m; m &= m - 1) {
          removals.push_back({static_cast<int>(k * 64) + std::countr_zero(m), digit});
          any = true;
        }
      }
      return any;
    };
    Bits everywhere;
    everywhere.fill(~std::uint64_t{0});
    // The cells of two candidates, both among the set's digits, that see a
    // cell of the set and are none of it, in order.
    Bits pincers = bivalue;
    for (Mask other = full & ~all; other; other &= other - 1) {
      const Bits& holding = bivalueWith[static_cast<std::size_t>(std::countr_zero(other))];
      for (std::size_t k = 0; k < words; ++k) pincers[k] &= ~holding[k];
    }
    for (std::size_t k = 0; k < words; ++k) pincers[k] &= seenBySet[k] & ~inSet[k];
    for (std::size_t word = 0; word < words; ++word) {
      for (std::uint64_t bits = pincers[word]; bits; bits &= bits - 1) {
        const int pincer = static_cast<int>(word * 64) + std::countr_zero(bits);
        const Mask pm = b.Cands(pincer);
        const Bits& seesPincer = peers[static_cast<std::size_t>(pincer)];
        // Every cell of the set that holds `digit` sees the pincer.
        auto restricted = [&](int digit) {
          const Bits& holding = b.CellsOf(digit);
          std::uint64_t outside = 0;
          for (std::size_t k = 0; k < words; ++k) outside |= inSet[k] & holding[k] & ~seesPincer[k];
          return outside == 0;
        };
        int x = Lowest(pm);
        int z = Lowest(pm & ~Bit(x));
        bool both = restricted(z);
        if (!restricted(x)) {
          if (!both) continue;
          std::swap(x, z);
          both = false;
        }
        if (!ready) prepare();
        removals.clear();
        skip = inSet;
        skip[static_cast<std::size_t>(pincer / 64)] |= std::uint64_t{1} << (pincer % 64);
        bool weak = false;
        bool strongX = false;
        if (both) {
          for (Mask m = all & ~pm; m; m &= m - 1) {
            if (add(Lowest(m), common[static_cast<std::size_t>(std::countr_zero(m))], everywhere))
              weak = true;
          }
          strongX = add(x, common[static_cast<std::size_t>(x - 1)], seesPincer);
        }
        const bool strongZ = add(z, common[static_cast<std::size_t>(z - 1)], seesPincer);
        if (removals.empty()) continue;
        if (size == 0) {
          for (int c : set) {
            biggest = std::max(biggest, Count(b.Cands(c)));
            size += Count(b.Cands(c));
          }
        }
        const bool wingBoth = both && !(!weak && (!strongZ || !strongX));
        const int rating = WingRating(cells, biggest);
        const bool better =
            !best || rating < bestRating ||
            (rating == bestRating &&
             (removals.size() > best->removals.size() ||
              (removals.size() == best->removals.size() &&
               AlsWing{{}, pincer, x, z, wingBoth, biggest, size, {}}.Order() > best->Order())));
        if (better) {
          best = AlsWing{set, pincer, x, z, wingBoth, biggest, size, removals};
          bestRating = rating;
        }
      }
    }
  };
  // Cells in increasing order, each seeing the ones before it: `choices`
  // are the cells of two candidates or more after the last one that see
  // all of the set.
  std::array<Bits, 7> choices{};
  for (int c = 0; c < g.cells; ++c) {
    // A cell of more candidates than the set's digits is in none.
    const int count = Count(b.Cands(c));
    if (count >= 2 && count <= digits)
      choices[0][static_cast<std::size_t>(c / 64)] |= std::uint64_t{1} << (c % 64);
    if (count == 2) {
      const std::uint64_t bit = std::uint64_t{1} << (c % 64);
      bivalue[static_cast<std::size_t>(c / 64)] |= bit;
      for (Mask m = b.Cands(c); m; m &= m - 1)
        bivalueWith[static_cast<std::size_t>(std::countr_zero(m))]
                   [static_cast<std::size_t>(c / 64)] |= bit;
    }
  }
  auto extend = [&](auto&& self, Mask all) -> void {
    const std::size_t depth = set.size();
    if (static_cast<int>(depth) == cells) {
      if (Count(all) == digits) consider(all);
      return;
    }
    const Bits here = choices[depth];
    for (std::size_t word = 0; word < words; ++word) {
      for (std::uint64_t bits = here[word]; bits; bits &= bits - 1) {
        const int c = static_cast<int>(word * 64) + std::countr_zero(bits);
        const Mask m = b.Cands(c);
        if (Count(all | m) > digits) continue;
        if (static_cast<int>(depth) + 1 < cells) {
          // The cells after this one that see it: enough of them to fill
          // the set, or it goes no further.
          Bits& next = choices[depth + 1];
          int left = cells - static_cast<int>(depth) - 1;
          for (std::size_t k = 0; k < words; ++k) {
            const std::uint64_t after = k < word   ? 0
                                        : k > word ? ~std::uint64_t{0}
                                                   : ~std::uint64_t{0} << (c % 64) << 1;
            next[k] = here[k] & peers[static_cast<std::size_t>(c)][k] & after;
            for (std::uint64_t m = next[k]; m && left > 0; m &= m - 1) --left;
          }
          if (left > 0) continue;
        }
        set.push_back(c);
        self(self, all | m);
        set.pop_back();
      }
    }
  };
  extend(extend, 0);
  if (!best) return std::nullopt;
  static constexpr Technique kinds[] = {Technique::WXYZWing, Technique::VWXYZWing,
                                        Technique::UVWXYZWing};
  Step step;
  step.technique = kinds[cells - 3];
  step.rating = bestRating;
  step.removals = best->removals;
  std::sort(step.removals.begin(), step.removals.end());
  step.removals.erase(std::unique(step.removals.begin(), step.removals.end()), step.removals.end());
  step.cells = best->set;
  step.cells.push_back(best->pincer);
  for (int c : step.cells) {
    for (Mask m = b.Cands(c); m; m &= m - 1) step.pattern.push_back({c, Lowest(m)});
  }
  step.digit = best->z;
  return step;
}

}  // namespace gridora::logic
