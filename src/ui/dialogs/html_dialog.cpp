// SPDX-License-Identifier: MIT
#include "ui/dialogs/html_dialog.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>

#include "core/html_export.h"
#include "ui/main/board_geometry.h"
#include "ui/main/fonts.h"
#include "ui/main/plain_label.h"

namespace gridora::ui {

namespace {

// Status texts, by button.
const char* const kHtmlTip = "多くのブラウザで見られる画面のソース";
const char* const kGameTip = "ゲーム形式のソースを作ります";
const char* const kCancelTip = "HTML変換をせずに戻ります";

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption,
                        const TwipsRect& rect, const char* tip) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(Px(rect.left), Px(rect.top), Px(rect.width), Px(rect.height));
  button->setProperty("statusText", QString::fromUtf8(tip));
  button->setMouseTracking(true);
  return button;
}

}  // namespace

HtmlDialog::HtmlDialog(App app, std::string templatePath, const QIcon& icon, QWidget* parent)
    : QDialog(parent), app_(app), templatePath_(std::move(templatePath)) {
  setObjectName(QStringLiteral("frmHTML"));
  setWindowTitle(QString::fromUtf8("HTML変換"));
  setWindowIcon(icon);
  setFont(GothicFont(9));
  setFixedSize(Px(5280), Px(2340));

  fraType_ = new QGroupBox(QString::fromUtf8("HTMLの変換形式"), this);
  fraType_->setObjectName(QStringLiteral("fraType"));
  fraType_->setGeometry(Px(120), Px(120), Px(2040), Px(1560));
  cmdHtml_ = MakeButton(fraType_, "cmdHtml", "HTML2.0", {240, 360, 1560, 450}, kHtmlTip);
  cmdGame_ = MakeButton(fraType_, "cmdGame", "JavaScript", {240, 930, 1560, 450}, kGameTip);
  cmdGame_->setEnabled(app_.state.BoardSize != 16);

  lblInform_ =
      MakePlainLabel(this, "lblInform",
                     QString::fromUtf8("左で選択した形式で、HTMLソースとしてクリップボードに"
                                       "コピーされます"),
                     {2400, 240, 2760, 900});
  lblInform_->setWordWrap(true);
  cmdCancel_ = MakeButton(this, "cmdCancel", "キャンセル", {3600, 1230, 1560, 450}, kCancelTip);

  stbSimpleHelp_ = new QStatusBar(this);
  stbSimpleHelp_->setObjectName(QStringLiteral("stbSimpleHelp"));
  stbSimpleHelp_->setSizeGripEnabled(false);
  stbSimpleHelp_->setGeometry(0, Px(2340 - 330), Px(5280), Px(330));

  for (QPushButton* button : {cmdHtml_, cmdGame_, cmdCancel_}) button->installEventFilter(this);
  connect(cmdHtml_, &QPushButton::clicked, this, &HtmlDialog::ExportTable);
  connect(cmdGame_, &QPushButton::clicked, this, &HtmlDialog::ExportGame);
  connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);

  clipboard_ = [](const QString& text) {
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
  };
}

bool HtmlDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
    // A disabled button takes no mouse moves, so it shows no text.
    const auto* widget = qobject_cast<QWidget*>(watched);
    const QVariant tip = watched->property("statusText");
    if (widget != nullptr && widget->isEnabled() && tip.isValid()) ShowHelpText(tip.toString());
  }
  return QDialog::eventFilter(watched, event);
}

void HtmlDialog::ShowHelpText(const QString& text) {
  if (stbSimpleHelp_->currentMessage() != text) stbSimpleHelp_->showMessage(text);
}

void HtmlDialog::ExportTable() {
  clipboard_(QString::fromStdString(BuildHtmlTable(app_.state)));
  accept();
}

void HtmlDialog::ExportGame() {
  const std::optional<std::string> page = ExportGamePage(app_, templatePath_);
  if (!page) return;  // the message is shown; the dialog stays open
  clipboard_(QString::fromStdString(*page));
  accept();
}

}  // namespace gridora::ui
