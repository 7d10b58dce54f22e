// SPDX-License-Identifier: MIT
#include "core/puzzle_format.h"

#include <algorithm>
#include <cctype>

#include "core/app_state.h"
#include "core/line_field_reader.h"
#include "core/lossy_encoding.h"
#include "core/text.h"

namespace gridora {

namespace {

// Tag lines as written, with their annotations padded exactly so.
constexpr const char* kSizeLine = "[Size]    // 9 or 16";
constexpr const char* kAuthorLine = "[Author]  // 作者の名前";
constexpr const char* kDateLine = "[Date]    // 制作日";
constexpr const char* kCommentLine = "[Comment] // コメント";
constexpr const char* kCharacterLine = "[Character] // キャラクター";
constexpr const char* kEnabledLine = "[Enabled] // データの変更可能か";
constexpr const char* kDataLine = "[Data]    // データ";

PuzzleParse Failure(PuzzleFileError error, std::size_t line) {
  PuzzleParse parse;
  parse.error = error;
  parse.line = line;
  return parse;
}

// True or False in any letter case, or a number (0 is false); anything
// else leaves the flag true.
bool EnabledValue(std::string_view value) {
  return ConvertBoolean(value).value_or(true);
}

// Finds the line holding `tag` (anywhere on it), starting where the reader
// stands, and returns the line after it: the section's value. The search
// never looks at the previous section's value, so a value that mentions
// the next tag stays a value.
std::optional<std::string> FindSection(LineFieldReader& reader, std::string_view tag) {
  for (;;) {
    const std::optional<std::string> line = reader.ReadLine();
    if (!line) return std::nullopt;
    if (line->find(tag) != std::string::npos) return reader.ReadLine();
  }
}

std::string_view FirstLineOf(std::string_view text) {
  return text.substr(0, text.find_first_of("\r\n"));
}

PuzzleParse ReadRows(LineFieldReader& reader, PuzzleFile& puzzle) {
  const int n = puzzle.BoardSize;
  for (int r = 0; r < n; ++r) {
    const std::size_t lineNumber = reader.LineNumber();
    const std::optional<std::string> row = reader.ReadField();
    if (!row) return Failure(PuzzleFileError::MissingRow, lineNumber);
    if (row->size() < static_cast<std::size_t>(n))
      return Failure(PuzzleFileError::ShortRow, lineNumber);
    for (int c = 0; c < n; ++c) {
      const int digit = DigitOfCellCharacter((*row)[static_cast<std::size_t>(c)]);
      if (digit < 0) return Failure(PuzzleFileError::BadCharacter, lineNumber);
      if (digit > n) return Failure(PuzzleFileError::DigitTooLarge, lineNumber);
      puzzle.Board[static_cast<std::size_t>(r * n + c)] = MakeCode(digit, kClassBlack);
    }
  }
  PuzzleParse parse;
  parse.puzzle = std::move(puzzle);
  return parse;
}

PuzzleParse ReadVersion2(LineFieldReader& reader, PuzzleFile& puzzle) {
  const auto section = [&](const char* tag, std::string& value) {
    std::optional<std::string> found = FindSection(reader, tag);
    if (found) value = std::move(*found);
    return found.has_value();
  };
  std::string size;
  if (!section("[Size]", size))
    return Failure(PuzzleFileError::MissingSection, reader.LineNumber());
  puzzle.BoardSize = ReadInteger(size) == 9 ? 9 : 16;
  puzzle.CharacterList = puzzle.BoardSize == 9 ? kDigits9 : kDigits16;
  std::string enabled;
  if (!section("[Author]", puzzle.PuzzleAuthor) || !section("[Date]", puzzle.PuzzleDate) ||
      !section("[Comment]", puzzle.PuzzleComment) ||
      (puzzle.version == 21 && !section("[Character]", puzzle.CharacterList)) ||
      !section("[Enabled]", enabled))
    return Failure(PuzzleFileError::MissingSection, reader.LineNumber());
  puzzle.PuzzleEnabled = EnabledValue(enabled);
  for (;;) {
    const std::optional<std::string> field = reader.ReadField();
    if (!field) return Failure(PuzzleFileError::MissingSection, reader.LineNumber());
    if (field->find("[Data]") != std::string::npos) break;
  }
  return ReadRows(reader, puzzle);
}

}  // namespace

char CellCharacterOf(int digit) {
  if (digit < 0 || digit > kMaxDigit) return '0';
  return static_cast<char>(digit <= 9 ? '0' + digit : 'a' + digit - 10);
}

int DigitOfCellCharacter(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'g') return c - 'a' + 10;
  return -1;
}

