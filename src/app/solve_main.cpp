// SPDX-License-Identifier: MIT
// gridora-solve: the solver of Gridora for scripts, batch work and
// benchmarks. Reads puzzles one a line from files or standard input and
// solves each from a fresh program state, exactly as the Solve command does.

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "book_cli.h"
#include "convert_cli.h"
#include "core/file_io.h"
#include "core/file_title.h"
#include "core/puzzle_format.h"
#include "engine_cli.h"
#include "formats/puzzle_index.h"
#include "formats/readers.h"
#include "line_input.h"
#include "rate_cli.h"
#include "solver/puzzle_line.h"
#include "solver/solve_report.h"

namespace {

using namespace gridora;

// The exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitUnreadable = 1;  // a file could not be read or a line was no puzzle
constexpr int kExitUsage = 2;       // the command line was wrong
constexpr int kExitNotUnique = 3;   // --unique: a puzzle has no solution or several

// The longest line read: a 16 x 16 puzzle and room for blanks and a note.
constexpr std::size_t kMaxPuzzleLineBytes = 1024;

constexpr const char* kUsage =
    "usage: gridora-solve [options] [file ...]\n"
    "Solves the puzzles of the files (standard input when none is given or for \"-\"),\n"
    "one a line: 81 or 256 characters, \".\" or \"0\" empty, 1-9 and A-G;\n"
    "a line is at most 1024 bytes long;\n"
    "a file whose name ends in .gdr is a Gridora puzzle file; a file of another\n"
    "format (.sdk, .ss, .opensudoku, a grid of 9 or 16 lines) is read by its content.\n"
    "  --convert FORMAT  write the puzzles in FORMAT to standard output instead of\n"
    "                    solving them: sdm (or txt), sdk, ss, grid, opensudoku, gdr\n"
    "  --max9 N          hypothesis limit on 9 x 9 (default 9)\n"
    "  --max16 N         hypothesis limit on 16 x 16 (default 3)\n"
    "  --mode 0|1        1 skips digits seen in earlier trials (default 1)\n"
    "  --no-alternatives stop at the first solution\n"
    "  --level           name the level in the success message\n"
    "  --json            one JSON object a puzzle\n"
    "  --quiet           no output per puzzle\n"
    "  --stats           timing and outcome counts on standard error\n"
    "  -h, --help        print this help and exit\n";

struct Options {
  SolverOptions solver;
  bool json = false;
  bool quiet = false;
  bool stats = false;
  std::optional<formats::Format> convert;
  EngineCliOptions engine;
  BookCliOptions book;
  RateOptions rate;
  std::vector<std::string> files;
};

bool ParseInt(const char* text, int& value) {
  const std::string_view view(text);
  const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value);
  return error == std::errc() && end == view.data() + view.size();
}

// Returns false (after a message) for a bad command line.
bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    if (const int used = ParseEngineOption(argc, argv, i, options.engine); used != 0) {
      if (used < 0) return false;
      continue;
    }
    if (const int used = ParseBookOption(argc, argv, i, options.book); used != 0) {
      if (used < 0) return false;
      continue;
    }
    const std::string arg = argv[i];
    const auto number = [&](std::optional<int>& target) {
      int value = 0;
      if (i + 1 >= argc || !ParseInt(argv[i + 1], value)) {
        std::cerr << "gridora-solve: " << arg << " needs a whole number\n";
        return false;
      }
      target = value;
      ++i;
      return true;
    };
    if (arg == "--max9") {
      if (!number(options.solver.max9)) return false;
    } else if (arg == "--max16") {
      if (!number(options.solver.max16)) return false;
    } else if (arg == "--mode") {
      if (!number(options.solver.mode)) return false;
      if (*options.solver.mode != 0 && *options.solver.mode != 1) {
        std::cerr << "gridora-solve: --mode is 0 or 1\n";
        return false;
      }
    } else if (arg == "--convert") {
      if (i + 1 < argc) options.convert = formats::FormatOfName(argv[i + 1]);
      if (!options.convert) {
        std::cerr << "gridora-solve: --convert needs a format: sdm, txt, sdk, ss, grid, "
                     "opensudoku or gdr\n";
        return false;
      }
      ++i;
    } else if (arg == "--no-alternatives") {
      options.solver.noAlternatives = true;
    } else if (arg == "--level") {
      options.solver.showLevel = true;
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg == "--rate") {
      options.rate.rate = true;
    } else if (arg == "--steps") {
      options.rate.steps = true;
    } else if (arg == "--quiet") {
      options.quiet = true;
    } else if (arg == "--stats") {
      options.stats = true;
    } else if (arg == "--help" || arg == "-h") {
      std::cout << kUsage << kEngineUsage << kRateUsage << kBookUsage;
      std::exit(0);
    } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
      std::cerr << "gridora-solve: unknown option " << arg << "\n"
                << kUsage << kEngineUsage << kRateUsage << kBookUsage;
      return false;
    } else {
      options.files.push_back(arg);
    }
  }
  if (options.files.empty()) options.files.push_back("-");
  return true;
}

