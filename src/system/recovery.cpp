// SPDX-License-Identifier: MIT
#include "system/recovery.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "core/log.h"
#include "core/puzzle_file.h"
#include "system/app_paths.h"

namespace gridora {

namespace {

// The longest path the owner file is read back with.
constexpr std::size_t kMaxOwnerBytes = 4096;

void RemoveQuietly(const std::string& path) {
  if (path.empty()) return;
  if (::unlink(path.c_str()) != 0 && errno != ENOENT)
    LogFailure(LogArea::Files, "cannot delete " + path,
               std::error_code(errno, std::generic_category()));
}

}  // namespace

std::string StateFolderFor(const char* xdgStateHome, const char* home) {
  if (xdgStateHome != nullptr && xdgStateHome[0] == '/')
    return ResolveAppPath(xdgStateHome, "gridora");
  if (home == nullptr || home[0] != '/') return "";
  return ResolveAppPath(ResolveAppPath(ResolveAppPath(home, ".local"), "state"), "gridora");
}

std::string StateFolder() {
  const char* home = std::getenv("HOME");
  if (home == nullptr || home[0] != '/') {
    const passwd* account = ::getpwuid(::getuid());
    if (account != nullptr) home = account->pw_dir;
  }
  return StateFolderFor(std::getenv("XDG_STATE_HOME"), home);
}

RecoveryFiles RecoveryFilesIn(const std::string& folder) {
  if (folder.empty()) return {};
  return {ResolveAppPath(folder, "recovery.gdr"), ResolveAppPath(folder, "recovery.path"),
          ResolveAppPath(folder, "recovery.lock")};
}

RecoveryKeeper::RecoveryKeeper(RecoveryFiles files) : files_(std::move(files)) {}

RecoveryKeeper::~RecoveryKeeper() {
  if (lockFd_ >= 0) ::close(lockFd_);  // closing releases the lock
}

bool RecoveryKeeper::Claim() {
  if (lockFd_ >= 0) return true;
  if (files_.lock.empty()) return false;
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(files_.lock).parent_path(), error);
  const int fd = ::open(files_.lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) {
    LogFailure(LogArea::Files, "cannot open " + files_.lock,
               std::error_code(errno, std::generic_category()));
    return false;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);  // another running program keeps the copy
    return false;
  }
  lockFd_ = fd;
  return true;
}

std::optional<RecoveredPuzzle> RecoveryKeeper::Pending() {
  if (!Claimed()) return std::nullopt;
  const FileBytes copy = ReadWholeFile(files_.copy, kMaxPuzzleFileBytes);
  if (copy.status != ReadStatus::Ok) {
    if (copy.status == ReadStatus::TooLarge) Discard();
    return std::nullopt;
  }
  copyMayExist_ = true;
  PuzzleParse parsed = ParsePuzzleFile(copy.bytes);
  if (!parsed.puzzle) {
    LogFailure(LogArea::Files,
               "unreadable recovery copy " + files_.copy + " (" +
                   DescribePuzzleFileError(parsed.error) + ")",
               std::make_error_code(std::errc::invalid_argument));
    Discard();
    return std::nullopt;
  }
  RecoveredPuzzle left{std::move(*parsed.puzzle), kNoFileName};
  const FileBytes owner = ReadWholeFile(files_.owner, kMaxOwnerBytes);
  if (owner.status == ReadStatus::Ok) {
    std::string name = owner.bytes;
    if (!name.empty() && name.back() == '\n') name.pop_back();
    if (!name.empty() && name.find('\n') == std::string::npos) left.fileName = name;
  }
  if (left.fileName != kNoFileName) {
    const FileBytes file = ReadWholeFile(left.fileName, kMaxPuzzleFileBytes);
    left.sameAsFile = file.status == ReadStatus::Ok && file.bytes == copy.bytes;
  }
  return left;
}

WriteStatus RecoveryKeeper::Update(const AppState& state, bool gameInPlay) {
  if (!Claimed()) return {};
  if (!state.DataChanged && !gameInPlay) {
    if (copyMayExist_) Discard();
    return {};
  }
  std::string copy = FormatPuzzleFile(PuzzleFileOf(state));
  std::string owner = state.PuzzleFileName + "\n";
  if (copyMayExist_ && copy == writtenCopy_ && owner == writtenOwner_) return {};
  // The owner first: a copy is never newer than the name it is read with.
  copyMayExist_ = true;
  writtenCopy_.clear();
  if (owner != writtenOwner_) {
    writtenOwner_.clear();
    if (WriteStatus written = ReplaceFile(files_.owner, owner); !written) return written;
    writtenOwner_ = std::move(owner);
  }
  if (WriteStatus written = ReplaceFile(files_.copy, copy); !written) return written;
  writtenCopy_ = std::move(copy);
  return {};
}

void RecoveryKeeper::Discard() {
  if (!Claimed()) return;
  RemoveQuietly(files_.copy);
  RemoveQuietly(files_.owner);
  copyMayExist_ = false;
  writtenCopy_.clear();
  writtenOwner_.clear();
}

}  // namespace gridora
