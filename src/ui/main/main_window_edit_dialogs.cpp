// SPDX-License-Identifier: MIT
// The window's editing dialogs: the settings, the digit exchange and the
// puzzle properties, each shown modally over the window.

#include "system/file_association.h"
#include "system/launcher.h"
#include "ui/dialogs/config_dialog.h"
#include "ui/dialogs/property_dialog.h"
#include "ui/dialogs/swap_dialog.h"
#include "ui/main/main_window.h"

namespace gridora::ui {

namespace {

// The association of ".gdr" files in the user's desktop.
class DesktopAssociation : public AssociationService {
 public:
  bool IsAssociated() override { return IsExtensionAssociated(".gdr") != 0; }
  void SetAssociated(bool on) override {
    SetFileAssociation(on ? Association::On : Association::Off);
  }
};

}  // namespace

void MainWindow::ShowSettingsDialog() {
  DesktopAssociation desktop;
  AssociationService& association = association_ ? *association_ : desktop;
  ConfigDialog dialog(state_.settings, state_.LastStatusText, association, this);
  dialog.SetHelpAction([this] { ShowHelp(app()); });
  // The colour dialog runs like every modal dialog of the window, so tests
  // can play the user in it.
  dialog.SetColorChooser([this](const QColor& initial, QWidget* parent) {
    return ChooseColorWith(initial, parent, [this](QDialog& d) { return RunDialog(d); });
  });
  RunDialog(dialog);
}

void MainWindow::ShowSwapDialog() {
  SwapDialog dialog(app(), this);
  dialog.SetHelpAction([this] { ShowHelp(app()); });
  RunDialog(dialog);
}

void MainWindow::ShowPropertyDialog() {
  PropertyDialog dialog(app(), this);
  dialog.SetHelpAction([this] { ShowHelp(app()); });
  RunDialog(dialog);
}

}  // namespace gridora::ui
