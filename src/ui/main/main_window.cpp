// SPDX-License-Identifier: MIT
// The main window: its layout, the screen port's display requests, the
// status bar and its events. Commands and modal steps are in
// main_window_commands.cpp and main_window_dialogs.cpp.

#include "ui/main/main_window.h"
#include "ui/main/page_output.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QKeyEvent>
#include <QLayout>
#include <QLocale>
#include <QScreen>
#include <QStatusBar>
#include <cmath>
#include <vector>

#include "engine/puzzle_stock.h"
#include "settings/window_placement.h"
#include "system/recovery.h"
#include "system/time_locale.h"
#include "ui/main/board_geometry.h"
#include "ui/main/client_area.h"
#include "ui/main/fonts.h"
#include "ui/main/formats_tools.h"
#include "ui/main/launcher_tips.h"
#include "ui/main/num_lock.h"
#include "ui/main/plain_label.h"
#include "ui/main/play_mode.h"
#include "ui/main/window_access.h"
#include "ui/main/window_hints.h"

namespace gridora::ui {

namespace {

// The designed client area: 5085 twips of outer width less a 3-pixel frame
// on each side, and everything between the menu bar and the status bar.
constexpr int kClientWidth = 4995;
constexpr int kClientHeight = 4215;

QColor ToQColor(Color c) {
  return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

// The information panel's labels. The pointer moves over the panel reach
// the window background, which opens the launcher.
QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, const TwipsRect& rect) {
  QLabel* label = MakePlainLabel(parent, name, QString::fromUtf8(text), rect);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

QLabel* MakeHeading(QWidget* parent, const char* name, const char* text, int left, int top,
                    int width) {
  QLabel* label = MakeLabel(parent, name, text, {left, top, width, 255});
  label->setFont(MinchoFont(8.4, true));
  SetTextColor(label, QColor(128, 64, 0));
  return label;
}

}  // namespace

MainWindow::MainWindow(AppState& state, QWidget* parent)
    : QMainWindow(parent), state_(state), logic_(std::make_unique<LogicTools>()) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("Gridora"));
  setWindowIcon(QIcon(QStringLiteral(":/gridora/icon.png")));
  setFont(GothicFont(8.4));
  setFocusPolicy(Qt::StrongFocus);

  auto* client = new ClientArea(this);
  client->setFixedSize(Px(kClientWidth), Px(kClientHeight));
  client->SetMouseMoveHandler([this](const QPoint& pos) { BackgroundMouseMove(pos); });
  setCentralWidget(client);

  menu_ = BuildMainMenu(*menuBar(), *this);
  BuildInformationPanel(*client);
  BuildStatusBar();
  LayoutBoards(*client);
  input_ = new InputModes(app(), *this, menu_.popup);
  input_->setParent(this);
  wall9_->SetMouseHandler(input_);
  wall16_->SetMouseHandler(input_);
  ConnectMenu();
  ConnectTools();
  ConnectPlay();
  ConnectPageTools();
  ConnectFormatsTools();
  ConnectEngineTools();
  access_ = std::make_unique<WindowAccess>(*this, state_, [this] { return FocusCell(); });
  access_->SetGivens([this] { return play_->GivensShown(); });

  // The window keeps its designed size.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  adjustSize();
  SetFixedSizeHints(*this);
}

MainWindow::~MainWindow() = default;

void MainWindow::LayoutBoards(ClientArea& client) {
  const QPixmap texture(QStringLiteral(":/gridora/board_texture.png"));
  wall9_ = new BoardSurface(9, texture, &client);
  wall9_->move(Px(120), Px(540));
  wall16_ = new BoardSurface(16, texture, &client);
  wall16_->move(wall9_->pos());
  wall16_->hide();
  // The launcher lies over the information panel while it is shown.
  launcher_ = new LauncherPanel(
      {[this](int k) { LauncherClicked(k); }, [this](int k) { LauncherButtonHovered(k); },
       [this](int column) { ShowStatus(LauncherColumnTip(column)); }},
      &client);
  launcher_->move(Px(3870), Px(480));
  // Hidden until start-up has prepared its images.
  toolbar_ = new ToolbarStrip(
      state_,
      {[this](const std::string& text) { ShowStatus(text); },
       [this] {
         if (launcher_->isVisible()) launcher_->hide();
       },
       [this] { ShowInputMethodMenu(); }, [this](CommandId command) { RunCommand({command}); }},
      &client);
  toolbar_->move(0, Px(45));
  toolbar_->hide();
}

