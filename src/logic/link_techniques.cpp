// SPDX-License-Identifier: MIT
// Short X-chains: two to four strong links on one digit joined by weak
// links. A strong link is a unit whose places of the digit fall in two
// nodes, a node being a cell or, grouped, the places on one line of a box;
// a weak link joins nodes that share a unit. Either end of the chain holds
// the digit, so no cell that sees both ends can.
#include <algorithm>

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

// Whether all the cells of `a` and `b` lie in one unit.
bool ShareUnit(const Geometry& g, const Node& a, const Node& b) {
  for (int slot = 0; slot < 3; ++slot) {
    const int unit = g.unitsOf[static_cast<std::size_t>(a.front())][static_cast<std::size_t>(slot)];
    auto in = [&](int c) {
      return g.unitsOf[static_cast<std::size_t>(c)][static_cast<std::size_t>(slot)] == unit;
    };
    if (std::all_of(a.begin(), a.end(), in) && std::all_of(b.begin(), b.end(), in)) return true;
  }
  return false;
}

bool Overlap(const Node& a, const Node& b) {
  return std::any_of(a.begin(), a.end(),
                     [&](int c) { return std::find(b.begin(), b.end(), c) != b.end(); });
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
  for (int d = 1; d <= g.n; ++d) {
    const std::vector<Link> links = StrongLinks(b, d);
    std::vector<Node> nodes;  // start, end of each link in order
    std::vector<int> kinds;
    int grouped = 0;
    auto conclude = [&]() {
      const Node& first = nodes.front();
      const Node& last = nodes.back();
      if (Overlap(first, last) || ShareUnit(g, first, last)) return;
      const int rating = Rating(kinds, grouped > 0);
      if (best && rating > best->rating) return;
      Step step;
      for (int c : g.peers[static_cast<std::size_t>(first.front())]) {
        if (!b.Has(c, d)) continue;
        const bool inChain = std::any_of(nodes.begin(), nodes.end(), [&](const Node& n) {
          return std::find(n.begin(), n.end(), c) != n.end();
        });
        auto sees = [&](int k) { return g.Sees(c, k); };
        if (!inChain && std::all_of(first.begin(), first.end(), sees) &&
            std::all_of(last.begin(), last.end(), sees))
          step.removals.push_back({c, d});
      }
      // The lowest rating first, then the most removals.
      if (step.removals.empty() ||
          (best && rating == best->rating && step.removals.size() <= best->removals.size()))
        return;
      step.technique = TechniqueOf(kinds, grouped > 0);
      step.rating = rating;
      step.digit = d;
      for (const Node& n : nodes) {
        step.cells.insert(step.cells.end(), n.begin(), n.end());
        for (int c : n) step.pattern.push_back({c, d});
      }
      if (grouped > 0) step.groups = nodes;
      std::vector<ChainLink> chain;
      for (std::size_t i = 0; i + 1 < nodes.size(); ++i) {
        chain.push_back({{nodes[i].front(), d}, {nodes[i + 1].front(), d}, i % 2 == 0});
      }
      step.chains = {chain};
      std::sort(step.removals.begin(), step.removals.end());
      best = std::move(step);
    };
    auto extend = [&](auto&& self) -> void {
      if (static_cast<int>(kinds.size()) == count) {
        conclude();
        return;
      }
      for (const Link& link : links) {
        for (int flip = 0; flip < 2; ++flip) {
          const Node& a = flip ? link.b : link.a;
          const Node& c = flip ? link.a : link.b;
          const bool used = std::any_of(nodes.begin(), nodes.end(), [&](const Node& n) {
            return Overlap(n, a) || Overlap(n, c);
          });
          if (used) continue;
          if (!nodes.empty() && !ShareUnit(g, nodes.back(), a)) continue;
          nodes.push_back(a);
          nodes.push_back(c);
          kinds.push_back(link.kind);
          grouped += link.grouped ? 1 : 0;
          self(self);
          nodes.resize(nodes.size() - 2);
          kinds.pop_back();
          grouped -= link.grouped ? 1 : 0;
        }
      }
    };
    extend(extend);
  }
  return best;
}

}  // namespace gridora::logic
