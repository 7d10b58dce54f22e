// SPDX-License-Identifier: MIT
// Chains of implications between candidates on 9 x 9 boards.
//
// A potential is a candidate said to be true ("on") or false ("off"). An on
// potential makes the other candidates of its cell and its digit in the
// cell's units off; an off potential makes a candidate on when it leaves its
// cell with one candidate or its digit with one place in a unit. A net is
// what follows from one assumption, breadth first, every potential kept with
// the potentials that caused it; the length of a chain is the number of
// distinct potentials behind its end, and the rating grows with it.
//
//  - single chains on the candidates as they stand: cycles (X, Y and mixed),
//    whose weak links remove what sees both sides, and forcing chains from a
//    candidate to its own negation;
//  - nets of several chains: one digit only with the board following each
//    removal (Nishio), then from all the candidates of a cell or all the
//    places of a digit in a unit to a common result, first on the board as it
//    stands, then dynamically, with contradictions and both ways of a
//    candidate as well.
//
// Of every kind the step with the lowest rating is taken, then the shortest,
// then the first in the order of the search (cells in reading order, digits
// ascending).
#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <span>
#include <utility>

#include "logic/techniques.h"

namespace gridora::logic {

namespace {

constexpr int kN = 9;
constexpr int kCells = 81;
constexpr int kKeys = kCells * kN * 2;

int Key(int cell, int digit, bool on) {
  return (cell * kN + digit - 1) * 2 + (on ? 1 : 0);
}
int CellOf(int key) {
  return key / 2 / kN;
}
int DigitOf(int key) {
  return key / 2 % kN + 1;
}
bool IsOn(int key) {
  return (key & 1) != 0;
}
Candidate CandidateOf(int key) {
  return {CellOf(key), DigitOf(key)};
}

using Grid = std::array<Mask, kCells>;

// The 9 x 9 geometry as flat tables: the cells of each unit in reading
// order, and each cell's peers in the order its box, its row and its column
// first list them.
struct Tables {
  std::array<std::array<int, kN>, 3 * kN> unitCells{};
  std::array<std::array<int, 20>, kCells> peers{};
  std::array<std::array<std::uint64_t, 2>, kCells> peerBits{};  // the peers as a bit set
  std::array<std::array<std::uint64_t, 2>, 3 * kN> unitBits{};  // the cells of each unit
  std::array<std::array<int, 3>, kCells> at{};  // a cell's place in its box, row and column
  // The places of a cell's box, row and column that hold its peers not in
  // a unit before: the box but the cell, the row and the column outside the box.
  std::array<std::array<Mask, 3>, kCells> peerPlaces{};
};

// The places of each digit in each unit, a bit per place.
using UnitPlaces = std::array<std::array<Mask, kN>, 3 * kN>;

const Tables& TablesOf(const Geometry& g) {
  static const Tables& tables = *new Tables([&] {
    Tables t;
    for (int u = 0; u < 3 * kN; ++u) {
      for (int k = 0; k < kN; ++k) {
        const int c = g.units[static_cast<std::size_t>(u)][static_cast<std::size_t>(k)];
        t.unitCells[static_cast<std::size_t>(u)][static_cast<std::size_t>(k)] = c;
        t.unitBits[static_cast<std::size_t>(u)][static_cast<std::size_t>(c / 64)] |=
            std::uint64_t{1} << (c % 64);
      }
    }
    for (int cell = 0; cell < kCells; ++cell) {
      std::array<bool, kCells> added{};
      added[static_cast<std::size_t>(cell)] = true;
      for (std::size_t k = 0; k < 3; ++k) {
        const auto& unit =
            g.units[static_cast<std::size_t>(g.unitsOf[static_cast<std::size_t>(cell)][k])];
        t.at[static_cast<std::size_t>(cell)][k] =
            static_cast<int>(std::find(unit.begin(), unit.end(), cell) - unit.begin());
      }
      const auto& at = t.at[static_cast<std::size_t>(cell)];
      auto& peerPlaces = t.peerPlaces[static_cast<std::size_t>(cell)];
      peerPlaces[0] = Mask{0x1FF} & ~(Mask{1} << at[0]);
      peerPlaces[1] = Mask{0x1FF} & ~(Mask{7} << (3 * (at[1] / 3)));
      peerPlaces[2] = Mask{0x1FF} & ~(Mask{7} << (3 * (at[2] / 3)));
      std::size_t n = 0;
      for (int unit : g.unitsOf[static_cast<std::size_t>(cell)]) {
        for (int c : g.units[static_cast<std::size_t>(unit)]) {
          if (added[static_cast<std::size_t>(c)]) continue;
          added[static_cast<std::size_t>(c)] = true;
          t.peers[static_cast<std::size_t>(cell)][n++] = c;
          t.peerBits[static_cast<std::size_t>(cell)][static_cast<std::size_t>(c / 64)] |=
              std::uint64_t{1} << (c % 64);
        }
      }
    }
    return t;
  }());
  return tables;
}

struct Node {
  int key;
  int parent;  // the main cause, -1 for the assumption
  int extra;   // further causes: `extraCount` entries of the net's list from `extra`
  int extraCount;
};

// What an off potential makes on, and why: the off potential itself, then
// the candidates taken off the board earlier that this rests on as well.
struct Consequence {
  int key = 0;
  int parent = -1;
  std::array<int, kN> hidden{};
  int hiddenCount = 0;
};

// The consequences of one off potential: at most the last candidate of its
// cell and the last place of its digit in each of its three units.
class Consequences {
 public:
  void clear() { size_ = 0; }
  void push_back(const Consequence& c) { items_[size_++] = c; }
  const Consequence* begin() const { return items_.data(); }
  const Consequence* end() const { return items_.data() + size_; }

 private:
  std::array<Consequence, 4> items_;
  std::size_t size_ = 0;
};

// A list of keys that keeps its room when cleared, appended to without a
// call.
class Keys {
 public:
  [[gnu::always_inline]] void push_back(int key) {
    if (size_ == keys_.size()) [[unlikely]]
      Grow();
    keys_[size_++] = key;
  }
  template <typename It>
  void assign(It first, It last) {
    clear();
    for (; first != last; ++first) push_back(*first);
  }
  void clear() { size_ = 0; }
  bool empty() const { return size_ == 0; }
  std::size_t size() const { return size_; }
  int operator[](std::size_t i) const { return keys_[i]; }
  const int* begin() const { return keys_.data(); }
  const int* end() const { return keys_.data() + size_; }

 private:
  [[gnu::noinline]] void Grow() { keys_.resize(std::max<std::size_t>(64, 2 * size_)); }

  std::vector<int> keys_;
  std::size_t size_ = 0;
};

// The potentials reached from an assumption.
class Net {
 public:
  Net() : order_(kKeys) { first_.fill(-1); }
  void Clear() {
    // Past a tenth of the keys, the whole table is wiped faster.
    if (reached_ > kKeys / 10) {
      first_.fill(-1);
    } else {
      for (int key : Order()) first_[static_cast<std::size_t>(key)] = -1;
    }
    reached_ = 0;
    size_ = 0;
    extras_.clear();
    count_.clear();
  }
  void Reserve(std::size_t nodes) {
    if (nodes_.size() < nodes) nodes_.resize(nodes);
  }
  bool Has(int key) const { return first_[static_cast<std::size_t>(key)] >= 0; }
  int At(int key) const { return first_[static_cast<std::size_t>(key)]; }
  // Adds a node; `keep` makes it the node of its key when it is the first.
  [[gnu::always_inline]] int Add(int key, int parent, bool keep) {
    return Push({key, parent, static_cast<int>(extras_.size()), 0}, keep);
  }
  int Add(const Consequence& c, bool keep) {
    const int id = Push({c.key, c.parent, static_cast<int>(extras_.size()), c.hiddenCount}, keep);
    if (c.hiddenCount > 0)
      extras_.insert(extras_.end(), c.hidden.begin(), c.hidden.begin() + c.hiddenCount);
    return id;
  }
  // Adds an off potential caused by a pattern on the board: `causes` are
  // nodes of this net, the candidates whose removal made the pattern.
  int AddCaused(int key, const std::vector<int>& causes, bool keep) {
    const int id =
        Push({key, causes.empty() ? -1 : causes.front(), static_cast<int>(extras_.size()),
              causes.empty() ? 0 : static_cast<int>(causes.size()) - 1},
             keep);
    if (!causes.empty()) extras_.insert(extras_.end(), causes.begin() + 1, causes.end());
    return id;
  }
  int KeyOf(int id) const { return nodes_[static_cast<std::size_t>(id)].key; }
  int ParentOf(int id) const { return nodes_[static_cast<std::size_t>(id)].parent; }
  // The keys in the order they were first reached.
  std::span<const int> Order() const { return {order_.data(), static_cast<std::size_t>(reached_)}; }
  // Distinct potentials behind `id`, itself included.
  int Ancestors(int id) const {
    if (count_.size() < static_cast<std::size_t>(size_))
      count_.resize(static_cast<std::size_t>(size_), 0);
    int& known = count_[static_cast<std::size_t>(id)];
    if (known > 0) return known;
    std::array<std::uint64_t, (kKeys + 63) / 64> seen{};
    std::vector<int>& todo = todo_;
    todo.assign(1, id);
    int count = 0;
    while (!todo.empty()) {
      const int at = todo.back();
      todo.pop_back();
      const Node& node = nodes_[static_cast<std::size_t>(at)];
      const auto word = static_cast<std::size_t>(node.key / 64);
      const std::uint64_t bit = std::uint64_t{1} << (node.key % 64);
      if (seen[word] & bit) continue;
      seen[word] |= bit;
      ++count;
      if (node.parent >= 0) todo.push_back(node.parent);
      for (int k = 0; k < node.extraCount; ++k)
        todo.push_back(extras_[static_cast<std::size_t>(node.extra + k)]);
    }
    known = count;
    return count;
  }
  // The links along the main line of causes from the assumption to `id`.
  std::vector<ChainLink> ChainTo(int id) const {
    std::vector<ChainLink> links;
    for (int at = id; ParentOf(at) >= 0; at = ParentOf(at)) {
      links.push_back({CandidateOf(KeyOf(ParentOf(at))), CandidateOf(KeyOf(at)), IsOn(KeyOf(at))});
    }
    std::reverse(links.begin(), links.end());
    return links;
  }

