// SPDX-License-Identifier: MIT
#pragma once
// MainWindow (frmMain): the program's one top-level window and the Qt side
// of the screen port. It lays out the toolbar, both boards, the information
// panel with the launcher over it, and the status bar; owns the menu bar and
// the input modes; and turns every request of the core (show a cell, ask a
// question, yield) into widgets.
//
//   AppState state;
//   MainWindow window(state);   // created hidden, laid out (Form_Load)
//   App app = window.app();
//   NewPuzzle9(app);
//   window.show();

#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "aids/hint.h"
#include "core/app.h"
#include "core/tool_settings.h"
#include "ui/main/board_surface.h"
#include "ui/main/commands.h"
#include "ui/main/input_modes.h"
#include "ui/main/launcher_panel.h"
#include "ui/main/logic_tools.h"
#include "ui/main/main_menu.h"
#include "ui/main/toolbar_strip.h"
#include "ui/main/zoom.h"

class QDialog;

namespace gridora::engine {
class PuzzleStock;
}  // namespace gridora::engine
namespace gridora {
class AssociationService;
class RecoveryKeeper;
struct RecoveryFiles;
}  // namespace gridora
class QPagedPaintDevice;
class QPrinter;

namespace gridora::ui {

class ClientArea;
class PlayMode;
class PageOutput;
class FormatsTools;
class WindowAccess;

class MainWindow : public QMainWindow, public ScreenPort, private InputView {
 public:
  explicit MainWindow(AppState& state, QWidget* parent = nullptr);
  ~MainWindow() override;

  App app() { return App{state_, *this}; }

  // --- ScreenPort ------------------------------------------------------------
  void ShowCell(int boardSize, int index, const std::string& caption, Color color) override;
  void ShowBoardFrame(int boardSize) override;
  void ShowProperty(PropertyLabel label, const std::string& text) override;
  void SetSlotFetchEnabled(SlotMenu menu, int n, bool enabled) override;
  void SetInformText(const std::string& text) override;
  MessageAnswer ShowMessage(const std::string& text, const std::string& title,
                            MessageButtons buttons, MessageIcon icon) override;
  void MoveCursorBar(int boardSize, int cell) override;
  void CenterMainWindow() override;
  void Beep() override;
  void Yield() override;
  std::string TodayText() override;
  // While a solve runs the window takes no input and shows the wait cursor.
  void SetSolving(bool solving) override;
  bool AskFilePath(const FileDialogRequest& request, std::string& path) override;
  void MoveMainWindow(float left, float top) override;
  float MainWindowLeft() override;
  float MainWindowTop() override;
  // Shows the version box modally; a non-empty `notice` replaces its notice
  // text (the first run's greeting).
  void ShowVersionBox(const std::string& notice) override;
  // Prints the client area on the default printer (or the replacement's).
  bool PrintClientArea() override;
  // Shows the HTML export dialog modally beside the window's corner.
  void ShowHtmlDialog();
  // The editing dialogs, shown modally over the window.
  void ShowSettingsDialog();
  void ShowSwapDialog();
  void ShowPropertyDialog();

  // --- The window's own routines ---------------------------------------------
  // Runs a user's command, as its menu item, toolbar button or launcher
  // button does: nothing while the solver works, and the save-changes
  // question first for the commands that replace the puzzle.
  void RunCommand(Command command);
  // Writes `text` to the "inform" panel unless it is already there, and
  // closes the launcher for any text that is not one of its own tips.
  void ShowStatus(const std::string& text) override;
  void SetCursorBarsVisible(bool visible) override;
  // Puts the check mark on the current input mode.
  void UpdateInputMethodChecks() override;
  void RestoreToolbar() override;
  // The toolbar's images take the desktop's colours; start-up shows the
  // strip afterwards.
  void PrepareToolbarBitmap();
  // The input method menu as a context menu under the toolbar's input
  // button; the check marks follow the mode afterwards.
  void ShowInputMethodMenu();
  // Asks about unsaved changes, saves the settings and ends the program;
  // the window stays open when the user cancels.
  void QuitApplication();
  // Zooms the window to `percent` (one of kZoomSteps), keeps it in the
  // settings and moves the check mark; the windows are redrawn at the new
  // scale as soon as the event loop runs.
  void SetZoom(int percent);
  const ZoomMenu& ZoomItems() const { return zoomMenu_; }
  // The shortest time between two event-loop passes of Yield (30 ms).
  void SetYieldGap(qint64 ms) { yieldGapMs_ = ms; }
  // Reads the Num Lock state into the status bar's second panel.
  void RefreshNumLock();

