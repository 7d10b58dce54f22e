// SPDX-License-Identifier: MIT
// Opening a large collection and moving to its last puzzle, as
// "他の形式を開く" and the list's last row do: the index of the whole file,
// then one puzzle read again from it; then what "問題集の一覧..." reads
// before it shows: the collection's results in play mode's records (every
// tenth puzzle solved) and the count of the solved ones.
//
//   gridora_collection_bench [FILE]
//
// Without a file it writes one of 49,158 lines (the 17-clue sample repeated,
// each line with a comment) to a temporary folder first. Prints the
// milliseconds of each step (best of 5) and the index's size.

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "formats/collection.h"
#include "formats/puzzle_index.h"
#include "play/records.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string MakeCollection() {
  std::vector<std::string> lines;
  std::ifstream in(GRIDORA_PUZZLE_DIR "/9x9_17_clue.sample2000.txt");
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  if (lines.empty()) lines.push_back(std::string(81, '.'));
  const std::string path =
      (std::filesystem::temp_directory_path() / "gridora-collection-49158.txt").string();
  std::ofstream out(path, std::ios::binary);
  for (int k = 0; k < 49158; ++k) {
    out << lines[static_cast<std::size_t>(k) % lines.size()] << " #" << k + 1 << "\r\n";
  }
  return path;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace gridora::formats;
  const std::string path = argc > 1 ? argv[1] : MakeCollection();
  double bestOpen = 1e9, bestLast = 1e9;
  std::size_t count = 0;
  for (int round = 0; round < 5; ++round) {
    const auto start = Clock::now();
    PuzzleIndex index;
    if (const ReadError error = PuzzleIndex::Open(path, index)) {
      std::fprintf(stderr, "%s\n", DescribeError(path, error).c_str());
      return 1;
    }
    const auto opened = Clock::now();
    Puzzle last;
    if (index.Load(index.size() - 1, last)) return 1;
    const auto moved = Clock::now();
    count = index.size();
    bestOpen =
        std::min(bestOpen, std::chrono::duration<double, std::milli>(opened - start).count());
    bestLast =
        std::min(bestLast, std::chrono::duration<double, std::milli>(moved - opened).count());
  }
  std::printf("%s: %zu puzzles, open %.1f ms, last puzzle %.3f ms (best of 5)\n", path.c_str(),
              count, bestOpen, bestLast);

  PuzzleIndex index;
  if (PuzzleIndex::Open(path, index)) return 1;
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "gridora-collection-bench";
  const std::string records = (folder / "records.txt").string();
  {
    const Collection collection(index, (folder / "state").string(), "");
    gridora::play::Records solved;
    for (std::size_t k = 0; k < count; k += 10)
      solved.Add(collection.RecordKeyOf(k), {60000 + static_cast<std::int64_t>(k), false, "d"});
    if (!solved.Save(records)) return 1;
  }
  double bestList = 1e9;
  std::size_t solvedCount = 0;
  for (int round = 0; round < 5; ++round) {
    const auto start = Clock::now();
    const Collection collection(index, (folder / "state").string(), records);
    solvedCount = collection.SolvedCount();
    const auto listed = Clock::now();
    bestList =
        std::min(bestList, std::chrono::duration<double, std::milli>(listed - start).count());
  }
  std::filesystem::remove_all(folder);
  std::printf("results of %zu solved puzzles read and counted: %.1f ms (best of 5)\n", solvedCount,
              bestList);
  return 0;
}
