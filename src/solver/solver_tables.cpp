// SPDX-License-Identifier: MIT
#include "solver/solver_tables.h"

#include <cmath>

#include "solver/masks.h"

namespace gridora {

const std::array<const char*, 8> kSolveMessageTexts = {
    "Gridora",       "成功！",        "エラー発生  場所：", "解けませんでした",
    "成功！ -標準-", "成功！ -普通-", "成功！ -難問-",      "???",
};

void InitSolverTables(AppState& state) {
  for (std::size_t i = 0; i < kSolveMessageTexts.size(); ++i) {
    state.SolveMessages[i] = kSolveMessageTexts[i];
  }
}

namespace {

template <int N>
bool IsLegalOn(const BoardCodes& board, int cell, int digit) {
  using G = Geometry<N>;
  if (cell < 0 || cell >= G::C) return false;
  bool legal = true;
  for (int kind = 0; kind < kUnitKinds; ++kind) {
    for (int k = 0; k < N; ++k) {
      const int peer = G::UnitCell(cell, kind, k);
      if (peer != cell && board[static_cast<std::size_t>(peer)] % 128 == digit) legal = false;
    }
  }
  return legal;
}

}  // namespace

bool IsPlacementLegal(const AppState& state, int cell, int digit) {
  return state.BoardSize == 9 ? IsLegalOn<9>(state.Board, cell, digit)
                              : IsLegalOn<16>(state.Board, cell, digit);
}

int ProgressFilled(int open, int emptyAtStart) {
  if (emptyAtStart == 0) return 16;
  return 16 - static_cast<int>(std::floor(16.0 * open / emptyAtStart + 0.5));
}

void AppendProgressText(std::string& text, int solutionNumber, int filled) {
  static constexpr const char* kFullWidthDigits[] = {"０", "１", "２", "３", "４",
                                                     "５", "６", "７", "８", "９"};
  text += "検索中：解";
  if (solutionNumber >= 10) text += kFullWidthDigits[(solutionNumber / 10) % 10];
  text += kFullWidthDigits[solutionNumber % 10];
  text += "  ";
  if (filled < 0) filled = 0;
  if (filled > 16) filled = 16;
  for (int i = 0; i < filled; ++i) text += "■";
  for (int i = filled; i < 16; ++i) text += "□";
}

}  // namespace gridora
