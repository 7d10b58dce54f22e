// SPDX-License-Identifier: MIT
#include "play/kept_games.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "system/app_paths.h"

namespace gridora::play {

namespace {

constexpr std::size_t kMaxKeptBytes = 64 * 1024;
constexpr const char* kHeader = "GridoraGame 1";
constexpr const char* kHex = "0123456789abcdef";

std::string Hex(const std::string& bytes) {
  std::string text;
  text.reserve(bytes.size() * 2);
  for (unsigned char c : bytes) {
    text += kHex[c >> 4];
    text += kHex[c & 15];
  }
  return text;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<std::uint64_t> HexNumber(const std::string& text) {
  if (text.empty() || text.size() > 16) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : text) {
    const int d = HexDigit(c);
    if (d < 0) return std::nullopt;
    value = value << 4 | static_cast<unsigned>(d);
  }
  return value;
}

// FNV-1a: only names the file; the place and bytes inside decide.
std::uint64_t NameHash(const std::string& text) {
  std::uint64_t hash = 1469598103934665603ull;
  for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
  return hash;
}

std::string Line(const std::string& key, const std::string& value) {
  return key + "=" + value + "\n";
}

// The value of "key=" in `text`, or nullopt.
std::optional<std::string> Value(const std::string& text, const std::string& key) {
  const std::string start = key + "=";
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find('\n', at);
    const std::string line = text.substr(at, end - at);
    if (line.compare(0, start.size(), start) == 0) return line.substr(start.size());
    if (end == std::string::npos) break;
    at = end + 1;
  }
  return std::nullopt;
}

}  // namespace

std::string PlayDataFolderFor(const char* xdgDataHome, const char* home) {
  if (xdgDataHome != nullptr && xdgDataHome[0] == '/')
    return ResolveAppPath(xdgDataHome, "gridora");
  if (home == nullptr || home[0] != '/') return "";
  return ResolveAppPath(ResolveAppPath(ResolveAppPath(home, ".local"), "share"), "gridora");
}

std::string PlayDataFolder() {
  const char* home = std::getenv("HOME");
  if (home == nullptr || home[0] != '/') {
    const passwd* account = ::getpwuid(::getuid());
    if (account != nullptr) home = account->pw_dir;
  }
  return PlayDataFolderFor(std::getenv("XDG_DATA_HOME"), home);
}

std::string RecordsPath(const std::string& dataFolder) {
  return dataFolder.empty() ? "" : ResolveAppPath(dataFolder, "records.txt");
}

std::string GamesFolder(const std::string& dataFolder) {
  return dataFolder.empty() ? "" : ResolveAppPath(dataFolder, "games");
}

// size=N; givens= one character a cell: 0 for none, the digits 1 to 16 as
// 1-9 and a-g; notes= four hexadecimal digits a cell; then the clock in
// milliseconds and the two marks.
std::string GameRecordText(const GameRecord& r) {
  const int cells = r.boardSize * r.boardSize;
  std::string givens, notes;
  for (int cell = 0; cell < cells; ++cell) {
    const auto i = static_cast<std::size_t>(cell);
    givens += "0123456789abcdefg"[r.givens[i] <= 16 ? r.givens[i] : 0];
    char mask[5];
    std::snprintf(mask, sizeof mask, "%04x", static_cast<unsigned>(r.notes[i]));
    notes += mask;
  }
  return Line("size", std::to_string(r.boardSize)) + Line("givens", givens) + Line("notes", notes) +
         Line("elapsed", std::to_string(r.elapsedMs)) + Line("helped", r.helped ? "1" : "0") +
         Line("solved", r.solved ? "1" : "0");
}

std::optional<GameRecord> ReadGameRecord(const std::string& text) {
  GameRecord r;
  const auto size = Value(text, "size");
  const auto givens = Value(text, "givens");
  const auto notes = Value(text, "notes");
  const auto elapsed = Value(text, "elapsed");
  const auto helped = Value(text, "helped");
  const auto solved = Value(text, "solved");
  if (!size || !givens || !notes || !elapsed || !helped || !solved) return std::nullopt;
  if (*size != "9" && *size != "16") return std::nullopt;
  r.boardSize = *size == "9" ? 9 : 16;
  const auto cells = static_cast<std::size_t>(r.boardSize * r.boardSize);
  if (givens->size() != cells || notes->size() != cells * 4) return std::nullopt;
  for (std::size_t i = 0; i < cells; ++i) {
    const char g = (*givens)[i];
    const int digit = g == 'g' ? 16 : HexDigit(g);
    if (digit < 0 || digit > r.boardSize) return std::nullopt;
    r.givens[i] = static_cast<std::uint8_t>(digit);
    const auto mask = HexNumber(notes->substr(i * 4, 4));
    if (!mask) return std::nullopt;
    r.notes[i] = static_cast<NoteMask>(*mask);
  }
  if (elapsed->empty() || elapsed->size() > 15 ||
      elapsed->find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  r.elapsedMs = std::stoll(*elapsed);
  r.helped = *helped == "1";
  r.solved = *solved == "1";
  return r;
}

std::string KeptGames::PathOf(const std::string& place) const {
  if (folder_.empty()) return "";
  char name[32];
  std::snprintf(name, sizeof name, "%016llx.game",
                static_cast<unsigned long long>(NameHash(place)));
  return ResolveAppPath(folder_, name);
}

WriteStatus KeptGames::Keep(const std::string& place, const std::string& fileBytes,
                            const GameRecord& record) const {
  if (folder_.empty()) return {};
  std::string text = std::string(kHeader) + "\n" + Line("place", Hex(place)) +
                     Line("file", Hex(fileBytes)) + GameRecordText(record);
  return WriteFileCreatingFolders(PathOf(place), text);
}

std::optional<GameRecord> KeptGames::Find(const std::string& place,
                                          const std::string& fileBytes) const {
  if (folder_.empty()) return std::nullopt;
  const FileBytes file = ReadWholeFile(PathOf(place), kMaxKeptBytes);
  if (file.status != ReadStatus::Ok) return std::nullopt;
  const std::string& text = file.bytes;
  if (text.compare(0, std::string(kHeader).size() + 1, std::string(kHeader) + "\n") != 0)
    return std::nullopt;
  if (Value(text, "place") != Hex(place) || Value(text, "file") != Hex(fileBytes))
    return std::nullopt;
  return ReadGameRecord(text);
}

void KeptGames::Forget(const std::string& place) const {
  if (!folder_.empty()) std::remove(PathOf(place).c_str());
}

}  // namespace gridora::play
