// SPDX-License-Identifier: MIT
#include "engine/search.h"

#include <bit>

#include "engine/band_search.h"
#include "engine/band_search16.h"

namespace gridora::engine {
namespace {

using Mask = std::uint16_t;

inline bool IsSingle(Mask m) {
  return (m & (m - 1)) == 0;
}

// Cells of every unit and peers of every cell, built at compile time.
template <int N>
struct Shape {
  static constexpr int B = N == 9 ? 3 : 4;
  static constexpr int C = N * N;
  static constexpr int kUnits = 3 * N;
  // Row and column neighbours, plus the box cells outside both.
  static constexpr int kPeers = 2 * (N - 1) + (B - 1) * (B - 1);
  static constexpr Mask kFull = static_cast<Mask>(N == 16 ? 0xFFFFu : (1u << N) - 1u);

  using Cells = std::array<std::uint8_t, N>;
  std::array<Cells, kUnits> units{};
  std::array<std::array<std::uint8_t, kPeers>, C> peers{};
  std::array<std::array<std::uint8_t, 3>, C> unitsOf{};  // row, column and box of a cell

  static constexpr int BoxOf(int cell) { return cell / (B * N) * B + cell % N / B; }

  constexpr Shape() {
    for (int u = 0; u < N; ++u) {
      for (int k = 0; k < N; ++k) {
        units[u][k] = static_cast<std::uint8_t>(u * N + k);      // row
        units[N + u][k] = static_cast<std::uint8_t>(k * N + u);  // column
        units[2 * N + u][k] =
            static_cast<std::uint8_t>((u / B * B + k / B) * N + u % B * B + k % B);  // box
      }
    }
    for (int c = 0; c < C; ++c) {
      unitsOf[c] = {static_cast<std::uint8_t>(c / N), static_cast<std::uint8_t>(N + c % N),
                    static_cast<std::uint8_t>(2 * N + BoxOf(c))};
      int n = 0;
      for (int p = 0; p < C; ++p) {
        if (p == c) continue;
        if (p / N == c / N || p % N == c % N || BoxOf(p) == BoxOf(c)) {
          peers[c][n++] = static_cast<std::uint8_t>(p);
        }
      }
    }
  }
};

template <int N>
inline constexpr Shape<N> kShape{};

// Naked and hidden singles on an N x N board, one candidate mask a cell.
template <int N>
class Singles {
 public:
  using S = Shape<N>;
  static constexpr int C = S::C;

  // True when singles solve the board.
  bool Fill(const Masks& masks, Grid& grid) {
    if (!Load(masks) || !Propagate() || board_.left != 0) return false;
    WriteGrid(grid);
    return true;
  }

 private:
  struct Board {
    std::array<Mask, C> cand;
    int left;                            // cells not yet placed
    std::array<Mask, S::kUnits> placed;  // digits placed in each unit
  };
  bool Load(const Masks& masks) {
    head_ = tail_ = 0;
    board_.left = C;
    board_.placed.fill(0);
    for (int c = 0; c < C; ++c) {
      const Mask m = static_cast<Mask>(masks[static_cast<std::size_t>(c)] & S::kFull);
      if (m == 0) return false;
      board_.cand[c] = m;
      if (IsSingle(m)) Push(c);
    }
    return true;
  }

  void Push(int cell) { queue_[tail_++] = static_cast<std::uint8_t>(cell); }

  // Every cell enters the queue once at most, when its mask becomes a
  // single digit; placing it takes that digit from its peers.
  bool Drain() {
    while (head_ < tail_) {
      const int cell = queue_[head_++];
      const Mask bit = board_.cand[cell];
      --board_.left;
      for (const std::uint8_t u : kShape<N>.unitsOf[cell]) board_.placed[u] |= bit;
      for (const std::uint8_t p : kShape<N>.peers[cell]) {
        Mask m = board_.cand[p];
        if ((m & bit) == 0) continue;
        m = static_cast<Mask>(m & ~bit);
        board_.cand[p] = m;
        if (m == 0) return false;
        if (IsSingle(m)) Push(p);
      }
    }
    return true;
  }

