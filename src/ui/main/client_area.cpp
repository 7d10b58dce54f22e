// SPDX-License-Identifier: MIT
#include "ui/main/client_area.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/main/board_geometry.h"
#include "ui/main/etched.h"

namespace gridora::ui {

ClientArea::ClientArea(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frmMainClient"));
  setMouseTracking(true);
}

void ClientArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor shadow = palette().color(QPalette::Dark);
  const QColor highlight = palette().color(QPalette::Light);
  PaintEtchedHorizontal(painter, 0, 0, 5160, shadow, highlight);        // under the menu bar
  PaintEtchedHorizontal(painter, 420, 0, 5160, shadow, highlight);      // under the toolbar
  PaintEtchedHorizontal(painter, 4185, 0, 5160, shadow, highlight);     // above the status bar
  PaintEtchedVertical(painter, 3825, 480, 4200, shadow, highlight);     // board | panel
  PaintEtchedHorizontal(painter, 1320, 3840, 5160, shadow, highlight);  // under the author
  PaintEtchedHorizontal(painter, 1920, 3840, 5160, shadow, highlight);  // under the date
  PaintEtchedHorizontal(painter, 3600, 3840, 5160, shadow, highlight);  // under the comment
}

void ClientArea::mouseMoveEvent(QMouseEvent* event) {
  if (onMouseMove_) onMouseMove_(event->position().toPoint());
  QWidget::mouseMoveEvent(event);
}

}  // namespace gridora::ui
