// SPDX-License-Identifier: MIT
#include "ui/main/board_surface.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "aids/contrast.h"
#include "ui/main/board_geometry.h"
#include "ui/main/etched.h"
#include "ui/main/fonts.h"

namespace gridora::ui {

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kCursorYellow(255, 255, 0);
// The aids' backgrounds: light enough for every colour class's digits.
const QColor kHighlight(255, 240, 150);
const QColor kHintSupport(205, 228, 255);
const QColor kHintFocus(160, 230, 160);
const QColor kHintFrame(0, 140, 0);
// The logic hint's marks: the pattern's candidates in green, the removed
// ones in red and struck through, the chains' links in blue (dashed when
// they make a candidate false).
const QColor kPatternFill(150, 220, 150);
const QColor kPatternInk(0, 90, 0);
const QColor kRemovalFill(255, 180, 180);
const QColor kRemovalInk(200, 0, 0);
const QColor kLinkInk(30, 60, 220);
const QColor kCandidateText(60, 60, 60);

// The outline of a rectangle given in twips, `width` pixels wide, drawn
// inside the rectangle so the outer frame stays on the surface.
void PaintOutline(QPainter& painter, const TwipsRect& r, int width, const QColor& color) {
  const QRect px(Px(r.left), Px(r.top), Px(r.width), Px(r.height));
  painter.fillRect(px.left(), px.top(), px.width(), width, color);
  painter.fillRect(px.left(), px.bottom() - width + 1, px.width(), width, color);
  painter.fillRect(px.left(), px.top(), width, px.height(), color);
  painter.fillRect(px.right() - width + 1, px.top(), width, px.height(), color);
}

QColor ToQColor(Color c) {
  return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

QColor HighContrast(CellGround ground) {
  return ToQColor(HighContrastGround(ground));
}

}  // namespace

BoardSurface::BoardSurface(int boardSize, const QPixmap& texture, QWidget* parent)
    : QWidget(parent), boardSize_(boardSize), texture_(texture) {
  setObjectName(boardSize == 16 ? QStringLiteral("picWall16") : QStringLiteral("picWall9"));
  setFixedSize(Px(kBoardTwips), Px(kBoardTwips));
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Window);

  const QFont font = boardSize == 16 ? GothicFont(9, true) : GothicFont(15.6, true);
  const int cells = boardSize * boardSize;
  labels_.reserve(static_cast<std::size_t>(cells));
  for (int cell = 0; cell < cells; ++cell) {
    auto* label = new CellLabel(boardSize, cell, this);
    const TwipsRect r = CellLabelRect(boardSize, cell);
    label->setGeometry(Px(r.left), Px(r.top), Px(r.width), Px(r.height));
    labels_.push_back(label);
  }
  KeepCaptionsOffLines();
  for (CellLabel* label : labels_) label->SetCaptionFont(font);

  // The bar lies over the labels, as a window of its own would, but lets
  // the clicks through to the cell underneath.
  cursorBar_ = new QWidget(this);
  cursorBar_->setObjectName(boardSize == 16 ? QStringLiteral("picCursor16")
                                            : QStringLiteral("picCursor9"));
  const TwipsPoint size = CursorBarSize(boardSize);
  cursorBar_->setFixedSize(Px(size.left), Px(size.top));
  cursorBar_->setAutoFillBackground(true);
  QPalette yellow = cursorBar_->palette();
  yellow.setColor(QPalette::Window, kCursorYellow);
  cursorBar_->setPalette(yellow);
  cursorBar_->setAttribute(Qt::WA_TransparentForMouseEvents);
  cursorBar_->hide();
  MoveCursorBar(0);
}

CellLabel* BoardSurface::Label(int cell) const {
  if (cell < 0 || cell >= static_cast<int>(labels_.size())) return nullptr;
  return labels_[static_cast<std::size_t>(cell)];
}

void BoardSurface::SetMouseHandler(CellMouseHandler* handler) {
  for (CellLabel* label : labels_) label->SetMouseHandler(handler);
}

void BoardSurface::MoveCursorBar(int cell) {
  const TwipsPoint at = CursorBarPosition(boardSize_, cell);
  cursorBar_->move(Px(at.left), Px(at.top));
}

void BoardSurface::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int side = Px(kBoardTwips);
  if (marks_.highContrast) {
    PaintHighContrastGround(painter);
    PaintMarks(painter);
    PaintHighContrastLines(painter);
    return;
  }
  if (!texture_.isNull()) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(0, 0, side, side), texture_);
  }
  PaintMarks(painter);
  PaintLines(painter);
}

