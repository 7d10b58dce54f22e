// SPDX-License-Identifier: MIT
// The file commands through the window: the save-changes question in front
// of the commands that discard the puzzle, Qt's file dialog driven like a
// user would, the command line at start-up, and quitting.

#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>

#include "window_fixture.h"

namespace gridora::ui::testing {
namespace {

class FileCommandTest : public WindowTest {
 protected:
  QTemporaryDir folder;

  std::string PathOf(const char* name) const {
    return folder.filePath(QLatin1String(name)).toStdString();
  }
  // The next file dialog chooses `path` and is accepted.
  void ChooseInDialog(const std::string& path) {
    dialogAction = [path](QDialog& dialog) {
      auto& files = dynamic_cast<QFileDialog&>(dialog);
      files.selectFile(QString::fromStdString(path));
      QMetaObject::invokeMethod(&files, "accept");  // the dialog's OK
    };
  }
};

// A new puzzle's date is today in the short form of the locale that dates
// are written in (LC_ALL, LC_TIME, LANG, the first one set); under the C
// or POSIX locale, or one the system does not know, as a Japanese system
// writes it: 2026/12/07, never "7 Dec 2026".
TEST_F(FileCommandTest, newPuzzleDateFollowsTheTimeLocaleAndIsYearFirstUnderC) {
  struct Case {
    const char* all;
    const char* time;
    const char* lang;
    const char* format;
  };
  const Case cases[] = {
      {nullptr, nullptr, "C.UTF-8", "yyyy/MM/dd"},
      {nullptr, nullptr, "POSIX", "yyyy/MM/dd"},
      {nullptr, nullptr, nullptr, "yyyy/MM/dd"},
      {nullptr, "C", "de_DE.UTF-8", "yyyy/MM/dd"},
      {"C.utf8", "de_DE.UTF-8", "de_DE.UTF-8", "yyyy/MM/dd"},
      {nullptr, nullptr, "xx_YY.UTF-8", "yyyy/MM/dd"},
      {nullptr, nullptr, "de_DE.UTF-8", "dd.MM.yy"},
      {nullptr, "ja_JP.UTF-8", "C.UTF-8", "yyyy/MM/dd"},
      {"", "", "en_US.UTF-8", "M/d/yy"},
  };
  const std::vector<std::pair<const char*, std::optional<std::string>>> saved = [] {
    std::vector<std::pair<const char*, std::optional<std::string>>> values;
    for (const char* name : {"LC_ALL", "LC_TIME", "LANG"}) {
      const char* value = std::getenv(name);
      values.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    }
    return values;
  }();
  const auto set = [](const char* name, const char* value) {
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  };
  for (const Case& c : cases) {
    set("LC_ALL", c.all);
    set("LC_TIME", c.time);
    set("LANG", c.lang);
    window->Menu().mnuFileNew9->trigger();
    const std::string today =
        QDate::currentDate().toString(QString::fromLatin1(c.format)).toStdString();
    EXPECT_EQ(state.PuzzleDate, today) << (c.lang ? c.lang : "(no LANG)");
    EXPECT_EQ(window->Property(PropertyLabel::Date)->text().toStdString(), today);
  }
  for (const auto& [name, value] : saved) set(name, value ? value->c_str() : nullptr);
}

TEST_F(FileCommandTest, saveAsThenOpenThroughTheFileDialog) {
  SetCell(app(), 0, 5);
  SetCell(app(), 80, 133);  // a green digit is not saved
  const std::string path = PathOf("round.gdr");
  ChooseInDialog(path);
  window->Menu().mnuFileSave->trigger();
  ASSERT_TRUE(QFileInfo::exists(QString::fromStdString(path)));
  EXPECT_EQ(state.PuzzleFileName, path);
  EXPECT_FALSE(state.DataChanged);
  EXPECT_EQ(window->Property(PropertyLabel::FileName)->text(), QStringLiteral("round"));
  EXPECT_EQ(Inform(), "ファイルを保存しました");

  Key(Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(Code(0), 0);
  ChooseInDialog(path);
  Key(Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(Code(0), 5);
  EXPECT_EQ(Code(80), 0);
  EXPECT_EQ(Label(0)->text(), QStringLiteral("5"));
  EXPECT_EQ(Inform(), "ファイルを開きました");
  EXPECT_EQ(dialogs.back(), QStringLiteral("QFileDialog"));
}

TEST_F(FileCommandTest, overwriteSaveOfAPuzzleWithoutAFileAsksForAName) {
  SetCell(app(), 3, 7);
  dialogAction = nullptr;  // the user cancels the dialog
  Key(Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(dialogs.size(), 1u);
  EXPECT_TRUE(state.DataChanged);
  EXPECT_EQ(state.PuzzleFileName, "(未定)");
}

TEST_F(FileCommandTest, newPuzzleWithUnsavedChangesAnsweredCancel) {
  SetCell(app(), 10, 4);
  answers.push_back(MessageAnswer::Cancel);
  Key(Qt::Key_M, Qt::ControlModifier);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "ナンプレデータが変更されています。\r\n保存しますか？");
  EXPECT_EQ(messages[0].buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(state.BoardSize, 9);
  EXPECT_EQ(Code(10), 4);
  EXPECT_TRUE(window->Board(9)->isVisible());
}

TEST_F(FileCommandTest, closeButtonWithUnsavedChangesAnsweredCancel) {
  SetCell(app(), 10, 4);
  answers.push_back(MessageAnswer::Cancel);
  window->close();  // the frame's close box
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].title, "セーブ確認");
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(Code(10), 4);
  EXPECT_TRUE(state.DataChanged);
}

TEST_F(FileCommandTest, quitWithUnsavedChangesAnsweredNoCloses) {
  SetCell(app(), 10, 4);
  answers.push_back(MessageAnswer::No);
  window->Menu().mnuFileQuit->trigger();
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(state.DataChanged);
}

TEST_F(FileCommandTest, closeWithoutChangesAsksNothingAndSavesTheSettings) {
  state.settings.NChangeSpeed = 7;
  window->MoveMainWindow(1500, 3000);
  window->close();
  EXPECT_TRUE(messages.empty());
  EXPECT_FALSE(window->isVisible());
  QFile ini(config.filePath(QStringLiteral("gridora/Gridora.ini")));
  ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
  const QByteArray text = ini.readAll();
  EXPECT_TRUE(text.contains("NChangeSpeed= 7\r\n")) << text.constData();
  EXPECT_TRUE(text.contains("Left= 1500\r\n")) << text.constData();
  EXPECT_TRUE(text.contains("Top= 3000\r\n")) << text.constData();
}

TEST_F(FileCommandTest, cancelledQuitWritesNoSettings) {
  SetCell(app(), 0, 1);
  answers.push_back(MessageAnswer::Cancel);
  window->Menu().mnuFileQuit->trigger();
  QFile ini(config.filePath(QStringLiteral("gridora/Gridora.ini")));
  ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
  EXPECT_FALSE(ini.readAll().contains("[Option]"));  // only the first run's lines
  EXPECT_TRUE(window->isVisible());
}

TEST_F(FileCommandTest, commandLinePuzzleIsOpenWhenTheWindowShows) {
  SetCell(app(), 0, 9);
  SetCell(app(), 1, 8);
  const std::string path = PathOf("start.gdr");
  ChooseInDialog(path);
  window->Menu().mnuFileSave->trigger();
  ASSERT_TRUE(QFileInfo::exists(QString::fromStdString(path)));

  AppState second;
  bool visibleWhileLoading = true;
  auto other = StartMain(second, {path}, [&](MainWindow& w) {
    visibleWhileLoading = w.isVisible();
    w.SetMessageAnswerer([](const std::string&, const std::string&, MessageButtons, MessageIcon) {
      return MessageAnswer::Ok;
    });
    w.SetDialogRunner([](QDialog& dialog) { dialog.reject(); });
  });
  EXPECT_FALSE(visibleWhileLoading);
  EXPECT_TRUE(other->isVisible());
  EXPECT_EQ(second.PuzzleFileName, path);
  EXPECT_EQ(other->Board(9)->Label(1)->text(), QStringLiteral("8"));
  EXPECT_EQ(other->Property(PropertyLabel::FileName)->text(), QStringLiteral("start"));
}

TEST_F(FileCommandTest, unreadableCommandLinePuzzleLeavesTheEmptyPuzzle) {
  AppState second;
  std::vector<std::string> boxes;
  auto other = StartMain(second, {PathOf("missing.gdr")}, [&](MainWindow& w) {
    w.SetMessageAnswerer(
        [&](const std::string& text, const std::string& title, MessageButtons, MessageIcon) {
          boxes.push_back(title + ":" + text);
          return MessageAnswer::Ok;
        });
    w.SetDialogRunner([](QDialog& dialog) { dialog.reject(); });
  });
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], "ロード失敗:データファイルにアクセスできません。");
  EXPECT_EQ(second.PuzzleFileName, "(未定)");
  EXPECT_TRUE(other->isVisible());
}

}  // namespace
}  // namespace gridora::ui::testing
