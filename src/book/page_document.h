// SPDX-License-Identifier: MIT
#pragma once
// Printed pages as plain data: lines and texts placed in points (1/72 inch)
// from the top left corner of the paper. The book and sheet builders fill
// a Document; the Qt side only paints it (src/print), so everything about
// where things go is decided, and tested, without a display.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gridora::book {

struct Paper {
  std::string name;   // "A4", "Letter" or what the printer calls it
  double width = 0;   // points
  double height = 0;  // points
};

// ISO A4 (210 x 297 mm) and US Letter (8.5 x 11 in).
Paper PaperA4();
Paper PaperLetter();
// "A4" or "Letter" (case-insensitive); nothing for another name.
std::optional<Paper> PaperFromName(std::string_view name);

inline constexpr double kPointsPerMm = 72.0 / 25.4;

struct Rect {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
  double right() const { return x + width; }
  double bottom() const { return y + height; }
};

struct Line {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  double width = 0;  // points
};

enum class Align { Left, Center, Right };

// The fonts a page uses: digits of the grid, and the page's Japanese texts.
enum class Face { Digits, Text };

struct Text {
  Rect box;          // the text is centred vertically in the box
  std::string text;  // UTF-8
  double size = 10;  // points
  bool bold = false;
  Align align = Align::Left;
  Face face = Face::Text;
  std::uint32_t color = 0;  // 0xRRGGBB
  bool wrap = false;        // break into lines at the box's width (comments)
};

struct Page {
  std::vector<Line> lines;
  std::vector<Text> texts;
};

struct Document {
  Paper paper;
  std::string title;  // the PDF's title
  std::vector<Page> pages;
};

}  // namespace gridora::book
