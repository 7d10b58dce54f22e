// SPDX-License-Identifier: MIT
#pragma once
// AboutDialog (frmAbout): the version box. Names the program and its
// version in a two-tone title, describes it, and carries a notice that
// greets the user on the first run.

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <functional>
#include <string>

namespace gridora::ui {

class AboutDialog : public QDialog {
 public:
  // `icon` is the main window's icon.
  AboutDialog(const QIcon& icon, QWidget* parent);

  // Replaces the notice text (the first run's greeting).
  void SetNotice(const QString& text);
  // What the system-information button does; it is disabled until set.
  void SetSysInfoAction(std::function<void()> action);

  QLabel* Title() const { return title_; }
  QLabel* TitleShadow() const { return title2_; }
  QLabel* Version() const { return version_; }
  QLabel* Description() const { return description_; }
  QLabel* Notice() const { return disclaimer_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* SysInfoButton() const { return sysInfo_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLabel* title_;
  QLabel* title2_;
  QLabel* version_;
  QLabel* description_;
  QLabel* disclaimer_;
  QPushButton* ok_;
  QPushButton* sysInfo_;
  std::function<void()> sysInfoAction_;
};

}  // namespace gridora::ui
