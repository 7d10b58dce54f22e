// SPDX-License-Identifier: MIT
#include "formats/collection.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/file_io.h"
#include "formats/text_lines.h"

namespace gridora::formats {

namespace {

constexpr const char* kStateHeader = "Gridora collection 1";
constexpr std::size_t kMaxStateBytes = 64 << 20;

bool ReadNumber(std::string_view text, std::size_t& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

CollectionState CollectionState::Load(const std::string& path) {
  CollectionState state;
  const FileBytes file = ReadWholeFile(path, kMaxStateBytes);
  if (file.status != ReadStatus::Ok) return state;
  TextLines lines(file.bytes);
  std::string_view line;
  if (!lines.Next(line) || line != kStateHeader) return state;
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
      state.position = a;
    } else if (words.size() == 4 && words[0] == "solved" && ReadNumber(words[1], a) &&
               ReadNumber(words[2], b) && ReadNumber(words[3], c) && b <= 1'000'000'000) {
      state.oldResults[a] = {true, static_cast<int>(b), c != 0};
    }
  }
  return state;
}

bool CollectionState::Save(const std::string& path) const {
  const std::string text =
      std::string(kStateHeader) + "\n" + "position " + std::to_string(position) + "\n";
  return static_cast<bool>(WriteFileCreatingFolders(path, text));
}

Collection::Collection(PuzzleIndex index, std::string stateFolder, std::string recordsPath)
    : index_(std::move(index)),
      stateFolder_(std::move(stateFolder)),
      recordsPath_(std::move(recordsPath)) {
  state_ = CollectionState::Load(StatePath());
  if (state_.position >= index_.size()) state_.position = 0;
  Reload();
  MoveOldResults();
}

std::string Collection::StatePath() const {
  return (std::filesystem::path(stateFolder_) / (index_.ContentKeyText() + ".txt")).string();
}

std::string Collection::RecordKeyOf(std::size_t k) const {
  return "問題集 " + index_.ContentKeyText() + " " + std::to_string(k + 1);
}

void Collection::Record(play::Records& records, const play::GameResult& result) {
  records.Add(RecordKeyOf(position()), result);
  records_.Add(RecordKeyOf(position()), result);
}

void Collection::Reload() {
  records_ = recordsPath_.empty() ? play::Records{} : play::Records::Load(recordsPath_);
}

void Collection::MoveOldResults() {
  if (state_.oldResults.empty() || recordsPath_.empty()) return;
  for (const auto& [k, result] : state_.oldResults) {
    // Moved once: a puzzle the records know already keeps what they say.
    if (k >= size() || records_.SummaryOf(RecordKeyOf(k)).solved > 0) continue;
    records_.Add(RecordKeyOf(k), {std::int64_t{result.seconds} * 1000, result.helped, ""});
  }
  // The old results leave the state file only once the records hold them.
  if (records_.Save(recordsPath_)) {
    state_.oldResults.clear();
    state_.Save(StatePath());
  }
}

std::size_t Collection::FirstUnsolved() const {
  const std::size_t n = size();
  for (std::size_t step = 0; step < n; ++step) {
    const std::size_t k = (state_.position + step) % n;
    if (!ResultOf(k).solved) return k;
  }
  return state_.position;
}

ReadError Collection::Go(std::size_t k, Puzzle& puzzle) {
  if (const ReadError error = index_.Load(k, puzzle)) return error;
  state_.position = k;
  state_.Save(StatePath());
  return {};
}

PuzzleResult Collection::ResultOf(std::size_t k) const {
  const play::RecordSummary summary = records_.SummaryOf(RecordKeyOf(k));
  if (summary.solved == 0) return {};
  const std::int64_t ms = summary.best           ? *summary.best
                          : summary.last.empty() ? 0
                                                 : summary.last.front().ms;
  return {true, static_cast<int>(std::min<std::int64_t>(ms / 1000, 1'000'000'000)),
          summary.unhelped == 0};
}

std::size_t Collection::SolvedCount() const {
  std::size_t count = 0;
  for (std::size_t k = 0; k < size(); ++k) count += ResultOf(k).solved ? 1 : 0;
  return count;
}

std::string Collection::StatusText() const {
  return "問題 " + std::to_string(position() + 1) + " / " + std::to_string(size());
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
