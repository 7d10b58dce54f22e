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

}  // namespace

ToolbarStrip::ToolbarStrip(AppState& state, ToolbarHost host, QWidget* parent)
    : QWidget(parent),
      state_(state),
      host_(std::move(host)),
      source_(
          QImage(QStringLiteral(":/gridora/toolbar.png")).convertToFormat(QImage::Format_RGB32)),
      strip_(352, kRowHeight, QImage::Format_RGB32) {
  setObjectName(QStringLiteral("picToolBar"));
  setFixedSize(strip_.size());
  setMouseTracking(true);
  strip_.fill(palette().color(QPalette::Button));
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
  CopyNormal();
  update();
}

void ToolbarStrip::Restore() {
  if (hot_ == kHotCleared) return;
  CopyNormal();
  update();
  hot_ = kHotCleared;
}

void ToolbarStrip::CopyNormal() {
  QPainter painter(&strip_);
  painter.drawImage(QPoint(0, 0), source_, QRect(0, 0, kSourceWidth, kRowHeight));
}

void ToolbarStrip::CopyButton(int index, Row row) {
  const ToolbarButton& entry = kToolbar[static_cast<std::size_t>(index)];
  QPainter painter(&strip_);
  painter.drawImage(QPoint(entry.left, 0), source_,
                    QRect(entry.left, row * kRowHeight, entry.right - entry.left + 1, kRowHeight));
}

void ToolbarStrip::ShowTip(int index) {
  const std::string tip = ToolbarTip(state_, kToolbar[static_cast<std::size_t>(index)].command);
  if (tip.empty()) return;
  setToolTip(QString::fromStdString(ToolbarToolTip(tip)));
  if (host_.showStatus) host_.showStatus(tip);
}

void ToolbarStrip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), strip_);
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

void ToolbarStrip::mouseReleaseEvent(QMouseEvent*) {
  const int hot = hot_;
  Restore();
  if (hot >= 0 && host_.run) host_.run(kToolbar[static_cast<std::size_t>(hot)].command);
}

}  // namespace gridora::ui