void MainWindow::BuildInformationPanel(ClientArea& client) {
  MakeHeading(&client, "lblAuthorTop", "<作者>", 4080, 600, 855);
  author_ = MakeLabel(&client, "lblAuthor", "不明", {3960, 840, 975, 375});
  author_->setFont(GothicFont(9));
  author_->setWordWrap(true);
  MakeHeading(&client, "lblDateTop", "<制作日>", 4080, 1440, 855);
  date_ = MakeLabel(&client, "lblDate", "不明", {3960, 1680, 1395, 255});
  MakeHeading(&client, "lblCommentTop", "<コメント>", 4080, 2040, 855);
  comment_ = MakeLabel(&client, "lblComment", "不明", {3960, 2280, 975, 1215});
  comment_->setWordWrap(true);
  MakeHeading(&client, "lblFileNameTop", "<ファイル名>", 3960, 3720, 1095);
  fileName_ = MakeLabel(&client, "lblFileName", "(未定)", {3960, 3960, 975, 255});
}

void MainWindow::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("sbrInform"));
  bar->setSizeGripEnabled(false);
  inform_ = new QLabel(bar);
  inform_->setObjectName(QStringLiteral("inform"));
  inform_->setTextFormat(Qt::PlainText);
  inform_->setMinimumWidth(1);  // long messages are cut, never widen the window
  bar->addWidget(inform_, 1);
  numLock_ = new QLabel(bar);
  numLock_->setObjectName(QStringLiteral("numLock"));
  numLock_->setAlignment(Qt::AlignCenter);
  numLock_->setFixedWidth(numLock_->fontMetrics().horizontalAdvance(QStringLiteral("NUM")) + 12);
  bar->addPermanentWidget(numLock_);
}

// --- ScreenPort --------------------------------------------------------------

void MainWindow::ShowCell(int boardSize, int index, const std::string& caption, Color color) {
  if (CellLabel* label = Board(boardSize)->Label(index))
    label->Show(QString::fromStdString(caption),
                ToQColor(play_ ? play_->CellColor(boardSize, index, color) : color));
  ScheduleAidsRefresh();
  ScheduleRecoveryUpdate();
}

void MainWindow::ShowBoardFrame(int boardSize) {
  BoardSurface* shown = Board(boardSize);
  BoardSurface* hidden = boardSize == 16 ? wall9_ : wall16_;
  hidden->hide();
  shown->show();
  lastPressed_ = -1;
  if (play_) play_->PuzzleReset();
  ScheduleAidsRefresh();
}

QLabel* MainWindow::Property(PropertyLabel label) const {
  switch (label) {
    case PropertyLabel::Author:
      return author_;
    case PropertyLabel::Date:
      return date_;
    case PropertyLabel::Comment:
      return comment_;
    case PropertyLabel::FileName:
      return fileName_;
  }
  return nullptr;
}

void MainWindow::ShowProperty(PropertyLabel label, const std::string& text) {
  if (QLabel* target = Property(label)) target->setText(QString::fromStdString(text));
  ScheduleRecoveryUpdate();
}

void MainWindow::SetSlotFetchEnabled(SlotMenu menu, int n, bool enabled) {
  if (n < 1 || n > kSlotCount) return;
  const auto i = static_cast<std::size_t>(n);
  const bool answer = menu == SlotMenu::Answer;
  (answer ? menu_.mnuDataAnswer[i] : menu_.mnuDataLoad[i])->setEnabled(enabled);
  launcher_->SetButtonEnabled(answer ? n + 17 : n + 8, enabled);
}

void MainWindow::SetInformText(const std::string& text) {
  inform_->setText(QString::fromStdString(text));
  access_->Announce(text);
  inform_->setToolTip({});  // a hint's whole sentence goes with the hint
  HideHintNote();
}

void MainWindow::MoveCursorBar(int boardSize, int cell) {
  Board(boardSize)->MoveCursorBar(cell);
  ScheduleAidsRefresh();
}

void MainWindow::CenterMainWindow() {
  QScreen* target = screen() ? screen() : QGuiApplication::primaryScreen();
  if (!target) return;
  const QRect area = target->availableGeometry();
  const QSize size = frameGeometry().size();
  move(area.x() + (area.width() - size.width()) / 2,
       area.y() + (area.height() - size.height()) / 2);
}

void MainWindow::Beep() {
  if (beeper_) {
    beeper_();
    return;
  }
  QApplication::beep();
}

void MainWindow::Yield() {
  // The solver calls this many times a second; running the event loop at
  // most every yieldGapMs_ keeps the window painted at almost no cost.
  if (yieldClock_.isValid() && yieldClock_.elapsed() < yieldGapMs_) return;
  QCoreApplication::processEvents();
  yieldClock_.start();
}

