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

using Node = std::vector<int>;  // cells, ascending

struct Link {
  Node a;
  Node b;
  int kind;      // 0 box, 1 row, 2 column
  bool grouped;  // the unit holds more than two places
};

// The places of `digit` in `unit` at `positions` (unit positions).
Node NodeAt(const LogicBoard& b, int unit, Mask places, Mask positions) {
  Node node;
  const auto& cells = b.Geo().units[static_cast<std::size_t>(unit)];
  for (Mask m = places & positions; m; m &= m - 1)
    node.push_back(cells[static_cast<std::size_t>(std::countr_zero(m))]);
  return node;
}

// A box's places that lie on one row and one column of it (a heart cell
// where they cross, empty or not), or on two of its rows or two of its
// columns: the first such shape, as its two parts.
std::vector<std::pair<Mask, Mask>> BoxGroups(Mask places) {
  for (int heart = 0; heart < 9; ++heart) {
    const int hr = heart / 3;
    const int hc = heart % 3;
    Mask rest = 0;
    Mask column = 0;
    Mask row = 0;
    for (int p = 0; p < 9; ++p) {
      const Mask bit = Mask{1} << p;
      if (p / 3 != hr && p % 3 != hc) rest |= bit;
      if (p % 3 == hc && p / 3 != hr) column |= bit;
      if (p / 3 == hr && p % 3 != hc) row |= bit;
    }
    if (places & rest) continue;
    if (!(places & column) || !(places & row)) return {};
    const Mask h = Mask{1} << heart;
    if (places & h) return {{column | h, row}, {column, row | h}};
    return {{column, row}};
  }
  if (Count(places) < 4) return {};
  const Mask lines[] = {0x007, 0x038, 0x1C0, 0x049, 0x092, 0x124};  // rows, then columns
  const int pairs[][3] = {{0, 1, 2}, {0, 2, 1}, {1, 2, 0}, {3, 4, 5}, {3, 5, 4}, {4, 5, 3}};
  for (const auto& pair : pairs) {
    if (places & lines[pair[2]]) continue;
    if ((places & lines[pair[0]]) && (places & lines[pair[1]]))
      return {{lines[pair[0]], lines[pair[1]]}};
    return {};
  }
  return {};
}

