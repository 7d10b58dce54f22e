// SPDX-License-Identifier: MIT
// Short X-chains: two to four strong links on one digit joined by weak
// links. A strong link is a unit whose places of the digit fall in two
// nodes, a node being a cell or, grouped, the places on one line of a box;
// a weak link joins nodes that share a unit. Either end of the chain holds
// the digit, so no cell that sees both ends can.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "logic/techniques.h"

namespace gridora::logic {

namespace {

// The cells of a node, ascending: one, or up to three of a box or a line.
struct Node {
  std::array<int, 3> cells{};
  int size = 0;
  const int* begin() const { return cells.data(); }
  const int* end() const { return cells.data() + size; }
  int front() const { return cells[0]; }
  void push_back(int c) { cells[static_cast<std::size_t>(size++)] = c; }
};

struct Link {
  Node a;
  Node b;
  int kind;      // 0 box, 1 row, 2 column
  bool grouped;  // the unit holds more than two places
};

Node Single(int cell) {
  Node node;
  node.push_back(cell);
  return node;
}

// The places of `digit` in `unit` at `positions` (unit positions).
Node NodeAt(const LogicBoard& b, int unit, Mask places, Mask positions) {
  Node node;
  const auto& cells = b.Geo().units[static_cast<std::size_t>(unit)];
  for (Mask m = places & positions; m; m &= m - 1)
    node.push_back(cells[static_cast<std::size_t>(std::countr_zero(m))]);
  return node;
}

// Up to two ways to split a box's places into the two ends of a link.
struct Splits {
  std::array<std::pair<Mask, Mask>, 2> ways{};
  int size = 0;
  const std::pair<Mask, Mask>* begin() const { return ways.data(); }
  const std::pair<Mask, Mask>* end() const { return ways.data() + size; }
};

// A box's places that lie on one row and one column of it (a heart cell
// where they cross, empty or not), or on two of its rows or two of its
// columns: the first such shape, as its two parts.
Splits BoxGroups(Mask places) {
  // For each heart: the places off its row and column, those on its column
  // and those on its row (the heart itself in neither).
  struct Heart {
    Mask rest = 0;
    Mask column = 0;
    Mask row = 0;
  };
  static constexpr std::array<Heart, 9> hearts = [] {
    std::array<Heart, 9> all{};
    for (int heart = 0; heart < 9; ++heart) {
      for (int p = 0; p < 9; ++p) {
        const Mask bit = Mask{1} << p;
        Heart& h = all[static_cast<std::size_t>(heart)];
        if (p / 3 != heart / 3 && p % 3 != heart % 3) h.rest |= bit;
        if (p % 3 == heart % 3 && p / 3 != heart / 3) h.column |= bit;
        if (p / 3 == heart / 3 && p % 3 != heart % 3) h.row |= bit;
      }
    }
    return all;
  }();
  Splits splits;
  for (int heart = 0; heart < 9; ++heart) {
    const Mask rest = hearts[static_cast<std::size_t>(heart)].rest;
    const Mask column = hearts[static_cast<std::size_t>(heart)].column;
    const Mask row = hearts[static_cast<std::size_t>(heart)].row;
    if (places & rest) continue;
    if (!(places & column) || !(places & row)) return splits;
    const Mask h = Mask{1} << heart;
    if (places & h) {
      splits.ways[0] = {column | h, row};
      splits.ways[1] = {column, row | h};
      splits.size = 2;
    } else {
      splits.ways[0] = {column, row};
      splits.size = 1;
    }
    return splits;
  }
  if (Count(places) < 4) return splits;
  const Mask lines[] = {0x007, 0x038, 0x1C0, 0x049, 0x092, 0x124};  // rows, then columns
  const int pairs[][3] = {{0, 1, 2}, {0, 2, 1}, {1, 2, 0}, {3, 4, 5}, {3, 5, 4}, {4, 5, 3}};
  for (const auto& pair : pairs) {
    if (places & lines[pair[2]]) continue;
    if ((places & lines[pair[0]]) && (places & lines[pair[1]])) {
      splits.ways[0] = {lines[pair[0]], lines[pair[1]]};
      splits.size = 1;
    }
    return splits;
  }
  return splits;
}

// The strong links of `digit`, into `links` (emptied first).
void StrongLinks(const LogicBoard& b, int digit, std::vector<Link>& links) {
  const Geometry& g = b.Geo();
  links.clear();
  for (int unit = 0; unit < 3 * g.n; ++unit) {
    const Mask places = b.Places(unit, digit);
    if (AtMost(places, 1)) continue;  // no link, grouped or not
    const int kind = static_cast<int>(KindOf(g, unit));
    const int count = Count(places);
    if (count == 2) {
      const auto& cells = g.units[static_cast<std::size_t>(unit)];
      const int a = cells[static_cast<std::size_t>(std::countr_zero(places))];
      const int c = cells[static_cast<std::size_t>(std::bit_width(places) - 1)];
      // A box's pair on one line is that line's link already.
      if (kind == 0 && (g.RowOf(a) == g.RowOf(c) || g.ColOf(a) == g.ColOf(c))) continue;
      links.push_back({Single(a), Single(c), kind, false});
      continue;
    }
    if (g.n != 9 || count > 6) continue;
    if (kind == 0) {
      for (const auto& [x, y] : BoxGroups(places))
        links.push_back({NodeAt(b, unit, places, x), NodeAt(b, unit, places, y), 0, true});
      continue;
    }
    // A line whose places fall in two of its three boxes.
    for (int empty = 0; empty < 3; ++empty) {
      const Mask segment = Mask{7} << (3 * empty);
      if (places & segment) continue;
      const Mask first = Mask{7} << (3 * (empty == 0 ? 1 : 0));
      const Mask second = Mask{7} << (3 * (empty == 2 ? 1 : 2));
      if ((places & first) && (places & second))
        links.push_back(
            {NodeAt(b, unit, places, first), NodeAt(b, unit, places, second), kind, true});
      break;
    }
  }
}

// A set of cells of a board of up to 64 `W` cells: two words hold a 9 x 9
// board, four a 16 x 16 one.
template <std::size_t W>
struct Cells {
  std::array<std::uint64_t, W> words{};
  bool operator==(const Cells&) const = default;
  void Set(int c) { words[static_cast<std::size_t>(c / 64)] |= std::uint64_t{1} << (c % 64); }
  bool Has(int c) const { return (words[static_cast<std::size_t>(c / 64)] >> (c % 64) & 1) != 0; }
  bool Meets(const Cells& o) const {
    std::uint64_t any = 0;
    for (std::size_t i = 0; i < W; ++i) any |= words[i] & o.words[i];
    return any != 0;
  }
  // Whether the cells of `o` hold some cell outside this set.
  bool Misses(const Cells& o) const {
    std::uint64_t any = 0;
    for (std::size_t i = 0; i < W; ++i) any |= ~words[i] & o.words[i];
    return any != 0;
  }
  std::size_t Size() const {
    std::size_t n = 0;
    for (std::uint64_t w : words) {
      // Counted by halves of halves: without the processor's own
      // instruction the library call costs more.
      w = w - ((w >> 1) & 0x5555555555555555u);
      w = (w & 0x3333333333333333u) + ((w >> 2) & 0x3333333333333333u);
      w = (w + (w >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
      n += static_cast<std::size_t>((w * 0x0101010101010101u) >> 56);
    }
    return n;
  }
  Cells operator&(const Cells& o) const {
    Cells r;
    for (std::size_t i = 0; i < W; ++i) r.words[i] = words[i] & o.words[i];
    return r;
  }
  Cells operator|(const Cells& o) const {
    Cells r;
    for (std::size_t i = 0; i < W; ++i) r.words[i] = words[i] | o.words[i];
    return r;
  }
  Cells operator~() const {
    Cells r;
    for (std::size_t i = 0; i < W; ++i) r.words[i] = ~words[i];
    return r;
  }
};

// One end of a strong link: its cells, the units that hold all of them (a
// bit per unit) and the cells that see every one of them.
template <std::size_t W>
struct Shape {
  const Node* node = nullptr;
  Cells<W> cells;
  std::uint64_t units = 0;
  Cells<W> seenBy;
  Cells<W> link;  // the cells of both ends of its link
  Cells<W> hits;  // the cells it sees that hold the digit
  // It sees a cell of the digit outside its link: a chain can start here.
  bool opens = false;
};

// The strong links of one digit with their ends, and for each end the ends
// a weak link joins to it, a bit per end in the order they are tried (link
// by link, each way round).
template <std::size_t W>
struct DigitLinks {
  std::vector<Link> links;
  std::vector<Shape<W>> shapes;
  std::vector<std::array<std::uint64_t, 2>> follow;
  std::array<std::uint64_t, 2> all{};  // every end
  Cells<W> holding;                    // the cells that hold the digit
  bool built = false;
  // The best chain of two, three and four links, once searched for.
  std::array<std::optional<Step>, 3> found;
  std::array<bool, 3> searched{};
};

// The strong links of every digit, and the chains found on them, kept for
// the next search: a digit whose cells are the same has the same links and
// chains (the searches of two, three and four links follow one another on a
// board, and a step changes the cells of a few digits only).
template <std::size_t W>
struct LinkSet {
  int n = 0;
  std::array<DigitLinks<W>, 16> digits;
};

// The cells that see each cell, made once for each board size.
template <std::size_t W>
const std::vector<Cells<W>>& PeerSets(const Geometry& g) {
  static const std::vector<Cells<W>>& sets = *new std::vector<Cells<W>>([&g] {
    std::vector<Cells<W>> all(static_cast<std::size_t>(g.cells));
    for (int c = 0; c < g.cells; ++c) {
      for (int p : g.peers[static_cast<std::size_t>(c)]) all[static_cast<std::size_t>(c)].Set(p);
    }
    return all;
  }());
  return sets;
}

// The units that hold each cell, a bit per unit, made once for each board
// size.
const std::vector<std::uint64_t>& UnitBits(const Geometry& g) {
  auto make = [&g] {
    std::vector<std::uint64_t> all(static_cast<std::size_t>(g.cells));
    for (int c = 0; c < g.cells; ++c) {
      for (int unit : g.unitsOf[static_cast<std::size_t>(c)])
        all[static_cast<std::size_t>(c)] |= std::uint64_t{1} << unit;
    }
    return all;
  };
  if (g.n == 16) {
    static const std::vector<std::uint64_t>& sixteen = *new std::vector<std::uint64_t>(make());
    return sixteen;
  }
  static const std::vector<std::uint64_t>& nine = *new std::vector<std::uint64_t>(make());
  return nine;
}

// Tenths for a chain of `count` links of the kinds in `kinds` (a bit per
// kind): lines of one kind rate lowest, a box with lines of both kinds
// higher, a grouped link highest. A part of a chain rates no more than the
// whole.
int Rating(int count, int kinds, bool grouped) {
  const bool box = (kinds & 1) != 0;
  const bool rows = (kinds & 2) != 0;
  const bool columns = (kinds & 4) != 0;
  const int extra = grouped ? 3 : box && rows && columns ? 2 : !box && rows != columns ? 0 : 1;
  switch (count) {
    case 2:
      return 40 + extra;
    case 3:
      return 54 + extra;
    default:
      return 58 + extra;
  }
}

Technique TechniqueOf(const std::array<int, 4>& kinds, int count, bool grouped) {
  if (grouped) return Technique::GroupedLinks;
  if (count == 3) return Technique::ThreeLinks;
  if (count == 4) return Technique::FourLinks;
  if (kinds[0] != 0 && kinds[0] == kinds[1]) return Technique::Skyscraper;
  if (kinds[0] != 0 && kinds[1] != 0) return Technique::TwoStringKite;
  return Technique::TurbotFish;
}

// The links of `digit` and their ends: the cells of each end, the units
// that hold all of them and the cells that see all of them.
template <std::size_t W>
void Build(const LogicBoard& b, int digit, DigitLinks<W>& out) {
  const Geometry& g = b.Geo();
  const std::vector<Cells<W>>& peerSet = PeerSets<W>(g);
  const std::vector<std::uint64_t>& unitBits = UnitBits(g);
  StrongLinks(b, digit, out.links);
  out.shapes.clear();
  out.follow.clear();
  out.all = {};
  out.built = true;
  out.found = {};
  out.searched = {};
  if (out.links.empty()) return;
  out.shapes.reserve(out.links.size() * 2);
  for (const Link& link : out.links) {
    for (const Node* node : {&link.a, &link.b}) {
      Shape<W> shape;
      shape.node = node;
      shape.seenBy = peerSet[static_cast<std::size_t>(node->front())];
      shape.units = unitBits[static_cast<std::size_t>(node->front())];
      for (int c : *node) {
        shape.cells.Set(c);
        shape.seenBy = shape.seenBy & peerSet[static_cast<std::size_t>(c)];
        shape.units &= unitBits[static_cast<std::size_t>(c)];
      }
      shape.hits = shape.seenBy & out.holding;
      out.shapes.push_back(shape);
    }
    const std::size_t first = out.shapes.size() - 2;
    out.shapes[first].link = out.shapes[first].cells | out.shapes[first + 1].cells;
    out.shapes[first + 1].link = out.shapes[first].link;
    for (std::size_t end = first; end < first + 2; ++end) {
      Shape<W>& shape = out.shapes[end];
      shape.opens = shape.link.Misses(shape.hits);
      out.all[end / 64] |= std::uint64_t{1} << (end % 64);
    }
  }
  // The ends in each unit, then those a weak link joins to each end.
  std::array<std::array<std::uint64_t, 2>, 64> inUnit{};
  for (std::size_t at = 0; at < out.shapes.size(); ++at) {
    for (std::uint64_t u = out.shapes[at].units; u; u &= u - 1)
      inUnit[static_cast<std::size_t>(std::countr_zero(u))][at / 64] |= std::uint64_t{1}
                                                                        << (at % 64);
  }
  out.follow.resize(out.shapes.size());
  for (std::size_t from = 0; from < out.shapes.size(); ++from) {
    std::array<std::uint64_t, 2> joined{};
    for (std::uint64_t u = out.shapes[from].units; u; u &= u - 1) {
      const auto& ends = inUnit[static_cast<std::size_t>(std::countr_zero(u))];
      joined[0] |= ends[0];
      joined[1] |= ends[1];
    }
    // Not the ends of its own link, which the chain holds already.
    for (const std::size_t own : {from, from ^ 1})
      joined[own / 64] &= ~(std::uint64_t{1} << (own % 64));
    out.follow[from] = joined;
  }
}

// The links of every digit of `b`, made again only for the digits whose
// cells differ from those of the board before.
template <std::size_t W>
LinkSet<W>& LinksOf(const LogicBoard& b) {
  thread_local LinkSet<W> set;
  const Geometry& g = b.Geo();
  if (set.n != g.n) {
    set = LinkSet<W>{};
    set.n = g.n;
  }
  for (int d = 1; d <= g.n; ++d) {
    Cells<W> holding;
    for (std::size_t word = 0; word < W; ++word) holding.words[word] = b.CellsOf(d)[word];
    DigitLinks<W>& digit = set.digits[static_cast<std::size_t>(d - 1)];
    if (digit.built && digit.holding == holding) continue;
    digit.holding = holding;
    Build(b, d, digit);
  }
  return set;
}

// The best chain of `count` links on `digit` alone: the lowest rating, then
// the most removals, the first found of those.
template <std::size_t W>
std::optional<Step> SearchDigit(const Geometry& g, const DigitLinks<W>& digit, int d, int count) {
  std::optional<Step> best;
  {
    const std::vector<Link>& links = digit.links;
    const std::vector<Shape<W>>& shapes = digit.shapes;
    // The chain so far: the ends of its links (start, end of each), the
    // cells it holds after each link, the link kinds.
    std::array<std::size_t, 8> nodes{};
    std::array<Cells<W>, 5> used{};
    std::array<int, 4> kinds{};
    int depth = 0;
    int kindSet = 0;
    int grouped = 0;
    auto conclude = [&]() {
      const Shape<W>& first = shapes[nodes[0]];
      const Shape<W>& last = shapes[nodes[static_cast<std::size_t>(2 * count - 1)]];
      if (first.cells.Meets(last.cells) || (first.units & last.units)) return;
      const int rating = Rating(count, kindSet, grouped > 0);
      if (best && rating > best->rating) return;
      const Cells<W> removed = first.hits & last.seenBy & ~used[static_cast<std::size_t>(count)];
      const std::size_t removals = removed.Size();
      // The lowest rating first, then the most removals.
      if (removals == 0 || (best && rating == best->rating && removals <= best->removals.size()))
        return;
      Step step;
      for (int c = 0; c < g.cells; ++c) {
        if (removed.Has(c)) step.removals.push_back({c, d});
      }
      step.technique = TechniqueOf(kinds, count, grouped > 0);
      step.rating = rating;
      step.digit = d;
      const std::size_t ends = static_cast<std::size_t>(2 * count);
      for (std::size_t i = 0; i < ends; ++i) {
        const Node& n = *shapes[nodes[i]].node;
        step.cells.insert(step.cells.end(), n.begin(), n.end());
        for (int c : n) step.pattern.push_back({c, d});
      }
      if (grouped > 0) {
        for (std::size_t i = 0; i < ends; ++i)
          step.groups.emplace_back(shapes[nodes[i]].node->begin(), shapes[nodes[i]].node->end());
      }
      std::vector<ChainLink> chain;
      for (std::size_t i = 0; i + 1 < ends; ++i) {
        chain.push_back({{shapes[nodes[i]].node->front(), d},
                         {shapes[nodes[i + 1]].node->front(), d},
                         i % 2 == 0});
      }
      step.chains = {chain};
      best = std::move(step);
    };
    auto extend = [&](auto&& self) -> void {
      if (depth == count) {
        conclude();
        return;
      }
      std::array<std::uint64_t, 2> next =
          depth > 0 ? digit.follow[nodes[static_cast<std::size_t>(2 * depth - 1)]] : digit.all;
      if (depth + 1 == count) {
        // The last link comes after the first one: the same chain the other
        // way round, of the same rating and removals, began at an earlier
        // end and was met first.
        const std::size_t from = (nodes[0] / 2 + 1) * 2;
        for (std::size_t word = 0; word < 2; ++word) {
          if (from >= 64 * (word + 1)) {
            next[word] = 0;
          } else if (from > 64 * word) {
            next[word] &= ~std::uint64_t{0} << (from - 64 * word);
          }
        }
      }
      const Cells<W>& held = used[static_cast<std::size_t>(depth)];
      for (std::size_t word = 0; word < 2; ++word) {
        for (std::uint64_t m = next[word]; m; m &= m - 1) {
          const std::size_t at = word * 64 + static_cast<std::size_t>(std::countr_zero(m));
          const Shape<W>& a = shapes[at];
          if (held.Meets(a.link)) continue;
          // A chain whose first end sees no cell of the digit outside the
          // chain removes nothing.
          if (depth == 0 && !a.opens) continue;
          if (depth + 1 == count) {
            // The last link: its end must be apart from the first end and
            // see a cell of the digit the first end sees.
            const Shape<W>& first = shapes[nodes[0]];
            const Shape<W>& last = shapes[at ^ 1];
            if ((first.units & last.units) || first.cells.Meets(last.cells) ||
                !first.hits.Meets(last.seenBy))
              continue;
          }
          const Link& link = links[at / 2];
          const int kindsBefore = kindSet;
          nodes[static_cast<std::size_t>(2 * depth)] = at;
          nodes[static_cast<std::size_t>(2 * depth + 1)] = at ^ 1;
          used[static_cast<std::size_t>(depth + 1)] = held | a.link;
          kinds[static_cast<std::size_t>(depth)] = link.kind;
          kindSet |= 1 << link.kind;
          grouped += link.grouped ? 1 : 0;
          ++depth;
          // Every chain that begins so rates at least as high as the links
          // so far.
          if (!best || Rating(count, kindSet, grouped > 0) <= best->rating) self(self);
          --depth;
          kindSet = kindsBefore;
          grouped -= link.grouped ? 1 : 0;
        }
      }
    };
    if (count != 2) {
      extend(extend);
      return best;
    }
    // Two links, the same search as `extend` without its recursion.
    for (std::size_t word = 0; word < 2; ++word) {
      for (std::uint64_t m = digit.all[word]; m; m &= m - 1) {
        const std::size_t at = word * 64 + static_cast<std::size_t>(std::countr_zero(m));
        const Shape<W>& first = shapes[at];
        if (!first.opens) continue;
        const Link& link = links[at / 2];
        nodes[0] = at;
        nodes[1] = at ^ 1;
        used[1] = first.link;
        kinds[0] = link.kind;
        const int kindsFirst = 1 << link.kind;
        const int groupedFirst = link.grouped ? 1 : 0;
        if (best && Rating(2, kindsFirst, groupedFirst > 0) > best->rating) continue;
        // The second link after the first one, as in `extend`.
        std::array<std::uint64_t, 2> next = digit.follow[at ^ 1];
        const std::size_t from = (at / 2 + 1) * 2;
        for (std::size_t w = 0; w < 2; ++w) {
          if (from >= 64 * (w + 1)) {
            next[w] = 0;
          } else if (from > 64 * w) {
            next[w] &= ~std::uint64_t{0} << (from - 64 * w);
          }
        }
        for (std::size_t w = 0; w < 2; ++w) {
          for (std::uint64_t n = next[w]; n; n &= n - 1) {
            const std::size_t second = w * 64 + static_cast<std::size_t>(std::countr_zero(n));
            const Shape<W>& a = shapes[second];
            if (used[1].Meets(a.link)) continue;
            const Shape<W>& last = shapes[second ^ 1];
            if ((first.units & last.units) || first.cells.Meets(last.cells) ||
                !first.hits.Meets(last.seenBy))
              continue;
            const Link& other = links[second / 2];
            nodes[2] = second;
            nodes[3] = second ^ 1;
            used[2] = used[1] | a.link;
            kinds[1] = other.kind;
            kindSet = kindsFirst | 1 << other.kind;
            grouped = groupedFirst + (other.grouped ? 1 : 0);
            if (!best || Rating(2, kindSet, grouped > 0) <= best->rating) conclude();
          }
        }
      }
    }
  }
  return best;
}

template <std::size_t W>
std::optional<Step> SearchLinks(const LogicBoard& b, int count) {
  const Geometry& g = b.Geo();
  LinkSet<W>& set = LinksOf<W>(b);
  // The digits in turn, a later one's chain taken when it rates lower or,
  // rating the same, removes more.
  const Step* best = nullptr;
  for (int d = 1; d <= g.n; ++d) {
    DigitLinks<W>& digit = set.digits[static_cast<std::size_t>(d - 1)];
    if (digit.links.empty()) continue;
    const auto slot = static_cast<std::size_t>(count - 2);
    if (!digit.searched[slot]) {
      digit.found[slot] = SearchDigit(g, digit, d, count);
      digit.searched[slot] = true;
    }
    const std::optional<Step>& step = digit.found[slot];
    if (step && (!best || step->rating < best->rating ||
                 (step->rating == best->rating && step->removals.size() > best->removals.size())))
      best = &*step;
  }
  if (!best) return std::nullopt;
  return *best;
}

}  // namespace

std::optional<Step> FindStrongLinks(const LogicBoard& b, int count) {
  return b.Size() == 16 ? SearchLinks<4>(b, count) : SearchLinks<2>(b, count);
}

}  // namespace gridora::logic
