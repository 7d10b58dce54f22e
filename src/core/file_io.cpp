// SPDX-License-Identifier: MIT
#include "core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace gridora {

namespace {

namespace fs = std::filesystem;

// The cause of the last failed system call.
std::error_code LastError() {
  return {errno != 0 ? errno : EIO, std::generic_category()};
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() { Close(); }
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Closes now and reports whether the close succeeded: the last chance to
  // hear about a failed write on some file systems.
  bool Close() {
    if (fd_ < 0) return true;
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The file a save to `path` really replaces: the end of its chain of
// symbolic links, so that saving through a link does not turn the link into
// a file. A link to a missing file names the file to create. Only a regular
// file or a new name may be replaced: a loop of links, a folder, a pipe or
// a device is refused.
std::error_code SaveTarget(const std::string& path, fs::path& target) {
  target = path;
  constexpr int kMaxLinks = 40;  // as the kernel follows them
  for (int hop = 0; hop <= kMaxLinks; ++hop) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0) {
      return errno == ENOENT ? std::error_code() : LastError();
    }
    if (S_ISREG(info.st_mode)) return {};
    if (!S_ISLNK(info.st_mode)) return std::make_error_code(std::errc::invalid_argument);
    std::error_code error;
    const fs::path next = fs::read_symlink(target, error);
    if (error) return error;
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return std::make_error_code(std::errc::too_many_symbolic_link_levels);
}

// Creates a new, empty file beside `target` that no one else uses.
int CreateTemporaryBeside(const fs::path& target, fs::path& temporary) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = folder / (".gridora-" + std::to_string(::getpid()) + "-" +
                          std::to_string(counter++) + ".tmp");
    // 0666 lets the umask decide, as for any new file.
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

void SyncFolder(const fs::path& target) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.valid()) ::fsync(fd.get());  // best effort: the rename itself has happened
}

}  // namespace

FileBytes ReadWholeFile(const std::string& path, std::size_t maxBytes) {
  FileBytes result;
  // O_NONBLOCK: opening a named pipe must not wait for a writer.
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat info {};
  if (!fd.valid() || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return result;
  char buffer[16384];
  for (;;) {
    const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      result.bytes.clear();
      return result;
    }
    if (got == 0) break;
    if (result.bytes.size() + static_cast<std::size_t>(got) > maxBytes) {
      result.status = ReadStatus::TooLarge;
      result.bytes.clear();
      return result;
    }
    result.bytes.append(buffer, static_cast<std::size_t>(got));
  }
  result.status = ReadStatus::Ok;
  return result;
}

WriteStatus ReplaceFile(const std::string& path, std::string_view bytes) {
  if (path.empty()) return std::make_error_code(std::errc::no_such_file_or_directory);
  fs::path target;
  if (const std::error_code refused = SaveTarget(path, target)) return refused;
  // A rename would replace a file even when it is write-protected; the
  // protection is the user's wish, so honour it.
  if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0)
    return LastError();
  fs::path temporary;
  Descriptor fd(CreateTemporaryBeside(target, temporary));
  if (!fd.valid()) return LastError();
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
    ::fchmod(fd.get(), old.st_mode & 07777);  // a failure only leaves the default mode
  }
  const bool written = WriteAll(fd.get(), bytes) && ::fsync(fd.get()) == 0 && fd.Close();
  if (!written || ::rename(temporary.c_str(), target.c_str()) != 0) {
    const std::error_code error = LastError();
    ::unlink(temporary.c_str());
    return error;
  }
  SyncFolder(target);
  return {};
}

WriteStatus WriteFileCreatingFolders(const std::string& path, std::string_view bytes) {
  fs::path target;
  if (const std::error_code refused = SaveTarget(path, target)) return refused;
  const fs::path folder = target.parent_path();
  std::error_code error;
  if (!folder.empty()) fs::create_directories(folder, error);
  if (error) return error;
  return ReplaceFile(path, bytes);
}

}  // namespace gridora
