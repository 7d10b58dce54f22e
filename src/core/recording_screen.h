// SPDX-License-Identifier: MIT
#pragma once
// RecordingScreen: a ScreenPort without a window. It keeps what a window
// would show (captions, colours, labels, enabled controls, status text) and
// logs every message box; the answers to questions are scripted. Used by the
// command-line tools and by the tests.

#include <array>
#include <deque>
#include <string>
#include <vector>

#include "core/screen_port.h"

namespace gridora {

class RecordingScreen : public ScreenPort {
 public:
  struct Message {
    std::string text;
    std::string title;
    MessageButtons buttons;
    MessageIcon icon;
    MessageAnswer answer;
  };

  struct CellView {
    std::string caption;
    Color color = 0;
  };

  // Index 0 is the 9 x 9 board, index 1 the 16 x 16 board.
  std::array<std::array<CellView, kMaxCells>, 2> cells{};
  int shownBoard = 0;                       // 9 or 16 once a board frame was shown
  std::array<std::string, 4> properties{};  // by PropertyLabel
  // Enabled state of the slot menus, items 1 to 9 (element 0 unused).
  std::array<bool, 10> memoryLoadMenu{};
  std::array<bool, 10> answerMenu{};
  std::array<bool, 27> launcherButton{};
  std::string informText;
  std::vector<std::string> informHistory;
  std::vector<Message> messages;
  int cursorBoard = 0;
  int cursorCell = -1;
  int centerCount = 0;
  int beepCount = 0;
  long yieldCount = 0;
  long cellWrites = 0;  // ShowCell calls: tells whether something redrew
  std::string today = "2026/12/07";

  // Answers for the coming questions, first in first out. A message box with
  // no scripted answer gets `defaultAnswer` when it offers that button, and
  // otherwise its first button (Ok or Yes).
  std::deque<MessageAnswer> scriptedAnswers;
  MessageAnswer defaultAnswer = MessageAnswer::Ok;

  const CellView& Cell(int boardSize, int index) const {
    return cells[boardSize == 16 ? 1 : 0][static_cast<std::size_t>(index)];
  }
  const std::string& Property(PropertyLabel label) const {
    return properties[static_cast<std::size_t>(label)];
  }

  void ShowCell(int boardSize, int index, const std::string& caption, Color color) override;
  void ShowBoardFrame(int boardSize) override { shownBoard = boardSize; }
  void ShowProperty(PropertyLabel label, const std::string& text) override {
    properties[static_cast<std::size_t>(label)] = text;
  }
  void SetSlotFetchEnabled(SlotMenu menu, int n, bool enabled) override;
  void SetInformText(const std::string& text) override {
    informText = text;
    informHistory.push_back(text);
  }
  MessageAnswer ShowMessage(const std::string& text, const std::string& title,
                            MessageButtons buttons, MessageIcon icon) override;
  void MoveCursorBar(int boardSize, int cell) override {
    cursorBoard = boardSize;
    cursorCell = cell;
  }
  void CenterMainWindow() override { ++centerCount; }
  void Beep() override { ++beepCount; }
  void Yield() override { ++yieldCount; }
  std::string TodayText() override { return today; }

  // --- Solving --------------------------------------------------------------
  bool solving = false;  // window locked with the wait cursor
  int solvingStarts = 0;
  void SetSolving(bool value) override {
    solving = value;
    if (value) ++solvingStarts;
  }

  // --- Puzzle files ---------------------------------------------------------

  // Every file dialog shown, and the answers for the coming ones, first in
  // first out: a path, or "" for Cancel. With no scripted answer the
  // dialog is cancelled.
  std::vector<FileDialogRequest> fileDialogs;
  std::deque<std::string> scriptedPaths;

  bool AskFilePath(const FileDialogRequest& request, std::string& path) override {
    fileDialogs.push_back(request);
    std::string answer;
    if (!scriptedPaths.empty()) {
      answer = std::move(scriptedPaths.front());
      scriptedPaths.pop_front();
    }
    if (answer.empty()) return false;
    path = std::move(answer);
    return true;
  }

  // --- Settings, system services, version box -------------------------------

  // The main window's top left corner in twips, as last moved. There is no
  // screen here, so a move is taken as it comes.
  float windowLeft = 0;
  float windowTop = 0;
  int moveCount = 0;
  // The notice of every version box shown, in order ("" for the normal text).
  std::vector<std::string> versionBoxNotices;

  void MoveMainWindow(float left, float top) override {
    windowLeft = left;
    windowTop = top;
    ++moveCount;
  }
  float MainWindowLeft() override { return windowLeft; }
  float MainWindowTop() override { return windowTop; }
  void ShowVersionBox(const std::string& notice) override { versionBoxNotices.push_back(notice); }

  // --- Printing ---------------------------------------------------------------
  int printCount = 0;        // print requests that reached the printer port
  bool printerWorks = true;  // what the next print request reports
  bool PrintClientArea() override {
    ++printCount;
    return printerWorks;
  }
};

}  // namespace gridora
