// SPDX-License-Identifier: MIT
#pragma once
// A ".gdr" association that only remembers: what it reports, and every state
// the settings dialog sets.

#include <vector>

#include "settings/config_controls.h"

namespace gridora::testing {

struct FakeAssociation : AssociationService {
  bool associated = false;
  std::vector<bool> calls;
  bool IsAssociated() override { return associated; }
  void SetAssociated(bool on) override { calls.push_back(on); }
};

}  // namespace gridora::testing