struct Totals {
  long puzzles = 0;
  std::array<long, 5> groups{};  // by OutcomeGroup
  double seconds = 0;
};

class Runner {
 public:
  explicit Runner(const Options& options) : options_(options) {}

  // Solves every puzzle of the lines read from `fd`; false when a line was
  // not a puzzle or the input could not be read to its end.
  bool Run(int fd, const std::string& name) {
    bool ok = true;
    BoundedLineReader reader(fd, kMaxPuzzleLineBytes);
    std::string line;
    long number = 0;
    for (;;) {
      const LineStatus status = reader.Next(line);
      if (status == LineStatus::End) break;
      ++number;
      if (status == LineStatus::TooLong) {
        std::cerr << name << ":" << number << ": line longer than " << kMaxPuzzleLineBytes
                  << " bytes; the rest is not read\n";
        return false;
      }
      if (status == LineStatus::ReadError) {
        std::cerr << name << ": cannot read: " << std::strerror(reader.error()) << "\n";
        return false;
      }
      const PuzzleLine parsed = ParsePuzzleLine(line);
      if (parsed.kind == PuzzleLine::Kind::Skip) continue;
      if (parsed.kind == PuzzleLine::Kind::Error) {
        std::cerr << name << ":" << number << ": " << parsed.error << "\n";
        ok = false;
        continue;
      }
      Solve(parsed);
    }
    return ok;
  }

  // Solves the puzzle of a ".gdr" file; false when it cannot be read.
  bool RunPuzzleFile(const std::string& path) {
    const FileBytes file = ReadWholeFile(path, kMaxPuzzleFileBytes);
    if (file.status == ReadStatus::TooLarge) {
      std::cerr << path << ": too large (a puzzle file has at most " << kMaxPuzzleFileBytes
                << " bytes)\n";
      return false;
    }
    if (file.status != ReadStatus::Ok) {
      std::cerr << path << ": cannot open\n";
      return false;
    }
    const PuzzleParse parse = ParsePuzzleFile(file.bytes);
    if (!parse.puzzle) {
      std::cerr << path << ":" << parse.line << ": " << DescribePuzzleFileError(parse.error)
                << "\n";
      return false;
    }
    PuzzleLine puzzle;
    puzzle.kind = PuzzleLine::Kind::Puzzle;
    puzzle.boardSize = parse.puzzle->BoardSize;
    puzzle.board = parse.puzzle->Board;
    Solve(puzzle);
    return true;
  }

  // Solves the puzzles of a file of another format, read through its index;
  // false when it is not a puzzle file.
  bool RunIndexed(const std::string& path) {
    formats::PuzzleIndex index;
    if (const formats::ReadError error = formats::PuzzleIndex::Open(path, index)) {
      std::cerr << formats::DescribeError(path, error) << "\n";
      return false;
    }
    for (std::size_t k = 0; k < index.size(); ++k) {
      formats::Puzzle puzzle;
      if (const formats::ReadError error = index.Load(k, puzzle)) {
        std::cerr << formats::DescribeError(path, error) << "\n";
        return false;
      }
      PuzzleLine line;
      line.kind = PuzzleLine::Kind::Puzzle;
      line.boardSize = puzzle.boardSize;
      line.board = puzzle.givens;
      Solve(line);
    }
    return true;
  }