 private:
  // Appends `node`, the node of its key when it is the first and `keep`.
  [[gnu::always_inline]] int Push(const Node& node, bool keep) {
    if (static_cast<std::size_t>(size_) == nodes_.size()) [[unlikely]]
      Grow();
    const int id = size_++;
    nodes_[static_cast<std::size_t>(id)] = node;
    if (keep && !Has(node.key)) {
      first_[static_cast<std::size_t>(node.key)] = id;
      order_[static_cast<std::size_t>(reached_++)] = node.key;
    }
    return id;
  }

  [[gnu::noinline]] void Grow() { nodes_.resize(std::max<std::size_t>(256, nodes_.size() * 2)); }

  // The nodes, `size_` of them, and the keys in the order they were first
  // reached, `reached_` of them (each once).
  std::vector<Node> nodes_;
  int size_ = 0;
  std::vector<int> extras_;
  std::array<int, kKeys> first_;
  std::vector<int> order_;
  int reached_ = 0;
  mutable std::vector<int> count_;
  mutable std::vector<int> todo_;
};

class Chainer {
 public:
  explicit Chainer(const LogicBoard& b) : geo_(b.Geo()), tables_(TablesOf(b.Geo())) { Load(b); }

  // Whether `b` is the board this chainer was made for.
  bool Holds(const LogicBoard& b) const {
    for (int c = 0; c < kCells; ++c) {
      if (grid_[static_cast<std::size_t>(c)] != b.Cands(c) ||
          value_[static_cast<std::size_t>(c)] != b.Value(c))
        return false;
    }
    return true;
  }

  // Takes the candidates of `b`, forgetting the links of the board before.
  void Load(const LogicBoard& b) {
    known_.fill(false);
    placed_.fill(0);
    digitCells_ = {};
    for (int c = 0; c < kCells; ++c) {
      value_[static_cast<std::size_t>(c)] = b.Value(c);
      grid_[static_cast<std::size_t>(c)] = b.Cands(c);
      for (Mask m = b.Cands(c); m; m &= m - 1)
        digitCells_[static_cast<std::size_t>(Lowest(m) - 1)][static_cast<std::size_t>(c / 64)] |=
            std::uint64_t{1} << (c % 64);
      empty_[static_cast<std::size_t>(c)] = b.Value(c) == 0;
      ++placed_[static_cast<std::size_t>(b.Value(c))];
    }
    for (int u = 0; u < 3 * kN; ++u) {
      for (int d = 1; d <= kN; ++d)
        places_[static_cast<std::size_t>(u)][static_cast<std::size_t>(d - 1)] = b.Places(u, d);
      emptyCount_[static_cast<std::size_t>(u)] = 0;
      for (int c : tables_.unitCells[static_cast<std::size_t>(u)])
        emptyCount_[static_cast<std::size_t>(u)] += empty_[static_cast<std::size_t>(c)] ? 1 : 0;
    }
  }

  const Grid& Board() const { return grid_; }
  // The cells that hold `d` as a candidate, as bits.
  const std::array<std::uint64_t, 2>& CellsOf(int d) const {
    return digitCells_[static_cast<std::size_t>(d - 1)];
  }
  const Geometry& Geo() const { return geo_; }

  // The off potentials an on potential makes: the cell's other candidates
  // (`cells`), then the digit in the box, the row and the column.
  // `places`, with a board of the net's own, are its places of each digit.
  void OnToOff(const Grid& grid, int key, bool cells, Keys& out,
               const UnitPlaces* places = nullptr) const {
    if (&grid == &grid_) {
      const Links& links = LinksOf(key);
      out.assign(links.offs.begin() + (cells ? 0 : links.cellOffs),
                 links.offs.begin() + links.offCount);
      return;
    }
    out.clear();
    const int cell = CellOf(key);
    const int d = DigitOf(key);
    if (cells) {
      for (Mask m = grid[static_cast<std::size_t>(cell)] & ~Bit(d); m; m &= m - 1)
        out.push_back(Key(cell, Lowest(m), false));
    }
    if (places) {
      // The peers in the order of the table: box, row, column.
      for (std::size_t slot = 0; slot < 3; ++slot) {
        const int unit = geo_.unitsOf[static_cast<std::size_t>(cell)][slot];
        const auto& all = tables_.unitCells[static_cast<std::size_t>(unit)];
        for (Mask m = (*places)[static_cast<std::size_t>(unit)][static_cast<std::size_t>(d - 1)] &
                      tables_.peerPlaces[static_cast<std::size_t>(cell)][slot];
             m; m &= m - 1)
          out.push_back(Key(all[static_cast<std::size_t>(std::countr_zero(m))], d, false));
      }
      return;
    }
    const Mask bit = Bit(d);
    for (int c : tables_.peers[static_cast<std::size_t>(cell)]) {
      if (grid[static_cast<std::size_t>(c)] & bit) out.push_back(Key(c, d, false));
    }
  }

  // The on potentials an off potential makes: the last candidate of its cell
  // (`cells`), the last place of its digit in a unit (`units`). `source`,
  // when given, is the board before the net began: candidates gone since
  // then are causes as well.
  void OffToOn(const Grid& grid, const Grid* source, const Net& net, int id, bool cells, bool units,
               Consequences& out, const UnitPlaces* places = nullptr) const {
    out.clear();
    if (!source && &grid == &grid_) {
      const Links& links = LinksOf(net.KeyOf(id));
      for (int k = cells ? 0 : links.cellOns; k < (units ? links.onCount : links.cellOns); ++k)
        out.push_back({links.ons[static_cast<std::size_t>(k)], id, {}, 0});
      return;
    }
    const int key = net.KeyOf(id);
    const int cell = CellOf(key);
    const int d = DigitOf(key);
    const Mask here = grid[static_cast<std::size_t>(cell)];
    // Two candidates: the cell's one other than `d` is alone once `d` goes.
    const Mask others = here & ~Bit(d);
    if (cells && (here & Bit(d)) && others && (others & (others - 1)) == 0) {
      Consequence on{Key(cell, Lowest(here & ~Bit(d)), true), id, {}, 0};
      if (source) {
        for (Mask m = (*source)[static_cast<std::size_t>(cell)] & ~here; m; m &= m - 1) {
          const int parent = net.At(Key(cell, Lowest(m), false));
          if (parent >= 0) on.hidden[static_cast<std::size_t>(on.hiddenCount++)] = parent;
        }
      }
      out.push_back(on);
    }
    if (!units) return;
    for (std::size_t slot = 0; slot < 3; ++slot) {
      const int unit = geo_.unitsOf[static_cast<std::size_t>(cell)][slot];
      const auto& all = tables_.unitCells[static_cast<std::size_t>(unit)];
      int other = -1;
      int count = 0;
      if (places) {
        const Mask rest =
            (*places)[static_cast<std::size_t>(unit)][static_cast<std::size_t>(d - 1)] &
            ~(Mask{1} << tables_.at[static_cast<std::size_t>(cell)][slot]);
        // One place left, told without counting.
        count = rest == 0 ? 0 : (rest & (rest - 1)) == 0 ? 1 : 2;
        if (count == 1) other = all[static_cast<std::size_t>(std::countr_zero(rest))];
      } else {
        for (int c : all) {
          if (c != cell && (grid[static_cast<std::size_t>(c)] & Bit(d))) {
            other = c;
            ++count;
          }
        }
      }
      if (count != 1) continue;
      const int target = Key(other, d, true);
      if (std::any_of(out.begin(), out.end(),
                      [&](const Consequence& k) { return k.key == target; }))
        continue;
      Consequence on{target, id, {}, 0};
      if (source && places) {
        // The places of the digit in the unit gone since the net began.
        for (Mask m = places_[static_cast<std::size_t>(unit)][static_cast<std::size_t>(d - 1)] &
                      ~(*places)[static_cast<std::size_t>(unit)][static_cast<std::size_t>(d - 1)];
             m; m &= m - 1) {
          const int c = all[static_cast<std::size_t>(std::countr_zero(m))];
          const int parent = net.At(Key(c, d, false));
          if (parent >= 0 && on.hiddenCount < kN)
            on.hidden[static_cast<std::size_t>(on.hiddenCount++)] = parent;
        }
      } else if (source) {
        for (int c : all) {
          if (((*source)[static_cast<std::size_t>(c)] & Bit(d)) &&
              !(grid[static_cast<std::size_t>(c)] & Bit(d))) {
            const int parent = net.At(Key(c, d, false));
            if (parent >= 0 && on.hiddenCount < kN)
              on.hidden[static_cast<std::size_t>(on.hiddenCount++)] = parent;
          }
        }
      }
      out.push_back(on);
    }
  }

