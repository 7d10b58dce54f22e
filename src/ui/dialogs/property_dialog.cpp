// SPDX-License-Identifier: MIT
#include "ui/dialogs/property_dialog.h"

#include <QPainter>

#include "core/puzzle_properties.h"
#include "ui/dialogs/dialog_parts.h"
#include "ui/main/etched.h"
#include "ui/main/fonts.h"

namespace gridora::ui {

namespace {

// A titled frame at `frame` (twips) with a single-line text box at 120, 240
// inside it, `boxWidth` x 270 twips.
QLineEdit* MakeFramedBox(QWidget* parent, const char* frameName, const char* boxName,
                         const QString& title, const TwipsRect& frame, int boxWidth) {
  auto* group = new QGroupBox(title, parent);
  group->setObjectName(QString::fromLatin1(frameName));
  group->setGeometry(Px(frame.left), Px(frame.top), Px(frame.width), Px(frame.height));
  auto* box = new QLineEdit(group);
  box->setObjectName(QString::fromLatin1(boxName));
  box->setGeometry(Px(120), Px(240), Px(boxWidth), Px(270));
  return box;
}

}  // namespace

PropertyDialog::PropertyDialog(App app, QWidget* owner) : QDialog(owner), app_(app) {
  setObjectName(QStringLiteral("frmProperty"));
  setWindowTitle(QString::fromUtf8("問題のプロパティ"));
  setFixedSize(Px(3924), Px(2832));
  setFont(GothicFont(9));

  author_ = MakeFramedBox(this, "frmAuthor", "txtAuthor", QString::fromUtf8("作者の名前"),
                          {120, 120, 2055, 615}, 1815);
  date_ = MakeFramedBox(this, "frmDate", "txtDate", QString::fromUtf8("制作日"),
                        {2280, 120, 1575, 615}, 1335);
  comment_ = MakeFramedBox(this, "frmComment", "txtComment", QString::fromUtf8("コメント"),
                           {120, 840, 3735, 615}, 3495);
  characters_ = MakeFramedBox(this, "frmCharacter", "txtCharacter",
                              QString::fromUtf8("キャラクター"), {120, 1560, 3735, 615}, 3495);

  ok_ = MakeButton(this, "cmdOk", QStringLiteral("Ok"), {240, 2400, 975, 375});
  ok_->setEnabled(false);
  cancel_ = MakeButton(this, "cmdCancel", QString::fromUtf8("キャンセル"), {1440, 2400, 975, 375});
  // Enter (unless the focus is on another button) and Esc both cancel.
  cancel_->setDefault(true);
  helpButton_ = MakeButton(this, "cmdHelp", QString::fromUtf8("ヘルプ"), {2760, 2400, 975, 375});
  connect(ok_, &QPushButton::clicked, this, [this] {
    const PuzzleTexts texts{author_->text().toStdString(), date_->text().toStdString(),
                            comment_->text().toStdString(), characters_->text().toStdString()};
    if (ApplyPuzzleTexts(app_, texts)) accept();
  });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(helpButton_, &QPushButton::clicked, this, [this] {
    if (help_) help_();
  });

  // Any change enables Ok, filling the boxes included, so Ok is enabled as
  // soon as the dialog is open.
  for (QLineEdit* box : {author_, date_, comment_, characters_}) {
    connect(box, &QLineEdit::textChanged, ok_, [this] { ok_->setEnabled(true); });
  }
  const PuzzleTexts texts = CurrentPuzzleTexts(app.state);
  author_->setText(QString::fromStdString(texts.author));
  date_->setText(QString::fromStdString(texts.date));
  comment_->setText(QString::fromStdString(texts.comment));
  characters_->setText(QString::fromStdString(texts.characters));
  PlaceBesideOwner(*this, owner, 600, 300);
}

void PropertyDialog::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  PaintEtchedHorizontal(painter, 2280, 0, 3924, ShadowColor(*this), HighlightColor(*this));
}

}  // namespace gridora::ui
