#pragma once
// BoardSurface: the board of one size (picWall9 or picWall16). It paints the
// texture, the etched fine grid, the box lines and the frame, and holds the
// N x N cell labels and the yellow keypad cursor bar.

#include <QPixmap>
#include <QWidget>
#include <vector>

#include "ui/main/cell_label.h"

namespace gridora::ui {

class BoardSurface : public QWidget {
 public:
  BoardSurface(int boardSize, const QPixmap& texture, QWidget* parent);

  int BoardSize() const { return boardSize_; }
  CellLabel* Label(int cell) const;
  QWidget* CursorBar() const { return cursorBar_; }
  void SetMouseHandler(CellMouseHandler* handler);
  // Moves the cursor bar under `cell`; its visibility is left alone.
  void MoveCursorBar(int cell);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The fine grid, the box lines and the frame.
  void PaintLines(QPainter& painter);
  void PaintBoxLines(QPainter& painter);
  // Gives each label margins over the lines that cross its edges, so that
  // its caption is drawn wholly between them.
  void KeepCaptionsOffLines();

  int boardSize_;
  QPixmap texture_;
  std::vector<CellLabel*> labels_;
  QWidget* cursorBar_;
};

}  // namespace gridora::ui
