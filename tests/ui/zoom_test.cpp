// SPDX-License-Identifier: MIT
// The zoom: "ツール" > "表示倍率" and Ctrl++ / Ctrl+- redraw the whole window
// by a factor on top of the display's scale; the designed geometry stays in
// logical pixels, so it is multiplied exactly.

#include <QApplication>
#include <QBackingStore>
#include <QMenuBar>
#include <QMouseEvent>

#include "ui/main/launcher_panel.h"
#include "ui/main/toolbar_rules.h"
#include "ui/main/toolbar_strip.h"
#include "ui/main/zoom.h"
#include "window_fixture.h"

namespace gridora::ui::testing {
namespace {

QString Text(const char* utf8) {
  return QString::fromUtf8(utf8);
}

class ZoomTest : public WindowTest {
 protected:
  void TearDown() override {
    ApplyZoom(100);  // the scale is the process's: leave it as found
    WindowTest::TearDown();
  }
  int Checked() const {
    for (std::size_t i = 0; i < kZoomSteps.size(); ++i)
      if (window->ZoomItems().steps[i]->isChecked()) return kZoomSteps[i];
    return 0;
  }
  // The user's choice, then the event loop that rebuilds the window.
  void Choose(QAction* item) {
    item->trigger();
    QCoreApplication::processEvents();
  }
};

TEST_F(ZoomTest, menuStepsAndShortcutsScaleTheWholeWindowExactly) {
  const ZoomMenu& zoom = window->ZoomItems();
  EXPECT_EQ(zoom.menu->title(), Text("表示倍率(&Z)"));
  EXPECT_TRUE(window->ToolsMenu()->actions().contains(zoom.menu->menuAction()));
  QStringList captions;
  for (QAction* item : zoom.steps) captions << item->text();
  EXPECT_EQ(captions, (QStringList{"&1 100%", "&2 150%", "&3 200%", "&4 300%"}));
  EXPECT_TRUE(zoom.zoomIn->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Plus)));
  EXPECT_EQ(zoom.zoomOut->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Minus));

  // 100% is the designed window at the display's own scale.
  EXPECT_EQ(state.settings.Tools.Zoom, 100);
  EXPECT_EQ(Checked(), 100);
  const qreal base = window->devicePixelRatioF();
  const QSize size = window->size();
  const QRect board = window->Board(9)->geometry();
  EXPECT_EQ(board.topLeft(), QPoint(Px(120), Px(540)));

  Choose(zoom.steps[2]);
  EXPECT_EQ(state.settings.Tools.Zoom, 200);
  EXPECT_EQ(Checked(), 200);
  EXPECT_DOUBLE_EQ(window->devicePixelRatioF(), 2 * base);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->size(), size);  // logical pixels: the same layout, twice the dots
  EXPECT_EQ(window->Board(9)->geometry(), board);

  // Ctrl++ steps up and stops at 300%; Ctrl+- steps down and stops at 100%.
  const std::vector<std::pair<QAction*, int>> steps = {{zoom.zoomIn, 300},  {zoom.zoomIn, 300},
                                                       {zoom.zoomOut, 200}, {zoom.zoomOut, 150},
                                                       {zoom.zoomOut, 100}, {zoom.zoomOut, 100}};
  for (const auto& [item, expected] : steps) {
    Choose(item);
    EXPECT_EQ(state.settings.Tools.Zoom, expected);
    EXPECT_EQ(Checked(), expected);
    EXPECT_DOUBLE_EQ(window->devicePixelRatioF(), base * expected / 100.0);
  }
  EXPECT_EQ(window->size(), size);
}

// Menus shown before a change of zoom follow it: after every menu of the
// menu bar, their submenus and the pop-up list of the list input were open
// at 100% and Ctrl++ went to 300%, each opens with a picture of three times
// its size in pixels (a store kept from 100% would show only its top-left
// third, cutting every item) and as large as a menu first shown at 300%.
TEST_F(ZoomTest, menusShownBeforeAChangeOfZoomFollowIt) {
  std::vector<QMenu*> menus = {window->Menu().popup.menu};
  for (QAction* item : window->menuBar()->actions())
    if (item->menu()) menus.push_back(item->menu());
  for (std::size_t i = 0; i < menus.size(); ++i)  // and their submenus
    for (QAction* item : menus[i]->actions())
      if (item->menu()) menus.push_back(item->menu());
  // Opens `menu`, lets it paint, and gives its size and its picture's.
  const auto open = [](QMenu& menu) {
    menu.popup(QPoint(0, 0));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&menu));
    menu.repaint();
    const QPaintDevice* picture =
        menu.backingStore() ? menu.backingStore()->paintDevice() : nullptr;
    const std::pair<QSize, QSize> sizes = {
        menu.size(), picture ? QSize(picture->width(), picture->height()) : QSize()};
    menu.hide();
    return sizes;
  };
  for (QMenu* menu : menus) open(*menu);
  // The tools menu opened from the menu bar, as the user opens it, and
  // closed with Esc.
  window->menuBar()->setActiveAction(window->ToolsMenu()->menuAction());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window->ToolsMenu()));
  QTest::keyClick(window->ToolsMenu(), Qt::Key_Escape);
  QTest::keyClick(window->menuBar(), Qt::Key_Escape);
  for (int i = 0; i < 4; ++i) Choose(window->ZoomItems().zoomIn);
  ASSERT_EQ(state.settings.Tools.Zoom, 300);
  for (QMenu* menu : menus) {
    SCOPED_TRACE(menu->title().toStdString());
    const auto [size, picture] = open(*menu);
    EXPECT_EQ(picture, size * 3);
    QMenu fresh;
    fresh.addActions(menu->actions());
    EXPECT_EQ(size, open(fresh).first);
  }
}

