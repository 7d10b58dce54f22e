// SPDX-License-Identifier: MIT
#include "ui/main/zoom.h"

#include <private/qhighdpiscaling_p.h>

#include <QActionGroup>
#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <vector>

#include "core/zoom.h"

namespace gridora::ui {

namespace {

// QWidget::create and destroy are protected; a member pointer named through
// a derived class reaches them for any widget. Destroying a top-level widget's native
// window also drops its backing store, so the next show builds both at the
// new scale.
struct NativeWindow : QWidget {
  static void Create(QWidget* widget) { (widget->*&NativeWindow::create)(0, true, true); }
  static void Destroy(QWidget* widget) { (widget->*&NativeWindow::destroy)(true, true); }
};

struct ShownWindow {
  QPointer<QWidget> widget;
  QPointF nativeTopLeft;  // in device pixels of its screen
};

// `widget`'s top-left at `nativeTopLeft`, moved back onto its screen's
// free area as far as the frame allows.
void PlaceOnScreen(QWidget& widget, QPointF nativeTopLeft) {
  QScreen* screen = widget.screen() ? widget.screen() : QGuiApplication::primaryScreen();
  const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
  QPoint at = (nativeTopLeft / ratio).toPoint();
  if (screen) {
    const QRect area = screen->availableGeometry();
    const QSize frame = widget.frameGeometry().size();
    at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - frame.width())));
    at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - frame.height())));
  }
  widget.move(at);
}

}  // namespace

double BaseScaleFactor() {
  static const double base = [] {
    bool ok = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && factor > 0 ? factor : 1.0;
  }();
  return base;
}

void ApplyZoom(int percent) {
  std::vector<ShownWindow> shown;
  const QPointer<QWidget> active = QApplication::activeWindow();
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (!widget->testAttribute(Qt::WA_WState_Created)) {
      // A menu that was open once and closed has lost its native window but
      // kept its backing store, sized in device pixels of the old scale:
      // open again, only the old size's corner of it would be painted. A
      // native window made and destroyed at once takes the store with it.
      if (widget->backingStore()) {
        NativeWindow::Create(widget);
        NativeWindow::Destroy(widget);
      }
      continue;
    }
    if (widget->isVisible()) {
      shown.push_back({widget, QPointF(widget->pos()) * widget->devicePixelRatioF()});
      widget->hide();
    }
    NativeWindow::Destroy(widget);
  }
  QHighDpiScaling::setGlobalFactor(BaseScaleFactor() * percent / 100.0);
  for (const ShownWindow& window : shown) {
    if (!window.widget) continue;
    window.widget->show();
    PlaceOnScreen(*window.widget, window.nativeTopLeft);
  }
  // The keyboard stays with the window that had it (Ctrl++ again, say).
  if (active && active->isVisible()) active->activateWindow();
}

ZoomMenu BuildZoomMenu(QMenu& tools) {
  ZoomMenu zoom;
  if (!tools.isEmpty()) tools.addSeparator();
  zoom.menu = tools.addMenu(QString::fromUtf8("表示倍率(&Z)"));
  zoom.menu->setObjectName(QStringLiteral("mnuToolsZoom"));
  auto* group = new QActionGroup(zoom.menu);
  for (std::size_t i = 0; i < kZoomSteps.size(); ++i) {
    const QString caption = QStringLiteral("%1%").arg(kZoomSteps[i]);
    QAction* step = zoom.menu->addAction(QStringLiteral("&%1 ").arg(i + 1) + caption);
    step->setCheckable(true);
    group->addAction(step);
    zoom.steps[i] = step;
  }
  zoom.menu->addSeparator();
  zoom.zoomIn = zoom.menu->addAction(QString::fromUtf8("拡大(&I)"));
  zoom.zoomIn->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  zoom.zoomOut = zoom.menu->addAction(QString::fromUtf8("縮小(&O)"));
  zoom.zoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
  return zoom;
}

void UpdateZoomChecks(const ZoomMenu& menu, int percent) {
  for (std::size_t i = 0; i < kZoomSteps.size(); ++i)
    menu.steps[i]->setChecked(kZoomSteps[i] == percent);
}

}  // namespace gridora::ui
