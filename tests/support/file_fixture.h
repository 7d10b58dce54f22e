// SPDX-License-Identifier: MIT
#pragma once
// Files for the tests of the puzzle file: a private temporary folder, whole
// file reads and writes, and the expected files in tests/data.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/core_fixture.h"
#include "support/temp_dir.h"

namespace gridora::testing {

// True when missing write permission really stops this user (not so for
// root or with CAP_DAC_OVERRIDE), probed with a read-only folder.
inline bool PermissionsStopWrites(const TempDir& scratch) {
  const std::filesystem::path folder = scratch.path() / "probe";
  std::filesystem::create_directory(folder);
  std::filesystem::permissions(
      folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  const std::string probe = (folder / "x").string();
  const bool stopped = !std::ofstream(probe).good();
  std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
  return stopped;
}

// The parts of the state a load may change, for "nothing changed" checks.
inline void ExpectSamePuzzle(const AppState& a, const AppState& b) {
  EXPECT_EQ(a.BoardSize, b.BoardSize);
  EXPECT_EQ(a.Board, b.Board);
  EXPECT_EQ(a.CharacterList, b.CharacterList);
  EXPECT_EQ(a.PuzzleAuthor, b.PuzzleAuthor);
  EXPECT_EQ(a.PuzzleDate, b.PuzzleDate);
  EXPECT_EQ(a.PuzzleComment, b.PuzzleComment);
  EXPECT_EQ(a.PuzzleEnabled, b.PuzzleEnabled);
  EXPECT_EQ(a.PuzzleFileName, b.PuzzleFileName);
  EXPECT_EQ(a.DataChanged, b.DataChanged);
  EXPECT_EQ(a.History, b.History);
  EXPECT_EQ(a.HistoryPos, b.HistoryPos);
  EXPECT_EQ(a.HistoryTop, b.HistoryTop);
  EXPECT_EQ(a.MemorySlot, b.MemorySlot);
}

}  // namespace gridora::testing
