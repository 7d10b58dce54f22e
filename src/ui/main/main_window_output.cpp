// SPDX-License-Identifier: MIT
// The output commands: the HTML export dialog, and printing the window.
// The client area (everything under the menu bar, the status bar included)
// is drawn straight into the printer's paint engine, so text and lines come
// out at the printer's resolution, centred on the page and as large as fits.

#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

#include "core/html_export.h"
#include "system/app_paths.h"
#include "ui/dialogs/html_dialog.h"
#include "ui/main/board_geometry.h"
#include "ui/main/main_window.h"

namespace gridora::ui {

void MainWindow::ShowHtmlDialog() {
  HtmlDialog dialog(app(), ResolveAppPath(kGameTemplateName), windowIcon(), this);
  dialog.move(pos() + QPoint(Px(900), Px(900)));
  RunDialog(dialog);
}

bool MainWindow::PrintClientArea() {
  std::unique_ptr<QPrinter> printer;
  if (printerFactory_) {
    printer = printerFactory_();
  } else {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  }
  if (!printer || !printer->isValid()) return false;
  printer->setDocName(QStringLiteral("Gridora"));
  return RenderClientArea(*printer);
}

bool MainWindow::RenderClientArea(QPagedPaintDevice& device) {
  const int top = menuBar()->isVisible() ? menuBar()->geometry().bottom() + 1 : 0;
  const QRect source(0, top, width(), height() - top);
  QPainter painter;
  if (source.isEmpty() || !painter.begin(&device)) return false;
  const QRectF page = painter.viewport();
  const double scale = std::min(page.width() / source.width(), page.height() / source.height());
  painter.translate(page.left() + (page.width() - scale * source.width()) / 2,
                    page.top() + (page.height() - scale * source.height()) / 2);
  painter.scale(scale, scale);
  render(&painter, QPoint(), QRegion(source),
         QWidget::DrawWindowBackground | QWidget::DrawChildren);
  const bool ended = painter.end();
  const auto* printer = dynamic_cast<QPrinter*>(&device);
  return ended && (printer == nullptr || printer->printerState() != QPrinter::Error);
}

}  // namespace gridora::ui