  // A digit that has one place left in a unit goes there, and is placed at
  // once so that the units after it see the result. `found` tells whether
  // any was. False when a unit has lost a digit or one cell is the only
  // place of two digits.
  bool HiddenSingles(bool& found) {
    for (int u = 0; u < S::kUnits; ++u) {
      const Mask placed = board_.placed[u];
      if (placed == S::kFull) continue;
      const auto& unit = kShape<N>.units[u];
      Mask once = 0, twice = 0;
      for (const std::uint8_t c : unit) {
        const Mask m = board_.cand[c];
        twice |= once & m;
        once |= m;
      }
      if (once != S::kFull) return false;
      // The queue is empty here, so every single is placed: a digit placed
      // in the unit appears once but is no news.
      Mask hidden = static_cast<Mask>(once & ~twice & ~placed);
      if (hidden == 0) continue;
      for (const std::uint8_t c : unit) {
        const Mask x = board_.cand[c] & hidden;
        if (x == 0) continue;
        if (!IsSingle(x)) return false;
        board_.cand[c] = x;
        Push(c);
        hidden = static_cast<Mask>(hidden & ~x);
        if (hidden == 0) break;
      }
      found = true;
      if (!Drain()) return false;
      if (board_.left == 0) return true;
    }
    return true;
  }

  // Naked and hidden singles to a fixed point. False on a contradiction.
  bool Propagate() {
    for (;;) {
      if (!Drain()) return false;
      if (board_.left == 0) return true;
      bool found = false;
      if (!HiddenSingles(found)) return false;
      if (!found) return true;
    }
  }

  void WriteGrid(Grid& grid) const {
    grid.fill(0);
    for (int c = 0; c < C; ++c) {
      grid[static_cast<std::size_t>(c)] =
          static_cast<std::uint8_t>(std::countr_zero(unsigned(board_.cand[c])) + 1);
    }
  }

  Board board_;
  std::array<std::uint8_t, C> queue_;
  int head_ = 0;
  int tail_ = 0;
};

bool KnownSize(int boardSize) {
  return boardSize == 9 || boardSize == 16;
}

// The masks of a board's digits; false (and the masks unusable) when the
// size is unknown or a byte is no digit of the size.
bool MasksOf(int boardSize, const Grid& givens, Masks& masks) {
  if (!KnownSize(boardSize)) return false;
  const Mask full = static_cast<Mask>(boardSize == 16 ? 0xFFFFu : 0x1FFu);
  masks.fill(0);
  for (int c = 0; c < boardSize * boardSize; ++c) {
    const int d = givens[static_cast<std::size_t>(c)];
    if (d > boardSize) return false;
    masks[static_cast<std::size_t>(c)] = d == 0 ? full : static_cast<Mask>(1u << (d - 1));
  }
  return true;
}

}  // namespace

SearchResult CountSolutionsFromMasks(int boardSize, const Masks& masks, int limit,
                                     std::span<Grid> keep, const SearchLimits& limits) {
  if (limit < 1) limit = 1;
  if (boardSize == 16) return CountSolutions16(masks, limit, keep, limits);
  if (boardSize != 9) return {};
  return CountSolutions9(masks, limit, keep, limits);
}

SearchResult CountSolutions(int boardSize, const Grid& givens, int limit, std::span<Grid> keep,
                            const SearchLimits& limits) {
  if (boardSize == 9) return CountSolutions9(givens, limit, keep, limits);
  Masks masks;
  if (!MasksOf(boardSize, givens, masks)) return {};
  return CountSolutionsFromMasks(boardSize, masks, limit, keep, limits);
}

bool SolveBySingles(int boardSize, const Grid& givens, Grid& grid) {
  Masks masks;
  if (!MasksOf(boardSize, givens, masks)) return false;
  if (boardSize == 16) {
    Singles<16> singles;
    return singles.Fill(masks, grid);
  }
  Singles<9> singles;
  return singles.Fill(masks, grid);
}

bool IsSolvedGrid(int boardSize, const Grid& grid) {
  if (!KnownSize(boardSize)) return false;
  const int n = boardSize;
  const int b = n == 16 ? 4 : 3;
  for (int c = 0; c < n * n; ++c) {
    if (grid[static_cast<std::size_t>(c)] > n) return false;
  }
  for (int u = 0; u < n; ++u) {
    unsigned row = 0, column = 0, box = 0;
    for (int k = 0; k < n; ++k) {
      const int boxCell = (u / b * b + k / b) * n + u % b * b + k % b;
      row |= 1u << grid[static_cast<std::size_t>(u * n + k)];
      column |= 1u << grid[static_cast<std::size_t>(k * n + u)];
      box |= 1u << grid[static_cast<std::size_t>(boxCell)];
    }
    const unsigned all = ((1u << n) - 1u) << 1;
    if (row != all || column != all || box != all) return false;
  }
  return true;
}

bool SolvesPuzzle(int boardSize, const Grid& givens, const Grid& grid) {
  if (!IsSolvedGrid(boardSize, grid)) return false;
  for (int c = 0; c < boardSize * boardSize; ++c) {
    const auto i = static_cast<std::size_t>(c);
    if (givens[i] != 0 && givens[i] != grid[i]) return false;
  }
  return true;
}

}  // namespace gridora::engine
