// SPDX-License-Identifier: MIT
#include "book/puzzle_book.h"

#include <gtest/gtest.h>

#include "book/book_layout.h"
#include "book/puzzle_sheet.h"
#include "engine/generator.h"

namespace gridora::book {
namespace {

// The digits drawn inside `square`, in reading order, with whether each is bold.
std::vector<std::pair<std::string, bool>> DigitsIn(const Page& page, const Rect& square) {
  std::vector<std::pair<std::string, bool>> digits;
  for (const Text& t : page.texts) {
    if (t.face == Face::Digits && t.box.x >= square.x - 1e-6 &&
        t.box.right() <= square.right() + 1e-6 && t.box.y >= square.y - 1e-6 &&
        t.box.bottom() <= square.bottom() + 1e-6)
      digits.emplace_back(t.text, t.bold);
  }
  return digits;
}

std::vector<std::string> TextsIn(const Page& page, const Rect& box) {
  std::vector<std::string> texts;
  for (const Text& t : page.texts) {
    if (t.face == Face::Text && t.box.x == box.x && t.box.y == box.y) texts.push_back(t.text);
  }
  return texts;
}

// A book of 8 puzzles, 4 a page: puzzle n is the generator's n-th puzzle
// for the seed whatever the threads, each page has the title and its page
// number, the first the seed; the puzzles' givens and, at the back, their
// solutions in small are drawn in their slots.
TEST(PuzzleBook, HoldsTheGeneratorsPuzzlesInOrderWithSolutionsAtTheBack) {
  BookOptions options;
  options.count = 8;
  options.perPage = 4;
  options.grade = engine::Grade::Easy;
  options.seed = 7;
  options.title = "週末の問題";
  std::vector<int> reports;
  const auto puzzles = MakeBookPuzzles(options, 2, [&](int made) {
    reports.push_back(made);
    return true;
  });
  ASSERT_TRUE(puzzles);
  EXPECT_EQ(reports, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
  const auto alone = MakeBookPuzzles(options, 1, [](int) { return true; });
  for (int n = 0; n < 8; ++n) {
    engine::GenerateOptions g;
    g.grade = engine::Grade::Easy;
    g.seed = engine::PuzzleSeed(7, static_cast<std::uint64_t>(n));
    const engine::Generated made = engine::Generate(g);
    EXPECT_EQ((*puzzles)[n].puzzle, made.puzzle) << n;
    EXPECT_EQ((*alone)[n].puzzle, made.puzzle) << n;
    EXPECT_EQ((*puzzles)[n].solution, made.solution) << n;
    EXPECT_EQ((*puzzles)[n].grade, engine::Grade::Easy);
  }

  const Document book = BookDocument(options, *puzzles);
  const BookLayout layout(options.paper, 9, 4);
  ASSERT_EQ(book.pages.size(), 3u);
  EXPECT_EQ(book.title, "週末の問題");
  for (std::size_t p = 0; p < 3; ++p) {
    EXPECT_EQ(TextsIn(book.pages[p], layout.TitleBox()),
              std::vector<std::string>{p < 2 ? "週末の問題" : "週末の問題　解答"});
    EXPECT_EQ(TextsIn(book.pages[p], layout.FooterBox()),
              std::vector<std::string>{std::to_string(p + 1) + " / 3"});
    EXPECT_EQ(TextsIn(book.pages[p], layout.SubtitleBox()).size(), p == 0 ? 1u : 0u);
  }
  EXPECT_EQ(TextsIn(book.pages[0], layout.SubtitleBox())[0], "9×9・やさしい・8問・シード 7");
  for (int n = 0; n < 8; ++n) {
    const Slot& slot = layout.PuzzleSlots()[n % 4];
    const Page& page = book.pages[n / 4];
    EXPECT_EQ(TextsIn(page, slot.label),
              std::vector<std::string>{"問題 " + std::to_string(n + 1) + "（やさしい）"});
    std::vector<std::pair<std::string, bool>> givens, solution;
    for (int i = 0; i < 81; ++i) {
      const int given = (*puzzles)[n].puzzle[i];
      if (given) givens.emplace_back(std::to_string(given), true);
      solution.emplace_back(std::to_string((*puzzles)[n].solution[i]), given != 0);
    }
    EXPECT_EQ(DigitsIn(page, slot.square), givens) << n;
    EXPECT_EQ(DigitsIn(book.pages[2], layout.SolutionSlots()[n].square), solution) << n;
  }
}

TEST(PuzzleBook, StopsWhenProgressSaysSo) {
  BookOptions options;
  options.count = 30;
  options.seed = 3;
  int calls = 0;
  const auto puzzles = MakeBookPuzzles(options, 2, [&](int made) {
    ++calls;
    return made < 2;
  });
  EXPECT_FALSE(puzzles);
  EXPECT_EQ(calls, 2);
}

TEST(PuzzleBook, RefusesWhatCannotBePrinted) {
  const auto error = [](int size, int count, int perPage) {
    BookOptions options;
    options.boardSize = size;
    options.count = count;
    options.perPage = perPage;
    return BookOptionsError(options);
  };
  EXPECT_EQ(error(9, 1, 6), "");
  EXPECT_EQ(error(16, 500, 2), "");
  EXPECT_EQ(error(9, 0, 4), "問題の数は 1 から 500 です");
  EXPECT_EQ(error(9, 501, 4), "問題の数は 1 から 500 です");
  EXPECT_EQ(error(9, 8, 3), "9×9 の問題は1ページに 1, 2, 4 か 6 問です");
  EXPECT_EQ(error(16, 8, 4), "16×16 の問題は1ページに 1 か 2 問です");
  EXPECT_EQ(error(12, 8, 1), "盤の大きさは 9 か 16 です");
}

// The sheet of the board's puzzle: the puzzle's own characters, givens
// alone or with the entered digits, the properties at the top and the
// solution (or why there is none) on a second page.
TEST(PuzzleSheet, ShowsGivensOrAlsoEnteredDigitsAndTheSolution) {
  SheetContent content;
  content.characters = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
  content.digits[0] = 5;
  content.given[0] = true;
  content.digits[10] = 3;  // entered by the player
  content.title = "朝の一問";
  content.author = "山田";
  content.date = "2026/12/07";
  content.comment = "ひとこと";
  const BookLayout layout(content.paper, 9, 1);

  Document sheet = SheetDocument(content);
  ASSERT_EQ(sheet.pages.size(), 1u);
  EXPECT_EQ(TextsIn(sheet.pages[0], layout.TitleBox()), std::vector<std::string>{"朝の一問"});
  EXPECT_EQ(TextsIn(sheet.pages[0], layout.SubtitleBox()),
            std::vector<std::string>{"作者：山田　日付：2026/12/07"});
  const Rect everywhere{0, 0, content.paper.width, content.paper.height};
  using Digits = std::vector<std::pair<std::string, bool>>;
  EXPECT_EQ(DigitsIn(sheet.pages[0], everywhere), (Digits{{"五", true}}));

  content.withEntered = true;
  content.solutionPage = true;
  content.noSolutionText = "解が2つ以上あります";
  sheet = SheetDocument(content);
  ASSERT_EQ(sheet.pages.size(), 2u);
  EXPECT_EQ(DigitsIn(sheet.pages[0], everywhere), (Digits{{"五", true}, {"三", false}}));
  EXPECT_EQ(TextsIn(sheet.pages[1], layout.TitleBox()), std::vector<std::string>{"朝の一問　解答"});
  EXPECT_EQ(DigitsIn(sheet.pages[1], everywhere).size(), 0u);
  EXPECT_EQ(sheet.pages[1].texts.back().text, "解が2つ以上あります");

  engine::Grid solution{};
  for (int i = 0; i < 81; ++i) solution[i] = static_cast<std::uint8_t>((i * 4 % 9) + 1);
  content.solution = solution;
  sheet = SheetDocument(content);
  const Digits solved = DigitsIn(sheet.pages[1], everywhere);
  ASSERT_EQ(solved.size(), 81u);
  EXPECT_EQ(solved[0], (std::pair<std::string, bool>{"一", true}));
  EXPECT_EQ(solved[1], (std::pair<std::string, bool>{"五", false}));
  // The grid is as large as the page allows under the comment.
  double left = 1e9;
  for (const Line& line : sheet.pages[1].lines) left = std::min(left, line.x1);
  EXPECT_LT(left, BookLayout::kMargin + 1);
}

}  // namespace
}  // namespace gridora::book
