// SPDX-License-Identifier: MIT
#include "engine/band_search16.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "engine/band_cells.h"

namespace gridora::engine {
namespace {

// A band word: bit r * 16 + c is row r of the band (0 to 3), column c. Four
// 16-bit lanes, one a row; in each lane four nibbles, one a box.
using Word = std::uint64_t;
constexpr Word kNibbleLow = 0x1111'1111'1111'1111ull;
constexpr Word kLaneLow = 0x0001'0001'0001'0001ull;
constexpr Word kLaneHigh = 0x8000'8000'8000'8000ull;
constexpr unsigned kRow = 0xFFFFu;

// Bit r * 4 + k: row r of the band has a place in box k.
inline unsigned Segments(Word x) {
  Word y = x | x >> 1;
  y = (y | y >> 2) & kNibbleLow;
  y = (y | y >> 3) & 0x0303'0303'0303'0303ull;
  y = (y | y >> 6) & 0x000F'000F'000F'000Full;
  y = (y | y >> 12) & 0x0000'00FF'0000'00FFull;
  return static_cast<unsigned>((y | y >> 24) & kRow);
}

// The cells of a set of segments (the inverse of Segments).
inline Word SegmentCells(unsigned segments) {
  Word z = segments;
  z = (z | z << 24) & 0x0000'00FF'0000'00FFull;
  z = (z | z << 12) & 0x000F'000F'000F'000Full;
  z = (z | z << 6) & 0x0303'0303'0303'0303ull;
  z = (z | z << 3) & kNibbleLow;
  return z * 0xF;
}

// Rows against boxes of one digit in one band, as Segments gives them: the
// four rows take the four boxes one each, so only the pairs of a complete
// matching can hold the digit. The entry keeps those pairs (none when no
// matching is left).
const std::array<std::uint16_t, 65536> kMatched = [] {
  std::array<std::uint16_t, 65536> t{};
  std::array<int, 4> p{0, 1, 2, 3};
  do {
    unsigned need = 0;
    for (int r = 0; r < 4; ++r) need |= 1u << (r * 4 + p[static_cast<std::size_t>(r)]);
    // Every superset of the matching's pairs allows it.
    const unsigned rest = ~need & kRow;
    for (unsigned extra = rest;; extra = (extra - 1) & rest) {
      t[need | extra] = static_cast<std::uint16_t>(t[need | extra] | need);
      if (extra == 0) break;
    }
  } while (std::next_permutation(p.begin(), p.end()));
  return t;
}();

inline Word Matched(Word x) {
  return x & SegmentCells(kMatched[Segments(x)]);
}

inline unsigned Columns(Word x) {
  return static_cast<unsigned>((x | x >> 16 | x >> 32 | x >> 48) & kRow);
}

inline Word Spread(unsigned columns) {
  return Word{columns} * kLaneLow;
}

// Set bits of each nibble of a 16-bit set, as four 4-bit counts.
inline unsigned NibbleCounts(unsigned x) {
  const unsigned a = x - ((x >> 1) & 0x5555u);
  return (a & 0x3333u) + ((a >> 2) & 0x3333u);
}

// Bit 4k set where nibble k of counts (0 to 5) is zero, filled to the whole
// nibble.
inline unsigned ZeroNibbles(unsigned counts) {
  return (~(counts | counts >> 1 | counts >> 2) & 0x1111u) * 0xFu;
}

// The columns of a box (nibble) that is left with one column.
inline unsigned Pinned(unsigned columns) {
  return columns & ZeroNibbles(NibbleCounts(columns) ^ 0x1111u);
}

// From the columns only this band can serve: each box keeps its one such
// column, all columns when it has none, and none when it has two (the box
// cannot serve both).
inline unsigned Keep(unsigned only) {
  const unsigned counts = NibbleCounts(only);
  return (only & ZeroNibbles(counts ^ 0x1111u)) | ZeroNibbles(counts);
}

// The high bit of each lane set when the lane is not empty.
inline Word LaneNonzero(Word x) {
  return (((x & ~kLaneHigh) + ~kLaneHigh) | x) & kLaneHigh;
}

// High bits of lanes widened to whole lanes.
inline Word LaneFill(Word high) {
  return (high >> 15) * kRow;
}

// Each lane without its lowest set bit.
inline Word DropLowest(Word x) {
  return x & ((x | kLaneHigh) - kLaneLow);
}

// The rows with a single place left: that place.
inline Word Lone(Word x) {
  return x & LaneFill(LaneNonzero(x) & ~LaneNonzero(DropLowest(x)));
}

// The band word with its 4 x 4 nibbles transposed: lane k then holds box
// k, nibble r its row r. Its own inverse.
inline Word Transposed(Word x) {
  Word t = (x ^ (x >> 12)) & 0x0000'F0F0'0000'F0F0ull;
  x ^= t ^ (t << 12);
  t = (x ^ (x >> 24)) & 0x0000'0000'FF00'FF00ull;
  return x ^ t ^ (t << 24);
}

// The whole rows of a band that hold any of `cells`.
inline Word RowsOf(Word cells) {
  return LaneFill(LaneNonzero(cells));
}

// The peers of each cell (same row, column or box), as band words.
const std::array<std::array<Word, 4>, 256> kPeers = [] {
  std::array<std::array<Word, 4>, 256> t{};
  for (int c = 0; c < 256; ++c) {
    for (int p = 0; p < 256; ++p) {
      const bool box = p / 64 == c / 64 && p % 16 / 4 == c % 16 / 4;
      if (p != c && (p / 16 == c / 16 || p % 16 == c % 16 || box)) {
        t[static_cast<std::size_t>(c)][static_cast<std::size_t>(p / 64)] |= Word{1} << (p % 64);
      }
    }
  }
  return t;
}();

// Dead ends after which a search counts as hard: every branch is then
// chosen by probing, which costs more than it saves on boards that meet
// few (completing a sparse board with many solutions meets almost none).
constexpr long kProbeAfter = 4;

using DigitBands = std::array<std::array<Word, 4>, 16>;

// Digits against places in one unit (bit c of places[d]: digit d may take
// the unit's cell c). One augmenting path for digit d over the places not
// yet visited; digitAt holds the matching so far.
bool Augment(const std::array<unsigned, 16>& places, std::array<int, 16>& digitAt, int d,
             unsigned& visited) {
  for (;;) {
    const unsigned free = places[static_cast<std::size_t>(d)] & ~visited;
    if (free == 0) return false;
    const int c = std::countr_zero(free);
    visited |= 1u << c;
    int& held = digitAt[static_cast<std::size_t>(c)];
    if (held < 0 || Augment(places, digitAt, held, visited)) {
      held = d;
      return true;
    }
  }
}

// True when the sixteen digits can take sixteen different places of the
// unit. Each digit having a place and each cell a digit is not enough:
// twelve cells may share eleven digits, which the per-digit rules and the
// singles never see.
bool EveryDigitFits(const std::array<unsigned, 16>& places) {
  std::array<int, 16> digitAt;
  digitAt.fill(-1);
  for (int d = 0; d < 16; ++d) {
    unsigned visited = 0;
    if (!Augment(places, digitAt, d, visited)) return false;
  }
  return true;
}

// The set bits of all words: probing counts them twice a probe. The
// package runs on any x86-64, whose first processors lack the popcount
// instruction; the copy that uses it is chosen when the processor has it.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target("popcnt"))) int CountFast(const DigitBands& words) {
  int n = 0;
  for (const auto& bands : words) {
    for (const Word x : bands) n += __builtin_popcountll(x);
  }
  return n;
}
const bool kHasPopcount = [] {
  __builtin_cpu_init();  // this may run before the library's own start-up
  return __builtin_cpu_supports("popcnt") != 0;
}();
#else
int CountFast(const DigitBands&) {
  return 0;
}
constexpr bool kHasPopcount = false;
#endif

int CountPortable(const DigitBands& words) {
  int n = 0;
  for (const auto& bands : words) {
    for (Word x : bands) {
      x = x - ((x >> 1) & 0x5555'5555'5555'5555ull);
      x = (x & 0x3333'3333'3333'3333ull) + ((x >> 2) & 0x3333'3333'3333'3333ull);
      x = (x + (x >> 4)) & 0x0F0F'0F0F'0F0F'0F0Full;
      n += static_cast<int>((x * 0x0101'0101'0101'0101ull) >> 56);
    }
  }
  return n;
}

class BandSearch16 {
 public:
  SearchResult Run(const Masks& masks, int limit, std::span<Grid> keep,
                   const SearchLimits& limits) {
    SearchResult result;
    int depth = 0;
    long deadEnds = 0;
    bool ok = Load(masks) && Propagate();
    for (;;) {
      probed_ = false;
      if (!ok) ++deadEnds;
      if (ok && deadEnds >= kProbeAfter && !Solved()) ok = Probe();
      if (ok && Solved()) {
        if (result.solutions < static_cast<int>(keep.size())) {
          WriteGrid(keep[static_cast<std::size_t>(result.solutions)]);
        }
        if (result.solutions == 0) WriteGrid(result.first);
        if (++result.solutions >= limit) return result;
        ok = false;
      }
      if ((ok || depth > 0) && limits.Reached(result.guesses)) {
        result.stopped = true;
        return result;
      }
      if (ok) {
        // The first way: the digit in the cell. The frame keeps the board
        // for the second: the digit out of it.
        Frame& frame = stack_[depth++];
        if (probed_) {
          frame.way = choice_;
        } else {
          Choose(frame.way);
        }
        frame.state = s_;
        Place(frame.way);
        ok = Propagate();
        ++result.guesses;
        continue;
      }
      if (depth == 0) return result;
      const Frame& frame = stack_[--depth];
      s_ = frame.state;
      Exclude(frame.way);
      ok = Propagate();
      ++result.guesses;
    }
  }

 private:
  struct State {
    DigitBands cand;           // cells each digit may take, by band
    std::array<Word, 4> open;  // cells not yet placed, by band
  };
  // One way of a branch: the digit in the cell (the cell's bit in its band
  // word).
  struct Literal {
    int band;
    int digit;
    Word cell;
  };

  // A branch: the way first, then its opposite (the digit out of the cell).
  struct Frame {
    State state;
    Literal way;
  };

  bool Solved() const { return (s_.open[0] | s_.open[1] | s_.open[2] | s_.open[3]) == 0; }

  int Candidates() const { return kHasPopcount ? CountFast(s_.cand) : CountPortable(s_.cand); }

  void Place(const Literal& l) {
    s_.cand[static_cast<std::size_t>(l.digit)][l.band] &= ~RowsOf(l.cell) | l.cell;
    dirty_ = 1u << l.digit;
  }

  void Exclude(const Literal& l) {
    s_.cand[static_cast<std::size_t>(l.digit)][l.band] &= ~l.cell;
    dirty_ = 1u << l.digit;
  }

  // Calls `pair(a, b)` for every two ways of which one must hold: the two
  // digits of a cell that has two, and the two places of a digit that has
  // two in a row, a box or a column. Stops when `pair` returns false.
  template <typename Pair>
  void ForEachPair(const State& s, Pair pair) const {
    for (int band = 0; band < 4; ++band) {
      Word one = 0, two = 0, three = 0;
      for (const auto& bands : s.cand) {
        const Word x = bands[band];
        three |= two & x;
        two |= one & x;
        one |= x;
      }
      for (Word cells = two & ~three & s.open[band]; cells != 0; cells &= cells - 1) {
        const Word bit = cells & (~cells + 1);
        Literal l[2];
        int k = 0;
        for (int d = 0; d < 16 && k < 2; ++d) {
          if ((s.cand[static_cast<std::size_t>(d)][band] & bit) != 0) l[k++] = {band, d, bit};
        }
        if (!pair(l[0], l[1])) return;
      }
    }
    for (int d = 0; d < 16; ++d) {
      const auto& f = s.cand[static_cast<std::size_t>(d)];
      unsigned one = 0, two = 0, three = 0;
      for (int band = 0; band < 4; ++band) {
        const Word x = f[band] & s.open[band];
        const Word rest = DropLowest(x);
        const Word rows = LaneFill(LaneNonzero(rest) & ~LaneNonzero(DropLowest(rest)));
        for (Word pairs = rows & x; pairs != 0;) {
          const Word a = pairs & (~pairs + 1), b = pairs & ~RowsOf(a);
          const Word second = (pairs & RowsOf(a)) & ~a;
          pairs = b;
          if (!pair(Literal{band, d, a}, Literal{band, d, second})) return;
        }
        const Word boxes = Transposed(x);
        const Word boxRest = DropLowest(boxes);
        for (Word pairs =
                 LaneFill(LaneNonzero(boxRest) & ~LaneNonzero(DropLowest(boxRest))) & boxes;
             pairs != 0;) {
          const Word lane = RowsOf(pairs & (~pairs + 1));
          const Word both = Transposed(pairs & lane);
          pairs &= ~lane;
          const Word a = both & (~both + 1);
          if (!pair(Literal{band, d, a}, Literal{band, d, both & ~a})) return;
        }
        for (int r = 0; r < 4; ++r) {
          const unsigned v = static_cast<unsigned>(f[band] >> (16 * r)) & kRow;
          three |= two & v;
          two |= one & v;
          one |= v;
        }
      }
      for (unsigned columns = two & ~three; columns != 0; columns &= columns - 1) {
        const Word spread = Spread(columns & (~columns + 1));
        Literal l[2];
        int k = 0;
        for (int band = 0; band < 4 && k < 2; ++band) {
          for (Word at = f[band] & spread; at != 0 && k < 2; at &= at - 1) {
            l[k++] = {band, d, at & (~at + 1)};
          }
        }
        // A placed digit's column has one place: only open pairs count.
        if ((s.open[l[0].band] & l[0].cell) == 0 || (s.open[l[1].band] & l[1].cell) == 0) continue;
        if (!pair(l[0], l[1])) return;
      }
    }
  }

  // Every row, column and box can still give each digit a cell of its own
  // (see EveryDigitFits).
  bool UnitsFit() const {
    std::array<std::array<unsigned, 16>, 16> columns{};  // [column][digit]: rows
    for (int band = 0; band < 4; ++band) {
      for (int lane = 0; lane < 4; ++lane) {
        std::array<unsigned, 16> row, box;
        for (int d = 0; d < 16; ++d) {
          const Word x = s_.cand[static_cast<std::size_t>(d)][band];
          row[static_cast<std::size_t>(d)] = static_cast<unsigned>(x >> (16 * lane)) & kRow;
          box[static_cast<std::size_t>(d)] =
              static_cast<unsigned>(Transposed(x) >> (16 * lane)) & kRow;
          for (unsigned at = row[static_cast<std::size_t>(d)]; at != 0; at &= at - 1) {
            columns[static_cast<std::size_t>(std::countr_zero(at))][static_cast<std::size_t>(d)] |=
                1u << (band * 4 + lane);
          }
        }
        if (!EveryDigitFits(row) || !EveryDigitFits(box)) return false;
      }
    }
    for (const auto& column : columns) {
      if (!EveryDigitFits(column)) return false;
    }
    return true;
  }

  // First checks that every unit can still hold every digit. Then tries
  // both ways of every pair that ForEachPair finds: a way that meets
  // a contradiction is taken out, and the board is propagated again.
  // Otherwise the pair whose two ways take the most candidates away (the
  // product of both) is kept in choice_ for the next branch, the way that
  // leaves more room first: on a board with solutions it is the likelier.
  // False on a contradiction.
  bool Probe() {
    if (!UnitsFit()) return false;
    for (;;) {
      const State saved = s_;
      const int total = Candidates();
      long bestScore = -1;
      bool forced = false, dead = false;
      ForEachPair(saved, [&](const Literal& a, const Literal& b) {
        int left[2];
        for (int i = 0; i < 2; ++i) {
          s_ = saved;
          Place(i == 0 ? a : b);
          left[i] = Propagate() ? Candidates() : -1;
        }
        s_ = saved;
        if (left[0] < 0 && left[1] < 0) {
          dead = true;
          return false;
        }
        if (left[0] < 0 || left[1] < 0) {
          Exclude(left[0] < 0 ? a : b);
          if (!Propagate()) dead = true;
          forced = true;
          return false;
        }
        const long score = long{total - left[0] + 1} * (total - left[1] + 1);
        if (score > bestScore) {
          bestScore = score;
          choice_ = left[0] >= left[1] ? a : b;
        }
        return true;
      });
      if (dead) return false;
      if (!forced) {
        probed_ = bestScore >= 0;
        return true;
      }
      if (Solved()) return true;
    }
  }

  // Every digit everywhere, then each cell loses the digits its mask
  // lacks. False when a cell has none.
  bool Load(const Masks& masks) {
    for (auto& bands : s_.cand) bands.fill(~Word{0});
    s_.open.fill(~Word{0});
    for (int c = 0; c < 256; ++c) {
      const unsigned mask = masks[static_cast<std::size_t>(c)];
      if (mask == 0) return false;
      const Word bit = Word{1} << (c & 63);
      for (unsigned lack = ~mask & kRow; lack != 0; lack &= lack - 1) {
        s_.cand[static_cast<std::size_t>(std::countr_zero(lack))]
               [static_cast<std::size_t>(c >> 6)] &= ~bit;
      }
    }
    dirty_ = 0xFFFFu;
    return true;
  }

  // Brings one digit's four bands to a fixed point of the band matchings
  // and the column rules, then places the digit where a row has one place
  // left, taking those cells from the other digits. False on a
  // contradiction.
  bool Settle(int d) {
    auto& f = s_.cand[static_cast<std::size_t>(d)];
    auto& matched = matched_[static_cast<std::size_t>(d)];
    std::array<Word, 4> w = f;
    for (;;) {
      // A word that was matched before needs no second look.
      for (int b = 0; b < 4; ++b) {
        if (w[b] != matched[b]) w[b] = Matched(w[b]);
        if (w[b] == 0) return false;
      }
      matched = w;
      const unsigned c0 = Columns(w[0]), c1 = Columns(w[1]), c2 = Columns(w[2]), c3 = Columns(w[3]);
      if ((c0 | c1 | c2 | c3) != kRow) return false;
      const unsigned p0 = Pinned(c0), p1 = Pinned(c1), p2 = Pinned(c2), p3 = Pinned(c3);
      const std::array<Word, 4> n = {
          w[0] & Spread(Keep(c0 & ~(c1 | c2 | c3)) & ~(p1 | p2 | p3)),
          w[1] & Spread(Keep(c1 & ~(c0 | c2 | c3)) & ~(p0 | p2 | p3)),
          w[2] & Spread(Keep(c2 & ~(c0 | c1 | c3)) & ~(p0 | p1 | p3)),
          w[3] & Spread(Keep(c3 & ~(c0 | c1 | c2)) & ~(p0 | p1 | p2)),
      };
      if (n == w) break;
      w = n;
    }
    f = w;
    for (int band = 0; band < 4; ++band) {
      const Word placed = Lone(f[band]) & s_.open[band];
      if (placed == 0) continue;
      s_.open[band] &= ~placed;
      for (int e = 0; e < 16; ++e) {
        Word& other = s_.cand[static_cast<std::size_t>(e)][band];
        if (e == d || (other & placed) == 0) continue;
        other &= ~placed;
        dirty_ |= 1u << e;
      }
    }
    return true;
  }

  // Settles the digits that changed, then places the cells with one digit
  // left, until nothing changes. False on a contradiction.
  bool Propagate() {
    for (;;) {
      while (dirty_ != 0) {
        const int d = std::countr_zero(dirty_);
        dirty_ &= dirty_ - 1;
        if (!Settle(d)) return false;
      }
      bool found = false;
      for (int band = 0; band < 4; ++band) {
        Word once = 0, twice = 0;
        for (const auto& bands : s_.cand) {
          twice |= once & bands[band];
          once |= bands[band];
        }
        if (once != ~Word{0}) return false;
        const Word single = once & ~twice & s_.open[band];
        if (single == 0) continue;
        found = true;
        for (int d = 0; d < 16; ++d) {
          Word& f = s_.cand[static_cast<std::size_t>(d)][band];
          const Word mine = f & single;
          if (mine == 0) continue;
          // Two of them in one row would leave one cell empty.
          if (Lone(mine) != mine) return false;
          f &= ~RowsOf(mine) | mine;
          dirty_ |= 1u << d;
        }
      }
      if (!found) return true;
    }
  }

  // Among the open cells with two digits, the one whose digits reach the
  // most candidates of its peers. False when there is none.
  bool WidestPair(Literal& way) const {
    int bestScore = -1;
    for (int band = 0; band < 4; ++band) {
      Word one = 0, two = 0, three = 0;
      for (const auto& bands : s_.cand) {
        const Word x = bands[band];
        three |= two & x;
        two |= one & x;
        one |= x;
      }
      for (Word pairs = two & ~three & s_.open[band]; pairs != 0; pairs &= pairs - 1) {
        const Word bit = pairs & (~pairs + 1);
        const auto& peers = kPeers[static_cast<std::size_t>(band * 64 + std::countr_zero(bit))];
        int score = 0, first = -1;
        for (int d = 0; d < 16; ++d) {
          const auto& f = s_.cand[static_cast<std::size_t>(d)];
          if ((f[band] & bit) == 0) continue;
          if (first < 0) first = d;
          for (int b = 0; b < 4; ++b) score += std::popcount(f[b] & peers[b]);
        }
        if (score > bestScore) {
          bestScore = score;
          way.band = band;
          way.digit = first;
          way.cell = bit;
        }
      }
    }
    return bestScore >= 0;
  }

  // The branch without probing: a cell with two digits, else a digit with
  // two places, else the cell with the fewest digits. Two ways either way;
  // on a board whose first rows are filled, the digits' places run out
  // before the cells do.
  void Choose(Literal& way) const {
    if (WidestPair(way)) return;
    bool found = false;
    ForEachPair(s_, [&](const Literal& a, const Literal&) {
      way = a;
      found = true;
      return false;
    });
    if (!found) ChooseCell(way);
  }

  // The open cell with the fewest digits left (the first such), and its
  // lowest digit.
  void ChooseCell(Literal& way) const {
    int bestBand = -1, best = 17;
    Word bestBit = 0;
    for (int band = 0; band < 4 && best > 2; ++band) {
      Word one = 0, two = 0, three = 0, four = 0;
      for (const auto& bands : s_.cand) {
        const Word x = bands[band];
        four |= three & x;
        three |= two & x;
        two |= one & x;
        one |= x;
      }
      const Word open = s_.open[band];
      const Word exact[2] = {two & ~three & open, three & ~four & open};
      for (int k = 0; k < 2 && best > k + 2; ++k) {
        if (exact[k] != 0) {
          best = k + 2;
          bestBand = band;
          bestBit = exact[k] & (~exact[k] + 1);
        }
      }
      if (best <= 3) continue;
      FewestDigits(four & open, s_.cand, band, best, bestBand, bestBit);
    }
    int d = 0;
    while ((s_.cand[static_cast<std::size_t>(d)][bestBand] & bestBit) == 0) ++d;
    way.band = bestBand;
    way.digit = d;
    way.cell = bestBit;
  }

  void WriteGrid(Grid& grid) const {
    grid.fill(0);
    for (int d = 0; d < 16; ++d) {
      for (int band = 0; band < 4; ++band) {
        for (Word x = s_.cand[static_cast<std::size_t>(d)][band]; x != 0; x &= x - 1) {
          grid[static_cast<std::size_t>(band * 64 + std::countr_zero(x))] =
              static_cast<std::uint8_t>(d + 1);
        }
      }
    }
  }

  // The last words of each digit that Matched left as they were: Matched
  // keeps them unchanged, whatever board they come back in.
  std::array<std::array<Word, 4>, 16> matched_{};
  State s_;
  bool probed_ = false;  // choice_ holds the branch Probe found best
  Literal choice_{};
  unsigned dirty_ = 0;            // digits whose bands changed since they were settled
  std::array<Frame, 256> stack_;  // the first way of a branch places a cell
};

}  // namespace

SearchResult CountSolutions16(const Masks& masks, int limit, std::span<Grid> keep,
                              const SearchLimits& limits) {
  BandSearch16 search;
  return search.Run(masks, limit < 1 ? 1 : limit, keep, limits);
}

}  // namespace gridora::engine
