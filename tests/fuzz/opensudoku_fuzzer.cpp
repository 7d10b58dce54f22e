// SPDX-License-Identifier: MIT
// libFuzzer entry for the .opensudoku reader. The input is read as a
// stream cut in two at a place the input chooses; every game found must be
// found again, with the same board, in the bytes at the offset and length
// the reader gave (what the collection index reads back later), and must
// survive the writer.
//
//   build-fuzz/tests/formats/opensudoku_fuzzer -runs=1000000 tests/formats/data

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "formats/opensudoku.h"
#include "formats/writers.h"

namespace {

using namespace gridora::formats;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t cut = data[0] % size;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  struct Found {
    Puzzle puzzle;
    std::uint64_t offset, length;
  };
  std::vector<Found> games;
  OpenSudokuReader reader([&](Puzzle&& puzzle, std::uint64_t offset, std::uint64_t length) {
    games.push_back({std::move(puzzle), offset, length});
  });
  const std::size_t first = cut < bytes.size() ? cut : bytes.size();
  if (reader.Feed(bytes.substr(0, first), false)) return 0;
  if (reader.Feed(bytes.substr(first), true)) return 0;
  for (const Found& game : games) {
    Check(game.offset + game.length <= bytes.size());
    Puzzle again;
    if (ReadOpenSudokuGame(bytes.substr(game.offset, game.length), again)) {
      // Only an element that uses a prefix or entity of the document may
      // fail on its own; the board of one that is read must match.
      continue;
    }
    Check(again.givens == game.puzzle.givens && again.entries == game.puzzle.entries &&
          again.notes == game.puzzle.notes);
    std::vector<Puzzle> back;
    OpenSudokuReader check([&](Puzzle&& p, std::uint64_t, std::uint64_t) { back.push_back(p); });
    Check(!check.Feed(OpenSudokuStart("f") + OpenSudokuGame(game.puzzle) + OpenSudokuEnd(), true));
    Check(back.size() == 1 && back.front().givens == game.puzzle.givens &&
          back.front().entries == game.puzzle.entries && back.front().notes == game.puzzle.notes);
  }
  return 0;
}
