// SPDX-License-Identifier: MIT
#pragma once
// The small dialog of "問題を作る": the grade of the new puzzle and whether
// its clues are symmetric under a half turn.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>

#include "engine/grade.h"

namespace gridora::ui {

class GenerateDialog : public QDialog {
 public:
  // `boardSize` 9 or 16 names the board in the title.
  GenerateDialog(int boardSize, const QIcon& icon, QWidget* parent);

  engine::Grade grade() const;
  bool symmetric() const { return symmetric_->isChecked(); }

  QComboBox* GradeBox() const { return grade_; }
  QCheckBox* SymmetricBox() const { return symmetric_; }
  QPushButton* OkButton() const { return ok_; }

 private:
  QComboBox* grade_;
  QCheckBox* symmetric_;
  QPushButton* ok_;
};

// The grade names shown to the user, easiest first.
QString GradeText(engine::Grade grade);

}  // namespace gridora::ui
