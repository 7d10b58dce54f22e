// SPDX-License-Identifier: MIT
// Speed of the complete search on puzzle sets: puzzles per second for the
// first solution and for counting to two (a uniqueness proof), one core.
//
//   gridora_engine_bench [--seconds S] [--runs R] file ...
//
// Every file is run R times (default 5); a run repeats the whole set until
// at least S seconds (default 1) have passed. The median run is reported
// with the guesses per puzzle; then each puzzle is counted to two once, and
// the slowest and median times and the most guesses are reported.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "engine/search.h"
#include "solver/puzzle_line.h"

namespace {

using namespace gridora;
using Clock = std::chrono::steady_clock;

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

// Puzzles per second of one run, and the guesses of one pass.
double Run(const Set& set, int limit, double seconds, long& guesses, long& sink) {
  long solved = 0;
  guesses = 0;
  const auto start = Clock::now();
  double elapsed = 0;
  bool first = true;
  do {
    for (const engine::Grid& p : set.puzzles) {
      const engine::SearchResult r = engine::CountSolutions(set.size, p, limit);
      sink += r.solutions + r.first[0];
      if (first) guesses += r.guesses;
    }
    first = false;
    solved += static_cast<long>(set.puzzles.size());
    elapsed = std::chrono::duration<double>(Clock::now() - start).count();
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
      count2.push_back(Run(set, 2, seconds, g2, sink));
    }
    std::vector<double> each;
    long worstGuesses = 0;
    for (const engine::Grid& p : set.puzzles) {
      const auto start = Clock::now();
      const engine::SearchResult r = engine::CountSolutions(set.size, p, 2);
      each.push_back(std::chrono::duration<double>(Clock::now() - start).count());
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
