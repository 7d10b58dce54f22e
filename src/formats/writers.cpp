// SPDX-License-Identifier: MIT
#include "formats/writers.h"

#include "core/app_state.h"
#include "core/puzzle_format.h"
#include "core/text.h"
#include "formats/text_lines.h"

namespace gridora::formats {

namespace {

constexpr const char* kEnd = "\r\n";

// A property as one line: line breaks become blanks.
std::string OneLine(const std::string& text) {
  std::string line = text;
  for (char& ch : line) {
    if (ch == '\r' || ch == '\n') ch = ' ';
  }
  return line;
}

std::string Rows(const BoardCodes& board, int size) {
  std::string text;
  for (int r = 0; r < size; ++r) {
    for (int c = 0; c < size; ++c) text += CellChar(board[static_cast<std::size_t>(r * size + c)]);
    text += kEnd;
  }
  return text;
}

BoardCodes State(const Puzzle& puzzle) {
  BoardCodes state = puzzle.givens;
  for (std::size_t k = 0; k < state.size(); ++k) {
    if (state[k] == 0) state[k] = puzzle.entries[k];
  }
  return state;
}

std::string NoteText(std::uint16_t mask) {
  if (mask == 0) return ".";
  std::string text;
  for (int d = 1; d <= kMaxDigit; ++d) {
    if (mask & 1u << (d - 1)) text += CellChar(d);
  }
  return text;
}

}  // namespace

std::string WriteSdk(const Puzzle& puzzle) {
  std::string text;
  const std::pair<char, const std::string*> properties[] = {
      {'A', &puzzle.author}, {'D', &puzzle.description}, {'C', &puzzle.comment},
      {'B', &puzzle.date},   {'S', &puzzle.source},      {'L', &puzzle.level},
      {'U', &puzzle.url}};
  for (const auto& [letter, value] : properties) {
    if (!value->empty()) text += std::string("#") + letter + OneLine(*value) + kEnd;
  }
  const int size = puzzle.boardSize;
  const bool notes = puzzle.notes != NoteMasks{};
  if (!puzzle.HasProgress()) return text + Rows(puzzle.givens, size);
  text += std::string("[Puzzle]") + kEnd + Rows(puzzle.givens, size);
  text += std::string("[State]") + kEnd + Rows(State(puzzle), size);
  if (notes) {
    text += std::string("[PencilMarks]") + kEnd;
    for (int r = 0; r < size; ++r) {
      for (int c = 0; c < size; ++c) {
        if (c > 0) text += ' ';
        text += NoteText(puzzle.notes[static_cast<std::size_t>(r * size + c)]);
      }
      text += kEnd;
    }
  }
  return text;
}

std::string WriteSdmLine(const Puzzle& puzzle) {
  std::string line;
  const int cells = puzzle.boardSize * puzzle.boardSize;
  for (int k = 0; k < cells; ++k) line += CellChar(puzzle.givens[static_cast<std::size_t>(k)]);
  if (!puzzle.comment.empty()) line += " " + OneLine(puzzle.comment);
  return line + kEnd;
}

std::string WriteSs(const Puzzle& puzzle) {
  const int size = puzzle.boardSize;
  const int box = BoxSideOf(size);
  const std::string rule(static_cast<std::size_t>(size + box - 1), '-');
  std::string text;
  for (int r = 0; r < size; ++r) {
    if (r > 0 && r % box == 0) text += rule + kEnd;
    for (int c = 0; c < size; ++c) {
      if (c > 0 && c % box == 0) text += '|';
      text += CellChar(puzzle.givens[static_cast<std::size_t>(r * size + c)]);
    }
    text += kEnd;
  }
  return text;
}

std::string WriteGrid(const Puzzle& puzzle) {
  return Rows(puzzle.givens, puzzle.boardSize);
}

std::string WriteGdr(const Puzzle& puzzle) {
  PuzzleFile file;
  file.BoardSize = puzzle.boardSize;
  file.Board = State(puzzle);
  file.CharacterList = puzzle.boardSize == 16 ? kDigits16 : kDigits9;
  file.PuzzleAuthor = OneLine(puzzle.author);
  file.PuzzleDate = OneLine(puzzle.date);
  file.PuzzleComment = OneLine(puzzle.comment);
  return FormatPuzzleFile(file);
}

std::string OpenSudokuStart(const std::string& folderName) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<opensudoku version=\"2\">\n<folder name=\"" +
         EscapeMarkup(folderName, true) + "\" created=\"0\">\n";
}

