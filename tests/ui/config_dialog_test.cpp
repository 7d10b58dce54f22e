// SPDX-License-Identifier: MIT
// The settings dialog driven through its widgets: clicks, typing, keys and
// pointer moves, with a fake file association and a scripted colour chooser.

#include "ui/dialogs/config_dialog.h"

#include <gtest/gtest.h>

#include <QTest>
#include <vector>

#include "support/fake_association.h"

#include "ui/main/board_geometry.h"

namespace gridora::ui::testing {
namespace {

using gridora::testing::FakeAssociation;

class ConfigDialogTest : public ::testing::Test {
 protected:
  Settings settings;
  std::string lastStatus;
  FakeAssociation association;
  std::unique_ptr<ConfigDialog> dialog;
  int helps = 0;
  std::vector<QColor> chooserStarts;
  std::optional<QColor> chooserAnswer;  // nothing: the user cancels

  void Open() {
    dialog = std::make_unique<ConfigDialog>(settings, lastStatus, association, nullptr);
    dialog->SetHelpAction([this] { ++helps; });
    dialog->SetColorChooser([this](const QColor& initial, QWidget*) -> std::optional<QColor> {
      chooserStarts.push_back(initial);
      return chooserAnswer.value_or(initial);
    });
  }
  void Retype(QLineEdit* box, const QString& text) {
    // Typing replaces the selection in one change; an empty text is a
    // deletion of it.
    box->selectAll();
    if (text.isEmpty()) QTest::keyClick(box, Qt::Key_Delete);
    // Keys for ASCII; other text arrives as an input method commits it.
    if (text.toLatin1() == text.toUtf8()) {
      QTest::keyClicks(box, text);
    } else {
      box->insert(text);
    }
  }
  // Clicks a check box or option button on its box, where a user aims.
  static void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
  }
  void ClickOk() { QTest::mouseClick(dialog->OkButton(), Qt::LeftButton); }
};

TEST_F(ConfigDialogTest, opensWithTheSettingsAndOkDisabled) {
  settings.SoftColor[2] = Rgb(128, 128, 96);
  association.associated = true;
  Open();
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Option"));
  const char* tabs[] = {"入力", "仮定法", "解表示", "色", "名前", "その他"};
  ASSERT_EQ(dialog->Tabs()->count(), 6);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(dialog->Tabs()->tabText(i), QString::fromUtf8(tabs[i]));
    EXPECT_EQ(dialog->Page(i)->pos(), QPoint(Px(240), Px(480)));
    EXPECT_EQ(dialog->Page(i)->isVisibleTo(dialog.get()), i == 0);
  }
  EXPECT_TRUE(dialog->BeepOption(0)->isChecked());
  EXPECT_EQ(dialog->ChangeSpeed()->value(), 2);
  EXPECT_EQ(dialog->KateiMaxBox(0)->text(), QStringLiteral(" 9"));
  EXPECT_EQ(dialog->KateiMaxBox(1)->text(), QStringLiteral(" 3"));
  EXPECT_TRUE(dialog->Assume()->isChecked());
  EXPECT_TRUE(dialog->AssumeOption(1)->isChecked());
  EXPECT_TRUE(dialog->AnotherAnswerOption(0)->isChecked());
  EXPECT_TRUE(dialog->LevelShowOption(1)->isChecked());
  const char* palettes[] = {"000000", "307050", "808060", "000000", "FFFFC0", "E0FFFF"};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(dialog->PaletteBox(i)->text(), QString::fromLatin1(palettes[i]));
    EXPECT_EQ(dialog->SwatchColor(i).name().toUpper().mid(1), QString::fromLatin1(palettes[i]));
  }
  EXPECT_EQ(dialog->RowLabel(4)->text(), QString::fromUtf8("文字"));
  EXPECT_EQ(dialog->RowLabel(3)->text(), QString::fromUtf8("背景1"));
  EXPECT_EQ(dialog->RowLabel(3)->parentWidget(), dialog->PaletteBox(4)->parentWidget());
  EXPECT_EQ(dialog->NameBox()->text(), QString::fromUtf8("不明"));
  EXPECT_EQ(dialog->GifPathBox()->text(), QStringLiteral("gdr_cg/"));
  EXPECT_TRUE(dialog->Connect()->isChecked());
  EXPECT_FALSE(dialog->OkButton()->isEnabled());

  QTest::mouseClick(dialog->Tabs(), Qt::LeftButton, {}, dialog->Tabs()->tabRect(3).center());
  EXPECT_TRUE(dialog->Page(3)->isVisibleTo(dialog.get()));
  EXPECT_FALSE(dialog->Page(0)->isVisibleTo(dialog.get()));
  EXPECT_FALSE(dialog->OkButton()->isEnabled());  // choosing a page is no edit

  // Edits, then Cancel: nothing is kept.
  Click(dialog->BeepOption(1));
  Retype(dialog->NameBox(), QStringLiteral("x"));
  Click(dialog->Connect());
  EXPECT_TRUE(dialog->OkButton()->isEnabled());
  QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_TRUE(settings.Beep);
  EXPECT_EQ(settings.UserName, "不明");
  EXPECT_TRUE(association.calls.empty());
}

