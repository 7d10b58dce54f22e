// SPDX-License-Identifier: MIT
#include "ui/dialogs/config_dialog.h"

#include <QColorDialog>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStatusBar>

#include "core/color_hex.h"
#include "ui/dialogs/dialog_parts.h"
#include "ui/main/fonts.h"
#include "ui/main/plain_label.h"

namespace gridora::ui {

namespace {

// The client area: the window of 4620 x 4020 twips less a dialog frame.
constexpr int kClientWidth = 4530;
constexpr int kClientHeight = 3645;
constexpr TwipsRect kPageRect{240, 480, 4050, 2280};

QString Text(const char* utf8) {
  return QString::fromUtf8(utf8);
}

template <class W>
W* Place(W* widget, const char* name, const TwipsRect& r) {
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(Px(r.left), Px(r.top), Px(r.width), Px(r.height));
  return widget;
}

QGroupBox* Frame(QWidget* page, const char* caption, const TwipsRect& r) {
  return Place(new QGroupBox(Text(caption), page), "fra", r);
}

// An option pair in a frame: index 0 at the left, index 1 at `secondLeft`
// on the same line, or below the first when `secondLeft` is 0.
std::array<QRadioButton*, 2> OptionPair(QGroupBox* frame, const char* name, const char* first,
                                        const char* second, int secondLeft = 2040) {
  const int width = secondLeft ? secondLeft - 360 : 2100;
  auto* a = Place(new QRadioButton(Text(first), frame), name, {240, 330, width, 300});
  auto* b =
      Place(new QRadioButton(Text(second), frame), name,
            secondLeft ? TwipsRect{secondLeft, 330, 1800, 300} : TwipsRect{240, 690, width, 300});
  return {a, b};
}

QColor ToQColor(Color c) {
  return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

Color FromQColor(const QColor& c) {
  return Rgb(c.red(), c.green(), c.blue());
}

}  // namespace

std::optional<QColor> ChooseColorWith(const QColor& initial, QWidget* parent,
                                      const std::function<int(QDialog&)>& run) {
  // Qt's own dialog, which shows the custom colours as well.
  QColorDialog dialog(initial, parent);
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  if (run(dialog) != QDialog::Accepted) return initial;
  const QColor chosen = dialog.selectedColor();
  if (!chosen.isValid()) return std::nullopt;
  return chosen;
}

ConfigDialog::ConfigDialog(Settings& settings, std::string& lastStatusText,
                           AssociationService& association, QWidget* owner)
    : QDialog(owner),
      settings_(settings),
      lastStatusText_(lastStatusText),
      association_(association),
      chooser_([](const QColor& initial, QWidget* parent) {
        return ChooseColorWith(initial, parent, [](QDialog& dialog) { return dialog.exec(); });
      }) {
  setObjectName(QStringLiteral("frmConfig"));
  setWindowTitle(QStringLiteral("Option"));
  setFixedSize(Px(kClientWidth), Px(kClientHeight));
  setFont(GothicFont(9));

  // The tab strip over a pane; the six pages all lie at 240, 480.
  auto* pane = Place(new QFrame(this), "tbrConfigPane", {120, 420, 4290, 2460});
  pane->setFrameShape(QFrame::StyledPanel);
  tabs_ = Place(new QTabBar(this), "tbrConfig", {120, 120, 4290, 315});
  tabs_->setDrawBase(false);
  tabs_->setExpanding(false);
  // All six tabs in the strip's width, none behind scroll buttons.
  tabs_->setUsesScrollButtons(false);
  tabs_->setStyleSheet(QStringLiteral(
      "QTabBar::tab { padding: 3px 7px; margin-right: 1px; border: 1px solid palette(mid);"
      " border-bottom: none; border-top-left-radius: 3px; border-top-right-radius: 3px;"
      " background: palette(button); }"
      " QTabBar::tab:selected { background: palette(window); margin-top: -2px; }"));
  for (const char* caption : {"入力", "仮定法", "解表示", "色", "名前", "その他"})
    tabs_->addTab(Text(caption));
  for (int i = 0; i < kPages; ++i) {
    auto* page = Place(new QWidget(this), "picConfig", kPageRect);
    page->setObjectName(QStringLiteral("picConfig%1").arg(i));
    pages_[static_cast<std::size_t>(i)] = page;
  }
  BuildInputPage(pages_[0]);
  BuildAssumePage(pages_[1]);
  BuildAnswerPage(pages_[2]);
  BuildColorPage(pages_[3]);
  BuildNamePage(pages_[4]);
  BuildOtherPage(pages_[5]);

  ok_ = MakeButton(this, "cmdOk", QStringLiteral("Ok"), {120, 2985, 1335, 375});
  cancel_ = MakeButton(this, "cmdCancel", Text("キャンセル"), {1597, 2985, 1335, 375});
  helpButton_ = MakeButton(this, "cmdHelp", Text("ヘルプ"), {3075, 2985, 1335, 375});
  NoDefaultButton({ok_, cancel_, helpButton_});
  Tip(ok_, "この設定に変更します");
  Tip(cancel_, "前の設定のままにします");
  Tip(helpButton_, "ヘルプを表示します");

  auto* bar = Place(new QStatusBar(this), "sbrConfigHelp", {0, 3375, kClientWidth, 270});
  bar->setSizeGripEnabled(false);
  status_ = new QLabel(bar);
  status_->setObjectName(QStringLiteral("inform"));
  status_->setTextFormat(Qt::PlainText);
  bar->addWidget(status_, 1);

  ConnectEdits();
  Load(ControlsOf(settings_, association_.IsAssociated()));

  // Every control reports F1 and pointer moves to the dialog first.
  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
  PlaceBesideOwner(*this, owner, 900, 900);
}

void ConfigDialog::Tip(QWidget* widget, const char* text) {
  tips_[widget] = text;
  widget->setMouseTracking(true);
}

void ConfigDialog::BuildInputPage(QWidget* page) {
  QGroupBox* beep = Frame(page, "注意音を鳴らすか（テンキー入力）", {0, 0, 4050, 855});
  optBeep_ = OptionPair(beep, "optBeep", "鳴らす", "鳴らさない");
  Tip(optBeep_[0], "置けない数字の入力時に注意音を鳴らします");
  Tip(optBeep_[1], "置けない数字の入力を無視します");
  QGroupBox* speed = Frame(page, "数字の変わるスピード（マウス入力）", {0, 1020, 4050, 1260});
  sldChangeSpeed_ =
      Place(new QSlider(Qt::Horizontal, speed), "sldChangeSpeed", {240, 300, 3570, 480});
  sldChangeSpeed_->setRange(0, kChangeSpeedHigh);
  sldChangeSpeed_->setPageStep(1);
  sldChangeSpeed_->setTickPosition(QSlider::TicksBelow);
  sldChangeSpeed_->setTickInterval(1);
  Tip(sldChangeSpeed_, "マウスのボタンを押しつづける時に数字の変わる速さ");
  lblChangeSpeed_[0] = MakePlainLabel(speed, "lblChangeSpeed", Text("速い"), {240, 840, 900, 255});
  lblChangeSpeed_[1] = MakePlainLabel(speed, "lblChangeSpeed", Text("遅い"), {2910, 840, 900, 255});
  lblChangeSpeed_[1]->setAlignment(Qt::AlignRight | Qt::AlignTop);
}

void ConfigDialog::BuildAssumePage(QWidget* page) {
  QGroupBox* limits = Frame(page, "最大の可能性の数", {0, 0, 4050, 1095});
  const char* captions[2] = {"9x9", "16x16"};
  for (std::size_t i = 0; i < 2; ++i) {
    const int top = 300 + 390 * static_cast<int>(i);
    lblDumy_[6 + i] =
        MakePlainLabel(limits, "lblDumy", Text(captions[i]), {240, top + 30, 720, 255});
    Tip(lblDumy_[6 + i], "入る可能性のある数がこれ個以下の場合、仮定法を行う");
    txtKateiMax_[i] = Place(new QLineEdit(limits), "txtKateiMax", {960, top, 600, 300});
    hsbKateiMax_[i] =
        Place(new QScrollBar(Qt::Horizontal, limits), "hsbKateiMax", {1680, top, 2130, 300});
    hsbKateiMax_[i]->setRange(kKateiMaxLow, i == 0 ? kKateiMax9High : kKateiMax16High);
    hsbKateiMax_[i]->setPageStep(1);
    // Reachable with Tab, and Left makes it smaller.
    hsbKateiMax_[i]->setFocusPolicy(Qt::StrongFocus);
    hsbKateiMax_[i]->setInvertedControls(false);
    const QString name = Text("最大の可能性の数 ") + Text(captions[i]);
    txtKateiMax_[i]->setAccessibleName(name);
    hsbKateiMax_[i]->setAccessibleName(name);
  }
  QGroupBox* mode = Frame(page, "仮定法モード", {0, 1185, 2205, 1095});
  optAssume_ = OptionPair(mode, "optAssume", "「ガンガン」", "「あら捜し」", 0);
  Tip(optAssume_[0], "正解らしき方から探していくアルゴリズムを使います");
  Tip(optAssume_[1], "不正解を消去していくアルゴリズムを使います");
  QGroupBox* use = Frame(page, "仮定法を使うか", {2295, 1185, 1755, 1095});
  chkAssume_ = Place(new QCheckBox(Text("仮定法を使う"), use), "chkAssume", {150, 480, 1530, 300});
  Tip(chkAssume_, "複雑なナンプレ問題も解けるようになります(9*9 のみ)");
}

void ConfigDialog::BuildAnswerPage(QWidget* page) {
  QGroupBox* another = Frame(page, "別解検索", {0, 0, 4050, 855});
  optAnotherAnswer_ = OptionPair(another, "optAnotherAnswer", "する", "しない");
  Tip(optAnotherAnswer_[0], "別解を調べます（最大9個）");
  Tip(optAnotherAnswer_[1], "解を１つ見つけると解の検索を終了します");
  QGroupBox* level = Frame(page, "問題のレベル表示", {0, 1020, 4050, 855});
  optLevelShow_ = OptionPair(level, "optLevelShow", "する", "しない");
  Tip(optLevelShow_[0], "解き終わった後に問題のレベルを表示します");
  Tip(optLevelShow_[1], "解き終わると「成功」とだけ表示します ");
}

void ConfigDialog::BuildColorPage(QWidget* page) {
  QGroupBox* frames[2] = {Frame(page, "ソフトの色", {0, 0, 1980, 2280}),
                          Frame(page, "HTMLの色", {2070, 0, 1980, 2280})};
  // Rows top to bottom: the caption label's index and its caption; the
  // swatch, click area and text box of row r of frame f have index 3f + r.
  const struct {
    std::size_t label;
    const char* caption;
  } rows[kColors] = {{0, "文字1"}, {1, "文字2"}, {2, "文字3"},
                     {4, "文字"},  {3, "背景1"}, {5, "背景2"}};
  for (std::size_t i = 0; i < kColors; ++i) {
    QGroupBox* frame = frames[i / 3];
    const int top = 360 + 600 * static_cast<int>(i % 3);
    QLabel* label =
        MakePlainLabel(frame, "lblDumy", Text(rows[i].caption), {120, top + 45, 600, 255});
    lblDumy_[rows[i].label] = label;
    Tip(label, "色の変更を行います");
    // The swatch narrower than the row's height, so that the text box has
    // room for six hexadecimal digits of any kind.
    auto* swatch = Place(new QFrame(frame), "shpColor", {690, top, 300, 330});
    swatch->setFrameShape(QFrame::Box);
    swatch->setAutoFillBackground(true);
    shpColor_[i] = swatch;
    lblColor_[i] = MakePlainLabel(frame, "lblColor", {}, {690, top, 300, 330});
    lblColor_[i]->setToolTip(Text("ここを押すとカラーパレットを表示します"));
    lblColor_[i]->setCursor(Qt::PointingHandCursor);
    // Reachable with Tab; Space or Enter opens the palette as a click does.
    const QString name = frame->title() + QLatin1Char(' ') + Text(rows[i].caption);
    lblColor_[i]->setFocusPolicy(Qt::StrongFocus);
    lblColor_[i]->setAccessibleName(name);
    lblColor_[i]->setAccessibleDescription(lblColor_[i]->toolTip());
    lblColor_[i]->setStyleSheet(
        QStringLiteral("QLabel:focus { border: 2px dotted palette(text); }"));
    txtPalette_[i] = Place(new QLineEdit(frame), "txtPalette", {1035, top + 15, 915, 300});
    txtPalette_[i]->setToolTip(Text("6桁の16進数カラーコードを入力してください"));
    txtPalette_[i]->setAccessibleName(name + Text(" カラーコード"));
  }
}

void ConfigDialog::BuildNamePage(QWidget* page) {
  QGroupBox* name = Frame(page, "あなたの名前", {0, 0, 4050, 855});
  txtName_ = Place(new QLineEdit(name), "txtName", {240, 360, 3570, 300});
  Tip(txtName_, "あなたの名前を入力してください");
}

void ConfigDialog::BuildOtherPage(QWidget* page) {
  QGroupBox* association = Frame(page, "関連付け", {0, 0, 4050, 855});
  chkConnect_ = Place(new QCheckBox(Text("\"*.gdr\" の関連付けをする"), association), "chkConnect",
                      {240, 360, 3570, 300});
  Tip(chkConnect_, "ナンプレファイルから直接ソフトを起動できるようにします");
  QGroupBox* gif = Frame(page, "HTML表示で使う GIF のPath", {0, 1020, 4050, 855});
  txtGifPath_ = Place(new QLineEdit(gif), "txtGifPath", {240, 360, 3570, 300});
  Tip(txtGifPath_, "gifファイルの相対パスを入力します");
}

void ConfigDialog::ConnectEdits() {
  connect(tabs_, &QTabBar::currentChanged, this, [this](int i) { ShowPage(i); });
  connect(ok_, &QPushButton::clicked, this, [this] {
    ApplyControls(Controls(), settings_, association_);
    accept();
  });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(helpButton_, &QPushButton::clicked, this, [this] {
    if (help_) help_();
  });
  // Every edit enables Ok. Option buttons and check boxes count however
  // they change (click, space, arrow keys).
  for (const auto& pair : {optBeep_, optAssume_, optAnotherAnswer_, optLevelShow_}) {
    for (QRadioButton* option : pair)
      connect(option, &QRadioButton::toggled, this, &ConfigDialog::Edited);
  }
  connect(chkAssume_, &QCheckBox::toggled, this, [this](bool on) {
    for (QRadioButton* option : optAssume_) option->setEnabled(on);
    Edited();
  });
  connect(chkConnect_, &QCheckBox::toggled, this, [this] {
    connectChanged_ = true;
    Edited();
  });
  connect(sldChangeSpeed_, &QSlider::valueChanged, this, &ConfigDialog::Edited);
  connect(txtName_, &QLineEdit::textChanged, this, &ConfigDialog::Edited);
  connect(txtGifPath_, &QLineEdit::textChanged, this, &ConfigDialog::Edited);
  for (int i = 0; i < 2; ++i) {
    connect(hsbKateiMax_[static_cast<std::size_t>(i)], &QScrollBar::valueChanged, this,
            [this, i] { KateiBarChanged(i); });
    connect(txtKateiMax_[static_cast<std::size_t>(i)], &QLineEdit::textChanged, this,
            [this, i] { KateiBoxChanged(i); });
  }
  for (int i = 0; i < kColors; ++i) {
    connect(txtPalette_[static_cast<std::size_t>(i)], &QLineEdit::textChanged, this,
            [this, i] { PaletteChanged(i); });
  }
}

void ConfigDialog::Load(const ConfigControls& c) {
  ShowPage(0);
  chkAssume_->setChecked(c.assume);
  for (QRadioButton* option : optAssume_) option->setEnabled(c.assume);
  if (c.assumeMode >= 0) optAssume_[static_cast<std::size_t>(c.assumeMode)]->setChecked(true);
  for (int i = 0; i < 2; ++i) {
    QScrollBar* bar = hsbKateiMax_[static_cast<std::size_t>(i)];
    bar->setValue(i == 0 ? c.max9 : c.max16);
    KateiBarChanged(i);  // the box shows the value even where the bar did not move
  }
  optLevelShow_[static_cast<std::size_t>(c.levelShow)]->setChecked(true);
  optAnotherAnswer_[static_cast<std::size_t>(c.anotherAnswer)]->setChecked(true);
  optBeep_[static_cast<std::size_t>(c.beep)]->setChecked(true);
  sldChangeSpeed_->setValue(c.changeSpeed);
  txtGifPath_->setText(QString::fromStdString(c.gifPath));
  txtName_->setText(QString::fromStdString(c.name));
  chkConnect_->setChecked(c.connect);
  for (std::size_t i = 0; i < kColors; ++i) {
    txtPalette_[i]->setText(QString::fromStdString(ColorToHex(c.swatches[i])));
    PaletteChanged(static_cast<int>(i));  // also where the text did not change
  }
  // What loading changed is no edit.
  ok_->setEnabled(false);
  connectChanged_ = false;
}

ConfigControls ConfigDialog::Controls() const {
  const auto selected = [](const std::array<QRadioButton*, 2>& pair) {
    return pair[0]->isChecked() ? 0 : pair[1]->isChecked() ? 1 : -1;
  };
  ConfigControls c;
  c.assume = chkAssume_->isChecked();
  c.assumeMode = selected(optAssume_);
  c.max9 = hsbKateiMax_[0]->value();
  c.max16 = hsbKateiMax_[1]->value();
  c.changeSpeed = sldChangeSpeed_->value();
  c.levelShow = selected(optLevelShow_);
  c.anotherAnswer = selected(optAnotherAnswer_);
  c.beep = selected(optBeep_);
  c.gifPath = txtGifPath_->text().toStdString();
  c.name = txtName_->text().toStdString();
  for (std::size_t i = 0; i < kColors; ++i)
    c.swatches[i] = FromQColor(SwatchColor(static_cast<int>(i)));
  c.connect = chkConnect_->isChecked();
  c.connectChanged = connectChanged_;
  return c;
}

QColor ConfigDialog::SwatchColor(int i) const {
  return shpColor_[static_cast<std::size_t>(i)]->palette().color(QPalette::Window);
}

void ConfigDialog::ShowPage(int i) {
  for (int k = 0; k < kPages; ++k) pages_[static_cast<std::size_t>(k)]->setVisible(k == i);
}

void ConfigDialog::KateiBarChanged(int i) {
  QLineEdit* box = txtKateiMax_[static_cast<std::size_t>(i)];
  const auto text = KateiTextForBar(box->text().toStdString(),
                                    hsbKateiMax_[static_cast<std::size_t>(i)]->value());
  if (text) box->setText(QString::fromStdString(*text));
}

void ConfigDialog::KateiBoxChanged(int i) {
  QScrollBar* bar = hsbKateiMax_[static_cast<std::size_t>(i)];
  const KateiEdit edit =
      KateiTextChanged(txtKateiMax_[static_cast<std::size_t>(i)]->text().toStdString(),
                       bar->value(), bar->maximum());
  Edited();
  if (edit.resetText) {
    txtKateiMax_[static_cast<std::size_t>(i)]->setText(QString::fromStdString(*edit.resetText));
  } else if (edit.barValue != bar->value()) {
    bar->setValue(edit.barValue);
  }
}

void ConfigDialog::PaletteChanged(int i) {
  QLineEdit* box = txtPalette_[static_cast<std::size_t>(i)];
  const std::string text = box->text().toStdString();
  Edited();
  if (const auto cut = CutPaletteText(text)) {
    box->setText(QString::fromStdString(*cut));  // runs this rule again
    return;
  }
  QWidget* swatch = shpColor_[static_cast<std::size_t>(i)];
  QPalette p = swatch->palette();
  p.setColor(QPalette::Window, ToQColor(PaletteSwatchColor(text)));
  swatch->setPalette(p);
}

void ConfigDialog::ChooseColor(int i) {
  QLineEdit* box = txtPalette_[static_cast<std::size_t>(i)];
  const QColor initial = ToQColor(PaletteChooserColor(box->text().toStdString()));
  const std::optional<QColor> chosen = chooser_(initial, this);
  if (!chosen || !chosen->isValid()) return;
  box->setText(QString::fromStdString(ColorToHex(FromQColor(*chosen))));
}

void ConfigDialog::ShowConfigTip(const std::string& text) {
  if (text == lastStatusText_) return;
  lastStatusText_ = text;
  status_->setText(QString::fromStdString(text));
}

bool ConfigDialog::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_F1) {
        if (help_) help_();
        return true;
      }
      if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        for (int i = 0; i < kColors; ++i) {
          if (watched != lblColor_[static_cast<std::size_t>(i)]) continue;
          ChooseColor(i);
          return true;
        }
      }
      break;
    }
    case QEvent::MouseMove:
      if (const auto tip = tips_.find(watched); tip != tips_.end()) ShowConfigTip(tip->second);
      break;
    case QEvent::MouseButtonPress:
      // A colour area takes the press, so the release comes back to it.
      for (const QLabel* area : lblColor_) {
        if (watched == area) return true;
      }
      break;
    case QEvent::MouseButtonRelease:
      for (int i = 0; i < kColors; ++i) {
        QLabel* area = lblColor_[static_cast<std::size_t>(i)];
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (watched == area && mouse->button() == Qt::LeftButton &&
            area->rect().contains(mouse->position().toPoint())) {
          ChooseColor(i);
          return true;
        }
      }
      break;
    default:
      break;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace gridora::ui