std::vector<Link> StrongLinks(const LogicBoard& b, int digit) {
  const Geometry& g = b.Geo();
  std::vector<Link> links;
  for (int unit = 0; unit < 3 * g.n; ++unit) {
    const Mask places = b.Places(unit, digit);
    const int kind = static_cast<int>(KindOf(g, unit));
    if (Count(places) == 2) {
      const auto& cells = g.units[static_cast<std::size_t>(unit)];
      const int a = cells[static_cast<std::size_t>(std::countr_zero(places))];
      const int c = cells[static_cast<std::size_t>(std::bit_width(places) - 1)];
      // A box's pair on one line is that line's link already.
      if (kind == 0 && (g.RowOf(a) == g.RowOf(c) || g.ColOf(a) == g.ColOf(c))) continue;
      links.push_back({{a}, {c}, kind, false});
      continue;
    }
    if (g.n != 9 || Count(places) < 3 || Count(places) > 6) continue;
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
  return links;
}

// A set of cells of a board of up to 256 cells.
struct Cells {
  std::array<std::uint64_t, 4> words{};
  void Set(int c) { words[static_cast<std::size_t>(c / 64)] |= std::uint64_t{1} << (c % 64); }
  bool Has(int c) const { return (words[static_cast<std::size_t>(c / 64)] >> (c % 64) & 1) != 0; }
  bool Meets(const Cells& o) const {
    return ((words[0] & o.words[0]) | (words[1] & o.words[1]) | (words[2] & o.words[2]) |
            (words[3] & o.words[3])) != 0;
  }
  std::size_t Size() const {
    std::size_t n = 0;
    for (std::uint64_t w : words) n += static_cast<std::size_t>(std::popcount(w));
    return n;
  }
  Cells operator&(const Cells& o) const {
    Cells r;
    for (std::size_t i = 0; i < 4; ++i) r.words[i] = words[i] & o.words[i];
    return r;
  }
  Cells operator|(const Cells& o) const {
    Cells r;
    for (std::size_t i = 0; i < 4; ++i) r.words[i] = words[i] | o.words[i];
    return r;
  }
  Cells operator~() const {
    Cells r;
    for (std::size_t i = 0; i < 4; ++i) r.words[i] = ~words[i];
    return r;
  }
};

// One end of a strong link: its cells, the units that hold all of them (a
// bit per unit) and the cells that see every one of them.
struct Shape {
  const Node* node = nullptr;
  Cells cells;
  std::uint64_t units = 0;
  Cells seenBy;
};

// The cells that see each cell, made once for each board size.
const std::vector<Cells>& PeerSets(const Geometry& g) {
  auto make = [](const Geometry& geo) {
    std::vector<Cells> sets(static_cast<std::size_t>(geo.cells));
    for (int c = 0; c < geo.cells; ++c) {
      for (int p : geo.peers[static_cast<std::size_t>(c)]) sets[static_cast<std::size_t>(c)].Set(p);
    }
    return sets;
  };
  static const std::vector<Cells>& nine = *new std::vector<Cells>(make(GeometryOf(9)));
  static const std::vector<Cells>& sixteen = *new std::vector<Cells>(make(GeometryOf(16)));
  return g.n == 16 ? sixteen : nine;
}

// Tenths for a chain of these link kinds: lines of one kind rate lowest, a
// box with lines of both kinds higher, a grouped link highest.
int Rating(const std::vector<int>& kinds, bool grouped) {
  const bool box = std::find(kinds.begin(), kinds.end(), 0) != kinds.end();
  const bool rows = std::find(kinds.begin(), kinds.end(), 1) != kinds.end();
  const bool columns = std::find(kinds.begin(), kinds.end(), 2) != kinds.end();
  const int extra = grouped ? 3 : box && rows && columns ? 2 : !box && rows != columns ? 0 : 1;
  switch (kinds.size()) {
    case 2:
      return 40 + extra;
    case 3:
      return 54 + extra;
    default:
      return 58 + extra;
  }
}

Technique TechniqueOf(const std::vector<int>& kinds, bool grouped) {
  if (grouped) return Technique::GroupedLinks;
  if (kinds.size() == 3) return Technique::ThreeLinks;
  if (kinds.size() == 4) return Technique::FourLinks;
  if (kinds[0] != 0 && kinds[0] == kinds[1]) return Technique::Skyscraper;
  if (kinds[0] != 0 && kinds[1] != 0) return Technique::TwoStringKite;
  return Technique::TurbotFish;
}

}  // namespace

