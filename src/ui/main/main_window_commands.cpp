// SPDX-License-Identifier: MIT
// What the menu items and the launcher buttons run, and the quit sequence.

#include <QTimer>

#include "core/board.h"
#include "core/color_class.h"
#include "core/file_commands.h"
#include "core/history.h"
#include "core/log.h"
#include "core/print_board.h"
#include "core/slots.h"
#include "core/zoom.h"
#include "settings/settings_file.h"
#include "solver/run_solver.h"
#include "system/launcher.h"
#include "ui/main/formats_tools.h"
#include "ui/main/launcher_tips.h"
#include "ui/main/main_window.h"
#include "ui/main/page_output.h"
#include "ui/main/play_mode.h"
#include "ui/main/slot_preview.h"

namespace gridora::ui {

void MainWindow::RunCommand(Command command) {
  // The solver lets events run while it works; a shortcut that slips
  // through then must not start a second solve or change the board.
  if (solving_) return;
  App a = app();
  if (AsksToSaveChanges(command.id) && !ConfirmSaveChanges(a)) return;
  const int n = command.argument;
  const bool replaces = AsksToSaveChanges(command.id) || command.id == CommandId::PastePuzzle ||
                        command.id == CommandId::GeneratePuzzle;
  if (replaces) play_->BeforeReplacing();
  switch (command.id) {
    case CommandId::NewPuzzle9:
      NewPuzzle9(a);
      break;
    case CommandId::NewPuzzle16:
      NewPuzzle16(a);
      break;
    case CommandId::OpenPuzzle:
      OpenPuzzle(a);
      break;
    case CommandId::SavePuzzleAs:
      if (SavePuzzleAs(a)) play_->KeepGame();
      break;
    case CommandId::SavePuzzle:
      if (SavePuzzle(a)) play_->KeepGame();
      break;
    case CommandId::CellCount:
      ShowCellCount(a);
      break;
    case CommandId::Quit:
      QuitApplication();
      break;
    case CommandId::Solve:
      play_->MarkHelped();
      RunSolver(a);
      break;
    case CommandId::Undo:
      if (!play_->Undo()) UndoStep(a);
      break;
    case CommandId::Redo:
      if (!play_->Redo()) RedoStep(a);
      break;
    case CommandId::ChangeColor:
      ChangeColorClass(a, n / 4, n % 4);
      break;
    case CommandId::FetchAnswer:
      FetchAnswerSlot(a, n);
      break;
    case CommandId::FetchMemory:
      FetchMemorySlot(a, n);
      break;
    case CommandId::StoreMemory:
      StoreMemorySlot(a, n);
      break;
    case CommandId::InputMode:
      input_->SwitchMode(static_cast<InputKind>(n));
      break;
    case CommandId::InputMenu:
      ShowInputMethodMenu();
      break;
    case CommandId::Help:
      ShowHelp(a);
      break;
    case CommandId::Version:
      ShowVersionBox("");
      break;
    case CommandId::Zoom:
      SetZoom(n);
      break;
    case CommandId::ZoomIn:
      SetZoom(ZoomStep(state_.settings.Tools.Zoom, +1));
      break;
    case CommandId::ZoomOut:
      SetZoom(ZoomStep(state_.settings.Tools.Zoom, -1));
      break;
    case CommandId::ShowCandidates:
      ToggleTool(&ToolSettings::ShowCandidates);
      break;
    case CommandId::HighlightSame:
      ToggleTool(&ToolSettings::HighlightSame);
      break;
    case CommandId::ShowMistakes:
      ToggleTool(&ToolSettings::ShowMistakes);
      break;
    case CommandId::HighContrast:
      ToggleTool(&ToolSettings::HighContrast);
      break;
    case CommandId::HighContrastDesktop:
      ToggleTool(&ToolSettings::HighContrastDesktop);
      break;
    case CommandId::Hint:
      play_->MarkHelped();
      ShowHint();
      break;
    case CommandId::CopyPuzzle:
      CopyPuzzle();
      break;
    case CommandId::PastePuzzle:
      PastePuzzleText();
      break;
    case CommandId::GeneratePuzzle:
      GeneratePuzzle(n);
      break;
    case CommandId::FullSolve:
      play_->MarkHelped();
      FullSolve();
      break;
    case CommandId::CountSolutions:
      CountSolutions();
      break;
    case CommandId::PrintPuzzle:
      PrintPuzzle();
      break;
    case CommandId::MakeBook:
      pages_->MakeBook();
      break;
    case CommandId::OpenOtherFormat:
      formats_->OpenOther();
      break;
    case CommandId::SaveOtherFormat:
      formats_->SaveOther();
      break;
    case CommandId::NextPuzzle:
      formats_->Move(+1);
      break;
    case CommandId::PreviousPuzzle:
      formats_->Move(-1);
      break;
    case CommandId::PuzzleList:
      formats_->ShowList();
      break;
    case CommandId::RatePuzzle:
      RatePuzzle();
      break;
    case CommandId::SolvingPath:
      ShowSolvingPath();
      break;
    case CommandId::Print:
      PrintBoard(a);
      break;
    case CommandId::HtmlExport:
      ShowHtmlDialog();
      break;
    case CommandId::Property:
      ShowPropertyDialog();
      break;
    case CommandId::Swap:
      ShowSwapDialog();
      break;
    case CommandId::Config:
      ShowSettingsDialog();
      break;
    case CommandId::PlayMode:
    case CommandId::NoteInput:
    case CommandId::AutoRemoveNotes:
    case CommandId::CandidatesToNotes:
    case CommandId::ClearNotes:
    case CommandId::ShowWrongDigits:
    case CommandId::ShowTimer:
    case CommandId::Records:
      play_->Run(command);
      break;
    case CommandId::NoteList:
      play_->OpenNoteList(FocusCell() >= 0 ? FocusCell() : state_.CursorCell);
      break;
  }
  if (replaces) play_->AfterReplacing(command.id);
  ScheduleRecoveryUpdate();
}

void MainWindow::BindCommand(QAction* action, Command command) {
  connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
}

void MainWindow::ConnectMenu() {
  const MainMenu& m = menu_;
  BindCommand(m.mnuFileNew9, {CommandId::NewPuzzle9});
  BindCommand(m.mnuFileNew16, {CommandId::NewPuzzle16});
  BindCommand(m.mnuFileOpen, {CommandId::OpenPuzzle});
  BindCommand(m.mnuFileSave, {CommandId::SavePuzzleAs});
  BindCommand(m.mnuFileSaveOver, {CommandId::SavePuzzle});
  BindCommand(m.mnuFilePrint, {CommandId::Print});
  BindCommand(m.mnuFileHtml, {CommandId::HtmlExport});
  BindCommand(m.gdrFileProperty, {CommandId::Property});
  BindCommand(m.mnuFileCount, {CommandId::CellCount});
  BindCommand(m.mnuFileQuit, {CommandId::Quit});
  BindCommand(m.mnuEditSolve, {CommandId::Solve});
  BindCommand(m.mnuEditUndo, {CommandId::Undo});
  BindCommand(m.mnuEditRedo, {CommandId::Redo});
  BindCommand(m.mnuEditSwap, {CommandId::Swap});
  BindCommand(m.mnuOtherConfig, {CommandId::Config});
  for (int g = 0; g < 3; ++g) {
    for (int op = 0; op < 4; ++op) {
      BindCommand(m.colorItems[static_cast<std::size_t>(g)][static_cast<std::size_t>(op)],
                  {CommandId::ChangeColor, g * 4 + op});
    }
  }
  for (int n = 1; n <= kSlotCount; ++n) {
    const auto i = static_cast<std::size_t>(n);
    BindCommand(m.mnuDataAnswer[i], {CommandId::FetchAnswer, n});
    BindCommand(m.mnuDataLoad[i], {CommandId::FetchMemory, n});
    BindCommand(m.mnuDataSave[i], {CommandId::StoreMemory, n});
  }
  for (int mode = 0; mode < 3; ++mode)
    BindCommand(m.mnuPopInput[static_cast<std::size_t>(mode)], {CommandId::InputMode, mode});
  BindCommand(m.mnuOtherHelp, {CommandId::Help});
  BindCommand(m.mnuOtherVersion, {CommandId::Version});
  zoomMenu_ = BuildZoomMenu(*ToolsMenu());
  for (std::size_t i = 0; i < kZoomSteps.size(); ++i)
    BindCommand(zoomMenu_.steps[i], {CommandId::Zoom, kZoomSteps[i]});
  BindCommand(zoomMenu_.zoomIn, {CommandId::ZoomIn});
  BindCommand(zoomMenu_.zoomOut, {CommandId::ZoomOut});
}

void MainWindow::SetZoom(int percent) {
  if (!IsZoomStep(percent)) return;
  state_.settings.Tools.Zoom = percent;
  UpdateZoomChecks(zoomMenu_, percent);
  // The windows are rebuilt at the new scale once the menu that asked for
  // it has closed.
  QTimer::singleShot(0, this, [percent] { ApplyZoom(percent); });
}

namespace {

// Launcher buttons 0-8 store memory 1-9, 9-17 fetch it, 18-26 fetch answers.
Command LauncherCommand(int k) {
  if (k < 9) return {CommandId::StoreMemory, k + 1};
  if (k < 18) return {CommandId::FetchMemory, k - 8};
  return {CommandId::FetchAnswer, k - 17};
}

}  // namespace

void MainWindow::LauncherClicked(int k) {
  RunCommand(LauncherCommand(k));
  // A store shows what the slot now holds.
  if (k < 9) ShowSlotPreview(state_.Board);
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
  // As many device pixels as the launcher has, up to 3 a pixel.
  const qreal ratio = launcher_->devicePixelRatioF();
  const int scale = ratio <= 1 ? 1 : ratio <= 2 ? 2 : 3;
  QImage& glyphs = digitGlyphs_[static_cast<std::size_t>(scale - 1)];
  if (glyphs.isNull()) glyphs = DigitGlyphs(scale);
  launcher_->ShowPreview(SlotMiniature(codes, state_.BoardSize, glyphs, scale));
}

void MainWindow::SaveSettingsOrLog() {
  if (const WriteStatus saved = SaveSettings(app()); !saved)
    LogFailure(LogArea::Settings, "cannot save the settings to " + state_.IniPath, saved.error());
}

bool MainWindow::ReadyToQuit() {
  if (!ConfirmSaveChanges(app())) return false;  // Cancel: the program keeps running
  play_->KeepGame();
  SaveSettingsOrLog();
  quitting_ = true;
  UpdateRecoveryCopy();  // nothing unsaved is left: the copy goes
  return true;
}

void MainWindow::QuitApplication() {
  // The last window closing ends the event loop.
  if (ReadyToQuit()) close();
}

}  // namespace gridora::ui
