// SPDX-License-Identifier: MIT
// The three editing dialogs opened from the main window's menu, shortcut
// and toolbar, and what their Ok leaves behind: the settings in the file at
// quit, the renumbered board, the puzzle texts.

#include <QColorDialog>
#include <QFile>
#include <vector>

#include "support/fake_association.h"

#include "ui/dialogs/config_dialog.h"
#include "ui/dialogs/property_dialog.h"
#include "ui/dialogs/swap_dialog.h"
#include "window_fixture.h"

namespace gridora::ui::testing {
namespace {

using gridora::testing::FakeAssociation;

class EditDialogsTest : public WindowTest {
 protected:
  FakeAssociation association;

  void SetUp() override {
    WindowTest::SetUp();
    window->SetAssociationService(&association);
  }
  QByteArray IniText() {
    QFile ini(config.filePath(QStringLiteral("gridora/Gridora.ini")));
    return ini.open(QIODevice::ReadOnly) ? ini.readAll() : QByteArray();
  }
  // Where the dialog sits against the main window, in pixels.
  QPoint Offset(const QDialog& dialog) const { return dialog.pos() - window->pos(); }
};

TEST_F(EditDialogsTest, settingsReachTheFileAtQuitAndShowOnTheNextStart) {
  QPoint offset;
  bool sameIcon = false;
  dialogAction = [&](QDialog& d) {
    auto& dialog = dynamic_cast<ConfigDialog&>(d);
    offset = Offset(dialog);
    sameIcon = dialog.windowIcon().cacheKey() == window->windowIcon().cacheKey();
    dialog.KateiMaxBox(0)->selectAll();
    QTest::keyClicks(dialog.KateiMaxBox(0), QStringLiteral("5"));
    dialog.BeepOption(1)->click();
    dialog.OkButton()->click();
  };
  window->Menu().mnuOtherConfig->trigger();
  EXPECT_EQ(dialogs, std::vector<QString>{QStringLiteral("frmConfig")});
  EXPECT_EQ(offset, QPoint(Px(900), Px(900)));
  EXPECT_TRUE(sameIcon);
  EXPECT_EQ(state.settings.KateiMax9, 5);
  EXPECT_FALSE(state.settings.Beep);
  EXPECT_FALSE(IniText().contains("[Option]"));  // only at quit
  window->Menu().mnuFileQuit->trigger();
  const QByteArray text = IniText();
  EXPECT_TRUE(text.contains("KateiMax9= 5\r\n")) << text.constData();
  EXPECT_TRUE(text.contains("Beep=False\r\n")) << text.constData();
  EXPECT_TRUE(association.calls.empty());

  AppState second;
  int max9 = 0;
  bool beepOff = false;
  auto other = StartMain(second, {}, [&](MainWindow& w) {
    w.SetDialogRunner([&](QDialog& d) {
      auto& dialog = dynamic_cast<ConfigDialog&>(d);
      max9 = dialog.KateiMaxBar(0)->value();
      beepOff = dialog.BeepOption(1)->isChecked();
      dialog.reject();
    });
  });
  other->Menu().mnuOtherConfig->trigger();
  EXPECT_EQ(max9, 5);
  EXPECT_TRUE(beepOff);
}

TEST_F(EditDialogsTest, colourChooserRunsAsTheWindowsDialogAndCancelDiscards) {
  std::vector<QColor> starts;
  dialogAction = [&](QDialog& d) {
    if (auto* chooser = dynamic_cast<QColorDialog*>(&d)) {
      starts.push_back(chooser->currentColor());
      chooser->setCurrentColor(QColor(0x11, 0x22, 0x33));
      chooser->accept();
      return;
    }
    auto& dialog = dynamic_cast<ConfigDialog&>(d);
    QTest::mouseClick(dialog.ColorArea(1), Qt::LeftButton, {},
                      dialog.ColorArea(1)->rect().center());
    EXPECT_EQ(dialog.PaletteBox(1)->text(), QStringLiteral("112233"));
    dialog.Connect()->click();
    dialog.CancelButton()->click();
  };
  window->Menu().mnuOtherConfig->trigger();
  EXPECT_EQ(starts, std::vector<QColor>{QColor(48, 112, 80)});
  EXPECT_EQ(state.settings.SoftColor[1], Rgb(48, 112, 80));
  EXPECT_TRUE(association.calls.empty());
}

TEST_F(EditDialogsTest, exchangeFromTheEditMenuRenumbersTheBoard) {
  SetCell(app(), 0, 1);
  Put(1, 128 + 2);
  RedrawBoard(app());
  state.DataChanged = false;
  QPoint offset;
  dialogAction = [&](QDialog& d) {
    auto& dialog = dynamic_cast<SwapDialog&>(d);
    offset = Offset(dialog);
    QTest::keyClick(dialog.Target(0), Qt::Key_Down);
    dialog.OkButton()->click();
  };
  window->Menu().mnuEditSwap->trigger();
  EXPECT_EQ(offset, QPoint(Px(600), Px(300)));
  EXPECT_EQ(Code(0), 2);
  EXPECT_EQ(Code(1), 128 + 1);
  EXPECT_EQ(Label(1)->text(), QStringLiteral("1"));
  EXPECT_TRUE(state.DataChanged);
  window->Menu().mnuEditUndo->trigger();
  EXPECT_EQ(Code(0), 1);
}

// The settings dialog and the digit exchange have no default button: after
// an edit has enabled Ok, Enter and the keypad's Enter press nothing,
// wherever the focus is (the edited control, Ok, Cancel).
TEST_F(EditDialogsTest, enterPressesNoButtonOfTheSettingsOrTheExchange) {
  SetCell(app(), 0, 1);
  std::vector<QString> pressed;  // the dialog and focus where a key closed it
  dialogAction = [&](QDialog& d) {
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    std::vector<QWidget*> focuses;
    std::vector<QPushButton*> buttons;
    if (auto* config = dynamic_cast<ConfigDialog*>(&d)) {
      QTest::mouseClick(config->BeepOption(1), Qt::LeftButton, {},
                        QPoint(8, config->BeepOption(1)->height() / 2));
      buttons = {config->OkButton(), config->CancelButton(), config->HelpButton()};
      focuses = {config->BeepOption(1), config->ChangeSpeed()};
    } else {
      auto& swap = dynamic_cast<SwapDialog&>(d);
      QTest::keyClick(swap.Target(0), Qt::Key_Down);
      buttons = {swap.OkButton(), swap.CancelButton(), swap.HelpButton()};
      focuses = {swap.Target(0)};
    }
    EXPECT_TRUE(buttons[0]->isEnabled());
    for (const QPushButton* button : buttons)
      EXPECT_FALSE(button->isDefault()) << button->objectName().toStdString();
    // Ok and Cancel (the help button would start a browser).
    focuses.insert(focuses.end(), buttons.begin(), buttons.begin() + 2);
    for (QWidget* focus : focuses) {
      focus->setFocus();
      for (const auto& [key, modifiers] :
           {std::pair{Qt::Key_Return, Qt::KeyboardModifiers{}},
            std::pair{Qt::Key_Enter, Qt::KeyboardModifiers{Qt::KeypadModifier}}}) {
        QTest::keyClick(focus, key, modifiers);
        if (!d.isVisible()) {
          pressed.push_back(d.objectName() + QLatin1Char('/') + focus->objectName());
          d.show();
        }
      }
    }
    d.reject();
  };
  window->Menu().mnuOtherConfig->trigger();
  window->Menu().mnuEditSwap->trigger();
  EXPECT_EQ(dialogs,
            (std::vector<QString>{QStringLiteral("frmConfig"), QStringLiteral("frmSwap")}));
  EXPECT_EQ(pressed, std::vector<QString>{});
  EXPECT_TRUE(state.settings.Beep);
  EXPECT_EQ(Code(0), 1);
}

TEST_F(EditDialogsTest, propertiesFromShortcutAndToolbarMarkThePuzzleChanged) {
  EXPECT_EQ(window->Menu().gdrFileProperty->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
  QPoint offset;
  dialogAction = [&](QDialog& d) {
    auto& dialog = dynamic_cast<PropertyDialog&>(d);
    offset = Offset(dialog);
    dialog.Comment()->setText(QString::fromUtf8("ひとこと"));
    dialog.OkButton()->click();
  };
  Key(Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(dialogs, std::vector<QString>{QStringLiteral("frmProperty")});
  EXPECT_EQ(offset, QPoint(Px(600), Px(300)));
  EXPECT_EQ(state.PuzzleComment, "ひとこと");
  EXPECT_EQ(window->Property(PropertyLabel::Comment)->text(), QString::fromUtf8("ひとこと"));
  EXPECT_TRUE(state.DataChanged);

  // The toolbar's property button opens it too; quitting now asks first.
  dialogAction = nullptr;  // cancelled
  ToolbarStrip* strip = window->Toolbar();
  const QPoint property(278, 12);
  QTest::mousePress(strip, Qt::LeftButton, {}, property);
  QTest::mouseRelease(strip, Qt::LeftButton, {}, property);
  EXPECT_EQ(dialogs.size(), 2u);
  answers.push_back(MessageAnswer::Cancel);
  window->Menu().mnuFileQuit->trigger();
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace gridora::ui::testing
