// SPDX-License-Identifier: MIT
#include "book/puzzle_sheet.h"

#include "book/book_layout.h"
#include "book/grid_drawing.h"
#include "core/board.h"
#include "core/file_title.h"
#include "engine/texts.h"

namespace gridora::book {

namespace {

constexpr double kCommentHeight = 40;  // three lines of the comment

Text PlacedText(const Rect& box, std::string text, double size, Align align, bool bold = false) {
  Text t;
  t.box = box;
  t.text = std::move(text);
  t.size = size;
  t.align = align;
  t.bold = bold;
  return t;
}

std::string TextOf(const SheetContent& content, int digit) {
  if (digit < static_cast<int>(content.characters.size()) && !content.characters[digit].empty())
    return content.characters[digit];
  return std::to_string(digit);
}

}  // namespace

Document SheetDocument(const SheetContent& content) {
  const int n = content.boardSize;
  const BookLayout layout(content.paper, n, 1);
  Document document;
  document.paper = content.paper;
  document.title = content.title;
  const int total = content.solutionPage ? 2 : 1;
  Rect body = layout.BodyArea();
  const auto newPage = [&](const std::string& heading) -> Page& {
    Page& page = document.pages.emplace_back();
    page.texts.push_back(PlacedText(layout.TitleBox(), heading, 18, Align::Center, true));
    std::string byline;
    if (!content.author.empty()) byline = "作者：" + content.author;
    if (!content.date.empty()) byline += (byline.empty() ? "" : "　") + ("日付：" + content.date);
    if (!byline.empty())
      page.texts.push_back(PlacedText(layout.SubtitleBox(), byline, 10, Align::Center));
    if (total > 1) {
      const std::string number =
          std::to_string(document.pages.size()) + " / " + std::to_string(total);
      page.texts.push_back(PlacedText(layout.FooterBox(), number, 9, Align::Center));
    }
    return page;
  };
  if (!content.comment.empty()) {
    Text comment =
        PlacedText({body.x, body.y, body.width, kCommentHeight}, content.comment, 10, Align::Left);
    comment.wrap = true;
    newPage(content.title).texts.push_back(std::move(comment));
    body.y += kCommentHeight;
    body.height -= kCommentHeight;
  } else {
    newPage(content.title);
  }
  const Rect square = ArrangeSlots(body, 1, 1, 0, 0).front().square;
  std::vector<GridCell> cells(static_cast<std::size_t>(n * n));
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const int digit = content.digits[i];
    if (digit == 0 || (!content.given[i] && !content.withEntered)) continue;
    cells[i] = {TextOf(content, digit), content.given[i] ? CellKind::Given : CellKind::Entered};
  }
  DrawGrid(document.pages.back(), square, n, cells);
  if (!content.solutionPage) return document;

  Page& page = newPage(content.title + "　解答");
  if (!content.solution) {
    page.texts.push_back(PlacedText(body, content.noSolutionText, 14, Align::Center));
    return document;
  }
  for (std::size_t i = 0; i < cells.size(); ++i) {
    cells[i] = {TextOf(content, (*content.solution)[i]),
                content.given[i] ? CellKind::Given : CellKind::Entered};
  }
  DrawGrid(page, square, n, cells);
  return document;
}

SheetContent SheetOf(const AppState& state, const std::array<bool, kMaxCells>* givens) {
  SheetContent content;
  const int n = state.BoardSize;
  content.boardSize = n;
  engine::Grid puzzle{};
  for (int i = 0; i < n * n; ++i) {
    const int code = state.Board[static_cast<std::size_t>(i)];
    const int digit = DigitOf(code);
    // Digits placed by the solver are neither the puzzle's nor the player's.
    if (digit == 0 || ClassOf(code) != kClassBlack) continue;
    content.digits[i] = static_cast<std::uint8_t>(digit);
    content.given[i] = givens ? (*givens)[static_cast<std::size_t>(i)] : true;
    if (content.given[i]) puzzle[i] = static_cast<std::uint8_t>(digit);
  }
  content.characters.resize(static_cast<std::size_t>(n + 1));
  for (int d = 1; d <= n; ++d) content.characters[d] = CharacterOf(state, d);
  const std::string title = FileTitleOf(state.PuzzleFileName);
  content.title = state.PuzzleFileName == kNoFileName ? "問題" : title;
  content.author = state.PuzzleAuthor;
  content.date = state.PuzzleDate;
  content.comment = state.PuzzleComment == kNoComment ? "" : state.PuzzleComment;
  const engine::SearchResult result = engine::CountSolutions(n, puzzle, 2);
  if (result.solutions == 1) content.solution = result.first;
  content.noSolutionText = engine::CountVerdict(result.solutions);
  return content;
}

bool HasEnteredDigits(const SheetContent& content) {
  for (int i = 0; i < content.boardSize * content.boardSize; ++i) {
    if (content.digits[i] != 0 && !content.given[i]) return true;
  }
  return false;
}

}  // namespace gridora::book
