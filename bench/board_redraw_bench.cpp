// SPDX-License-Identifier: MIT
// The cost of redrawing a board full of the player's notes: every empty
// cell of a 9 x 9 board with all nine notes (729) or of a 16 x 16 board
// with all sixteen (4,096), drawn into an image as the screen draws it.
//
//   QT_QPA_PLATFORM=offscreen gridora_board_redraw_bench SIZE REDRAWS [SCALE]
//
// Prints the milliseconds per redraw (wall clock: a figure only on a quiet
// machine). Under load, count instructions instead, with the difference of
// two runs so that start-up drops out:
//   valgrind --tool=callgrind gridora_board_redraw_bench 9 1
//   valgrind --tool=callgrind gridora_board_redraw_bench 9 11   (÷ 10)

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>

#include "ui/main/board_surface.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const int size = argc > 1 && std::atoi(argv[1]) == 16 ? 16 : 9;
  const int redraws = argc > 2 ? std::max(1, std::atoi(argv[2])) : 100;
  const double scale = argc > 3 ? std::atof(argv[3]) : 1.0;
  const QPixmap texture(QStringLiteral(":/gridora/board_texture.png"));
  gridora::ui::BoardSurface board(size, texture, nullptr);
  gridora::ui::BoardMarks marks;
  const auto all = static_cast<std::uint16_t>((1u << size) - 1);
  marks.notes.fill(0);
  for (int cell = 0; cell < size * size; ++cell) marks.notes[static_cast<std::size_t>(cell)] = all;
  marks.noteColor = QColor(51, 107, 219);
  marks.candidatesFaint = true;
  board.SetMarks(marks);
  QImage image(board.size() * scale, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  QElapsedTimer clock;
  clock.start();
  for (int k = 0; k < redraws; ++k) board.render(&image);
  const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6 / redraws;
  std::printf("%d x %d, %d notes, scale %.1f: %.3f ms a redraw (%d redraws)\n", size, size,
              size * size * size, scale, ms, redraws);
  return 0;
}
