// SPDX-License-Identifier: MIT
#pragma once
// The ".gdr" puzzle file: Shift-JIS text with CR LF line ends, written as
// version 2.1 and read as versions 1.0, 2.0 and 2.1.
//
// Responsibilities:
//  - turn the bytes of a file into a complete, checked puzzle, or say why
//    they are not one (ParsePuzzleFile); nothing here touches the model or
//    the screen, so the command-line solver and the fuzzer use it directly;
//  - turn a puzzle into the exact bytes of a version 2.1 file
//    (FormatPuzzleFile).
//
//   PuzzleParse parse = ParsePuzzleFile(bytes);
//   if (parse.puzzle) Solve(parse.puzzle->Board, parse.puzzle->BoardSize);
//
// The file layout (version 2.1; N is the board size):
//
//   Gridoraデータ ver 2.1
//   (empty)
//   [Size]    // 9 or 16        then " 9" or " 16"
//   [Author]  // 作者の名前      then the author
//   [Date]    // 制作日          then the date
//   [Comment] // コメント        then the comment
//   [Character] // キャラクター  then the character list   (not in 2.0)
//   [Enabled] // データの変更可能か  then True or False
//   (empty)
//   [Data]    // データ
//   N rows of N characters: 0 empty, 1-9, a-g for 10-16
//
// Version 1.0 is a header, one ignored line and nine rows of a 9 x 9 board.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/cell.h"

namespace gridora {

// Far above any real puzzle file (a few hundred bytes plus the texts);
// anything longer is refused before it is looked at.
inline constexpr std::size_t kMaxPuzzleFileBytes = 1 << 20;

inline constexpr const char* kHeader10 = "Gridoraデータ ver 1.0";
inline constexpr const char* kHeader20 = "Gridoraデータ ver 2.0";
inline constexpr const char* kHeader21 = "Gridoraデータ ver 2.1";

// The properties a version 1.0 file does not carry.
inline constexpr const char* kUnknownAuthor = "(不明)";
inline constexpr const char* kUnknownDate = "(不明)";

// Everything a puzzle file holds, texts in UTF-8. Board holds black digits
// only (class 0), each at most BoardSize; cells past N x N are 0.
struct PuzzleFile {
  int version = 21;  // 10, 20 or 21: the header the file was read with
  int BoardSize = 9;
  BoardCodes Board{};
  std::string CharacterList;
  std::string PuzzleAuthor;
  std::string PuzzleDate;
  std::string PuzzleComment;
  bool PuzzleEnabled = true;
};

enum class PuzzleFileError {
  None,
  TooLarge,        // longer than kMaxPuzzleFileBytes
  UnknownHeader,   // the first field is none of the three headers
  MissingSection,  // the text ends before a section tag or its value
  MissingRow,      // the text ends before all N data rows
  ShortRow,        // a data row shorter than N characters
  BadCharacter,    // a cell character other than 0-9 and a-g
  DigitTooLarge,   // a digit above the board size
};

struct PuzzleParse {
  std::optional<PuzzleFile> puzzle;  // set exactly when error is None
  PuzzleFileError error = PuzzleFileError::None;
  std::size_t line = 0;  // 1-based line where the error was found, 0 for none
};

// Reads the bytes of a puzzle file. Every input either gives a complete
// puzzle or an error; none is loaded in part.
PuzzleParse ParsePuzzleFile(std::string_view bytes);

// A short English description of `error`, for tools and logs.
const char* DescribePuzzleFileError(PuzzleFileError error);

// The bytes of the version 2.1 file for `puzzle`. Green and yellow cells
// (codes 128 and above) and digits above the board size are written as
// empty; each text property is written up to its first line break, which
// is all a reader takes back; characters without a Shift-JIS form are
// written as "?".
std::string FormatPuzzleFile(const PuzzleFile& puzzle);

// The cell character of a digit (0 to 16), and back; -1 for a character
// that stands for no digit.
char CellCharacterOf(int digit);
int DigitOfCellCharacter(char c);

}  // namespace gridora
