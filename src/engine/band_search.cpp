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
constexpr std::array<Word, 512> kMatched = [] {
  constexpr int kPermutations[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2},
                                       {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
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

// A row with a single place left: that place, else zero.
constexpr std::array<std::uint16_t, 512> kLone = [] {
  std::array<std::uint16_t, 512> t{};
  for (unsigned x = 1; x < 512; ++x) {
    if ((x & (x - 1)) == 0) t[x] = static_cast<std::uint16_t>(x);
  }
  return t;
}();

inline Word Matched(Word x) {
  return x & kMatched[kBoxesOfRow[x & kRow] | kBoxesOfRow[(x >> 9) & kRow] << 3 |
                      kBoxesOfRow[x >> 18] << 6];
}

inline unsigned Columns(Word x) {
  return (x | x >> 9 | x >> 18) & kRow;
}

inline Word Spread(unsigned columns) {
  return columns | columns << 9 | columns << 18;
}

inline Word Lone(Word x) {
  return kLone[x & kRow] | Word{kLone[(x >> 9) & kRow]} << 9 | Word{kLone[x >> 18]} << 18;
}

inline Word RowOf(Word bit) {
  return bit <= kRow ? kRow : bit <= (kRow << 9) ? kRow << 9 : kRow << 18;
}

class BandSearch {
 public:
  SearchResult Run(const Masks& masks, int limit, std::span<Grid> keep) {
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
      if (ok) {
        // Try one digit of a cell; the frame keeps the board to try the
        // cell without it.
        Frame& frame = stack_[depth++];
        Choose(frame);
        frame.state = s_;
        s_.cand[frame.digit][frame.band] &= ~RowOf(frame.bit) | frame.bit;
        dirty_ = 1u << frame.digit;
        ok = Propagate();
        ++result.guesses;
        continue;
      }
      if (depth == 0) return result;
      const Frame& frame = stack_[--depth];
      s_ = frame.state;
      s_.cand[frame.digit][frame.band] &= ~frame.bit;
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
  struct Frame {
    State state;
    Word bit;
    int band;
    int digit;
  };

  void Load(const Masks& masks) {
    for (auto& bands : s_.cand) bands = {0, 0, 0};
    s_.open = {kBand, kBand, kBand};
    for (int c = 0; c < 81; ++c) {
      const Word bit = 1u << (c % 27);
      const int band = c / 27;
      for (unsigned m = masks[static_cast<std::size_t>(c)] & 0x1FFu; m != 0; m &= m - 1) {
        s_.cand[static_cast<std::size_t>(std::countr_zero(m))][band] |= bit;
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
    Word a = f[0], b = f[1], c = f[2];
    for (;;) {
      a = Matched(a);
      b = Matched(b);
      c = Matched(c);
      if (a == 0 || b == 0 || c == 0) return false;
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
        for (Word single = once[band] & ~twice[band] & s_.open[band]; single != 0;
             single &= single - 1) {
          const Word bit = single & (~single + 1);
          int d = 0;
          while ((s_.cand[d][band] & bit) == 0) ++d;
          s_.cand[d][band] &= ~RowOf(bit) | bit;
          dirty_ |= 1u << d;
          found = true;
        }
      }
      if (!found) return true;
    }
  }

  // The branch: an open cell with two digits left if there is one, else
  // the open cell with the fewest; its lowest digit.
  void Choose(Frame& frame) const {
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
    frame.bit = bestBit;
    frame.digit = d;
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

  State s_;
  unsigned dirty_ = 0;  // digits whose bands changed since they were settled
  std::array<Frame, 81> stack_;
};

}  // namespace

SearchResult CountSolutions9(const Masks& masks, int limit, std::span<Grid> keep) {
  BandSearch search;
  return search.Run(masks, limit < 1 ? 1 : limit, keep);
}

}  // namespace gridora::engine