std::string OpenSudokuGame(const Puzzle& puzzle) {
  std::string data;
  if (!puzzle.HasProgress()) {
    for (int k = 0; k < 81; ++k)
      data += static_cast<char>('0' + puzzle.givens[static_cast<std::size_t>(k)]);
  } else {
    data = "version: 3\n";
    for (std::size_t k = 0; k < 81; ++k) {
      const int given = puzzle.givens[k];
      const int digit = given != 0 ? given : puzzle.entries[k];
      data += std::to_string(digit) + "|" + std::to_string(puzzle.notes[k]) + "|" +
              (given != 0 ? "0" : "1") + "|";
    }
  }
  std::string game = "<game created=\"0\" state=\"0\" time=\"0\" last_played=\"0\" data=\"" +
                     EscapeMarkup(data, true) + "\"";
  if (!puzzle.comment.empty()) game += " note=\"" + EscapeMarkup(puzzle.comment, true) + "\"";
  return game + "/>\n";
}

std::string OpenSudokuEnd() {
  return "</folder>\n</opensudoku>\n";
}

Puzzle KeptBy(Format format, const Puzzle& puzzle) {
  Puzzle kept;
  kept.boardSize = puzzle.boardSize;
  kept.givens = puzzle.givens;
  switch (format) {
    case Format::Gdr:
      kept.givens = State(puzzle);
      kept.author = OneLine(puzzle.author);
      kept.date = OneLine(puzzle.date);
      kept.comment = OneLine(puzzle.comment);
      break;
    case Format::Sdk:
      kept = puzzle;
      break;
    case Format::Sdm:
      kept.comment = OneLine(puzzle.comment);
      break;
    case Format::OpenSudoku:
      kept.entries = puzzle.entries;
      kept.notes = puzzle.notes;
      kept.comment = puzzle.comment;
      kept.source = puzzle.source.empty() ? "Gridora" : puzzle.source;
      break;
    case Format::Ss:
    case Format::Grid:
      break;
  }
  return kept;
}

bool CanWrite(Format format, const Puzzle& puzzle) {
  return format != Format::OpenSudoku || puzzle.boardSize == 9;
}

std::string WriteFile(Format format, const std::vector<Puzzle>& puzzles) {
  if (puzzles.empty() || (HoldsOnePuzzle(format) && puzzles.size() != 1)) return {};
  for (const Puzzle& puzzle : puzzles) {
    if (!CanWrite(format, puzzle)) return {};
  }
  const Puzzle& first = puzzles.front();
  switch (format) {
    case Format::Gdr:
      return WriteGdr(first);
    case Format::Sdk:
      return WriteSdk(first);
    case Format::Ss:
      return WriteSs(first);
    case Format::Grid:
      return WriteGrid(first);
    case Format::Sdm: {
      std::string text;
      for (const Puzzle& puzzle : puzzles) text += WriteSdmLine(puzzle);
      return text;
    }
    case Format::OpenSudoku: {
      std::string text = OpenSudokuStart(first.source.empty() ? "Gridora" : first.source);
      for (const Puzzle& puzzle : puzzles) text += OpenSudokuGame(puzzle);
      return text + OpenSudokuEnd();
    }
  }
  return {};
}

}  // namespace gridora::formats
