// SPDX-License-Identifier: MIT
#include "core/color_class.h"

#include "core/board.h"
#include "core/text.h"

namespace gridora {

namespace {

bool IsSelected(int selector, int colourClass) {
  switch (selector) {
    case 0:
      return colourClass != kClassBlack;
    case 1:
      return colourClass == kClassGreen;
    case 2:
      return colourClass == kClassYellow;
    default:
      return false;
  }
}

}  // namespace

bool ChangeColorClass(App app, int selector, int operation) {
  if (selector < 0 || selector > 2 || operation < 0 || operation > 3) return false;
  for (CellCode& code : app.state.Board) {
    if (!IsSelected(selector, ClassOf(code))) continue;
    code = operation == static_cast<int>(ColorOperation::Erase)
               ? 0
               : MakeCode(DigitOf(code), operation);
  }
  RedrawBoard(app);
  return true;
}

void ShowCellCount(App app) {
  int count = 0;
  for (int i = 0; i < app.state.CellCount(); ++i) {
    const int code = app.state.Board[static_cast<std::size_t>(i)];
    if (code != 0 && code < kClassStep) ++count;
  }
  app.screen.ShowMessage("数字の入ったマスの数\r\n    " + NumberText(count) + "   / " +
                             NumberText(app.state.CellCount()),
                         "マスの数", MessageButtons::Ok, MessageIcon::None);
}

}  // namespace gridora
