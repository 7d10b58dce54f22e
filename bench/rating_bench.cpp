// SPDX-License-Identifier: MIT
// The logic engine's rating time per puzzle: every 9 x 9 puzzle line of a
// file rated in turn (the whole solving path), then the median, the worst
// and the mean time, and the steps taken.
//
//   gridora_rating_bench FILE [LIMIT]
//   valgrind --tool=callgrind gridora_rating_bench FILE   # instructions
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "logic/logic_engine.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: gridora_rating_bench FILE [LIMIT]\n");
    return 2;
  }
  const std::size_t limit = argc > 2 ? std::stoul(argv[2]) : ~std::size_t{0};
  std::ifstream in(argv[1]);
  std::string line;
  std::vector<double> ms;
  std::size_t steps = 0;
  int unsolved = 0;
  while (ms.size() < limit && std::getline(in, line)) {
    if (line.size() < 81) continue;
    gridora::logic::Digits puzzle{};
    for (std::size_t c = 0; c < 81; ++c) {
      const char ch = line[c];
      puzzle[c] = static_cast<std::uint8_t>(ch >= '1' && ch <= '9' ? ch - '0' : 0);
    }
    const auto start = std::chrono::steady_clock::now();
    const gridora::logic::Path path = gridora::logic::SolvePath(9, puzzle);
    const auto end = std::chrono::steady_clock::now();
    ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    steps += path.steps.size();
    unsolved += path.solved ? 0 : 1;
  }
  if (ms.empty()) return 1;
  std::vector<double> sorted = ms;
  std::sort(sorted.begin(), sorted.end());
  double total = 0;
  for (double t : ms) total += t;
  std::printf("puzzles %zu  median %.3f ms  worst %.3f ms  mean %.3f ms  steps %zu  unsolved %d\n",
              ms.size(), sorted[sorted.size() / 2], sorted.back(),
              total / static_cast<double>(ms.size()), steps, unsolved);
  return 0;
}
