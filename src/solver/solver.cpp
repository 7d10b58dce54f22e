// SPDX-License-Identifier: MIT
#include "solver/solver.h"

#include "solver/hypothesis_search.h"

namespace gridora {

namespace {

template <int N>
SolveOutcome Solve(const BoardCodes& board, const SolveSettings& settings,
                   const std::array<std::string, 8>& messages, SolveHook* hook) {
  SolveOutcome outcome;
  HypothesisSearch<N> search(board, settings, messages, hook, outcome);
  search.Run();
  return outcome;
}

}  // namespace

SolveSettings SolveSettingsOf(const AppState& state) {
  SolveSettings settings;
  const int limit = state.BoardSize == 9 ? state.settings.KateiMax9 : state.settings.KateiMax16;
  settings.limit = limit < 0 ? 0 : limit;
  settings.mode = state.settings.KateiMode;
  settings.alternatives = state.settings.AAnswerCheak;
  settings.showLevel = state.settings.LPrintMode;
  return settings;
}

SolveOutcome Solve9(const BoardCodes& board, const SolveSettings& settings,
                    const std::array<std::string, 8>& messages, SolveHook* hook) {
  return Solve<9>(board, settings, messages, hook);
}

SolveOutcome Solve16(const BoardCodes& board, const SolveSettings& settings,
                     const std::array<std::string, 8>& messages, SolveHook* hook) {
  return Solve<16>(board, settings, messages, hook);
}

}  // namespace gridora
