// SPDX-License-Identifier: MIT
#include "core/print_board.h"

namespace gridora {

void PrintBoard(App app) {
  if (app.screen.ShowMessage(kPrintConfirmText, kPrintConfirmTitle, MessageButtons::OkCancel,
                             MessageIcon::None) != MessageAnswer::Ok) {
    return;
  }
  if (!app.screen.PrintClientArea()) {
    app.screen.ShowMessage(kPrintFailedText, kPrintFailedTitle, MessageButtons::Ok,
                           MessageIcon::Information);
    return;
  }
  app.screen.SetInformText(kPrintedText);
}

}  // namespace gridora
