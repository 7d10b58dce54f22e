// SPDX-License-Identifier: MIT
#include "engine/puzzle_stock.h"

#include <fcntl.h>
#include <pthread.h>
#include <sched.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>
#include <utility>

#include "core/file_io.h"

namespace gridora::engine {
namespace {

constexpr std::string_view kHeading = "gridora puzzle stock 1\n";
constexpr std::size_t kMaxStockBytes = 1 << 20;
// A sleeping worker looks again after this long: another program may
// have taken puzzles from the shared file.
constexpr auto kRecheck = std::chrono::seconds(60);

std::string RulesLine() {
  return "grade rules " + std::to_string(kGradeRulesVersion) + "\n";
}

// FNV-1a, 64 bits: enough to notice a file cut short or changed by hand.
std::uint64_t Checksum(std::string_view bytes) {
  std::uint64_t h = 0xCBF29CE484222325ull;
  for (const char c : bytes) {
    h ^= static_cast<unsigned char>(c);
    h *= 0x100000001B3ull;
  }
  return h;
}

std::string EndLine(std::size_t count, std::string_view before) {
  char text[64];
  std::snprintf(text, sizeof text, "end %zu %016" PRIx64 "\n", count, Checksum(before));
  return text;
}

std::string_view SymmetryName(Symmetry symmetry) {
  return symmetry == Symmetry::Rotate180 ? "symmetric" : "plain";
}

// The next word of `line` (words are separated by one blank).
std::string_view NextWord(std::string_view& line) {
  const std::size_t blank = line.find(' ');
  const std::string_view word = line.substr(0, blank);
  line = blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
  return word;
}

bool ParseGrid(int size, std::string_view text, Grid& grid) {
  if (text.size() != static_cast<std::size_t>(size * size)) return false;
  for (std::size_t c = 0; c < text.size(); ++c) {
    const char ch = text[c];
    const int d = ch == '.'                ? 0
                  : ch >= '1' && ch <= '9' ? ch - '0'
                  : ch >= 'A' && ch <= 'G' ? ch - 'A' + 10
                                           : -1;
    if (d < 0 || d > size) return false;
    grid[c] = static_cast<std::uint8_t>(d);
  }
  return true;
}

std::optional<StockedPuzzle> ParseLine(std::string_view line) {
  StockedPuzzle p;
  const std::string_view size = NextWord(line);
  p.key.boardSize = size == "9" ? 9 : size == "16" ? 16 : 0;
  const std::optional<Grade> grade = GradeFromName(NextWord(line));
  const std::string_view symmetry = NextWord(line);
  if (p.key.boardSize == 0 || !grade) return std::nullopt;
  p.key.grade = *grade;
  if (symmetry != SymmetryName(Symmetry::Rotate180) && symmetry != SymmetryName(Symmetry::None))
    return std::nullopt;
  p.key.symmetry = symmetry == "symmetric" ? Symmetry::Rotate180 : Symmetry::None;
  const int n = p.key.boardSize;
  if (!ParseGrid(n, NextWord(line), p.puzzle) || !ParseGrid(n, NextWord(line), p.solution) ||
      !line.empty() || !SolvesPuzzle(n, p.puzzle, p.solution))
    return std::nullopt;
  if (p.key.symmetry == Symmetry::Rotate180) {
    for (int c = 0; c < n * n; ++c) {
      if ((p.puzzle[static_cast<std::size_t>(c)] != 0) !=
          (p.puzzle[static_cast<std::size_t>(n * n - 1 - c)] != 0))
        return std::nullopt;
    }
  }
  return p;
}

int CountOf(const std::vector<StockedPuzzle>& puzzles, const StockKey& key) {
  return static_cast<int>(std::count_if(puzzles.begin(), puzzles.end(),
                                        [&](const StockedPuzzle& p) { return p.key == key; }));
}

// The stock is work for spare moments: the thread runs only when a core
// would otherwise idle (SCHED_IDLE), and at the lowest nice value where
// that policy is refused.
void LowerThreadPriority() {
  ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), 19);
  sched_param param{};
  ::pthread_setschedparam(::pthread_self(), SCHED_IDLE, &param);
  ::pthread_setname_np(::pthread_self(), "gridora-stock");
}

