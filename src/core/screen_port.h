// SPDX-License-Identifier: MIT
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

  // Enables or disables the fetching of slot n (1 to 9): item n of the
  // fetch menu and the launcher's fetch button of that slot.
  virtual void SetSlotFetchEnabled(SlotMenu menu, int n, bool enabled) = 0;

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

  enum class FileDialogMode { Open, Save };

  // How to set up the platform's file dialog for one use.
  struct FileDialogRequest {
    FileDialogMode mode = FileDialogMode::Open;
    std::string initialDirectory;   // empty: the dialog's own default
    std::string initialFileName;    // a bare name or a full path
    std::string filterDescription;  // shown in the type list
    std::string filterPattern;      // file name pattern, e.g. "*.gdr"
    std::string defaultSuffix;      // added, without dot, to a name typed without one
    bool confirmOverwrite = true;   // ask before a save replaces an existing file
    bool hideReadOnly = true;       // no "open as read-only" check box
  };

  // Shows the file dialog modally. Returns false when the user cancelled;
  // otherwise `path` is the chosen file.
  virtual bool AskFilePath(const FileDialogRequest& request, std::string& path) = 0;

  // --- Settings, system services, version box -------------------------------

  // Moves the main window's top left corner to (left, top), in twips. A
  // position that would leave the window off every screen centres it
  // instead (see PlaceMainWindow in settings/window_placement.h).
  virtual void MoveMainWindow(float left, float top) = 0;
  // The main window's top left corner, in twips.
  virtual float MainWindowLeft() = 0;
  virtual float MainWindowTop() = 0;
  // Shows the version information box modally. A non-empty `notice` takes
  // the place of the notice label's normal text (the first-run greeting).
  virtual void ShowVersionBox(const std::string& notice) = 0;

  // --- Printing ---------------------------------------------------------------

  // Prints the main window's client area as it looks now on the default
  // printer, with no printer dialog. False when there is no printer or it
  // could not be used; nothing is shown to the user here.
  virtual bool PrintClientArea() = 0;
};

}  // namespace gridora
