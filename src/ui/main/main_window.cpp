#include "ui/main/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLayout>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <cmath>
#include <vector>

#include "core/board.h"
#include "core/color_class.h"
#include "core/file_commands.h"
#include "core/history.h"
#include "core/slots.h"
#include "settings/settings_file.h"
#include "settings/window_placement.h"
#include "solver/run_solver.h"
#include "system/launcher.h"
#include "system/version_info.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/main/board_geometry.h"
#include "ui/main/client_area.h"
#include "ui/main/fonts.h"
#include "ui/main/num_lock.h"
#include "ui/main/plain_label.h"

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

QMessageBox::StandardButtons ToQt(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      return QMessageBox::Ok;
    case MessageButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon ToQt(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::None:
      return QMessageBox::NoIcon;
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::Critical:
      return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

MessageAnswer FromQt(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    case QMessageBox::Cancel:
      return MessageAnswer::Cancel;
    default:
      return MessageAnswer::Ok;
  }
}

}  // namespace

MainWindow::MainWindow(AppState& state, QWidget* parent) : QMainWindow(parent), state_(state) {
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

  // The window keeps its designed size.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  adjustSize();
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
  launcher_ = new LauncherPanel([this](int k) { LauncherClicked(k); }, &client);
  launcher_->move(Px(3870), Px(480));
  toolbar_ = new QWidget(&client);
  toolbar_->setObjectName(QStringLiteral("picToolBar"));
  toolbar_->setGeometry(0, Px(45), Px(5280), Px(360));
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

void MainWindow::ConnectCommand(QAction* action, std::function<void()> command) {
  // The solver lets events run while it works; a shortcut that slips
  // through then must not start a second solve or change the board.
  connect(action, &QAction::triggered, this, [this, command = std::move(command)] {
    if (!solving_) command();
  });
}

void MainWindow::ConnectMenu() {
  const MainMenu& m = menu_;
  // The commands that discard the puzzle ask about unsaved changes first.
  ConnectCommand(m.mnuFileNew9, [this] {
    if (ConfirmSaveChanges(app())) NewPuzzle9(app());
  });
  ConnectCommand(m.mnuFileNew16, [this] {
    if (ConfirmSaveChanges(app())) NewPuzzle16(app());
  });
  ConnectCommand(m.mnuFileOpen, [this] {
    if (ConfirmSaveChanges(app())) OpenPuzzle(app());
  });
  ConnectCommand(m.mnuFileSave, [this] { SavePuzzleAs(app()); });
  ConnectCommand(m.mnuFileSaveOver, [this] { SavePuzzle(app()); });
  ConnectCommand(m.mnuFileCount, [this] { ShowCellCount(app()); });
  ConnectCommand(m.mnuFileQuit, [this] { QuitApplication(); });
  ConnectCommand(m.mnuEditUndo, [this] { UndoStep(app()); });
  ConnectCommand(m.mnuEditRedo, [this] { RedoStep(app()); });
  for (int g = 0; g < 3; ++g) {
    for (int op = 0; op < 4; ++op) {
      ConnectCommand(m.colorItems[static_cast<std::size_t>(g)][static_cast<std::size_t>(op)],
                     [this, g, op] { ChangeColorClass(app(), g, op); });
    }
  }
  for (int n = 1; n <= 9; ++n) {
    const auto i = static_cast<std::size_t>(n);
    ConnectCommand(m.mnuDataAnswer[i], [this, n] { FetchAnswerSlot(app(), n); });
    ConnectCommand(m.mnuDataLoad[i], [this, n] { FetchMemorySlot(app(), n); });
    ConnectCommand(m.mnuDataSave[i], [this, n] { StoreMemorySlot(app(), n); });
  }
  for (int mode = 0; mode < 3; ++mode) {
    ConnectCommand(m.mnuPopInput[static_cast<std::size_t>(mode)],
                   [this, mode] { input_->SwitchMode(mode); });
  }
  ConnectCommand(m.mnuOtherHelp, [this] { ShowHelp(app()); });
  ConnectCommand(m.mnuOtherVersion, [this] { ShowVersionBox(""); });
  ConnectCommand(m.mnuEditSolve, [this] { RunSolver(app()); });
}

// --- ScreenPort --------------------------------------------------------------

void MainWindow::ShowCell(int boardSize, int index, const std::string& caption, Color color) {
  if (CellLabel* label = Board(boardSize)->Label(index))
    label->Show(QString::fromStdString(caption), ToQColor(color));
}

void MainWindow::ShowBoardFrame(int boardSize) {
  BoardSurface* shown = Board(boardSize);
  BoardSurface* hidden = boardSize == 16 ? wall9_ : wall16_;
  hidden->hide();
  shown->show();
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
}

void MainWindow::SetSlotMenuEnabled(SlotMenu menu, int n, bool enabled) {
  if (n < 1 || n > kSlotCount) return;
  const auto i = static_cast<std::size_t>(n);
  (menu == SlotMenu::Answer ? menu_.mnuDataAnswer[i] : menu_.mnuDataLoad[i])->setEnabled(enabled);
}

void MainWindow::SetLauncherButtonEnabled(int k, bool enabled) {
  launcher_->SetButtonEnabled(k, enabled);
}

void MainWindow::SetInformText(const std::string& text) {
  inform_->setText(QString::fromStdString(text));
}

MessageAnswer MainWindow::ShowMessage(const std::string& text, const std::string& title,
                                      MessageButtons buttons, MessageIcon icon) {
  if (messageAnswerer_) return messageAnswerer_(text, title, buttons, icon);
  // Before the window is first shown (a load failure at start-up) the box
  // stands on its own.
  QMessageBox box(
      ToQt(icon), QString::fromStdString(title),
      QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
      ToQt(buttons), isVisible() ? this : nullptr);
  box.setTextFormat(Qt::PlainText);
  box.setWindowIcon(windowIcon());
  box.exec();
  return FromQt(box.standardButton(box.clickedButton()));
}

void MainWindow::MoveCursorBar(int boardSize, int cell) {
  Board(boardSize)->MoveCursorBar(cell);
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

bool MainWindow::AskFilePath(const FileDialogRequest& request, std::string& path) {
  // Qt's own dialog: the same on every desktop, and tests can drive it.
  QFileDialog dialog(isVisible() ? this : nullptr);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  const bool open = request.mode == FileDialogMode::Open;
  dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  if (!request.initialDirectory.empty())
    dialog.setDirectory(QString::fromStdString(request.initialDirectory));
  // A description that already names its pattern ("...(*.gdr)") is a
  // complete Qt filter; otherwise the pattern follows in parentheses.
  const QString description = QString::fromStdString(request.filterDescription);
  const QString pattern = QString::fromStdString(request.filterPattern);
  dialog.setNameFilter(description.contains(pattern)
                           ? description
                           : QStringLiteral("%1 (%2)").arg(description, pattern));
  dialog.setDefaultSuffix(QString::fromStdString(request.defaultSuffix));
  if (!request.initialFileName.empty())
    dialog.selectFile(QString::fromStdString(request.initialFileName));
  if (RunDialog(dialog) != QDialog::Accepted) return false;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.first().isEmpty()) return false;
  path = chosen.first().toStdString();
  return true;
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
  return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

// --- The window's own routines -------------------------------------------------

void MainWindow::ShowStatus(const std::string& text) {
  if (text != state_.LastStatusText) {
    state_.LastStatusText = text;
    inform_->setText(QString::fromStdString(text));
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
  if (state_.InputMode >= 0 && state_.InputMode < 3)
    menu_.mnuPopInput[static_cast<std::size_t>(state_.InputMode)]->setChecked(true);
}

void MainWindow::RestoreToolbar() {
  if (state_.ToolbarHot == -2) return;
  toolbar_->update();
  state_.ToolbarHot = -2;
}

bool MainWindow::ReadyToQuit() {
  if (!ConfirmSaveChanges(app())) return false;  // Cancel: the program keeps running
  SaveSettings(app());
  quitting_ = true;
  return true;
}

void MainWindow::QuitApplication() {
  // The last window closing ends the event loop.
  if (ReadyToQuit()) close();
}

void MainWindow::ShowVersionBox(const std::string& notice) {
  // On the first run the box comes before the main window is shown.
  AboutDialog box(windowIcon(), isVisible() ? this : nullptr);
  if (!notice.empty()) box.SetNotice(QString::fromStdString(notice));
  box.SetSysInfoAction([this] { StartSysInfo(app()); });
  RunDialog(box);
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

int MainWindow::RunDialog(QDialog& dialog) {
  if (dialogRunner_) {
    dialogRunner_(dialog);
    return dialog.result();
  }
  return dialog.exec();
}

void MainWindow::RefreshNumLock() {
  const std::optional<bool> on = NumLockState();
  numLock_->setText(on.value_or(false) ? QStringLiteral("NUM") : QString());
}

QAction* MainWindow::ExecPopup(QMenu& menu, const QPoint& globalPos) {
  if (popupRunner_) return popupRunner_(menu, globalPos);
  return menu.exec(globalPos);
}

void MainWindow::LauncherClicked(int k) {
  if (k < 9) {
    StoreMemorySlot(app(), k + 1);
  } else if (k < 18) {
    FetchMemorySlot(app(), k - 8);
  } else {
    FetchAnswerSlot(app(), k - 17);
  }
}

void MainWindow::BackgroundMouseMove(const QPoint& pos) {
  RestoreToolbar();
  if (pos.x() * kTwipsPerPixel > 3870) {
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