// Replaces the file by renaming a new one over it. Not flushed to disk: the
// file is a cache, and one a crash left damaged fails its checksum and is
// dropped; a flush would hold the lock long enough for the window's take to
// wait on a worker that only runs when a core is free.
bool ReplaceCacheFile(const std::string& path, std::string_view bytes) {
  std::string temp = path + ".XXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return false;
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  const bool written = ::close(fd) == 0 && done == bytes.size();
  if (written && ::rename(temp.c_str(), path.c_str()) == 0) return true;
  ::unlink(temp.c_str());
  return false;
}

double Seconds(const timespec& t) {
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// CPU time of `thread` (a running thread of this process) so far.
double ThreadCpuSeconds(pthread_t thread) {
  clockid_t clock{};
  timespec t{};
  if (::pthread_getcpuclockid(thread, &clock) != 0 || ::clock_gettime(clock, &t) != 0) return 0;
  return Seconds(t);
}

}  // namespace

std::vector<StockKey> StockKeys() {
  std::vector<StockKey> keys;
  for (const Symmetry symmetry : {Symmetry::Rotate180, Symmetry::None}) {
    for (const int size : {9, 16}) {
      for (const Grade grade : {Grade::Easy, Grade::Standard, Grade::Hard, Grade::Expert})
        keys.push_back({size, grade, symmetry});
    }
  }
  return keys;
}

std::string FormatStock(const std::vector<StockedPuzzle>& puzzles) {
  std::string text(kHeading);
  text += RulesLine();
  for (const StockedPuzzle& p : puzzles) {
    text += std::to_string(p.key.boardSize);
    text += ' ';
    text += GradeName(p.key.grade);
    text += ' ';
    text += SymmetryName(p.key.symmetry);
    text += ' ' + PuzzleLineOf(p.key.boardSize, p.puzzle);
    text += ' ' + PuzzleLineOf(p.key.boardSize, p.solution) + '\n';
  }
  return text + EndLine(puzzles.size(), text);
}

std::optional<std::vector<StockedPuzzle>> ParseStock(std::string_view text) {
  const std::string rules = RulesLine();
  if (text.substr(0, kHeading.size()) != kHeading ||
      text.substr(kHeading.size(), rules.size()) != rules)
    return std::nullopt;
  std::vector<StockedPuzzle> puzzles;
  std::size_t at = kHeading.size() + rules.size();
  for (;;) {
    const std::size_t end = text.find('\n', at);
    if (end == std::string_view::npos) return std::nullopt;  // cut short
    const std::string_view line = text.substr(at, end - at);
    if (line.substr(0, 4) == "end ") {
      const std::string expected = EndLine(puzzles.size(), text.substr(0, at));
      if (text.substr(at) != expected) return std::nullopt;
      return puzzles;
    }
    std::optional<StockedPuzzle> p = ParseLine(line);
    if (!p) return std::nullopt;
    puzzles.push_back(*p);
    at = end + 1;
  }
}

PuzzleStock::PuzzleStock(std::string folder, int perKey, std::vector<StockKey> keys)
    : file_(folder.empty() ? "" : folder + "/puzzle-stock.txt"),
      lockFile_(folder.empty() ? "" : folder + "/puzzle-stock.lock"),
      perKey_(perKey),
      keys_(std::move(keys)) {}

PuzzleStock::~PuzzleStock() {
  Stop();
}