  // Solves the puzzles of the lines of `file` ("-" for standard input).
  bool RunLineFile(const std::string& file) {
    if (file == "-") return Run(STDIN_FILENO, "<stdin>");
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
      std::cerr << file << ": cannot open: " << std::strerror(errno) << "\n";
      return false;
    }
    const bool ok = Run(fd, file);
    ::close(fd);
    return ok;
  }

  const Totals& totals() const { return totals_; }

  // Solves the puzzles read so far, on the threads of -j, and writes their
  // output in input order.
  void Flush() {
    const std::size_t n = pending_.size();
    std::vector<OutcomeGroup> groups(n);
    std::vector<double> seconds(n);
    RunInOrder(
        n, JobCount(options_.engine),
        [&](std::size_t k) {
          const auto start = std::chrono::steady_clock::now();
          std::string out = Solve(pending_[k], groups[k]);
          seconds[k] =
              std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
          return out;
        },
        [&](std::string&& out) {
          if (!options_.quiet) std::cout << out << '\n';
        });
    for (std::size_t k = 0; k < n; ++k) {
      ++totals_.puzzles;
      ++totals_.groups[static_cast<std::size_t>(groups[k])];
      totals_.seconds += seconds[k];
    }
    pending_.clear();
  }

  // False when --unique found a puzzle without exactly one solution.
  bool allUnique() const { return allUnique_; }

 private:
  void Solve(const PuzzleLine& parsed) {
    pending_.push_back(parsed);
    if (pending_.size() >= kBatch) Flush();
  }

  std::string Solve(const PuzzleLine& parsed, OutcomeGroup& group) {
    if (options_.rate.rate) {
      group = OutcomeGroup::OneSolution;
      return RateReport(parsed, options_.json, options_.rate.steps);
    }
    if (options_.engine.engine) {
      int solutions = 0;
      std::string out = EngineReport(parsed, options_.engine, options_.json, solutions);
      if (options_.engine.unique && solutions != 1) allUnique_ = false;
      group = solutions == 0   ? OutcomeGroup::Contradiction
              : solutions == 1 ? OutcomeGroup::OneSolution
                               : OutcomeGroup::Several;
      return out;
    }
    // One record a thread, reused for every puzzle; SolveFresh resets it.
    thread_local std::unique_ptr<SolveRecord> record = std::make_unique<SolveRecord>();
    SolveFresh(*record, parsed.boardSize, parsed.board, options_.solver);
    group = GroupOf(record->outcome);
    return options_.json ? ReportJson(*record) : ReportText(*record);
  }

  static constexpr std::size_t kBatch = 4096;
  const Options& options_;
  Totals totals_;
  std::vector<PuzzleLine> pending_;
  std::atomic<bool> allUnique_{true};
};

}  // namespace

// Writes the puzzles of `files` in the format of --convert; false when one
// could not be read or written.
bool Convert(const Options& options) {
  PuzzleConverter converter(*options.convert, std::cout);
  bool ok = true;
  for (const std::string& file : options.files) {
    if (file == "-") {
      BoundedLineReader reader(STDIN_FILENO, formats::kMaxLineBytes);
      std::string line;
      std::size_t number = 0;
      for (LineStatus status; (status = reader.Next(line)) != LineStatus::End;) {
        ++number;
        if (status != LineStatus::Line) {
          std::cerr << "<stdin>:" << number << ": cannot read the line\n";
          return false;
        }
        formats::Puzzle puzzle;
        formats::LineKind kind = formats::LineKind::Skip;
        if (const auto error = formats::ReadPuzzleLine(line, number, puzzle, kind)) {
          std::cerr << formats::DescribeError("<stdin>", error) << "\n";
          ok = false;
        } else if (kind == formats::LineKind::Puzzle) {
          ok = converter.Add(puzzle, "<stdin>:" + std::to_string(number)) && ok;
        }
      }
      continue;
    }
    formats::PuzzleIndex index;
    if (const formats::ReadError error = formats::PuzzleIndex::Open(file, index)) {
      std::cerr << formats::DescribeError(file, error) << "\n";
      ok = false;
      continue;
    }
    for (std::size_t k = 0; k < index.size(); ++k) {
      formats::Puzzle puzzle;
      if (const formats::ReadError error = index.Load(k, puzzle)) {
        std::cerr << formats::DescribeError(file, error) << "\n";
        ok = false;
        break;
      }
      ok = converter.Add(puzzle, file + ": puzzle " + std::to_string(k + 1)) && ok;
    }
  }
  return converter.Finish() && ok;
}

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  Options options;
  if (!ParseOptions(argc, argv, options)) return kExitUsage;
  if (!options.book.output.empty()) return RunBook(options.book, options.engine, options.stats);
  if (options.engine.generate > 0) return RunGenerate(options.engine, options.stats);
  if (options.convert) return Convert(options) ? 0 : 1;
  Runner runner(options);
  bool ok = true;
  for (const std::string& file : options.files) {
    // Files of one puzzle a line keep their tolerant reading (a bad line is
    // reported and skipped); other formats go through their index.
    const auto format = file == "-" ? std::nullopt : formats::DetectFileFormat(file);
    const bool read = file != "-" && HasPuzzleExtension(file)     ? runner.RunPuzzleFile(file)
                      : format && *format != formats::Format::Sdm ? runner.RunIndexed(file)
                                                                  : runner.RunLineFile(file);
    ok = read && ok;
  }
  runner.Flush();
  if (options.stats) {
    const Totals& t = runner.totals();
    std::fprintf(stderr,
                 "puzzles %ld  seconds %.3f  per second %.0f  one %ld  several %ld  too many %ld  "
                 "not solved %ld  contradiction %ld\n",
                 t.puzzles, t.seconds, t.seconds > 0 ? t.puzzles / t.seconds : 0.0, t.groups[0],
                 t.groups[1], t.groups[2], t.groups[3], t.groups[4]);
  }
  // An input that could not be read leaves the verdict of --unique open.
  if (!ok) return kExitUnreadable;
  return runner.allUnique() ? kExitOk : kExitNotUnique;
}
