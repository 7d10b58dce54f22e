// SPDX-License-Identifier: MIT
#include "formats/collection.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/file_io.h"
#include "formats/text_lines.h"

namespace gridora::formats {

namespace {

constexpr const char* kRecordsHeader = "Gridora collection 1";
constexpr std::size_t kMaxRecordsBytes = 64 << 20;

bool ReadNumber(std::string_view text, std::size_t& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

CollectionRecords CollectionRecords::Load(const std::string& path) {
  CollectionRecords records;
  const FileBytes file = ReadWholeFile(path, kMaxRecordsBytes);
  if (file.status != ReadStatus::Ok) return records;
  TextLines lines(file.bytes);
  std::string_view line;
  if (!lines.Next(line) || line != kRecordsHeader) return records;
  while (lines.Next(line)) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
      const std::size_t end = std::min(line.find(' ', i), line.size());
      words.push_back(line.substr(i, end - i));
      i = end + 1;
    }
    std::size_t a = 0, b = 0, c = 0;
    if (words.size() == 2 && words[0] == "position" && ReadNumber(words[1], a)) {
      records.position = a;
    } else if (words.size() == 4 && words[0] == "solved" && ReadNumber(words[1], a) &&
               ReadNumber(words[2], b) && ReadNumber(words[3], c) && b <= 1'000'000'000) {
      records.results[a] = {true, static_cast<int>(b), c != 0};
    }
  }
  return records;
}

bool CollectionRecords::Save(const std::string& path) const {
  std::string text = std::string(kRecordsHeader) + "\n";
  text += "position " + std::to_string(position) + "\n";
  for (const auto& [k, result] : results) {
    if (!result.solved) continue;
    text += "solved " + std::to_string(k) + " " + std::to_string(result.seconds) + " " +
            (result.helped ? "1" : "0") + "\n";
  }
  return static_cast<bool>(WriteFileCreatingFolders(path, text));
}

Collection::Collection(PuzzleIndex index, std::string folder)
    : index_(std::move(index)), folder_(std::move(folder)) {
  records_ = CollectionRecords::Load(RecordsPath());
  if (records_.position >= index_.size()) records_.position = 0;
}

std::string Collection::RecordsPath() const {
  return (std::filesystem::path(folder_) / (index_.ContentKeyText() + ".txt")).string();
}

std::size_t Collection::FirstUnsolved() const {
  const std::size_t n = size();
  for (std::size_t step = 0; step < n; ++step) {
    const std::size_t k = (records_.position + step) % n;
    if (!ResultOf(k).solved) return k;
  }
  return records_.position;
}

ReadError Collection::Go(std::size_t k, Puzzle& puzzle) {
  if (const ReadError error = index_.Load(k, puzzle)) return error;
  records_.position = k;
  records_.Save(RecordsPath());
  return {};
}

void Collection::Record(const PuzzleResult& result) {
  records_.results[records_.position] = result;
  records_.Save(RecordsPath());
}

PuzzleResult Collection::ResultOf(std::size_t k) const {
  const auto found = records_.results.find(k);
  return found == records_.results.end() ? PuzzleResult{} : found->second;
}

std::size_t Collection::SolvedCount() const {
  std::size_t count = 0;
  for (const auto& [k, result] : records_.results) count += result.solved && k < size() ? 1 : 0;
  return count;
}

std::string Collection::StatusText() const {
  return "問題 " + std::to_string(position() + 1) + " / " + std::to_string(size());
}

bool IsSolvedBoard(const BoardCodes& board, int size) {
  const int box = BoxSideOf(size);
  for (int unit = 0; unit < size; ++unit) {
    std::uint32_t row = 0, column = 0, square = 0;
    for (int i = 0; i < size; ++i) {
      const int r = (unit / box) * box + i / box;
      const int c = (unit % box) * box + i % box;
      const int a = DigitOf(board[static_cast<std::size_t>(unit * size + i)]);
      const int b = DigitOf(board[static_cast<std::size_t>(i * size + unit)]);
      const int s = DigitOf(board[static_cast<std::size_t>(r * size + c)]);
      if (a == 0 || b == 0 || s == 0 || a > size || b > size || s > size) return false;
      row |= 1u << a;
      column |= 1u << b;
      square |= 1u << s;
    }
    const std::uint32_t all = ((1u << size) - 1) << 1;
    if (row != all || column != all || square != all) return false;
  }
  return true;
}

std::string LastCollectionPath(const std::string& folder) {
  const FileBytes file =
      ReadWholeFile((std::filesystem::path(folder) / "last.txt").string(), kMaxLineBytes);
  if (file.status != ReadStatus::Ok) return {};
  std::string path = file.bytes;
  while (!path.empty() && (path.back() == '\n' || path.back() == '\r')) path.pop_back();
  return path;
}

bool SaveLastCollection(const std::string& folder, const std::string& path) {
  return static_cast<bool>(
      WriteFileCreatingFolders((std::filesystem::path(folder) / "last.txt").string(), path + "\n"));
}

}  // namespace gridora::formats
