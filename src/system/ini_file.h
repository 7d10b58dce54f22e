// SPDX-License-Identifier: MIT
#pragma once
// IniFile: a profile file in memory, with the rules of the platform's private
// profile functions that the settings file was written under.
//
//  - "[name]" opens a section; "key=value" lines carry values; section and key
//    names match without regard to ASCII letter case; values are read with the
//    surrounding blanks removed; the first matching section and key win.
//  - Set replaces the key's line in place, appends a missing key after the
//    last non-blank line of its section and a missing section at the end.
//  - Every other line (comments, blank lines, unknown sections and keys) is
//    kept byte for byte, with its own line ending; added lines end as the
//    first line does. A leading UTF-8 byte-order mark is kept and skipped.
//
// The desktop's mimeapps.list is edited with it too: the same syntax, and a
// change there must leave the user's other lines alone.
//
// The engine works on raw bytes (Shift-JIS on disk); converting to and from
// UTF-8 is the caller's business (see profile.h).
//
//   IniFile ini = IniFile::Load(path).value_or(IniFile{});
//   ini.Set("Option", "KateiMode", " 1");
//   ini.Save(path);

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_io.h"

namespace gridora {

class IniFile {
 public:
  // The profile held in `bytes`.
  static IniFile Parse(std::string_view bytes);
  // The profile in the file at `path`; a missing file gives an empty profile,
  // a file that exists but cannot be read gives nullopt (so that writing
  // never replaces a file that was not read).
  static std::optional<IniFile> Load(const std::string& path);

  // The trimmed value of `key` in `section`; nullopt when either is missing.
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  // Writes "key=value" into `section` as the profile functions do. Line breaks
  // in `value` are dropped so that a value can never start a new line.
  void Set(std::string_view section, std::string_view key, std::string_view value);
  // Removes the line of `key` in `section`, and the section's header when
  // nothing but blank lines is left in it.
  void Remove(std::string_view section, std::string_view key);
  // True when the file holds nothing but blank lines.
  bool Empty() const;

  // The line ending of lines that Set adds: that of the file's first line,
  // CR LF for a file without one, unless set otherwise.
  void SetNewLine(std::string newLine) { newLine_ = std::move(newLine); }

  // The whole file as bytes.
  std::string Bytes() const;
  // Writes the file through a temporary file and a rename, creating missing
  // folders. False when the file could not be written.
  WriteStatus Save(const std::string& path) const;

 private:
  struct Line {
    std::string text;
    std::string ending;  // "\r\n", "\n" or "" for a last line without one
  };

  // Index of the header line of `section`, or npos.
  std::size_t FindSection(std::string_view section) const;
  // One past the last line that belongs to the section whose header is `header`.
  std::size_t SectionEnd(std::size_t header) const;
  // Index of the line of `key` in the section whose header is `header`, or npos.
  std::size_t FindKey(std::size_t header, std::string_view key) const;
  void Insert(std::size_t at, std::string text);

  std::string byteOrderMark_;  // a UTF-8 mark the file started with
  std::vector<Line> lines_;
  std::string newLine_ = "\r\n";
};

// True when `a` and `b` are the same name without regard to ASCII letter
// case. Both are Shift-JIS: the second byte of a double-byte character is
// compared exactly, so that it is never taken for a letter.
bool SameProfileName(std::string_view a, std::string_view b);

}  // namespace gridora
