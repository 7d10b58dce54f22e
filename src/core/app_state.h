#pragma once
// AppState: the one puzzle the program works on, with everything that lives
// from start-up to exit.
//
// Responsibilities:
//  - the board (cell codes), its size, display characters and properties;
//  - the change flag, the undo history, the memory and answer slots;
//  - the keyboard cursor, the input mode and the user's settings.
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

namespace gridora {

inline constexpr int kSlotCount = 9;     // memory and answer slots, numbered 1 to 9
inline constexpr int kHistorySize = 11;  // undo snapshots 0 to 10
inline constexpr int kToolbarButtons = 11;

inline constexpr const char* kNoFileName = "(未定)";
inline constexpr const char* kNoComment = "(なし)";
inline constexpr const char* kDigits9 = "1,2,3,4,5,6,7,8,9";
inline constexpr const char* kDigits16 = "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16";

// Colour defaults of the digits on screen (black, green, yellow) and of the
// HTML export (text, background 1, background 2).
inline constexpr std::array<Color, 3> kDefaultSoftColor = {Rgb(0, 0, 0), Rgb(48, 112, 80),
                                                           Rgb(128, 128, 96)};
inline constexpr std::array<Color, 3> kDefaultHtmlColor = {Rgb(0, 0, 0), Rgb(255, 255, 192),
                                                           Rgb(224, 255, 255)};

// One button of the toolbar strip: its key and its inclusive pixel range.
struct ToolbarEntry {
  const char* key;
  int left;
  int right;
};

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
  int PopupCell = 0;   // cell the pop-up digit list was opened for
  std::string LastStatusText;
  std::array<ToolbarEntry, kToolbarButtons> Toolbar{};
  int ToolbarHot = -1;  // -2 nothing highlighted, -1 none hot, 0 to 10 hot button

  // --- Settings (Gridora.ini) -------------------------------------------------
  std::array<Color, 3> SoftColor = kDefaultSoftColor;  // digits of classes 0, 1, 2
  std::array<Color, 3> HtmlColor = kDefaultHtmlColor;  // export text, background 1, 2
  int InputMode = 0;                                   // 0 mouse, 1 numeric keypad, 2 pop-up list
  std::string UserName = "不明";
  std::string GifPath = "gdr_cg/";
  bool KateiOnOff = true;    // key "KateiOn/Off": hypothesis search offered
  int KateiMode = 1;         // 0 commit at once, 1 look for contradictions
  int KateiMax9 = 9;         // hypothesis limit, 9 x 9 (2 to 9)
  int KateiMax16 = 3;        // hypothesis limit, 16 x 16 (2 to 16)
  int NChangeSpeed = 2;      // mouse auto-repeat speed (0 to 8)
  bool LPrintMode = false;   // show the level after solving
  bool AAnswerCheak = true;  // look for alternative solutions
  bool Beep = true;          // beep at a rejected keypad digit

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
