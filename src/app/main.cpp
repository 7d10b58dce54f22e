// Gridora's entry point. Start-up runs in this order: tables (with the
// settings file's path), defaults, the settings file, the empty 9 x 9 puzzle. Until the main window
// exists the program has nothing to show and returns after start-up.

#include "core/board.h"
#include "core/recording_screen.h"
#include "core/startup.h"
#include "settings/settings_file.h"
#include "system/profile.h"

int main() {
  using namespace gridora;
  AppState state;
  RecordingScreen screen;
  App app{state, screen};
  SetIniFile(state, kIniFileName);
  InitTables(state);
  ApplyDefaultSettings(app);
  LoadSettings(app);
  NewPuzzle9(app);
  return 0;
}
