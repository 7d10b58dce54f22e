// SPDX-License-Identifier: MIT
#pragma once
// BoardSurface: the board of one size (picWall9 or picWall16). It paints the
// texture, the etched fine grid, the box lines and the frame, and holds the
// N x N cell labels and the yellow keypad cursor bar.

#include <QColor>
#include <QPixmap>
#include <QWidget>
#include <vector>

#include "aids/board_aids.h"
#include "ui/main/cell_label.h"

namespace gridora::ui {

// What the playing aids draw on a board, under the digits; all empty while
// the aids are off, and the board then looks as without them.
struct BoardMarks {
  CandidateMasks candidates{};      // small digits in the empty cells
  std::vector<QString> digitTexts;  // the display text of digits 1 to N, from element 1
  CellSet highlighted;              // the cells of the focused digit
  CellSet hintFocus;                // the cells a hint is about
  CellSet hintSupport;              // the cells that make the hint work
  // Play mode: the player's notes (bit d - 1 for digit d), drawn where the
  // candidates go and instead of them; the candidates fainter while any
  // note is shown; digits that differ from the solution (drawn as mistakes
  // by the labels).
  std::array<std::uint16_t, kMaxCells> notes{};
  QColor noteColor;
  bool candidatesFaint = false;
  CellSet wrongDigits;
  bool operator==(const BoardMarks&) const = default;
};

// Whether candidates are drawn as text in places of `placeDevicePixels`
// device pixels a side (the text needs kSmallestTextPlace), or as dots.
inline constexpr double kSmallestTextPlace = 7;
bool CandidatesAsText(double placeDevicePixels);

class BoardSurface : public QWidget {
 public:
  BoardSurface(int boardSize, const QPixmap& texture, QWidget* parent);

  int BoardSize() const { return boardSize_; }
  CellLabel* Label(int cell) const;
  QWidget* CursorBar() const { return cursorBar_; }
  void SetMouseHandler(CellMouseHandler* handler);
  // Moves the cursor bar under `cell`; its visibility is left alone.
  void MoveCursorBar(int cell);
  // Draws `marks` from now on; repaints only when they changed.
  void SetMarks(const BoardMarks& marks);
  const BoardMarks& Marks() const { return marks_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The fine grid, the box lines and the frame.
  void PaintLines(QPainter& painter);
  void PaintBoxLines(QPainter& painter);
  // Gives each label margins over the lines that cross its edges, so that
  // its caption is drawn wholly between them.
  void KeepCaptionsOffLines();
  void PaintMarks(QPainter& painter);
  // The digits of `mask` at the candidates' places of `cell`.
  void PaintCandidates(QPainter& painter, int cell, const QRect& area, CandMask mask,
                       const QColor& color);

  int boardSize_;
  QPixmap texture_;
  std::vector<CellLabel*> labels_;
  QWidget* cursorBar_;
  BoardMarks marks_;
};

}  // namespace gridora::ui
