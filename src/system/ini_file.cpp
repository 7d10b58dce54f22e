// SPDX-License-Identifier: MIT
#include "system/ini_file.h"

#include <filesystem>

#include "core/file_io.h"

namespace gridora {

// A settings file is a few hundred bytes; anything this large is not ours.
constexpr std::size_t kMaxIniFileBytes = 16u << 20;

namespace {

constexpr std::size_t kNone = std::string::npos;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsShiftJisLead(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

char FoldAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The section name of a header line, or nullopt for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  line.remove_prefix(1);
  const std::size_t close = line.find(']');
  return Trim(close == kNone ? line : line.substr(0, close));
}

bool IsComment(std::string_view line) {
  line = Trim(line);
  return !line.empty() && (line.front() == ';' || line.front() == '#');
}

}  // namespace

bool SameProfileName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (IsShiftJisLead(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      ++i;
      continue;
    }
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  }
  return true;
}

IniFile IniFile::Parse(std::string_view bytes) {
  IniFile ini;
  // An editor may have put a UTF-8 byte-order mark in front; it is kept,
  // but it is not part of the first line.
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (bytes.starts_with(kByteOrderMark)) {
    ini.byteOrderMark_ = kByteOrderMark;
    bytes.remove_prefix(kByteOrderMark.size());
  }
  bool endingSeen = false;
  while (!bytes.empty()) {
    const std::size_t newline = bytes.find('\n');
    Line line;
    if (newline == kNone) {
      line.text = std::string(bytes);
      bytes = {};
    } else {
      const bool crlf = newline > 0 && bytes[newline - 1] == '\r';
      line.text = std::string(bytes.substr(0, crlf ? newline - 1 : newline));
      line.ending = crlf ? "\r\n" : "\n";
      bytes.remove_prefix(newline + 1);
      // Added lines end as the file's own lines do.
      if (!endingSeen) ini.newLine_ = line.ending;
      endingSeen = true;
    }
    // A run of empty lines is kept as one line that carries all their
    // endings: they are never looked at, and a file of millions of them
    // then costs little more memory and time than its bytes.
    if (line.text.empty() && !line.ending.empty()) {
      std::size_t run = 0;
      while (run < bytes.size() &&
             (bytes[run] == '\n' ||
              (bytes[run] == '\r' && run + 1 < bytes.size() && bytes[run + 1] == '\n'))) {
        run += bytes[run] == '\r' ? 2 : 1;
      }
      line.ending.append(bytes.substr(0, run));
      bytes.remove_prefix(run);
    }
    ini.lines_.push_back(std::move(line));
  }
  return ini;
}

std::optional<IniFile> IniFile::Load(const std::string& path) {
  const FileBytes file = ReadWholeFile(path, kMaxIniFileBytes);
  if (file.status == ReadStatus::Ok) return Parse(file.bytes);
  std::error_code error;
  if (std::filesystem::exists(path, error) || error) return std::nullopt;
  return IniFile{};
}

std::size_t IniFile::FindSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const auto name = SectionName(lines_[i].text);
    if (name && SameProfileName(*name, section)) return i;
  }
  return kNone;
}

std::size_t IniFile::SectionEnd(std::size_t header) const {
  std::size_t end = header + 1;
  while (end < lines_.size() && !SectionName(lines_[end].text)) ++end;
  return end;
}

std::size_t IniFile::FindKey(std::size_t header, std::string_view key) const {
  const std::size_t end = SectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    const std::string_view text = lines_[i].text;
    const std::size_t equals = text.find('=');
    if (equals == kNone || IsComment(text)) continue;
    if (SameProfileName(Trim(text.substr(0, equals)), Trim(key))) return i;
  }
  return kNone;
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
  const std::size_t header = FindSection(section);
  if (header == kNone) return std::nullopt;
  const std::size_t line = FindKey(header, key);
  if (line == kNone) return std::nullopt;
  const std::string_view text = lines_[line].text;
  return std::string(Trim(text.substr(text.find('=') + 1)));
}

void IniFile::Insert(std::size_t at, std::string text) {
  // A last line without a line ending gets one before anything follows it.
  if (at > 0 && lines_[at - 1].ending.empty()) lines_[at - 1].ending = newLine_;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), newLine_});
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
  std::string entry = std::string(key) + "=";
  for (char c : value) {
    if (c != '\r' && c != '\n') entry += c;
  }
  const std::size_t header = FindSection(section);
  if (header == kNone) {
    Insert(lines_.size(), "[" + std::string(section) + "]");
    Insert(lines_.size(), std::move(entry));
    return;
  }
  const std::size_t line = FindKey(header, key);
  if (line != kNone) {
    lines_[line].text = std::move(entry);
    return;
  }
  // After the section's last non-blank line, so that a blank line that sets
  // the next section apart stays where it is.
  std::size_t at = SectionEnd(header);
  while (at > header + 1 && Trim(lines_[at - 1].text).empty()) --at;
  Insert(at, std::move(entry));
}

void IniFile::Remove(std::string_view section, std::string_view key) {
  const std::size_t header = FindSection(section);
  if (header == kNone) return;
  const std::size_t line = FindKey(header, key);
  if (line == kNone) return;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(line));
  const std::size_t end = SectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    if (!Trim(lines_[i].text).empty()) return;
  }
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header),
               lines_.begin() + static_cast<std::ptrdiff_t>(end));
}

bool IniFile::Empty() const {
  for (const Line& line : lines_) {
    if (!Trim(line.text).empty()) return false;
  }
  return true;
}

std::string IniFile::Bytes() const {
  std::string bytes = byteOrderMark_;
  for (const Line& line : lines_) bytes += line.text + line.ending;
  return bytes;
}

WriteStatus IniFile::Save(const std::string& path) const {
  return WriteFileCreatingFolders(path, Bytes());
}

}  // namespace gridora
