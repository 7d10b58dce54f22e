// SPDX-License-Identifier: MIT
// Speed of the complete search on puzzle sets: puzzles per second for the
// first solution and for counting to two (a uniqueness proof), one core.
//
//   gridora_engine_bench [--seconds S] [--runs R] [--isa plain|avx2] [--cpu] [--first] file ...
//
// --isa runs 9 x 9 sets on the named build of the search (default: the
// best the processor has), to compare the builds. --cpu counts the
// process's CPU time instead of the wall clock: on a loaded machine the
// time other processes take is then left out (their effect on the caches
// is not).
// Every file is run R times (default 5); a run repeats the whole set until
// at least S seconds (default 1) have passed. The median run is reported
// with the guesses per puzzle; then each puzzle is counted to two once, and
// the slowest and median times and the most guesses are reported.
// --first runs the first-solution passes alone (for counting instructions
// against a peer that stops at its first solution).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "engine/band_search.h"
#include "engine/search.h"
#include "solver/puzzle_line.h"

namespace {

using namespace gridora;
using Clock = std::chrono::steady_clock;

bool cpuTime = false;
bool firstOnly = false;

// Seconds on the wall clock, or of the process's CPU time with --cpu.
double Now() {
  if (cpuTime) {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
  }
  return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

struct Set {
  std::string name;
  int size = 9;
  std::vector<engine::Grid> puzzles;
};

bool Load(const std::string& path, Set& set) {
  std::ifstream in(path);
  if (!in) return false;
  set.name = path.substr(path.find_last_of('/') + 1);
  std::string line;
  while (std::getline(in, line)) {
    const PuzzleLine parsed = ParsePuzzleLine(line);
    if (parsed.kind != PuzzleLine::Kind::Puzzle) continue;
    set.size = parsed.boardSize;
    engine::Grid grid{};
    for (int c = 0; c < parsed.boardSize * parsed.boardSize; ++c) {
      grid[static_cast<std::size_t>(c)] =
          static_cast<std::uint8_t>(parsed.board[static_cast<std::size_t>(c)]);
    }
    set.puzzles.push_back(grid);
  }
  return !set.puzzles.empty();
}

// The build of the 9 x 9 search to run, when --isa names one.
bool isaGiven = false;
engine::SearchIsa isa = engine::SearchIsa::Plain;

engine::SearchResult Count(const Set& set, const engine::Grid& p, int limit) {
  if (!isaGiven || set.size != 9) return engine::CountSolutions(set.size, p, limit);
  return engine::CountSolutions9(p, limit, {}, {}, isa);
}

// Puzzles per second of one run, and the guesses of one pass.
double Run(const Set& set, int limit, double seconds, long& guesses, long& sink) {
  long solved = 0;
  guesses = 0;
  const double start = Now();
  double elapsed = 0;
  bool first = true;
  do {
    for (const engine::Grid& p : set.puzzles) {
      const engine::SearchResult r = Count(set, p, limit);
      sink += r.solutions + r.first[0];
      if (first) guesses += r.guesses;
    }
    first = false;
    solved += static_cast<long>(set.puzzles.size());
    elapsed = Now() - start;
  } while (elapsed < seconds);
  return static_cast<double>(solved) / elapsed;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  double seconds = 1.0;
  int runs = 5;
  std::vector<Set> sets;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--seconds" && i + 1 < argc) {
      seconds = std::atof(argv[++i]);
    } else if (arg == "--runs" && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else if (arg == "--cpu") {
      cpuTime = true;
    } else if (arg == "--first") {
      firstOnly = true;
    } else if (arg == "--isa" && i + 1 < argc) {
      const std::string name = argv[++i];
      isaGiven = true;
      isa = name == "avx2" ? engine::SearchIsa::Avx2 : engine::SearchIsa::Plain;
      if (!engine::SearchIsaAvailable(isa)) {
        std::fprintf(stderr, "%s: not available here\n", name.c_str());
        return 1;
      }
    } else {
      Set set;
      if (!Load(arg, set)) {
        std::fprintf(stderr, "%s: no puzzles\n", arg.c_str());
        return 1;
      }
      sets.push_back(std::move(set));
    }
  }
  long sink = 0;
  std::printf("%-40s %8s %14s %10s %14s %10s %12s %12s %12s\n", "set", "puzzles", "first/s",
              "guesses", "count2/s", "guesses", "slowest ms", "median ms", "most guesses");
  for (const Set& set : sets) {
    std::vector<double> first, count2;
    long g1 = 0, g2 = 0;
    for (int r = 0; r < runs; ++r) {
      first.push_back(Run(set, 1, seconds, g1, sink));
      if (!firstOnly) count2.push_back(Run(set, 2, seconds, g2, sink));
    }
    if (firstOnly) {
      std::printf("%-40s %8zu %14.0f %10.1f\n", set.name.c_str(), set.puzzles.size(), Median(first),
                  static_cast<double>(g1) / static_cast<double>(set.puzzles.size()));
      continue;
    }
    std::vector<double> each;
    long worstGuesses = 0;
    for (const engine::Grid& p : set.puzzles) {
      const double start = Now();
      const engine::SearchResult r = Count(set, p, 2);
      each.push_back(Now() - start);
      sink += r.solutions;
      worstGuesses = std::max(worstGuesses, r.guesses);
    }
    const double n = static_cast<double>(set.puzzles.size());
    std::printf("%-40s %8zu %14.0f %10.1f %14.0f %10.1f %12.3f %12.3f %12ld\n", set.name.c_str(),
                set.puzzles.size(), Median(first), static_cast<double>(g1) / n, Median(count2),
                static_cast<double>(g2) / n, *std::max_element(each.begin(), each.end()) * 1000,
                Median(each) * 1000, worstGuesses);
  }
  return sink == 42 ? 1 : 0;
}
