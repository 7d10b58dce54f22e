// SPDX-License-Identifier: MIT
#include "ui/dialogs/about_dialog.h"

#include <QTemporaryDir>
#include <cstdlib>

#include "version.h"
#include "window_fixture.h"

namespace gridora::ui::testing {
namespace {

using VersionBoxTest = WindowTest;

TEST_F(VersionBoxTest, menuItemShowsTheBox) {
  QString title;
  QString version;
  QString first;
  QColor top;
  QColor shadow;
  QPoint offset;
  bool modal = false;
  window->SetDialogRunner([&](QDialog& dialog) {
    auto& box = dynamic_cast<AboutDialog&>(dialog);
    title = box.windowTitle();
    version = box.Version()->text();
    first = box.Description()->text().section(QLatin1Char('\n'), 0, 0);
    top = box.Title()->palette().color(QPalette::WindowText);
    shadow = box.TitleShadow()->palette().color(QPalette::WindowText);
    offset = box.Title()->pos() - box.TitleShadow()->pos();
    modal = box.parent() == window.get();
    QTest::mouseClick(box.OkButton(), Qt::LeftButton);
    EXPECT_EQ(box.result(), QDialog::Accepted);
  });
  window->Menu().mnuOtherVersion->trigger();
  EXPECT_EQ(title, QString::fromUtf8("Gridoraのバージョン情報"));
  EXPECT_EQ(
      version,
      QStringLiteral("Version %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionPatch));
  EXPECT_EQ(first, QString::fromUtf8("ナンバープレースを自動的に解くソフト。"));
  EXPECT_EQ(top, QColor(255, 255, 128));
  EXPECT_EQ(shadow, QColor(0, 0, 255));
  EXPECT_EQ(offset, QPoint(Px(24), Px(24)));
  EXPECT_TRUE(modal);
}

TEST_F(VersionBoxTest, firstRunGreetsBeforeTheWindowShows) {
  EXPECT_EQ(firstRunDialogs, std::vector<QString>{QStringLiteral("frmAbout")});
  // A second start with the settings the first one wrote greets no more.
  AppState second;
  std::vector<QString> shown;
  auto other = StartMain(second, {}, [&](MainWindow& w) {
    w.SetDialogRunner([&](QDialog& dialog) {
      shown.push_back(QString::fromLatin1(dialog.metaObject()->className()));
      dialog.reject();
    });
  });
  EXPECT_TRUE(shown.empty());
}

TEST(VersionBoxFirstRunTest, greetingInTheNoticeWhileTheWindowIsHidden) {
  QTemporaryDir config;
  setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
  AppState state;
  QString notice;
  bool windowVisible = true;
  int beeps = 0;
  MainWindow* main = nullptr;
  auto window = StartMain(state, {}, [&](MainWindow& w) {
    main = &w;
    w.SetBeeper([&] { ++beeps; });
    w.SetDialogRunner([&](QDialog& dialog) {
      notice = dynamic_cast<AboutDialog&>(dialog).Notice()->text();
      windowVisible = main->isVisible();
      dialog.accept();
    });
  });
  EXPECT_EQ(notice,
            QString::fromUtf8("はじめまして！ (^-^)/\n使用方法等は、ヘルプをご覧ください。\n"
                              "感想等よろしくお願いします！"));
  EXPECT_FALSE(windowVisible);
  EXPECT_EQ(beeps, 1);
  EXPECT_TRUE(window->isVisible());
}

TEST(AboutDialogNoticeTest, greetingLinesReplaceTheNotice) {
  AboutDialog box(QIcon(), nullptr);
  box.SetNotice(QString::fromUtf8("はじめまして！ (^-^)/\r\n使用方法等は、ヘルプをご覧ください。"));
  EXPECT_EQ(box.Notice()->text(),
            QString::fromUtf8("はじめまして！ (^-^)/\n使用方法等は、ヘルプをご覧ください。"));
  EXPECT_FALSE(box.SysInfoButton()->isEnabled());
  int started = 0;
  box.SetSysInfoAction([&] { ++started; });
  QTest::mouseClick(box.SysInfoButton(), Qt::LeftButton);
  EXPECT_EQ(started, 1);
}

}  // namespace
}  // namespace gridora::ui::testing
