// SPDX-License-Identifier: MIT
#pragma once
// The menu bar of the main window and the hidden pop-up digit list. Only
// builds the items (captions, access keys, shortcuts, initial state); the
// window connects them to their commands.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <array>

#include "ui/main/input_modes.h"

namespace gridora::ui {

struct MainMenu {
  QMenu* mnuFile = nullptr;
  QAction* mnuFileNew9 = nullptr;
  QAction* mnuFileNew16 = nullptr;
  QAction* mnuFileOpen = nullptr;
  QAction* mnuFileSave = nullptr;      // save as
  QAction* mnuFileSaveOver = nullptr;  // overwrite save
  QAction* mnuFileCG = nullptr;        // picture save: never shown
  QAction* mnuFilePrint = nullptr;
  QAction* mnuFileHtml = nullptr;
  QAction* mnuFileDumy3 = nullptr;
  QAction* gdrFileProperty = nullptr;
  QAction* mnuFileCount = nullptr;
  QAction* mnuFileQuit = nullptr;

  QMenu* mnuEdit = nullptr;
  QAction* mnuEditSolve = nullptr;
  QAction* mnuEditUndo = nullptr;
  QAction* mnuEditRedo = nullptr;
  QMenu* mnuEditColor = nullptr;
  // Colour operations by selector (0 green and yellow, 1 green, 2 yellow)
  // and operation (0 black, 1 green, 2 yellow, 3 erase).
  std::array<QMenu*, 3> colorGroups{};
  std::array<std::array<QAction*, 4>, 3> colorItems{};
  QAction* mnuEditDumy2 = nullptr;
  QAction* mnuEditSwap = nullptr;

  QMenu* mnuData = nullptr;
  std::array<QAction*, 10> mnuDataAnswer{};  // 1 to 9
  std::array<QAction*, 10> mnuDataLoad{};    // 1 to 9; 7 is never shown
  std::array<QAction*, 10> mnuDataSave{};    // 1 to 9

  // The added commands' menu; created by ToolsMenu on first use.
  QMenu* mnuTools = nullptr;
  QAction* mnuToolsCandidates = nullptr;  // check item
  QAction* mnuToolsHighlight = nullptr;   // check item
  QAction* mnuToolsMistakes = nullptr;    // check item
  QAction* mnuToolsHint = nullptr;
  QAction* mnuToolsCopy = nullptr;
  QAction* mnuToolsPaste = nullptr;
  QAction* mnuToolsHighContrast = nullptr;         // check item
  QAction* mnuToolsHighContrastDesktop = nullptr;  // check item

  QMenu* mnuOther = nullptr;
  QAction* mnuOtherConfig = nullptr;
  QMenu* mnuPopInputTop = nullptr;
  std::array<QAction*, 3> mnuPopInput{};  // mouse, keypad, list
  QAction* mnuOtherHelp = nullptr;
  QAction* mnuOtherVersion = nullptr;

  PopupList popup;  // mnuPopTop, never part of the bar
};

// Fills `bar` and creates the pop-up list as a child of `owner`.
MainMenu BuildMainMenu(QMenuBar& bar, QWidget& owner);

// The menu "ツール(&T)" of the added commands, between "データ(&D)" and
// "その他(&O)". It is created by the first call, so that the bar shows it
// only once a command lives there.
QMenu* ToolsMenu(MainMenu& menu, QMenuBar& bar);

}  // namespace gridora::ui
