// SPDX-License-Identifier: MIT
#include "logic/implications.h"

#include <algorithm>

namespace gridora::logic {

Implications::Implications(const LogicBoard& board, Options options)
    : board_(board),
      work_(board),
      options_(options),
      parents_(static_cast<std::size_t>(board.Geo().cells * 32)) {}

bool Implications::Mark(int id, std::vector<int> from, bool viaUnit, bool viaCell) {
  Node& node = parents_[static_cast<std::size_t>(id)];
  if (node.reached) return true;
  node.reached = true;
  node.from = std::move(from);
  node.viaUnit = viaUnit;
  node.viaCell = viaCell;
  touched_.push_back(id);
  queue_.push_back(id);
  if (options_.dynamic && parents_[static_cast<std::size_t>(id ^ 1)].reached) {
    conflict_ = Of(id);
    return false;
  }
  return true;
}

bool Implications::Consequences(int id) {
  const Candidate c = Of(id);
  const bool on = (id & 1) != 0;
  const Geometry& g = board_.Geo();
  const LogicBoard& now = options_.dynamic ? work_ : board_;
  const bool any = options_.onlyDigit == 0;
  if (on) {
    if (options_.otherDigits && any) {
      for (Mask m = now.Cands(c.cell) & ~Bit(c.digit); m; m &= m - 1) {
        if (!Mark(Id({c.cell, Lowest(m)}, false), {id}, false, false)) return false;
      }
    }
    for (int p : g.peers[static_cast<std::size_t>(c.cell)]) {
      if (now.Has(p, c.digit) && !Mark(Id({p, c.digit}, false), {id}, false, false)) return false;
    }
    return true;
  }
  if (!options_.dynamic) {
    if (options_.cellLinks && any && Count(board_.Cands(c.cell)) == 2) {
      const int other = Lowest(board_.Cands(c.cell) & ~Bit(c.digit));
      Mark(Id({c.cell, other}, true), {id}, false, true);
    }
    if (options_.unitLinks) {
      for (int unit : g.unitsOf[static_cast<std::size_t>(c.cell)]) {
        const Mask places = board_.Places(unit, c.digit);
        if (Count(places) != 2) continue;
        for (int p : g.units[static_cast<std::size_t>(unit)]) {
          if (p != c.cell && board_.Has(p, c.digit))
            Mark(Id({p, c.digit}, true), {id}, true, false);
        }
      }
    }
    return true;
  }
  work_.Remove(c.cell, c.digit);
  const Mask left = work_.Cands(c.cell);
  if (left == 0) {
    conflict_ = c;
    return false;
  }
  if (Count(left) == 1 && any) {
    std::vector<int> from;
    for (Mask m = board_.Cands(c.cell) & ~left; m; m &= m - 1)
      from.push_back(Id({c.cell, Lowest(m)}, false));
    if (!Mark(Id({c.cell, Lowest(left)}, true), std::move(from), false, true)) return false;
  }
  for (int unit : g.unitsOf[static_cast<std::size_t>(c.cell)]) {
    const Mask places = work_.Places(unit, c.digit);
    if (Count(places) > 1) continue;
    const auto& cells = g.units[static_cast<std::size_t>(unit)];
    if (places == 0) {
      const bool placed = std::any_of(cells.begin(), cells.end(),
                                      [&](int p) { return board_.Value(p) == c.digit; });
      if (placed) continue;
      conflict_ = c;
      return false;
    }
    const int target = cells[static_cast<std::size_t>(std::countr_zero(places))];
    std::vector<int> from;
    for (int p : cells) {
      if (p != target && board_.Has(p, c.digit)) from.push_back(Id({p, c.digit}, false));
    }
    if (!Mark(Id({target, c.digit}, true), std::move(from), true, false)) return false;
  }
  return true;
}

bool Implications::Run(Candidate start, bool on) {
  for (int id : touched_) parents_[static_cast<std::size_t>(id)] = Node{};
  touched_.clear();
  queue_.clear();
  if (options_.dynamic) work_ = board_;
  Mark(Id(start, on), {}, false, false);
  for (std::size_t head = 0; head < queue_.size(); ++head) {
    if (!Consequences(queue_[head])) return false;
  }
  return true;
}

int Implications::Complexity(Candidate c, bool on) const {
  std::vector<int> stack = {Id(c, on)};
  std::vector<int> seen = stack;
  while (!stack.empty()) {
    const int id = stack.back();
    stack.pop_back();
    for (int p : parents_[static_cast<std::size_t>(id)].from) {
      if (std::find(seen.begin(), seen.end(), p) != seen.end()) continue;
      seen.push_back(p);
      stack.push_back(p);
    }
  }
  return static_cast<int>(seen.size());
}

std::vector<ChainLink> Implications::ChainTo(Candidate c, bool on) const {
  std::vector<ChainLink> links;
  int id = Id(c, on);
  while (!parents_[static_cast<std::size_t>(id)].from.empty()) {
    const int parent = parents_[static_cast<std::size_t>(id)].from.front();
    links.push_back({Of(parent), Of(id), (id & 1) != 0});
    id = parent;
  }
  std::reverse(links.begin(), links.end());
  return links;
}

bool Implications::UsesUnitLinks(Candidate c, bool on) const {
  for (int id = Id(c, on);; id = parents_[static_cast<std::size_t>(id)].from.front()) {
    if (parents_[static_cast<std::size_t>(id)].viaUnit) return true;
    if (parents_[static_cast<std::size_t>(id)].from.empty()) return false;
  }
}

bool Implications::UsesCellLinks(Candidate c, bool on) const {
  for (int id = Id(c, on);; id = parents_[static_cast<std::size_t>(id)].from.front()) {
    if (parents_[static_cast<std::size_t>(id)].viaCell) return true;
    if (parents_[static_cast<std::size_t>(id)].from.empty()) return false;
  }
}

std::vector<Candidate> Implications::ReachedAll(bool on) const {
  std::vector<Candidate> all;
  for (int id : touched_) {
    if (((id & 1) != 0) == on) all.push_back(Of(id));
  }
  return all;
}

}  // namespace gridora::logic
