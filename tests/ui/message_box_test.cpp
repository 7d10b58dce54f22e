// SPDX-License-Identifier: MIT
// The real message box behind ShowMessage: title, icon, lines and buttons,
// answered by clicking a button as soon as the box is up.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "window_fixture.h"

namespace gridora::ui::testing {
namespace {

class MessageBoxTest : public WindowTest {
 protected:
  struct Seen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
  };

  // Shows a real box and clicks `click` in it.
  MessageAnswer Ask(MessageButtons buttons, MessageIcon icon, QMessageBox::StandardButton click,
                    Seen& seen) {
    window->SetMessageAnswerer(nullptr);
    QTimer::singleShot(0, window.get(), [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
      box->button(click)->click();
    });
    return window->ShowMessage("一行目\r\n二行目", "ロード失敗", buttons, icon);
  }
};

TEST_F(MessageBoxTest, informationBoxWithOk) {
  Seen seen;
  EXPECT_EQ(Ask(MessageButtons::Ok, MessageIcon::Information, QMessageBox::Ok, seen),
            MessageAnswer::Ok);
  EXPECT_EQ(seen.title, QString::fromUtf8("ロード失敗"));
  EXPECT_EQ(seen.text, QString::fromUtf8("一行目\n二行目"));
  EXPECT_EQ(seen.icon, QMessageBox::Information);
  EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

TEST_F(MessageBoxTest, yesNoCancelAnswers) {
  Seen seen;
  EXPECT_EQ(Ask(MessageButtons::YesNoCancel, MessageIcon::Exclamation, QMessageBox::No, seen),
            MessageAnswer::No);
  EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_EQ(seen.icon, QMessageBox::Warning);
  EXPECT_EQ(Ask(MessageButtons::YesNoCancel, MessageIcon::None, QMessageBox::Cancel, seen),
            MessageAnswer::Cancel);
  EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
  EXPECT_EQ(Ask(MessageButtons::YesNo, MessageIcon::Question, QMessageBox::Yes, seen),
            MessageAnswer::Yes);
  EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
}

}  // namespace
}  // namespace gridora::ui::testing
