#pragma once
// LauncherPanel (picLaunch): the 27 small buttons that store the board in a
// memory slot and fetch memory and answer slots back. It lies over the
// information panel while the pointer is on the right-hand side.

#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>

namespace gridora::ui {

class LauncherPanel : public QWidget {
 public:
  // `onClick` receives the button index k: 0-8 store memory 1-9, 9-17
  // fetch memory 1-9, 18-26 fetch answer 1-9.
  LauncherPanel(std::function<void(int)> onClick, QWidget* parent);

  QPushButton* Button(int k) const;
  void SetButtonEnabled(int k, bool enabled);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::array<QPushButton*, 27> buttons_{};
};

}  // namespace gridora::ui
