// SPDX-License-Identifier: MIT
#pragma once
// Records: the results of solved games, by a key of the caller's choosing
// ("9 x 9 標準" for a board size and grade, or a collection's own key for
// one of its puzzles), kept in a small text file in the user's data folder.
//
//   Records records = Records::Load(RecordsPath(PlayDataFolder()));
//   records.Add(RecordKey(9, "標準"), {.ms = 312000, .helped = false, .date = "2026-12-07 20:15"});
//   records.Save(path);
//   RecordSummary s = records.SummaryOf(RecordKey(9, "標準"));  // s.best == 312000
//
// The file is UTF-8, one line per fact, tab-separated; lines it does not
// know are skipped, so a damaged file loses only those lines.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/file_io.h"

namespace gridora::play {

// How many results of a key the store keeps one by one (newest last).
inline constexpr std::size_t kKeptResults = 20;

struct GameResult {
  std::int64_t ms = 0;  // play time
  bool helped = false;  // a hint or a complete solve was used
  std::string date;     // when it was solved, as the caller wrote it
  bool operator==(const GameResult&) const = default;
};

struct RecordSummary {
  int solved = 0;                       // every result ever added
  int unhelped = 0;                     // of them, solved without help
  std::optional<std::int64_t> best;     // fastest unhelped time
  std::optional<std::int64_t> average;  // average unhelped time
  std::vector<GameResult> last;         // the newest kKeptResults, newest first
};

// The key of a board size and grade: "9 x 9 標準".
std::string RecordKey(int boardSize, const std::string& gradeName);

class Records {
 public:
  // The store in `path`; an empty store when the file is missing or
  // unreadable.
  static Records Load(const std::string& path);
  // Writes the store, replacing the file safely (the folders are made).
  WriteStatus Save(const std::string& path) const;
  // The store as the file holds it, and back.
  std::string Text() const;
  static Records FromText(const std::string& text);

  // Adds a result under `key` (any text without tabs or line ends; those
  // become blanks). Returns true when it is the key's new best time.
  bool Add(const std::string& key, const GameResult& result);
  RecordSummary SummaryOf(const std::string& key) const;
  // Every key with a result, in sorted order.
  std::vector<std::string> Keys() const;

 private:
  struct Entry {
    int solved = 0;
    int unhelped = 0;
    std::int64_t unhelpedTotal = 0;
    std::optional<std::int64_t> best;
    std::vector<GameResult> last;  // oldest first
  };
  std::map<std::string, Entry> entries_;
};

}  // namespace gridora::play
