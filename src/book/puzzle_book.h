// SPDX-License-Identifier: MIT
#pragma once
// A puzzle book: puzzles made by the generator from one seed, several a
// page, numbered with their grade, and their solutions in small at the
// back. Puzzle n of a book is the one `gridora-solve --generate` prints
// n-th for the same seed, size, grade and symmetry, so the seed printed on
// the first page makes the book again.
//
//   BookOptions options;
//   options.count = 8;
//   options.perPage = 4;
//   options.seed = 7;
//   auto puzzles = MakeBookPuzzles(options, 2, [](int) { return true; });
//   Document pages = BookDocument(options, *puzzles);   // 2 + 1 pages

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "book/page_document.h"
#include "engine/grade.h"
#include "engine/search.h"

namespace gridora::book {

inline constexpr int kMaxBookPuzzles = 500;

struct BookOptions {
  int boardSize = 9;
  std::optional<engine::Grade> grade;  // none: any grade
  int count = 1;                       // 1 to kMaxBookPuzzles
  int perPage = 4;                     // see BookLayout::Allows
  bool symmetric = false;
  std::string title;
  std::uint64_t seed = 0;
  Paper paper = PaperA4();
};

struct BookPuzzle {
  engine::Grid puzzle{};
  engine::Grid solution{};
  engine::Grade grade = engine::Grade::Easy;
};

// What is wrong with the options, in the words shown to the user; "" when
// nothing is.
std::string BookOptionsError(const BookOptions& options);

// Makes the book's puzzles on `jobs` threads (at least 1). `progress` is
// called, one call at a time, with the number made so far after each
// puzzle; when it returns false the work stops and the result is nothing.
std::optional<std::vector<BookPuzzle>> MakeBookPuzzles(
    const BookOptions& options, int jobs, const std::function<bool(int made)>& progress);

// The pages: the puzzles with the title, the seed and page numbers, then
// the solutions. The title defaults to "問題集".
Document BookDocument(const BookOptions& options, const std::vector<BookPuzzle>& puzzles);

}  // namespace gridora::book
