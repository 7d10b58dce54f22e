// SPDX-License-Identifier: MIT
#include "engine/band_search.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "engine/band_cells.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define GRIDORA_BAND_AVX2 1
#else
#define GRIDORA_BAND_AVX2 0
#endif

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

// A set of columns (9 bits) as the cells it covers in a band's three rows.
constexpr Word Spread(unsigned columns) {
  return columns | columns << 9 | columns << 18;
}

// Columns of a band that are the only column of their box holding the
// digit: the band takes the digit in that column, the other bands lose it.
// Kept as the cells of those columns, ready to mask a band word.
constexpr std::array<Word, 512> kPinned = [] {
  std::array<Word, 512> t{};
  for (unsigned x = 0; x < 512; ++x) {
    unsigned pinned = 0;
    for (unsigned k = 0; k < 3; ++k) {
      const unsigned g = (x >> (3 * k)) & 7u;
      if (g != 0 && (g & (g - 1)) == 0) pinned |= g << (3 * k);
    }
    t[x] = Spread(pinned);
  }
  return t;
}();

// Columns that only this band can serve: the box holding such a column
// keeps the digit in that column alone (none when a box would need two).
// Kept as cells, like kPinned.
constexpr std::array<Word, 512> kKeep = [] {
  std::array<Word, 512> t{};
  for (unsigned x = 0; x < 512; ++x) {
    unsigned kept = 0;
    for (unsigned k = 0; k < 3; ++k) {
      const unsigned g = (x >> (3 * k)) & 7u;
      kept |= (g == 0 ? 7u : (g & (g - 1)) == 0 ? g : 0u) << (3 * k);
    }
    t[x] = Spread(kept);
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

inline Word Lone(Word x) {
  return kLone[x & kRow] | Word{kLone[(x >> 9) & kRow]} << 9 | Word{kLone[x >> 18]} << 18;
}

// Counts, per bit, how many of the words added have it, up to four.
struct Tally {
  std::uint64_t one = 0, two = 0, three = 0, four = 0;
  void Add(std::uint64_t x) {
    four |= three & x;
    three |= two & x;
    two |= one & x;
    one |= x;
  }
  std::uint64_t Three() const { return three & ~four; }
};

// Three 9-bit fields, one a band (bits band * 9 on).
constexpr std::uint64_t kBands = (1u << 27) - 1u;

// Each band's field with the other two bands' fields ORed in.
inline std::uint64_t OtherBands(std::uint64_t x) {
  return ((x >> 9 | x << 18) | (x >> 18 | x << 9)) & kBands;
}

// Of nine 3-bit groups (a row's three boxes, as Segments gives them, for
// each band), the groups with a single bit: the test of kPinned, three bands
// at once.
inline std::uint64_t PinnedGroups(std::uint64_t x) {
  constexpr std::uint64_t kLow = 0x01249249u;
  const std::uint64_t a = x & kLow, b = x >> 1 & kLow, c = x >> 2 & kLow;
  return x & ((a ^ b ^ c) & ~(a & b & c)) * 7;
}

inline Word RowOf(Word bit) {
  return bit <= kRow ? kRow : bit <= (kRow << 9) ? kRow << 9 : kRow << 18;
}

// A digit's band words, and a fourth word that stays zero.
using Bands = std::array<Word, 4>;

// Four band words as one vector: the compiler's vectors are SSE registers
// on x86-64 and plain words where a processor has none.
using Lanes = Word __attribute__((vector_size(16)));
constexpr Lanes kAllLanes = {kBand, kBand, kBand, 0};

inline Lanes LanesOf(const Bands& bands) {
  Lanes x;
  std::memcpy(&x, bands.data(), sizeof x);
  return x;
}

inline void Store(Bands& bands, Lanes x) {
  std::memcpy(bands.data(), &x, sizeof x);
}

// Lone on the lanes of a digit whose rows all keep a place: taking one
// from each row (no borrow then crosses a row) clears its lowest place, so
// a row left empty had a single one. Vector steps, no table.
inline Lanes LoneLanes(Lanes x) {
  constexpr Word kLow = 1u | 1u << 9 | 1u << 18;
  constexpr Lanes kLows = {kLow, kLow, kLow, 0};
  constexpr Lanes kRows = {kRow, kRow, kRow, kRow};
  const Lanes rest = x & (x - kLows);
  const auto single = [rest](Lanes row) {
    return reinterpret_cast<Lanes>((rest & row) == 0) & row;
  };
  return x & (single(kRows) | single(kRows << 9) | single(kRows << 18));
}

// Columns of each lane, a vector step for the three bands.
inline Lanes Columns(Lanes x) {
  return (x | x >> 9 | x >> 18) & kRow;
}

// True when any lane is not zero.
inline bool Any(Lanes x) {
  std::uint64_t halves[2];
  std::memcpy(halves, &x, sizeof x);
  return (halves[0] | halves[1]) != 0;
}

// The rows of a band holding any of `cells`, whole.
inline Word RowsOf(Word cells) {
  return ((cells & kRow) != 0 ? kRow : 0) | ((cells & kRow << 9) != 0 ? kRow << 9 : 0) |
         ((cells & kRow << 18) != 0 ? kRow << 18 : 0);
}

// Guesses after which a search counts as hard: it then reasons on
// mini-lines and branches on band matchings.
constexpr long kHardAfter = 16;
// Open cells after the first propagation from which a board counts as hard
// from the start: so sparse a board (26 cells placed or fewer) takes many
// guesses on cells. Boards with more placed, where the mini-lines seldom
// save a guess, keep the cheaper way until kHardAfter; so does the
// generator's start, three boxes filled (54 open), whose completions stay
// as they were.
constexpr int kHardOpen = 55;

// The search for any processor.
namespace plain {
#define GRIDORA_BAND_PEXT 0
#include "engine/band_search_body.h"
#undef GRIDORA_BAND_PEXT
}  // namespace plain

#if GRIDORA_BAND_AVX2
// The same search compiled for AVX2 and BMI2, run only where the processor
// has them (kHasAvx2). The helpers above keep the plain target and are
// inlined into these functions.
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2,bmi,bmi2,popcnt,lzcnt"))), \
                             apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2,bmi,bmi2,popcnt,lzcnt")
#endif
namespace avx2 {
#define GRIDORA_BAND_PEXT 1
#include "engine/band_search_body.h"
#undef GRIDORA_BAND_PEXT
}  // namespace avx2
#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

const bool kHasAvx2 = [] {
  __builtin_cpu_init();  // this may run before the library's own start-up
  return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi2") &&
         __builtin_cpu_supports("bmi") && __builtin_cpu_supports("popcnt");
}();
#else
constexpr bool kHasAvx2 = false;
#endif

}  // namespace