void BoardSurface::PaintLines(QPainter& painter) {
  const QColor dark = palette().color(QPalette::ButtonText);
  const QColor light = palette().color(QPalette::Light);
  for (const EtchedLine& line : FineGridLines(boardSize_))
    PaintTwipsLine(painter, line.x1, line.y1, line.x2, line.y2, line.dark ? dark : light);
  PaintBoxLines(painter);
}

void BoardSurface::KeepCaptionsOffLines() {
  QImage lines(size(), QImage::Format_ARGB32);
  lines.fill(Qt::transparent);
  {
    QPainter painter(&lines);
    PaintLines(painter);
  }
  // A column (row) of a label lies under a line when the line covers it
  // from the label's top to its bottom (left to right).
  const auto column = [&](const QRect& r, int x) {
    for (int y = r.top(); y <= r.bottom(); ++y)
      if (qAlpha(lines.pixel(x, y)) == 0) return false;
    return true;
  };
  const auto row = [&](const QRect& r, int y) {
    for (int x = r.left(); x <= r.right(); ++x)
      if (qAlpha(lines.pixel(x, y)) == 0) return false;
    return true;
  };
  for (CellLabel* label : labels_) {
    const QRect r = label->geometry() & lines.rect();
    int left = 0, right = 0, top = 0, bottom = 0;
    while (left < r.width() && column(r, r.left() + left)) ++left;
    while (right < r.width() - left && column(r, r.right() - right)) ++right;
    while (top < r.height() && row(r, r.top() + top)) ++top;
    while (bottom < r.height() - top && row(r, r.bottom() - bottom)) ++bottom;
    label->setContentsMargins(left, top, right, bottom);
  }
}

void BoardSurface::SetMarks(const BoardMarks& marks) {
  if (marks == marks_) return;
  marks_ = marks;
  update();
}

void BoardSurface::PaintMarks(QPainter& painter) {
  for (int cell = 0; cell < boardSize_ * boardSize_; ++cell) {
    const auto i = static_cast<std::size_t>(cell);
    const TwipsRect r = CellLabelRect(boardSize_, cell);
    const QRect area(Px(r.left), Px(r.top), Px(r.width), Px(r.height));
    const bool contrast = marks_.highContrast;
    if (marks_.hintFocus.test(i)) {
      painter.fillRect(area, contrast ? HighContrast(CellGround::HintFocus) : kHintFocus);
      painter.setPen(QPen(contrast ? QColor(255, 255, 255) : kHintFrame, 2));
      painter.drawRect(area.adjusted(1, 1, -1, -1));
    } else if (marks_.hintSupport.test(i)) {
      painter.fillRect(area, contrast ? HighContrast(CellGround::HintSupport) : kHintSupport);
    } else if (marks_.highlighted.test(i)) {
      painter.fillRect(area, contrast ? HighContrast(CellGround::Highlighted) : kHighlight);
    }
    if (marks_.notes[i] != 0) {
      PaintNotes(painter, cell);
    } else if (marks_.candidates[i] != 0) {
      // The high-contrast look keeps them at full contrast (contrast.h).
      painter.setOpacity(marks_.candidatesFaint && !contrast ? 0.4 : 1.0);
      PaintCandidates(painter, cell);
      painter.setOpacity(1.0);
    }
  }
  PaintLogicMarks(painter);
}

void BoardSurface::PaintLogicMarks(QPainter& painter) {
  if (marks_.hintPattern.empty() && marks_.hintRemovals.empty() && marks_.hintLinks.empty()) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const auto text = [&](int d) {
    const auto t = static_cast<std::size_t>(d);
    return t < marks_.digitTexts.size() ? marks_.digitTexts[t] : QString::number(d);
  };
  const auto mark = [&](const CandidateMark& c, const QColor& fill, const QColor& ink) {
    const QRectF place = CandidatePlace(c.cell, c.digit);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawEllipse(place.adjusted(0.5, 0.5, -0.5, -0.5));
    PaintCandidateMark(painter, c.cell, c.digit, text(c.digit), ink);
  };
  for (const CandidateMark& c : marks_.hintPattern) mark(c, kPatternFill, kPatternInk);
  for (const CandidateMark& c : marks_.hintRemovals) {
    mark(c, kRemovalFill, kRemovalInk);
    const QRectF place = CandidatePlace(c.cell, c.digit);
    painter.setPen(QPen(kRemovalInk, 1.5));
    painter.drawLine(place.topLeft(), place.bottomRight());
  }
  for (const LinkMark& link : marks_.hintLinks) {
    const QPointF from = CandidatePlace(link.from.cell, link.from.digit).center();
    const QPointF to = CandidatePlace(link.to.cell, link.to.digit).center();
    if (from == to) continue;
    painter.setPen(QPen(kLinkInk, 1.5, link.strong ? Qt::SolidLine : Qt::DashLine));
    painter.drawLine(from, to);
  }
  painter.restore();
}

