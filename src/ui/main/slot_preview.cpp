// SPDX-License-Identifier: MIT
#include "ui/main/slot_preview.h"

#include <QPainter>

namespace gridora::ui {

namespace {

constexpr int kGlyph = 8;
constexpr int kPreviewSide = 9 * kGlyph;

}  // namespace

QImage DigitGlyphs(int scale) {
  if (scale <= 1) return QImage(QStringLiteral(":/gridora/digits8.png"));
  QImage glyphs(QStringLiteral(":/gridora/digits8@%1x.png").arg(scale));
  glyphs.setDevicePixelRatio(1);  // copied pixel for pixel below
  return glyphs;
}

QImage SlotMiniature(const BoardCodes& codes, int boardSize, const QImage& glyphs, int scale) {
  const int n = boardSize == 16 ? 16 : 9;
  const int glyph = kGlyph * scale;
  QImage image(n * glyph, n * glyph, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    for (int r = 0; r < n; ++r) {
      for (int c = 0; c < n; ++c) {
        const int digit = DigitOf(codes[static_cast<std::size_t>(r * n + c)]);
        if (digit > kMaxDigit) continue;  // no glyph for it
        painter.drawImage(QPoint(c * glyph, r * glyph), glyphs,
                          QRect(digit * glyph, 0, glyph, glyph));
      }
    }
  }
  if (n == 16) {
    image = image.scaled(kPreviewSide * scale, kPreviewSide * scale, Qt::IgnoreAspectRatio,
                         Qt::SmoothTransformation);
  }
  image.setDevicePixelRatio(scale);
  return image;
}

}  // namespace gridora::ui