  // What a candidate's on and off potentials make on the board as it
  // stands, worked out the first time they are asked for.
  struct Links {
    std::array<int, 28> offs;  // of the on potential: the cell's first, `cellOffs` of them
    int offCount;
    int cellOffs;
    std::array<int, 4> ons;  // of the off potential: the cell's first, `cellOns` of them
    int onCount;
    int cellOns;
  };
  const Links& LinksOf(int key) const {
    const auto at = static_cast<std::size_t>(key >> 1);
    if (known_[at]) return links_[at];
    return MakeLinks(key);
  }

 private:
  [[gnu::noinline]] const Links& MakeLinks(int key) const {
    const auto at = static_cast<std::size_t>(key >> 1);
    Links& links = links_[at];
    known_[at] = true;
    const int cell = CellOf(key);
    const int d = DigitOf(key);
    const Mask here = grid_[static_cast<std::size_t>(cell)];
    links.offCount = 0;
    for (Mask m = here & ~Bit(d); m; m &= m - 1)
      links.offs[static_cast<std::size_t>(links.offCount++)] = Key(cell, Lowest(m), false);
    links.cellOffs = links.offCount;
    for (int c : tables_.peers[static_cast<std::size_t>(cell)]) {
      if (grid_[static_cast<std::size_t>(c)] & Bit(d))
        links.offs[static_cast<std::size_t>(links.offCount++)] = Key(c, d, false);
    }
    links.onCount = 0;
    if (Count(here) == 2 && (here & Bit(d)))
      links.ons[static_cast<std::size_t>(links.onCount++)] =
          Key(cell, Lowest(here & ~Bit(d)), true);
    links.cellOns = links.onCount;
    for (int unit : geo_.unitsOf[static_cast<std::size_t>(cell)]) {
      int other = -1;
      int count = 0;
      for (int c : tables_.unitCells[static_cast<std::size_t>(unit)]) {
        if (c != cell && (grid_[static_cast<std::size_t>(c)] & Bit(d))) {
          other = c;
          ++count;
        }
      }
      if (count != 1) continue;
      const int target = Key(other, d, true);
      bool seen = false;
      for (int k = links.cellOns; k < links.onCount; ++k)
        seen = seen || links.ons[static_cast<std::size_t>(k)] == target;
      if (!seen) links.ons[static_cast<std::size_t>(links.onCount++)] = target;
    }
    return links;
  }

 public:
  // Lists the searches reuse from one start to the next.
  struct Work {
    Keys on;
    Keys off;
    Keys offs;
    Consequences ons;
  };
  Work& Scratch() const {
    work_.on.clear();
    work_.off.clear();
    return work_;
  }

  // Whether the net of a Nishio chain from `cell` holding `d` (`on`) or
  // not meets a potential both ways: the same propagation on the places of
  // `d` alone, with sets of cells for the potentials. Cells go off from the
  // on cells they see; a unit whose places all went off but one makes that
  // one on; a unit of two places or more whose places all went off has made
  // its last one on and off.
  bool Contradicts(int cell, int d, bool on) const {
    using Cells = std::array<std::uint64_t, 2>;
    const Cells& board = digitCells_[static_cast<std::size_t>(d - 1)];
    Cells ons{};
    Cells offs{};
    Cells fresh{};   // the off cells whose units are still to be looked at
    Cells spread{};  // the on cells whose peers went off
    (on ? ons : offs)[static_cast<std::size_t>(cell / 64)] |= std::uint64_t{1} << (cell % 64);
    if (!on) fresh = offs;
    while (true) {
      for (std::size_t w = 0; w < 2; ++w) {
        for (std::uint64_t m = ons[w] & ~spread[w]; m; m &= m - 1) {
          const auto c =
              static_cast<std::size_t>(w * 64) + static_cast<std::size_t>(std::countr_zero(m));
          for (std::size_t v = 0; v < 2; ++v) {
            const std::uint64_t gone = tables_.peerBits[c][v] & board[v] & ~offs[v];
            offs[v] |= gone;
            fresh[v] |= gone;
          }
        }
        spread[w] = ons[w];
      }
      if ((ons[0] & offs[0]) || (ons[1] & offs[1])) return true;
      std::uint32_t units = 0;
      for (std::size_t w = 0; w < 2; ++w) {
        for (std::uint64_t m = fresh[w]; m; m &= m - 1) {
          const auto c =
              static_cast<std::size_t>(w * 64) + static_cast<std::size_t>(std::countr_zero(m));
          for (int u : geo_.unitsOf[c]) units |= std::uint32_t{1} << u;
        }
      }
      fresh = {};
      bool more = false;
      for (; units; units &= units - 1) {
        const auto& cells = tables_.unitBits[static_cast<std::size_t>(std::countr_zero(units))];
        const Cells places = {cells[0] & board[0], cells[1] & board[1]};
        const Cells left = {places[0] & ~offs[0], places[1] & ~offs[1]};
        const int count = std::popcount(left[0]) + std::popcount(left[1]);
        if (count == 0 && std::popcount(places[0]) + std::popcount(places[1]) >= 2) return true;
        if (count != 1 || (left[0] & ons[0]) || (left[1] & ons[1])) continue;
        ons[0] |= left[0];
        ons[1] |= left[1];
        more = true;
      }
      if (!more) return false;
    }
  }

  struct Outcome {
    Net net;
    int absurdOn = -1;  // a potential reached both ways: its on and off nodes
    int absurdOff = -1;
  };

  // Everything that follows from `key`, on potentials first; `dynamic`
  // takes every off potential off the board as it goes and lets the
  // singles it leaves act, `cells` allows the links inside cells. Stops at
  // the first potential reached both on and off.
  Outcome Follow(int key, bool dynamic, bool cells, bool patterns = false) const {
    Outcome out;
    Follow(out, key, dynamic, cells, patterns);
    return out;
  }
  // The same into `out`, whose lists are reused.
  void Follow(Outcome& out, int key, bool dynamic, bool cells, bool patterns) const {
    out.net.Clear();
    out.net.Reserve(256);
    out.absurdOn = -1;
    out.absurdOff = -1;
    Net& net = out.net;
    Grid grid = grid_;
    // The board the links are read from: the one as it stands unless the
    // net changes it.
    const Grid& board = dynamic ? grid : grid_;
    UnitPlaces places;
    if (dynamic) places = places_;
    Work& work = Scratch();
    Keys& pendingOn = work.on;
    Keys& pendingOff = work.off;
    std::size_t headOn = 0;
    std::size_t headOff = 0;
    (IsOn(key) ? pendingOn : pendingOff).push_back(net.Add(key, -1, true));
    Keys& offs = work.offs;
    Consequences& ons = work.ons;
    while (true) {
      if (headOn < pendingOn.size()) {
        const int p = pendingOn[headOn++];
        // On the board as it stands, the links are read where they are kept.
        const int* begin;
        const int* end;
        if (dynamic) {
          OnToOff(board, net.KeyOf(p), cells, offs, &places);
          begin = offs.begin();
          end = offs.end();
        } else {
          const Links& links = LinksOf(net.KeyOf(p));
          begin = links.offs.data() + (cells ? 0 : links.cellOffs);
          end = links.offs.data() + links.offCount;
        }
        for (const int* at = begin; at != end; ++at) {
          const int off = *at;
          if (net.Has(off ^ 1)) {
            out.absurdOn = net.At(off ^ 1);
            out.absurdOff = net.Add(off, p, false);
            return;
          }
          if (!net.Has(off)) pendingOff.push_back(net.Add(off, p, true));
        }
        continue;
      }
      if (headOff < pendingOff.size()) {
        const int p = pendingOff[headOff++];
        if (!dynamic) {
          const Links& links = LinksOf(net.KeyOf(p));
          for (int k = cells ? 0 : links.cellOns; k < links.onCount; ++k) {
            const int on = links.ons[static_cast<std::size_t>(k)];
            if (net.Has(on ^ 1)) {
              out.absurdOff = net.At(on ^ 1);
              out.absurdOn = net.Add(on, p, false);
              return;
            }
            if (!net.Has(on)) pendingOn.push_back(net.Add(on, p, true));
          }
          continue;
        }
        OffToOn(board, &grid_, net, p, cells, true, ons, &places);
        {
          // The candidate goes from the net's own board.
          const int cell = CellOf(net.KeyOf(p));
          const int d = DigitOf(net.KeyOf(p));
          if (grid[static_cast<std::size_t>(cell)] & Bit(d)) {
            grid[static_cast<std::size_t>(cell)] &= ~Bit(d);
            for (std::size_t slot = 0; slot < 3; ++slot) {
              places[static_cast<std::size_t>(geo_.unitsOf[static_cast<std::size_t>(cell)][slot])]
                    [static_cast<std::size_t>(d - 1)] &=
                  ~(Mask{1} << tables_.at[static_cast<std::size_t>(cell)][slot]);
            }
          }
        }
        for (const Consequence& on : ons) {
          if (net.Has(on.key ^ 1)) {
            out.absurdOff = net.At(on.key ^ 1);
            out.absurdOn = net.Add(on, false);
            return;
          }
          if (!net.Has(on.key)) pendingOn.push_back(net.Add(on, true));
        }
        continue;
      }
      if (!patterns) return;
      // Stalled: the simple patterns the removals so far have made.
      bool more = false;
      for (const Caused& c : Patterns(grid, net, dynamic ? &places : nullptr)) {
        if (!net.Has(c.key)) {
          pendingOff.push_back(net.AddCaused(c.key, c.causes, true));
          more = true;
        }
      }
      if (!more) return;
    }
  }

 private:
  struct Caused {
    int key;
    std::vector<int> causes;
  };