// A picture that only repeats each pixel `scale` x `scale` times holds no
// such block of differing pixels; a picture drawn at that scale has many.
int MixedBlocks(const QImage& image, int scale) {
  int mixed = 0;
  for (int y = 0; y + scale <= image.height(); y += scale)
    for (int x = 0; x + scale <= image.width(); x += scale) {
      bool same = true;
      for (int i = 0; i < scale * scale; ++i)
        same = same && image.pixel(x + i % scale, y + i / scale) == image.pixel(x, y);
      if (!same) ++mixed;
    }
  return mixed;
}

QImage Shot(QWidget* widget) {
  QImage shot = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
  shot.setDevicePixelRatio(1);
  return shot;
}

// The toolbar and the launcher icons are pictures: at 100% the ones of
// scale 1, pixel for pixel; at 200% and 300% pictures drawn at that scale,
// with the toolbar's frames in the desktop's colours and its buttons still
// raised and lowered.
TEST_F(ZoomTest, toolbarAndLauncherPicturesAreDrawnAtTheZoomsScale) {
  ToolbarStrip* strip = window->Toolbar();
  ASSERT_EQ(window->devicePixelRatioF(), 1.0);
  EXPECT_EQ(Shot(strip), strip->Shown());
  const QPalette& colours = window->palette();
  const ToolbarButton& new16 = kToolbar[1];
  const ZoomMenu& zoom = window->ZoomItems();
  for (const auto& [step, scale] : {std::pair{zoom.steps[2], 2}, std::pair{zoom.steps[3], 3}}) {
    SCOPED_TRACE(scale);
    Choose(step);
    const QImage& sharp = strip->ShownAt(scale);
    ASSERT_EQ(sharp.size(), strip->Shown().size() * scale);
    EXPECT_EQ(Shot(strip), sharp);
    EXPECT_GT(MixedBlocks(sharp, scale), 300);
    EXPECT_EQ(MixedBlocks(strip->Shown().scaled(sharp.size()), scale), 0);
    // No key colour shows, nor a blend of one with a glyph.
    for (int y = 0; y < sharp.height(); ++y)
      for (int x = 0; x < sharp.width(); ++x) {
        const QColor c = sharp.pixel(x, y);
        ASSERT_LT(std::min(c.red(), c.blue()) - c.green(), 40) << x << "," << y;
      }
    // Raised under the pointer, its frame lines `scale` device pixels wide.
    const QPointF on((new16.left + new16.right) / 2, 12);
    QMouseEvent move(QEvent::MouseMove, on, strip->mapToGlobal(on), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(strip, &move);
    ASSERT_EQ(strip->HotButton(), 1);
    const QImage raised = Shot(strip);
    for (int i = 0; i < scale; ++i) {
      EXPECT_EQ(raised.pixel(new16.left * scale + i, scale * 12),
                colours.color(QPalette::Light).rgb());
      EXPECT_EQ(raised.pixel(new16.right * scale + i, scale * 12),
                colours.color(QPalette::Dark).rgb());
    }
    EXPECT_EQ(raised.pixel(new16.left * scale + scale, scale * 12),
              colours.color(QPalette::Button).rgb());
    QTest::mouseMove(window->centralWidget(), QPoint(3, 150));
    EXPECT_EQ(Shot(strip), sharp);
    EXPECT_EQ(Shot(strip).pixel(new16.left * scale, scale * 12),
              colours.color(QPalette::Button).rgb());

    // The miniature of the stored board, at the same scale.
    LauncherPanel* launcher = window->Launcher();
    for (int cell = 0; cell < 81; ++cell) SetCell(app(), cell, 1 + (cell * 4 + cell / 9) % 9);
    launcher->Button(0)->click();
    const QPixmap mini = launcher->Preview()->pixmap();
    EXPECT_EQ(mini.devicePixelRatio(), scale);
    EXPECT_EQ(mini.size(), QSize(72, 72) * scale);
    EXPECT_EQ(launcher->Preview()->size(), QSize(72, 72));
    EXPECT_GT(MixedBlocks(mini.toImage(), scale), 81 * 4);
    for (int column = 0; column < 3; ++column) {
      const QImage icon = Shot(launcher->Icon(column));
      EXPECT_EQ(icon.size(), QSize(17, 17) * scale);
      EXPECT_GT(MixedBlocks(icon, scale), 20) << column;
    }
  }
}

}  // namespace
}  // namespace gridora::ui::testing
