// SPDX-License-Identifier: MIT
#include "formats/readers.h"

#include <algorithm>

#include "core/puzzle_format.h"
#include "formats/opensudoku.h"
#include "formats/text_lines.h"

namespace gridora::formats {

namespace {

ReadError Error(Failure failure, std::size_t line, std::string detail) {
  return {failure, line, std::move(detail)};
}

bool IsBlankLine(std::string_view line) {
  return Trimmed(line).empty();
}

// Reads `size` cells of `row` into `board` at row `r`.
ReadError ReadRow(std::string_view row, int size, int r, std::size_t number, BoardCodes& board) {
  if (row.size() != static_cast<std::size_t>(size)) {
    return Error(Failure::RowLength, number,
                 "a row of " + std::to_string(row.size()) + " cells, not " + std::to_string(size));
  }
  for (int c = 0; c < size; ++c) {
    const int digit = CellDigit(row[static_cast<std::size_t>(c)], size);
    if (digit < 0) {
      return Error(Failure::BadCharacter, number,
                   "the character '" + std::string(1, row[static_cast<std::size_t>(c)]) +
                       "' in column " + std::to_string(c + 1));
    }
    board[static_cast<std::size_t>(r * size + c)] = static_cast<CellCode>(digit);
  }
  return {};
}

// The side of a board whose first row is `row`: 9 or 16, 0 for neither.
int SideOfRow(std::string_view row) {
  return row.size() == 9 || row.size() == 16 ? static_cast<int>(row.size()) : 0;
}

// Reads N rows from `lines` into `board`; `size` is 0 when the first row
// decides it.
ReadError ReadRows(TextLines& lines, int& size, BoardCodes& board) {
  std::string_view line;
  for (int r = 0; size == 0 || r < size; ++r) {
    if (!lines.Next(line)) {
      if (lines.error()) return lines.error();
      return Error(Failure::Truncated, lines.number() + 1, "the text ends inside the puzzle");
    }
    const std::string_view row = Trimmed(line);
    if (size == 0) {
      size = SideOfRow(row);
      if (size == 0) {
        return Error(Failure::RowLength, lines.number(),
                     "a row of " + std::to_string(row.size()) + " cells, not 9 or 16");
      }
    }
    if (const ReadError error = ReadRow(row, size, r, lines.number(), board)) return error;
  }
  return {};
}

bool SetProperty(Puzzle& puzzle, char letter, std::string_view value) {
  std::string* target = nullptr;
  switch (letter) {
    case 'A':
      target = &puzzle.author;
      break;
    case 'B':
      target = &puzzle.date;
      break;
    case 'C':
      target = &puzzle.comment;
      break;
    case 'D':
      target = &puzzle.description;
      break;
    case 'S':
      target = &puzzle.source;
      break;
    case 'L':
      target = &puzzle.level;
      break;
    case 'U':
      target = &puzzle.url;
      break;
    default:
      return true;  // a letter of another program: skipped
  }
  const std::optional<std::string> text = PropertyText(Trimmed(value));
  if (!text) return false;
  *target = *text;
  return true;
}

// One field of a [PencilMarks] row: the mask of the digits it lists.
std::optional<std::uint16_t> NoteField(std::string_view field, int size) {
  if (field == "." || field == "0" || field == "-") return 0;
  std::uint16_t mask = 0;
  for (const char ch : field) {
    const int digit = CellDigit(ch, size);
    if (digit <= 0) return std::nullopt;
    mask = static_cast<std::uint16_t>(mask | 1u << (digit - 1));
  }
  return mask;
}

ReadError ReadNotes(TextLines& lines, int size, NoteMasks& notes) {
  std::string_view line;
  for (int r = 0; r < size; ++r) {
    if (!lines.Next(line)) {
      if (lines.error()) return lines.error();
      return Error(Failure::Truncated, lines.number() + 1, "the text ends inside the pencil marks");
    }
    int c = 0;
    std::size_t i = 0;
    while (true) {
      while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == ',')) ++i;
      if (i == line.size()) break;
      std::size_t end = i;
      while (end < line.size() && line[end] != ' ' && line[end] != '\t' && line[end] != ',') ++end;
      const auto mask = NoteField(line.substr(i, end - i), size);
      if (!mask || c == size) {
        return Error(
            Failure::BadSection, lines.number(),
            !mask ? "a pencil mark that is no digit" : "more pencil-mark fields than cells");
      }
      notes[static_cast<std::size_t>(r * size + c)] = *mask;
      ++c;
      i = end;
    }
    if (c != size) {
      return Error(Failure::RowLength, lines.number(),
                   std::to_string(c) + " pencil-mark fields, not " + std::to_string(size));
    }
  }
  return {};
}

