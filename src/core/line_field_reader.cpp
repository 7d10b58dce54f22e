// SPDX-License-Identifier: MIT
#include "core/line_field_reader.h"

#include <algorithm>

namespace gridora {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

std::optional<std::string> LineFieldReader::ReadLine() {
  if (line_ >= lines_.size()) return std::nullopt;
  const std::string& line = lines_[line_];
  std::string rest = column_ < line.size() ? line.substr(column_) : std::string();
  ++line_;
  column_ = 0;
  return rest;
}

std::optional<std::string> LineFieldReader::ReadField(Quotes quotes) {
  if (line_ >= lines_.size()) return std::nullopt;
  const std::string& line = lines_[line_];
  std::size_t pos = column_;
  // Only spaces: a tab is an ordinary character of the field.
  while (pos < line.size() && line[pos] == ' ') ++pos;
  std::string field;
  if (pos < line.size() && line[pos] == '"') {
    std::size_t close = line.find('"', pos + 1);
    field = line.substr(pos + 1, close == std::string::npos ? close : close - pos - 1);
    while (close == std::string::npos && quotes == Quotes::AcrossLines &&
           line_ + 1 < lines_.size()) {
      const std::string& next = lines_[++line_];
      close = next.find('"');
      field += "\r\n";
      field += next.substr(0, close);
    }
    const std::string& last = lines_[line_];
    // Anything between the closing quote and the next comma belongs to no field.
    pos = close == std::string::npos ? last.size() : close + 1;
    pos = std::min(last.find(',', pos), last.size());
  } else {
    const std::size_t comma = std::min(line.find(',', pos), line.size());
    field = line.substr(pos, comma - pos);
    pos = comma;
  }
  FinishAt(pos);
  return field;
}

// `column` is the comma that ended a field, or the end of the line.
void LineFieldReader::FinishAt(std::size_t column) {
  if (column < lines_[line_].size()) {
    column_ = column + 1;
  } else {
    ++line_;
    column_ = 0;
  }
}

}  // namespace gridora
