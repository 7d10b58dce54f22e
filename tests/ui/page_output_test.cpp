// SPDX-License-Identifier: MIT
// "問題を印刷" and "問題集を作る" driven through the window: the dialogs, the
// book made on a worker thread while the window stays usable, its
// cancellation, the print preview, and the PDFs read back with pdftotext.

#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include "ui/dialogs/page_dialogs.h"
#include "ui/main/page_output.h"
#include "ui/main/play_mode.h"
#include "window_fixture.h"

namespace gridora::ui::testing {
namespace {

class PageOutputTest : public WindowTest {
 protected:
  QTemporaryDir scratch;
  QStringList asked;  // the file names suggested for PDFs
  bool done = false;

  void SetUp() override {
    WindowTest::SetUp();
    window->Pages().SetPdfPathAsker([this](const QString& suggested) {
      asked << suggested;
      return scratch.filePath(QStringLiteral("out"));  // ".pdf" is added
    });
    window->Pages().SetBookDoneHook([this] { done = true; });
  }
  QAction* Item(const char* name) { return window->findChild<QAction*>(QString::fromLatin1(name)); }
  // What pdftotext reads in the PDF written, and its page count.
  QString PdfText() {
    QProcess text;
    text.start(QStringLiteral("pdftotext"),
               {QStringLiteral("-layout"), scratch.filePath(QStringLiteral("out.pdf")), "-"});
    text.waitForFinished(30000);
    return QString::fromUtf8(text.readAllStandardOutput());
  }
  int PdfPages() { return static_cast<int>(PdfText().count(QChar('\f'))); }
  static void SetBook(BookDialog& book, int size, int count, int perPage, const char* seed) {
    book.SizeBox()->setCurrentIndex(size == 16 ? 1 : 0);
    book.GradeBox()->setCurrentIndex(0);  // やさしい
    book.CountBox()->setValue(count);
    book.PerPageBox()->setCurrentIndex(book.PerPageBox()->findText(QString::number(perPage)));
    book.SymmetricBox()->setChecked(false);
    book.TitleEdit()->setText(QStringLiteral("窓の問題集"));
    book.SeedEdit()->setText(QString::fromLatin1(seed));
  }
};

// The book is made while the window stays enabled and a progress dialog
// counts the puzzles; then its pages go into the PDF: 5 puzzles at 4 a
// page make two pages and one of solutions.
TEST_F(PageOutputTest, bookIsMadeInTheBackgroundAndSavedAsPdf) {
  const QStringList texts = {QStringLiteral("問題を印刷...(&B)"),
                             QStringLiteral("問題集を作る...(&K)")};
  EXPECT_EQ((QStringList{Item("mnuToolsPrintPuzzle")->text(), Item("mnuToolsBook")->text()}),
            texts);
  dialogAction = [](QDialog& dialog) {
    auto& book = dynamic_cast<BookDialog&>(dialog);
    EXPECT_EQ(book.PerPageBox()->count(), 4);
    book.SizeBox()->setCurrentIndex(1);
    EXPECT_EQ(book.PerPageBox()->count(), 2);  // 1 or 2 on 16 x 16
    SetBook(book, 9, 5, 4, "11");
    book.Button(PageDestination::Pdf)->click();
  };
  Item("mnuToolsBook")->trigger();
  EXPECT_EQ(dialogs.back(), "frmBook");
  ASSERT_TRUE(window->Pages().Busy());
  QProgressDialog* progress = window->Pages().Progress();
  ASSERT_TRUE(progress);
  EXPECT_EQ(progress->maximum(), 5);
  EXPECT_FALSE(progress->isModal());
  EXPECT_TRUE(window->isEnabled());
  ASSERT_TRUE(QTest::qWaitFor([this] { return done; }, 120000));
  EXPECT_FALSE(window->Pages().Busy());
  EXPECT_EQ(asked, QStringList{QStringLiteral("窓の問題集.pdf")});
  const QString text = PdfText();
  EXPECT_EQ(PdfPages(), 3);
  EXPECT_TRUE(text.contains(QStringLiteral("9×9・やさしい・5問・シード 11"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("問題 5（やさしい）")));
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("窓の問題集\\s*解答"))));
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("3\\s*/\\s*3"))));
}

TEST_F(PageOutputTest, cancelledBookWritesNothing) {
  dialogAction = [](QDialog& dialog) {
    SetBook(dynamic_cast<BookDialog&>(dialog), 9, 500, 6, "5");
    dynamic_cast<BookDialog&>(dialog).Button(PageDestination::Pdf)->click();
  };
  Item("mnuToolsBook")->trigger();
  ASSERT_TRUE(window->Pages().Progress());
  window->Pages().Progress()->findChild<QPushButton*>()->click();  // キャンセル
  ASSERT_TRUE(QTest::qWaitFor([this] { return done; }, 120000));
  EXPECT_FALSE(window->Pages().Busy());
  EXPECT_TRUE(asked.isEmpty());
  EXPECT_FALSE(QFile::exists(scratch.filePath(QStringLiteral("out.pdf"))));
}

