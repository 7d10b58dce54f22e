// SPDX-License-Identifier: MIT
#pragma once
// gridora-solve --book: a puzzle book written as a PDF file, without a
// display. The puzzles come from the generator options of engine_cli.h
// (--size, --grade, --seed, --symmetric, -j; --count is the number of
// puzzles); the pages are painted by the PDF module, which is loaded only
// here.

#include <optional>
#include <string>

#include "engine_cli.h"

namespace gridora {

struct BookCliOptions {
  std::string output;          // --book OUT.pdf ("" when not asked)
  std::optional<int> perPage;  // --per-page K (default 4, on 16 x 16 2)
  std::string title;           // --title T
  std::string paper = "A4";    // --page A4|Letter
};

inline constexpr const char* kBookUsage =
    "  --book OUT.pdf    write a puzzle book of --count N puzzles (1 to 500) to OUT.pdf,\n"
    "                    made like --generate, solutions at the back\n"
    "  --per-page K      puzzles a page of --book: 1, 2, 4 or 6 (16 x 16: 1 or 2;\n"
    "                    default 4, on 16 x 16 2)\n"
    "  --title T         title of --book (default \"問題集\")\n"
    "  --page A4|Letter  paper of --book (default A4)\n";

// Looks at argv[i] as ParseEngineOption does: 1 when it was one of these
// options, 0 when it is none of them, -1 for a bad value.
int ParseBookOption(int argc, char** argv, int& i, BookCliOptions& options);

// Makes the book and writes it; returns the exit status. With `stats` the
// time taken and the pages go to standard error.
int RunBook(const BookCliOptions& book, const EngineCliOptions& engine, bool stats);

}  // namespace gridora
