// SPDX-License-Identifier: MIT
#include "ui/dialogs/generate_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>
#include <cmath>

namespace gridora::ui {

namespace {

constexpr engine::Grade kGrades[] = {engine::Grade::Easy, engine::Grade::Standard,
                                     engine::Grade::Hard, engine::Grade::Expert};

}  // namespace

QString GradeText(engine::Grade grade) {
  const std::string_view title = engine::GradeTitle(grade);
  return QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size()));
}

GenerateDialog::GenerateDialog(int boardSize, const QIcon& icon, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("frmGenerate"));
  setWindowTitle(boardSize == 16 ? QStringLiteral("問題を作る (16×16)")
                                 : QStringLiteral("問題を作る (9×9)"));
  setWindowIcon(icon);
  grade_ = new QComboBox(this);
  grade_->setObjectName(QStringLiteral("cmbGrade"));
  for (const engine::Grade g : kGrades) grade_->addItem(GradeText(g));
  grade_->setCurrentIndex(1);
  symmetric_ = new QCheckBox(QStringLiteral("点対称に配置する(&S)"), this);
  symmetric_->setObjectName(QStringLiteral("chkSymmetric"));
  symmetric_->setChecked(true);
  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok_->setObjectName(QStringLiteral("cmdOK"));
  buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole)
      ->setObjectName(QStringLiteral("cmdCancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("難易度(&G)："), grade_);
  form->addRow(symmetric_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  // Wide enough for the whole title beside the title bar's icon and buttons.
  const QFontMetricsF title(QApplication::font());
  setMinimumWidth(static_cast<int>(
      std::ceil(title.horizontalAdvance(windowTitle()) + 4 * (title.height() + 8))));
}

engine::Grade GenerateDialog::grade() const {
  const int i = grade_->currentIndex();
  return kGrades[i < 0 || i > 3 ? 1 : i];
}

}  // namespace gridora::ui