  // The removals of one pattern in the order they are taken: by cell, cells
  // grouped by their index modulo a table size that grows with their number
  // (the order the reference rater lists them in), digits ascending.
  static void Removals(const std::vector<std::pair<int, Mask>>& byCell,
                       const std::vector<int>& causes, std::vector<Caused>& out) {
    std::size_t table = 16;
    while (byCell.size() * 4 > table * 3) table *= 2;
    std::vector<std::pair<int, Mask>> order = byCell;
    std::stable_sort(order.begin(), order.end(), [&](const auto& a, const auto& b) {
      return static_cast<std::size_t>(a.first) % table < static_cast<std::size_t>(b.first) % table;
    });
    for (const auto& [cell, digits] : order) {
      for (Mask m = digits; m; m &= m - 1) out.push_back({Key(cell, Lowest(m), false), causes});
    }
  }

  static void AddTo(std::vector<std::pair<int, Mask>>& byCell, int cell, int d) {
    for (auto& entry : byCell) {
      if (entry.first == cell) {
        entry.second |= Bit(d);
        return;
      }
    }
    byCell.push_back({cell, Bit(d)});
  }

  // The cells that see every cell of `cells`, as bits: ascending when read
  // from the lowest.
  std::array<std::uint64_t, 2> SeeingAll(std::span<const int> cells) const {
    std::array<std::uint64_t, 2> seeing = tables_.peerBits[static_cast<std::size_t>(cells[0])];
    for (int c : cells.subspan(1)) {
      seeing[0] &= tables_.peerBits[static_cast<std::size_t>(c)][0];
      seeing[1] &= tables_.peerBits[static_cast<std::size_t>(c)][1];
    }
    return seeing;
  }

  // The removals of locked candidates, hidden pairs, naked pairs and
  // X-Wings on the board as the net has made it, tried in that order: the
  // first kind with a pattern that rests on removals of the net gives all
  // of its patterns that do.
  // `now`, when given, holds the places of each digit on `grid`.
  std::vector<Caused> Patterns(const Grid& grid, const Net& net, const UnitPlaces* now) const {
    std::vector<Caused> out;
    auto causesOf = [&](const std::vector<int>& keys) {
      std::vector<int> nodes;
      for (int key : keys) {
        if (net.Has(key)) nodes.push_back(net.At(key));
      }
      return nodes;
    };
    auto places = [&](int unit, int d) {
      if (now) return (*now)[static_cast<std::size_t>(unit)][static_cast<std::size_t>(d - 1)];
      Mask m = 0;
      const auto& cells = geo_.units[static_cast<std::size_t>(unit)];
      for (std::size_t k = 0; k < cells.size(); ++k) {
        if (grid[static_cast<std::size_t>(cells[k])] & Bit(d)) m |= Mask{1} << k;
      }
      return m;
    };
    auto emptyCells = [&](int unit) { return emptyCount_[static_cast<std::size_t>(unit)]; };
    // The cells of each digit on `grid`, as bits.
    std::array<std::array<std::uint64_t, 2>, kN> digitBits{};
    for (int c = 0; c < kCells; ++c) {
      for (Mask m = grid[static_cast<std::size_t>(c)]; m; m &= m - 1)
        digitBits[static_cast<std::size_t>(Lowest(m) - 1)][static_cast<std::size_t>(c / 64)] |=
            std::uint64_t{1} << (c % 64);
    }
    // Lists reused from one pattern to the next.
    std::vector<std::pair<int, Mask>> byCell;
    std::vector<int> keys;
    const int order[] = {0,  1,  2,  3,  4, 5,  6,  7,  8,  18, 19, 20, 21, 22,
                         23, 24, 25, 26, 9, 10, 11, 12, 13, 14, 15, 16, 17};
    // Locked candidates: a unit's places of a digit that all see other cells.
    for (int first : {0, kN, 2 * kN}) {
      for (int d = 1; d <= kN; ++d) {
        for (int unit = first; unit < first + kN; ++unit) {
          const Mask m = places(unit, d);
          if (Count(m) < 2 || Count(m) > 6) continue;
          const auto& cells = geo_.units[static_cast<std::size_t>(unit)];
          // The cells that see every place.
          std::array<std::uint64_t, 2> seeing = {~std::uint64_t{0}, ~std::uint64_t{0}};
          for (Mask k = m; k; k &= k - 1) {
            const auto& peers = tables_.peerBits[static_cast<std::size_t>(
                cells[static_cast<std::size_t>(std::countr_zero(k))])];
            seeing[0] &= peers[0];
            seeing[1] &= peers[1];
          }
          byCell.clear();
          const auto& holding = digitBits[static_cast<std::size_t>(d - 1)];
          for (std::size_t w = 0; w < 2; ++w) {
            for (std::uint64_t bits = seeing[w] & holding[w]; bits; bits &= bits - 1)
              byCell.push_back({static_cast<int>(w * 64) + std::countr_zero(bits), Bit(d)});
          }
          if (byCell.empty()) continue;
          keys.clear();
          for (int c : cells) {
            if (!(grid[static_cast<std::size_t>(c)] & Bit(d)) &&
                (grid_[static_cast<std::size_t>(c)] & Bit(d)))
              keys.push_back(Key(c, d, false));
          }
          const std::vector<int> causes = causesOf(keys);
          if (!causes.empty()) Removals(byCell, causes, out);
        }
      }
    }
    if (!out.empty()) return out;
    // Hidden pairs.
    for (int unit : order) {
      if (emptyCells(unit) <= 4) continue;
      // The digits of exactly two places: a pair of them on the same two.
      std::array<Mask, kN + 1> two{};
      for (int d = 1; d <= kN; ++d) {
        const Mask m = places(unit, d);
        if (Count(m) == 2) two[static_cast<std::size_t>(d)] = m;
      }
      for (int a = 1; a <= kN; ++a) {
        if (!two[static_cast<std::size_t>(a)]) continue;
        for (int b = 1; b < a; ++b) {
          const Mask pa = two[static_cast<std::size_t>(a)];
          const Mask pb = two[static_cast<std::size_t>(b)];
          if (pa != pb) continue;
          const auto& cells = geo_.units[static_cast<std::size_t>(unit)];
          byCell.clear();
          for (Mask k = pa | pb; k; k &= k - 1) {
            const int c = cells[static_cast<std::size_t>(std::countr_zero(k))];
            const Mask extra = grid[static_cast<std::size_t>(c)] & ~(Bit(a) | Bit(b));
            if (extra) byCell.push_back({c, extra});
          }
          if (byCell.empty()) continue;
          keys.clear();
          for (std::size_t k = 0; k < cells.size(); ++k) {
            if ((pa | pb) >> k & 1) continue;
            for (int d : {b, a}) {
              if (grid_[static_cast<std::size_t>(cells[k])] & Bit(d))
                keys.push_back(Key(cells[k], d, false));
            }
          }
          const std::vector<int> causes = causesOf(keys);
          if (!causes.empty()) Removals(byCell, causes, out);
        }
      }
    }
    if (!out.empty()) return out;
    // Naked pairs, removed from every cell that sees both.
    for (int unit : order) {
      if (emptyCells(unit) < 4) continue;
      const auto& cells = geo_.units[static_cast<std::size_t>(unit)];
      // The places of the unit's cells of two candidates.
      Mask two = 0;
      for (std::size_t k = 0; k < cells.size(); ++k) {
        if (Count(grid[static_cast<std::size_t>(cells[k])]) == 2) two |= Mask{1} << k;
      }
      for (Mask upper = two & (two - 1); upper; upper &= upper - 1) {
        const auto j = static_cast<std::size_t>(std::countr_zero(upper));
        for (Mask below = two & ((Mask{1} << j) - 1); below; below &= below - 1) {
          const auto i = static_cast<std::size_t>(std::countr_zero(below));
          const Mask mi = grid[static_cast<std::size_t>(cells[i])];
          const Mask mj = grid[static_cast<std::size_t>(cells[j])];
          // Two cells of two candidates with two together: the same two.
          if (mi != mj) continue;
          byCell.clear();
          const int pair[] = {cells[i], cells[j]};
          const std::array<std::uint64_t, 2> seeing = SeeingAll(pair);
          for (Mask m = mi | mj; m; m &= m - 1) {
            for (std::size_t w = 0; w < 2; ++w) {
              for (std::uint64_t bits = seeing[w]; bits; bits &= bits - 1) {
                const int c = static_cast<int>(w * 64) + std::countr_zero(bits);
                if (grid[static_cast<std::size_t>(c)] & Bit(Lowest(m))) AddTo(byCell, c, Lowest(m));
              }
            }
          }
          if (byCell.empty()) continue;
          keys.clear();
          for (int c : {cells[i], cells[j]}) {
            for (Mask m = grid_[static_cast<std::size_t>(c)] & ~(mi | mj); m; m &= m - 1)
              keys.push_back(Key(c, Lowest(m), false));
          }
          const std::vector<int> causes = causesOf(keys);
          if (!causes.empty()) Removals(byCell, causes, out);
        }
      }
    }
    if (!out.empty()) return out;
    // X-Wings: columns as the base lines first, then rows.
    for (int base : {2 * kN, kN}) {
      const int cover = base == kN ? 2 * kN : kN;
      // The places of each digit in each base line that has two of them.
      std::array<std::array<Mask, kN + 1>, kN> two{};
      for (int line = 0; line < kN; ++line) {
        for (int d = 1; d <= kN; ++d) {
          const Mask m = places(base + line, d);
          if (Count(m) == 2) two[static_cast<std::size_t>(line)][static_cast<std::size_t>(d)] = m;
        }
      }
      for (int j = 1; j < kN; ++j) {
        for (int i = 0; i < j; ++i) {
          for (int d = 1; d <= kN; ++d) {
            if (placed_[static_cast<std::size_t>(d)] + 4 > kN) continue;
            const Mask pi = two[static_cast<std::size_t>(i)][static_cast<std::size_t>(d)];
            const Mask pj = two[static_cast<std::size_t>(j)][static_cast<std::size_t>(d)];
            // Two lines of two places with two together: the same two.
            if (pi == 0 || pi != pj) continue;
            byCell.clear();
            for (Mask m = pi | pj; m; m &= m - 1) {
              const auto& line = geo_.units[static_cast<std::size_t>(cover + std::countr_zero(m))];
              for (std::size_t k = 0; k < line.size(); ++k) {
                if (static_cast<int>(k) != i && static_cast<int>(k) != j &&
                    (grid[static_cast<std::size_t>(line[k])] & Bit(d)))
                  byCell.push_back({line[k], Bit(d)});
              }
            }
            if (byCell.empty()) continue;
            keys.clear();
            for (int line : {base + i, base + j}) {
              const auto& cells = geo_.units[static_cast<std::size_t>(line)];
              for (std::size_t k = 0; k < cells.size(); ++k) {
                if (((pi | pj) >> k & 1) == 0 &&
                    (grid_[static_cast<std::size_t>(cells[k])] & Bit(d)) &&
                    !(grid[static_cast<std::size_t>(cells[k])] & Bit(d)))
                  keys.push_back(Key(cells[k], d, false));
              }
            }
            const std::vector<int> causes = causesOf(keys);
            if (!causes.empty()) Removals(byCell, causes, out);
          }
        }
      }
    }
    return out;
  }

