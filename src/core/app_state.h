// SPDX-License-Identifier: MIT
#pragma once
// AppState: the one puzzle the program works on, with everything that lives
// from start-up to exit.
//
// Responsibilities:
//  - the board (cell codes), its size, display characters and properties;
//  - the change flag, the undo history, the memory and answer slots;
//  - the keyboard cursor and the user's settings (see settings.h).
//
// Main creates exactly one AppState and hands it, together with the screen,
// to every operation (see App in app.h). There are no other mutable globals,
// so a test builds a fresh AppState and starts from the defaults below.
//
//   AppState state;
//   RecordingScreen screen;
//   App app{state, screen};
//   NewPuzzle9(app);
//   SetCell(app, 22, 5);   // row 2, column 4 holds a black 5

#include <array>
#include <string>

#include "core/cell.h"
#include "core/settings.h"

namespace gridora {

inline constexpr int kSlotCount = 9;     // memory and answer slots, numbered 1 to 9
inline constexpr int kHistorySize = 11;  // undo snapshots 0 to 10

inline constexpr const char* kNoFileName = "(未定)";
inline constexpr const char* kNoComment = "(なし)";
inline constexpr const char* kDigits9 = "1,2,3,4,5,6,7,8,9";
inline constexpr const char* kDigits16 = "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16";

struct AppState {
  // --- The puzzle ---------------------------------------------------------
  int BoardSize = 9;   // N: 9 or 16
  BoardCodes Board{};  // cell (r, c) is element r * N + c
  std::string CharacterList = kDigits9;
  std::string PuzzleAuthor;
  std::string PuzzleDate;
  std::string PuzzleComment;
  bool PuzzleEnabled = true;
  std::string PuzzleFileName = kNoFileName;
  bool DataChanged = false;

  // --- Undo history: snapshots 0 to 10; see history.h ----------------------
  std::array<BoardCodes, kHistorySize> History{};
  int HistoryPos = 0;
  int HistoryTop = 0;

  // --- Slots, numbered 1 to 9 (element 0 is unused) ------------------------
  std::array<BoardCodes, kSlotCount + 1> MemorySlot{};
  std::array<BoardCodes, kSlotCount + 1> AnswerSlot{};

  // --- Screen-side state that the operations read or write -----------------
  int CursorCell = 0;  // cell of the keypad cursor
  // The "inform" panel's text, shared by the main window and the settings
  // dialog, which both write the panel.
  std::string LastStatusText;

  // --- Settings (Gridora.ini) -------------------------------------------------
  Settings settings;

  // --- Solving ----------------------------------------------------------------
  // Outcome texts of the solver by index, filled by InitSolverTables.
  std::array<std::string, 8> SolveMessages{};

  // --- Puzzle files -----------------------------------------------------------

  // --- Settings file and system services ----------------------------------------
  std::string IniPath;  // full path of the settings file; set by SetIniFile

  int CellCount() const { return BoardSize * BoardSize; }
  bool IsCellIndex(int index) const { return index >= 0 && index < CellCount(); }
};

}  // namespace gridora
