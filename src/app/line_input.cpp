// SPDX-License-Identifier: MIT
#include "line_input.h"

#include <unistd.h>

#include <cerrno>

namespace gridora {

namespace {

constexpr std::size_t kChunkBytes = 64 * 1024;

}  // namespace

bool BoundedLineReader::Fill() {
  if (start_ > 0) {
    buffer_.erase(0, start_);
    start_ = 0;
  }
  const std::size_t old = buffer_.size();
  buffer_.resize(old + kChunkBytes);
  ssize_t got = 0;
  do {
    got = ::read(fd_, buffer_.data() + old, kChunkBytes);
  } while (got < 0 && errno == EINTR);
  buffer_.resize(old + static_cast<std::size_t>(got > 0 ? got : 0));
  if (got < 0) {
    error_ = errno;
    failed_ = LineStatus::ReadError;
    return false;
  }
  if (got == 0) ended_ = true;
  return got > 0;
}

LineStatus BoundedLineReader::Next(std::string& line) {
  if (failed_ != LineStatus::Line) return failed_;
  for (;;) {
    const std::size_t newline = buffer_.find('\n', start_);
    const std::size_t length = (newline == std::string::npos ? buffer_.size() : newline) - start_;
    // Stop as soon as the line is known to be too long, without reading on.
    if (length > maxLine_) {
      buffer_.clear();
      start_ = 0;
      failed_ = LineStatus::TooLong;
      return failed_;
    }
    if (newline != std::string::npos) {
      line.assign(buffer_, start_, length);
      start_ = newline + 1;
      return LineStatus::Line;
    }
    if (ended_ || !Fill()) {
      if (failed_ != LineStatus::Line) return failed_;
      if (start_ == buffer_.size()) return LineStatus::End;
      line.assign(buffer_, start_, std::string::npos);  // a last line without "\n"
      start_ = buffer_.size();
      return LineStatus::Line;
    }
  }
}

}  // namespace gridora
