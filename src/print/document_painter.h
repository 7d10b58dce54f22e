// SPDX-License-Identifier: MIT
#pragma once
// Paints the pages of a book::Document with QPainter: on a printer, in the
// print preview and into a PDF file. Everything was placed in points by the
// book layer; this only scales points to the device's dots.

#include <QPageLayout>
#include <QString>

#include "book/page_document.h"

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace gridora::print {

// Paints one page; the painter's origin is the paper's top left corner and
// one point is `dotsPerPoint` device units.
void PaintPage(QPainter& painter, const book::Page& page, double dotsPerPoint);

// Paints every page on a printer (full page, so the book's own margins
// hold) or another paged device. False when painting could not start.
bool PaintDocument(const book::Document& document, QPrinter& printer);

// Writes the document as a PDF file; false when the file cannot be written.
bool WritePdf(const book::Document& document, const QString& path);

// The paper of a page layout, in points ("A4", "Letter" or the page size's
// own name).
book::Paper PaperOf(const QPageLayout& layout);

// The page layout of a paper: portrait, no margins.
QPageLayout PageLayoutOf(const book::Paper& paper);

}  // namespace gridora::print
