// SPDX-License-Identifier: MIT
#pragma once
// CollectionRatings: the logic engine's rating (ER) of a collection's
// puzzles for the list of the collection. A hard puzzle takes the engine
// up to a second or more, so nothing is rated up front: a puzzle is rated
// when it is asked for (a row the list shows), on one worker thread of low
// priority, the newest question first, and what was found is kept in a
// cache file named after the collection's content, so that the next list
// shows it at once.
//
//   CollectionRatings ratings(index, CacheFolder() + "/ratings", [](std::size_t k) {
//     // called on the worker thread: rating k is ready
//   });
//   if (const auto rating = ratings.Find(k)) Show(RatingText(*rating));
//   else ratings.Ask(k);
//
// The cache file (UTF-8): "GridoraRatings 1", then one line a puzzle,
// "k er solved" (0-based number, ER in tenths, 1 when the engine solved it).

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "formats/puzzle_index.h"

namespace gridora::formats {

struct Rating {
  int er = 0;           // tenths: 90 is ER 9.0
  bool solved = false;  // false: the engine stopped with cells left

  bool operator==(const Rating&) const = default;
};

// "9.0"; "9.0+" when the engine stopped before the end (the puzzle is at
// least that hard); "-" when it could not even start.
std::string RatingText(const Rating& rating);

class CollectionRatings {
 public:
  // Called on the worker thread when the rating of puzzle k is ready.
  using Ready = std::function<void(std::size_t k)>;

  // The ratings of the collection of `index` (a copy is kept), cached in
  // `cacheFolder` ("" keeps no cache).
  CollectionRatings(PuzzleIndex index, const std::string& cacheFolder, Ready ready);
  // Waits for the puzzle being rated, if any, and saves the cache.
  ~CollectionRatings();
  CollectionRatings(const CollectionRatings&) = delete;
  CollectionRatings& operator=(const CollectionRatings&) = delete;

  std::optional<Rating> Find(std::size_t k) const;
  // Puts puzzle k before the others waiting to be rated (nothing when it is
  // rated, waiting already, or cannot be read).
  void Ask(std::size_t k);
  // Forgets the puzzles waiting (the list was closed); the one being rated
  // is finished.
  void ClearAsked();
  // Writes the cache file when it has new ratings.
  void Save();
  // The cache file ("" when none is kept).
  const std::string& CachePath() const { return cachePath_; }

 private:
  void Work();

  const PuzzleIndex index_;
  const std::string cachePath_;
  const Ready ready_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::map<std::size_t, Rating> known_;
  std::vector<std::size_t> asked_;  // the newest last
  std::set<std::size_t> waiting_;   // the same, to look up
  std::set<std::size_t> broken_;    // could not be read: never asked again
  bool changed_ = false;            // ratings the cache file does not hold
  bool stop_ = false;
  std::thread worker_;  // started by the first Ask
};

}  // namespace gridora::formats