TEST_F(ConfigDialogTest, limitBoxesGiveOutOfRangeTextBackToTheirScrollBars) {
  Open();
  QLineEdit* box9 = dialog->KateiMaxBox(0);
  for (const char* typed : {"1", "12", ""}) {
    Retype(box9, QString::fromLatin1(typed));
    EXPECT_EQ(box9->text(), QStringLiteral(" 9")) << typed;
    EXPECT_EQ(dialog->KateiMaxBar(0)->value(), 9);
  }
  EXPECT_TRUE(dialog->OkButton()->isEnabled());
  Retype(box9, QStringLiteral("7"));
  EXPECT_EQ(box9->text(), QStringLiteral("7"));
  EXPECT_EQ(dialog->KateiMaxBar(0)->value(), 7);
  QTest::keyClick(dialog->KateiMaxBar(0), Qt::Key_Left);  // the bar rewrites the box
  EXPECT_EQ(box9->text(), QStringLiteral(" 6"));
  QLineEdit* box16 = dialog->KateiMaxBox(1);
  box16->setText(QStringLiteral("16"));
  EXPECT_EQ(dialog->KateiMaxBar(1)->value(), 16);
  box16->setText(QStringLiteral("17"));
  EXPECT_EQ(box16->text(), QStringLiteral(" 16"));
  box16->setText(QStringLiteral("2"));
  EXPECT_EQ(dialog->KateiMaxBar(1)->value(), 2);
  ClickOk();
  EXPECT_EQ(settings.KateiMax9, 6);
  EXPECT_EQ(settings.KateiMax16, 2);
}

TEST_F(ConfigDialogTest, colourBoxesSwatchesAndTheChooser) {
  Open();
  Retype(dialog->PaletteBox(0), QStringLiteral("ff"));
  EXPECT_EQ(dialog->SwatchColor(0), QColor(0, 0, 255));
  EXPECT_EQ(dialog->PaletteBox(0)->text(), QStringLiteral("ff"));  // kept as typed
  Retype(dialog->PaletteBox(1), QStringLiteral("FFFFFFF"));
  EXPECT_EQ(dialog->PaletteBox(1)->text(), QStringLiteral("FFFFFF"));
  EXPECT_EQ(dialog->SwatchColor(1), QColor(255, 255, 255));
  Retype(dialog->PaletteBox(2), QString::fromUtf8("赤"));
  EXPECT_EQ(dialog->SwatchColor(2), QColor(0, 0, 0));

  // The chooser starts from the pairs of "fff"; cancelled, the text only
  // takes its normal form.
  Retype(dialog->PaletteBox(4), QStringLiteral("fff"));
  QLabel* area = dialog->ColorArea(4);
  EXPECT_EQ(area->toolTip(), QString::fromUtf8("ここを押すとカラーパレットを表示します"));
  QTest::mouseClick(area, Qt::LeftButton, {}, area->rect().center());
  ASSERT_EQ(chooserStarts.size(), 1u);
  EXPECT_EQ(chooserStarts[0], QColor(0, 0x0F, 0xFF));
  EXPECT_EQ(dialog->PaletteBox(4)->text(), QStringLiteral("000FFF"));
  chooserAnswer = QColor(0x12, 0x34, 0x56);
  QTest::mouseClick(dialog->ColorArea(5), Qt::LeftButton, {}, area->rect().center());
  EXPECT_EQ(dialog->PaletteBox(5)->text(), QStringLiteral("123456"));
  EXPECT_EQ(dialog->SwatchColor(5), QColor(0x12, 0x34, 0x56));
  // A chooser that fails changes nothing.
  dialog->SetColorChooser([](const QColor&, QWidget*) { return std::optional<QColor>(); });
  QTest::mouseClick(dialog->ColorArea(3), Qt::LeftButton, {}, area->rect().center());
  EXPECT_EQ(dialog->PaletteBox(3)->text(), QStringLiteral("000000"));
  ClickOk();
  EXPECT_EQ(settings.SoftColor[0], Rgb(0, 0, 255));
  EXPECT_EQ(settings.SoftColor[1], Rgb(255, 255, 255));
  EXPECT_EQ(settings.HtmlColor[1], Rgb(0, 15, 255));
  EXPECT_EQ(settings.HtmlColor[2], Rgb(0x12, 0x34, 0x56));
}

