// SPDX-License-Identifier: MIT
#include "engine/generator.h"
#include "engine/generation_run.h"

#include <numeric>
#include <optional>
#include <utility>
#include <vector>

#include "solver/puzzle_line.h"

namespace gridora::engine {
namespace {

std::uint64_t SplitMix(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

std::uint64_t RotateLeft(std::uint64_t x, int k) {
  return (x << k) | (x >> (64 - k));
}

template <typename T>
void Shuffle(std::vector<T>& items, Random& random) {
  for (int i = static_cast<int>(items.size()) - 1; i > 0; --i) {
    std::swap(items[static_cast<std::size_t>(i)],
              items[static_cast<std::size_t>(random.Below(i + 1))]);
  }
}

// An order of 0 to n - 1 that keeps blocks of `side` together: the blocks
// shuffled, and the members of each block shuffled. Rows (or columns) moved
// this way keep a solved grid solved.
std::vector<int> BandOrder(int n, int side, Random& random) {
  std::vector<int> bands(static_cast<std::size_t>(n / side));
  std::iota(bands.begin(), bands.end(), 0);
  Shuffle(bands, random);
  std::vector<int> order;
  for (const int band : bands) {
    std::vector<int> members(static_cast<std::size_t>(side));
    std::iota(members.begin(), members.end(), band * side);
    Shuffle(members, random);
    order.insert(order.end(), members.begin(), members.end());
  }
  return order;
}

Masks MasksOfPuzzle(int boardSize, const Grid& puzzle) {
  const std::uint16_t full = boardSize == 16 ? 0xFFFFu : 0x1FFu;
  Masks masks{};
  for (int c = 0; c < boardSize * boardSize; ++c) {
    const int d = puzzle[static_cast<std::size_t>(c)];
    masks[static_cast<std::size_t>(c)] = d == 0 ? full : static_cast<std::uint16_t>(1u << (d - 1));
  }
  return masks;
}

// Looks for a solution of `masks` that puts another digit than solution[a]
// in cell a: one solution when there is such a one, none when there is not,
// `stopped` when `limits` ended the search first.
SearchResult OtherAt(int boardSize, Masks masks, const Grid& solution, int a,
                     const SearchLimits& limits) {
  const auto i = static_cast<std::size_t>(a);
  masks[i] = static_cast<std::uint16_t>(masks[i] & ~(1u << (solution[i] - 1)));
  return CountSolutionsFromMasks(boardSize, masks, 1, {}, limits);
}

}  // namespace

Random::Random(std::uint64_t seed) {
  for (std::uint64_t& word : s_) word = SplitMix(seed);
}

std::uint64_t Random::Next() {
  const std::uint64_t result = RotateLeft(s_[1] * 5, 7) * 9;
  const std::uint64_t t = s_[1] << 17;
  s_[2] ^= s_[0];
  s_[3] ^= s_[1];
  s_[1] ^= s_[2];
  s_[0] ^= s_[3];
  s_[2] ^= t;
  s_[3] = RotateLeft(s_[3], 45);
  return result;
}

int Random::Below(int n) {
  const auto range = static_cast<std::uint64_t>(n < 1 ? 1 : n);
  const std::uint64_t reject = (0 - range) % range;  // 2^64 mod range
  std::uint64_t r = Next();
  while (r < reject) r = Next();
  return static_cast<int>(r % range);
}

Grid RandomFullGrid(int boardSize, Random& random, long* guesses) {
  const int n = boardSize;
  const int side = n == 16 ? 4 : 3;
  // The boxes on the diagonal share no row or column; the search completes
  // the rest. Now and then it wanders long in a dead end before it finds a
  // completion: such a start is given up after a bounded number of guesses
  // and new diagonal boxes are drawn, which seldom fare the same.
  SearchLimits bound;
  bound.maxGuesses = kCompletionGuesses;
  SearchResult done;
  if (guesses != nullptr) *guesses = 0;
  do {
    Grid start{};
    for (int box = 0; box < side; ++box) {
      std::vector<int> digits(static_cast<std::size_t>(n));
      std::iota(digits.begin(), digits.end(), 1);
      Shuffle(digits, random);
      for (int k = 0; k < n; ++k) {
        const int cell = (box * side + k / side) * n + box * side + k % side;
        start[static_cast<std::size_t>(cell)] =
            static_cast<std::uint8_t>(digits[static_cast<std::size_t>(k)]);
      }
    }
    done = CountSolutions(n, start, 1, {}, bound);
    if (guesses != nullptr) *guesses += done.guesses;
  } while (done.solutions == 0);
  const Grid& full = done.first;
  // The search fills the rest the same way each time; moving rows and
  // columns within their bands spreads the grids further.
  const std::vector<int> rows = BandOrder(n, side, random);
  const std::vector<int> columns = BandOrder(n, side, random);
  Grid grid{};
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) {
      grid[static_cast<std::size_t>(r * n + c)] = full[static_cast<std::size_t>(
          rows[static_cast<std::size_t>(r)] * n + columns[static_cast<std::size_t>(c)])];
    }
  }
  return grid;
}

