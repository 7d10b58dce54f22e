// SPDX-License-Identifier: MIT
#pragma once
// Whole-file reading and crash-safe replacing of files.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace gridora {

// The outcome of a write: true on success; otherwise false, with the cause.
// Callers that cannot show the cause to the user log it (see log.h).
class [[nodiscard]] WriteStatus {
 public:
  WriteStatus() = default;                               // success
  WriteStatus(std::error_code error) : error_(error) {}  // NOLINT: a failure converts implicitly
  explicit operator bool() const { return !error_; }
  const std::error_code& error() const { return error_; }

 private:
  std::error_code error_;
};

enum class ReadStatus {
  Ok,
  CannotOpen,  // missing, not permitted, not a regular file, read error
  TooLarge,    // longer than the limit the caller gave
};

struct FileBytes {
  ReadStatus status = ReadStatus::CannotOpen;
  std::string bytes;  // the whole file when status is Ok
};

// Reads the regular file at `path`, at most `maxBytes` bytes. Directories,
// pipes and devices count as unreadable, so nothing here can block or run
// forever.
FileBytes ReadWholeFile(const std::string& path, std::size_t maxBytes);

// Replaces the file at `path` with `bytes` so that the old content survives
// any failure: the bytes go to a new file in the same folder, are flushed
// to disk, and the new file is renamed over the target. An existing
// target keeps its permissions; a symbolic link keeps pointing to the
// file it named (a link to a missing file creates that file). A target the
// user may not write, a loop of links, and anything but a regular file (a
// folder, a pipe, a device) are refused. Returns the
// cause, and leaves the target as it was, when any step fails.
WriteStatus ReplaceFile(const std::string& path, std::string_view bytes);

// ReplaceFile after creating the folders of `path` that are missing.
WriteStatus WriteFileCreatingFolders(const std::string& path, std::string_view bytes);

}  // namespace gridora
