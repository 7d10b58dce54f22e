// SPDX-License-Identifier: MIT
#pragma once
// Playing a collection: which puzzle of an indexed file is on the board,
// and the player's results, kept in a small file of their own named after
// the collection's content, so that reopening the file (under any name)
// finds them.
//
//   Collection collection(std::move(index), RecordsFolderOf(state));
//   Puzzle puzzle;
//   collection.Go(collection.FirstUnsolved(), puzzle);
//   ... collection.Record({true, 312, false});
//
// The records file (UTF-8, one item a line):
//   Gridora collection 1
//   position 11            the puzzle shown last, 0-based
//   solved 3 312 0         puzzle 3 solved in 312 seconds, without help (1: with)

#include <cstdint>
#include <map>
#include <string>

#include "core/cell.h"
#include "formats/puzzle_index.h"

namespace gridora::formats {

struct PuzzleResult {
  bool solved = false;
  int seconds = 0;      // the time the solve took
  bool helped = false;  // the solver or a hint filled cells

  bool operator==(const PuzzleResult&) const = default;
};

struct CollectionRecords {
  std::size_t position = 0;
  std::map<std::size_t, PuzzleResult> results;

  // The records in `path`; empty records for a missing or unreadable file.
  static CollectionRecords Load(const std::string& path);
  // Writes them to `path` (the folder is made when missing).
  bool Save(const std::string& path) const;
};

class Collection {
 public:
  // The collection of `index`, with its records in `folder`.
  Collection(PuzzleIndex index, std::string folder);

  const PuzzleIndex& index() const { return index_; }
  std::size_t size() const { return index_.size(); }
  std::size_t position() const { return records_.position; }
  // The first puzzle not solved at or after the one shown last, then from
  // the start; the last shown when all are solved.
  std::size_t FirstUnsolved() const;
  // Reads puzzle `k` and makes it the current one; on an error nothing
  // changes.
  ReadError Go(std::size_t k, Puzzle& puzzle);
  // Records the result of the current puzzle and keeps the records.
  void Record(const PuzzleResult& result);
  // The result of puzzle `k` (not solved when there is none).
  PuzzleResult ResultOf(std::size_t k) const;
  std::size_t SolvedCount() const;
  // "問題 12 / 1465" for the current puzzle.
  std::string StatusText() const;
  // Where the records are kept.
  std::string RecordsPath() const;

 private:
  PuzzleIndex index_;
  std::string folder_;
  CollectionRecords records_;
};

// True when `board` (the cells of a board of `size`) is full and no digit
// repeats in a row, column or box.
bool IsSolvedBoard(const BoardCodes& board, int size);

// The file in `folder` that names the collection played last, and reading
// and writing it.
std::string LastCollectionPath(const std::string& folder);
bool SaveLastCollection(const std::string& folder, const std::string& path);

}  // namespace gridora::formats
