// SPDX-License-Identifier: MIT
#pragma once
// The user's commands. Every command exists once, here: the menu items, the
// toolbar buttons and the launcher buttons all name a Command and the main
// window runs it through MainWindow::RunCommand, which applies the two rules
// every command shares (nothing runs while the solver works; a command that
// discards the puzzle asks about unsaved changes first).
//
//   window.RunCommand({CommandId::StoreMemory, 3});   // as launcher button 2

namespace gridora::ui {

enum class CommandId {
  NewPuzzle9,
  NewPuzzle16,
  OpenPuzzle,
  SavePuzzleAs,
  SavePuzzle,
  Print,       // the printing command
  HtmlExport,  // the HTML export dialog
  Property,    // the puzzle properties dialog
  Swap,        // the digit exchange dialog
  Config,      // the settings dialog
  CellCount,
  Quit,
  Solve,
  Undo,
  Redo,
  ChangeColor,  // argument: selector * 4 + operation (see ChangeColorClass)
  FetchAnswer,  // argument: slot 1 to 9
  FetchMemory,  // argument: slot 1 to 9
  StoreMemory,  // argument: slot 1 to 9
  InputMode,    // argument: the InputKind's number
  InputMenu,    // the input method menu under the toolbar's button
  Help,
  Version,
  Zoom,     // argument: per cent, one of kZoomSteps
  ZoomIn,   // the next zoom step up
  ZoomOut,  // the next zoom step down
  // The other added tools.
  ShowCandidates,  // check item: flips the setting
  HighlightSame,   // check item: flips the setting
  ShowMistakes,    // check item: flips the setting
  Hint,
  CopyPuzzle,
  PastePuzzle,  // asks about unsaved changes once the text has been read as a puzzle
  // The "ツール" menu.
  GeneratePuzzle,  // argument: board size 9 or 16
  FullSolve,
  CountSolutions,
  // Play mode (play_mode.h).
  PlayMode,           // check item: starts or ends a game
  NoteInput,          // check item: digits go into the notes
  AutoRemoveNotes,    // check item: flips the setting
  CandidatesToNotes,  // the candidates of every empty cell become its notes
  ClearNotes,
  ShowWrongDigits,  // check item: flips the setting
  ShowTimer,        // check item: flips the setting
  Records,          // the records dialog
  NoteList,         // the note list of the keyboard's cell
  PrintPuzzle,      // the puzzle as a clean page
  MakeBook,         // a puzzle book
  // Other programs' puzzle files and collections.
  OpenOtherFormat,  // asks about unsaved changes before the file dialog
  SaveOtherFormat,
  NextPuzzle,
  PreviousPuzzle,
  PuzzleList,
  RatePuzzle,   // the logic engine's rating of the puzzle
  SolvingPath,  // the logic engine's solving path in a window
  // Accessibility.
  HighContrast,         // check item: flips the setting
  HighContrastDesktop,  // check item: the look follows the desktop's switch
};

struct Command {
  CommandId id;
  int argument = 0;

  bool operator==(const Command&) const = default;
};

// True for the commands that replace the puzzle: they ask about unsaved
// changes before they run.
constexpr bool AsksToSaveChanges(CommandId id) {
  return id == CommandId::NewPuzzle9 || id == CommandId::NewPuzzle16 ||
         id == CommandId::OpenPuzzle || id == CommandId::OpenOtherFormat;
}

}  // namespace gridora::ui
