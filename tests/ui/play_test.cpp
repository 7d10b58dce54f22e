// SPDX-License-Identifier: MIT
// Play mode in the real window: a pasted puzzle starts a game; givens are
// refused in every input mode; digits and notes go through the keypad, the
// mouse and the lists; undo and redo walk both; the solved moment writes a
// record the dialog shows; the game comes back with its file.

#include <QFile>
#include <QFileDialog>
#include <QTableWidget>

#include "core/file_commands.h"
#include "play/kept_games.h"
#include "play/player_colour.h"
#include "play/records.h"
#include "ui/dialogs/records_dialog.h"
#include "ui/main/play_mode.h"
#include "window_fixture.h"

namespace gridora::ui::testing {
namespace {

constexpr const char* kPuzzle =
    "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
constexpr const char* kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

class PlayTest : public WindowTest {
 protected:
  PlayMode& Play() { return window->Play(); }
  void Run(CommandId id, int argument = 0) { window->RunCommand({id, argument}); }
  void Paste(const std::string& text) {
    window->SetClipboard({[text] { return text; }, [](const std::string&) {}});
    Run(CommandId::PastePuzzle);
  }
  void Settle() { QTest::qWait(20); }
  // The keypad cursor to `cell`, then `key`.
  void TypeAt(int cell, int key, Qt::KeyboardModifiers modifiers = {}) {
    PlaceCursor(app(), cell);
    Key(key, modifiers);
    Settle();
  }
  QColor TextColour(int cell) { return Label(cell)->palette().color(QPalette::WindowText); }
  const BoardMarks& Marks() { return window->Board(state.BoardSize)->Marks(); }
};

TEST_F(PlayTest, aPastedPuzzleIsPlayedToTheEndWithNotesUndoAndARecord) {
  Paste(kPuzzle);
  ASSERT_TRUE(Play().Active());
  EXPECT_TRUE(Play().Menu().play->isChecked());
  EXPECT_EQ(Inform(), "問題を貼り付けました");  // the paste's own message stays
  ChooseMode(1);                                // keypad

  // A given refuses the keypad, the right button and the mouse mode.
  state.settings.Beep = true;
  TypeAt(0, Qt::Key_1);  // legal there, were the cell empty
  EXPECT_EQ(Code(0), 5);
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(Inform(), kGivenRefusedText);
  Click(1, Qt::RightButton);
  EXPECT_EQ(Code(1), 3);
  ChooseMode(0);
  Click(4);
  EXPECT_EQ(Code(4), 7);
  EXPECT_EQ(beeps, 3);
  ChooseMode(1);

  // The player's digit: black in the model, the player's colour on screen.
  TypeAt(2, Qt::Key_4);
  EXPECT_EQ(Code(2), 4);
  const QColor player = QColor::fromRgb(RedOf(play::PlayerDigitColor(state.settings.SoftColor)),
                                        GreenOf(play::PlayerDigitColor(state.settings.SoftColor)),
                                        BlueOf(play::PlayerDigitColor(state.settings.SoftColor)));
  EXPECT_EQ(TextColour(2), player);
  EXPECT_EQ(TextColour(0), QColor(Qt::black));

  // Notes: F4, then digits toggle notes and the cursor stays.
  Key(Qt::Key_F4);
  ASSERT_TRUE(Play().Menu().noteInput->isChecked());
  TypeAt(3, Qt::Key_6);
  EXPECT_EQ(state.CursorCell, 3);
  Key(Qt::Key_2);
  Settle();
  TypeAt(22, Qt::Key_6);  // the box of cell 3
  TypeAt(30, Qt::Key_6);  // column 3
  EXPECT_EQ(Code(3), 0);
  EXPECT_EQ(Marks().notes[3], (1u << 5) | (1u << 1));
  EXPECT_EQ(Marks().notes[30], 1u << 5);
  // The middle button opens the note list in any mode.
  popupChoice = [](QMenu& menu) { return menu.actions().at(0); };  // "1"
  Click(40, Qt::MiddleButton);
  Settle();
  EXPECT_EQ(Marks().notes[40], 1u);
  Key(Qt::Key_F4);  // digits again

  // 6 in cell 3: the 6s of its row, column and box go.
  TypeAt(3, Qt::Key_6);
  EXPECT_EQ(Code(3), 6);
  EXPECT_EQ(Marks().notes[22], 0u);
  EXPECT_EQ(Marks().notes[30], 0u);
  EXPECT_EQ(Marks().notes[40], 1u);

  // Undo: the 6 with its notes, the note of the list, the three notes, the 4.
  Run(CommandId::Undo);
  Settle();
  EXPECT_EQ(Code(3), 0);
  EXPECT_EQ(Marks().notes[30], 1u << 5);
  for (int k = 0; k < 5; ++k) Run(CommandId::Undo);
  Settle();
  EXPECT_EQ(Marks().notes[3], 0u);
  EXPECT_EQ(Code(2), 4);
  Run(CommandId::Undo);
  Run(CommandId::Undo);  // nothing more: the givens stay
  Settle();
  EXPECT_EQ(Code(2), 0);
  EXPECT_EQ(Code(0), 5);
  for (int k = 0; k < 7; ++k) Run(CommandId::Redo);
  Settle();
  EXPECT_EQ(Code(2), 4);
  EXPECT_EQ(Code(3), 6);
  EXPECT_EQ(Marks().notes[40], 1u);

  // The notes win over the candidates, which go fainter.
  Run(CommandId::ShowCandidates);
  Settle();
  EXPECT_TRUE(Marks().candidatesFaint);
  Run(CommandId::CandidatesToNotes);
  Settle();
  EXPECT_EQ(Marks().notes[4 * 9 + 4] != 0, Code(40) == 0);
  Run(CommandId::ClearNotes);
  Settle();
  EXPECT_FALSE(Marks().candidatesFaint);

  // A wrong digit shows only when asked for.
  TypeAt(5, Qt::Key_2);  // 8 belongs there; 2 breaks no rule
  ASSERT_EQ(Code(5), 2);
  EXPECT_FALSE(Marks().wrongDigits.test(5));
  EXPECT_NE(TextColour(5), QColor(255, 0, 0));
  Run(CommandId::ShowWrongDigits);
  Settle();
  EXPECT_TRUE(Marks().wrongDigits.test(5));
  EXPECT_EQ(Marks().wrongDigits.count(), 1u);
  EXPECT_EQ(TextColour(5), QColor(255, 0, 0));  // as a mistake is drawn
  Run(CommandId::ShowWrongDigits);

  // Fill from the solution: one message, with the time; a record.
  for (int cell = 0; cell < 81; ++cell) {
    if (Code(cell) != kSolution[cell] - '0') TypeAt(cell, Qt::Key_0 + (kSolution[cell] - '0'));
  }
  ASSERT_TRUE(WaitFor([&] { return !messages.empty(); }));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].title, kSolvedTitle);
  EXPECT_EQ(messages[0].text.rfind("正解です！\r\n時間：", 0), 0u) << messages[0].text;
  const play::Records records = play::Records::Load(Play().RecordsFile());
  ASSERT_EQ(records.Keys().size(), 1u);
  EXPECT_EQ(records.SummaryOf(records.Keys()[0]).solved, 1);