  // --- Replaceable modal steps, so tests never wait on a real modal loop ----
  using MessageAnswerer = std::function<MessageAnswer(
      const std::string& text, const std::string& title, MessageButtons, MessageIcon)>;
  void SetMessageAnswerer(MessageAnswerer answerer) { messageAnswerer_ = std::move(answerer); }
  // The runner plays the user: it triggers the item it chooses, as a click
  // would, and returns it (nullptr: closed without a choice).
  using PopupRunner = std::function<QAction*(QMenu& menu, const QPoint& globalPos)>;
  void SetPopupRunner(PopupRunner runner) { popupRunner_ = std::move(runner); }
  // Runs a modal dialog (QDialog::exec unless replaced).
  // The runner decides the dialog's outcome; the result code it leaves
  // (dialog.result()) is what counts.
  using DialogRunner = std::function<void(QDialog& dialog)>;
  void SetDialogRunner(DialogRunner runner) { dialogRunner_ = std::move(runner); }
  // Returns the dialog's result code (QDialog::Accepted or Rejected).
  int RunDialog(QDialog& dialog);
  // Makes the printer of the next print (the default printer unless
  // replaced); a null printer stands for "no printer installed".
  using PrinterFactory = std::function<std::unique_ptr<QPrinter>()>;
  void SetPrinterFactory(PrinterFactory factory) { printerFactory_ = std::move(factory); }
  // Draws the client area onto `device`, centred and as large as fits.
  // False when the device cannot be painted on or reports an error.
  bool RenderClientArea(QPagedPaintDevice& device);
  // Sounds the beep (QApplication::beep unless replaced).
  void SetBeeper(std::function<void()> beeper) { beeper_ = std::move(beeper); }
  // The ".gdr" association the settings dialog reads and sets (the
  // desktop's unless replaced; the window does not own it).
  void SetAssociationService(AssociationService* association) { association_ = association; }
  // The plain text of the clipboard (QClipboard unless replaced).
  struct Clipboard {
    std::function<std::string()> read;
    std::function<void(const std::string&)> write;
  };
  void SetClipboard(Clipboard clipboard) { clipboard_ = std::move(clipboard); }
  // The printed pages of the "ツール" menu (the puzzle sheet, puzzle books).
  PageOutput& Pages() { return *pages_; }

  // --- The playing aids (main_window_aids.cpp) -------------------------------
  ToolSettings& Tools() { return state_.settings.Tools; }
  // Puts the check marks of the tools menu on the settings.
  void UpdateToolChecks();
  // Draws the aids for the board as it is now. Every change of the board
  // asks for this once the events of the change have run.
  void RefreshAids();
  // The next step in the status bar and on the board (F3).
  void ShowHint();
  // The note that shows the whole hint when the status panel cuts it; null
  // until the first such hint.
  QLabel* HintNote() const { return hintNote_; }
  // The solving path's window, null until it is first shown.
  QDialog* SolvingPathWindow() const { return logic_->PathWindow(); }
  // The puzzle onto the clipboard as one line (Ctrl+C).
  void CopyPuzzle();
  // A puzzle from the clipboard's text as a new puzzle (Ctrl+V).
  void PastePuzzleText();

  // --- Play mode (main_window_play.cpp) -----------------------------------------
  PlayMode& Play() const { return *play_; }
  // Shows `menu` as the pop-up lists do (replaceable in tests).
  QAction* ShowPopupMenu(QMenu& menu, const QPoint& globalPos) {
    return ExecPopup(menu, globalPos);
  }

  // --- The recovery copy (main_window_recovery.cpp) ---------------------------
  // Keeps a copy of the puzzle in `files` while it has unsaved changes, after
  // offering the copy an earlier run left behind. Does nothing when another
  // running program keeps its copy there.
  void StartRecovery(const RecoveryFiles& files);
  // Writes (or deletes) the copy now rather than after the short gap that
  // gathers quick changes into one write.
  void UpdateRecoveryCopy();
  // What an end forced from outside (a signal, the session's logout) does
  // before the process goes: the copy written, the settings saved as a quit
  // saves them; no question.
  void PrepareSessionEnd();

  // --- The puzzle stock (main_window_tools.cpp) -------------------------------
  // Serves 問題を作る from the puzzles kept in `folder` ("" keeps none). Its
  // worker starts at the first 問題を作る and refills the stock from then on.
  void StartPuzzleStock(const std::string& folder);
  engine::PuzzleStock* Stock() const { return stock_.get(); }
  // --- Other programs' puzzle files and collections (formats_tools.h) -------
  FormatsTools& Formats() { return *formats_; }

  // --- Parts of the window, for the start-up code and the tests -------------
  BoardSurface* Board(int boardSize) const { return boardSize == 16 ? wall16_ : wall9_; }
  const MainMenu& Menu() const { return menu_; }
  // The added commands' menu "ツール(&T)", created on first use.
  QMenu* ToolsMenu() { return gridora::ui::ToolsMenu(menu_, *menuBar()); }
  InputModes& Input() { return *input_; }
  QLabel* InformPanel() const { return inform_; }
  QLabel* NumLockPanel() const { return numLock_; }
  QLabel* Property(PropertyLabel label) const;
  LauncherPanel* Launcher() const { return launcher_; }
  // The window as assistive technology sees it, and the high-contrast look.
  WindowAccess& Access() const { return *access_; }
  ToolbarStrip* Toolbar() const { return toolbar_; }

