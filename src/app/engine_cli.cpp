// SPDX-License-Identifier: MIT
#include "engine_cli.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <map>
#include <random>
#include <string_view>
#include <thread>
#include <vector>

#include "engine/texts.h"
#include "solver/puzzle_line.h"

namespace gridora {
namespace {

template <typename T>
bool ParseNumber(std::string_view text, T& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

void AppendDigits(std::string& out, const engine::Grid& grid, int cells) {
  out += '[';
  for (int c = 0; c < cells; ++c) {
    if (c > 0) out += ',';
    out += std::to_string(grid[static_cast<std::size_t>(c)]);
  }
  out += ']';
}

}  // namespace

int ParseEngineOption(int argc, char** argv, int& i, EngineCliOptions& options) {
  const std::string_view arg = argv[i];
  const auto value = [&]() -> std::optional<std::string_view> {
    if (i + 1 >= argc) {
      std::cerr << "gridora-solve: " << arg << " needs a value\n";
      return std::nullopt;
    }
    return std::string_view(argv[++i]);
  };
  const auto whole = [&](int& target, int low, int high) {
    const auto text = value();
    if (!text) return -1;
    if (!ParseNumber(*text, target) || target < low || target > high) {
      std::cerr << "gridora-solve: " << arg << " needs a whole number from " << low << " to "
                << high << "\n";
      return -1;
    }
    return 1;
  };
  if (arg == "--engine") {
    options.engine = true;
    return 1;
  }
  if (arg == "--unique") {
    options.unique = options.engine = true;
    return 1;
  }
  if (arg == "--symmetric") {
    options.symmetric = true;
    return 1;
  }
  if (arg == "--count") {
    options.engine = true;
    return whole(options.count, 1, 1000000000);
  }
  if (arg == "-j") return whole(options.jobs, 1, 1024);
  if (arg == "--generate") return whole(options.generate, 1, 1000000000);
  if (arg == "--size") {
    if (whole(options.size, 9, 16) < 0) return -1;
    if (options.size != 9 && options.size != 16) {
      std::cerr << "gridora-solve: --size is 9 or 16\n";
      return -1;
    }
    return 1;
  }
  if (arg == "--grade") {
    const auto text = value();
    if (!text) return -1;
    options.grade = engine::GradeFromName(*text);
    if (!options.grade) {
      std::cerr << "gridora-solve: --grade is easy, standard, hard or expert\n";
      return -1;
    }
    return 1;
  }
  if (arg == "--seed") {
    const auto text = value();
    std::uint64_t seed = 0;
    if (!text || !ParseNumber(*text, seed)) {
      std::cerr << "gridora-solve: --seed needs a whole number\n";
      return -1;
    }
    options.seed = seed;
    return 1;
  }
  return 0;
}

int JobCount(const EngineCliOptions& options) {
  if (options.jobs > 0) return options.jobs;
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : static_cast<int>(cores);
}

void RunInOrder(std::size_t n, int jobs, const std::function<std::string(std::size_t)>& work,
                const std::function<void(std::string&&)>& emit) {
  // Work is handed out in chunks so that the output flows on long runs and
  // only one chunk of results is held at a time.
  const std::size_t chunk = 1024;
  std::vector<std::string> results;
  for (std::size_t base = 0; base < n; base += chunk) {
    const std::size_t count = std::min(chunk, n - base);
    results.assign(count, std::string());
    std::atomic<std::size_t> next{0};
    const auto worker = [&] {
      for (std::size_t k = next++; k < count; k = next++) results[k] = work(base + k);
    };
    const int threads =
        static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(jobs), count));
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t) pool.emplace_back(worker);
    worker();
    for (std::thread& thread : pool) thread.join();
    for (std::string& result : results) emit(std::move(result));
  }
}