// The next line that is not blank; false at the end or on an error.
bool NextFilled(TextLines& lines, std::string_view& line) {
  while (lines.Next(line)) {
    if (!IsBlankLine(line)) return true;
  }
  return false;
}

bool IsRuleLine(std::string_view line) {
  bool rule = false;
  for (const char ch : line) {
    if (ch == '-' || ch == '=') {
      rule = true;
    } else if (ch != '+' && ch != '*' && ch != '|' && ch != ' ' && ch != '\t') {
      return false;
    }
  }
  return rule;
}

}  // namespace

ReadError ReadSdk(std::string_view bytes, Puzzle& puzzle) {
  if (bytes.size() > kMaxSingleFileBytes) return Error(Failure::TooLarge, 0, "too large");
  Puzzle read;
  TextLines lines(bytes);
  std::string_view line;
  bool started = false;
  // Property lines, blank lines, then the puzzle (after "[Puzzle]" or not).
  while (!started) {
    if (!lines.Next(line)) {
      if (lines.error()) return lines.error();
      return Error(Failure::Truncated, lines.number() + 1, "no puzzle");
    }
    const std::string_view text = Trimmed(line);
    if (text.empty()) continue;
    if (text.front() == '#') {
      if (text.size() >= 2 && !SetProperty(read, text[1], text.substr(2))) {
        return Error(Failure::BadEncoding, lines.number(),
                     "a property neither UTF-8 nor Shift-JIS");
      }
      continue;
    }
    started = true;
    if (text == "[Puzzle]") {
      line = {};
    }
  }
  int size = 0;
  if (!line.empty()) {
    // The first row was read already.
    const std::string_view row = Trimmed(line);
    size = SideOfRow(row);
    if (size == 0) {
      return Error(Failure::RowLength, lines.number(),
                   "a row of " + std::to_string(row.size()) + " cells, not 9 or 16");
    }
    if (const ReadError error = ReadRow(row, size, 0, lines.number(), read.givens)) return error;
    for (int r = 1; r < size; ++r) {
      if (!lines.Next(line)) {
        if (lines.error()) return lines.error();
        return Error(Failure::Truncated, lines.number() + 1, "the text ends inside the puzzle");
      }
      if (const ReadError error = ReadRow(Trimmed(line), size, r, lines.number(), read.givens))
        return error;
    }
  } else if (const ReadError error = ReadRows(lines, size, read.givens)) {
    return error;
  }
  read.boardSize = size;
  bool sawState = false, sawNotes = false, sawColours = false;
  while (NextFilled(lines, line)) {
    const std::string_view text = Trimmed(line);
    const std::size_t number = lines.number();
    if (text == "[State]" && !sawState) {
      sawState = true;
      BoardCodes state{};
      if (const ReadError error = ReadRows(lines, size, state)) return error;
      for (int i = 0; i < size * size; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (read.givens[k] != 0 && state[k] != read.givens[k]) {
          return Error(Failure::BadSection, number + 1 + static_cast<std::size_t>(i / size),
                       "the state changes a given in column " + std::to_string(i % size + 1));
        }
        if (read.givens[k] == 0) read.entries[k] = state[k];
      }
    } else if (text == "[PencilMarks]" && !sawNotes) {
      sawNotes = true;
      if (const ReadError error = ReadNotes(lines, size, read.notes)) return error;
    } else if ((text == "[Colours]" || text == "[Colors]") && !sawColours) {
      sawColours = true;
      for (int r = 0; r < size; ++r) {
        if (!lines.Next(line)) {
          if (lines.error()) return lines.error();
          return Error(Failure::Truncated, lines.number() + 1, "the text ends inside the colours");
        }
      }
    } else {
      return Error(text.front() == '[' ? Failure::BadSection : Failure::ExtraText, number,
                   "unexpected text after the puzzle");
    }
  }
  if (lines.error()) return lines.error();
  // Pencil marks belong to the empty cells only.
  for (std::size_t k = 0; k < read.notes.size(); ++k) {
    if (read.givens[k] != 0 || read.entries[k] != 0) read.notes[k] = 0;
  }
  puzzle = std::move(read);
  return {};
}