namespace {

// RemoveClues, asking `abandon` before each clue (or pair) and searching
// within `limits`; nothing when it said yes or a search was stopped.
std::optional<Grid> RemoveCluesUnless(int boardSize, const Grid& solution, Symmetry symmetry,
                                      Random& random, Grade ceiling,
                                      const std::function<bool()>& abandon,
                                      const SearchLimits& limits) {
  const int cells = boardSize * boardSize;
  std::vector<std::pair<int, int>> orbits;  // second == first for a lone cell
  for (int c = 0; c < cells; ++c) {
    const int partner = symmetry == Symmetry::Rotate180 ? cells - 1 - c : c;
    if (partner >= c) orbits.emplace_back(c, partner);
  }
  Shuffle(orbits, random);
  Grid puzzle = solution;
  for (const auto& [a, b] : orbits) {
    if (abandon && abandon()) return std::nullopt;
    Grid trial = puzzle;
    trial[static_cast<std::size_t>(a)] = 0;
    trial[static_cast<std::size_t>(b)] = 0;
    // Singles prove the solution unique on their own, and rate at most 2.3:
    // every grade keeps a trial they fill, with no search and no rating.
    Grid filled{};
    if (SolveBySingles(boardSize, trial, filled)) {
      puzzle = trial;
      continue;
    }
    if (ceiling == Grade::Easy) continue;
    // Steps up to 3.4 never assume the solution unique, so solving by them
    // proves it.
    if (ceiling == Grade::Standard) {
      if (RatingOf(boardSize, trial, kStandardMaxRating) <= kStandardMaxRating) puzzle = trial;
      continue;
    }
    // The puzzle before had one solution, so any other solution of the
    // trial differs from it in a or in b.
    Masks masks = MasksOfPuzzle(boardSize, trial);
    SearchResult other = OtherAt(boardSize, masks, solution, a, limits);
    if (!other.stopped && other.solutions == 0 && b != a) {
      masks[static_cast<std::size_t>(a)] =
          static_cast<std::uint16_t>(1u << (solution[static_cast<std::size_t>(a)] - 1));
      other = OtherAt(boardSize, masks, solution, b, limits);
    }
    if (other.stopped) return std::nullopt;
    bool unique = other.solutions == 0;
    if (unique && ceiling == Grade::Hard)
      unique = RatingOf(boardSize, trial, kHardMaxRating) <= kHardMaxRating;
    if (unique) puzzle = trial;
  }
  return puzzle;
}

// The seed of attempt k: the run's seed itself for the first, so that a
// puzzle made at the first try is the one a single attempt gives.
std::uint64_t AttemptSeed(std::uint64_t seed, int attempt) {
  if (attempt == 0) return seed;
  std::uint64_t x = seed + static_cast<std::uint64_t>(attempt) * 0x9E6C63D0676A9A99ull;
  return SplitMix(x);
}

}  // namespace

Grid RemoveClues(int boardSize, const Grid& solution, Symmetry symmetry, Random& random,
                 Grade ceiling) {
  return *RemoveCluesUnless(boardSize, solution, symmetry, random, ceiling, {}, {});
}

std::optional<Generated> GenerateAttempt(const GenerateOptions& options, int attempt,
                                         const std::function<bool()>& abandon) {
  const int n = options.boardSize == 16 ? 16 : 9;
  Random random(AttemptSeed(options.seed, attempt));
  Generated g;
  g.solution = RandomFullGrid(n, random);
  // The cancel flag also stops a uniqueness proof that runs long.
  SearchLimits limits;
  limits.cancel = options.cancel;
  const std::optional<Grid> puzzle =
      RemoveCluesUnless(n, g.solution, options.symmetry, random,
                        options.grade.value_or(Grade::Expert), abandon, limits);
  if (!puzzle) return std::nullopt;
  g.puzzle = *puzzle;
  g.grade = GradeOf(n, g.puzzle);
  g.attempts = attempt + 1;
  for (int c = 0; c < n * n; ++c) g.clues += g.puzzle[static_cast<std::size_t>(c)] != 0;
  return g;
}

Generated Generate(const GenerateOptions& options) {
  Generated made;
  made.cancelled = true;
  RunGeneration(
      options, 1, [&](std::size_t) { return options.seed; },
      [&](std::size_t, const Generated& g) { made = g; });
  return made;
}

void GenerateBatch(const GenerateOptions& options, std::size_t count,
                   const std::function<void(std::size_t, const Generated&)>& emit) {
  RunGeneration(
      options, count, [&](std::size_t n) { return PuzzleSeed(options.seed, n); }, emit);
}

std::uint64_t PuzzleSeed(std::uint64_t seed, std::uint64_t n) {
  std::uint64_t x = seed ^ (n * 0xD1B54A32D192ED03ull);
  return SplitMix(x);
}

std::string PuzzleLineOf(int boardSize, const Grid& grid) {
  std::string line;
  for (int c = 0; c < boardSize * boardSize; ++c) {
    line += PuzzleCharOf(grid[static_cast<std::size_t>(c)]);
  }
  return line;
}

}  // namespace gridora::engine
