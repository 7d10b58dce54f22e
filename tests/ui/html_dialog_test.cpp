// SPDX-License-Identifier: MIT
#include "ui/dialogs/html_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QSignalSpy>

#include "core/html_export.h"
#include "window_fixture.h"

namespace gridora::ui::testing {
namespace {

const std::string kShippedTemplate = std::string(GRIDORA_APP_DATA_DIR) + "/js-gdr.dat";

// A pointer move over `button` at `at`, sent straight to the button.
void MoveOver(QPushButton* button, QPoint at) {
  QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(button->mapToGlobal(at)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(button, &move);
}

class HtmlDialogTest : public WindowTest {
 protected:
  std::vector<QString> copied;  // what went to the clipboard, in order

  // The dialog as the File menu shows it, open, with the clipboard caught.
  std::unique_ptr<HtmlDialog> Open(const std::string& templatePath = kShippedTemplate) {
    auto dialog =
        std::make_unique<HtmlDialog>(app(), templatePath, window->windowIcon(), window.get());
    dialog->SetClipboardWriter([this](const QString& text) { copied.push_back(text); });
    dialog->move(window->pos() + QPoint(Px(900), Px(900)));
    QCursor::setPos(window->pos() - QPoint(50, 50));  // away from every button
    dialog->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    return dialog;
  }
};

TEST_F(HtmlDialogTest, controlsCarryTheirCaptions) {
  auto dialog = Open();
  EXPECT_EQ(dialog->objectName(), QStringLiteral("frmHTML"));
  EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("HTML変換"));
  EXPECT_EQ(dialog->windowIcon().cacheKey(), window->windowIcon().cacheKey());
  EXPECT_EQ(dialog->TypeFrame()->title(), QString::fromUtf8("HTMLの変換形式"));
  EXPECT_EQ(dialog->HtmlButton()->text(), QStringLiteral("HTML2.0"));
  EXPECT_EQ(dialog->GameButton()->text(), QStringLiteral("JavaScript"));
  EXPECT_EQ(dialog->CancelButton()->text(), QString::fromUtf8("キャンセル"));
  EXPECT_EQ(
      dialog->Inform()->text(),
      QString::fromUtf8("左で選択した形式で、HTMLソースとしてクリップボードにコピーされます"));
  EXPECT_EQ(dialog->HtmlButton()->parentWidget(), dialog->TypeFrame());
  EXPECT_EQ(dialog->GameButton()->parentWidget(), dialog->TypeFrame());
  EXPECT_TRUE(dialog->GameButton()->isEnabled());
  EXPECT_TRUE(dialog->SimpleHelp()->currentMessage().isEmpty());
  // Everything lies inside the dialog, the status bar along its bottom.
  const std::vector<QWidget*> parts = {dialog->TypeFrame(), dialog->Inform(),
                                       dialog->CancelButton()};
  for (QWidget* w : parts) {
    EXPECT_TRUE(dialog->rect().contains(w->geometry())) << w->objectName().toStdString();
    EXPECT_FALSE(w->geometry().intersects(dialog->SimpleHelp()->geometry()));
  }
  EXPECT_EQ(dialog->SimpleHelp()->geometry().bottom(), dialog->rect().bottom());
}

TEST_F(HtmlDialogTest, statusTextsFollowThePointerAndShowOnlyWhenTheyChange) {
  auto dialog = Open();
  QStatusBar* help = dialog->SimpleHelp();
  QSignalSpy changes(help, &QStatusBar::messageChanged);
  const auto over = [](QPushButton* button, QPoint at) { MoveOver(button, at); };
  over(dialog->HtmlButton(), {5, 5});
  EXPECT_EQ(help->currentMessage(), QString::fromUtf8("多くのブラウザで見られる画面のソース"));
  over(dialog->HtmlButton(), {20, 10});
  over(dialog->HtmlButton(), {30, 12});
  EXPECT_EQ(changes.count(), 1);
  over(dialog->GameButton(), {5, 5});
  EXPECT_EQ(help->currentMessage(), QString::fromUtf8("ゲーム形式のソースを作ります"));
  over(dialog->CancelButton(), {5, 5});
  EXPECT_EQ(help->currentMessage(), QString::fromUtf8("HTML変換をせずに戻ります"));
  over(dialog->CancelButton(), {9, 9});
  EXPECT_EQ(changes.count(), 3);
}

TEST_F(HtmlDialogTest, sixteenBySixteenOffersTheTableOnly) {
  NewPuzzle16(app());
  Put(0, 16);
  auto dialog = Open();
  EXPECT_FALSE(dialog->GameButton()->isEnabled());
  MoveOver(dialog->GameButton(), QPoint(5, 5));
  EXPECT_TRUE(dialog->SimpleHelp()->currentMessage().isEmpty())
      << dialog->SimpleHelp()->currentMessage().toStdString();
  QTest::mouseClick(dialog->GameButton(), Qt::LeftButton);
  EXPECT_TRUE(copied.empty());
  QTest::mouseClick(dialog->HtmlButton(), Qt::LeftButton);
  ASSERT_EQ(copied.size(), 1u);
  EXPECT_TRUE(copied[0].contains(QStringLiteral("    <TD height=\"20\" width=\"20\">16</TD>\r\n")));
  EXPECT_EQ(copied[0].count(QStringLiteral("<TD")), 256);
}

TEST_F(HtmlDialogTest, tableGoesToTheClipboardWithoutTheSolversDigits) {
  Put(0, 5);
  Put(1, MakeCode(3, kClassGreen));
  state.PuzzleAuthor = "<script>";
  auto dialog = Open();
  QTest::mouseClick(dialog->HtmlButton(), Qt::LeftButton);
  ASSERT_EQ(copied.size(), 1u);
  EXPECT_EQ(copied[0].toStdString(), BuildHtmlTable(state));
  EXPECT_TRUE(copied[0].startsWith(QStringLiteral(
      "<TABLE border=1 align=left>\r\n  <TR ALIGN=center bgcolor=\"#FFFFC0\">\r\n"
      "    <TD height=\"20\" width=\"20\">5</TD>\r\n    <TD width=\"20\">&nbsp;</TD>\r\n")));
  EXPECT_TRUE(copied[0].contains(QStringLiteral("&lt;script&gt;<BR><BR>\r\n")));
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_FALSE(dialog->isVisible());
}

TEST_F(HtmlDialogTest, gamePageFromTheShippedTemplateGoesToTheClipboard) {
  Put(0, 5);
  Put(80, 9);
  Put(40, MakeCode(4, kClassYellow));
  auto dialog = Open();
  QTest::mouseClick(dialog->GameButton(), Qt::LeftButton);
  ASSERT_EQ(copied.size(), 1u);
  const QString page = copied[0];
  EXPECT_TRUE(page.startsWith(QStringLiteral("<!DOCTYPE html>\r\n")));
  EXPECT_TRUE(page.contains(QStringLiteral("const data = '5") + QString(79, QLatin1Char('0')) +
                            QStringLiteral("9';\r\n")));
  EXPECT_TRUE(page.contains(QStringLiteral("const gifPath = 'gdr_cg/';\r\n")));
  EXPECT_TRUE(page.contains(QString::fromUtf8("<FONT COLOR = \"Blue\">作者</FONT><BR>\r\n")));
  EXPECT_FALSE(page.contains(QStringLiteral("[gdrdata]")));
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_TRUE(messages.empty());
}

TEST_F(HtmlDialogTest, missingTemplateIsReportedAndTheDialogStaysOpen) {
  QTemporaryDir empty;
  auto dialog = Open((empty.path() + QStringLiteral("/js-gdr.dat")).toStdString());
  QTest::mouseClick(dialog->GameButton(), Qt::LeftButton);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "ファイル\"js-gdr.dat\"が見つかりません\r\nHTMLに変換できません");
  EXPECT_EQ(messages[0].title, "変換失敗");
  EXPECT_EQ(messages[0].icon, MessageIcon::Information);
  EXPECT_TRUE(copied.empty());
  EXPECT_TRUE(dialog->isVisible());
  // The table still works from the same dialog.
  QTest::mouseClick(dialog->HtmlButton(), Qt::LeftButton);
  EXPECT_EQ(copied.size(), 1u);
}

TEST_F(HtmlDialogTest, cancelExportsNothing) {
  auto dialog = Open();
  QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
  EXPECT_TRUE(copied.empty());
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_FALSE(dialog->isVisible());
}

TEST_F(HtmlDialogTest, theClipboardGetsPlainTextOnly) {
  auto dialog =
      std::make_unique<HtmlDialog>(app(), kShippedTemplate, window->windowIcon(), window.get());
  dialog->show();
  QTest::mouseClick(dialog->HtmlButton(), Qt::LeftButton);
  const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->formats(), QStringList{QStringLiteral("text/plain")});
  EXPECT_EQ(data->text().toStdString(), BuildHtmlTable(state));
}

TEST_F(HtmlDialogTest, windowPlacesTheDialogBesideItsCorner) {
  QPoint at;
  QString name;
  bool modalChild = false;
  dialogAction = [&](QDialog& dialog) {
    name = dialog.objectName();
    at = dialog.pos();
    modalChild = dialog.parent() == window.get();
    dialog.reject();
  };
  window->ShowHtmlDialog();
  EXPECT_EQ(name, QStringLiteral("frmHTML"));
  EXPECT_EQ(at, window->pos() + QPoint(Px(900), Px(900)));
  EXPECT_TRUE(modalChild);
  EXPECT_EQ(dialogs, std::vector<QString>{QStringLiteral("frmHTML")});
}

}  // namespace
}  // namespace gridora::ui::testing