std::string EngineReport(const PuzzleLine& puzzle, const EngineCliOptions& options, bool json,
                         int& solutions) {
  const int size = puzzle.boardSize;
  const int cells = size * size;
  engine::Grid givens{};
  for (int c = 0; c < cells; ++c) {
    givens[static_cast<std::size_t>(c)] =
        static_cast<std::uint8_t>(puzzle.board[static_cast<std::size_t>(c)]);
  }
  const int limit = options.count > 0 ? std::max(options.count, options.unique ? 2 : 1)
                    : options.unique  ? 2
                                      : 1;
  const engine::SearchResult result = engine::CountSolutions(size, givens, limit);
  solutions = result.solutions;
  const engine::Grid none{};
  const engine::Grid& solution = result.solutions > 0 ? result.first : none;
  std::string message;
  if (options.unique) {
    message = engine::CountVerdict(result.solutions);
  } else if (options.count == 0) {
    message = result.solutions > 0 ? "成功！" : engine::kNoSolutionText;
  }
  std::string out;
  if (json) {
    out = "{";
    if (!message.empty()) {
      out += "\"message\":\"" + message + "\",";  // the texts hold no quote or backslash
    }
    out += "\"solutions\":" + std::to_string(result.solutions) + ",\"solution\":";
    if (result.solutions > 0) {
      AppendDigits(out, solution, cells);
    } else {
      out += "[]";
    }
    return out + "}";
  }
  if (options.count > 0 && !options.unique) return std::to_string(result.solutions);
  if (options.unique) return message;
  out = message + "\n";
  for (int row = 0; row < size; ++row) {
    for (int column = 0; column < size; ++column) {
      if (column > 0) out += ' ';
      const int c = row * size + column;
      out += PuzzleCharOf(result.solutions > 0 ? solution[static_cast<std::size_t>(c)]
                                               : givens[static_cast<std::size_t>(c)]);
    }
    out += '\n';
  }
  return out;
}

int RunGenerate(const EngineCliOptions& options, bool stats) {
  std::uint64_t seed = 0;
  if (options.seed) {
    seed = *options.seed;
  } else {
    std::random_device device;
    seed = (static_cast<std::uint64_t>(device()) << 32) ^ device();
    std::cerr << "gridora-solve: --seed " << seed << "\n";
  }
  const auto total = static_cast<std::size_t>(options.generate);
  engine::GenerateOptions generate;
  generate.boardSize = options.size;
  generate.symmetry = options.symmetric ? engine::Symmetry::Rotate180 : engine::Symmetry::None;
  generate.grade = options.grade;
  generate.seed = seed;
  generate.threads = JobCount(options);
  // The statistics are gathered as the puzzles come, without keeping them.
  std::vector<double> seconds;
  std::map<int, int> clues;
  std::map<std::string_view, int> grades;
  long attempts = 0;
  engine::GenerateBatch(generate, total, [&](std::size_t, const engine::Generated& g) {
    std::cout << engine::PuzzleLineOf(options.size, g.puzzle) << '\n';
    if (!stats) return;
    seconds.push_back(g.seconds);
    ++clues[g.clues];
    ++grades[engine::GradeName(g.grade)];
    attempts += g.attempts;
  });
  std::cout.flush();
  if (stats && total > 0) {
    std::sort(seconds.begin(), seconds.end());
    std::fprintf(stderr, "puzzles %zu  median ms %.2f  worst ms %.2f  attempts per puzzle %.2f\n",
                 total, seconds[total / 2] * 1000, seconds.back() * 1000,
                 static_cast<double>(attempts) / static_cast<double>(total));
    std::fprintf(stderr, "grades");
    for (const auto& [name, n] : grades) std::fprintf(stderr, "  %s %d", name.data(), n);
    std::fprintf(stderr, "\nclues");
    for (const auto& [n, k] : clues) std::fprintf(stderr, "  %d:%d", n, k);
    std::fprintf(stderr, "\n");
  }
  return 0;
}

}  // namespace gridora
