// SPDX-License-Identifier: MIT
#pragma once
// Reading text one line at a time from a file descriptor with a bound on
// the line length, so that no input (a device that never ends a line, a
// file of hundreds of megabytes on one line) makes the reader grow without
// limit, and with read errors told apart from the end of the input.
//
//   BoundedLineReader reader(fd, 1024);
//   std::string line;
//   while (reader.Next(line) == LineStatus::Line) Use(line);

#include <cstddef>
#include <string>

namespace gridora {

enum class LineStatus {
  Line,       // `line` holds the next line, without its "\n"
  End,        // the input has ended
  TooLong,    // the next line is longer than the bound; it was not kept
  ReadError,  // reading failed (error() tells why)
};

class BoundedLineReader {
 public:
  // Reads from `fd`, which stays open and owned by the caller.
  BoundedLineReader(int fd, std::size_t maxLineBytes) : fd_(fd), maxLine_(maxLineBytes) {}

  // The next line. After TooLong or ReadError the reader is spent: further
  // calls give the same status again.
  LineStatus Next(std::string& line);

  // The errno of a ReadError.
  int error() const { return error_; }

 private:
  // Reads more bytes into the buffer; false at the end or on an error.
  bool Fill();

  int fd_;
  std::size_t maxLine_;
  std::string buffer_;
  std::size_t start_ = 0;  // first byte of the buffer not handed out yet
  bool ended_ = false;
  LineStatus failed_ = LineStatus::Line;  // TooLong or ReadError once spent
  int error_ = 0;
};

}  // namespace gridora
