// SPDX-License-Identifier: MIT
#include "settings/config_controls.h"

#include <algorithm>

namespace gridora {

ConfigControls ControlsOf(const Settings& s, bool associated) {
  ConfigControls c;
  c.assume = s.KateiOnOff;
  c.assumeMode = s.KateiMode == 0 || s.KateiMode == 1 ? s.KateiMode : -1;
  c.max9 = std::clamp(s.KateiMax9, kKateiMaxLow, kKateiMax9High);
  c.max16 = std::clamp(s.KateiMax16, kKateiMaxLow, kKateiMax16High);
  c.changeSpeed = std::clamp(s.NChangeSpeed, 0, kChangeSpeedHigh);
  c.levelShow = s.LPrintMode ? 0 : 1;
  c.anotherAnswer = s.AAnswerCheak ? 0 : 1;
  c.beep = s.Beep ? 0 : 1;
  c.gifPath = s.GifPath;
  c.name = s.UserName;
  for (std::size_t i = 0; i < 3; ++i) {
    c.swatches[i] = s.SoftColor[i] & 0xFFFFFF;  // the swatches show 24 bits
    c.swatches[i + 3] = s.HtmlColor[i] & 0xFFFFFF;
  }
  c.connect = associated;
  return c;
}

void ApplyControls(const ConfigControls& c, Settings& s, AssociationService& association) {
  s.KateiOnOff = c.assume;
  s.KateiMode = c.assumeMode == 1 ? 1 : 0;
  s.KateiMax9 = c.max9;
  s.KateiMax16 = c.max16;
  s.NChangeSpeed = c.changeSpeed;
  s.LPrintMode = c.levelShow == 0;
  s.AAnswerCheak = c.anotherAnswer == 0;
  s.Beep = c.beep == 0;
  s.GifPath = c.gifPath;
  s.UserName = c.name;
  for (std::size_t i = 0; i < 3; ++i) {
    s.SoftColor[i] = c.swatches[i];
    s.HtmlColor[i] = c.swatches[i + 3];
  }
  if (c.connectChanged) association.SetAssociated(c.connect);
}

}  // namespace gridora
