// SPDX-License-Identifier: MIT
#pragma once
// ClientArea: the window background under the menu bar. It paints the etched
// separators between toolbar, board, information panel and status bar, and
// reports pointer moves over the bare background (Form_MouseMove).

#include <QWidget>
#include <functional>

namespace gridora::ui {

class ClientArea : public QWidget {
 public:
  explicit ClientArea(QWidget* parent);

  // Called with the pointer position in pixels of the client area.
  void SetMouseMoveHandler(std::function<void(const QPoint&)> handler) {
    onMouseMove_ = std::move(handler);
  }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  std::function<void(const QPoint&)> onMouseMove_;
};

}  // namespace gridora::ui