// The preview paints the book on the printer's paper: 9 puzzles at 4 a
// page, and a page of solutions.
TEST_F(PageOutputTest, previewShowsEveryPage) {
  int pages = 0;
  dialogAction = [&](QDialog& dialog) {
    if (auto* book = dynamic_cast<BookDialog*>(&dialog)) {
      SetBook(*book, 9, 9, 4, "2");
      book->Button(PageDestination::Preview)->click();
      return;
    }
    auto* preview = dynamic_cast<QPrintPreviewDialog*>(&dialog);
    ASSERT_TRUE(preview);
    auto* widget = preview->findChild<QPrintPreviewWidget*>();
    widget->updatePreview();
    pages = widget->pageCount();
  };
  Item("mnuToolsBook")->trigger();
  ASSERT_TRUE(QTest::qWaitFor([this] { return done; }, 120000));
  EXPECT_EQ(dialogs, (std::vector<QString>{"frmBook", "frmPrintPreview"}));
  EXPECT_EQ(pages, 4);
}

// The board's puzzle on a page of its own and its solution on a second:
// the file's title, the author, and the puzzle's characters.
TEST_F(PageOutputTest, puzzleSheetWithItsSolution) {
  const std::string line =
      "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
  for (int i = 0; i < 81; ++i) Put(i, line[i] == '.' ? 0 : line[i] - '0');
  Put(2, MakeCode(4, kClassGreen));  // the solver's digit is not printed
  state.PuzzleFileName = "/tmp/朝の一問.gdr";
  state.PuzzleAuthor = "山田";
  state.CharacterList = "A,B,C,D,E,F,G,H,I";
  RedrawBoard(app());
  bool enteredOffered = true;
  dialogAction = [&](QDialog& dialog) {
    auto& sheet = dynamic_cast<PrintPuzzleDialog&>(dialog);
    enteredOffered = sheet.EnteredButton()->isEnabled();
    sheet.SolutionBox()->setChecked(true);
    sheet.Button(PageDestination::Pdf)->click();
  };
  Item("mnuToolsPrintPuzzle")->trigger();
  EXPECT_FALSE(enteredOffered);  // every black digit is a given
  EXPECT_EQ(asked, QStringList{QStringLiteral("朝の一問.pdf")});
  const QString text = PdfText();
  EXPECT_EQ(PdfPages(), 2);
  EXPECT_TRUE(text.contains(QStringLiteral("作者：山田")));
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("朝の一問\\s*解答"))));
  // Row 1 of the puzzle, "53..7....", in its characters, then the solution's.
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("E\\s+C\\s+G\\s"))));
  EXPECT_TRUE(text.contains(
      QRegularExpression(QStringLiteral("E\\s+C\\s+D\\s+F\\s+G\\s+H\\s+I\\s+A\\s+B"))))
      << text.toStdString();
  EXPECT_FALSE(state.DataChanged);
}

// In play mode the sheet knows the player's digits from the givens: the
// choice of printing them is offered, and only with it chosen does the
// page show them.
TEST_F(PageOutputTest, playersDigitsArePrintedOnlyWhenChosen) {
  const std::string line =
      "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
  for (int i = 0; i < 81; ++i) Put(i, line[i] == '.' ? 0 : line[i] - '0');
  state.CharacterList = "A,B,C,D,E,F,G,H,I";
  RedrawBoard(app());
  window->Play().Start();
  ASSERT_TRUE(window->Play().Active());
  // The player's 4 in row 1 (D on the page), between the givens' C and G.
  ChooseMode(1);  // keypad
  PlaceCursor(app(), 2);
  Key(Qt::Key_4);
  ASSERT_EQ(Code(2), 4);
  const QRegularExpression withPlayers(QStringLiteral("E\\s+C\\s+D\\s+G\\s"));
  const QRegularExpression givensOnly(QStringLiteral("E\\s+C\\s+G\\s"));
  for (const bool entered : {false, true}) {
    SCOPED_TRACE(entered);
    bool offered = false;
    dialogAction = [&](QDialog& dialog) {
      auto& sheet = dynamic_cast<PrintPuzzleDialog&>(dialog);
      offered = sheet.EnteredButton()->isEnabled();
      if (entered) sheet.EnteredButton()->setChecked(true);
      sheet.Button(PageDestination::Pdf)->click();
    };
    Item("mnuToolsPrintPuzzle")->trigger();
    EXPECT_TRUE(offered);
    const QString text = PdfText();
    EXPECT_EQ(text.contains(withPlayers), entered) << text.toStdString();
    EXPECT_EQ(text.contains(givensOnly), !entered) << text.toStdString();
  }
  // Out of play mode every black digit is a given again.
  window->Play().Stop();
  bool offered = true;
  dialogAction = [&](QDialog& dialog) {
    offered = dynamic_cast<PrintPuzzleDialog&>(dialog).EnteredButton()->isEnabled();
    dialog.reject();
  };
  Item("mnuToolsPrintPuzzle")->trigger();
  EXPECT_FALSE(offered);
}

}  // namespace
}  // namespace gridora::ui::testing