  bool shown = false;
  dialogAction = [&](QDialog& dialog) {
    auto& box = dynamic_cast<RecordsDialog&>(dialog);
    shown = box.Summary()->rowCount() == 1 && box.Results()->rowCount() == 1;
    dialog.accept();
  };
  Run(CommandId::Records);
  EXPECT_TRUE(shown);
}

TEST_F(PlayTest, aSavedGameComesBackWithItsFileAndNotWithAnother) {
  Paste(kPuzzle);
  ChooseMode(1);
  TypeAt(2, Qt::Key_4);
  Key(Qt::Key_F4);
  TypeAt(3, Qt::Key_2);
  Key(Qt::Key_F4);
  const std::string path = (config.path() + QStringLiteral("/game.gdr")).toStdString();
  dialogAction = [path](QDialog& dialog) {
    auto& files = dynamic_cast<QFileDialog&>(dialog);
    files.selectFile(QString::fromStdString(path));
    dialog.accept();
  };
  Run(CommandId::SavePuzzleAs);
  ASSERT_EQ(state.PuzzleFileName, path);

  // A new puzzle, then the file again: givens, notes, player's digit.
  Run(CommandId::NewPuzzle9);
  EXPECT_FALSE(Play().Active());
  Run(CommandId::OpenPuzzle);
  ASSERT_TRUE(Play().Active());
  EXPECT_TRUE(Play().Game().IsGiven(0));
  EXPECT_FALSE(Play().Game().IsGiven(2));
  EXPECT_EQ(Code(2), 4);
  EXPECT_EQ(Play().Game().Notes(3), 1u << 1);

  // Changed on disk: the file is a puzzle of its own.
  Run(CommandId::NewPuzzle9);
  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::Append));
  file.write("\r\n");
  file.close();
  Run(CommandId::OpenPuzzle);
  EXPECT_EQ(Code(2), 4);
  EXPECT_FALSE(Play().Active());

  // Turned on by hand: the black digits become the givens.
  Run(CommandId::PlayMode);
  EXPECT_EQ(Inform(), kPlayStartedText);
  EXPECT_TRUE(Play().Game().IsGiven(2));
  Run(CommandId::PlayMode);
  EXPECT_FALSE(Play().Active());
}

}  // namespace
}  // namespace gridora::ui::testing
