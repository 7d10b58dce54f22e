// SPDX-License-Identifier: MIT
#include "formats/collection_ratings.h"

#include <sys/resource.h>
#include <unistd.h>

#include <charconv>
#include <filesystem>

#include "core/file_io.h"
#include "formats/text_lines.h"
#include "logic/logic_engine.h"

namespace gridora::formats {

namespace {

constexpr const char* kCacheHeader = "GridoraRatings 1";
constexpr std::size_t kMaxCacheBytes = 16 << 20;
constexpr int kWorkerNice = 10;  // behind the window and the game's clock

std::optional<std::size_t> Number(std::string_view text) {
  std::size_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

std::map<std::size_t, Rating> ReadCache(const std::string& path, std::size_t count) {
  std::map<std::size_t, Rating> known;
  const FileBytes file = ReadWholeFile(path, kMaxCacheBytes);
  if (file.status != ReadStatus::Ok) return known;
  TextLines lines(file.bytes);
  std::string_view line;
  if (!lines.Next(line) || line != kCacheHeader) return known;
  while (lines.Next(line)) {
    const std::size_t a = line.find(' ');
    const std::size_t b = a == std::string_view::npos ? a : line.find(' ', a + 1);
    if (b == std::string_view::npos) continue;
    const auto k = Number(line.substr(0, a));
    const auto er = Number(line.substr(a + 1, b - a - 1));
    const std::string_view solved = line.substr(b + 1);
    if (!k || !er || *k >= count || *er > 200 || (solved != "0" && solved != "1")) continue;
    known[*k] = {static_cast<int>(*er), solved == "1"};
  }
  return known;
}

}  // namespace

std::string RatingText(const Rating& rating) {
  if (!rating.solved && rating.er == 0) return "-";
  return std::to_string(rating.er / 10) + "." + std::to_string(rating.er % 10) +
         (rating.solved ? "" : "+");
}

CollectionRatings::CollectionRatings(PuzzleIndex index, const std::string& cacheFolder, Ready ready)
    : index_(std::move(index)),
      cachePath_(
          cacheFolder.empty()
              ? std::string()
              : (std::filesystem::path(cacheFolder) / (index_.ContentKeyText() + ".txt")).string()),
      ready_(std::move(ready)) {
  if (!cachePath_.empty()) known_ = ReadCache(cachePath_, index_.size());
}

CollectionRatings::~CollectionRatings() {
  {
    const std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  if (worker_.joinable()) worker_.join();
  Save();
}

std::optional<Rating> CollectionRatings::Find(std::size_t k) const {
  const std::lock_guard lock(mutex_);
  const auto found = known_.find(k);
  if (found == known_.end()) return std::nullopt;
  return found->second;
}

void CollectionRatings::Ask(std::size_t k) {
  {
    const std::lock_guard lock(mutex_);
    if (k >= index_.size() || known_.count(k) || waiting_.count(k) || broken_.count(k)) return;
    asked_.push_back(k);
    waiting_.insert(k);
    if (!worker_.joinable()) worker_ = std::thread([this] { Work(); });
  }
  wake_.notify_one();
}

void CollectionRatings::ClearAsked() {
  const std::lock_guard lock(mutex_);
  asked_.clear();
  waiting_.clear();
}

void CollectionRatings::Save() {
  std::string text = std::string(kCacheHeader) + "\n";
  {
    const std::lock_guard lock(mutex_);
    if (!changed_ || cachePath_.empty()) return;
    for (const auto& [k, rating] : known_) {
      text += std::to_string(k) + " " + std::to_string(rating.er) + " " +
              (rating.solved ? "1" : "0") + "\n";
    }
    changed_ = false;
  }
  // A cache: a failed write only costs the time to rate again.
  static_cast<void>(WriteFileCreatingFolders(cachePath_, text));
}

void CollectionRatings::Work() {
  ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), kWorkerNice);
  std::unique_lock lock(mutex_);
  while (true) {
    wake_.wait(lock, [this] { return stop_ || !asked_.empty(); });
    if (stop_) return;
    const std::size_t k = asked_.back();
    asked_.pop_back();
    waiting_.erase(k);
    lock.unlock();
    Puzzle puzzle;
    const bool read = !index_.Load(k, puzzle);
    logic::Path path;
    if (read) {
      logic::Digits givens{};
      for (std::size_t i = 0; i < givens.size(); ++i)
        givens[i] = static_cast<std::uint8_t>(DigitOf(puzzle.givens[i]));
      path = logic::SolvePath(puzzle.boardSize, givens);
    }
    lock.lock();
    if (!read) {
      broken_.insert(k);
      continue;
    }
    known_[k] = {path.er, path.solved};
    changed_ = true;
    lock.unlock();
    if (ready_) ready_(k);
    lock.lock();
  }
}

}  // namespace gridora::formats
