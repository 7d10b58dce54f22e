// SPDX-License-Identifier: MIT
// Solves per second on the public puzzle sets, and what the progress and
// yield hook costs: no hook, a window-like hook that lets every visited cell
// through, and the same hook at the stride the Solve command uses.
//
//   build/bench/gridora_solver_bench --benchmark_filter=Hook

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <map>
#include <new>
#include <string>
#include <vector>

#include "solver/puzzle_line.h"
#include "solver/run_solver.h"
#include "solver/solver.h"
#include "solver/solver_tables.h"

// Every allocation of the process is counted, to show that a solve allocates
// a fixed few times however many trials it makes.
namespace {
std::atomic<long> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace gridora {
namespace {

struct Puzzle {
  int size;
  BoardCodes board;
};

const std::vector<Puzzle>& PuzzleSet(const std::string& name) {
  static std::map<std::string, std::vector<Puzzle>> sets;
  auto [it, inserted] = sets.try_emplace(name);
  if (!inserted) return it->second;
  const char* dir = std::getenv("GRIDORA_PUZZLES");
  std::ifstream in(std::string(dir != nullptr ? dir : GRIDORA_PUZZLE_DIR) + "/" + name);
  std::string line;
  while (std::getline(in, line)) {
    const PuzzleLine parsed = ParsePuzzleLine(line);
    if (parsed.kind == PuzzleLine::Kind::Puzzle)
      it->second.push_back({parsed.boardSize, parsed.board});
  }
  return it->second;
}

const std::array<std::string, 8>& Messages() {
  static const std::array<std::string, 8> messages = [] {
    AppState state;
    InitSolverTables(state);
    return state.SolveMessages;
  }();
  return messages;
}

// Stands in for the window: progress text is kept, and events are processed
// (here: a counter) only when a frame's time has passed since the last time.
class WindowLikeHook final : public SolveHook {
 public:
  explicit WindowLikeHook(int yieldEvery) : SolveHook(yieldEvery) {}
  void ShowProgress(const std::string& text) override { text_ = text; }
  void Yield() override {
    const auto now = std::chrono::steady_clock::now();
    if (now - last_ < std::chrono::milliseconds(16)) return;
    last_ = now;
    ++repaints_;
  }
  long repaints() const { return repaints_; }

 private:
  std::string text_;
  std::chrono::steady_clock::time_point last_{};
  long repaints_ = 0;
};

enum HookKind { kNoHook = 0, kEveryCell = 1, kCommandStride = 2 };

void SolveSet(benchmark::State& bench, const std::string& name, int hookKind) {
  const std::vector<Puzzle>& puzzles = PuzzleSet(name);
  if (puzzles.empty()) {
    bench.SkipWithError("puzzle set not found");
    return;
  }
  const SolveSettings settings;  // the defaults
  SolveSettings settings16 = settings;
  settings16.limit = 3;
  WindowLikeHook hook(hookKind == kCommandStride ? kSolveYieldEvery : 1);
  SolveHook* used = hookKind == kNoHook ? nullptr : &hook;
  long solutions = 0;
  long trials = 0;
  const long allocationsBefore = allocations.load();
  for (auto _ : bench) {
    for (const Puzzle& p : puzzles) {
      const SolveOutcome outcome = p.size == 9 ? Solve9(p.board, settings, Messages(), used)
                                               : Solve16(p.board, settings16, Messages(), used);
      solutions += outcome.solutionCount;
      trials += outcome.trials;
    }
  }
  const double solves =
      static_cast<double>(bench.iterations()) * static_cast<double>(puzzles.size());
  benchmark::DoNotOptimize(solutions);
  bench.SetItemsProcessed(bench.iterations() * static_cast<long>(puzzles.size()));
  bench.counters["trials_per_puzzle"] = static_cast<double>(trials) / solves;
  bench.counters["allocs_per_puzzle"] =
      static_cast<double>(allocations.load() - allocationsBefore) / solves;
}

void RegisterAll() {
  const char* sets[] = {"9x9_17_clue.sample2000.txt", "9x9_magictour_top1465.txt",
                        "9x9_serg_benchmark.sample2000.txt",
                        "9x9_tdoku_test_puzzles_with_counts.txt", "16x16_janko_gecode.txt"};
  for (const char* set : sets) {
    benchmark::RegisterBenchmark((std::string("Solve/") + set).c_str(), [set](benchmark::State& s) {
      SolveSet(s, set, kNoHook);
    })->Unit(benchmark::kMillisecond);
  }
  // The hook's cost on a hard set: compare these three.
  const char* hard = "9x9_magictour_top1465.txt";
  const char* names[] = {"Hook/none", "Hook/every_cell", "Hook/command_stride"};
  for (int kind = kNoHook; kind <= kCommandStride; ++kind) {
    benchmark::RegisterBenchmark(names[kind],
                                 [hard, kind](benchmark::State& s) { SolveSet(s, hard, kind); })
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
  }
}

}  // namespace
}  // namespace gridora

int main(int argc, char** argv) {
  gridora::RegisterAll();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
