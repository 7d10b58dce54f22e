// SPDX-License-Identifier: MIT
// The PDF writer of gridora-solve, loaded only when a book is asked for:
// the solver itself stays free of Qt, so that its start-up costs no more
// than a plain C++ program's.

#include <QGuiApplication>
#include <cstdio>

#include "print/document_painter.h"
#include "print/pdf_module.h"

extern "C" __attribute__((visibility("default"))) int gridora_write_pdf(
    const gridora::book::Document* document, const char* path) {
  // Text is laid out with fontconfig's fonts, which needs a Gui application
  // but no display: the offscreen platform is always there.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt's notes about the session (no runtime folder, no display) mean
  // nothing to a program that writes a file: only its errors are shown.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
      std::fprintf(stderr, "gridora-solve: %s\n", qPrintable(text));
  });
  static int argc = 1;
  static char name[] = "gridora-solve";
  static char* argv[] = {name, nullptr};
  const QGuiApplication app(argc, argv);
  return gridora::print::WritePdf(*document, QString::fromLocal8Bit(path)) ? 0 : 1;
}
