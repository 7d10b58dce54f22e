// SPDX-License-Identifier: MIT
// The zoom: "ツール" > "表示倍率" and Ctrl++ / Ctrl+- redraw the whole window
// by a factor on top of the display's scale; the designed geometry stays in
// logical pixels, so it is multiplied exactly.

#include <QMenuBar>

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

}  // namespace
}  // namespace gridora::ui::testing
