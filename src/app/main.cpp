// Gridora's entry point. Start-up runs in this order: tables, defaults,
// the empty 9 x 9 puzzle. Until the main window exists the program has
// nothing to show and returns after start-up.

#include "core/board.h"
#include "core/recording_screen.h"
#include "core/startup.h"

int main() {
  using namespace gridora;
  AppState state;
  RecordingScreen screen;
  App app{state, screen};
  InitTables(state);
  ApplyDefaultSettings(app);
  NewPuzzle9(app);
  return 0;
}
