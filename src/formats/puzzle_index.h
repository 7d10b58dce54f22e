// SPDX-License-Identifier: MIT
#pragma once
// PuzzleIndex: a puzzle file of any format and any size, opened by
// indexing it. Opening reads the file once, in pieces, checks every puzzle
// and keeps only where each one starts (16 bytes a puzzle: 0.8 MB for a
// collection of 49,158 lines); a puzzle is read again from the file when it is
// asked for. A file with one broken puzzle is refused as a whole, with the
// line, so nothing is ever loaded in part.
//
//   PuzzleIndex index;
//   if (const ReadError error = PuzzleIndex::Open(path, index)) Refuse(error);
//   Puzzle last;
//   index.Load(index.size() - 1, last);

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "formats/formats.h"

namespace gridora::formats {

// The format of the regular file at `path` from its first bytes; nullopt
// for a file that is not one (or not a regular file).
std::optional<Format> DetectFileFormat(const std::string& path);

class PuzzleIndex {
 public:
  // Indexes the file at `path`; `index` is changed only on success.
  // Folders, pipes and devices are refused without being read.
  static ReadError Open(const std::string& path, PuzzleIndex& index);

  const std::string& path() const { return path_; }
  Format format() const { return format_; }
  std::size_t size() const { return count_; }
  // A fingerprint of the file's bytes (64-bit FNV-1a): the same content
  // gives the same key whatever the file is called.
  std::uint64_t contentKey() const { return key_; }
  // The key as 16 hexadecimal digits.
  std::string ContentKeyText() const;

  // Puzzle `k` (0-based) read again from the file; Changed when the file is
  // not the one indexed any more.
  ReadError Load(std::size_t k, Puzzle& puzzle) const;

 private:
  std::string path_;
  Format format_ = Format::Sdm;
  std::size_t count_ = 0;
  std::vector<std::uint64_t> offsets_;  // where each puzzle starts in the file
  std::vector<std::uint32_t> lengths_;  // and its length in bytes
  std::vector<std::uint32_t> lines_;    // its line, for messages
  Puzzle single_;                       // the puzzle of a file of one puzzle
  Puzzle common_;                       // the properties an .opensudoku gives every game
  std::uint64_t key_ = 0;
  std::uint64_t fileSize_ = 0;
  std::int64_t modified_ = 0;  // nanoseconds
};

}  // namespace gridora::formats
