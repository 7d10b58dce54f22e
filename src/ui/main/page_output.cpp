// SPDX-License-Identifier: MIT
#include "ui/main/page_output.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <optional>

#include "book/puzzle_sheet.h"
#include "core/print_board.h"
#include "print/document_painter.h"

namespace gridora::ui {

struct PageOutput::Job {
  book::BookOptions options;
  PageDestination destination = PageDestination::Pdf;
  std::atomic<bool> cancelled{false};
  std::optional<std::vector<book::BookPuzzle>> puzzles;
  std::thread thread;
};

PageOutput::PageOutput(QWidget& window, DialogRunner runDialog)
    : window_(window), runDialog_(std::move(runDialog)) {}

PageOutput::~PageOutput() {
  if (job_) {
    // The puzzles being made are finished; no more are started.
    job_->cancelled = true;
    job_->thread.join();
  }
}

void PageOutput::PrintPuzzle(const AppState& state, const std::array<bool, kMaxCells>* givens) {
  book::SheetContent content = book::SheetOf(state, givens);
  PrintPuzzleDialog dialog(book::HasEnteredDigits(content), &window_);
  if (runDialog_(dialog) != QDialog::Accepted) return;
  content.withEntered = dialog.withEntered();
  content.solutionPage = dialog.solutionPage();
  Output(
      dialog.destination(),
      [content](const book::Paper& paper) mutable {
        content.paper = paper;
        return book::SheetDocument(content);
      },
      QString::fromStdString(content.title));
}

void PageOutput::MakeBook() {
  if (job_) {
    if (progress_) progress_->raise();
    return;
  }
  BookDialog dialog(&window_);
  if (runDialog_(dialog) != QDialog::Accepted) return;
  job_ = std::make_unique<Job>();
  job_->options = dialog.options();
  job_->destination = dialog.destination();
  const int count = job_->options.count;
  progress_ = new QProgressDialog(QStringLiteral("問題を作っています..."),
                                  QStringLiteral("キャンセル"), 0, count, &window_);
  progress_->setObjectName(QStringLiteral("frmBookProgress"));
  progress_->setWindowTitle(QStringLiteral("問題集を作る"));
  progress_->setWindowModality(Qt::NonModal);
  progress_->setAttribute(Qt::WA_DeleteOnClose);
  progress_->setAutoClose(false);
  progress_->setAutoReset(false);
  progress_->setMinimumDuration(0);
  progress_->setValue(0);
  connect(progress_, &QProgressDialog::canceled, this,
          [job = job_.get()] { job->cancelled = true; });
  progress_->show();
  Job* job = job_.get();
  const int threads = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
  job->thread = std::thread([this, job, threads] {
    job->puzzles = book::MakeBookPuzzles(job->options, threads, [this, job](int made) {
      QMetaObject::invokeMethod(
          this,
          [this, made] {
            if (progress_) progress_->setValue(made);
          },
          Qt::QueuedConnection);
      return !job->cancelled;
    });
    QMetaObject::invokeMethod(
        this, [this] { FinishBook(); }, Qt::QueuedConnection);
  });
}

void PageOutput::FinishBook() {
  job_->thread.join();
  const std::unique_ptr<Job> job = std::move(job_);
  const bool made = job->puzzles && !job->cancelled;
  if (progress_) {
    // Closing the dialog reports a cancel; the book is made by now.
    progress_->disconnect(this);
    progress_->close();
  }
  if (made) {
    const book::BookOptions options = job->options;
    const std::vector<book::BookPuzzle> puzzles = std::move(*job->puzzles);
    Output(
        job->destination,
        [options, puzzles](const book::Paper& paper) {
          book::BookOptions onPaper = options;
          onPaper.paper = paper;
          return book::BookDocument(onPaper, puzzles);
        },
        QString::fromStdString(options.title.empty() ? "問題集" : options.title));
  }
  if (bookDone_) bookDone_();
}

void PageOutput::Output(PageDestination destination, const Builder& build, const QString& name) {
  const auto informed = [this](const QString& text, const QString& title) {
    if (inform_) {
      inform_(text, title);
    } else {
      QMessageBox::warning(&window_, title, text);
    }
  };
  if (destination == PageDestination::Pdf) {
    QString path = askPath_ ? askPath_(name + QStringLiteral(".pdf"))
                            : QFileDialog::getSaveFileName(&window_, QStringLiteral("PDFに保存"),
                                                           name + QStringLiteral(".pdf"),
                                                           QStringLiteral("PDF (*.pdf)"), nullptr,
                                                           QFileDialog::DontUseNativeDialog);
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
    // A PDF has no printer to ask: A4.
    if (!print::WritePdf(build(book::PaperA4()), path))
      informed(QStringLiteral("PDFファイルを書けませんでした"), QStringLiteral("PDFに保存"));
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  // The printer's own paper, else A4.
  if (QPrinterInfo::defaultPrinter().isNull())
    printer.setPageLayout(print::PageLayoutOf(book::PaperA4()));
  printer.setDocName(name);
  const auto paint = [&build](QPrinter& target) {
    return print::PaintDocument(build(print::PaperOf(target.pageLayout())), target);
  };
  if (destination == PageDestination::Preview) {
    QPrintPreviewDialog preview(&printer, &window_);
    preview.setObjectName(QStringLiteral("frmPrintPreview"));
    preview.setWindowTitle(QStringLiteral("印刷プレビュー - ") + name);
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
            [&paint](QPrinter* target) { paint(*target); });
    runDialog_(preview);
    return;
  }
  QPrintDialog dialog(&printer, &window_);
  dialog.setObjectName(QStringLiteral("frmPrintDialog"));
  if (runDialog_(dialog) != QDialog::Accepted) return;
  if (!paint(printer))
    informed(QStringLiteral("印刷できませんでした"), QString::fromUtf8(kPrintFailedTitle));
}

}  // namespace gridora::ui
