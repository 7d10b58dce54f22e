// Gridora's entry point. Start-up runs in this order: tables (with the
// settings file's path and the solver's), defaults, the settings file, the empty 9 x 9
// puzzle, the document named on the command line. Until the main window
// exists the program has nothing to show and returns after start-up.

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "core/board.h"
#include "core/command_line.h"
#include "core/recording_screen.h"
#include "core/startup.h"
#include "settings/settings_file.h"
#include "solver/solver_tables.h"
#include "system/launcher.h"
#include "system/profile.h"

int main(int argc, char** argv) {
  using namespace gridora;
  AppState state;
  RecordingScreen screen;
  App app{state, screen};
  SetIniFile(state, kIniFileName);
  InitTables(state);
  InitSolverTables(state);
  ApplyDefaultSettings(app);
  LoadSettings(app);
  NewPuzzle9(app);
  OpenCommandLineDocument(app, std::vector<std::string>(argv + 1, argv + argc),
                          [app](const std::string& path) {
                            // A relative name means the folder the user started us from.
                            std::error_code error;
                            const auto absolute = std::filesystem::absolute(path, error);
                            OpenWithAssociatedProgram(app, error ? path : absolute.string());
                          });
  return 0;
}
