// SPDX-License-Identifier: MIT
// Every text of every dialog shows whole: each label, button, box, list,
// frame title, tab, status text and window title is at least as wide as
// its text, at every zoom and at the display scale 2 with them.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTabBar>

#include "ui/main/zoom.h"
#include "window_fixture.h"

namespace gridora::ui::testing {
namespace {

// The text as drawn: without the "&" of an access key.
QString Shown(QString text) {
  text.remove(QRegularExpression(QStringLiteral("&(?=.)")));
  return text;
}

// The widest line of `text` in `widget`'s font, in pixels.
double TextWidth(const QWidget& widget, const QString& text) {
  const QFontMetricsF metrics(widget.font());
  double widest = 0;
  for (const QString& line : Shown(text).split(QLatin1Char('\n')))
    widest = std::max(widest, metrics.horizontalAdvance(line));
  return widest;
}

// The width of `widget` that its parents leave showing.
int ShownWidth(const QWidget& widget) {
  QRect shown = widget.rect();
  for (const QWidget* w = &widget; !w->isWindow(); w = w->parentWidget())
    shown = shown.translated(w->pos()) & w->parentWidget()->rect();
  return shown.width();
}

// Room for the text inside each kind of control, in pixels.
double Room(const QWidget& widget) {
  const QStyle* style = widget.style();
  const int hidden = widget.width() - ShownWidth(widget);
  if (const auto* label = qobject_cast<const QLabel*>(&widget))
    return label->contentsRect().width() - 2 * label->margin() - hidden;
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QStyle::SubElement contents =
        qobject_cast<const QCheckBox*>(button)      ? QStyle::SE_CheckBoxContents
        : qobject_cast<const QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                    : QStyle::SE_PushButtonContents;
    return style->subElementRect(contents, &option, button).width() - hidden;
  }
  if (const auto* box = qobject_cast<const QLineEdit*>(&widget)) {
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    const QRect contents = style->subElementRect(QStyle::SE_LineEditContents, &option, box);
    return contents.marginsRemoved(box->textMargins()).width() - 2 * 2 - hidden;  // its own margin
  }
  if (const auto* list = qobject_cast<const QComboBox*>(&widget)) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    return style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
               .width() -
           hidden;
  }
  if (qobject_cast<const QGroupBox*>(&widget)) return widget.width() - 16 - hidden;
  return 1e9;
}

// "object name: text (its width > the room)" for every text of `dialog` that its control cuts.
std::vector<std::string> CutTexts(QDialog& dialog) {
  std::vector<std::string> cut;
  const auto check = [&](const QWidget& widget, const QString& text) {
    if (text.isEmpty() || TextWidth(widget, text) <= Room(widget) + 0.5) return;
    cut.push_back(widget.objectName().toStdString() + ": " + text.toStdString() + " (" +
                  std::to_string(TextWidth(widget, text)) + " > " + std::to_string(Room(widget)) +
                  ")");
  };
  for (QWidget* widget : dialog.findChildren<QWidget*>()) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      if (!label->wordWrap() && label->pixmap().isNull()) check(*label, label->text());
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      check(*button, button->text());
    } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
      check(*box, box->text());
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
      for (int i = 0; i < list->count(); ++i) check(*list, list->itemText(i));
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
      check(*frame, frame->title());
    } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
      for (int i = 0; i < tabs->count(); ++i) {
        const double room =
            tabs->tabRect(i).width() -
            2 * tabs->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, tabs) / 2;
        if (TextWidth(*tabs, tabs->tabText(i)) > room + 0.5)
          cut.push_back("tab: " + tabs->tabText(i).toStdString());
      }
    }
  }
  // The title bar holds the icon and three buttons beside the title.
  const QFontMetricsF title(QApplication::font());
  if (title.horizontalAdvance(dialog.windowTitle()) + 4 * (title.height() + 8) > dialog.width())
    cut.push_back("title: " + dialog.windowTitle().toStdString());
  return cut;
}

class DialogTextsTest : public WindowTest {
 protected:
  void TearDown() override {
    ApplyZoom(100);  // the scale is the process's: leave it as found
    WindowTest::TearDown();
  }
};

TEST_F(DialogTextsTest, everyTextOfEveryDialogShowsWholeAtEveryScale) {
  state.settings.HtmlColor = {Rgb(0xDD, 0xDD, 0xDD), Rgb(0xDD, 0xDD, 0xDD), Rgb(0xDD, 0xDD, 0xDD)};
  std::map<std::string, std::vector<std::string>> cut;  // by dialog and scale
  std::string scale;
  dialogAction = [&](QDialog& dialog) {
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const auto record = [&] {
      for (const std::string& text : CutTexts(dialog))
        cut[dialog.objectName().toStdString() + " at " + scale].push_back(text);
    };
    record();
    // The status texts: the pointer over each control in turn.
    for (QStatusBar* bar : dialog.findChildren<QStatusBar*>()) {
      for (QWidget* widget : dialog.findChildren<QWidget*>()) {
        QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), widget->mapToGlobal(QPointF(1, 1)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &move);
        for (QLabel* label : bar->findChildren<QLabel*>())
          if (!label->text().isEmpty() && TextWidth(*label, label->text()) > Room(*label) + 0.5)
            cut[dialog.objectName().toStdString() + " at " + scale].push_back(
                "status: " + label->text().toStdString());
      }
    }
    dialog.reject();
  };
  const std::vector<QAction*> commands = {
      window->Menu().mnuOtherConfig,
      window->Menu().mnuEditSwap,
      window->Menu().gdrFileProperty,
      window->Menu().mnuFileHtml,
      window->Menu().mnuOtherVersion,
      window->findChild<QAction*>(QStringLiteral("mnuToolsNew9")),
      window->findChild<QAction*>(QStringLiteral("mnuToolsNew16"))};
  // The zooms, then the display scale 2 under 100%, 200% and 300% (400%
  // draws as 200% on a display of scale 2).
  for (const int percent : {100, 150, 200, 300, 400, 600}) {
    scale = std::to_string(percent) + "%";
    ApplyZoom(percent);
    for (const int size : {9, 16}) {
      if (size == 16)
        NewPuzzle16(app());
      else
        NewPuzzle9(app());
      for (QAction* command : commands) command->trigger();
    }
  }
  for (const auto& [where, texts] : cut)
    for (const std::string& text : texts) ADD_FAILURE() << where << ": " << text;
}

}  // namespace
}  // namespace gridora::ui::testing
