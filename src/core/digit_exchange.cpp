// SPDX-License-Identifier: MIT
#include "core/digit_exchange.h"

#include <algorithm>
#include <array>

#include "core/board.h"

namespace gridora {

std::optional<ExchangeRepair> RepairExchange(std::span<const int> choices, int changed) {
  const int n = static_cast<int>(choices.size());
  if (n > kMaxDigit || changed < 0 || changed >= n) return std::nullopt;
  std::array<int, kMaxDigit> count{};
  for (const int choice : choices) {
    if (choice < 0 || choice >= n) return std::nullopt;
    ++count[static_cast<std::size_t>(choice)];
  }
  const int s = choices[static_cast<std::size_t>(changed)];
  if (count[static_cast<std::size_t>(s)] == 1) return std::nullopt;
  // s is held twice, so by pigeonhole some target is held by no list.
  const auto freed = std::find(count.begin(), count.begin() + n, 0);
  for (int k = 0; k < n; ++k) {
    if (k != changed && choices[static_cast<std::size_t>(k)] == s)
      return ExchangeRepair{k, static_cast<int>(freed - count.begin())};
  }
  return std::nullopt;
}

void ExchangeDigits(App app, std::span<const int> choices) {
  AppState& s = app.state;
  // Digit d becomes map[d]; every digit without a choice keeps its number.
  std::array<int, kClassStep> map{};
  for (int d = 0; d < kClassStep; ++d) map[static_cast<std::size_t>(d)] = d;
  const int n = std::min(static_cast<int>(choices.size()), s.BoardSize);
  for (int i = 0; i < n; ++i) {
    const int target = choices[static_cast<std::size_t>(i)];
    if (target >= 0 && target < s.BoardSize) map[static_cast<std::size_t>(i + 1)] = target + 1;
  }
  for (int k = 0; k < s.CellCount(); ++k) {
    const int code = s.Board[static_cast<std::size_t>(k)];
    s.Board[static_cast<std::size_t>(k)] =
        static_cast<CellCode>(code - DigitOf(code) + map[static_cast<std::size_t>(DigitOf(code))]);
  }
  RedrawBoard(app);
  s.DataChanged = true;
}

}  // namespace gridora
