// SPDX-License-Identifier: MIT
// Prints where the book layout puts things, as JSON, for the PDF checks of
// book_pdf_test.sh:
//   book_layout_probe A4|Letter SIZE PER_PAGE
// {"paper": [w, h], "title": [x, y, w, h], "footer": [...],
//  "puzzles": [{"label": [...], "square": [...]}, ...], "solutions": [...]}

#include <cstdio>
#include <cstdlib>
#include <string>

#include "book/book_layout.h"

namespace {

using gridora::book::Rect;
using gridora::book::Slot;

std::string Json(const Rect& r) {
  char text[160];
  std::snprintf(text, sizeof text, "[%.4f, %.4f, %.4f, %.4f]", r.x, r.y, r.width, r.height);
  return text;
}

std::string Json(const std::vector<Slot>& slots) {
  std::string out = "[";
  for (const Slot& s : slots) {
    if (out.size() > 1) out += ", ";
    out += "{\"label\": " + Json(s.label) + ", \"square\": " + Json(s.square) + "}";
  }
  return out + "]";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  const auto paper = gridora::book::PaperFromName(argv[1]);
  const int size = std::atoi(argv[2]);
  const int perPage = std::atoi(argv[3]);
  if (!paper || !gridora::book::BookLayout::Allows(size, perPage)) return 2;
  const gridora::book::BookLayout layout(*paper, size, perPage);
  std::printf(
      "{\"paper\": [%.4f, %.4f], \"title\": %s, \"footer\": %s,\n \"puzzles\": %s,\n"
      " \"solutions\": %s}\n",
      paper->width, paper->height, Json(layout.TitleBox()).c_str(),
      Json(layout.FooterBox()).c_str(), Json(layout.PuzzleSlots()).c_str(),
      Json(layout.SolutionSlots()).c_str());
  return 0;
}
