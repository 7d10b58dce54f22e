// Gridora's entry point. Start-up runs in this order: tables, defaults,
// the empty 9 x 9 puzzle, the document named on the command line. Until the
// main window exists the program has nothing to show and returns after
// start-up.

#include <string>
#include <vector>

#include "core/board.h"
#include "core/command_line.h"
#include "core/recording_screen.h"
#include "core/startup.h"

int main(int argc, char** argv) {
  using namespace gridora;
  AppState state;
  RecordingScreen screen;
  App app{state, screen};
  InitTables(state);
  ApplyDefaultSettings(app);
  NewPuzzle9(app);
  OpenCommandLineDocument(app, std::vector<std::string>(argv + 1, argv + argc));
  return 0;
}
