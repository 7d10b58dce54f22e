// SPDX-License-Identifier: MIT
#include "book/puzzle_sheet.h"

#include "book/book_layout.h"
#include "book/grid_drawing.h"

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

std::string CharacterOf(const SheetContent& content, int digit) {
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
    cells[i] = {CharacterOf(content, digit),
                content.given[i] ? CellKind::Given : CellKind::Entered};
  }
  DrawGrid(document.pages.back(), square, n, cells);
  if (!content.solutionPage) return document;

  Page& page = newPage(content.title + "　解答");
  if (!content.solution) {
    page.texts.push_back(PlacedText(body, content.noSolutionText, 14, Align::Center));
    return document;
  }
  for (std::size_t i = 0; i < cells.size(); ++i) {
    cells[i] = {CharacterOf(content, (*content.solution)[i]),
                content.given[i] ? CellKind::Given : CellKind::Entered};
  }
  DrawGrid(page, square, n, cells);
  return document;
}

}  // namespace gridora::book
