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

// A candidate of a cell, as the hint marks draw it.
struct CandidateMark {
  int cell = 0;
  int digit = 0;
  bool operator==(const CandidateMark&) const = default;
};

// A link of a chain from one candidate to another: `strong` when it makes
// the second true, else false.
struct LinkMark {
  CandidateMark from;
  CandidateMark to;
  bool strong = false;
  bool operator==(const LinkMark&) const = default;
};

// What the playing aids draw on a board, under the digits; all empty while
// the aids are off, and the board then looks as without them.
struct BoardMarks {
  CandidateMasks candidates{};      // small digits in the empty cells
  std::vector<QString> digitTexts;  // the display text of digits 1 to N, from element 1
  CellSet highlighted;              // the cells of the focused digit
  CellSet hintFocus;                // the cells a hint is about
  CellSet hintSupport;              // the cells that make the hint work
  // The logic hint's step: the candidates its pattern rests on, those it
  // removes, and the links of its chains.
  std::vector<CandidateMark> hintPattern;
  std::vector<CandidateMark> hintRemovals;
  std::vector<LinkMark> hintLinks;
  // Play mode: the player's notes (bit d - 1 for digit d), drawn at the
  // candidates' places and instead of them; the candidates fainter while
  // any note is shown; digits that differ from the solution (drawn as
  // mistakes by the labels).
  std::array<std::uint16_t, kMaxCells> notes{};
  QColor noteColor;
  bool candidatesFaint = false;
  CellSet wrongDigits;
  bool highContrast = false;  // black ground, light lines (the high-contrast look)
  bool operator==(const BoardMarks&) const = default;
};

// Whether candidates are drawn as text in places of `placeDevicePixels`
// device pixels a side (the text needs kSmallestTextPlace), or as dots.
inline constexpr double kSmallestTextPlace = 7;
bool CandidatesAsText(double placeDevicePixels);

// What assistive technology is told about the cells of a board.
class CellVoice {
 public:
  virtual ~CellVoice() = default;
  // "3行5列 7 問題の数字" and the small digits shown in the cell.
  virtual QString CellName(int boardSize, int cell) const = 0;
  virtual QString CellDescription(int boardSize, int cell) const = 0;
  // The cell that has the keyboard's attention, -1 for none.
  virtual int FocusCell(int boardSize) const = 0;
};

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
  // What the cells say to assistive technology; null until set.
  void SetVoice(const CellVoice* voice) { voice_ = voice; }
  const CellVoice* Voice() const { return voice_; }

  // The place of digit `digit` (1 to N) in `cell`, in the surface's pixels:
  // the cell cut into B x B equal squares, digit d in square d - 1 in
  // reading order (on 16 x 16 the cell's room between the lines that cross
  // it). Candidates, the player's notes and hint marks all use these places.
  QRectF CandidatePlace(int cell, int digit) const;
  // Draws the mark of `digit` in its place of `cell` as the candidates are
  // drawn: `text` (the board's text for the digit) in `color`, or a dot
  // where a 16 x 16 place has too few device pixels for text. Every mark
  // keeps to its place, with visible space between neighbouring marks
  // wider than any space inside one (so "10" "11" never read "1011").
  // Call it from a paint function of the surface (PaintMarks).
  void PaintCandidateMark(QPainter& painter, int cell, int digit, const QString& text,
                          const QColor& color) const;

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
  // The high-contrast ground and lines, instead of the texture and PaintLines.
  void PaintHighContrastGround(QPainter& painter);
  void PaintHighContrastLines(QPainter& painter);
  void PaintCandidates(QPainter& painter, int cell);
  // The logic hint's candidates, removals and chain links, over the rest.
  void PaintLogicMarks(QPainter& painter);
  // The player's notes of one cell (play mode).
  void PaintNotes(QPainter& painter, int cell);

  int boardSize_;
  QPixmap texture_;
  std::vector<CellLabel*> labels_;
  QWidget* cursorBar_;
  BoardMarks marks_;
  const CellVoice* voice_ = nullptr;
};

}  // namespace gridora::ui
