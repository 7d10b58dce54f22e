// SPDX-License-Identifier: MIT
#include "ui/dialogs/about_dialog.h"

#include <QPainter>

#include "system/version_info.h"
#include "ui/main/board_geometry.h"
#include "ui/main/etched.h"
#include "ui/main/fonts.h"
#include "ui/main/plain_label.h"
#include "ui/main/window_hints.h"

namespace gridora::ui {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                  int width, int height) {
  return MakePlainLabel(parent, name, text, {left, top, width, height});
}

}  // namespace

AboutDialog::AboutDialog(const QIcon& icon, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QString::fromStdString(VersionBoxCaption()));
  setWindowIcon(icon);
  setFixedSize(Px(5736), Px(3468));
  SetFixedSizeHints(*this);
  setFont(GothicFont(9));

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("picIcon"));
  picture->setGeometry(Px(240), Px(240), 32, 32);
  picture->setPixmap(icon.pixmap(32, 32));

  // The blue copy lies 24 twips up and to the left of the light yellow one,
  // so the yellow reads as a highlight on the blue title.
  const QFont titleFont = GothicFont(20, true);
  title_ = MakeLabel(this, "lblTitle", QStringLiteral("Gridora"), 1074, 264, 3885, 540);
  title2_ = MakeLabel(this, "lblTitle2", QStringLiteral("Gridora"), 1050, 240, 3885, 540);
  for (QLabel* label : {title_, title2_}) label->setFont(titleFont);
  SetTextColor(title_, QColor(255, 255, 128));
  SetTextColor(title2_, QColor(0, 0, 255));
  title2_->raise();

  version_ =
      MakeLabel(this, "lblVersion", QString::fromStdString(VersionText()), 1050, 840, 3885, 255);
  description_ = MakeLabel(this, "lblDescription",
                           QString::fromUtf8("ナンバープレースを自動的に解くソフト。\n"
                                             "9 x 9 と 16 x 16 の問題を編集し、解き、保存します。"),
                           1050, 1170, 4400, 600);
  description_->setWordWrap(true);
  disclaimer_ = MakeLabel(this, "lblDisclaimer",
                          QString::fromUtf8("このソフトウェアは無保証です。\n"
                                            "ご自身の責任でお使いください。"),
                          255, 2040, 3870, 1215);
  disclaimer_->setWordWrap(true);

  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("cmdOK"));
  ok_->setGeometry(Px(4245), Px(2160), Px(1260), Px(375));
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

  sysInfo_ = new QPushButton(QString::fromUtf8("ｼｽﾃﾑ情報(&S)..."), this);
  sysInfo_->setObjectName(QStringLiteral("cmdSysInfo"));
  sysInfo_->setGeometry(Px(4245), Px(2640), Px(1260), Px(375));
  sysInfo_->setEnabled(false);
  connect(sysInfo_, &QPushButton::clicked, this, [this] {
    if (sysInfoAction_) sysInfoAction_();
  });
}

void AboutDialog::SetNotice(const QString& text) {
  QString lines = text;
  disclaimer_->setText(lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void AboutDialog::SetSysInfoAction(std::function<void()> action) {
  sysInfoAction_ = std::move(action);
  sysInfo_->setEnabled(static_cast<bool>(sysInfoAction_));
}

void AboutDialog::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  PaintEtchedHorizontal(painter, 1890, 120, 5640, palette().color(QPalette::Dark),
                        palette().color(QPalette::Light));
}

}  // namespace gridora::ui