ReadError ReadGrid(std::string_view bytes, Puzzle& puzzle, bool& separated) {
  if (bytes.size() > kMaxSingleFileBytes) return Error(Failure::TooLarge, 0, "too large");
  Puzzle read;
  TextLines lines(bytes);
  std::string_view line;
  int size = 0;
  int rows = 0;
  bool seps = false;
  while (lines.Next(line)) {
    if (IsBlankLine(line)) continue;
    if (IsRuleLine(line)) {
      seps = true;
      continue;
    }
    std::string cells;
    for (const char ch : line) {
      if (ch == '|' || ch == ' ' || ch == '\t') {
        seps = true;
      } else {
        cells.push_back(ch);
      }
    }
    if (size == 0) {
      size = SideOfRow(cells);
      if (size == 0) {
        return Error(Failure::RowLength, lines.number(),
                     "a row of " + std::to_string(cells.size()) + " cells, not 9 or 16");
      }
    }
    if (rows == size)
      return Error(Failure::ExtraText, lines.number(), "more rows than the board has");
    if (const ReadError error = ReadRow(cells, size, rows, lines.number(), read.givens))
      return error;
    ++rows;
  }
  if (lines.error()) return lines.error();
  if (size == 0) return Error(Failure::NoPuzzle, lines.number(), "no puzzle");
  if (rows < size)
    return Error(Failure::Truncated, lines.number() + 1, "the text ends inside the puzzle");
  read.boardSize = size;
  separated = seps;
  puzzle = std::move(read);
  return {};
}

ReadError ReadPuzzleLine(std::string_view line, std::size_t number, Puzzle& puzzle,
                         LineKind& kind) {
  if (const ReadError error = CheckLine(line, number)) return error;
  const std::string_view text = Trimmed(WithoutCr(line));
  kind = LineKind::Skip;
  if (text.empty() || text.front() == '#') return {};
  std::size_t end = 0;
  while (end < text.size() && text[end] != ' ' && text[end] != '\t' && text[end] != ':') ++end;
  const std::string_view cells = text.substr(0, end);
  if (cells.size() != 81 && cells.size() != 256) {
    return Error(Failure::LineLength, number,
                 "a puzzle line of " + std::to_string(cells.size()) + " cells, not 81 or 256");
  }
  Puzzle read;
  read.boardSize = cells.size() == 81 ? 9 : 16;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const int digit = CellDigit(cells[i], read.boardSize);
    if (digit < 0) {
      return Error(
          Failure::BadCharacter, number,
          "the character '" + std::string(1, cells[i]) + "' in column " + std::to_string(i + 1));
    }
    read.givens[i] = static_cast<CellCode>(digit);
  }
  std::string_view rest = text.substr(end);
  if (!rest.empty() && rest.front() == ':') rest.remove_prefix(1);
  const std::optional<std::string> comment = PropertyText(Trimmed(rest));
  if (!comment) return Error(Failure::BadEncoding, number, "a comment neither UTF-8 nor Shift-JIS");
  read.comment = *comment;
  puzzle = std::move(read);
  kind = LineKind::Puzzle;
  return {};
}