template <typename Change>
bool PuzzleStock::Edit(Change change) {
  if (file_.empty()) return false;
  std::lock_guard guard(fileMutex_);
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(file_).parent_path(), error);
  const int lock = ::open(lockFile_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (lock < 0) return false;
  // Another program's edit is as short as ours: wait for it.
  while (::flock(lock, LOCK_EX) != 0 && errno == EINTR) {
  }
  const FileBytes bytes = ReadWholeFile(file_, kMaxStockBytes);
  std::optional<std::vector<StockedPuzzle>> puzzles;
  if (bytes.status == ReadStatus::Ok) puzzles = ParseStock(bytes.bytes);
  // A damaged file, or one of other rules, is replaced by an empty stock.
  const bool damaged = bytes.status != ReadStatus::CannotOpen && !puzzles;
  if (!puzzles) puzzles.emplace();
  bool changed = change(*puzzles);
  if (changed || damaged) changed = ReplaceCacheFile(file_, FormatStock(*puzzles)) && changed;
  ::close(lock);  // releases the lock
  return changed;
}

std::optional<Generated> PuzzleStock::Take(const StockKey& key) {
  std::optional<Generated> taken;
  const bool removed = Edit([&](std::vector<StockedPuzzle>& puzzles) {
    const auto it = std::find_if(puzzles.begin(), puzzles.end(),
                                 [&](const StockedPuzzle& p) { return p.key == key; });
    if (it == puzzles.end()) return false;
    Generated g;
    g.puzzle = it->puzzle;
    g.solution = it->solution;
    g.grade = key.grade;
    const int cells = key.boardSize * key.boardSize;
    for (int c = 0; c < cells; ++c) g.clues += g.puzzle[static_cast<std::size_t>(c)] != 0;
    taken = g;
    puzzles.erase(it);
    return true;
  });
  // A puzzle that could not be taken out of the file stays there, unserved.
  return removed ? taken : std::nullopt;
}

int PuzzleStock::Count(const StockKey& key) {
  int count = 0;
  Edit([&](std::vector<StockedPuzzle>& puzzles) {
    count = CountOf(puzzles, key);
    return false;
  });
  return count;
}

bool PuzzleStock::RefillOne() {
  std::optional<StockKey> lacking;
  int fewest = perKey_;
  Edit([&](std::vector<StockedPuzzle>& puzzles) {
    for (const StockKey& key : keys_) {
      const int count = CountOf(puzzles, key);
      if (count < fewest) {
        fewest = count;
        lacking = key;
      }
    }
    return false;
  });
  if (!lacking || stop_) return false;
  GenerateOptions options;
  options.boardSize = lacking->boardSize;
  options.grade = lacking->grade;
  options.symmetry = lacking->symmetry;
  std::random_device device;
  options.seed = (static_cast<std::uint64_t>(device()) << 32) ^ device();
  options.cancel = &stop_;
  const Generated g = Generate(options);
  if (g.cancelled) return false;
  return Edit([&](std::vector<StockedPuzzle>& puzzles) {
    if (CountOf(puzzles, *lacking) >= perKey_) return false;  // another program was quicker
    puzzles.push_back({*lacking, g.puzzle, g.solution});
    return true;
  });
}

void PuzzleStock::StartRefill() {
  if (file_.empty()) return;
  if (worker_.joinable()) {
    {
      std::lock_guard lock(wakeMutex_);
      wakeRequested_ = true;
    }
    wake_.notify_one();
    return;
  }
  stop_ = false;
  worker_ = std::thread([this] { Work(); });
}

void PuzzleStock::Stop() {
  if (!worker_.joinable()) return;
  {
    std::lock_guard lock(wakeMutex_);
    stop_ = true;
  }
  wake_.notify_one();
  worker_.join();
  stoppedWorkersCpu_ += endingWorkerCpu_;
}

void PuzzleStock::Work() {
  LowerThreadPriority();
  while (!stop_) {
    if (RefillOne()) continue;
    std::unique_lock lock(wakeMutex_);
    wake_.wait_for(lock, kRecheck, [this] { return stop_ || wakeRequested_; });
    wakeRequested_ = false;
  }
  // The thread's clock goes with it: its time is kept for Stop.
  endingWorkerCpu_ = ThreadCpuSeconds(::pthread_self());
}

double PuzzleStock::WorkerCpuSeconds() {
  return stoppedWorkersCpu_ + (worker_.joinable() ? ThreadCpuSeconds(worker_.native_handle()) : 0);
}

}  // namespace gridora::engine
