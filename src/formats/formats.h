// SPDX-License-Identifier: MIT
#pragma once
// The puzzle files of other programs: what they hold and how a failure to
// read one is told.
//
// Responsibilities:
//  - Puzzle: one puzzle as these files carry it, as plain data (givens, the
//    player's digits and pencil marks, the text properties);
//  - the formats' names and extensions;
//  - ReadError: why bytes are not a puzzle, with the line where that was
//    found, in English for tools and in Japanese for the window.
//
// The readers (readers.h) turn bytes into Puzzles, the writers (writers.h)
// turn Puzzles into bytes, and PuzzleIndex (puzzle_index.h) opens a file of
// any size by indexing it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/cell.h"

namespace gridora::formats {

enum class Format {
  Gdr,         // Gridora's own file (read and written by core/puzzle_format.h)
  Sdk,         // one puzzle: "#A" property lines, the rows, [State], [PencilMarks]
  Sdm,         // one puzzle a line (.sdm, .txt), each with an optional comment
  Ss,          // one puzzle as a grid with "|" between boxes and rules between bands
  OpenSudoku,  // the XML of the Android program: several puzzles
  Grid,        // one puzzle as 9 (16) lines of 9 (16) cells, "." or "0" empty
};

inline constexpr std::array<Format, 6> kAllFormats = {
    Format::Gdr, Format::Sdk, Format::Sdm, Format::Ss, Format::OpenSudoku, Format::Grid};

// "gdr", "sdk", "sdm", "ss", "opensudoku", "grid".
const char* FormatName(Format format);
// The format of a name as FormatName gives it; "txt" is Sdm. Any letter case.
std::optional<Format> FormatOfName(std::string_view name);
// The usual extension with its dot; Grid's is ".txt".
const char* FormatExtension(Format format);
// True for the formats that hold one puzzle a file.
bool HoldsOnePuzzle(Format format);

// Pencil marks of a cell: bit d - 1 set when digit d is noted.
using NoteMasks = std::array<std::uint16_t, kMaxCells>;

struct Puzzle {
  int boardSize = 9;     // 9 or 16
  BoardCodes givens{};   // the puzzle's digits; cells past N x N are 0
  BoardCodes entries{};  // the player's digits, only in cells without a given
  NoteMasks notes{};     // the player's pencil marks, only in empty cells
  std::string author;    // texts in UTF-8, empty when the file has none
  std::string date;
  std::string comment;
  std::string description;
  std::string source;
  std::string level;
  std::string url;

  bool operator==(const Puzzle&) const = default;
  // True when the player's digits or pencil marks are present.
  bool HasProgress() const;
};

enum class Failure {
  None,
  CannotOpen,      // missing or not permitted
  NotAFile,        // a folder, a pipe, a device
  TooLarge,        // a single-puzzle file above kMaxSingleFileBytes
  LineTooLong,     // a line above kMaxLineBytes
  Binary,          // a control character or a NUL byte
  BadEncoding,     // neither UTF-8 nor Shift-JIS
  UnknownFormat,   // none of the formats
  Truncated,       // the text ends before the puzzle does
  RowLength,       // a row with another number of cells than the board's side
  LineLength,      // a one-line puzzle with neither 81 nor 256 cells
  BadCharacter,    // a character that is no cell, or a digit too large
  ExtraText,       // text after the puzzle
  BadSection,      // an .sdk line or section that means nothing
  BadXml,          // not well-formed XML, or XML of another kind
  BadGameData,     // an .opensudoku game whose data is not a board
  NoPuzzle,        // a collection without any puzzle
  TooManyPuzzles,  // more puzzles than an index holds
  Changed,         // the file changed since it was indexed
  ReadFailed,      // an input/output error
};

struct ReadError {
  Failure failure = Failure::None;
  std::size_t line = 0;  // 1-based, 0 when no line applies
  std::string detail;    // a few words of English on what was found

  explicit operator bool() const { return failure != Failure::None; }
};

// The bounds every reader keeps, so that no file makes it grow without end.
inline constexpr std::size_t kMaxLineBytes = 4096;
inline constexpr std::size_t kMaxSingleFileBytes = 1 << 20;
inline constexpr std::size_t kMaxTextBytes = 1024;  // a property text
inline constexpr std::size_t kMaxPuzzles = 50'000'000;

// "path:12: a row has 8 cells, not 9" (the line left out when 0).
std::string DescribeError(const std::string& path, const ReadError& error);
// The window's message: the file, the line and the cause in Japanese.
std::string JapaneseErrorText(const std::string& path, const ReadError& error);

}  // namespace gridora::formats
