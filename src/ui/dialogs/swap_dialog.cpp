// SPDX-License-Identifier: MIT
#include "ui/dialogs/swap_dialog.h"

#include <QPainter>
#include <vector>

#include "core/board.h"
#include "core/digit_exchange.h"
#include "ui/dialogs/dialog_parts.h"
#include "ui/main/etched.h"
#include "ui/main/fonts.h"
#include "ui/main/plain_label.h"

namespace gridora::ui {

namespace {

// Lefts of the digit, the arrow and the list, and the top, of row i.
struct RowPlace {
  int source, arrow, list, top;
};

RowPlace RowOf(int i) {
  if (i < 5) return {120, 480, 720, 240 + 360 * i};
  if (i < 10) return {1680, 2040, 2280, 240 + 360 * (i - 5)};
  return {3360, 3720, 3960, 120 + 360 * (i - 10)};
}

QLabel* MakeCentredLabel(QWidget* parent, const char* name, int i, const QString& text,
                         const TwipsRect& rect) {
  QLabel* label = MakePlainLabel(parent, name, text, rect);
  label->setObjectName(label->objectName() + QString::number(i));
  label->setAlignment(Qt::AlignCenter);
  return label;
}

}  // namespace

SwapDialog::SwapDialog(App app, QWidget* owner)
    : QDialog(owner), app_(app), size_(app.state.BoardSize) {
  setObjectName(QStringLiteral("frmSwap"));
  setWindowTitle(QString::fromUtf8("数字の入れ替え"));
  setFixedSize(Px(4788), Px(2820));
  setFont(GothicFont(9));

  const QFont digitFont = MinchoFont(12, true);
  const QFont arrowFont = MinchoFont(11.4, true);
  for (int i = 0; i < kRows; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const RowPlace row = RowOf(i);
    source_[k] = MakeCentredLabel(this, "lblSrc", i, {}, {row.source, row.top, 375, 255});
    source_[k]->setFont(digitFont);
    arrow_[k] = MakeCentredLabel(this, "lblArrow", i, QString::fromUtf8("→"),
                                 {row.arrow, row.top, 255, 255});
    arrow_[k]->setFont(arrowFont);
    SetTextColor(arrow_[k], QColor(128, 64, 0));
    target_[k] = new QComboBox(this);  // a drop-down list: no typing
    target_[k]->setObjectName(QStringLiteral("cmbTo%1").arg(i));
    target_[k]->setGeometry(Px(row.list), Px(row.top), Px(735), Px(300));
  }

  ok_ = MakeButton(this, "cmdOk", QStringLiteral("Ok"), {120, 2400, 1095, 375},
                   QString::fromUtf8("新しい設定に更新します"));
  ok_->setEnabled(false);
  cancel_ = MakeButton(this, "cmdCancel", QString::fromUtf8("キャンセル"), {1560, 2400, 1215, 375},
                       QString::fromUtf8("前の設定のままにします"));
  helpButton_ = MakeButton(this, "cmdHelp", QString::fromUtf8("ヘルプ"), {3480, 2400, 1095, 375},
                           QString::fromUtf8("ヘルプを表示します"));
  NoDefaultButton({ok_, cancel_, helpButton_});
  connect(ok_, &QPushButton::clicked, this, [this] { Accept(); });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(helpButton_, &QPushButton::clicked, this, [this] {
    if (help_) help_();
  });

  // Form_Load: every list names the digits 1 to N, and each starts on its
  // own digit. The lists are connected only afterwards: a list being
  // filled already shows its first item, which must not count as a choice.
  for (int i = 0; i < size_; ++i) {
    QComboBox* list = target_[static_cast<std::size_t>(i)];
    for (int d = 1; d <= size_; ++d)
      list->addItem(QString::fromStdString(CharacterOf(app.state, d)));
  }
  for (int i = 0; i < kRows; ++i) {
    const auto k = static_cast<std::size_t>(i);
    if (i < size_) {
      source_[k]->setText(QString::fromStdString(CharacterOf(app.state, i + 1)));
      target_[k]->setCurrentIndex(i);
    }
    target_[k]->setEnabled(i < size_);  // rows 10 to 16 of a 9 x 9 board stay empty
  }
  for (int i = 0; i < size_; ++i) {
    connect(target_[static_cast<std::size_t>(i)], &QComboBox::currentIndexChanged, this,
            [this, i] { TargetChanged(i); });
  }
  PlaceBesideOwner(*this, owner, 600, 300);
}

std::vector<int> SwapDialog::Choices() const {
  std::vector<int> choices;
  for (int i = 0; i < size_; ++i) choices.push_back(Target(i)->currentIndex());
  return choices;
}

void SwapDialog::TargetChanged(int index) {
  const std::optional<ExchangeRepair> repair = RepairExchange(Choices(), index);
  if (!repair) return;
  ok_->setEnabled(true);
  // Runs this handler for that list, which then finds nothing to repair.
  target_[static_cast<std::size_t>(repair->list)]->setCurrentIndex(repair->target);
}

void SwapDialog::Accept() {
  ExchangeDigits(app_, Choices());
  accept();
}

void SwapDialog::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  const QColor shadow = ShadowColor(*this);
  const QColor light = HighlightColor(*this);
  PaintEtchedVertical(painter, 1560, 0, 2280, shadow, light);
  PaintEtchedVertical(painter, 3120, 0, 2280, shadow, light);
  PaintEtchedHorizontal(painter, 2280, 0, 4788, shadow, light);
}

}  // namespace gridora::ui
