#include "ui/main/start_up.h"

#include <QCoreApplication>

#include "core/board.h"
#include "core/command_line.h"
#include "core/startup.h"

namespace gridora::ui {

std::unique_ptr<MainWindow> StartMain(AppState& state, const std::vector<std::string>& arguments,
                                      const std::function<void(MainWindow&)>& prepare) {
  InitTables(state);
  auto window = std::make_unique<MainWindow>(state);  // laid out, not shown
  if (prepare) prepare(*window);
  App app = window->app();
  ApplyDefaultSettings(app);
  NewPuzzle9(app);
  // The pop-up digit list is never part of the menu bar; nothing to hide.
  // A puzzle named on the command line is loaded before the window shows.
  OpenCommandLineDocument(app, arguments);
  window->show();
  QCoreApplication::processEvents();
  if (state.InputMode == 1) {
    window->SetCursorBarsVisible(true);
    PlaceCursor(app, state.CursorCell);
  }
  window->UpdateInputMethodChecks();
  window->RefreshNumLock();
  window->setFocus();
  return window;
}

}  // namespace gridora::ui