bool SearchIsaAvailable(SearchIsa isa) {
  return isa == SearchIsa::Plain || kHasAvx2;
}

namespace {

// Loads the board (masks or digits) into the build of the search chosen
// and runs it.
template <class Board>
SearchResult Run(const Board& board, int limit, std::span<Grid> keep, const SearchLimits& limits,
                 [[maybe_unused]] SearchIsa isa) {
  if (limit < 1) limit = 1;
#if GRIDORA_BAND_AVX2
  if (isa == SearchIsa::Avx2 && kHasAvx2) {
    avx2::BandSearch search;
    search.Load(board);
    return search.Run(limit, keep, limits);
  }
#endif
  plain::BandSearch search;
  search.Load(board);
  return search.Run(limit, keep, limits);
}

SearchIsa Best() {
  return kHasAvx2 ? SearchIsa::Avx2 : SearchIsa::Plain;
}

}  // namespace

SearchResult CountSolutions9(const Masks& masks, int limit, std::span<Grid> keep,
                             const SearchLimits& limits, SearchIsa isa) {
  return Run(masks, limit, keep, limits, isa);
}

SearchResult CountSolutions9(const Masks& masks, int limit, std::span<Grid> keep,
                             const SearchLimits& limits) {
  return Run(masks, limit, keep, limits, Best());
}

SearchResult CountSolutions9(const Grid& givens, int limit, std::span<Grid> keep,
                             const SearchLimits& limits, SearchIsa isa) {
  std::uint8_t top = 0;  // no early exit: the loop runs on vectors
  for (std::size_t c = 0; c < 81; ++c) top = std::max(top, givens[c]);
  if (top > 9) return {};
  return Run(givens, limit, keep, limits, isa);
}

SearchResult CountSolutions9(const Grid& givens, int limit, std::span<Grid> keep,
                             const SearchLimits& limits) {
  return CountSolutions9(givens, limit, keep, limits, Best());
}

}  // namespace gridora::engine
