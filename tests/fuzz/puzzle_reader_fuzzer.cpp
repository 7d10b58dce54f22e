// SPDX-License-Identifier: MIT
// libFuzzer entry for the puzzle file reader. Any input must parse or be
// refused without a crash, and whatever parses must survive a write and a
// second read unchanged.
//
//   cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++
//   cmake --build build-fuzz --target puzzle_reader_fuzzer
//   build-fuzz/tests/core/puzzle_reader_fuzzer -max_total_time=60 tests/data

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/puzzle_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace gridora;
  const PuzzleParse first =
      ParsePuzzleFile(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!first.puzzle) return 0;
  const PuzzleParse second = ParsePuzzleFile(FormatPuzzleFile(*first.puzzle));
  const PuzzleFile& a = *first.puzzle;
  if (!second.puzzle) __builtin_trap();
  const PuzzleFile& b = *second.puzzle;
  if (a.BoardSize != b.BoardSize || a.Board != b.Board || a.PuzzleAuthor != b.PuzzleAuthor ||
      a.PuzzleDate != b.PuzzleDate || a.PuzzleComment != b.PuzzleComment ||
      a.CharacterList != b.CharacterList || a.PuzzleEnabled != b.PuzzleEnabled)
    __builtin_trap();
  return 0;
}
