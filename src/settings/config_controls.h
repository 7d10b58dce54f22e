// SPDX-License-Identifier: MIT
#pragma once
// The settings dialog's controls without their widgets: what they show when
// the dialog opens, and what Ok does with them.

#include <array>
#include <string>

#include "core/cell.h"
#include "core/settings.h"
#include "settings/config_rules.h"

namespace gridora {

// The ".gdr" file association as the dialog sees it; the tests fake it.
class AssociationService {
 public:
  virtual ~AssociationService() = default;
  virtual bool IsAssociated() = 0;
  virtual void SetAssociated(bool on) = 0;
};

// The values of the dialog's controls. Option pairs are held as the index
// of the selected button (0 or 1, -1 for none); the six swatches are the
// screen colours 0 to 2, then the HTML colours 0 to 2.
struct ConfigControls {
  bool assume = false;              // chkAssume
  int assumeMode = -1;              // optAssume
  int max9 = kKateiMax9High;        // hsbKateiMax (0)
  int max16 = kKateiMaxLow;         // hsbKateiMax (1)
  int changeSpeed = 0;              // sldChangeSpeed
  int levelShow = -1;               // optLevelShow
  int anotherAnswer = -1;           // optAnotherAnswer
  int beep = -1;                    // optBeep
  std::string gifPath;              // txtGifPath
  std::string name;                 // txtName
  std::array<Color, 6> swatches{};  // shpColor
  bool connect = false;             // chkConnect
  bool connectChanged = false;      // chkConnect was clicked

  bool operator==(const ConfigControls&) const = default;
};

// The controls as the dialog opens: every value inside the range its
// control offers (a stored value outside it is taken to the nearest end),
// the association as the system reports it.
ConfigControls ControlsOf(const Settings& settings, bool associated);

// Ok: the settings take the control values, in the order the dialog has
// always stored them; then, only when the association box was clicked, the
// association is set to the box's final state.
void ApplyControls(const ConfigControls& controls, Settings& settings,
                   AssociationService& association);

}  // namespace gridora
