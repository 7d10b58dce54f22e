// SPDX-License-Identifier: MIT
#include "print/document_painter.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace gridora::print {

namespace {

QFont FontOf(const book::Text& text) {
  QFont font;
  // Digits from a clear sans-serif face; Japanese texts (and digits the
  // first face lacks) from the IPA Gothic the program uses on screen.
  font.setFamilies(text.face == book::Face::Digits
                       ? QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("IPAPGothic")}
                       : QStringList{QStringLiteral("IPAPGothic")});
  font.setPointSizeF(text.size);
  font.setBold(text.bold);
  return font;
}

int FlagsOf(const book::Text& text) {
  int flags = Qt::AlignVCenter;
  if (text.wrap) flags = Qt::AlignTop | Qt::TextWordWrap;
  switch (text.align) {
    case book::Align::Left:
      return flags | Qt::AlignLeft;
    case book::Align::Center:
      return flags | Qt::AlignHCenter;
    case book::Align::Right:
      return flags | Qt::AlignRight;
  }
  return flags;
}

bool PaintPages(const book::Document& document, QPagedPaintDevice& device) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  painter.setRenderHint(QPainter::Antialiasing);
  const double dotsPerPoint = device.logicalDpiX() / 72.0;
  bool first = true;
  for (const book::Page& page : document.pages) {
    if (!first) device.newPage();
    first = false;
    PaintPage(painter, page, dotsPerPoint);
  }
  return painter.end();
}

}  // namespace

void PaintPage(QPainter& painter, const book::Page& page, double dotsPerPoint) {
  const auto at = [dotsPerPoint](double points) { return points * dotsPerPoint; };
  for (const book::Line& line : page.lines) {
    QPen pen(Qt::black);
    pen.setWidthF(at(line.width));
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(QPointF(at(line.x1), at(line.y1)), QPointF(at(line.x2), at(line.y2)));
  }
  for (const book::Text& text : page.texts) {
    painter.setFont(FontOf(text));
    painter.setPen(QColor::fromRgb(static_cast<QRgb>(0xFF000000u | text.color)));
    const QRectF box(at(text.box.x), at(text.box.y), at(text.box.width), at(text.box.height));
    painter.drawText(box, FlagsOf(text), QString::fromStdString(text.text));
  }
}

bool PaintDocument(const book::Document& document, QPrinter& printer) {
  printer.setFullPage(true);
  printer.setDocName(QString::fromStdString(document.title));
  return PaintPages(document, printer);
}

bool WritePdf(const book::Document& document, const QString& path) {
  QPdfWriter writer(path);
  writer.setPageLayout(PageLayoutOf(document.paper));
  writer.setTitle(QString::fromStdString(document.title));
  writer.setCreator(QStringLiteral("Gridora"));
  return PaintPages(document, writer);
}

book::Paper PaperOf(const QPageLayout& layout) {
  const QRectF points = layout.fullRectPoints();
  const QPageSize size = layout.pageSize();
  std::string name = size.id() == QPageSize::A4       ? "A4"
                     : size.id() == QPageSize::Letter ? "Letter"
                                                      : size.name().toStdString();
  // A page turned to landscape is laid out as it lies.
  return {name, points.width(), points.height()};
}

QPageLayout PageLayoutOf(const book::Paper& paper) {
  const QPageSize size = paper.name == "A4" ? QPageSize(QPageSize::A4)
                         : paper.name == "Letter"
                             ? QPageSize(QPageSize::Letter)
                             : QPageSize(QSizeF(paper.width, paper.height), QPageSize::Point);
  return QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

}  // namespace gridora::print
