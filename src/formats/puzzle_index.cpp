// SPDX-License-Identifier: MIT
#include "formats/puzzle_index.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "formats/opensudoku.h"
#include "formats/readers.h"
#include "formats/text_lines.h"

namespace gridora::formats {

namespace {

constexpr std::size_t kChunk = 256 * 1024;
constexpr std::uint64_t kFnvOffset = 0xcbf29ce484222325ull;
constexpr std::uint64_t kFnvPrime = 0x100000001b3ull;

class File {
 public:
  explicit File(const std::string& path)
      : fd_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)) {}
  ~File() {
    if (fd_ >= 0) ::close(fd_);
  }
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  int fd() const { return fd_; }

 private:
  int fd_;
};

std::int64_t ModifiedOf(const struct stat& info) {
  return static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
}

// Opens `path` as a regular file and reports its size and time.
ReadError OpenRegular(const File& file, struct stat& info) {
  if (file.fd() < 0) {
    return {errno == EISDIR ? Failure::NotAFile : Failure::CannotOpen, 0, "cannot open"};
  }
  if (::fstat(file.fd(), &info) != 0) return {Failure::CannotOpen, 0, "cannot open"};
  if (!S_ISREG(info.st_mode)) return {Failure::NotAFile, 0, "not a regular file"};
  // Reads may block again now that the file is known to be a plain file.
  ::fcntl(file.fd(), F_SETFL, ::fcntl(file.fd(), F_GETFL) & ~O_NONBLOCK);
  return {};
}