std::optional<Step> FindStrongLinks(const LogicBoard& b, int count) {
  const Geometry& g = b.Geo();
  std::optional<Step> best;
  const std::vector<Cells>& peerSet = PeerSets(g);
  for (int d = 1; d <= g.n; ++d) {
    const std::vector<Link> links = StrongLinks(b, d);
    if (links.empty()) continue;
    Cells holding;
    for (int c = 0; c < g.cells; ++c) {
      if (b.Has(c, d)) holding.Set(c);
    }
    // Each end of each link: its cells, the units holding all of them and
    // the cells that see all of them.
    std::vector<Shape> shapes;
    shapes.reserve(links.size() * 2);
    for (const Link& link : links) {
      for (const Node* node : {&link.a, &link.b}) {
        Shape shape;
        shape.node = node;
        shape.seenBy = peerSet[static_cast<std::size_t>(node->front())];
        shape.units = 0;
        for (int slot = 0; slot < 3; ++slot)
          shape.units |=
              std::uint64_t{1}
              << g.unitsOf[static_cast<std::size_t>(node->front())][static_cast<std::size_t>(slot)];
        for (int c : *node) {
          shape.cells.Set(c);
          shape.seenBy = shape.seenBy & peerSet[static_cast<std::size_t>(c)];
          std::uint64_t in = 0;
          for (int slot = 0; slot < 3; ++slot)
            in |= std::uint64_t{1}
                  << g.unitsOf[static_cast<std::size_t>(c)][static_cast<std::size_t>(slot)];
          shape.units &= in;
        }
        shapes.push_back(shape);
      }
    }
    // The link ends in the order they are tried (link by link, each way
    // round), and those a weak link joins to each end.
    std::vector<std::size_t> all(shapes.size());
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = i;
    std::vector<std::size_t> follow;  // from each end, after its start in `starts`
    std::vector<std::size_t> starts(shapes.size() + 1);
    for (std::size_t from = 0; from < shapes.size(); ++from) {
      starts[from] = follow.size();
      for (std::size_t at : all) {
        if (shapes[from].units & shapes[at].units) follow.push_back(at);
      }
    }
    starts[shapes.size()] = follow.size();
    std::vector<const Shape*> nodes;  // start, end of each link in order
    std::vector<Cells> used = {Cells{}};
    std::vector<int> kinds;
    int grouped = 0;
    auto conclude = [&]() {
      const Shape& first = *nodes.front();
      const Shape& last = *nodes.back();
      if (first.cells.Meets(last.cells) || (first.units & last.units)) return;
      const int rating = Rating(kinds, grouped > 0);
      if (best && rating > best->rating) return;
      const Cells removed = first.seenBy & last.seenBy & holding & ~used.back();
      const std::size_t removals = removed.Size();
      // The lowest rating first, then the most removals.
      if (removals == 0 || (best && rating == best->rating && removals <= best->removals.size()))
        return;
      Step step;
      for (int c = 0; c < g.cells; ++c) {
        if (removed.Has(c)) step.removals.push_back({c, d});
      }
      step.technique = TechniqueOf(kinds, grouped > 0);
      step.rating = rating;
      step.digit = d;
      for (const Shape* n : nodes) {
        step.cells.insert(step.cells.end(), n->node->begin(), n->node->end());
        for (int c : *n->node) step.pattern.push_back({c, d});
      }
      if (grouped > 0) {
        for (const Shape* n : nodes) step.groups.push_back(*n->node);
      }
      std::vector<ChainLink> chain;
      for (std::size_t i = 0; i + 1 < nodes.size(); ++i) {
        chain.push_back(
            {{nodes[i]->node->front(), d}, {nodes[i + 1]->node->front(), d}, i % 2 == 0});
      }
      step.chains = {chain};
      best = std::move(step);
    };
    auto extend = [&](auto&& self) -> void {
      if (static_cast<int>(kinds.size()) == count) {
        conclude();
        return;
      }
      const std::size_t* begin = all.data();
      const std::size_t* end = all.data() + all.size();
      if (!nodes.empty()) {
        const auto from = static_cast<std::size_t>(nodes.back() - shapes.data());
        begin = follow.data() + starts[from];
        end = follow.data() + starts[from + 1];
      }
      for (const std::size_t* next = begin; next != end; ++next) {
        const std::size_t at = *next;
        const Shape& a = shapes[at];
        const Shape& c = shapes[at ^ 1];
        if (used.back().Meets(a.cells) || used.back().Meets(c.cells)) continue;
        const Link& link = links[at / 2];
        nodes.push_back(&a);
        nodes.push_back(&c);
        used.push_back(used.back() | a.cells | c.cells);
        kinds.push_back(link.kind);
        grouped += link.grouped ? 1 : 0;
        self(self);
        nodes.resize(nodes.size() - 2);
        used.pop_back();
        kinds.pop_back();
        grouped -= link.grouped ? 1 : 0;
      }
    };
    extend(extend);
  }
  return best;
}

}  // namespace gridora::logic
