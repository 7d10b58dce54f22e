#include "ui/main/legal_placement.h"

namespace gridora::ui {

bool PlacementAllowed(const AppState& s, int cell, int digit) {
  const int n = s.BoardSize;
  const int box = BoxSideOf(n);
  const int row = cell / n;
  const int col = cell % n;
  const int boxRow = row / box * box;
  const int boxCol = col / box * box;
  for (int i = 0; i < n; ++i) {
    const int peers[] = {row * n + i, i * n + col, (boxRow + i / box) * n + boxCol + i % box};
    for (int peer : peers) {
      if (peer != cell && DigitOf(s.Board[static_cast<std::size_t>(peer)]) == digit) return false;
    }
  }
  return true;
}

}  // namespace gridora::ui