PuzzleParse ParsePuzzleFile(std::string_view bytes) {
  if (bytes.size() > kMaxPuzzleFileBytes) return Failure(PuzzleFileError::TooLarge, 0);
  // CR and LF never occur inside a two-byte Shift-JIS character, so the
  // whole text converts first and splits into lines afterwards.
  LineFieldReader reader(SplitLines(ShiftJisToUtf8Lossy(bytes)));
  const std::optional<std::string> header = reader.ReadField();
  PuzzleFile puzzle;
  if (header == kHeader21) {
    puzzle.version = 21;
  } else if (header == kHeader20) {
    puzzle.version = 20;
  } else if (header == kHeader10) {
    puzzle.version = 10;
  } else {
    return Failure(PuzzleFileError::UnknownHeader, 1);
  }
  if (puzzle.version != 10) return ReadVersion2(reader, puzzle);

  puzzle.BoardSize = 9;
  puzzle.CharacterList = kDigits9;
  puzzle.PuzzleAuthor = kUnknownAuthor;
  puzzle.PuzzleDate = kUnknownDate;
  puzzle.PuzzleComment = kNoComment;
  puzzle.PuzzleEnabled = true;
  if (!reader.ReadField()) return Failure(PuzzleFileError::MissingRow, reader.LineNumber());
  return ReadRows(reader, puzzle);
}

const char* DescribePuzzleFileError(PuzzleFileError error) {
  switch (error) {
    case PuzzleFileError::None:
      return "no error";
    case PuzzleFileError::TooLarge:
      return "the file is too large to be a puzzle file";
    case PuzzleFileError::UnknownHeader:
      return "the first line is not a puzzle file header";
    case PuzzleFileError::MissingSection:
      return "the file ends before a section or its value";
    case PuzzleFileError::MissingRow:
      return "the file ends before all rows of the board";
    case PuzzleFileError::ShortRow:
      return "a row of the board is too short";
    case PuzzleFileError::BadCharacter:
      return "a row holds a character other than 0-9 and a-g";
    case PuzzleFileError::DigitTooLarge:
      return "a row holds a digit above the board size";
  }
  return "unknown error";
}

std::string FormatPuzzleFile(const PuzzleFile& puzzle) {
  const int n = puzzle.BoardSize == 16 ? 16 : 9;
  std::string text;
  const auto line = [&text](std::string_view content) {
    text += FirstLineOf(content);
    text += "\r\n";
  };
  line(kHeader21);
  line("");
  line(kSizeLine);
  line(NumberText(n));
  line(kAuthorLine);
  line(puzzle.PuzzleAuthor);
  line(kDateLine);
  line(puzzle.PuzzleDate);
  line(kCommentLine);
  line(puzzle.PuzzleComment);
  line(kCharacterLine);
  line(puzzle.CharacterList);
  line(kEnabledLine);
  line(BoolText(puzzle.PuzzleEnabled));
  line("");
  line(kDataLine);
  for (int r = 0; r < n; ++r) {
    std::string row;
    for (int c = 0; c < n; ++c) {
      const int code = puzzle.Board[static_cast<std::size_t>(r * n + c)];
      // Only black digits are stored; a solver digit is not part of the puzzle.
      const int digit = ClassOf(code) == kClassBlack && DigitOf(code) <= n ? DigitOf(code) : 0;
      row += CellCharacterOf(digit);
    }
    line(row);
  }
  return Utf8ToShiftJisLossy(text);
}

}  // namespace gridora