bool CandidatesAsText(double placeDevicePixels) {
  return placeDevicePixels >= kSmallestTextPlace;
}

namespace {

// The part of a place that a text mark may ink: the rest of the place is
// the space that keeps it apart from its neighbours.
constexpr double kInkHeight = 0.72;
constexpr double kInkWidth = 0.66;
// The space between two characters of one mark, in parts of its height:
// well under the space between marks, so a two-character text stays one.
constexpr double kInnerSpace = 0.06;

// The device pixels per pixel of what `painter` paints on: the screen's
// backing store, or the image the board is rendered into.
double DeviceRatio(const QPainter& painter) {
  const QPaintDevice* device =
      painter.paintEngine() ? painter.paintEngine()->paintDevice() : nullptr;
  return device ? device->devicePixelRatioF() : 1.0;
}

// `text` as large as it fits into the ink part of `place`, centred. The
// characters are set one by one, kInnerSpace apart, and the whole is
// squeezed sideways when it is too wide. The font is drawn large and
// scaled down, so that the size is not rounded to whole pixels.
void PaintFittedText(QPainter& painter, const QRectF& place, const QString& text) {
  QFont font = GothicFont(8);
  font.setPixelSize(100);
  const QFontMetricsF metrics(font);
  struct Piece {
    QString text;
    double x;  // where its ink starts
    QRectF ink;
  };
  std::vector<Piece> pieces;
  QRectF ink;
  QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
  for (qsizetype from = 0, to = graphemes.toNextBoundary(); to > from;
       from = to, to = graphemes.toNextBoundary()) {
    const QString piece = text.mid(from, to - from);
    const QRectF pieceInk = metrics.tightBoundingRect(piece);
    if (pieceInk.isEmpty()) continue;
    const double x = ink.isNull() ? 0 : ink.right() + kInnerSpace * metrics.capHeight();
    pieces.push_back({piece, x, pieceInk});
    ink |= QRectF(x, pieceInk.top(), pieceInk.width(), pieceInk.height());
  }
  if (pieces.empty()) return;
  const double height = kInkHeight * place.height() / ink.height();
  const double width = std::min(height, kInkWidth * place.width() / ink.width());
  painter.save();
  painter.setFont(font);
  painter.translate(place.center());
  painter.scale(width, height);
  for (const Piece& piece : pieces)
    painter.drawText(QPointF(piece.x - piece.ink.left(), 0) - ink.center(), piece.text);
  painter.restore();
}

}  // namespace

QRectF BoardSurface::CandidatePlace(int cell, int digit) const {
  const int side = boardSize_ == 16 ? 4 : 3;
  const TwipsRect r = CellLabelRect(boardSize_, cell);
  QRectF area(Px(r.left), Px(r.top), Px(r.width), Px(r.height));
  // On 16 x 16 the lines drawn over the board would cut the marks of the
  // outer places: they keep to the label's room between the lines.
  if (boardSize_ == 16)
    area =
        QRectF(labels_[static_cast<std::size_t>(cell)]->contentsRect()).translated(area.topLeft());
  const QSizeF size(area.width() / side, area.height() / side);
  return QRectF(area.topLeft() +
                    QPointF((digit - 1) % side * size.width(), (digit - 1) / side * size.height()),
                size);
}

// A 16 x 16 place is under 4 pixels: with as many device pixels it shows a
// dot, its place telling the digit (the cell's tip names them); where the
// display's scale and the zoom give it enough device pixels, the text,
// fitted to the place. On 9 x 9 the text in the largest font a place holds.
void BoardSurface::PaintCandidateMark(QPainter& painter, int cell, int digit, const QString& text,
                                      const QColor& color) const {
  const QRectF place = CandidatePlace(cell, digit);
  if (boardSize_ == 9) {
    QFont font = GothicFont(8);
    font.setPixelSize(std::max(4, static_cast<int>(place.width() + 0.5)));
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(place, Qt::AlignCenter, text);
  } else if (!CandidatesAsText(Px(CellLabelRect(boardSize_, cell).width) / 4.0 *
                               DeviceRatio(painter))) {
    painter.fillRect(QRectF(place.center() - QPointF(1, 1), QSizeF(2, 2)), color);
  } else {
    painter.setPen(color);
    PaintFittedText(painter, place, text);
  }
}

// The candidates of one cell, each in the text the board shows for it.
void BoardSurface::PaintCandidates(QPainter& painter, int cell) {
  for (int d : DigitsOf{marks_.candidates[static_cast<std::size_t>(cell)]}) {
    const auto t = static_cast<std::size_t>(d);
    const QString text = t < marks_.digitTexts.size() ? marks_.digitTexts[t] : QString::number(d);
    PaintCandidateMark(painter, cell, d, text,
                       marks_.highContrast ? ToQColor(kHighContrastCandidates) : kCandidateText);
  }
}

