#pragma once
// ScreenPort: everything the core shows to the user or asks of him.
//
// The core speaks in the model's terms (cell i of the 9 x 9 board, memory
// fetch n, the "inform" panel); the main window implements this interface
// with widgets, the command-line tools and the tests with RecordingScreen.

#include <string>

#include "core/cell.h"

namespace gridora {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Question, Exclamation, Critical };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// The labels of the information panel.
enum class PropertyLabel { Author, Date, Comment, FileName };

// The slot fetch menus of the data menu: memory load (mnuDataLoad) and
// answer (mnuDataAnswer).
enum class SlotMenu { MemoryLoad, Answer };

class ScreenPort {
 public:
  virtual ~ScreenPort() = default;

  // Cell label `index` of the board of size `boardSize` (9 or 16) shows
  // `caption` in `color`.
  virtual void ShowCell(int boardSize, int index, const std::string& caption, Color color) = 0;
  // Shows the board surface of `boardSize` and hides the other one.
  virtual void ShowBoardFrame(int boardSize) = 0;
  virtual void ShowProperty(PropertyLabel label, const std::string& text) = 0;

  // Enables or disables item n (1 to 9) of a slot fetch menu.
  virtual void SetSlotMenuEnabled(SlotMenu menu, int n, bool enabled) = 0;
  // Enables or disables launcher button k (0 to 26): 0-8 store memory,
  // 9-17 fetch memory, 18-26 fetch answer.
  virtual void SetLauncherButtonEnabled(int k, bool enabled) = 0;

  // Writes the "inform" panel of the status bar.
  virtual void SetInformText(const std::string& text) = 0;

  // A modal message box; lines of `text` are joined by CR LF.
  virtual MessageAnswer ShowMessage(const std::string& text, const std::string& title,
                                    MessageButtons buttons, MessageIcon icon) = 0;

  // Moves the keypad cursor bar of the board of `boardSize` under `cell`.
  virtual void MoveCursorBar(int boardSize, int cell) = 0;
  // Centres the main window on the screen.
  virtual void CenterMainWindow() = 0;
  virtual void Beep() = 0;
  // Lets pending window events run. Called often from long work: keep it cheap.
  virtual void Yield() = 0;
  // Today's date in the system's short date form.
  virtual std::string TodayText() = 0;

  // --- Solving --------------------------------------------------------------
  // While a solve runs (true): the main window takes no input and shows the
  // wait cursor. False restores the window and the default cursor.
  virtual void SetSolving(bool solving) = 0;

  // --- Puzzle files ---------------------------------------------------------

  // --- Settings, system services, version box -------------------------------
};

}  // namespace gridora
