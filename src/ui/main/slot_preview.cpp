// SPDX-License-Identifier: MIT
#include "ui/main/slot_preview.h"

#include <QPainter>

namespace gridora::ui {

namespace {

constexpr int kGlyph = 8;
constexpr int kPreviewSide = 9 * kGlyph;

}  // namespace

QImage DigitGlyphs() {
  return QImage(QStringLiteral(":/gridora/digits8.png"));
}

QImage SlotMiniature(const BoardCodes& codes, int boardSize, const QImage& glyphs) {
  const int n = boardSize == 16 ? 16 : 9;
  QImage image(n * kGlyph, n * kGlyph, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    for (int r = 0; r < n; ++r) {
      for (int c = 0; c < n; ++c) {
        const int digit = DigitOf(codes[static_cast<std::size_t>(r * n + c)]);
        if (digit > kMaxDigit) continue;  // no glyph for it
        painter.drawImage(QPoint(c * kGlyph, r * kGlyph), glyphs,
                          QRect(digit * kGlyph, 0, kGlyph, kGlyph));
      }
    }
  }
  if (n == 9) return image;
  return image.scaled(kPreviewSide, kPreviewSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace gridora::ui
