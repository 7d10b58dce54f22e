// SPDX-License-Identifier: MIT
// The window's modal steps: message boxes, the file dialog, the version box
// and the pop-up list, each replaceable so that tests never wait on a user.

#include <QFileDialog>
#include <QMessageBox>

#include "system/version_info.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/dialog_parts.h"
#include "ui/main/board_geometry.h"
#include "ui/main/main_window.h"

namespace gridora::ui {

namespace {

QMessageBox::StandardButtons ToQt(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      return QMessageBox::Ok;
    case MessageButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon ToQt(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::None:
      return QMessageBox::NoIcon;
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::Critical:
      return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

MessageAnswer FromQt(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    case QMessageBox::Cancel:
      return MessageAnswer::Cancel;
    default:
      return MessageAnswer::Ok;
  }
}

}  // namespace

MessageAnswer MainWindow::ShowMessage(const std::string& text, const std::string& title,
                                      MessageButtons buttons, MessageIcon icon) {
  if (messageAnswerer_) return messageAnswerer_(text, title, buttons, icon);
  // Before the window is first shown (a load failure at start-up) the box
  // stands on its own.
  QMessageBox box(
      ToQt(icon), QString::fromStdString(title),
      QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
      ToQt(buttons), isVisible() ? this : nullptr);
  box.setTextFormat(Qt::PlainText);
  box.setWindowIcon(windowIcon());
  box.exec();
  return FromQt(box.standardButton(box.clickedButton()));
}

bool MainWindow::AskFilePath(const FileDialogRequest& request, std::string& path) {
  // Qt's own dialog: the same on every desktop, and tests can drive it.
  QFileDialog dialog(isVisible() ? this : nullptr);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  const bool open = request.mode == FileDialogMode::Open;
  dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  if (!request.initialDirectory.empty())
    dialog.setDirectory(QString::fromStdString(request.initialDirectory));
  // A description that already names its pattern ("...(*.gdr)") is a
  // complete Qt filter; otherwise the pattern follows in parentheses.
  const QString description = QString::fromStdString(request.filterDescription);
  const QString pattern = QString::fromStdString(request.filterPattern);
  dialog.setNameFilter(description.contains(pattern)
                           ? description
                           : QStringLiteral("%1 (%2)").arg(description, pattern));
  dialog.setDefaultSuffix(QString::fromStdString(request.defaultSuffix));
  if (!request.initialFileName.empty())
    dialog.selectFile(QString::fromStdString(request.initialFileName));
  if (RunDialog(dialog) != QDialog::Accepted) return false;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.first().isEmpty()) return false;
  path = chosen.first().toStdString();
  return true;
}

void MainWindow::ShowVersionBox(const std::string& notice) {
  // On the first run the box comes before the main window is shown.
  AboutDialog box(windowIcon(), isVisible() ? this : nullptr);
  if (!notice.empty()) box.SetNotice(QString::fromStdString(notice));
  box.SetSysInfoAction([this] { StartSysInfo(app()); });
  RunDialog(box);
}

int MainWindow::RunDialog(QDialog& dialog) {
  NameUnlabelledControls(dialog);
  if (dialogRunner_) {
    dialogRunner_(dialog);
    return dialog.result();
  }
  return dialog.exec();
}

void MainWindow::ShowInputMethodMenu() {
  // Left-aligned at 3480, 360 twips of the window, under the input button.
  const QPoint at = centralWidget()->mapToGlobal(QPoint(Px(3480), Px(360)));
  ExecPopup(*menu_.mnuPopInputTop, at);
  UpdateInputMethodChecks();
}

QAction* MainWindow::ExecPopup(QMenu& menu, const QPoint& globalPos) {
  if (popupRunner_) return popupRunner_(menu, globalPos);
  return menu.exec(globalPos);
}

}  // namespace gridora::ui
