// SPDX-License-Identifier: MIT
#include "engine/band_search.h"

#include <array>
#include <bit>
#include <cstdint>

namespace gridora::engine {
namespace {

// A band word: bit r * 9 + c is row r of the band (0 to 2), column c.
using Word = std::uint32_t;
constexpr Word kBand = (1u << 27) - 1u;
constexpr Word kRow = 0x1FFu;

// A 9-bit row of a band, or a 9-bit set of columns, read as three groups of
// three: the boxes of the band.
constexpr std::array<std::uint8_t, 512> kBoxesOfRow = [] {
  std::array<std::uint8_t, 512> t{};
  for (unsigned x = 0; x < 512; ++x) {
    for (unsigned k = 0; k < 3; ++k) {
      if (x & (7u << (3 * k))) t[x] = static_cast<std::uint8_t>(t[x] | (1u << k));
    }
  }
  return t;
}();

// Rows against boxes of one digit in one band: bit r * 3 + k of the index
// says that row r still has a place in box k. The three rows take the three
// boxes one each, so only the row-box pairs of a complete matching can hold
// the digit; the entry keeps their cells (zero when no matching is left).
constexpr int kPermutations[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2},
                                     {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
constexpr std::array<Word, 512> kMatched = [] {
  std::array<Word, 512> t{};
  for (unsigned m = 0; m < 512; ++m) {
    for (const auto& p : kPermutations) {
      Word cells = 0;
      bool fits = true;
      for (int r = 0; r < 3; ++r) {
        fits = fits && (m & (1u << (r * 3 + p[r]))) != 0;
        cells |= 7u << (9 * r + 3 * p[r]);
      }
      if (fits) t[m] |= cells;
    }
  }
  return t;
}();

// Columns of a band that are the only column of their box holding the
// digit: the band takes the digit in that column, the other bands lose it.
constexpr std::array<std::uint16_t, 512> kPinned = [] {
  std::array<std::uint16_t, 512> t{};
  for (unsigned x = 0; x < 512; ++x) {
    for (unsigned k = 0; k < 3; ++k) {
      const unsigned g = (x >> (3 * k)) & 7u;
      if (g != 0 && (g & (g - 1)) == 0) t[x] = static_cast<std::uint16_t>(t[x] | (g << (3 * k)));
    }
  }
  return t;
}();

// Columns that only this band can serve: the box holding such a column
// keeps the digit in that column alone (none when a box would need two).
constexpr std::array<std::uint16_t, 512> kKeep = [] {
  std::array<std::uint16_t, 512> t{};
  for (unsigned x = 0; x < 512; ++x) {
    for (unsigned k = 0; k < 3; ++k) {
      const unsigned g = (x >> (3 * k)) & 7u;
      const unsigned keep = g == 0 ? 7u : (g & (g - 1)) == 0 ? g : 0u;
      t[x] = static_cast<std::uint16_t>(t[x] | (keep << (3 * k)));
    }
  }
  return t;
}();

// The cells of a set of segments (bit r * 3 + k: row r of the band within
// box k).
constexpr std::array<Word, 512> kSegmentCells = [] {
  std::array<Word, 512> t{};
  for (unsigned m = 0; m < 512; ++m) {
    for (unsigned i = 0; i < 9; ++i) {
      if (m & (1u << i)) t[m] |= 7u << (9 * (i / 3) + 3 * (i % 3));
    }
  }
  return t;
}();

// Segments that must hold the digit: the row keeps it to that segment, and
// so does the box.
constexpr std::array<Word, 512> kHoldAt = [] {
  std::array<Word, 512> t{};
  for (unsigned m = 0; m < 512; ++m) {
    Word keep = kBand;
    for (unsigned i = 0; i < 9; ++i) {
      if ((m & (1u << i)) == 0) continue;
      const unsigned r = i / 3, k = i % 3;
      const Word segment = 7u << (9 * r + 3 * k);
      keep &= ~(kRow << (9 * r)) | segment;
      for (unsigned r2 = 0; r2 < 3; ++r2) {
        if (r2 != r) keep &= ~(7u << (9 * r2 + 3 * k));
      }
    }
    t[m] = keep;
  }
  return t;
}();

// A row with a single place left: that place, else zero.
constexpr std::array<std::uint16_t, 512> kLone = [] {
  std::array<std::uint16_t, 512> t{};
  for (unsigned x = 1; x < 512; ++x) {
    if ((x & (x - 1)) == 0) t[x] = static_cast<std::uint16_t>(x);
  }
  return t;
}();

// Bit r * 3 + k: row r of the band has a place in box k.
inline unsigned Segments(Word x) {
  return kBoxesOfRow[x & kRow] | kBoxesOfRow[(x >> 9) & kRow] << 3 | kBoxesOfRow[x >> 18] << 6;
}

inline Word Matched(Word x) {
  return x & kMatched[Segments(x)];
}

// The cells of each of the six row-box matchings of a band.
constexpr std::array<Word, 6> kMatchingCells = [] {
  std::array<Word, 6> t{};
  for (int i = 0; i < 6; ++i) {
    for (int r = 0; r < 3; ++r) t[i] |= 7u << (9 * r + 3 * kPermutations[i][r]);
  }
  return t;
}();

// How many matchings a segment set (as Segments gives it) still allows.
constexpr std::array<std::uint8_t, 512> kMatchings = [] {
  std::array<std::uint8_t, 512> t{};
  for (unsigned m = 0; m < 512; ++m) {
    for (const auto& p : kPermutations) {
      unsigned need = 0;
      for (int r = 0; r < 3; ++r) need |= 1u << (r * 3 + p[r]);
      if ((m & need) == need) ++t[m];
    }
  }
  return t;
}();

inline unsigned Columns(Word x) {
  return (x | x >> 9 | x >> 18) & kRow;
}

inline Word Spread(unsigned columns) {
  return columns | columns << 9 | columns << 18;
}

inline Word Lone(Word x) {
  return kLone[x & kRow] | Word{kLone[(x >> 9) & kRow]} << 9 | Word{kLone[x >> 18]} << 18;
}

// Counts, per bit, how many of the words added have it, up to four.
struct Tally {
  unsigned one = 0, two = 0, three = 0, four = 0;
  void Add(unsigned x) {
    four |= three & x;
    three |= two & x;
    two |= one & x;
    one |= x;
  }
  unsigned Three() const { return three & ~four; }
};

inline Word RowOf(Word bit) {
  return bit <= kRow ? kRow : bit <= (kRow << 9) ? kRow << 9 : kRow << 18;
}

// The rows of a band holding any of `cells`, whole.
inline Word RowsOf(Word cells) {
  return ((cells & kRow) != 0 ? kRow : 0) | ((cells & kRow << 9) != 0 ? kRow << 9 : 0) |
         ((cells & kRow << 18) != 0 ? kRow << 18 : 0);
}

// Guesses after which a search counts as hard: it then reasons on
// mini-lines and branches on band matchings.
constexpr long kHardAfter = 16;

class BandSearch {
 public:
  SearchResult Run(const Masks& masks, int limit, std::span<Grid> keep,
                   const SearchLimits& limits) {
    Load(masks);
    SearchResult result;
    int depth = 0;
    bool ok = Propagate();
    for (;;) {
      if (ok && (s_.open[0] | s_.open[1] | s_.open[2]) == 0) {
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
        // Take the first way of a branch; the frame keeps the board for
        // the others.
        Frame& frame = stack_[depth++];
        if (result.guesses >= kHardAfter) hard_ = true;
        Choose(frame);
        frame.state = s_;
        frame.next = 1;
        s_.cand[frame.digit][frame.band] &= frame.ways[0];
        dirty_ = 1u << frame.digit;
        ok = Propagate();
        ++result.guesses;
        continue;
      }
      if (depth == 0) return result;
      Frame& frame = stack_[depth - 1];
      s_ = frame.state;
      s_.cand[frame.digit][frame.band] &= frame.ways[frame.next];
      if (++frame.next == frame.count) --depth;  // the last way needs no saved board
      dirty_ = 1u << frame.digit;
      ok = Propagate();
      ++result.guesses;
    }
  }

 private:
  struct State {
    std::array<std::array<Word, 3>, 9> cand;  // cells each digit may take, by band
    std::array<Word, 3> open;                 // cells not yet placed, by band
  };
  // A branch: the ways it splits one digit's band into, tried in turn.
  struct Frame {
    State state;
    std::array<Word, 6> ways;  // masks of the digit's band, one a way
    int count;
    int next;
    int band;
    int digit;
  };

  // Every digit everywhere, then each cell loses the digits its mask lacks
  // (few walks: an open cell lacks none, a given lacks eight).
  void Load(const Masks& masks) {
    for (auto& bands : s_.cand) bands = {kBand, kBand, kBand};
    s_.open = {kBand, kBand, kBand};
    for (int band = 0; band < 3; ++band) {
      for (int k = 0; k < 27; ++k) {
        const Word bit = 1u << k;
        for (unsigned lack = ~masks[static_cast<std::size_t>(band * 27 + k)] & 0x1FFu; lack != 0;
             lack &= lack - 1) {
          s_.cand[static_cast<std::size_t>(std::countr_zero(lack))][band] &= ~bit;
        }
      }
    }
    dirty_ = 0x1FFu;
  }

  // Brings one digit's three bands to a fixed point of the band matchings
  // and the column rules, then places the digit where a row has one place
  // left, taking those cells from the other digits. False on a
  // contradiction.
  bool Settle(int d) {
    auto& f = s_.cand[d];
    auto& matched = matched_[d];
    Word a = f[0], b = f[1], c = f[2];
    for (;;) {
      // A word that was matched before needs no second look.
      if (a != matched[0]) a = Matched(a);
      if (b != matched[1]) b = Matched(b);
      if (c != matched[2]) c = Matched(c);
      if (a == 0 || b == 0 || c == 0) return false;
      matched = {a, b, c};
      const unsigned ca = Columns(a), cb = Columns(b), cc = Columns(c);
      if ((ca | cb | cc) != kRow) return false;
      const unsigned pa = kPinned[ca], pb = kPinned[cb], pc = kPinned[cc];
      const Word na = a & Spread(kKeep[ca & ~(cb | cc)] & ~(pb | pc));
      const Word nb = b & Spread(kKeep[cb & ~(ca | cc)] & ~(pa | pc));
      const Word nc = c & Spread(kKeep[cc & ~(ca | cb)] & ~(pa | pb));
      if (na == a && nb == b && nc == c) break;
      a = na;
      b = nb;
      c = nc;
    }
    f = {a, b, c};
    for (int band = 0; band < 3; ++band) {
      const Word placed = Lone(f[band]) & s_.open[band];
      if (placed == 0) continue;
      s_.open[band] &= ~placed;
      for (int e = 0; e < 9; ++e) {
        Word& other = s_.cand[e][band];
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
    bool linesDone = false;
    for (;;) {
      while (dirty_ != 0) {
        const int d = std::countr_zero(dirty_);
        dirty_ &= dirty_ - 1;
        if (!Settle(d)) return false;
      }
      std::array<Word, 3> once{}, twice{};
      for (const auto& bands : s_.cand) {
        for (int band = 0; band < 3; ++band) {
          twice[band] |= once[band] & bands[band];
          once[band] |= bands[band];
        }
      }
      bool found = false;
      for (int band = 0; band < 3; ++band) {
        if (once[band] != kBand) return false;
        const Word single = once[band] & ~twice[band] & s_.open[band];
        if (single == 0) continue;
        found = true;
        for (int d = 0; d < 9; ++d) {
          Word& f = s_.cand[d][band];
          const Word mine = f & single;
          if (mine == 0) continue;
          // Two of them in one row would leave one cell empty.
          if (Lone(mine) != mine) return false;
          f &= ~RowsOf(mine) | mine;
          dirty_ |= 1u << d;
        }
      }
      if (!found) {
        // Mini-lines cost more than they save on easy boards: only once a
        // search has guessed a while, and once a propagation.
        if (!hard_ || linesDone) return true;
        linesDone = true;
        bool changed = false;
        if (!MiniLines(changed)) return false;
        if (!changed) return true;
      }
    }
  }

  // A mini-line, the three cells where a box meets a row or a column,
  // holds three different digits. When only three digits can go there,
  // each of them must; when three digits must, no other can. False on a
  // contradiction (fewer than three can, more than three must).
  bool MiniLines(bool& changed) {
    std::array<std::array<unsigned, 3>, 9> rows, columns;
    for (int d = 0; d < 9; ++d) {
      for (int band = 0; band < 3; ++band) {
        rows[d][band] = Segments(s_.cand[d][band]);
        columns[d][band] = Columns(s_.cand[d][band]);
      }
    }
    const auto set = [&](int d, int band, Word keep) {
      Word& f = s_.cand[d][band];
      if ((f & keep) == f) return;
      f &= keep;
      dirty_ |= 1u << d;
      changed = true;
    };
    for (int band = 0; band < 3; ++band) {
      const int o1 = band == 0 ? 1 : 0, o2 = band == 2 ? 1 : 2;
      Tally can, must, canColumn, mustColumn;
      for (int d = 0; d < 9; ++d) {
        can.Add(rows[d][band]);
        must.Add(kPinned[rows[d][band]]);
        canColumn.Add(columns[d][band]);
        mustColumn.Add(columns[d][band] & ~(columns[d][o1] | columns[d][o2]));
      }
      if ((can.three & canColumn.three) != kRow || (must.four | mustColumn.four) != 0) {
        return false;
      }
      const unsigned canThree = can.Three(), mustThree = must.Three();
      const unsigned canColumnThree = canColumn.Three(), mustColumnThree = mustColumn.Three();
      if ((canThree | mustThree | canColumnThree | mustColumnThree) == 0) continue;
      for (int d = 0; d < 9; ++d) {
        const unsigned r = rows[d][band], c = columns[d][band];
        Word keep = kHoldAt[r & canThree] & ~kSegmentCells[mustThree & r & ~kPinned[r]];
        const unsigned held = c & canColumnThree;
        const unsigned mine = c & ~(columns[d][o1] | columns[d][o2]);
        keep &= Spread(kKeep[held] & ~(mustColumnThree & c & ~mine));
        set(d, band, keep);
        if (held != 0) {
          set(d, o1, ~Spread(held));
          set(d, o2, ~Spread(held));
        }
      }
    }
    return true;
  }

  // The cell branch: an open cell with two digits left if there is one,
  // else the open cell with the fewest; its lowest digit there, or not.
  void ChooseCell(Frame& frame) const {
    std::array<Word, 3> once{}, twice{}, thrice{};
    for (const auto& bands : s_.cand) {
      for (int band = 0; band < 3; ++band) {
        thrice[band] |= twice[band] & bands[band];
        twice[band] |= once[band] & bands[band];
        once[band] |= bands[band];
      }
    }
    int bestBand = -1, best = 10;
    Word bestBit = 0;
    for (int band = 0; band < 3 && best > 2; ++band) {
      const Word two = twice[band] & ~thrice[band] & s_.open[band];
      if (two != 0) {
        bestBand = band;
        bestBit = two & (~two + 1);
        best = 2;
        break;
      }
      for (Word open = s_.open[band]; open != 0; open &= open - 1) {
        const Word bit = open & (~open + 1);
        int n = 0;
        for (const auto& bands : s_.cand) n += (bands[band] & bit) != 0;
        if (n < best) {
          best = n;
          bestBand = band;
          bestBit = bit;
        }
      }
    }
    int d = 0;
    while ((s_.cand[d][bestBand] & bestBit) == 0) ++d;
    frame.band = bestBand;
    frame.digit = d;
    frame.ways[0] = ~RowOf(bestBit) | bestBit;
    frame.ways[1] = ~bestBit;
    frame.count = 2;
  }

  // The band branch: one digit's row-box matchings in one band.
  void ChooseBand(Frame& frame, int d, int band) const {
    const unsigned m = Segments(s_.cand[d][band]);
    frame.band = band;
    frame.digit = d;
    frame.count = 0;
    for (const Word cells : kMatchingCells) {
      if ((Segments(cells) & m) == Segments(cells)) frame.ways[frame.count++] = cells;
    }
  }

  // The branch: the band whose digits have the fewest matchings left in
  // all, and there the digit with the fewest (more than one); a cell when
  // every digit has its matching fixed in every band.
  void Choose(Frame& frame) const {
    // Without the mini-lines, fixing matchings can go far into a dead end
    // on a sparse board before any cell runs dry.
    if (!hard_) return ChooseCell(frame);
    std::array<std::array<int, 3>, 9> count;
    int bestBand = -1, bestSum = 9 * 6 + 1;
    for (int band = 0; band < 3; ++band) {
      int sum = 0;
      bool open = false;
      for (int d = 0; d < 9; ++d) {
        count[d][band] = kMatchings[Segments(s_.cand[d][band])];
        sum += count[d][band];
        open = open || count[d][band] > 1;
      }
      if (open && sum < bestSum) {
        bestSum = sum;
        bestBand = band;
      }
    }
    if (bestBand < 0) return ChooseCell(frame);
    int best = 0;
    for (int d = 1; d < 9; ++d) {
      const int n = count[d][bestBand];
      if (n > 1 && (count[best][bestBand] < 2 || n < count[best][bestBand])) best = d;
    }
    ChooseBand(frame, best, bestBand);
  }

  void WriteGrid(Grid& grid) const {
    grid.fill(0);
    for (int d = 0; d < 9; ++d) {
      for (int band = 0; band < 3; ++band) {
        for (Word x = s_.cand[d][band]; x != 0; x &= x - 1) {
          grid[static_cast<std::size_t>(band * 27 + std::countr_zero(x))] =
              static_cast<std::uint8_t>(d + 1);
        }
      }
    }
  }

  bool hard_ = false;  // see kHardAfter
  // The last words of each digit that Matched left as they were: Matched
  // keeps them unchanged, whatever board they come back in.
  std::array<std::array<Word, 3>, 9> matched_{};
  State s_;
  unsigned dirty_ = 0;            // digits whose bands changed since they were settled
  std::array<Frame, 112> stack_;  // a way places a cell or fixes a band's rows
};

}  // namespace

SearchResult CountSolutions9(const Masks& masks, int limit, std::span<Grid> keep,
                             const SearchLimits& limits) {
  BandSearch search;
  return search.Run(masks, limit < 1 ? 1 : limit, keep, limits);
}

}  // namespace gridora::engine
