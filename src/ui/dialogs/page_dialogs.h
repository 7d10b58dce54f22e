// SPDX-License-Identifier: MIT
#pragma once
// The dialogs of "問題を印刷" and "問題集を作る": what goes on the pages,
// and where the pages go (the printer through Qt's print dialog, the print
// preview, or a PDF file), chosen by the button that closes the dialog.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "book/puzzle_book.h"

namespace gridora::ui {

enum class PageDestination { Printer, Preview, Pdf };

// A dialog closed by one of "印刷...", "プレビュー...", "PDFに保存..." (accepted,
// destination() tells which) or "キャンセル".
class PageDialog : public QDialog {
 public:
  PageDestination destination() const { return destination_; }
  QPushButton* Button(PageDestination destination) const;

 protected:
  explicit PageDialog(QWidget* parent);
  // The buttons' row, to add under the dialog's fields.
  QLayout* Buttons();

 private:
  PageDestination destination_ = PageDestination::Printer;
  QPushButton* buttons_[3] = {};
};

class PrintPuzzleDialog : public PageDialog {
 public:
  // `hasEntered`: the board holds digits of the player besides the givens.
  PrintPuzzleDialog(bool hasEntered, QWidget* parent);

  bool withEntered() const { return entered_->isChecked(); }
  bool solutionPage() const { return solution_->isChecked(); }

  QRadioButton* EnteredButton() const { return entered_; }
  QCheckBox* SolutionBox() const { return solution_; }

 private:
  QRadioButton* givensOnly_;
  QRadioButton* entered_;
  QCheckBox* solution_;
};

class BookDialog : public PageDialog {
 public:
  explicit BookDialog(QWidget* parent);

  // The book asked for (A4; the seed drawn at random when the field is empty).
  book::BookOptions options() const;

  QComboBox* SizeBox() const { return size_; }
  QComboBox* GradeBox() const { return grade_; }
  QSpinBox* CountBox() const { return count_; }
  QComboBox* PerPageBox() const { return perPage_; }
  QCheckBox* SymmetricBox() const { return symmetric_; }
  QLineEdit* TitleEdit() const { return title_; }
  QLineEdit* SeedEdit() const { return seed_; }

 private:
  void FillPerPage();

  QComboBox* size_;
  QComboBox* grade_;
  QSpinBox* count_;
  QComboBox* perPage_;
  QCheckBox* symmetric_;
  QLineEdit* title_;
  QLineEdit* seed_;
};

}  // namespace gridora::ui