namespace {

// A note's mark drawn once and kept: a board full of notes repeats the
// same few marks hundreds of times, and setting text is the costly part.
struct NoteMarkKey {
  QString text;
  QRgb color;
  int width;  // the place in hundredths of a pixel
  int height;
  int ratio;    // device pixels per pixel, in hundredths
  int offsetX;  // where the place starts inside a pixel, in hundredths
  int offsetY;
  bool operator<(const NoteMarkKey& o) const {
    return std::tie(text, color, width, height, ratio, offsetX, offsetY) <
           std::tie(o.text, o.color, o.width, o.height, o.ratio, o.offsetX, o.offsetY);
  }
};
constexpr std::size_t kMaxNoteMarks = 512;

int Hundredths(double v) {
  return static_cast<int>(std::lround(v * 100));
}

}  // namespace

void BoardSurface::PaintNotes(QPainter& painter, int cell) {
  static std::map<NoteMarkKey, QImage> marks;  // images: no window system behind them
  const double ratio = DeviceRatio(painter);
  // Dots cost less than any copy of them.
  const bool dots = boardSize_ == 16 &&
                    !CandidatesAsText(Px(CellLabelRect(boardSize_, cell).width) / 4.0 * ratio);
  for (int d : DigitsOf{marks_.notes[static_cast<std::size_t>(cell)]}) {
    const auto t = static_cast<std::size_t>(d);
    const QString text = t < marks_.digitTexts.size() ? marks_.digitTexts[t] : QString::number(d);
    if (dots) {
      PaintCandidateMark(painter, cell, d, text, marks_.noteColor);
      continue;
    }
    const QRectF place = CandidatePlace(cell, d);
    const QPointF origin(std::floor(place.left()), std::floor(place.top()));
    const NoteMarkKey key{text,
                          marks_.noteColor.rgba(),
                          Hundredths(place.width()),
                          Hundredths(place.height()),
                          Hundredths(ratio),
                          Hundredths(place.left() - origin.x()),
                          Hundredths(place.top() - origin.y())};
    auto found = marks.find(key);
    if (found == marks.end()) {
      if (marks.size() >= kMaxNoteMarks) marks.clear();
      const QSize pixels(static_cast<int>(std::ceil((place.right() - origin.x()) * ratio)) + 1,
                         static_cast<int>(std::ceil((place.bottom() - origin.y()) * ratio)) + 1);
      QImage mark(pixels, QImage::Format_ARGB32_Premultiplied);
      mark.setDevicePixelRatio(ratio);
      mark.fill(Qt::transparent);
      QPainter markPainter(&mark);
      markPainter.translate(-origin);
      PaintCandidateMark(markPainter, cell, d, text, marks_.noteColor);
      markPainter.end();
      found = marks.emplace(key, mark).first;
    }
    painter.drawImage(origin, found->second);
  }
}

void BoardSurface::PaintBoxLines(QPainter& painter) {
  if (boardSize_ == 16) {
    for (int at : {900, 1800, 2700}) {
      const int p = Px(at);
      painter.fillRect(p - 1, 0, 2, Px(3600), kRed);
      painter.fillRect(0, p - 1, Px(3600), 2, kRed);
    }
    PaintOutline(painter, {0, 0, kBoardTwips, kBoardTwips}, 4, kRed);
    return;
  }
  PaintOutline(painter, {0, 1200, kBoardTwips, 1215}, 2, kBlue);
  PaintOutline(painter, {1200, 0, 1215, kBoardTwips}, 2, kBlue);
  PaintOutline(painter, {0, 0, kBoardTwips, kBoardTwips}, 4, kBlue);
}

void BoardSurface::PaintHighContrastGround(QPainter& painter) {
  painter.fillRect(rect(), ToQColor(HighContrastGround(CellGround::Plain)));
}

// Thin grey lines between the cells; the boxes and the frame in thick white.
void BoardSurface::PaintHighContrastLines(QPainter& painter) {
  const QColor fine = ToQColor(kHighContrastFineLines);
  for (const EtchedLine& line : FineGridLines(boardSize_))
    if (line.dark) PaintTwipsLine(painter, line.x1, line.y1, line.x2, line.y2, fine);
  const QColor strong = ToQColor(kHighContrastLines);
  const int side = Px(kBoardTwips);
  const int box = BoxSideOf(boardSize_);
  for (int k = 1; k < box; ++k) {
    const int at = side * k / box;
    painter.fillRect(at - 2, 0, 4, side, strong);
    painter.fillRect(0, at - 2, side, 4, strong);
  }
  PaintOutline(painter, {0, 0, kBoardTwips, kBoardTwips}, 5, strong);
}

}  // namespace gridora::ui
