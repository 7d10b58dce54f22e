// SPDX-License-Identifier: MIT
#pragma once
// Readers of the puzzle files of other programs. Each takes bytes and gives
// a complete Puzzle or a ReadError with the line; nothing is ever taken in
// part, and no input makes a reader hang, crash or grow without bound.
//
//   Puzzle puzzle;
//   if (const ReadError error = ReadSdk(bytes, puzzle)) Refuse(error);
//
// What each format may hold is written in the README ("Other puzzle files").

#include <string_view>
#include <vector>

#include "formats/formats.h"

namespace gridora::formats {

// An .sdk file: "#X" property lines (A author, B date, C comment,
// D description, S source, L level, U URL; other letters are skipped), an
// optional "[Puzzle]" line and the rows of the puzzle, then optionally
// "[State]" with the rows of the board as played, "[PencilMarks]" with a row
// of blank- or comma-separated fields a line (the digits noted in a cell,
// "." for none) and "[Colours]" (skipped).
ReadError ReadSdk(std::string_view bytes, Puzzle& puzzle);

// A grid of 9 (16) rows of 9 (16) cells: "." or "0" empty. "|" and blanks
// between cells and rules such as "---+---+---" or "*-----------*" between
// rows are allowed (the .ss layout). `separated` tells whether there were.
ReadError ReadGrid(std::string_view bytes, Puzzle& puzzle, bool& separated);

enum class LineKind { Puzzle, Skip };
// One line of a one-puzzle-a-line file (without its line end): 81 or 256
// cells up to the first blank or ":", then an optional comment. Blank lines
// and lines that start with "#" hold no puzzle (Skip).
ReadError ReadPuzzleLine(std::string_view line, std::size_t number, Puzzle& puzzle, LineKind& kind);

// The format of a file from its first bytes (up to a few kilobytes are
// enough); nullopt when it is none of them.
std::optional<Format> DetectFormat(std::string_view head);

// Why a file whose first bytes are `head` has no format: an error of a
// line, no puzzle at all (nothing but blanks), or an unknown format.
ReadError UndetectedError(std::string_view head);

// Every puzzle of a whole file held in memory, whatever its format.
ReadError ReadAll(std::string_view bytes, Format& format, std::vector<Puzzle>& puzzles);

}  // namespace gridora::formats