  const Geometry& geo_;
  const Tables& tables_;
  UnitPlaces places_{};
  mutable std::vector<Links> links_ = std::vector<Links>(kCells * kN);
  mutable std::array<bool, kCells * kN> known_{};
  mutable Work work_;
  Grid grid_{};
  std::array<int, kCells> value_{};
  std::array<bool, kCells> empty_{};
  std::array<int, 3 * kN> emptyCount_{};  // the empty cells of each unit
  std::array<int, kN + 1> placed_{};
  std::array<std::array<std::uint64_t, 2>, kN> digitCells_{};  // the cells of each digit
};

// A step found by the chains, with what orders it among the others.
struct Found {
  Step step;
  int complexity = 0;
  int sortKey = 0;
};

bool Better(const Found& a, const Found& b) {
  if (a.step.rating != b.step.rating) return a.step.rating < b.step.rating;
  if (a.complexity != b.complexity) return a.complexity < b.complexity;
  return a.sortKey < b.sortKey;
}

// Whether a step of `rating`, `complexity` and `sortKey` would be taken
// before `best`.
bool Before(const std::optional<Found>& best, int rating, int complexity, int sortKey) {
  if (!best) return true;
  if (rating != best->step.rating) return rating < best->step.rating;
  if (complexity != best->complexity) return complexity < best->complexity;
  return sortKey < best->sortKey;
}

void Offer(std::optional<Found>& best, Found found) {
  if (!best || Better(found, *best)) best = std::move(found);
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

// The result `key` as a step: an on potential places its digit (when the
// cell has others to lose), an off one removes it.
bool Conclude(Step& step, const Grid& grid, int key) {
  const Candidate c = CandidateOf(key);
  if (IsOn(key)) {
    if ((grid[static_cast<std::size_t>(c.cell)] & ~Bit(c.digit)) == 0) return false;
    step.placements = {c};
  } else {
    step.removals = {c};
  }
  step.digit = c.digit;
  return true;
}

// The strongly connected components of the links a search follows (inside
// cells, inside units or both), numbered as they are completed: a potential
// reaches only potentials of its own component or of lower numbers.
// `component` is -1 for the potentials of candidates not on the board.
struct Components {
  std::array<int, kKeys> component;
  std::vector<int> size;  // the potentials of each component
  // The components each one reaches, itself included: `words` a component.
  std::vector<std::uint64_t> reach;
  std::size_t words = 0;

  // Whether a potential of component `from` reaches those of `to`.
  bool Reaches(int from, int to) const {
    if (from < to) return false;
    const auto at = static_cast<std::size_t>(from) * words + static_cast<std::size_t>(to / 64);
    return (reach[at] >> (to % 64) & 1) != 0;
  }
};

// `reach` asks for the components each one reaches as well. Without the
// links inside units, an off potential makes an on one only in a cell of two
// candidates, so a loop goes through such cells alone: the potentials of
// the other cells are left without a component.
void FindComponents(const Chainer& chainer, bool cells, bool units, bool reach, Components& out) {
  const Grid& grid = chainer.Board();
  out.component.fill(-1);
  out.size.clear();
  auto links = [&](int key) {
    const Chainer::Links& l = chainer.LinksOf(key);
    if (IsOn(key))
      return std::pair(l.offs.data() + (cells ? 0 : l.cellOffs), l.offs.data() + l.offCount);
    return std::pair(l.ons.data() + (cells ? 0 : l.cellOns),
                     l.ons.data() + (units ? l.onCount : l.cellOns));
  };
  // Tarjan's search without recursion: `index` 0 for keys not seen yet.
  std::array<int, kKeys> index{};
  std::array<int, kKeys> low{};
  std::array<int, kKeys> stack;  // the keys of components not complete
  // The keys by component as they complete, and where each component begins.
  std::array<int, kKeys> members;
  int memberCount = 0;
  std::vector<int> firstMember;
  std::array<bool, kKeys> held{};
  struct Frame {
    int key;
    const int* next;
    const int* end;
  };
  std::array<Frame, kKeys> frames;
  int stackSize = 0;
  if (!units) {
    for (int cell = 0; cell < kCells; ++cell) {
      const Mask cands = grid[static_cast<std::size_t>(cell)];
      if (Count(cands) == 2) continue;
      // Seen before and not held: the links to them are passed over.
      for (Mask m = cands; m; m &= m - 1) {
        index[static_cast<std::size_t>(Key(cell, Lowest(m), true))] = -1;
        index[static_cast<std::size_t>(Key(cell, Lowest(m), false))] = -1;
      }
    }
  }
  int counter = 0;
  auto open = [&](int key, int& depth) {
    index[static_cast<std::size_t>(key)] = low[static_cast<std::size_t>(key)] = ++counter;
    const auto [begin, end] = links(key);
    if (begin == end) {
      // Linked to nothing: a component of its own, complete at once.
      out.component[static_cast<std::size_t>(key)] = static_cast<int>(out.size.size());
      firstMember.push_back(memberCount);
      members[static_cast<std::size_t>(memberCount++)] = key;
      out.size.push_back(1);
      return;
    }
    stack[static_cast<std::size_t>(stackSize++)] = key;
    held[static_cast<std::size_t>(key)] = true;
    frames[static_cast<std::size_t>(depth++)] = {key, begin, end};
  };
  for (int cell = 0; cell < kCells; ++cell) {
    for (Mask m = grid[static_cast<std::size_t>(cell)]; m; m &= m - 1) {
      for (const bool on : {true, false}) {
        const int root = Key(cell, Lowest(m), on);
        if (index[static_cast<std::size_t>(root)]) continue;
        int depth = 0;
        open(root, depth);
        while (depth > 0) {
          Frame& frame = frames[static_cast<std::size_t>(depth - 1)];
          const auto at = static_cast<std::size_t>(frame.key);
          // The links to keys seen before, up to one not seen yet.
          int to = -1;
          while (frame.next != frame.end) {
            const auto t = static_cast<std::size_t>(*frame.next++);
            if (!index[t]) {
              to = static_cast<int>(t);
              break;
            }
            if (held[t]) low[at] = std::min(low[at], index[t]);
          }
          if (to >= 0) {
            open(to, depth);
            continue;
          }
          --depth;
          if (depth > 0) {
            const auto parent =
                static_cast<std::size_t>(frames[static_cast<std::size_t>(depth - 1)].key);
            low[parent] = std::min(low[parent], low[at]);
          }
          if (low[at] != index[at]) continue;
          const int id = static_cast<int>(out.size.size());
          int count = 0;
          firstMember.push_back(memberCount);
          while (true) {
            const int key = stack[static_cast<std::size_t>(--stackSize)];
            held[static_cast<std::size_t>(key)] = false;
            out.component[static_cast<std::size_t>(key)] = id;
            members[static_cast<std::size_t>(memberCount++)] = key;
            ++count;
            if (key == frame.key) break;
          }
          out.size.push_back(count);
        }
      }
    }
  }
  if (!reach) return;
  // A component reaches what the components its links lead to reach, all
  // of them complete before it.
  const std::size_t count = out.size.size();
  out.words = (count + 63) / 64;
  out.reach.assign(count * out.words, 0);
  firstMember.push_back(memberCount);
  for (std::size_t c = 0; c < count; ++c) {
    std::uint64_t* row = out.reach.data() + c * out.words;
    row[c / 64] |= std::uint64_t{1} << (c % 64);
    for (int k = firstMember[c]; k < firstMember[c + 1]; ++k) {
      const auto [begin, end] = links(members[static_cast<std::size_t>(k)]);
      for (const int* to = begin; to != end; ++to) {
        const auto target = static_cast<std::size_t>(out.component[static_cast<std::size_t>(*to)]);
        if (target == c) continue;
        const std::uint64_t* other = out.reach.data() + target * out.words;
        // Only the words up to the target's own can hold components it reaches.
        for (std::size_t w = 0; w <= target / 64; ++w) row[w] |= other[w];
      }
    }
  }
}

// Cycles from `start`: nets that come back to it, breadth first, never
// going back along their own line of causes.
// `limit` bounds the rounds; `most`: the longest loop worth finding (in
// potentials). Only the potentials of the start's component (of `parts`,
// the components of these links) can come back to it: the others are left
// out, which changes nothing of what is found.
void Cycles(const Chainer& chainer, int start, bool cells, bool units, int limit, int most,
            const Components& parts, Net& net, std::vector<int>& found) {
  const int home = parts.component[static_cast<std::size_t>(start)];
  net.Add(start, -1, true);
  if (parts.size[static_cast<std::size_t>(home)] < 2) return;
  auto inside = [&](int key) { return parts.component[static_cast<std::size_t>(key)] == home; };
  Chainer::Work& work = chainer.Scratch();
  Keys& pendingOn = work.on;
  Keys& pendingOff = work.off;
  pendingOn.push_back(0);
  std::array<std::uint64_t, (kKeys + 63) / 64> behind{};
  std::array<std::uint64_t, (kKeys + 63) / 64> closing{};
  int length = 0;
  // A round takes the loops two potentials longer: one of `length + 2`
  // potentials closes in it.
  while ((!pendingOn.empty() || !pendingOff.empty()) && length < limit && length + 2 <= most) {
    // In the last round only the potentials that close a loop count; in the
    // one before, only the on potentials that could close one in the last.
    const bool last = length + 4 > most || length + 2 >= limit;
    const bool beforeLast = !last && (length + 6 > most || length + 4 >= limit);
    if (beforeLast) {
      // An on potential closes a loop in one round when one of its off
      // potentials makes the start on. A link from p to q goes as well from
      // q's negation to p's, so these are the negations of the off
      // potentials two links from the start's off.
      const Chainer::Links& back = chainer.LinksOf(start ^ 1);
      for (int j = cells ? 0 : back.cellOns; j < (units ? back.onCount : back.cellOns); ++j) {
        const Chainer::Links& near = chainer.LinksOf(back.ons[static_cast<std::size_t>(j)]);
        for (int k = cells ? 0 : near.cellOffs; k < near.offCount; ++k) {
          const int on = near.offs[static_cast<std::size_t>(k)] ^ 1;
          closing[static_cast<std::size_t>(on / 64)] |= std::uint64_t{1} << (on % 64);
        }
      }
    }
    auto closes = [&](int on) {
      return !beforeLast || (closing[static_cast<std::size_t>(on / 64)] >> (on % 64) & 1);
    };
    ++length;
    // The keys on the main line of causes behind the potential whose links
    // are followed, marked. The potentials of a round are as far from the
    // start, so the lines of two of them meet as far back on both: from one
    // to the next, only the keys from there on change.
    auto mark = [&](int key, bool on) {
      const std::uint64_t bit = std::uint64_t{1} << (key % 64);
      std::uint64_t& word = behind[static_cast<std::size_t>(key / 64)];
      word = on ? word | bit : word & ~bit;
    };
    int marked = -1;  // the potential whose line is marked
    for (std::size_t i = 0; i < pendingOn.size(); ++i) {
      const int p = pendingOn[i];
      int meet = -1;  // where the lines meet
      if (marked >= 0) {
        int a = net.ParentOf(marked);
        for (int b = net.ParentOf(p); a != b; a = net.ParentOf(a), b = net.ParentOf(b))
          mark(net.KeyOf(a), false);
        meet = a;
      }
      for (int at = net.ParentOf(p); at != meet; at = net.ParentOf(at)) mark(net.KeyOf(at), true);
      marked = p;
      const Chainer::Links& links = chainer.LinksOf(net.KeyOf(p));
      for (int k = cells ? 0 : links.cellOffs; k < links.offCount; ++k) {
        const int off = links.offs[static_cast<std::size_t>(k)];
        // (An off potential outside the component leads nowhere back either.)
        if ((behind[static_cast<std::size_t>(off / 64)] >> (off % 64) & 1) || !inside(off))
          continue;
        // An off potential whose on potentials are all reached, none of them
        // closing the loop, would lead nowhere: it is left out. Off
        // potentials are never looked up here: they are not kept by key.
        const Chainer::Links& next = chainer.LinksOf(off);
        const int end = units ? next.onCount : next.cellOns;
        bool leads = false;
        for (int j = cells ? 0 : next.cellOns; j < end && !leads; ++j) {
          const int on = next.ons[static_cast<std::size_t>(j)];
          leads = (on == start && length + 1 >= 4) ||
                  (!last && !net.Has(on) && inside(on) && closes(on));
        }
        if (leads) pendingOff.push_back(net.Add(off, p, false));
      }
    }
    if (marked >= 0) {
      for (int at = net.ParentOf(marked); at >= 0; at = net.ParentOf(at))
        mark(net.KeyOf(at), false);
    }
    pendingOn.clear();
    ++length;
    for (std::size_t i = 0; i < pendingOff.size(); ++i) {
      const int p = pendingOff[i];
      const Chainer::Links& links = chainer.LinksOf(net.KeyOf(p));
      const int end = units ? links.onCount : links.cellOns;
      for (int k = cells ? 0 : links.cellOns; k < end; ++k) {
        const int on = links.ons[static_cast<std::size_t>(k)];
        if (length >= 4 && on == start) found.push_back(net.Add(on, p, false));
        if (!last && !net.Has(on) && inside(on) && closes(on))
          pendingOn.push_back(net.Add(on, p, true));
      }
    }
    pendingOff.clear();
  }
}

// Follows every potential of `pending` along the links `ends` gives of it
// into `next`, those that `leads` lets on; when it is the `last` step, only
// to the negation of `start`. The first that reaches the negation goes to
// `found` and sets `done`.
template <typename Ends, typename Leads>
void Advance(const Chainer& chainer, Keys& pending, Keys& next, int start, Net& net,
             std::vector<int>& found, bool& done, bool last, Ends ends, Leads leads) {
  const int negation = start ^ 1;
  for (std::size_t i = 0; i < pending.size(); ++i) {
    const int p = pending[i];
    const auto [begin, end] = ends(chainer.LinksOf(net.KeyOf(p)));
    for (const int* at = begin; at != end; ++at) {
      const int key = *at;
      if (key == negation && !done) {
        found.push_back(net.Add(key, p, false));
        done = true;
      }
      if (!last && !net.Has(key) && leads(key)) next.push_back(net.Add(key, p, true));
    }
  }
  pending.clear();
}

// Forcing chains from `start` (on or off) to its own negation.
// `limit` bounds the rounds; `most`: the longest chain worth finding (in
// potentials). Potentials whose components (of `parts`) do not reach the
// negation's are left out, which changes nothing of what is found, and so
// is the whole search when the start is one of them.
void ForcingChains(const Chainer& chainer, int start, bool cells, int limit, int most,
                   const Components& parts, Net& net, std::vector<int>& found) {
  const int negation = start ^ 1;
  const int goal = parts.component[static_cast<std::size_t>(negation)];
  auto useful = [&](int key) {
    return parts.Reaches(parts.component[static_cast<std::size_t>(key)], goal);
  };
  net.Add(start, -1, true);
  if (!useful(start)) return;
  Chainer::Work& work = chainer.Scratch();
  Keys& pendingOn = work.on;
  Keys& pendingOff = work.off;
  (IsOn(start) ? pendingOn : pendingOff).push_back(0);
  bool done = false;
  auto offs = [&](const Chainer::Links& links) {
    return std::pair(links.offs.data() + (cells ? 0 : links.cellOffs),
                     links.offs.data() + links.offCount);
  };
  auto ons = [&](const Chainer::Links& links) {
    return std::pair(links.ons.data() + (cells ? 0 : links.cellOns),
                     links.ons.data() + links.onCount);
  };
  // An off potential whose on potentials are all reached, none of them the
  // negation, would lead nowhere: it is left out (the net is never asked
  // for off potentials by key).
  auto leads = [&](int off) {
    if (!useful(off)) return false;
    const auto [begin, end] = ons(chainer.LinksOf(off));
    for (const int* at = begin; at != end; ++at) {
      if (*at == negation || (!net.Has(*at) && useful(*at))) return true;
    }
    return false;
  };
  // A round's first step reaches potentials `reach` along their lines (the
  // start the first), its second step one further. (An off start's first
  // round has no first step.)
  const int shift = IsOn(start) ? 1 : 0;
  // The potentials that make the negation in one step: as the links go both
  // ways, the negations of those the start makes. The step before the last
  // keeps only these.
  std::array<std::uint64_t, (kKeys + 63) / 64> near{};
  bool nearKnown = false;
  auto isNear = [&](int key) {
    if (!nearKnown) {
      nearKnown = true;
      const auto [begin, end] =
          IsOn(start) ? offs(chainer.LinksOf(start)) : ons(chainer.LinksOf(start));
      for (const int* at = begin; at != end; ++at) {
        const int before = *at ^ 1;
        near[static_cast<std::size_t>(before / 64)] |= std::uint64_t{1} << (before % 64);
      }
    }
    return (near[static_cast<std::size_t>(key / 64)] >> (key % 64) & 1) != 0;
  };
  for (int length = 1; (!pendingOn.empty() || !pendingOff.empty()) && length < limit && !done &&
                       length + shift <= most;
       length += 2) {
    const int reach = length + shift;
    const bool firstLast = reach + 1 > most;
    const bool secondLast = reach + 2 > most || length + 2 >= limit;
    if (!firstLast && secondLast) {
      Advance(chainer, pendingOn, pendingOff, start, net, found, done, false, offs,
              [&](int off) { return isNear(off) && leads(off); });
    } else {
      Advance(chainer, pendingOn, pendingOff, start, net, found, done, firstLast, offs, leads);
    }
    if (done || firstLast) break;
    if (!secondLast && reach + 3 > most) {
      Advance(chainer, pendingOff, pendingOn, start, net, found, done, false, ons,
              [&](int on) { return isNear(on) && useful(on); });
    } else {
      Advance(chainer, pendingOff, pendingOn, start, net, found, done, secondLast, ons, useful);
    }
  }
}

// The chainer of `b`, kept for the next search on the same board (the
// searches of chains and nets follow one another on a board).
const Chainer& ChainerOf(const LogicBoard& b) {
  thread_local std::optional<Chainer> kept;
  if (!kept) {
    kept.emplace(b);
  } else if (!kept->Holds(b)) {
    kept->Load(b);
  }
  return *kept;
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
  if (b.Size() != kN) return std::nullopt;
  const Chainer& chainer = ChainerOf(b);
  const Grid& grid = chainer.Board();
  const Geometry& g = chainer.Geo();
  std::optional<Found> best;
  struct Mode {
    bool cells;  // links inside cells
    bool units;  // links inside units
  };
  Net cycles;
  std::vector<Net> nets(2);
  // The ends of the loops and the chains from a start, reused from one to the next.
  std::vector<int> ends;
  std::vector<int> targets;
  // The longest chain of a kind rated `base` that could still be taken.
  // Worked out once for each base and best rating.
  struct Limit {
    int base = -1;
    int rating = -1;
    int complexity = -1;
    int length = 0;
  };
  std::array<Limit, 3> limits{};
  auto limit = [&](int base) {
    if (!best) return kKeys;
    Limit& known = limits[base == 65 ? 0 : base == 66 ? 1 : 2];
    if (known.base == base && known.rating == best->step.rating) return known.length;
    int length = 2;
    while (length < kKeys && base + LengthBonus(length + 1 - 2) <= best->step.rating) ++length;
    known = {base, best->step.rating, -1, base <= best->step.rating ? length : 0};
    return known.length;
  };
  // The longest chain of a kind rated `base` that could still come before
  // the best step: rated lower, or as low and shorter (a later one as long
  // comes after it).
  std::array<Limit, 3> shortest{};
  auto most = [&](int base) {
    if (!best) return 2 * kKeys;
    Limit& known = shortest[base == 65 ? 0 : base == 66 ? 1 : 2];
    if (known.base == base && known.rating == best->step.rating &&
        known.complexity == best->complexity)
      return known.length;
    auto before = [&](int length) {
      const int rating = base + LengthBonus(length - 2);
      return rating < best->step.rating ||
             (rating == best->step.rating && length < best->complexity);
    };
    int length = 1;
    while (length < kKeys && before(length + 1)) ++length;
    known = {base, best->step.rating, best->complexity, length};
    return known.length;
  };
  const Tables& tables = TablesOf(g);
  thread_local Components parts;
  // The cells of each digit that gave no X-Cycle or X-Chain (all bits set
  // when unknown).
  static constexpr std::array<std::uint64_t, 2> kUnknown = {~std::uint64_t{0}, ~std::uint64_t{0}};
  thread_local std::array<std::array<std::uint64_t, 2>, kN> barren = [] {
    std::array<std::array<std::uint64_t, 2>, kN> all;
    all.fill(kUnknown);
    return all;
  }();
  for (const Mode mode : {Mode{false, true}, Mode{true, false}, Mode{true, true}}) {
    const int sortKey = mode.cells && mode.units ? 4 : mode.cells ? 3 : 2;
    const int cycleBase = mode.cells && mode.units ? 70 : 65;
    const int chainBase = mode.cells ? 70 : 66;
    // Nothing of this kind could be taken before the best step: no search.
    if (limit(cycleBase) == 0 && (!mode.units || limit(chainBase) == 0)) continue;
    // X-Cycles and X-Chains follow the cells of one digit alone: a digit
    // whose cells gave neither, searched with no step in hand, is passed
    // over while its cells stay the same.
    const bool single = !mode.cells;
    std::array<bool, kN> known{};  // the digits passed over
    std::array<bool, kN> gave{};   // the digits searched and what they gave or could not
    if (single) {
      bool all = true;
      for (int d = 1; d <= kN; ++d) {
        known[static_cast<std::size_t>(d - 1)] =
            barren[static_cast<std::size_t>(d - 1)] == chainer.CellsOf(d);
        all = all && known[static_cast<std::size_t>(d - 1)];
      }
      if (all) continue;
    }
    FindComponents(chainer, mode.cells, mode.units, mode.units, parts);
    for (int cell = 0; cell < kCells; ++cell) {
      const Mask cands = grid[static_cast<std::size_t>(cell)];
      if (Count(cands) < 2 || (!mode.units && Count(cands) > 2)) continue;
      for (Mask m = cands; m; m &= m - 1) {
        const auto digit = static_cast<std::size_t>(Lowest(m) - 1);
        if (single && known[digit]) continue;
        // A search with a step in hand may pass over what one without would find.
        if (single && best) gave[digit] = true;
        const int start = Key(cell, Lowest(m), true);
        ends.clear();
        cycles.Clear();
        Cycles(chainer, start, mode.cells, mode.units, limit(cycleBase), most(cycleBase), parts,
               cycles, ends);
        for (int end : ends) {
          const int complexity = cycles.Ancestors(end);
          if (!Before(best, cycleBase + LengthBonus(complexity - 2), complexity, sortKey)) continue;
          // The cells of the loop, and by digit the cells off the loop that
          // see its on side and its off side.
          std::array<std::uint64_t, 2> loop{};
          for (int at = end; cycles.ParentOf(at) >= 0; at = cycles.ParentOf(at)) {
            const int cell = CellOf(cycles.KeyOf(at));
            loop[static_cast<std::size_t>(cell / 64)] |= std::uint64_t{1} << (cell % 64);
          }
          std::array<std::array<std::uint64_t, 2>, kN> forward{};
          std::array<std::array<std::uint64_t, 2>, kN> back{};
          for (int at = end; cycles.ParentOf(at) >= 0; at = cycles.ParentOf(at)) {
            const int key = cycles.KeyOf(at);
            const auto d = static_cast<std::size_t>(DigitOf(key) - 1);
            auto& side = (IsOn(key) ? forward : back)[d];
            const auto& peers = tables.peerBits[static_cast<std::size_t>(CellOf(key))];
            const auto& cells = chainer.CellsOf(DigitOf(key));
            side[0] |= peers[0] & cells[0];
            side[1] |= peers[1] & cells[1];
          }
          // The removals by cell, then digit.
          std::array<std::uint64_t, 2> seen{};
          for (std::size_t d = 0; d < kN; ++d) {
            for (std::size_t w = 0; w < 2; ++w) {
              forward[d][w] &= back[d][w] & ~loop[w];
              seen[w] |= forward[d][w];
            }
          }
          Found found;
          for (std::size_t w = 0; w < 2; ++w) {
            for (std::uint64_t m = seen[w]; m; m &= m - 1) {
              const int cell = static_cast<int>(w * 64) + std::countr_zero(m);
              for (std::size_t d = 0; d < kN; ++d) {
                if (forward[d][w] >> (cell % 64) & 1)
                  found.step.removals.push_back({cell, static_cast<int>(d) + 1});
              }
            }
          }
          if (found.step.removals.empty()) continue;
          found.complexity = complexity;
          found.sortKey = sortKey;
          found.step.technique = !mode.cells   ? Technique::XCycle
                                 : !mode.units ? Technique::YCycle
                                               : Technique::XYCycle;
          found.step.rating =
              (mode.cells && mode.units ? 70 : 65) + LengthBonus(found.complexity - 2);
          found.step.assumption = CandidateOf(start);
          found.step.digit = DigitOf(start);
          found.step.chains = {cycles.ChainTo(end)};
          PatternOf(found.step);
          Offer(best, std::move(found));
        }
        if (single && !ends.empty()) gave[digit] = true;
        if (!mode.units) continue;
        targets.clear();
        nets[0].Clear();
        nets[1].Clear();
        const int longest = limit(chainBase);
        const int worth = most(chainBase);
        ForcingChains(chainer, start, mode.cells, longest, worth, parts, nets[0], targets);
        const std::size_t fromOn = targets.size();
        ForcingChains(chainer, start ^ 1, mode.cells, longest, worth, parts, nets[1], targets);
        if (single && !targets.empty()) gave[digit] = true;
        for (std::size_t t = 0; t < targets.size(); ++t) {
          const Net& net = nets[t < fromOn ? 0 : 1];
          const int target = targets[t];
          const int complexity = net.Ancestors(target);
          if (!Before(best, chainBase + LengthBonus(complexity - 2), complexity, sortKey)) continue;
          Found found;
          if (!Conclude(found.step, grid, net.KeyOf(target))) continue;
          found.complexity = complexity;
          found.sortKey = sortKey;
          const std::vector<ChainLink> chain = net.ChainTo(target);
          const bool viaUnits = std::any_of(chain.begin(), chain.end(), [](const ChainLink& l) {
            return l.on && l.from.cell != l.to.cell;
          });
          found.step.technique = !mode.cells ? Technique::XChain
                                 : viaUnits  ? Technique::XYChain
                                             : Technique::YChain;
          found.step.rating = (mode.cells ? 70 : 66) + LengthBonus(found.complexity - 2);
          found.step.assumption = CandidateOf(start);
          found.step.chains = {chain};
          PatternOf(found.step);
          Offer(best, std::move(found));
        }
      }
    }
    if (single) {
      for (int d = 1; d <= kN; ++d) {
        const auto at = static_cast<std::size_t>(d - 1);
        if (!known[at]) barren[at] = gave[at] ? kUnknown : chainer.CellsOf(d);
      }
    }
  }
  if (!best) return std::nullopt;
  return std::move(best->step);
}

namespace {

struct NetMode {
  bool multiple;  // several chains from a cell or a unit
  bool dynamic;
  bool nishio;  // one digit at a time, contradictions only
  int base;
  bool patterns = false;  // a stalled net looks for locked candidates, pairs and X-Wings
};

std::optional<Step> FindNets(const LogicBoard& b, const NetMode mode) {
  if (b.Size() != kN) return std::nullopt;
  const Chainer& chainer = ChainerOf(b);
  const Grid& grid = chainer.Board();
  const Geometry& g = chainer.Geo();
  std::optional<Found> best;
  // The net of each candidate assumed true, made the first time it is
  // asked for, into nets kept from one search to the next.
  thread_local std::deque<Chainer::Outcome> kept;
  std::array<int, kCells * kN> onNets;
  onNets.fill(-1);
  std::size_t made = 0;
  auto onNet = [&](int cell, int d) -> const Chainer::Outcome& {
    int& slot = onNets[static_cast<std::size_t>(cell * kN + d - 1)];
    if (slot < 0) {
      if (made == kept.size()) kept.emplace_back();
      slot = static_cast<int>(made++);
      chainer.Follow(kept[static_cast<std::size_t>(slot)], Key(cell, d, true), mode.dynamic,
                     !mode.nishio, mode.patterns);
    }
    return kept[static_cast<std::size_t>(slot)];
  };
  // Whether a step of `complexity` would come after the best one so far.
  auto worse = [&](int complexity, int sortKey) {
    if (!best) return false;
    const int rating = mode.base + LengthBonus(complexity - 2);
    if (rating != best->step.rating) return rating > best->step.rating;
    if (complexity != best->complexity) return complexity > best->complexity;
    return sortKey >= best->sortKey;
  };
  auto offer = [&](Found found, int complexity, int sortKey) {
    found.complexity = complexity;
    found.sortKey = sortKey;
    found.step.rating = mode.base + LengthBonus(complexity - 2);
    PatternOf(found.step);
    best = std::move(found);
  };
  // A result every branch reached: its length over the branches' nets.
  auto length = [](std::span<const Net* const> nets, int key) {
    int complexity = 0;
    for (const Net* net : nets) complexity += net->Ancestors(net->At(key));
    return complexity;
  };
  auto chains = [](Found& found, std::span<const Net* const> nets, int key) {
    for (const Net* net : nets) found.step.chains.push_back(net->ChainTo(net->At(key)));
  };
  Chainer::Outcome off;  // the net of a candidate's removal, one at a time
  // Lists reused from one cell or unit to the next.
  std::vector<const Net*> valueNets;
  std::vector<int> places;
  std::vector<const Net*> nets;
  // The keys every net of `list` holds: the on potentials, then the off
  // ones, each in the order the first net reached them.
  std::vector<int> common;
  std::vector<int> commonOff;
  auto inAll = [&](std::span<const Net* const> list) -> const std::vector<int>& {
    common.clear();
    commonOff.clear();
    for (int key : list.front()->Order()) {
      if (!std::all_of(list.begin() + 1, list.end(), [&](const Net* net) { return net->Has(key); }))
        continue;
      (IsOn(key) ? common : commonOff).push_back(key);
    }
    common.insert(common.end(), commonOff.begin(), commonOff.end());
    return common;
  };
  // For Nishio chains, the cells of each digit whose assumption either way
  // meets a contradiction: they depend on the digit's cells alone, so they
  // are kept from one board to the next while those stay the same.
  struct Contradictions {
    std::array<std::uint64_t, 2> cells{~std::uint64_t{0}, ~std::uint64_t{0}};
    std::array<std::uint64_t, 2> on{};
    std::array<std::uint64_t, 2> off{};
  };
  thread_local std::array<Contradictions, kN> digitContradictions;
  if (mode.nishio) {
    for (int d = 1; d <= kN; ++d) {
      Contradictions& known = digitContradictions[static_cast<std::size_t>(d - 1)];
      if (known.cells == chainer.CellsOf(d)) continue;
      known = {chainer.CellsOf(d), {}, {}};
      for (std::size_t w = 0; w < 2; ++w) {
        for (std::uint64_t m = known.cells[w]; m; m &= m - 1) {
          const int cell = static_cast<int>(w * 64) + std::countr_zero(m);
          const std::uint64_t bit = std::uint64_t{1} << (cell % 64);
          if (chainer.Contradicts(cell, d, true)) known.on[w] |= bit;
          if (chainer.Contradicts(cell, d, false)) known.off[w] |= bit;
        }
      }
    }
  }
  for (int cell = 0; cell < kCells; ++cell) {
    const Mask cands = grid[static_cast<std::size_t>(cell)];
    const int count = Count(cands);
    if (!(count > 2 || (count > 1 && mode.dynamic))) continue;
    valueNets.clear();
    for (Mask m = cands; m; m &= m - 1) {
      const int d = Lowest(m);
      const bool contradictions = mode.dynamic || mode.nishio;
      const bool both = count >= 3 && !mode.nishio && mode.dynamic;
      // A branch that contradicts itself: its assumption is false.
      auto absurd = [&](const Chainer::Outcome& branch, bool placing) {
        if (!contradictions || branch.absurdOn < 0) return;
        const Net& net = branch.net;
        const int complexity = net.Ancestors(branch.absurdOn) + net.Ancestors(branch.absurdOff);
        if (worse(complexity, 7)) return;
        Found found;
        found.step.technique =
            mode.nishio ? Technique::NishioChains : Technique::ContradictionChains;
        (placing ? found.step.placements : found.step.removals) = {{cell, d}};
        found.step.digit = d;
        found.step.assumption = {cell, d};
        found.step.chains = {net.ChainTo(branch.absurdOn), net.ChainTo(branch.absurdOff)};
        offer(std::move(found), complexity, 7);
      };
      if (mode.nishio) {
        // Only contradictions count here: the nets without one are not made.
        const Contradictions& known = digitContradictions[static_cast<std::size_t>(d - 1)];
        const auto word = static_cast<std::size_t>(cell / 64);
        if (known.on[word] >> (cell % 64) & 1) absurd(onNet(cell, d), false);
        if (known.off[word] >> (cell % 64) & 1) {
          chainer.Follow(off, Key(cell, d, false), mode.dynamic, !mode.nishio, mode.patterns);
          absurd(off, true);
        }
        continue;
      }
      const Chainer::Outcome& on = onNet(cell, d);
      valueNets.push_back(&on.net);
      if (contradictions || both) {
        absurd(on, false);
        chainer.Follow(off, Key(cell, d, false), mode.dynamic, !mode.nishio, mode.patterns);
        absurd(off, true);
        if (both) {
          const std::array<const Net*, 2> pair = {&on.net, &off.net};
          for (int key : inAll(pair)) {
            const int complexity = length(pair, key);
            if (worse(complexity, 1)) continue;
            Found found;
            found.step.technique = Technique::DoubleChains;
            if (!Conclude(found.step, grid, key)) continue;
            found.step.assumption = {cell, d};
            chains(found, pair, key);
            offer(std::move(found), complexity, 1);
          }
        }
      }
      if (mode.nishio) continue;
      // The places of `d` in each unit of the cell, when the cell is the first of them.
      for (int unit : g.unitsOf[static_cast<std::size_t>(cell)]) {
        const auto& all = g.units[static_cast<std::size_t>(unit)];
        places.clear();
        for (int c : all) {
          if (grid[static_cast<std::size_t>(c)] & Bit(d)) places.push_back(c);
        }
        const int n = static_cast<int>(places.size());
        if (!(n == 2 || (mode.multiple && n > 2)) || places.front() != cell) continue;
        nets.clear();
        for (int c : places) nets.push_back(c == cell ? &on.net : &onNet(c, d).net);
        for (int key : inAll(nets)) {
          const int complexity = length(nets, key);
          if (worse(complexity, 6)) continue;
          Found found;
          found.step.technique =
              mode.dynamic ? Technique::DynamicRegionForcingChains : Technique::RegionForcingChains;
          if (!Conclude(found.step, grid, key)) continue;
          found.step.units = {unit};
          found.step.assumption = {cell, d};
          chains(found, nets, key);
          offer(std::move(found), complexity, 6);
        }
      }
    }
    if (mode.nishio || !(count == 2 || (mode.multiple && count > 2))) continue;
    for (int key : inAll(valueNets)) {
      const int complexity = length(valueNets, key);
      if (worse(complexity, 5)) continue;
      Found found;
      found.step.technique =
          mode.dynamic ? Technique::DynamicCellForcingChains : Technique::CellForcingChains;
      if (!Conclude(found.step, grid, key)) continue;
      chains(found, valueNets, key);
      found.step.cells = {cell};
      found.step.assumption = {cell, Lowest(cands)};
      offer(std::move(found), complexity, 5);
    }
  }
  if (!best) return std::nullopt;
  return std::move(best->step);
}

}  // namespace

std::optional<Step> FindNishioChains(const LogicBoard& b) {
  return FindNets(b, {false, true, true, 75});
}

std::optional<Step> FindForcingChains(const LogicBoard& b, bool dynamic) {
  return FindNets(b, {true, dynamic, false, dynamic ? 85 : 80});
}

std::optional<Step> FindForcingChainsPlus(const LogicBoard& b) {
  return FindNets(b, {true, true, false, 90, true});
}

}  // namespace gridora::logic
