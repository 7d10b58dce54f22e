// SPDX-License-Identifier: MIT
#pragma once
// HtmlDialog (frmHTML): turns the puzzle into HTML source on the clipboard,
// as a plain table ("HTML2.0") or as a game page from the template file
// ("JavaScript", 9 x 9 only). The text building lives in core/html_export.h;
// this dialog only offers the two forms and hands the text over.
//
//   HtmlDialog dialog(window.app(), templatePath, window.windowIcon(), &window);
//   dialog.move(...);
//   dialog.exec();

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <functional>
#include <string>

#include "core/app.h"

namespace gridora::ui {

class HtmlDialog : public QDialog {
 public:
  // `templatePath` is the game template "js-gdr.dat"; `icon` the main
  // window's icon.
  HtmlDialog(App app, std::string templatePath, const QIcon& icon, QWidget* parent);

  // Where the exported text goes: the system clipboard as plain text unless
  // replaced (tests never touch the desktop's clipboard).
  using ClipboardWriter = std::function<void(const QString& text)>;
  void SetClipboardWriter(ClipboardWriter writer) { clipboard_ = std::move(writer); }

  QGroupBox* TypeFrame() const { return fraType_; }
  QPushButton* HtmlButton() const { return cmdHtml_; }
  QPushButton* GameButton() const { return cmdGame_; }
  QPushButton* CancelButton() const { return cmdCancel_; }
  QLabel* Inform() const { return lblInform_; }
  QStatusBar* SimpleHelp() const { return stbSimpleHelp_; }

 protected:
  // Pointer moves over a button show its status text.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ExportTable();
  void ExportGame();
  void ShowHelpText(const QString& text);

  App app_;
  std::string templatePath_;
  ClipboardWriter clipboard_;
  QGroupBox* fraType_;
  QPushButton* cmdHtml_;
  QPushButton* cmdGame_;
  QPushButton* cmdCancel_;
  QLabel* lblInform_;
  QStatusBar* stbSimpleHelp_;
};

}  // namespace gridora::ui
