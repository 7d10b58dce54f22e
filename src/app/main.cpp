// Gridora's entry point. Start-up runs in this order: tables (the solver's too), defaults,
// the empty 9 x 9 puzzle. Until the main window exists the program has
// nothing to show and returns after start-up.

#include "core/board.h"
#include "core/recording_screen.h"
#include "core/startup.h"
#include "solver/solver_tables.h"

int main() {
  using namespace gridora;
  AppState state;
  RecordingScreen screen;
  App app{state, screen};
  InitTables(state);
  InitSolverTables(state);
  ApplyDefaultSettings(app);
  NewPuzzle9(app);
  return 0;
}