std::optional<Format> DetectFormat(std::string_view head) {
  head = WithoutBom(head);
  std::size_t start = 0;
  while (start < head.size() &&
         (head[start] == ' ' || head[start] == '\t' || head[start] == '\r' || head[start] == '\n'))
    ++start;
  head.remove_prefix(start);
  if (head.empty()) return std::nullopt;
  if (head.front() == '<') return Format::OpenSudoku;
  if (head.substr(0, 7) == "Gridora") return Format::Gdr;
  // The first line that is not blank and no "#" line decides.
  bool hashLines = false;
  TextLines lines(head);
  std::string_view line;
  while (lines.Next(line)) {
    const std::string_view text = Trimmed(line);
    if (text.empty()) continue;
    if (text.front() == '#') {
      hashLines = true;
      continue;
    }
    if (text == "[Puzzle]") return Format::Sdk;
    std::size_t end = 0;
    while (end < text.size() && text[end] != ' ' && text[end] != '\t' && text[end] != ':') ++end;
    if (end == 81 || end == 256) return Format::Sdm;
    if (IsRuleLine(text) || text.find('|') != std::string_view::npos) return Format::Ss;
    if (end == text.size() && SideOfRow(text) != 0) return hashLines ? Format::Sdk : Format::Grid;
    if (text.find(' ') != std::string_view::npos) return Format::Ss;  // cells between blanks
    return std::nullopt;
  }
  // Only "#" lines: a collection whose lines are all comments.
  return hashLines && !lines.error() ? std::optional<Format>(Format::Sdm) : std::nullopt;
}

ReadError UndetectedError(std::string_view head) {
  TextLines lines(head);
  std::string_view line;
  bool blank = true;
  while (lines.Next(line)) blank = blank && IsBlankLine(line);
  if (lines.error()) return lines.error();
  if (blank) return Error(Failure::NoPuzzle, 0, "no puzzle");
  return Error(Failure::UnknownFormat, 1, "not a puzzle file of a known format");
}

ReadError ReadAll(std::string_view bytes, Format& format, std::vector<Puzzle>& puzzles) {
  const std::optional<Format> detected = DetectFormat(bytes.substr(0, 64 * 1024));
  if (!detected) return UndetectedError(bytes.substr(0, 64 * 1024));
  format = *detected;
  std::vector<Puzzle> read;
  Puzzle puzzle;
  switch (format) {
    case Format::Gdr: {
      const PuzzleParse parse = ParsePuzzleFile(bytes);
      if (!parse.puzzle) {
        return Error(Failure::BadSection, parse.line, DescribePuzzleFileError(parse.error));
      }
      puzzle.boardSize = parse.puzzle->BoardSize;
      puzzle.givens = parse.puzzle->Board;
      puzzle.author = parse.puzzle->PuzzleAuthor;
      puzzle.date = parse.puzzle->PuzzleDate;
      puzzle.comment = parse.puzzle->PuzzleComment;
      read.push_back(puzzle);
      break;
    }
    case Format::Sdk:
      if (const ReadError error = ReadSdk(bytes, puzzle)) return error;
      read.push_back(puzzle);
      break;
    case Format::Ss:
    case Format::Grid: {
      bool separated = false;
      if (const ReadError error = ReadGrid(bytes, puzzle, separated)) return error;
      format = separated ? Format::Ss : Format::Grid;
      read.push_back(puzzle);
      break;
    }
    case Format::Sdm: {
      TextLines lines(bytes);
      std::string_view line;
      while (lines.Next(line)) {
        LineKind kind = LineKind::Skip;
        if (const ReadError error = ReadPuzzleLine(line, lines.number(), puzzle, kind))
          return error;
        if (kind == LineKind::Puzzle) read.push_back(puzzle);
      }
      if (lines.error()) return lines.error();
      break;
    }
    case Format::OpenSudoku: {
      OpenSudokuReader reader(
          [&](Puzzle&& game, std::uint64_t, std::uint64_t) { read.push_back(std::move(game)); });
      if (const ReadError error = reader.Feed(bytes, true)) return error;
      break;
    }
  }
  if (read.empty()) return Error(Failure::NoPuzzle, 0, "no puzzle");
  puzzles = std::move(read);
  return {};
}

}  // namespace gridora::formats
