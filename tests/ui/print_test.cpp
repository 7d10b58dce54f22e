// SPDX-License-Identifier: MIT
// Printing the window: into a PDF through QPrinter's own PDF engine,
// rendered back with pdftoppm, and the cases without a usable printer.

#include <QFile>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "window_fixture.h"

namespace gridora::ui::testing {
namespace {

class PrintTest : public WindowTest {
 protected:
  QTemporaryDir scratch;
  int printersMade = 0;

  // Prints go to `path` as a PDF on A4.
  void PrintInto(const QString& path) {
    window->SetPrinterFactory([this, path] {
      ++printersMade;
      auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
      printer->setOutputFormat(QPrinter::PdfFormat);
      printer->setOutputFileName(path);
      printer->setPageSize(QPageSize(QPageSize::A4));
      return printer;
    });
  }

  static QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString();
    return QString::fromLocal8Bit(process.readAllStandardOutput());
  }

  void Print() { window->Menu().mnuFilePrint->trigger(); }
};

// Mean grey level of each cell of a `columns` x `rows` grid over `area`.
std::vector<double> GreyGrid(const QImage& image, const QRect& area, int columns, int rows) {
  std::vector<double> grid;
  for (int j = 0; j < rows; ++j) {
    for (int i = 0; i < columns; ++i) {
      const QRect cell(area.left() + i * area.width() / columns,
                       area.top() + j * area.height() / rows, std::max(1, area.width() / columns),
                       std::max(1, area.height() / rows));
      double sum = 0;
      for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x) sum += qGray(image.pixel(x, y));
      grid.push_back(sum / (cell.width() * cell.height()));
    }
  }
  return grid;
}

double Correlation(const std::vector<double>& a, const std::vector<double>& b) {
  const auto mean = [](const std::vector<double>& v) {
    double s = 0;
    for (double x : v) s += x;
    return s / static_cast<double>(v.size());
  };
  const double ma = mean(a), mb = mean(b);
  double cov = 0, va = 0, vb = 0;
  for (std::size_t k = 0; k < a.size(); ++k) {
    cov += (a[k] - ma) * (b[k] - mb);
    va += (a[k] - ma) * (a[k] - ma);
    vb += (b[k] - mb) * (b[k] - mb);
  }
  return va > 0 && vb > 0 ? cov / std::sqrt(va * vb) : 0;
}

TEST_F(PrintTest, pageShowsTheClientAreaCentredAndAsLargeAsFits) {
  NewPuzzle16(app());
  for (int i = 0; i < 256; i += 7) Put(i, i % 16 + 1);
  for (int i = 3; i < 256; i += 11) Put(i, MakeCode(i % 16 + 1, kClassGreen));
  for (int i = 5; i < 256; i += 13) Put(i, MakeCode(i % 16 + 1, kClassYellow));
  RedrawBoard(app());
  window->ShowStatus("前の表示");
  const QString pdf = scratch.filePath(QStringLiteral("page.pdf"));
  PrintInto(pdf);
  const QImage shown = window->grab().toImage();
  const int menuHeight = window->menuBar()->height();

  Print();

  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "今すぐ印刷してよろしいですか？");
  EXPECT_EQ(messages[0].title, "確認");
  EXPECT_EQ(Inform(), "画面を印刷しました");
  EXPECT_EQ(printersMade, 1);
  EXPECT_TRUE(Run(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression("Pages:\\s+1\\n")));
  Run(QStringLiteral("pdftoppm"),
      {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-singlefile"), pdf,
       scratch.filePath(QStringLiteral("page"))});
  const QImage page(scratch.filePath(QStringLiteral("page.ppm")));
  ASSERT_FALSE(page.isNull());

  QRect marked;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (qGray(page.pixel(x, y)) < 240) marked |= QRect(x, y, 1, 1);
  ASSERT_FALSE(marked.isEmpty()) << "the page is blank";
  // Centred, and as wide as the printable width allows (the window is wider
  // than tall, so its width decides).
  EXPECT_LE(std::abs(marked.left() - (page.width() - 1 - marked.right())), page.width() / 50);
  EXPECT_LE(std::abs(marked.top() - (page.height() - 1 - marked.bottom())), page.height() / 50);
  EXPECT_GE(marked.width(), page.width() * 85 / 100);
  // The shape and the look of the client area: the window without its menu.
  const QRect client(0, menuHeight, shown.width(), shown.height() - menuHeight);
  EXPECT_NEAR(static_cast<double>(marked.height()) / marked.width(),
              static_cast<double>(client.height()) / client.width(), 0.03);
  const int rows = 48 * client.height() / client.width();
  EXPECT_GT(Correlation(GreyGrid(page, marked, 48, rows), GreyGrid(shown, client, 48, rows)), 0.9);
  // The solver's digits keep their screen colour.
  const QColor green = QColor::fromRgb(48, 112, 80);
  int greens = 0;
  for (int y = marked.top(); y <= marked.bottom(); ++y)
    for (int x = marked.left(); x <= marked.right(); ++x) {
      const QColor c = page.pixelColor(x, y);
      if (std::abs(c.red() - green.red()) + std::abs(c.green() - green.green()) +
              std::abs(c.blue() - green.blue()) <=
          60)
        ++greens;
    }
  EXPECT_GT(greens, 30);
}

TEST_F(PrintTest, cancelPrintsNothing) {
  window->ShowStatus("前の表示");
  answers = {MessageAnswer::Cancel};
  PrintInto(scratch.filePath(QStringLiteral("page.pdf")));
  Print();
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(printersMade, 0);
  EXPECT_EQ(Inform(), "前の表示");
  EXPECT_FALSE(QFile::exists(scratch.filePath(QStringLiteral("page.pdf"))));
}

TEST_F(PrintTest, withoutAUsablePrinterABoxAndTheProgramGoesOn) {
  struct Case {
    const char* name;
    std::function<std::unique_ptr<QPrinter>()> printer;
  };
  const QString unwritable = scratch.filePath(QStringLiteral("missing/folder/page.pdf"));
  const Case cases[] = {
      {"no printer installed", [] { return std::unique_ptr<QPrinter>(); }},
      {"a printer that cannot be opened",
       [unwritable] {
         auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
         printer->setOutputFormat(QPrinter::PdfFormat);
         printer->setOutputFileName(unwritable);
         return printer;
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    messages.clear();
    window->SetPrinterFactory(c.printer);
    QTest::mouseMove(window->Toolbar(), QPoint(129, 12));  // the printer button shows its tip
    const std::string before = Inform();
    QTest::mouseClick(window->Toolbar(), Qt::LeftButton, {}, QPoint(129, 12));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].title, "確認");
    EXPECT_EQ(messages[1].title, "印刷失敗");
    EXPECT_EQ(messages[1].text,
              "プリンタを使用できませんでした。\r\n通常使うプリンタの設定を確認してください。");
    EXPECT_EQ(messages[1].icon, MessageIcon::Information);
    EXPECT_EQ(Inform(), before);
    EXPECT_TRUE(window->isVisible());
  }
}

}  // namespace
}  // namespace gridora::ui::testing
