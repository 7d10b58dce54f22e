// SPDX-License-Identifier: MIT
#pragma once
// PropertyDialog (frmProperty): the puzzle's author, date, comment and
// character list in four framed text boxes. Ok stores them together
// (ApplyPuzzleTexts), or refuses a character list of fewer than nine items
// and stays open.

#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "core/app.h"

namespace gridora::ui {

class PropertyDialog : public QDialog {
 public:
  // Placed beside `owner` (the main window), with its icon.
  PropertyDialog(App app, QWidget* owner);

  void SetHelpAction(std::function<void()> action) { help_ = std::move(action); }

  QLineEdit* Author() const { return author_; }
  QLineEdit* Date() const { return date_; }
  QLineEdit* Comment() const { return comment_; }
  QLineEdit* Characters() const { return characters_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }
  QPushButton* HelpButton() const { return helpButton_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  App app_;
  QLineEdit* author_;
  QLineEdit* date_;
  QLineEdit* comment_;
  QLineEdit* characters_;
  QPushButton* ok_;
  QPushButton* cancel_;
  QPushButton* helpButton_;
  std::function<void()> help_;
};

}  // namespace gridora::ui
