// SPDX-License-Identifier: MIT
#pragma once
// The puzzle stock: a few puzzles made ahead for each board size, grade and
// symmetry, so that a new puzzle can be had at once.
//
// Responsibilities:
//  - keep the puzzles in one file of the cache folder, "puzzle-stock.txt",
//    shared by every running program under a lock ("puzzle-stock.lock"):
//    each take and each store reads the file, changes it and replaces it,
//    so a puzzle taken is gone for every program before it is shown;
//  - drop the whole stock when it was graded under other grading rules
//    (kGradeRulesVersion) or the file is damaged;
//  - refill on one worker thread at idle priority: the key that lacks most
//    first, the keys of symmetric puzzles (the dialog's default) before the
//    others; asleep once every key is full;
//  - stop the worker promptly: the puzzle it is making is given up.
//
//   PuzzleStock stock(CacheFolder());
//   if (auto g = stock.Take({9, Grade::Hard, Symmetry::Rotate180})) { ...*g... }
//   stock.StartRefill();   // the worker tops the stock up in the background
//   ...                    // the destructor stops it

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "engine/generator.h"

namespace gridora::engine {

struct StockKey {
  int boardSize = 9;
  Grade grade = Grade::Standard;
  Symmetry symmetry = Symmetry::Rotate180;
  bool operator==(const StockKey&) const = default;
};

struct StockedPuzzle {
  StockKey key;
  Grid puzzle{};
  Grid solution{};
};

// Every key, in the order the worker fills them.
std::vector<StockKey> StockKeys();

// The file's text: a heading with the format and the grading rules'
// version, one line a puzzle ("9 hard symmetric <puzzle> <solution>"), and a
// closing line with the count and a checksum of the lines before it.
std::string FormatStock(const std::vector<StockedPuzzle>& puzzles);
// The puzzles of a file's text; nothing when it comes from other grading
// rules or another format, is cut short, or any line is damaged.
std::optional<std::vector<StockedPuzzle>> ParseStock(std::string_view text);

class PuzzleStock {
 public:
  static constexpr int kDefaultPerKey = 3;

  // The stock of `folder` ("" keeps none: nothing to take, no worker),
  // `perKey` puzzles for each of `keys`, filled in that order.
  explicit PuzzleStock(std::string folder, int perKey = kDefaultPerKey,
                       std::vector<StockKey> keys = StockKeys());
  ~PuzzleStock();  // Stop()
  PuzzleStock(const PuzzleStock&) = delete;
  PuzzleStock& operator=(const PuzzleStock&) = delete;

  // A puzzle of `key`, removed from the stock before it is returned;
  // nothing when the stock has none.
  std::optional<Generated> Take(const StockKey& key);
  // The puzzles of `key` in the stock now.
  int Count(const StockKey& key);

  // Starts the worker, or wakes it when it sleeps.
  void StartRefill();
  // Asks the worker to stop and waits for it.
  void Stop();
  // Makes one puzzle for the key that lacks most and stores it; false when
  // every key is full, nothing is kept, or the work was stopped. The
  // worker's step, open to tests.
  bool RefillOne();

  // CPU time the worker threads have used so far, in seconds. Called on
  // the thread that starts and stops the worker.
  double WorkerCpuSeconds();
  const std::string& FilePath() const { return file_; }

 private:
  // Reads the stock under the lock, lets `change` edit it, and writes it
  // back when `change` returns true.
  template <typename Change>
  bool Edit(Change change);
  void Work();

  const std::string file_;
  const std::string lockFile_;
  const int perKey_;
  const std::vector<StockKey> keys_;
  std::mutex fileMutex_;  // one edit at a time within the process
  std::mutex wakeMutex_;
  std::condition_variable wake_;
  bool wakeRequested_ = false;
  std::atomic<bool> stop_{false};
  double stoppedWorkersCpu_ = 0;  // CPU time of the workers stopped before
  double endingWorkerCpu_ = 0;    // written by the worker as it ends
  std::thread worker_;
};

}  // namespace gridora::engine
