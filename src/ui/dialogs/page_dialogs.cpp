// SPDX-License-Identifier: MIT
#include "ui/dialogs/page_dialogs.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <random>

#include "book/book_layout.h"
#include "ui/dialogs/generate_dialog.h"

namespace gridora::ui {

namespace {

constexpr engine::Grade kBookGrades[] = {engine::Grade::Easy, engine::Grade::Standard,
                                         engine::Grade::Hard, engine::Grade::Expert};

}  // namespace

PageDialog::PageDialog(QWidget* parent) : QDialog(parent) {}

QLayout* PageDialog::Buttons() {
  auto* row = new QHBoxLayout;
  const struct {
    PageDestination destination;
    const char* text;
    const char* name;
  } kinds[] = {{PageDestination::Printer, "印刷...(&P)", "cmdPrint"},
               {PageDestination::Preview, "プレビュー...(&V)", "cmdPreview"},
               {PageDestination::Pdf, "PDFに保存...(&F)", "cmdPdf"}};
  for (const auto& kind : kinds) {
    auto* button = new QPushButton(QString::fromUtf8(kind.text), this);
    button->setObjectName(QString::fromLatin1(kind.name));
    connect(button, &QPushButton::clicked, this, [this, d = kind.destination] {
      destination_ = d;
      accept();
    });
    buttons_[static_cast<int>(kind.destination)] = button;
    row->addWidget(button);
  }
  buttons_[0]->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
  cancel->setObjectName(QStringLiteral("cmdCancel"));
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  row->addWidget(cancel);
  return row;
}

QPushButton* PageDialog::Button(PageDestination destination) const {
  return buttons_[static_cast<int>(destination)];
}

PrintPuzzleDialog::PrintPuzzleDialog(bool hasEntered, QWidget* parent) : PageDialog(parent) {
  setObjectName(QStringLiteral("frmPrintPuzzle"));
  setWindowTitle(QStringLiteral("問題を印刷"));
  givensOnly_ = new QRadioButton(QStringLiteral("問題の数字だけ(&G)"), this);
  givensOnly_->setObjectName(QStringLiteral("optGivens"));
  givensOnly_->setChecked(true);
  entered_ = new QRadioButton(QStringLiteral("入力した数字も(&D)"), this);
  entered_->setObjectName(QStringLiteral("optEntered"));
  entered_->setEnabled(hasEntered);
  solution_ = new QCheckBox(QStringLiteral("解答のページを付ける(&A)"), this);
  solution_->setObjectName(QStringLiteral("chkSolution"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(givensOnly_);
  layout->addWidget(entered_);
  layout->addWidget(solution_);
  layout->addLayout(Buttons());
}

BookDialog::BookDialog(QWidget* parent) : PageDialog(parent) {
  setObjectName(QStringLiteral("frmBook"));
  setWindowTitle(QStringLiteral("問題集を作る"));
  size_ = new QComboBox(this);
  size_->setObjectName(QStringLiteral("cmbSize"));
  size_->addItem(QStringLiteral("9×9"), 9);
  size_->addItem(QStringLiteral("16×16"), 16);
  grade_ = new QComboBox(this);
  grade_->setObjectName(QStringLiteral("cmbGrade"));
  for (const engine::Grade g : kBookGrades) grade_->addItem(GradeText(g));
  grade_->setCurrentIndex(1);
  count_ = new QSpinBox(this);
  count_->setObjectName(QStringLiteral("spnCount"));
  count_->setRange(1, book::kMaxBookPuzzles);
  count_->setValue(12);
  perPage_ = new QComboBox(this);
  perPage_->setObjectName(QStringLiteral("cmbPerPage"));
  FillPerPage();
  connect(size_, &QComboBox::currentIndexChanged, this, [this] { FillPerPage(); });
  symmetric_ = new QCheckBox(QStringLiteral("点対称に配置する(&S)"), this);
  symmetric_->setObjectName(QStringLiteral("chkSymmetric"));
  symmetric_->setChecked(true);
  title_ = new QLineEdit(QStringLiteral("問題集"), this);
  title_->setObjectName(QStringLiteral("txtTitle"));
  seed_ = new QLineEdit(this);
  seed_->setObjectName(QStringLiteral("txtSeed"));
  seed_->setPlaceholderText(QStringLiteral("空欄なら毎回ちがう問題"));
  seed_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,19}")), seed_));
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("盤の大きさ(&Z)："), size_);
  form->addRow(QStringLiteral("難易度(&G)："), grade_);
  form->addRow(QStringLiteral("問題の数(&N)："), count_);
  form->addRow(QStringLiteral("1ページの問題数(&E)："), perPage_);
  form->addRow(symmetric_);
  form->addRow(QStringLiteral("題名(&T)："), title_);
  form->addRow(QStringLiteral("シード(&D)："), seed_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(Buttons());
}

void BookDialog::FillPerPage() {
  const int size = size_->currentData().toInt();
  perPage_->clear();
  for (const int n : {1, 2, 4, 6}) {
    if (book::BookLayout::Allows(size, n)) perPage_->addItem(QString::number(n), n);
  }
  perPage_->setCurrentIndex(perPage_->findData(size == 16 ? 2 : 4));
}

book::BookOptions BookDialog::options() const {
  book::BookOptions options;
  options.boardSize = size_->currentData().toInt();
  options.grade = kBookGrades[grade_->currentIndex()];
  options.count = count_->value();
  options.perPage = perPage_->currentData().toInt();
  options.symmetric = symmetric_->isChecked();
  options.title = title_->text().trimmed().toStdString();
  bool ok = false;
  options.seed = seed_->text().toULongLong(&ok);
  if (!ok) {
    std::random_device device;
    options.seed = (static_cast<std::uint64_t>(device()) << 32) ^ device();
  }
  return options;
}

}  // namespace gridora::ui