void MainWindow::SetSolving(bool solving) {
  if (solving == solving_) return;
  solving_ = solving;
  if (solving) {
    // A held mouse button must not go on changing a cell while the solver
    // works on the board.
    input_->StopRepeat();
    setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
    setEnabled(true);
  }
}

std::string MainWindow::TodayText() {
  // The locale Qt's system locale takes its dates from, read afresh.
  const std::string name = TimeLocaleName();
  const QDate today = QDate::currentDate();
  const QLocale locale(QString::fromStdString(name));
  // A name Qt does not know reads as the C locale too.
  if (IsPosixLocaleName(name) || locale.language() == QLocale::C)
    return today.toString(QLatin1String(kPosixShortDate)).toStdString();
  return locale.toString(today, QLocale::ShortFormat).toStdString();
}

// --- The window's own routines -------------------------------------------------

void MainWindow::ShowStatus(const std::string& text) {
  if (text != state_.LastStatusText) {
    state_.LastStatusText = text;
    inform_->setText(QString::fromStdString(text));
    inform_->setToolTip({});  // a hint's whole sentence goes with the hint
    HideHintNote();
    access_->Announce(text);
  }
  // The launcher's own tips begin with "メモリ" or "解" and leave it open.
  if (launcher_->isVisible() && text.rfind("メ", 0) != 0 && text.rfind("解", 0) != 0)
    launcher_->hide();
}

void MainWindow::SetCursorBarsVisible(bool visible) {
  wall9_->CursorBar()->setVisible(visible);
  wall16_->CursorBar()->setVisible(visible);
}

void MainWindow::UpdateInputMethodChecks() {
  for (QAction* item : menu_.mnuPopInput) item->setChecked(false);
  menu_.mnuPopInput[static_cast<std::size_t>(state_.settings.InputMode)]->setChecked(true);
}

void MainWindow::RestoreToolbar() {
  toolbar_->Restore();
}

void MainWindow::PrepareToolbarBitmap() {
  const QPalette& p = palette();
  toolbar_->Prepare(p.color(QPalette::Dark), p.color(QPalette::Light), p.color(QPalette::Button));
}

void MainWindow::MoveMainWindow(float left, float top) {
  // Screens in twips, the primary first: a stored position that no screen
  // of this display shows centres the window on the primary one.
  std::vector<gridora::TwipsRect> screens;
  QList<QScreen*> all = QGuiApplication::screens();
  if (QScreen* primary = QGuiApplication::primaryScreen()) {
    all.removeAll(primary);
    all.prepend(primary);
  }
  for (QScreen* screen : all) {
    const QRect area = screen->availableGeometry();
    screens.push_back(
        {area.x() * 15.0, area.y() * 15.0, area.width() * 15.0, area.height() * 15.0});
  }
  const QSize size = frameGeometry().size();
  const WindowPosition at =
      PlaceMainWindow(left, top, size.width() * 15.0, size.height() * 15.0, screens);
  move(static_cast<int>(std::lround(at.left / kTwipsPerPixel)),
       static_cast<int>(std::lround(at.top / kTwipsPerPixel)));
}

float MainWindow::MainWindowLeft() {
  return static_cast<float>(pos().x() * kTwipsPerPixel);
}

float MainWindow::MainWindowTop() {
  return static_cast<float>(pos().y() * kTwipsPerPixel);
}

void MainWindow::RefreshNumLock() {
  const std::optional<bool> on = NumLockState();
  numLock_->setText(on.value_or(false) ? QStringLiteral("NUM") : QString());
}

void MainWindow::BackgroundMouseMove(const QPoint& pos) {
  RestoreToolbar();
  // lblLaunch: the transparent hot area over the information panel.
  static const QRect hotArea(Px(3840), Px(480), Px(1335), Px(3735));
  if (pos.x() * kTwipsPerPixel > 3870 || hotArea.contains(pos)) {
    launcher_->show();
    launcher_->raise();
  } else if (launcher_->isVisible()) {
    launcher_->hide();
  }
}

// --- Events ------------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event) {
  if (quitting_) {
    event->accept();
    return;
  }
  // While the window is disabled (a solve runs) a close request from the
  // window manager is refused like every other input.
  if (!isEnabled()) {
    event->ignore();
    return;
  }
  // The frame's close goes through the same quit sequence as the menu; the
  // close under way is the one that ends the program.
  if (ReadyToQuit()) {
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_NumLock) RefreshNumLock();
  if (input_->KeyDown(*event)) {
    event->accept();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate ||
      (event->type() == QEvent::KeyRelease &&
       static_cast<QKeyEvent*>(event)->key() == Qt::Key_NumLock))
    RefreshNumLock();
  return QMainWindow::event(event);
}

}  // namespace gridora::ui
