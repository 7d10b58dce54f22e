// SPDX-License-Identifier: MIT
#include "play/records.h"

#include <algorithm>
#include <sstream>

#include "core/text.h"

namespace gridora::play {

namespace {

constexpr std::size_t kMaxRecordsBytes = 4 * 1024 * 1024;
constexpr const char* kHeader = "GridoraRecords\t1";

std::string CleanField(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
  return text;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

std::optional<std::int64_t> Number(const std::string& text) {
  if (text.empty() || text.size() > 18) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

std::string RecordKey(int boardSize, const std::string& gradeName) {
  return std::to_string(boardSize) + " x " + std::to_string(boardSize) + " " + gradeName;
}

Records Records::Load(const std::string& path) {
  const FileBytes file = ReadWholeFile(path, kMaxRecordsBytes);
  return file.status == ReadStatus::Ok ? FromText(file.bytes) : Records{};
}

WriteStatus Records::Save(const std::string& path) const {
  return WriteFileCreatingFolders(path, Text());
}

// One "key" line per key with its totals, then one "result" line per kept
// result, oldest first:
//   key<TAB>9 x 9 標準<TAB>solved<TAB>unhelped<TAB>unhelped total ms<TAB>best ms or -
//   result<TAB>9 x 9 標準<TAB>ms<TAB>0 or 1<TAB>date
std::string Records::Text() const {
  std::ostringstream out;
  out << kHeader << '\n';
  for (const auto& [key, e] : entries_) {
    out << "key\t" << key << '\t' << e.solved << '\t' << e.unhelped << '\t' << e.unhelpedTotal
        << '\t' << (e.best ? std::to_string(*e.best) : "-") << '\n';
    for (const GameResult& r : e.last)
      out << "result\t" << key << '\t' << r.ms << '\t' << (r.helped ? 1 : 0) << '\t' << r.date
          << '\n';
  }
  return out.str();
}

Records Records::FromText(const std::string& text) {
  Records records;
  std::istringstream in(text);
  std::string line;
  if (!std::getline(in, line) || line != kHeader) return records;
  while (std::getline(in, line)) {
    const std::vector<std::string> f = Fields(line);
    if (f[0] == "key" && f.size() == 6) {
      const auto solved = Number(f[2]), unhelped = Number(f[3]), total = Number(f[4]);
      if (!solved || !unhelped || !total) continue;
      Entry& e = records.entries_[f[1]];
      e.solved = static_cast<int>(*solved);
      e.unhelped = static_cast<int>(*unhelped);
      e.unhelpedTotal = *total;
      e.best = Number(f[5]);
    } else if (f[0] == "result" && f.size() == 5) {
      const auto ms = Number(f[2]);
      auto found = records.entries_.find(f[1]);
      if (!ms || found == records.entries_.end() || (f[3] != "0" && f[3] != "1")) continue;
      std::vector<GameResult>& last = found->second.last;
      last.push_back({*ms, f[3] == "1", f[4]});
      if (last.size() > kKeptResults) last.erase(last.begin());
    }
  }
  return records;
}

bool Records::Add(const std::string& key, const GameResult& result) {
  Entry& e = entries_[CleanField(key)];
  GameResult r = result;
  r.date = CleanField(r.date);
  ++e.solved;
  e.last.push_back(r);
  if (e.last.size() > kKeptResults) e.last.erase(e.last.begin());
  if (r.helped) return false;
  ++e.unhelped;
  e.unhelpedTotal += r.ms;
  if (e.best && *e.best <= r.ms) return false;
  e.best = r.ms;
  return true;
}

RecordSummary Records::SummaryOf(const std::string& key) const {
  RecordSummary summary;
  const auto found = entries_.find(key);
  if (found == entries_.end()) return summary;
  const Entry& e = found->second;
  summary.solved = e.solved;
  summary.unhelped = e.unhelped;
  summary.best = e.best;
  if (e.unhelped > 0) summary.average = e.unhelpedTotal / e.unhelped;
  summary.last.assign(e.last.rbegin(), e.last.rend());
  return summary;
}

std::vector<std::string> Records::Keys() const {
  std::vector<std::string> keys;
  for (const auto& [key, e] : entries_) keys.push_back(key);
  return keys;
}

}  // namespace gridora::play
