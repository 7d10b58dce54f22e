// SPDX-License-Identifier: MIT
#include "ui/main/toolbar_strip.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "ui/main/toolbar_rules.h"

namespace gridora::ui {

namespace {

constexpr int kRowHeight = 24;
constexpr int kSourceWidth = 350;
constexpr Color kKeyShadow = Rgb(66, 0, 66);
constexpr Color kKeyHighlight = Rgb(198, 0, 198);
constexpr Color kKeyFace = Rgb(255, 0, 255);
constexpr int kKeyTolerance = 16;

Color ToColor(QRgb rgb) {
  return Rgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

bool IsKeyColor(QRgb rgb) {
  const Color c = ToColor(rgb);
  return ColorDistance(c, kKeyShadow) <= kKeyTolerance ||
         ColorDistance(c, kKeyHighlight) <= kKeyTolerance ||
         ColorDistance(c, kKeyFace) <= kKeyTolerance;
}

// The toolbar's glyphs drawn at `scale`, one image pixel a device pixel.
QImage Glyphs(int scale) {
  QImage glyphs = QImage(QStringLiteral(":/gridora/toolbar_glyphs@%1x.png").arg(scale))
                      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  // The reader takes the "@2x" of the name for a pixel ratio; the strip's
  // pictures are all kept at ratio 1 and copied pixel for pixel.
  glyphs.setDevicePixelRatio(1);
  return glyphs;
}

QImage Filled(QSize size, const QColor& colour) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

}  // namespace

ToolbarStrip::ToolbarStrip(AppState& state, ToolbarHost host, QWidget* parent)
    : QWidget(parent),
      state_(state),
      host_(std::move(host)),
      keyed_(QImage(QStringLiteral(":/gridora/toolbar.png")).convertToFormat(QImage::Format_RGB32)),
      source_(keyed_),
      strip_(Filled(QSize(352, kRowHeight), palette().color(QPalette::Button))),
      sharp_{
          Sharp{2, Glyphs(2), {}, Filled(strip_.size() * 2, palette().color(QPalette::Button))},
          Sharp{3, Glyphs(3), {}, Filled(strip_.size() * 3, palette().color(QPalette::Button))}} {
  setObjectName(QStringLiteral("picToolBar"));
  setFixedSize(strip_.size());
  setMouseTracking(true);
}

const QImage& ToolbarStrip::ShownAt(int scale) const {
  return scale <= 1 ? strip_ : sharp_[scale == 2 ? 0 : 1].strip;
}

void ToolbarStrip::PrepareSharp(Sharp& sharp, const QColor& face) const {
  // The button images in the desktop's colours, each pixel as large as the
  // scale; a glyph's own pixels give way to the face, for the drawn glyph.
  QImage ground = source_;
  for (int y = 0; y < ground.height(); ++y) {
    for (int x = 0; x < ground.width(); ++x) {
      if (!IsKeyColor(keyed_.pixel(x, y))) ground.setPixel(x, y, face.rgb());
    }
  }
  sharp.source =
      ground.scaled(ground.size() * sharp.scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  QPainter painter(&sharp.source);
  painter.drawImage(QPoint(0, 0), sharp.glyphs);
  sharp.strip.fill(face);
}

void ToolbarStrip::Prepare(const QColor& shadow, const QColor& highlight, const QColor& face) {
  for (int y = 0; y < source_.height(); ++y) {
    for (int x = 0; x < source_.width(); ++x) {
      const Color c = ToColor(source_.pixel(x, y));
      // Each test looks at the colour as read, as the steps of one pass.
      if (ColorDistance(c, kKeyShadow) <= kKeyTolerance) source_.setPixel(x, y, shadow.rgb());
      if (ColorDistance(c, kKeyHighlight) <= kKeyTolerance) source_.setPixel(x, y, highlight.rgb());
      if (ColorDistance(c, kKeyFace) <= kKeyTolerance) source_.setPixel(x, y, face.rgb());
    }
  }
  strip_.fill(face);
  for (Sharp& sharp : sharp_) PrepareSharp(sharp, face);
  CopyNormal();
  update();
}

void ToolbarStrip::Restore() {
  if (hot_ == kHotCleared) return;
  CopyNormal();
  update();
  hot_ = kHotCleared;
}

void ToolbarStrip::Copy(const QRect& from, QPoint to) {
  QPainter(&strip_).drawImage(to, source_, from);
  for (Sharp& sharp : sharp_) {
    // Before the desktop's colours are known there is nothing to copy.
    if (sharp.source.isNull()) continue;
    const int s = sharp.scale;
    QPainter(&sharp.strip)
        .drawImage(to * s, sharp.source, QRect(from.topLeft() * s, from.size() * s));
  }
}

void ToolbarStrip::CopyNormal() {
  Copy(QRect(0, 0, kSourceWidth, kRowHeight), QPoint(0, 0));
}

void ToolbarStrip::CopyButton(int index, Row row) {
  const ToolbarButton& entry = kToolbar[static_cast<std::size_t>(index)];
  Copy(QRect(entry.left, row * kRowHeight, entry.right - entry.left + 1, kRowHeight),
       QPoint(entry.left, 0));
}

void ToolbarStrip::ShowTip(int index) {
  const std::string tip = ToolbarTip(state_, kToolbar[static_cast<std::size_t>(index)].command);
  if (tip.empty()) return;
  setToolTip(QString::fromStdString(ToolbarToolTip(tip)));
  if (host_.showStatus) host_.showStatus(tip);
}

void ToolbarStrip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const qreal ratio = devicePixelRatioF();
  if (ratio <= 1) {
    painter.drawImage(QPoint(0, 0), strip_);
    return;
  }
  // The sharp strip that has at least the device's pixels, fitted to the
  // strip (one to one at 2 and 3; smoothly scaled down at 1.5 and 2.5).
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(rect(), ShownAt(ratio <= 2 ? 2 : 3));
}

void ToolbarStrip::mouseMoveEvent(QMouseEvent* event) {
  if (host_.hideLauncher) host_.hideLauncher();
  const int x = static_cast<int>(std::floor(event->position().x()));
  const bool pressed = event->buttons() == Qt::LeftButton;
  // A press that began on no button highlights nothing while dragging.
  if (pressed && hot_ == kHotNone) return;
  if (hot_ == kHotCleared) hot_ = kHotNone;
  int hit = ToolbarHit(x);
  // Dragging a held press off its button cancels it for good.
  if (pressed && hit != hot_) {
    hit = -1;
    Restore();
  }
  if (hit == hot_) return;
  CopyNormal();
  if (hit >= 0) {
    hot_ = hit;
    ShowTip(hit);
    if (!ToolbarButtonDisabled(state_, hit)) CopyButton(hit, pressed ? kPressed : kRaised);
  } else if (hot_ >= 0) {
    // Over a gap no button is hot, so the same button lights again when
    // the pointer comes back to it.
    hot_ = kHotNone;
  }
  update();
}

void ToolbarStrip::mousePressEvent(QMouseEvent* event) {
  const int hit = ToolbarHit(static_cast<int>(std::floor(event->position().x())));
  CopyNormal();
  if (hit >= 0 && !ToolbarButtonDisabled(state_, hit)) {
    hot_ = hit;
    CopyButton(hit, kPressed);
  }
  update();
  // The input method menu opens on the press, under the button.
  if (hit >= 0 && kToolbar[static_cast<std::size_t>(hit)].command == CommandId::InputMenu &&
      host_.showInputMenu)
    host_.showInputMenu();
}

void ToolbarStrip::RunButton(int index) {
  if (index >= 0 && index < kToolbarButtons && host_.run)
    host_.run(kToolbar[static_cast<std::size_t>(index)].command);
}

void ToolbarStrip::mouseReleaseEvent(QMouseEvent*) {
  const int hot = hot_;
  Restore();
  if (hot >= 0 && host_.run) host_.run(kToolbar[static_cast<std::size_t>(hot)].command);
}

}  // namespace gridora::ui
