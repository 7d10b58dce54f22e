// SPDX-License-Identifier: MIT
#include "ui/main/start_up.h"

#include <QCoreApplication>
#include <filesystem>
#include <system_error>

#include "core/board.h"
#include "core/command_line.h"
#include "core/startup.h"
#include "settings/settings_file.h"
#include "solver/solver_tables.h"
#include "system/launcher.h"
#include "system/profile.h"
#include "system/recovery.h"
#include "ui/main/formats_tools.h"

namespace gridora::ui {

std::unique_ptr<MainWindow> StartMain(AppState& state, const std::vector<std::string>& arguments,
                                      const std::function<void(MainWindow&)>& prepare) {
  SetIniFile(state, kIniFileName);
  InitTables(state);
  InitSolverTables(state);
  auto window = std::make_unique<MainWindow>(state);  // laid out, not shown
  if (prepare) prepare(*window);
  App app = window->app();
  ApplyDefaultSettings(app);
  LoadSettings(app);  // may greet a first run with the version box
  NewPuzzle9(app);
  // The pop-up digit list is never part of the menu bar; nothing to hide.
  // A puzzle named on the command line is loaded before the window shows.
  // Any other document goes to the program the desktop registers for it.
  OpenCommandLineDocument(app, arguments, [app](const std::string& path) {
    std::error_code error;  // a relative name means the folder we were started from
    const auto absolute = std::filesystem::absolute(path, error);
    OpenWithAssociatedProgram(app, error ? path : absolute.string());
  });
  // The window is first drawn at the zoom of the settings (main has set it
  // already, before the window could be placed).
  ApplyZoom(state.settings.Tools.Zoom);
  UpdateZoomChecks(window->ZoomItems(), state.settings.Tools.Zoom);
  window->show();
  QCoreApplication::processEvents();
  if (state.settings.InputMode == InputKind::Keypad) {
    window->SetCursorBarsVisible(true);
    PlaceCursor(app, state.CursorCell);
  }
  window->UpdateInputMethodChecks();
  window->UpdateToolChecks();
  window->PrepareToolbarBitmap();
  window->Toolbar()->show();
  window->RefreshNumLock();
  // The collection played last comes back when no file was named.
  if (arguments.empty()) window->Formats().Resume();
  window->setFocus();
  window->StartRecovery(RecoveryFilesIn(StateFolder()));
  return window;
}

}  // namespace gridora::ui