TEST_F(ConfigDialogTest, hypothesisBoxEnablesTheModesAndOkStoresTheMode) {
  settings.KateiOnOff = false;
  Open();
  EXPECT_FALSE(dialog->AssumeOption(0)->isEnabled());
  EXPECT_FALSE(dialog->AssumeOption(1)->isEnabled());
  Click(dialog->Assume());
  EXPECT_TRUE(dialog->AssumeOption(0)->isEnabled());
  Click(dialog->AssumeOption(0));
  Click(dialog->Assume());
  EXPECT_FALSE(dialog->AssumeOption(0)->isEnabled());
  ClickOk();
  EXPECT_FALSE(settings.KateiOnOff);
  EXPECT_EQ(settings.KateiMode, 0);  // selected, though disabled
}

TEST_F(ConfigDialogTest, associationClickedTwiceIsSetOnceWithTheFinalState) {
  Open();
  Click(dialog->Connect());
  Click(dialog->Connect());
  Click(dialog->AnotherAnswerOption(1));
  QTest::keyClick(dialog->ChangeSpeed(), Qt::Key_End);
  ClickOk();
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(association.calls, std::vector<bool>{false});
  EXPECT_FALSE(settings.AAnswerCheak);
  EXPECT_EQ(settings.NChangeSpeed, 8);
}

TEST_F(ConfigDialogTest, helpKeyFromEveryControlAndOtherKeysStillWork) {
  Open();
  dialog->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
  std::vector<QWidget*> controls = {
      dialog->NameBox(),  dialog->ChangeSpeed(), dialog->BeepOption(0), dialog->KateiMaxBar(1),
      dialog->OkButton(), dialog->Tabs(),        dialog->PaletteBox(2), dialog.get()};
  for (QWidget* control : controls) QTest::keyClick(control, Qt::Key_F1);
  EXPECT_EQ(helps, static_cast<int>(controls.size()));
  QTest::mouseClick(dialog->HelpButton(), Qt::LeftButton);
  EXPECT_EQ(helps, static_cast<int>(controls.size()) + 1);
  EXPECT_TRUE(dialog->isVisible());

  QLineEdit* name = dialog->NameBox();
  name->setText(QStringLiteral("abc"));
  QTest::keyClick(name, Qt::Key_Home);
  QTest::keyClick(name, Qt::Key_Delete);
  QTest::keyClick(name, Qt::Key_End);
  QTest::keyClick(name, Qt::Key_Left);
  QTest::keyClicks(name, QStringLiteral("X"));
  EXPECT_EQ(name->text(), QStringLiteral("bXc"));
  QTest::keyClick(dialog->ChangeSpeed(), Qt::Key_Right);
  EXPECT_EQ(dialog->ChangeSpeed()->value(), 3);
}

TEST_F(ConfigDialogTest, statusTextsFollowThePointerUnlessAlreadyShown) {
  Open();
  dialog->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
  QTest::mouseMove(dialog->BeepOption(1), QPoint(5, 5));
  EXPECT_EQ(dialog->StatusPanel()->text(), QString::fromUtf8("置けない数字の入力を無視します"));
  EXPECT_EQ(lastStatus, "置けない数字の入力を無視します");
  QTest::mouseMove(dialog->CancelButton(), QPoint(5, 5));
  EXPECT_EQ(dialog->StatusPanel()->text(), QString::fromUtf8("前の設定のままにします"));

  // The main window wrote this text last: it is not shown again here.
  lastStatus = "ヘルプを表示します";
  QTest::mouseMove(dialog->HelpButton(), QPoint(6, 6));
  EXPECT_EQ(dialog->StatusPanel()->text(), QString::fromUtf8("前の設定のままにします"));

  dialog->Tabs()->setCurrentIndex(2);
  QTest::mouseMove(dialog->LevelShowOption(1), QPoint(5, 5));
  EXPECT_EQ(dialog->StatusPanel()->text().toStdString(), "解き終わると「成功」とだけ表示します ");
  dialog->Tabs()->setCurrentIndex(1);
  QTest::mouseMove(dialog->RowLabel(7), QPoint(3, 3));
  EXPECT_EQ(lastStatus, "入る可能性のある数がこれ個以下の場合、仮定法を行う");
  EXPECT_FALSE(dialog->OkButton()->isEnabled());
}

}  // namespace
}  // namespace gridora::ui::testing
