// SPDX-License-Identifier: MIT
#pragma once
// SwapDialog (frmSwap): the digit exchange. One row per digit: the digit,
// an arrow and a list of the digit it becomes. The lists always form a
// permutation (RepairExchange); Ok renumbers the board (ExchangeDigits).
//
//   SwapDialog dialog(app, &mainWindow);
//   dialog.exec();

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <array>
#include <functional>
#include <vector>

#include "core/app.h"

namespace gridora::ui {

class SwapDialog : public QDialog {
 public:
  static constexpr int kRows = 16;

  // Placed beside `owner` (the main window), with its icon.
  SwapDialog(App app, QWidget* owner);

  // What the help button does.
  void SetHelpAction(std::function<void()> action) { help_ = std::move(action); }

  QLabel* Source(int i) const { return source_[static_cast<std::size_t>(i)]; }
  QLabel* Arrow(int i) const { return arrow_[static_cast<std::size_t>(i)]; }
  QComboBox* Target(int i) const { return target_[static_cast<std::size_t>(i)]; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }
  QPushButton* HelpButton() const { return helpButton_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The selected target of each digit's list, -1 for none.
  std::vector<int> Choices() const;
  void TargetChanged(int index);  // cmbTo_Click
  void Accept();                  // cmdOk_Click

  App app_;
  int size_;  // N, the board size when the dialog opened
  std::array<QLabel*, kRows> source_{};
  std::array<QLabel*, kRows> arrow_{};
  std::array<QComboBox*, kRows> target_{};
  QPushButton* ok_;
  QPushButton* cancel_;
  QPushButton* helpButton_;
  std::function<void()> help_;
};

}  // namespace gridora::ui
