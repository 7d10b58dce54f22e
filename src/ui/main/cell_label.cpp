// SPDX-License-Identifier: MIT
#include "ui/main/cell_label.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPalette>
#include <algorithm>

namespace gridora::ui {

CellLabel::CellLabel(int boardSize, int cell, QWidget* parent)
    : QLabel(parent), boardSize_(boardSize), cell_(cell) {
  setAlignment(Qt::AlignCenter);
  setMouseTracking(true);  // the input hints follow the pointer without a button
  setObjectName(QStringLiteral("lblNum%1_%2").arg(boardSize).arg(cell));
}

void CellLabel::Show(const QString& caption, const QColor& color) {
  color_ = color;
  ApplyColor();
  if (text() == caption) return;
  setText(caption);
  FitCaption();
}

void CellLabel::SetAlert(bool alert) {
  if (alert == alert_) return;
  alert_ = alert;
  ApplyColor();
}

void CellLabel::SetLook(const std::optional<CaptionLook>& look) {
  if (look == look_) return;
  look_ = look;
  ApplyColor();
  FitCaption();
}

void CellLabel::ApplyColor() {
  QColor shown = alert_ ? QColor(255, 0, 0) : color_;
  if (look_) shown = alert_ ? look_->alert : look_->color;
  if (palette().color(QPalette::WindowText) == shown) return;
  QPalette p = palette();
  p.setColor(QPalette::WindowText, shown);
  setPalette(p);
}

void CellLabel::SetCaptionFont(const QFont& font) {
  captionFont_ = font;
  setFont(font);
  FitCaption();
}

void CellLabel::FitCaption() {
  constexpr int kMargin = 2;  // pixels kept free between neighbouring captions
  const int room = contentsRect().width() - kMargin;
  const int needed = QFontMetrics(captionFont_).horizontalAdvance(text());
  QFont font = captionFont_;
  if (look_) {
    font.setBold(look_->bold);
    font.setUnderline(look_->underline);
  }
  if (needed > room && room > 0) font.setStretch(std::max(50, 100 * room / needed));
  if (font != this->font()) setFont(font);
}

void CellLabel::mousePressEvent(QMouseEvent* event) {
  if (handler_)
    handler_->CellMouseDown(boardSize_, cell_, event->button(), event->globalPosition().toPoint());
  event->accept();
}

void CellLabel::mouseMoveEvent(QMouseEvent* event) {
  if (handler_)
    handler_->CellMouseMove(boardSize_, cell_, event->buttons(), event->position().toPoint());
  event->accept();
}

void CellLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (handler_) handler_->CellMouseUp(boardSize_, cell_, event->button());
  event->accept();
}

void CellLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a quick double click is a press like any other, so
  // fast clicking steps the digit every time.
  mousePressEvent(event);
}

}  // namespace gridora::ui