 protected:
  void closeEvent(QCloseEvent* event) override;   // Form_Unload
  void keyPressEvent(QKeyEvent* event) override;  // Form_KeyDown
  bool event(QEvent* event) override;

 private:
  QAction* ExecPopup(QMenu& menu, const QPoint& globalPos) override;
  void LayoutBoards(ClientArea& client);
  void BuildInformationPanel(ClientArea& client);
  void BuildStatusBar();
  void ConnectMenu();
  // The puzzle maker and the complete search in the "ツール" menu
  // (main_window_tools.cpp).
  void ConnectEngineTools();
  void GeneratePuzzle(int boardSize);
  // Play mode's items and its guard over the input.
  void ConnectPlay();
  void FullSolve();
  void CountSolutions();
  // "問題を印刷" and "問題集を作る" in the "ツール" menu (main_window_pages.cpp).
  void ConnectPageTools();
  void PrintPuzzle();
  // The other programs' files and the collections in the "ツール" menu
  // (main_window_formats.cpp).
  void ConnectFormatsTools();
  // The logic engine's rating and solving path (main_window_tools.cpp).
  void RatePuzzle();
  void ShowSolvingPath();
  // The menu item runs `command`.
  void BindCommand(QAction* action, Command command);
  void LauncherClicked(int k);
  // A launcher button's tip, and the miniature of its slot when the tip is
  // new (the pointer came from elsewhere).
  void LauncherButtonHovered(int k);
  void ShowSlotPreview(const BoardCodes& codes);
  // The quit sequence up to closing: the save-changes question and the
  // settings. False when the user chose to keep the program running.
  bool ReadyToQuit();
  // Writes the settings file; a failure is logged, as nobody waits for it.
  void SaveSettingsOrLog();
  void BackgroundMouseMove(const QPoint& pos);
  void ConnectTools();
  // Turns a check item's aid on or off.
  void ToggleTool(bool ToolSettings::*setting);
  void ScheduleAidsRefresh();
  void ScheduleRecoveryUpdate();
  // The cell whose digit is highlighted: the keypad cursor in keypad mode,
  // the cell pressed last otherwise; -1 for none.
  int FocusCell() const;

  AppState& state_;
  MainMenu menu_;
  ZoomMenu zoomMenu_;
  InputModes* input_ = nullptr;
  BoardSurface* wall9_ = nullptr;
  BoardSurface* wall16_ = nullptr;
  LauncherPanel* launcher_ = nullptr;
  ToolbarStrip* toolbar_ = nullptr;  // picToolBar
  QLabel* author_ = nullptr;
  QLabel* date_ = nullptr;
  QLabel* comment_ = nullptr;
  QLabel* fileName_ = nullptr;
  QLabel* inform_ = nullptr;
  QLabel* numLock_ = nullptr;
  MessageAnswerer messageAnswerer_;
  PopupRunner popupRunner_;
  DialogRunner dialogRunner_;
  std::function<void()> beeper_;
  AssociationService* association_ = nullptr;
  PrinterFactory printerFactory_;
  std::array<QImage, 3> digitGlyphs_;  // picNumber8, and its glyphs at 2 and 3
  QElapsedTimer yieldClock_;
  qint64 yieldGapMs_ = 30;
  bool quitting_ = false;
  bool solving_ = false;

  Clipboard clipboard_;
  std::unique_ptr<PressRecorder> pressRecorder_;  // between the labels and the input modes
  int lastPressed_ = -1;                          // cell of the last press on the board shown
  bool aidsPending_ = false;
  std::unique_ptr<RecoveryKeeper> recovery_;
  std::unique_ptr<engine::PuzzleStock> stock_;
  std::unique_ptr<PageOutput> pages_;  // printed pages and puzzle books
  std::unique_ptr<FormatsTools> formats_;
  std::unique_ptr<WindowAccess> access_;
  QTimer* recoveryTimer_ = nullptr;
  std::unique_ptr<LogicTools> logic_;  // the logic engine's hints, rating and path
  Hint hint_;                          // the hint on the board, while the board is as it was
  BoardCodes hintBoard_{};             // the board the hint was found on
  int hintSize_ = 0;                   // its size; 0: no hint shown
  QLabel* hintNote_ = nullptr;
  PlayMode* play_ = nullptr;  // a child of the window
  // Shows the hint's whole sentence in the note when the panel is too
  // narrow for it, over the bottom of the window or, when the hint's cells
  // lie there, under the toolbar.
  void ShowHintNote();
  void HideHintNote();
};

}  // namespace gridora::ui
