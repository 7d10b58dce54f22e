// SPDX-License-Identifier: MIT
#pragma once
// Sequential reading of a text in two ways on one position: whole lines,
// or comma-separated fields. The puzzle file reads its section values as
// lines and its header and data rows as fields.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace gridora {

// The lines of `text`, each without its ending. CR LF, a lone LF and a lone
// CR all end a line, so files edited on any system read alike. A final line
// without an ending still counts; an empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);

class LineFieldReader {
 public:
  explicit LineFieldReader(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  // The rest of the current line; the next read starts on the following
  // line. nullopt at the end of the text.
  std::optional<std::string> ReadLine();

  // Where a quoted field may end: on its own line (the puzzle file), or at
  // the next double quote however many lines on (the game template); the
  // line ends it runs across stay in the field as CR LF.
  enum class Quotes { EndOfLine, AcrossLines };

  // Skips leading spaces (not tabs), then takes the text up to the next "," or the end
  // of the line; a field that starts with a double quote runs to the
  // closing quote, which is dropped. After a "," the rest of the line is
  // left for the next field. nullopt at the end of the text.
  std::optional<std::string> ReadField(Quotes quotes = Quotes::EndOfLine);

  // 1-based number of the line the next read starts on.
  std::size_t LineNumber() const { return line_ + 1; }

 private:
  void FinishAt(std::size_t column);

  std::vector<std::string> lines_;
  std::size_t line_ = 0;
  std::size_t column_ = 0;
};

}  // namespace gridora
