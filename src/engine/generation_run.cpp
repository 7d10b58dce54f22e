// SPDX-License-Identifier: MIT
#include "engine/generation_run.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace gridora::engine {
namespace {

using Clock = std::chrono::steady_clock;

// One puzzle being made: its attempts are handed out by number; the lowest
// number that made the grade wins.
struct Race {
  GenerateOptions options;  // with the puzzle's own seed
  std::atomic<int> next{0};
  std::atomic<int> winner{INT_MAX};
  int workers = 0;  // threads on it; under the run's lock
  Generated result;
  Clock::time_point start = Clock::now();
};

class Run {
 public:
  Run(const GenerateOptions& options, std::size_t count,
      const std::function<std::uint64_t(std::size_t)>& seedOf,
      const std::function<void(std::size_t, const Generated&)>& emit)
      : options_(options), count_(count), seedOf_(seedOf), emit_(emit) {}

  void Go() {
    const int threads = std::max(1, options_.threads);
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t) pool.emplace_back([this] { Serve(); });
    Serve();
    for (std::thread& thread : pool) thread.join();
  }

 private:
  bool Cancelled() const {
    return options_.cancel != nullptr && options_.cancel->load(std::memory_order_relaxed);
  }

  // Takes work until every puzzle is out or the run is cancelled.
  void Serve() {
    std::unique_lock lock(mutex_);
    while (nextEmit_ < count_ && !Cancelled()) {
      Race* race = Pick();
      if (race == nullptr) {
        // Everything open is spoken for; a finished puzzle or a cancel
        // brings new work. The timeout notices a cancel.
        changed_.wait_for(lock, std::chrono::milliseconds(20));
        continue;
      }
      ++race->workers;
      lock.unlock();
      Work(*race);
      lock.lock();
      if (--race->workers == 0 && race->winner.load() != INT_MAX) Finish(*race);
    }
    changed_.notify_all();
  }

  // The next puzzle to start, while the ones done but waiting for an
  // earlier one stay few; otherwise the first open puzzle without a winner
  // yet, whose further attempts a thread can try.
  Race* Pick() {
    const std::size_t ahead = 16 * static_cast<std::size_t>(std::max(1, options_.threads));
    if (nextStart_ < count_ && nextStart_ < nextEmit_ + ahead) {
      auto race = std::make_unique<Race>();
      race->options = options_;
      race->options.seed = seedOf_(nextStart_);
      Race* raw = race.get();
      races_.emplace(nextStart_++, std::move(race));
      return raw;
    }
    for (auto& [n, race] : races_) {
      if (race->winner.load() == INT_MAX) return race.get();
    }
    return nullptr;
  }

  // Tries attempts of `race` until an attempt at or above the winner
  // comes up. Every number below the one a thread stops at was handed out
  // before, so once no thread works on the race the attempts below the
  // winner are all done.
  void Work(Race& race) {
    for (;;) {
      const int k = race.next.fetch_add(1);
      if (k >= race.winner.load() || Cancelled()) return;
      const std::optional<Generated> g =
          GenerateAttempt(race.options, k, [&] { return Cancelled() || race.winner.load() < k; });
      if (!g || (race.options.grade && g->grade != *race.options.grade)) continue;
      std::lock_guard lock(mutex_);
      if (k < race.winner.load()) {
        race.result = *g;
        race.winner.store(k);
      }
    }
  }

  // Under the lock: emits the puzzles that are complete, in order.
  void Finish(Race& race) {
    race.result.seconds = std::chrono::duration<double>(Clock::now() - race.start).count();
    for (auto it = races_.find(nextEmit_); it != races_.end(); it = races_.find(nextEmit_)) {
      Race& first = *it->second;
      if (first.workers > 0 || first.winner.load() == INT_MAX) break;
      emit_(nextEmit_, first.result);
      races_.erase(it);
      ++nextEmit_;
    }
    changed_.notify_all();
  }

  const GenerateOptions& options_;
  const std::size_t count_;
  const std::function<std::uint64_t(std::size_t)>& seedOf_;
  const std::function<void(std::size_t, const Generated&)>& emit_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::map<std::size_t, std::unique_ptr<Race>> races_;  // started, not yet emitted
  std::size_t nextStart_ = 0;
  std::size_t nextEmit_ = 0;
};

}  // namespace

void RunGeneration(const GenerateOptions& options, std::size_t count,
                   const std::function<std::uint64_t(std::size_t)>& seedOf,
                   const std::function<void(std::size_t, const Generated&)>& emit) {
  Run(options, count, seedOf, emit).Go();
}

}  // namespace gridora::engine
