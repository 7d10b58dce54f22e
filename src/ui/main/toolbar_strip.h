// SPDX-License-Identifier: MIT
#pragma once
// ToolbarStrip (picToolBar): the strip of eleven image buttons under the
// menu bar. It is one picture: the program copies the normal, raised or
// pressed image of a button onto it, does its own hit testing, shows the
// tips and hands a click's command to the window.

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "core/app_state.h"
#include "ui/main/commands.h"

namespace gridora::ui {

// What the strip needs from the window.
struct ToolbarHost {
  std::function<void(const std::string& text)> showStatus;
  std::function<void()> hideLauncher;  // when it is shown
  std::function<void()> showInputMenu;
  std::function<void(CommandId command)> run;  // a click on a button
};

class ToolbarStrip : public QWidget {
 public:
  ToolbarStrip(AppState& state, ToolbarHost host, QWidget* parent);

  // PrepareToolbarBitmap: the key colours of the button images become the
  // desktop's shadow, highlight and face colours; the strip shows the
  // normal images.
  void Prepare(const QColor& shadow, const QColor& highlight, const QColor& face);
  // RestoreToolbar: the normal images again, nothing hot.
  void Restore();

  // The hot button: its index (0 to 10), or one of the states below.
  enum Hot : int {
    kHotCleared = -2,  // the strip shows only normal images
    kHotNone = -1,     // no button is hot
  };
  int HotButton() const { return hot_; }

  // What the buttons' tips and states are read from.
  const AppState& State() const { return state_; }
  // Runs button `index`'s command as a click on it does (for assistive
  // technology, which presses a button without a pointer).
  void RunButton(int index);

  const QImage& Source() const { return source_; }
  const QImage& Shown() const { return strip_; }
  // What the strip shows at `scale` (2 or 3) device pixels per pixel: the
  // same buttons, their glyphs drawn at that scale. The strip paints the
  // one that fits its device pixel ratio, and Shown() at ratio 1.
  const QImage& ShownAt(int scale) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  enum Row { kNormal = 0, kRaised = 1, kPressed = 2 };
  // The strip at 2 and 3 device pixels per pixel: the glyphs drawn at that
  // scale over the button images of `source_` without their glyphs.
  struct Sharp {
    int scale;
    QImage glyphs;  // transparent ground, in the places of the source
    QImage source;
    QImage strip;
  };
  void PrepareSharp(Sharp& sharp, const QColor& face) const;
  // Copies the source's rectangle `from` onto the strip at `to`, at every scale.
  void Copy(const QRect& from, QPoint to);
  void CopyNormal();
  void CopyButton(int index, Row row);
  void ShowTip(int index);

  AppState& state_;
  ToolbarHost host_;
  QImage keyed_;   // the source as loaded, in the key colours
  QImage source_;  // picToolSource, 350 x 72
  QImage strip_;   // what the strip shows, 352 x 24
  std::array<Sharp, 2> sharp_;
  int hot_ = kHotNone;
};

}  // namespace gridora::ui
