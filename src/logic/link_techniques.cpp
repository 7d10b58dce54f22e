// SPDX-License-Identifier: MIT
// Short X-chains: two to four strong links on one digit (a digit with two
// places in a unit) joined by cells that see each other. Either end of the
// chain holds the digit, so no cell that sees both ends can.
#include <algorithm>

#include "logic/techniques.h"

namespace gridora::logic {

namespace {

struct Link {
  int a;
  int b;
  int kind;  // 0 box, 1 row, 2 column
};

std::vector<Link> StrongLinks(const LogicBoard& b, int digit) {
  const Geometry& g = b.Geo();
  std::vector<Link> links;
  for (int unit = 0; unit < 3 * g.n; ++unit) {
    const Mask places = b.Places(unit, digit);
    if (Count(places) != 2) continue;
    const auto& cells = g.units[static_cast<std::size_t>(unit)];
    const int a = cells[static_cast<std::size_t>(std::countr_zero(places))];
    const int c = cells[static_cast<std::size_t>(std::bit_width(places) - 1)];
    const int kind = static_cast<int>(KindOf(g, unit));
    // A box's pair on one line is that line's link already.
    if (kind == 0 && (g.RowOf(a) == g.RowOf(c) || g.ColOf(a) == g.ColOf(c))) continue;
    links.push_back({a, c, kind});
  }
  return links;
}

// Tenths for a chain of these link kinds: parallel lines rate lowest.
int Rating(const std::vector<int>& kinds) {
  const bool parallel = kinds.front() != 0 && std::all_of(kinds.begin(), kinds.end(), [&](int k) {
                          return k == kinds.front();
                        });
  switch (kinds.size()) {
    case 2:
      return parallel ? 40 : 41;
    case 3:
      return parallel ? 54 : 55;
    default:
      return parallel ? 58 : 59;
  }
}

Technique TechniqueOf(const std::vector<int>& kinds) {
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
    std::vector<int> cells;  // start, end of each link in order
    std::vector<int> kinds;
    auto conclude = [&]() {
      const int first = cells.front();
      const int last = cells.back();
      if (first == last || g.Sees(first, last)) return;
      const int rating = Rating(kinds);
      if (best && rating >= best->rating) return;
      Step step;
      for (int c : g.peers[static_cast<std::size_t>(first)]) {
        if (b.Has(c, d) && g.Sees(c, last) &&
            std::find(cells.begin(), cells.end(), c) == cells.end()) {
          step.removals.push_back({c, d});
        }
      }
      if (step.removals.empty()) return;
      step.technique = TechniqueOf(kinds);
      step.rating = rating;
      step.digit = d;
      step.cells = cells;
      for (int c : cells) step.pattern.push_back({c, d});
      std::vector<ChainLink> chain;
      for (std::size_t i = 0; i + 1 < cells.size(); ++i) {
        chain.push_back({{cells[i], d}, {cells[i + 1], d}, i % 2 == 0});
      }
      step.chains = {chain};
      best = std::move(step);
    };
    auto extend = [&](auto&& self) -> void {
      if (static_cast<int>(kinds.size()) == count) {
        conclude();
        return;
      }
      for (const Link& link : links) {
        for (int flip = 0; flip < 2; ++flip) {
          const int a = flip ? link.b : link.a;
          const int c = flip ? link.a : link.b;
          if (std::find(cells.begin(), cells.end(), a) != cells.end() ||
              std::find(cells.begin(), cells.end(), c) != cells.end()) {
            continue;
          }
          if (!cells.empty() && !g.Sees(cells.back(), a)) continue;
          cells.push_back(a);
          cells.push_back(c);
          kinds.push_back(link.kind);
          self(self);
          cells.resize(cells.size() - 2);
          kinds.pop_back();
        }
      }
    };
    extend(extend);
  }
  return best;
}

}  // namespace gridora::logic
