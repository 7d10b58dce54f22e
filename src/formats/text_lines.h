// SPDX-License-Identifier: MIT
#pragma once
// The lines of a text file as every reader of this folder takes them: a
// UTF-8 byte-order mark at the start is dropped; a line ends in LF or CR LF
// (the last one may lack it); a line longer than kMaxLineBytes, a NUL byte
// or another control character than a tab is an error of that line.
//
//   TextLines lines(bytes);
//   std::string_view line;
//   while (lines.Next(line)) Use(line, lines.number());
//   if (lines.error()) Refuse(lines.error());

#include <optional>
#include <string>
#include <string_view>

#include "formats/formats.h"

namespace gridora::formats {

class TextLines {
 public:
  // `firstLine` numbers the first line of `bytes` (a piece of a larger file).
  explicit TextLines(std::string_view bytes, std::size_t firstLine = 1);

  // The next line without its end; false at the end of the text or on an
  // error, which then stays.
  bool Next(std::string_view& line);
  // The number of the line Next returned last.
  std::size_t number() const { return number_; }
  const ReadError& error() const { return error_; }
  // Where the text not read yet starts.
  std::size_t offset() const { return offset_; }

 private:
  std::string_view bytes_;
  std::size_t offset_ = 0;
  std::size_t number_ = 0;
  ReadError error_;
};

// Drops a UTF-8 byte-order mark at the start.
std::string_view WithoutBom(std::string_view bytes);

// Checks one line (without its end) against the bounds and for control
// characters; a last CR is allowed (the CR of CR LF).
ReadError CheckLine(std::string_view line, std::size_t number);

// A line without its CR of CR LF.
std::string_view WithoutCr(std::string_view line);

// The text of a property: UTF-8 as it is, otherwise read as Shift-JIS;
// nullopt when it is neither or longer than kMaxTextBytes (as read and as
// kept).
std::optional<std::string> PropertyText(std::string_view bytes);

// True for text that is valid UTF-8.
bool IsUtf8(std::string_view text);

// Blanks and tabs at both ends removed.
std::string_view Trimmed(std::string_view text);

// The digit a cell character stands for on a board of `size`: 0 for "." and
// "0", 1-9, and on 16 x 16 "a"-"g" or "A"-"G" for 10 to 16; -1 otherwise.
int CellDigit(char ch, int size);
// The character of a digit: "." for 0, "1"-"9", "A"-"G".
char CellChar(int digit);

}  // namespace gridora::formats
