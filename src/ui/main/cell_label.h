// SPDX-License-Identifier: MIT
#pragma once
// CellLabel: one cell of a board surface. A transparent label that shows the
// cell's digit and hands its mouse events, with its cell index, to the
// input handler.

#include <QLabel>
#include <functional>
#include <optional>

namespace gridora::ui {

// Receives the mouse events of the cell labels. `pos` is relative to the
// label that got the press (Qt keeps delivering to it while a button is held).
class CellMouseHandler {
 public:
  virtual ~CellMouseHandler() = default;
  virtual void CellMouseDown(int boardSize, int cell, Qt::MouseButton button,
                             const QPoint& globalPos) = 0;
  virtual void CellMouseMove(int boardSize, int cell, Qt::MouseButtons buttons,
                             const QPoint& pos) = 0;
  virtual void CellMouseUp(int boardSize, int cell, Qt::MouseButton button) = 0;
};

// Passes the cell labels' mouse events on to another handler, and tells
// `pressed` the cell of every press first.
class PressRecorder : public CellMouseHandler {
 public:
  PressRecorder(CellMouseHandler& next, std::function<void(int cell)> pressed)
      : next_(next), pressed_(std::move(pressed)) {}
  void CellMouseDown(int boardSize, int cell, Qt::MouseButton button,
                     const QPoint& globalPos) override {
    pressed_(cell);
    next_.CellMouseDown(boardSize, cell, button, globalPos);
  }
  void CellMouseMove(int boardSize, int cell, Qt::MouseButtons buttons,
                     const QPoint& pos) override {
    next_.CellMouseMove(boardSize, cell, buttons, pos);
  }
  void CellMouseUp(int boardSize, int cell, Qt::MouseButton button) override {
    next_.CellMouseUp(boardSize, cell, button);
  }

 private:
  CellMouseHandler& next_;
  std::function<void(int cell)> pressed_;
};

// How a caption is drawn instead of its colour class's colour (the
// high-contrast look).
struct CaptionLook {
  QColor color;
  QColor alert;  // a repeated digit
  bool bold;
  bool underline;
  bool operator==(const CaptionLook&) const = default;
};

class CellLabel : public QLabel {
 public:
  CellLabel(int boardSize, int cell, QWidget* parent);

  int Cell() const { return cell_; }
  void SetMouseHandler(CellMouseHandler* handler) { handler_ = handler; }
  // Shows `caption` in `color`; writes nothing when both are unchanged.
  void Show(const QString& caption, const QColor& color);
  // Draws the caption in red while `alert` is set (a repeated digit),
  // in its own colour again afterwards.
  void SetAlert(bool alert);
  bool Alert() const { return alert_; }
  // The font of the captions. A caption wider than the cell ("10" to "16"
  // on the small cells of 16 x 16, or a long display character) is drawn
  // narrower, so neighbouring captions never run into each other.
  void SetCaptionFont(const QFont& font);
  // Draws the caption in `look` from now on; nullopt: as the colour class.
  void SetLook(const std::optional<CaptionLook>& look);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void FitCaption();
  void ApplyColor();

  QFont captionFont_;
  int boardSize_;
  int cell_;
  CellMouseHandler* handler_ = nullptr;
  QColor color_;  // the colour of the cell's colour class
  bool alert_ = false;
  std::optional<CaptionLook> look_;
};

}  // namespace gridora::ui
