// SPDX-License-Identifier: MIT
#include "ui/main/main_menu.h"

#include <QActionGroup>

namespace gridora::ui {

namespace {

QString Text(const char* utf8) {
  return QString::fromUtf8(utf8);
}

QAction* AddItem(QMenu* menu, const char* caption, const char* name,
                 const QKeySequence& shortcut = {}) {
  QAction* action = menu->addAction(Text(caption));
  action->setObjectName(QString::fromLatin1(name));
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  return action;
}

QAction* AddSeparator(QMenu* menu, const char* name) {
  QAction* separator = menu->addSeparator();
  separator->setObjectName(QString::fromLatin1(name));
  return separator;
}

QMenu* AddMenu(QMenuBar& bar, const char* caption, const char* name) {
  QMenu* menu = bar.addMenu(Text(caption));
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

QMenu* AddSubmenu(QMenu* parent, const char* caption, const char* name) {
  QMenu* menu = parent->addMenu(Text(caption));
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

// Nine items "(&1)" to "(&9)", numbered 1 to 9 in `items`.
void AddSlotItems(QMenu* menu, const char* name, std::array<QAction*, 10>& items) {
  for (int n = 1; n <= 9; ++n) {
    QAction* action = menu->addAction(QStringLiteral("(&%1)").arg(n));
    action->setObjectName(QStringLiteral("%1_%2").arg(QString::fromLatin1(name)).arg(n));
    items[static_cast<std::size_t>(n)] = action;
  }
}

void BuildFileMenu(QMenuBar& bar, MainMenu& m) {
  m.mnuFile = AddMenu(bar, "ファイル(&F)", "mnuFile");
  m.mnuFileNew9 =
      AddItem(m.mnuFile, "新規作成-9(&N)", "mnuFileNew9", QKeySequence(Qt::CTRL | Qt::Key_N));
  m.mnuFileNew16 =
      AddItem(m.mnuFile, "新規作成-16(&M)", "mnuFileNew16", QKeySequence(Qt::CTRL | Qt::Key_M));
  AddSeparator(m.mnuFile, "mnuFileDumy1");
  m.mnuFileOpen =
      AddItem(m.mnuFile, "開く...(&O)", "mnuFileOpen", QKeySequence(Qt::CTRL | Qt::Key_O));
  m.mnuFileSave = AddItem(m.mnuFile, "名前をつけて保存...(&A)", "mnuFileSave");
  m.mnuFileSaveOver =
      AddItem(m.mnuFile, "上書き保存(&S)", "mnuFileSaveOver", QKeySequence(Qt::CTRL | Qt::Key_S));
  AddSeparator(m.mnuFile, "mnuFileDumy2");
  m.mnuFileCG = AddItem(m.mnuFile, "画像セーブ...(&G)", "mnuFileCG");
  m.mnuFileCG->setVisible(false);
  m.mnuFilePrint =
      AddItem(m.mnuFile, "印刷...(&P)", "mnuFilePrint", QKeySequence(Qt::CTRL | Qt::Key_P));
  m.mnuFileHtml = AddItem(m.mnuFile, "HTMLに変換...(&H)", "mnuFileHtml");
  m.mnuFileDumy3 = AddSeparator(m.mnuFile, "mnuFileDumy3");
  m.gdrFileProperty = AddItem(m.mnuFile, "問題のプロパティ...(&R)", "gdrFileProperty",
                              QKeySequence(Qt::CTRL | Qt::Key_R));
  m.mnuFileCount = AddItem(m.mnuFile, "マス数を数える(&M)", "mnuFileCount");
  AddSeparator(m.mnuFile, "gdrFileDumy4");
  m.mnuFileQuit = AddItem(m.mnuFile, "終了(&E)", "mnuFileQuit");
}

void BuildEditMenu(QMenuBar& bar, MainMenu& m) {
  m.mnuEdit = AddMenu(bar, "編集(&E)", "mnuEdit");
  m.mnuEditSolve = AddItem(m.mnuEdit, "解く(&S)", "mnuEditSolve", QKeySequence(Qt::Key_F2));
  m.mnuEditUndo =
      AddItem(m.mnuEdit, "やり直し(&U)", "mnuEditUndo", QKeySequence(Qt::CTRL | Qt::Key_Z));
  m.mnuEditRedo = AddItem(m.mnuEdit, "やり直しのやり直し(&R)", "mnuEditRedo",
                          QKeySequence(Qt::CTRL | Qt::Key_A));
  AddSeparator(m.mnuEdit, "mnuEditDumy1");
  m.mnuEditColor = AddSubmenu(m.mnuEdit, "文字色の変更(&C)", "mnuEditColor");
  static constexpr const char* kGroups[3][2] = {{"緑・黄文字(&W)", "mnuEditColorBoth"},
                                                {"緑文字(&G)", "mnuEditColorGreen"},
                                                {"黄文字(&Y)", "mnuEditColorYellow"}};
  static constexpr const char* kOperations[4] = {"黒に変換(&B)", "緑に変換(&G)", "黄に変換(&Y)",
                                                 "消す(&D)"};
  for (std::size_t g = 0; g < 3; ++g) {
    const QString name = QString::fromLatin1(kGroups[g][1]);
    QMenu* group = m.mnuEditColor->addMenu(Text(kGroups[g][0]));
    group->setObjectName(name + QLatin1Char('P'));
    m.colorGroups[g] = group;
    for (std::size_t op = 0; op < 4; ++op) {
      QAction* item = group->addAction(Text(kOperations[op]));
      item->setObjectName(QStringLiteral("%1_%2").arg(name).arg(op));
      m.colorItems[g][op] = item;
    }
  }
  // Green cannot become green, nor yellow yellow.
  m.colorItems[1][1]->setEnabled(false);
  m.colorItems[2][2]->setEnabled(false);
  m.mnuEditDumy2 = AddSeparator(m.mnuEdit, "mnuEditDumy2");
  m.mnuEditSwap = AddItem(m.mnuEdit, "数字の入れ替え...(&N)", "mnuEditSwap");
}

void BuildDataMenu(QMenuBar& bar, MainMenu& m) {
  m.mnuData = AddMenu(bar, "データ(&D)", "mnuData");
  AddSlotItems(AddSubmenu(m.mnuData, "答え(&A)", "mnuDataAnswerX"), "mnuDataAnswer",
               m.mnuDataAnswer);
  AddSeparator(m.mnuData, "mnpDataDumy1");
  AddSlotItems(AddSubmenu(m.mnuData, "メモリ読み込み(&O)", "mnuDataLoadX"), "mnuDataLoad",
               m.mnuDataLoad);
  AddSlotItems(AddSubmenu(m.mnuData, "メモリ書き込み(&S)", "mnuDataSaveX"), "mnuDataSave",
               m.mnuDataSave);
  // Memory slot 7 is fetched from the launcher only.
  m.mnuDataLoad[7]->setVisible(false);
  for (int n = 1; n <= 9; ++n) {
    m.mnuDataAnswer[static_cast<std::size_t>(n)]->setEnabled(false);
    m.mnuDataLoad[static_cast<std::size_t>(n)]->setEnabled(false);
  }
}

QAction* AddCheckItem(QMenu* menu, const char* caption, const char* name) {
  QAction* action = AddItem(menu, caption, name);
  action->setCheckable(true);
  return action;
}

// The playing aids, the first items of the added commands' menu.
void BuildToolsMenu(QMenuBar& bar, MainMenu& m) {
  ToolsMenu(m, bar);
  m.mnuToolsCandidates = AddCheckItem(m.mnuTools, "候補を表示(&F)", "mnuToolsCandidates");
  m.mnuToolsHighlight = AddCheckItem(m.mnuTools, "同じ数字を強調(&L)", "mnuToolsHighlight");
  m.mnuToolsMistakes = AddCheckItem(m.mnuTools, "間違いを表示(&E)", "mnuToolsMistakes");
  AddSeparator(m.mnuTools, "mnuToolsDumy1");
  m.mnuToolsHint = AddItem(m.mnuTools, "ヒント(&H)", "mnuToolsHint", QKeySequence(Qt::Key_F3));
  AddSeparator(m.mnuTools, "mnuToolsDumy2");
  m.mnuToolsCopy =
      AddItem(m.mnuTools, "コピー(&C)", "mnuToolsCopy", QKeySequence(Qt::CTRL | Qt::Key_C));
  m.mnuToolsPaste =
      AddItem(m.mnuTools, "貼り付け(&P)", "mnuToolsPaste", QKeySequence(Qt::CTRL | Qt::Key_V));
  AddSeparator(m.mnuTools, "mnuToolsDumyAccess");
  m.mnuToolsHighContrast = AddCheckItem(m.mnuTools, "ハイコントラスト(&A)", "mnuToolsHighContrast");
  m.mnuToolsHighContrastDesktop = AddCheckItem(
      m.mnuTools, "ハイコントラストはデスクトップに合わせる(&D)", "mnuToolsHighContrastDesktop");
}

void BuildOtherMenu(QMenuBar& bar, MainMenu& m) {
  m.mnuOther = AddMenu(bar, "その他(&O)", "mnuOther");
  m.mnuOtherConfig = AddItem(m.mnuOther, "ソフトの設定...(&C)", "mnuOtherConfig");
  m.mnuPopInputTop = AddSubmenu(m.mnuOther, "文字の入力方法(&I)", "mnuPopInputTop");
  static constexpr const char* kModes[3] = {"マウス", "テンキー", "リスト"};
  // One mode at a time: the group draws a single mark instead of three boxes.
  auto* modes = new QActionGroup(m.mnuPopInputTop);
  modes->setExclusive(true);
  for (std::size_t i = 0; i < 3; ++i) {
    QAction* item = m.mnuPopInputTop->addAction(Text(kModes[i]));
    item->setObjectName(QStringLiteral("mnuPopInput_%1").arg(i));
    item->setCheckable(true);
    modes->addAction(item);
    m.mnuPopInput[i] = item;
  }
  AddSeparator(m.mnuOther, "mnuOtherDumy1");
  m.mnuOtherHelp = AddItem(m.mnuOther, "ヘルプ(&H)", "mnuOtherHelp", QKeySequence(Qt::Key_F1));
  m.mnuOtherVersion = AddItem(m.mnuOther, "バージョン情報...(&A)", "mnuOtherVersion");
}

void BuildPopupList(QWidget& owner, MainMenu& m) {
  auto* menu = new QMenu(Text("ポップリスト"), &owner);
  menu->setObjectName(QStringLiteral("mnuPopTop"));
  m.popup.menu = menu;
  for (int i = 1; i <= 16; ++i) {
    QAction* item = menu->addAction(QString::number(i));
    item->setObjectName(QStringLiteral("mnuPop_%1").arg(i));
    m.popup.digits[static_cast<std::size_t>(i)] = item;
  }
  menu->addSeparator();
  m.popup.erase = menu->addAction(Text("消す"));
  m.popup.erase->setObjectName(QStringLiteral("mnuPopDelete"));
}

}  // namespace

MainMenu BuildMainMenu(QMenuBar& bar, QWidget& owner) {
  MainMenu m;
  BuildFileMenu(bar, m);
  BuildEditMenu(bar, m);
  BuildDataMenu(bar, m);
  BuildOtherMenu(bar, m);
  BuildToolsMenu(bar, m);
  BuildPopupList(owner, m);
  return m;
}

QMenu* ToolsMenu(MainMenu& m, QMenuBar& bar) {
  if (!m.mnuTools) {
    m.mnuTools = new QMenu(Text("ツール(&T)"), &bar);
    m.mnuTools->setObjectName(QStringLiteral("mnuTools"));
    bar.insertMenu(m.mnuOther->menuAction(), m.mnuTools);
  }
  return m.mnuTools;
}

}  // namespace gridora::ui
