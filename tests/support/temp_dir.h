// SPDX-License-Identifier: MIT
#pragma once
// Files for tests: a private temporary folder, whole-file reads and writes,
// and the expected files in tests/data. Tests never touch the user's files.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace gridora::testing {

// A fresh folder under the system's temporary folder, removed with
// everything in it (read-only parts included) when the object goes.
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

// Writes `bytes` as the whole file, creating missing folders on the way.
inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  EXPECT_TRUE(out.good()) << path;
}

// A file of tests/data: CTest sets GRIDORA_TEST_DATA; run by hand, the
// binary falls back to the folder it was built from.
inline std::string TestDataPath(const std::string& name) {
  const char* dir = std::getenv("GRIDORA_TEST_DATA");
  return std::string(dir != nullptr && *dir != '\0' ? dir : GRIDORA_TEST_DATA_DIR) + "/" + name;
}

}  // namespace gridora::testing
