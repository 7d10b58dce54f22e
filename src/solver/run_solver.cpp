// SPDX-License-Identifier: MIT
#include "solver/run_solver.h"

#include "core/board.h"
#include "core/slots.h"

namespace gridora {

namespace {

// Progress text and yields go straight to the screen.
class ScreenHook final : public SolveHook {
 public:
  ScreenHook(ScreenPort& screen, int yieldEvery) : SolveHook(yieldEvery), screen_(screen) {}
  void ShowProgress(const std::string& text) override { screen_.SetInformText(text); }
  void Yield() override { screen_.Yield(); }

 private:
  ScreenPort& screen_;
};

void StoreAnswers(App app, const SolveOutcome& outcome) {
  const int stored = outcome.storedAnswers();
  for (int n = 1; n <= stored; ++n) {
    app.state.AnswerSlot[static_cast<std::size_t>(n)] =
        outcome.answers[static_cast<std::size_t>(n - 1)];
  }
  for (int n = 1; n <= kSlotCount; ++n) EnableAnswerSlot(app, n, n <= stored);
}

}  // namespace

SolveOutcome RunSolver(App app, int yieldEvery) {
  app.screen.SetSolving(true);
  ScreenHook hook(app.screen, yieldEvery);
  const SolveSettings settings = SolveSettingsOf(app.state);
  const SolveOutcome outcome =
      app.state.BoardSize == 9 ? Solve9(app.state.Board, settings, app.state.SolveMessages, &hook)
                               : Solve16(app.state.Board, settings, app.state.SolveMessages, &hook);
  if (outcome.solutionCount > 0) StoreAnswers(app, outcome);
  if (outcome.tooMany()) {
    // The board stays as it was; only the slots changed.
  } else if (outcome.solutionCount > 0) {
    FetchAnswerSlot(app, 1);
  } else {
    app.state.Board = outcome.board;
    RedrawBoard(app);
  }
  app.screen.SetInformText(outcome.message);
  app.screen.SetSolving(false);
  return outcome;
}

}  // namespace gridora
