// SPDX-License-Identifier: MIT
#pragma once
// A deliberately simple solution counter to check the engine against: plain
// recursion, legality tested by walking the row, column and box, no
// propagation. Each step branches on the open cell with the fewest legal
// digits or on the digit with the fewest legal places in a row, column or
// box, whichever has fewer choices, so that a digit without a place ends a
// branch at once.

#include <array>
#include <vector>

#include "engine/search.h"

namespace gridora::testing {

// The unoptimised sanitizer build runs a tenth of the random cases; the
// normal build runs them all.
#ifdef NDEBUG
inline constexpr int kCaseDivisor = 1;
#else
inline constexpr int kCaseDivisor = 10;
#endif

class ReferenceCounter {
 public:
  ReferenceCounter(int size, const engine::Grid& givens)
      : n_(size), b_(size == 16 ? 4 : 3), g_(givens) {
    allowed_.fill(0xFFFFu);
  }
  // An empty board whose cells may only take the digits of their masks.
  ReferenceCounter(int size, const engine::Masks& allowed)
      : n_(size), b_(size == 16 ? 4 : 3), g_{}, allowed_(allowed) {}

  // Solutions up to `limit`; 0 when two givens clash.
  int Count(int limit) {
    for (int c = 0; c < n_ * n_; ++c) {
      const int d = g_[static_cast<std::size_t>(c)];
      if (d == 0) continue;
      g_[static_cast<std::size_t>(c)] = 0;
      const bool legal = d <= n_ && Legal(c, d);
      g_[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(d);
      if (!legal) return 0;
    }
    limit_ = limit;
    found_ = 0;
    Recurse();
    return found_;
  }

 private:
  bool Legal(int cell, int d) const {
    if ((allowed_[static_cast<std::size_t>(cell)] >> (d - 1) & 1u) == 0) return false;
    const int row = cell / n_, column = cell % n_;
    const int top = row / b_ * b_, left = column / b_ * b_;
    for (int k = 0; k < n_; ++k) {
      if (g_[static_cast<std::size_t>(row * n_ + k)] == d) return false;
      if (g_[static_cast<std::size_t>(k * n_ + column)] == d) return false;
      if (g_[static_cast<std::size_t>((top + k / b_) * n_ + left + k % b_)] == d) return false;
    }
    return true;
  }

  int UnitCell(int unit, int k) const {
    const int i = unit % n_;
    if (unit < n_) return i * n_ + k;
    if (unit < 2 * n_) return k * n_ + i;
    return (i / b_ * b_ + k / b_) * n_ + i % b_ * b_ + k % b_;
  }

  void Recurse() {
    std::array<unsigned, 256> legal{};
    std::vector<int> choices;  // cells to fill, with the digit or 0 for every digit
    std::size_t best = static_cast<std::size_t>(n_) + 1;
    for (int c = 0; c < n_ * n_; ++c) {
      if (g_[static_cast<std::size_t>(c)] != 0) continue;
      std::vector<int> here;
      for (int d = 1; d <= n_; ++d) {
        if (!Legal(c, d)) continue;
        legal[static_cast<std::size_t>(c)] |= 1u << d;
        here.push_back(c * 32 + d);
      }
      if (here.size() < best) best = here.size(), choices = here;
    }
    if (best == static_cast<std::size_t>(n_) + 1) {
      ++found_;
      return;
    }
    for (int unit = 0; unit < 3 * n_ && best > 1; ++unit) {
      for (int d = 1; d <= n_; ++d) {
        std::vector<int> places;
        bool present = false;
        for (int k = 0; k < n_; ++k) {
          const int c = UnitCell(unit, k);
          present = present || g_[static_cast<std::size_t>(c)] == d;
          if (legal[static_cast<std::size_t>(c)] >> d & 1u) places.push_back(c * 32 + d);
        }
        if (!present && places.size() < best) best = places.size(), choices = places;
      }
    }
    for (const int choice : choices) {
      if (found_ >= limit_) return;
      g_[static_cast<std::size_t>(choice / 32)] = static_cast<std::uint8_t>(choice % 32);
      Recurse();
      g_[static_cast<std::size_t>(choice / 32)] = 0;
    }
  }

  int n_, b_;
  engine::Grid g_;
  engine::Masks allowed_;
  int limit_ = 1;
  int found_ = 0;
};

}  // namespace gridora::testing
