// SPDX-License-Identifier: MIT
#pragma once
// Playing a collection: which puzzle of an indexed file is on the board,
// and the player's results. The results are play mode's records (one
// record key a puzzle, made of the collection's content and the puzzle's
// number), so that reopening the file under any name finds them and the
// records dialog lists them; the puzzle shown last is kept in a small file
// of the state folder named after the content.
//
//   Collection collection(std::move(index), stateFolder, play::RecordsPath(data));
//   Puzzle puzzle;
//   collection.Go(collection.FirstUnsolved(), puzzle);
//   collection.Record(records, result);  // play mode's records, at the solved moment
//
// The state file (UTF-8, one item a line):
//   Gridora collection 1
//   position 11            the puzzle shown last, 0-based
// Files of earlier versions also held the results, as
//   solved 3 312 0         puzzle 3 solved in 312 seconds, without help (1: with)
// which are moved into the records once, when the collection is opened.

#include <cstdint>
#include <map>
#include <string>

#include "core/cell.h"
#include "formats/puzzle_index.h"
#include "play/records.h"

namespace gridora::formats {

struct PuzzleResult {
  bool solved = false;
  int seconds = 0;      // the best time (the last one when every solve was helped)
  bool helped = false;  // every solve used a hint or the solver

  bool operator==(const PuzzleResult&) const = default;
};

struct CollectionState {
  std::size_t position = 0;
  // Results of an earlier version's file, not written any more.
  std::map<std::size_t, PuzzleResult> oldResults;

  // The state in `path`; position 0 for a missing or unreadable file.
  static CollectionState Load(const std::string& path);
  // Writes the position to `path` (the folder is made when missing).
  bool Save(const std::string& path) const;
};

class Collection {
 public:
  // The collection of `index`, its state in `stateFolder` and its results
  // in the records file `recordsPath` ("" keeps none).
  Collection(PuzzleIndex index, std::string stateFolder, std::string recordsPath);

  const PuzzleIndex& index() const { return index_; }
  std::size_t size() const { return index_.size(); }
  std::size_t position() const { return state_.position; }
  // The first puzzle not solved at or after the one shown last, then from
  // the start; the last shown when all are solved.
  std::size_t FirstUnsolved() const;
  // Reads puzzle `k` and makes it the current one; on an error nothing
  // changes.
  ReadError Go(std::size_t k, Puzzle& puzzle);
  // The record key of puzzle `k`: "問題集 <content key> <k + 1>".
  std::string RecordKeyOf(std::size_t k) const;
  // Adds `result` for the current puzzle to `records` (play mode's, which
  // saves them) and to the results the collection shows.
  void Record(play::Records& records, const play::GameResult& result);
  // The result of puzzle `k` (not solved when there is none).
  PuzzleResult ResultOf(std::size_t k) const;
  std::size_t SolvedCount() const;
  // "問題 12 / 1465" for the current puzzle.
  std::string StatusText() const;
  // Where the position is kept.
  std::string StatePath() const;

 private:
  // Moves the results of an earlier version's state file into the records.
  void MoveOldResults();
  void Reload();

  PuzzleIndex index_;
  std::string stateFolder_;
  std::string recordsPath_;
  CollectionState state_;
  play::Records records_;
};

// The file in `folder` that names the collection played last, and reading
// and writing it.
std::string LastCollectionPath(const std::string& folder);
bool SaveLastCollection(const std::string& folder, const std::string& path);

}  // namespace gridora::formats
