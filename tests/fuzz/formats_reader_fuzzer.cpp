// SPDX-License-Identifier: MIT
// libFuzzer entry for the readers of other programs' puzzle files. Any
// input must be read or refused without a crash; whatever is read must
// come back unchanged through the writer of its format, and the index of
// the same bytes as a file must give exactly the puzzles read in memory.
//
//   cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++
//   cmake --build build-fuzz --target formats_reader_fuzzer
//   build-fuzz/tests/formats/formats_reader_fuzzer -runs=1000000 tests/formats/data

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formats/puzzle_index.h"
#include "formats/readers.h"
#include "formats/writers.h"

namespace {

using namespace gridora::formats;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// The bytes as a file in memory, opened through its /proc name.
std::vector<Puzzle> IndexOf(std::string_view bytes, ReadError& error) {
  std::vector<Puzzle> puzzles;
  const int fd = ::memfd_create("fuzz", 0);
  Check(fd >= 0);
  Check(::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()));
  PuzzleIndex index;
  error = PuzzleIndex::Open("/proc/self/fd/" + std::to_string(fd), index);
  for (std::size_t k = 0; !error && k < index.size(); ++k) {
    Puzzle puzzle;
    error = index.Load(k, puzzle);
    puzzles.push_back(puzzle);
  }
  ::close(fd);
  return puzzles;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  Format format = Format::Sdm;
  std::vector<Puzzle> puzzles;
  const ReadError error = ReadAll(bytes, format, puzzles);

  ReadError indexError;
  const std::vector<Puzzle> indexed = IndexOf(bytes, indexError);
  // The index refuses what the reader refuses (an empty file aside, both
  // find no puzzle) and otherwise holds the same puzzles.
  Check(static_cast<bool>(error) == static_cast<bool>(indexError));
  if (error) return 0;
  if (format != Format::OpenSudoku) Check(indexed == puzzles);
  for (const Puzzle& puzzle : puzzles) {
    Check(puzzle.boardSize == 9 || puzzle.boardSize == 16);
    for (std::size_t k = 0; k < puzzle.givens.size(); ++k) {
      Check(puzzle.givens[k] <= puzzle.boardSize && puzzle.entries[k] <= puzzle.boardSize);
      Check(puzzle.givens[k] == 0 || puzzle.entries[k] == 0);
    }
  }
  if (format == Format::Gdr) return 0;  // the core's own fuzzer covers it
  for (const Puzzle& puzzle : puzzles) {
    if (!CanWrite(format, puzzle)) continue;
    const std::string written = WriteFile(format, {puzzle});
    Format again = format;
    std::vector<Puzzle> back;
    Check(!ReadAll(written, again, back));
    Check(back.size() == 1 && back.front() == KeptBy(format, puzzle));
  }
  return 0;
}
