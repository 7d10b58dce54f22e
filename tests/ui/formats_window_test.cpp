// SPDX-License-Identifier: MIT
// Other programs' puzzle files in the window: a collection opened, moved
// through, solved in play mode, listed with results and ratings and resumed
// by a new start; the board saved as .sdk with the player's digits and
// notes and read back into play mode; a broken file refused.

#include <QFileDialog>
#include <QLabel>
#include <QTableView>

#include "core/board.h"
#include "formats/text_lines.h"
#include "logic/logic_engine.h"
#include "play/records.h"
#include "support/temp_dir.h"
#include "ui/main/formats_tools.h"
#include "ui/main/play_mode.h"
#include "window_fixture.h"

namespace gridora::ui::testing {
namespace {

const std::string kTop1 =
    "4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........";
const std::string kClassic =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
const std::string kThird =
    "7.8...3.....2.1...5.........4.....263...8.......1...9..9.6....4....7.5...........";

class FormatsWindowTest : public WindowTest {
 protected:
  gridora::testing::TempDir dir;

  void ChooseFile(const std::string& path) {
    dialogAction = [path](QDialog& dialog) {
      auto& files = dynamic_cast<QFileDialog&>(dialog);
      files.selectFile(QString::fromStdString(path));
      QMetaObject::invokeMethod(&files, "accept");
    };
  }
  QAction* Item(const char* name) { return window->findChild<QAction*>(QString::fromLatin1(name)); }
  std::string Position() { return window->Formats().PositionLabel()->text().toStdString(); }
  std::string Cells() {
    std::string cells;
    for (int k = 0; k < state.CellCount(); ++k) cells += formats::CellChar(DigitOf(Code(k)));
    return cells;
  }
  // A new program start in the same settings and state folders.
  void Restart() {
    window.reset();
    state = AppState();
    window = StartMain(state, {}, [this](MainWindow& w) {
      w.SetMessageAnswerer([this](const std::string& text, const std::string& title,
                                  MessageButtons buttons, MessageIcon icon) {
        messages.push_back({text, title, buttons, icon});
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
      });
      w.SetDialogRunner([this](QDialog& dialog) {
        if (dialogAction) {
          dialogAction(dialog);
        } else {
          dialog.reject();
        }
      });
    });
  }
};

TEST_F(FormatsWindowTest, aCollectionIsPlayedKeptAndResumedAndAPuzzleSavedAsSdk) {
  const std::string path = dir / "three.sdm";
  gridora::testing::WriteBytes(path, kTop1 + "\r\n" + kClassic + " classic\r\n" + kThird + "\r\n");
  EXPECT_FALSE(Item("mnuToolsNextPuzzle")->isEnabled());
  EXPECT_FALSE(window->Formats().PositionLabel()->isVisible());

  ChooseFile(path);
  Item("mnuToolsOpenOther")->trigger();
  EXPECT_EQ(Position(), "問題 1 / 3");
  EXPECT_EQ(Inform(), "問題 1 / 3");
  EXPECT_TRUE(window->Formats().PositionLabel()->isVisible());
  EXPECT_EQ(Cells(), kTop1);
  EXPECT_EQ(state.PuzzleFileName, "(未定)");
  EXPECT_TRUE(Item("mnuToolsNextPuzzle")->isEnabled());
  EXPECT_EQ(Item("mnuToolsNextPuzzle")->text(), QString::fromUtf8("次の問題(&J)"));
  EXPECT_EQ(Item("mnuToolsPreviousPuzzle")->text(), QString::fromUtf8("前の問題"));

  Key(Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(Position(), "問題 2 / 3");
  EXPECT_EQ(Cells(), kClassic);
  EXPECT_EQ(state.PuzzleComment, "classic");

  // A puzzle of a collection is played in play mode: its givens refuse
  // the keys, and the player fills the board cell by cell: the solved
  // moment keeps the result in play mode's records, under the size and
  // grade and under the collection's key.
  ASSERT_TRUE(window->Play().Active());
  ChooseMode(1);  // keypad
  PlaceCursor(app(), 0);
  Key(Qt::Key_1);
  EXPECT_EQ(Code(0), 5);
  for (int k = 0; k < 81; ++k) {
    if (kClassic[static_cast<std::size_t>(k)] != '.') continue;
    PlaceCursor(app(), k);
    Key(Qt::Key_0 + kSolution[static_cast<std::size_t>(k)] - '0');
  }
  ASSERT_TRUE(WaitFor([&] { return !messages.empty() && messages.back().title == "完成"; }));
  EXPECT_EQ(Inform(), "問題 2 / 3 を解きました");
  const formats::PuzzleResult result = window->Formats().collection()->ResultOf(1);
  EXPECT_TRUE(result.solved);
  EXPECT_FALSE(result.helped);
  const play::Records records = play::Records::Load(window->Play().RecordsFile());
  EXPECT_EQ(records.SummaryOf(window->Formats().collection()->RecordKeyOf(1)).solved, 1);
  EXPECT_EQ(records.Keys().size(), 2u) << "the size and grade, and the collection's puzzle";

  // Back to the first: the solved board is not saved (No).
  answers = {MessageAnswer::No};
  Key(Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(Position(), "問題 1 / 3");
  EXPECT_EQ(messages.back().title, "セーブ確認");

  // A new start comes back to the collection at its first unsolved puzzle,
  // and the list shows the solved one.
  Restart();
  EXPECT_EQ(Position(), "問題 1 / 3");
  EXPECT_EQ(Cells(), kTop1);
  // Its rating is found in the background when its row is shown.
  std::vector<QString> states;
  QString ratingAsked, ratingFound;
  dialogAction = [&](QDialog& dialog) {
    auto* table = dialog.findChild<QTableView*>(QStringLiteral("tblPuzzles"));
    QAbstractItemModel* model = table->model();
    for (int row = 0; row < model->rowCount(); ++row) {
      states.push_back(model->index(row, 1).data().toString());
    }
    EXPECT_EQ(model->headerData(3, Qt::Horizontal).toString(), QString::fromUtf8("難易度 (ER)"));
    bool changed = false;
    QObject::connect(model, &QAbstractItemModel::dataChanged,
                     [&](const QModelIndex& from) { changed = changed || from.row() == 1; });
    ratingAsked = model->index(1, 3).data().toString();
    EXPECT_TRUE(WaitFor([&] { return changed; }, 120000));
    ratingFound = model->index(1, 3).data().toString();
    table->selectRow(2);
    dialog.accept();
  };
  Item("mnuToolsPuzzleList")->trigger();
  EXPECT_EQ(states, (std::vector<QString>{QString::fromUtf8("解いている途中"),
                                          QString::fromUtf8("解いた"), QString()}));
  logic::Digits classic{};
  for (std::size_t k = 0; k < 81; ++k)
    classic[k] = static_cast<std::uint8_t>(kClassic[k] == '.' ? 0 : kClassic[k] - '0');
  const logic::Path rated = logic::SolvePath(9, classic);
  EXPECT_EQ(ratingAsked, QString::fromUtf8("…"));
  EXPECT_EQ(ratingFound.toStdString(), formats::RatingText({rated.er, rated.solved}));
  EXPECT_EQ(Position(), "問題 3 / 3");
  EXPECT_EQ(Cells(), kThird);

  // The board as .sdk: the puzzle and the player's digit apart, and the
  // player's note as a pencil mark.
  SetCell(app(), 1, 1);
  ASSERT_TRUE(window->Play().Game().ToggleNote(3, 5));
  const std::string saved = dir / "mine.sdk";
  ChooseFile(saved);
  Item("mnuToolsSaveOther")->trigger();
  const std::string bytes = gridora::testing::ReadBytes(saved);
  EXPECT_NE(bytes.find("[Puzzle]\r\n7.8...3..\r\n"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("[State]\r\n718...3..\r\n"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("[PencilMarks]\r\n. . . 5 . . . . .\r\n"), std::string::npos) << bytes;

  // Read back as a single puzzle: the collection closes, and the player's
  // digit and note come back as a game in play.
  answers = {MessageAnswer::No};  // the board changed: not saved
  ChooseFile(saved);
  Item("mnuToolsOpenOther")->trigger();
  EXPECT_FALSE(window->Formats().collection());
  ASSERT_TRUE(window->Play().Active());
  EXPECT_EQ(Code(1), 1);
  EXPECT_FALSE(window->Play().Game().IsGiven(1));
  EXPECT_TRUE(window->Play().Game().IsGiven(0));
  EXPECT_EQ(window->Play().Game().Notes(3), 1 << 4);

  // A broken file is refused with its line; the board and the collection stay.
  ChooseFile(dir / "three.sdm");
  Item("mnuToolsOpenOther")->trigger();
  const std::string broken = dir / "broken.sdm";
  gridora::testing::WriteBytes(broken, kTop1 + "\n" + kTop1.substr(2) + "\n");
  const std::string before = Cells();
  messages.clear();
  answers = {MessageAnswer::No};
  ChooseFile(broken);
  Item("mnuToolsOpenOther")->trigger();
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(messages.back().text,
            broken + " の 2 行目\r\n1行の問題のマスの数が81でも256でもありません。");
  EXPECT_EQ(Cells(), before);
  EXPECT_EQ(Position(), "問題 3 / 3");
}

}  // namespace
}  // namespace gridora::ui::testing
