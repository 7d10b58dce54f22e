// SPDX-License-Identifier: MIT
#include "book/puzzle_book.h"

#include <atomic>
#include <mutex>
#include <thread>

#include "book/book_layout.h"
#include "book/grid_drawing.h"
#include "engine/generator.h"

namespace gridora::book {

std::string BookOptionsError(const BookOptions& options) {
  if (options.boardSize != 9 && options.boardSize != 16) return "盤の大きさは 9 か 16 です";
  if (options.count < 1 || options.count > kMaxBookPuzzles) return "問題の数は 1 から 500 です";
  if (!BookLayout::Allows(options.boardSize, options.perPage)) {
    return options.boardSize == 16 ? "16×16 の問題は1ページに 1 か 2 問です"
                                   : "9×9 の問題は1ページに 1, 2, 4 か 6 問です";
  }
  if (options.paper.width <= 0 || options.paper.height <= 0) return "用紙の大きさがおかしいです";
  return {};
}

std::optional<std::vector<BookPuzzle>> MakeBookPuzzles(
    const BookOptions& options, int jobs, const std::function<bool(int made)>& progress) {
  const int count = options.count;
  std::vector<BookPuzzle> puzzles(static_cast<std::size_t>(count));
  std::atomic<int> next{0};
  std::atomic<bool> stopped{false};
  std::mutex reporting;
  int made = 0;
  const auto work = [&] {
    for (int n = next++; n < count && !stopped; n = next++) {
      engine::GenerateOptions generate;
      generate.boardSize = options.boardSize;
      generate.symmetry = options.symmetric ? engine::Symmetry::Rotate180 : engine::Symmetry::None;
      generate.grade = options.grade;
      generate.seed = engine::PuzzleSeed(options.seed, static_cast<std::uint64_t>(n));
      const engine::Generated g = engine::Generate(generate);
      puzzles[static_cast<std::size_t>(n)] = {g.puzzle, g.solution, g.grade};
      const std::lock_guard lock(reporting);
      if (!stopped && !progress(++made)) stopped = true;
    }
  };
  std::vector<std::thread> threads;
  for (int t = 1; t < std::min(jobs, count); ++t) threads.emplace_back(work);
  work();
  for (std::thread& thread : threads) thread.join();
  if (stopped) return std::nullopt;
  return puzzles;
}

namespace {

std::vector<GridCell> CellsOf(int boardSize, const engine::Grid& digits,
                              const engine::Grid& givens) {
  std::vector<GridCell> cells(static_cast<std::size_t>(boardSize * boardSize));
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (digits[i] == 0) continue;
    cells[i] = {std::to_string(digits[i]), givens[i] != 0 ? CellKind::Given : CellKind::Entered};
  }
  return cells;
}

Text PlacedText(const Rect& box, std::string text, double size, Align align, bool bold = false) {
  Text t;
  t.box = box;
  t.text = std::move(text);
  t.size = size;
  t.align = align;
  t.bold = bold;
  return t;
}

std::string Subtitle(const BookOptions& options) {
  const std::string n = std::to_string(options.boardSize);
  std::string text = n + "×" + n;
  if (options.grade) text += "・" + std::string(engine::GradeTitle(*options.grade));
  text += "・" + std::to_string(options.count) + "問";
  if (options.symmetric) text += "・点対称";
  return text + "・シード " + std::to_string(options.seed);
}

}  // namespace

Document BookDocument(const BookOptions& options, const std::vector<BookPuzzle>& puzzles) {
  const BookLayout layout(options.paper, options.boardSize, options.perPage);
  const std::string title = options.title.empty() ? "問題集" : options.title;
  const int count = static_cast<int>(puzzles.size());
  const int total = layout.PuzzlePages(count) + layout.SolutionPages(count);
  Document document;
  document.paper = options.paper;
  document.title = title;
  const auto newPage = [&](const std::string& heading) -> Page& {
    Page& page = document.pages.emplace_back();
    page.texts.push_back(PlacedText(layout.TitleBox(), heading, 18, Align::Center, true));
    const std::string number =
        std::to_string(document.pages.size()) + " / " + std::to_string(total);
    page.texts.push_back(PlacedText(layout.FooterBox(), number, 9, Align::Center));
    return page;
  };
  const auto& slots = layout.PuzzleSlots();
  for (int n = 0; n < count; ++n) {
    const std::size_t k = static_cast<std::size_t>(n) % slots.size();
    if (k == 0) {
      Page& page = newPage(title);
      if (n == 0)
        page.texts.push_back(
            PlacedText(layout.SubtitleBox(), Subtitle(options), 10, Align::Center));
    }
    Page& page = document.pages.back();
    const BookPuzzle& p = puzzles[static_cast<std::size_t>(n)];
    page.texts.push_back(PlacedText(
        slots[k].label,
        "問題 " + std::to_string(n + 1) + "（" + std::string(engine::GradeTitle(p.grade)) + "）",
        10, Align::Left, true));
    DrawGrid(page, slots[k].square, options.boardSize,
             CellsOf(options.boardSize, p.puzzle, p.puzzle));
  }
  const auto& small = layout.SolutionSlots();
  for (int n = 0; n < count; ++n) {
    const std::size_t k = static_cast<std::size_t>(n) % small.size();
    if (k == 0) newPage(title + "　解答");
    Page& page = document.pages.back();
    const BookPuzzle& p = puzzles[static_cast<std::size_t>(n)];
    page.texts.push_back(PlacedText(small[k].label, std::to_string(n + 1), 7.5, Align::Left, true));
    DrawGrid(page, small[k].square, options.boardSize,
             CellsOf(options.boardSize, p.solution, p.puzzle));
  }
  return document;
}

}  // namespace gridora::book
