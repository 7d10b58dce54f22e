// What the menu items and the launcher buttons run, and the quit sequence.

#include "core/board.h"
#include "core/color_class.h"
#include "core/file_commands.h"
#include "core/history.h"
#include "core/slots.h"
#include "settings/settings_file.h"
#include "solver/run_solver.h"
#include "system/launcher.h"
#include "ui/main/launcher_tips.h"
#include "ui/main/main_window.h"
#include "ui/main/slot_preview.h"

namespace gridora::ui {

void MainWindow::ConnectCommand(QAction* action, std::function<void()> command) {
  // The solver lets events run while it works; a shortcut that slips
  // through then must not start a second solve or change the board.
  connect(action, &QAction::triggered, this, [this, command = std::move(command)] {
    if (!solving_) command();
  });
}

void MainWindow::ConnectMenu() {
  const MainMenu& m = menu_;
  // The commands that discard the puzzle ask about unsaved changes first.
  ConnectCommand(m.mnuFileNew9, [this] {
    if (ConfirmSaveChanges(app())) NewPuzzle9(app());
  });
  ConnectCommand(m.mnuFileNew16, [this] {
    if (ConfirmSaveChanges(app())) NewPuzzle16(app());
  });
  ConnectCommand(m.mnuFileOpen, [this] {
    if (ConfirmSaveChanges(app())) OpenPuzzle(app());
  });
  ConnectCommand(m.mnuFileSave, [this] { SavePuzzleAs(app()); });
  ConnectCommand(m.mnuFileSaveOver, [this] { SavePuzzle(app()); });
  ConnectCommand(m.mnuFileCount, [this] { ShowCellCount(app()); });
  ConnectCommand(m.mnuFileQuit, [this] { QuitApplication(); });
  ConnectCommand(m.mnuEditUndo, [this] { UndoStep(app()); });
  ConnectCommand(m.mnuEditRedo, [this] { RedoStep(app()); });
  for (int g = 0; g < 3; ++g) {
    for (int op = 0; op < 4; ++op) {
      ConnectCommand(m.colorItems[static_cast<std::size_t>(g)][static_cast<std::size_t>(op)],
                     [this, g, op] { ChangeColorClass(app(), g, op); });
    }
  }
  for (int n = 1; n <= 9; ++n) {
    const auto i = static_cast<std::size_t>(n);
    ConnectCommand(m.mnuDataAnswer[i], [this, n] { FetchAnswerSlot(app(), n); });
    ConnectCommand(m.mnuDataLoad[i], [this, n] { FetchMemorySlot(app(), n); });
    ConnectCommand(m.mnuDataSave[i], [this, n] { StoreMemorySlot(app(), n); });
  }
  for (int mode = 0; mode < 3; ++mode) {
    ConnectCommand(m.mnuPopInput[static_cast<std::size_t>(mode)],
                   [this, mode] { input_->SwitchMode(mode); });
  }
  ConnectCommand(m.mnuOtherHelp, [this] { ShowHelp(app()); });
  ConnectCommand(m.mnuOtherVersion, [this] { ShowVersionBox(""); });
  ConnectCommand(m.mnuEditSolve, [this] { RunSolver(app()); });
}

void MainWindow::RunToolbarCommand(const std::string& key) {
  if (solving_) return;
  App a = app();
  if (key == "new9") {
    if (ConfirmSaveChanges(a)) NewPuzzle9(a);
  } else if (key == "new16") {
    if (ConfirmSaveChanges(a)) NewPuzzle16(a);
  } else if (key == "open") {
    if (ConfirmSaveChanges(a)) OpenPuzzle(a);
  } else if (key == "save") {
    SavePuzzle(a);
  } else if (key == "undo") {
    UndoStep(a);
  } else if (key == "redo") {
    RedoStep(a);
  } else if (key == "solve") {
    RunSolver(a);
  } else if (key == "help") {
    ShowHelp(a);
  } else if (key == "input") {
    ShowInputMethodMenu();
  }
  // "printer" and "property" wait for the printing and properties dialogs.
}

void MainWindow::LauncherClicked(int k) {
  if (k < 9) {
    StoreMemorySlot(app(), k + 1);
    ShowSlotPreview(state_.Board);  // what the slot now holds
  } else if (k < 18) {
    FetchMemorySlot(app(), k - 8);
  } else {
    FetchAnswerSlot(app(), k - 17);
  }
}

void MainWindow::LauncherButtonHovered(int k) {
  const std::string tip = LauncherButtonTip(k);
  if (tip == state_.LastStatusText) return;
  ShowStatus(tip);
  const int n = k % 9 + 1;
  ShowSlotPreview(k < 18 ? state_.MemorySlot[static_cast<std::size_t>(n)]
                         : state_.AnswerSlot[static_cast<std::size_t>(n)]);
}

void MainWindow::ShowSlotPreview(const BoardCodes& codes) {
  if (digitGlyphs_.isNull()) digitGlyphs_ = DigitGlyphs();
  launcher_->ShowPreview(SlotMiniature(codes, state_.BoardSize, digitGlyphs_));
}

bool MainWindow::ReadyToQuit() {
  if (!ConfirmSaveChanges(app())) return false;  // Cancel: the program keeps running
  SaveSettings(app());
  quitting_ = true;
  return true;
}

void MainWindow::QuitApplication() {
  // The last window closing ends the event loop.
  if (ReadyToQuit()) close();
}

}  // namespace gridora::ui
