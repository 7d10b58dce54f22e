#include "ui/dialogs/about_dialog.h"

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
