// SPDX-License-Identifier: MIT
#include "formats/text_lines.h"

#include "core/encoding.h"

namespace gridora::formats {

TextLines::TextLines(std::string_view bytes, std::size_t firstLine)
    : bytes_(firstLine == 1 ? WithoutBom(bytes) : bytes), number_(firstLine - 1) {}

bool TextLines::Next(std::string_view& line) {
  if (error_ || offset_ >= bytes_.size()) return false;
  const std::size_t end = bytes_.find('\n', offset_);
  const std::size_t stop = end == std::string_view::npos ? bytes_.size() : end;
  line = bytes_.substr(offset_, stop - offset_);
  offset_ = end == std::string_view::npos ? bytes_.size() : end + 1;
  ++number_;
  error_ = CheckLine(line, number_);
  if (error_) return false;
  line = WithoutCr(line);
  return true;
}

std::string_view WithoutBom(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  return bytes;
}

std::string_view WithoutCr(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

ReadError CheckLine(std::string_view line, std::size_t number) {
  if (line.size() > kMaxLineBytes + 1) {
    return {Failure::LineTooLong, number,
            "a line longer than " + std::to_string(kMaxLineBytes) + " bytes"};
  }
  line = WithoutCr(line);
  for (const char ch : line) {
    const auto byte = static_cast<unsigned char>(ch);
    if ((byte < 0x20 && ch != '\t') || byte == 0x7F) {
      return {Failure::Binary, number, "a control character (binary data)"};
    }
  }
  return {};
}

bool IsUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    unsigned min = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      min = 0x10000;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    unsigned value = lead & (0xFF >> (length + 1));
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      value = value << 6 | (next & 0x3F);
    }
    if (value < min || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

std::optional<std::string> PropertyText(std::string_view bytes) {
  if (bytes.size() > kMaxTextBytes) return std::nullopt;
  if (IsUtf8(bytes)) return std::string(bytes);
  // The bound holds for the text as kept, so that what is written back is
  // read again.
  std::optional<std::string> text = ShiftJisToUtf8(bytes);
  if (text && text->size() > kMaxTextBytes) return std::nullopt;
  return text;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

int CellDigit(char ch, int size) {
  if (ch == '.' || ch == '0') return 0;
  if (ch >= '1' && ch <= '9') return ch - '0';
  if (size == 16 && ch >= 'a' && ch <= 'g') return ch - 'a' + 10;
  if (size == 16 && ch >= 'A' && ch <= 'G') return ch - 'A' + 10;
  return -1;
}

char CellChar(int digit) {
  if (digit <= 0) return '.';
  if (digit <= 9) return static_cast<char>('0' + digit);
  return static_cast<char>('A' + digit - 10);
}

}  // namespace gridora::formats
