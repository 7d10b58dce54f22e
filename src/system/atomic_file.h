#pragma once
// Writing a whole file so that a crash never leaves half of it behind.

#include <string>
#include <string_view>

namespace gridora {

// Writes `bytes` to a temporary file next to `path`, flushes it to disk and
// renames it over `path`. Missing folders are created; an existing file keeps
// its permissions, and a symbolic link is followed rather than replaced.
// False, with `path` unchanged, when any step fails.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// The whole content of the file at `path`; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

}  // namespace gridora
