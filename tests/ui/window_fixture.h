// SPDX-License-Identifier: MIT
#pragma once
// A started main window (the whole start-up sequence) whose message boxes,
// pop-up list, dialogs and beep are answered by the test instead of a user.

#include <gtest/gtest.h>

#include <QDialog>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/board.h"
#include "ui/main/board_geometry.h"
#include "ui/main/start_up.h"

namespace gridora::ui::testing {

class WindowTest : public ::testing::Test {
 protected:
  struct Message {
    std::string text;
    std::string title;
    MessageButtons buttons;
    MessageIcon icon;
  };

  QTemporaryDir config;
  AppState state;
  std::unique_ptr<MainWindow> window;
  std::vector<Message> messages;
  std::deque<MessageAnswer> answers;  // next answers; Ok (or Yes) when empty
  int beeps = 0;
  // Decides what the pop-up list returns; closes it without a choice when unset.
  std::function<QAction*(QMenu&)> popupChoice;
  std::vector<QPoint> popupPlaces;  // where each pop-up menu was opened
  // Plays the user in every modal dialog (file dialogs, the version box);
  // a dialog is cancelled when unset, so no test waits on one.
  std::function<void(QDialog&)> dialogAction;
  std::vector<QString> dialogs;          // class names of the dialogs shown
  std::vector<QString> firstRunDialogs;  // those shown during start-up

  void SetUp() override {
    // A settings folder of this test only; it starts as a first run.
    ASSERT_TRUE(config.isValid());
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    setenv("XDG_STATE_HOME", (config.path() + QStringLiteral("/state")).toLocal8Bit().constData(),
           1);
    // Play mode's records and kept games.
    setenv("XDG_DATA_HOME", (config.path() + QStringLiteral("/data")).toLocal8Bit().constData(), 1);
    // The ratings of a collection's list.
    setenv("XDG_CACHE_HOME", (config.path() + QStringLiteral("/cache")).toLocal8Bit().constData(),
           1);
    window = StartMain(state, {}, [this](MainWindow& w) {
      w.SetMessageAnswerer([this](const std::string& text, const std::string& title,
                                  MessageButtons buttons, MessageIcon icon) {
        messages.push_back({text, title, buttons, icon});
        if (!answers.empty()) {
          const MessageAnswer answer = answers.front();
          answers.pop_front();
          return answer;
        }
        return buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel
                   ? MessageAnswer::Ok
                   : MessageAnswer::Yes;
      });
      w.SetPopupRunner([this](QMenu& menu, const QPoint& at) -> QAction* {
        popupPlaces.push_back(at);
        QAction* chosen = popupChoice ? popupChoice(menu) : nullptr;
        if (chosen && chosen->isEnabled()) chosen->trigger();  // as a click would
        return chosen;
      });
      w.SetBeeper([this] { ++beeps; });
      w.SetDialogRunner([this](QDialog& dialog) {
        dialogs.push_back(dialog.objectName().isEmpty()
                              ? QString::fromLatin1(dialog.metaObject()->className())
                              : dialog.objectName());
        if (dialogAction) {
          dialogAction(dialog);
        } else {
          dialog.reject();
        }
      });
    });
    // The first run's greeting box and beep belong to start-up, not to the test.
    firstRunDialogs = dialogs;
    dialogs.clear();
    beeps = 0;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  App app() { return window->app(); }
  int Code(int cell) const { return state.Board[static_cast<std::size_t>(cell)]; }
  void Put(int cell, int code) {
    state.Board[static_cast<std::size_t>(cell)] = static_cast<CellCode>(code);
  }

  CellLabel* Label(int cell) const { return window->Board(state.BoardSize)->Label(cell); }
  void Press(int cell, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(Label(cell), button, {}, Label(cell)->rect().center());
  }
  void Release(int cell, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseRelease(Label(cell), button, {}, Label(cell)->rect().center());
  }
  void Click(int cell, Qt::MouseButton button = Qt::LeftButton) {
    Press(cell, button);
    Release(cell, button);
  }
  // Moves the pointer, with the buttons still held, to `pos` of `target`.
  // Qt delivers the move to the label that got the press, as the mouse grab
  // does with a real pointer.
  void DragTo(int pressedCell, QWidget* target, const QPoint& pos) {
    QTest::mouseMove(Label(pressedCell),
                     Label(pressedCell)->mapFrom(window.get(), target->mapTo(window.get(), pos)));
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(window.get(), static_cast<Qt::Key>(key), modifiers);
  }
  // Switches the input mode through its menu item, as the user does.
  void ChooseMode(int mode) {
    window->Menu().mnuPopInput[static_cast<std::size_t>(mode)]->trigger();
  }

  // Runs the event loop until `done` holds or `ms` have passed.
  static bool WaitFor(const std::function<bool()>& done, int ms = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
      if (clock.elapsed() > ms) return false;
      QTest::qWait(5);
    }
    return true;
  }

  std::string Inform() const { return window->InformPanel()->text().toStdString(); }
};

}  // namespace gridora::ui::testing
