// SPDX-License-Identifier: MIT
#pragma once
// LauncherPanel (picLaunch): 27 small buttons under three column icons that
// store the board in a memory slot and fetch memory and answer slots back,
// with a miniature of a slot under them. It lies over the information
// panel while the pointer is on the right-hand side.

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>

namespace gridora::ui {

// What the panel reports. Button k: 0-8 store memory 1-9, 9-17 fetch
// memory 1-9, 18-26 fetch answer 1-9. Column: 0, 1, 2 (the icons).
struct LauncherEvents {
  std::function<void(int k)> clicked;
  std::function<void(int k)> buttonHovered;
  std::function<void(int column)> iconHovered;
};

class LauncherPanel : public QWidget {
 public:
  LauncherPanel(LauncherEvents events, QWidget* parent);

  QPushButton* Button(int k) const;
  QLabel* Icon(int column) const;
  QLabel* Preview() const { return preview_; }
  void SetButtonEnabled(int k, bool enabled);
  // Shows `image` under the buttons (imgPreview takes the image's size in
  // pixels: its size over its device pixel ratio).
  void ShowPreview(const QImage& image);

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  LauncherEvents events_;
  std::array<QPushButton*, 27> buttons_{};
  std::array<QLabel*, 3> icons_{};
  QLabel* preview_;
};

}  // namespace gridora::ui
