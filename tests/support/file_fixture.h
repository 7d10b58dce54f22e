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

namespace gridora::testing {

// A fresh folder under the system's temporary folder, removed with
// everything in it when the object goes.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "gridora-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed";
    path_ = pattern;
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  ASSERT_TRUE(out.good()) << path;
}

// A file of tests/data.
inline std::string TestDataPath(const std::string& name) {
  const char* dir = std::getenv("GRIDORA_TEST_DATA");
  return std::string(dir != nullptr ? dir : GRIDORA_TEST_DATA_DIR) + "/" + name;
}

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