// Reads up to `size` bytes at `offset` of a file of `fileSize` bytes (a
// file that grew is read to its indexed size only); false on an error.
bool ReadAt(int fd, std::uint64_t fileSize, std::uint64_t offset, std::size_t size,
            std::string& bytes) {
  size = offset >= fileSize
             ? 0
             : static_cast<std::size_t>(std::min<std::uint64_t>(size, fileSize - offset));
  bytes.resize(size);
  std::size_t got = 0;
  while (got < size) {
    const ssize_t n = ::pread(fd, bytes.data() + got, size - got, static_cast<off_t>(offset + got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  bytes.resize(got);
  return true;
}

void Hash(std::uint64_t& key, std::string_view bytes) {
  for (const char ch : bytes) {
    key ^= static_cast<unsigned char>(ch);
    key *= kFnvPrime;
  }
}

}  // namespace

std::optional<Format> DetectFileFormat(const std::string& path) {
  File file(path);
  struct stat info {};
  if (OpenRegular(file, info)) return std::nullopt;
  std::string head;
  if (!ReadAt(file.fd(), static_cast<std::uint64_t>(info.st_size), 0, 64 * 1024, head))
    return std::nullopt;
  return DetectFormat(head);
}

std::string PuzzleIndex::ContentKeyText() const {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(key_));
  return text;
}

ReadError PuzzleIndex::Open(const std::string& path, PuzzleIndex& index) {
  File file(path);
  struct stat info {};
  if (const ReadError error = OpenRegular(file, info)) return error;
  PuzzleIndex built;
  built.path_ = path;
  built.fileSize_ = static_cast<std::uint64_t>(info.st_size);
  built.modified_ = ModifiedOf(info);
  built.key_ = kFnvOffset;

  std::string chunk;
  std::uint64_t at = 0;  // file offset of chunk's first byte
  if (!ReadAt(file.fd(), built.fileSize_, 0, kChunk, chunk))
    return {Failure::ReadFailed, 0, "read error"};
  const std::optional<Format> format = DetectFormat(chunk.substr(0, 64 * 1024));
  if (!format) return UndetectedError(std::string_view(chunk).substr(0, 64 * 1024));
  built.format_ = *format;

  if (HoldsOnePuzzle(*format)) {
    if (built.fileSize_ > kMaxSingleFileBytes) return {Failure::TooLarge, 0, "too large"};
    std::string bytes;
    if (!ReadAt(file.fd(), built.fileSize_ + 1, 0, kMaxSingleFileBytes + 1, bytes))
      return {Failure::ReadFailed, 0, "read error"};
    if (bytes.size() > kMaxSingleFileBytes) return {Failure::TooLarge, 0, "too large"};
    std::vector<Puzzle> puzzles;
    Format read = *format;
    if (const ReadError error = ReadAll(bytes, read, puzzles)) return error;
    built.format_ = read;
    built.single_ = puzzles.front();
    built.count_ = 1;
    Hash(built.key_, bytes);
    index = std::move(built);
    return {};
  }

  if (*format == Format::Sdm) {
    std::string carry;          // the start of a line the chunk did not end
    std::uint64_t carryAt = 0;  // its offset in the file
    std::size_t number = 0;
    bool first = true;
    const auto line = [&](std::string_view text, std::uint64_t offset) -> ReadError {
      ++number;
      Puzzle puzzle;
      LineKind kind = LineKind::Skip;
      if (const ReadError error = ReadPuzzleLine(text, number, puzzle, kind)) return error;
      if (kind == LineKind::Puzzle) {
        if (built.count_ == kMaxPuzzles)
          return {Failure::TooManyPuzzles, number, "too many puzzles"};
        built.offsets_.push_back(offset);
        built.lengths_.push_back(static_cast<std::uint32_t>(text.size()));
        built.lines_.push_back(static_cast<std::uint32_t>(number));
        ++built.count_;
      }
      return {};
    };
    while (!chunk.empty()) {
      Hash(built.key_, chunk);
      std::string_view view = chunk;
      std::uint64_t viewAt = at;
      if (first && view.substr(0, 3) == "\xEF\xBB\xBF") {
        view.remove_prefix(3);
        viewAt += 3;
        carryAt = viewAt;
      }
      first = false;
      while (!view.empty()) {
        const std::size_t end = view.find('\n');
        if (end == std::string_view::npos) {
          if (carry.empty()) carryAt = viewAt;
          carry.append(view);
          if (carry.size() > kMaxLineBytes + 1) {
            return {Failure::LineTooLong, number + 1,
                    "a line longer than " + std::to_string(kMaxLineBytes) + " bytes"};
          }
          break;
        }
        if (!carry.empty()) {
          carry.append(view.substr(0, end));
          if (const ReadError error = line(carry, carryAt)) return error;
          carry.clear();
        } else if (const ReadError error = line(view.substr(0, end), viewAt)) {
          return error;
        }
        view.remove_prefix(end + 1);
        viewAt += end + 1;
      }
      at += chunk.size();
      if (!ReadAt(file.fd(), built.fileSize_, at, kChunk, chunk))
        return {Failure::ReadFailed, number, "read error"};
    }
    if (!carry.empty()) {
      if (const ReadError error = line(carry, carryAt)) return error;
    }
  } else {
    ReadError sinkError;
    OpenSudokuReader reader([&](Puzzle&& game, std::uint64_t offset, std::uint64_t length) {
      // The properties come from the document; those of the first game
      // stand for all (they differ only in the folder's name).
      if (built.count_ == 0) built.common_ = game;
      if (length > kMaxLineBytes * 4) {
        if (!sinkError) sinkError = {Failure::BadGameData, 0, "a game element too long"};
        return;
      }
      built.offsets_.push_back(offset);
      built.lengths_.push_back(static_cast<std::uint32_t>(length));
      built.lines_.push_back(0);
      ++built.count_;
    });
    while (true) {
      Hash(built.key_, chunk);
      const bool last = chunk.size() < kChunk;
      if (const ReadError error = reader.Feed(chunk, last)) return error;
      if (sinkError) return sinkError;
      if (last) break;
      at += chunk.size();
      if (!ReadAt(file.fd(), built.fileSize_, at, kChunk, chunk))
        return {Failure::ReadFailed, 0, "read error"};
    }
    built.common_.comment = reader.common().comment;
  }
  if (built.count_ == 0) return {Failure::NoPuzzle, 0, "no puzzle"};
  index = std::move(built);
  return {};
}

ReadError PuzzleIndex::Load(std::size_t k, Puzzle& puzzle) const {
  if (k >= count_) return {Failure::NoPuzzle, 0, "no such puzzle"};
  if (HoldsOnePuzzle(format_)) {
    puzzle = single_;
    return {};
  }
  File file(path_);
  struct stat info {};
  if (const ReadError error = OpenRegular(file, info)) return error;
  const std::size_t line = lines_[k];
  if (static_cast<std::uint64_t>(info.st_size) != fileSize_ || ModifiedOf(info) != modified_) {
    return {Failure::Changed, line, "the file changed since it was opened"};
  }
  std::string bytes;
  if (!ReadAt(file.fd(), fileSize_, offsets_[k], lengths_[k], bytes) ||
      bytes.size() != lengths_[k]) {
    return {Failure::ReadFailed, line, "read error"};
  }
  Puzzle read;
  if (format_ == Format::Sdm) {
    LineKind kind = LineKind::Skip;
    ReadError error = ReadPuzzleLine(bytes, line, read, kind);
    if (!error && kind != LineKind::Puzzle)
      error = {Failure::Changed, line, "no puzzle here any more"};
    if (error) return error;
  } else {
    if (const ReadError error = ReadOpenSudokuGame(bytes, read)) return error;
    const std::string comment = read.comment.empty() ? common_.comment : read.comment;
    const Puzzle board = read;
    read = common_;
    read.entries = {};
    read.notes = {};
    read.boardSize = board.boardSize;
    read.givens = board.givens;
    read.entries = board.entries;
    read.notes = board.notes;
    read.comment = comment;
  }
  puzzle = std::move(read);
  return {};
}

}  // namespace gridora::formats
