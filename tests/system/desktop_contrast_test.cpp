// SPDX-License-Identifier: MIT
// The desktop's high-contrast switch, read and watched through GSettings as
// the desktop's accessibility panel writes it.

#include "system/desktop_contrast.h"

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace gridora::testing {
namespace {

// Runs GLib's main loop until `done` or a good while has passed.
template <typename Done>
void RunUntil(Done done) {
  for (int i = 0; i < 1000 && !done(); ++i) g_main_context_iteration(nullptr, FALSE);
}

TEST(DesktopContrastTest, readsAndFollowsTheDesktopSwitch) {
  // The settings of this process only (every test runs in a process of its own).
  g_setenv("GSETTINGS_BACKEND", "memory", TRUE);
  EXPECT_FALSE(DesktopHighContrast());

  std::vector<bool> seen;
  auto watch = std::make_unique<DesktopContrastWatch>([&](bool on) { seen.push_back(on); });
  GSettings* desktop = g_settings_new("org.gnome.desktop.a11y.interface");
  ASSERT_TRUE(g_settings_set_boolean(desktop, "high-contrast", TRUE));
  RunUntil([&] { return seen.size() == 1; });
  EXPECT_TRUE(DesktopHighContrast());
  ASSERT_TRUE(g_settings_set_boolean(desktop, "high-contrast", FALSE));
  RunUntil([&] { return seen.size() == 2; });
  EXPECT_FALSE(DesktopHighContrast());
  // Once the watch is gone nothing more arrives.
  watch.reset();
  g_settings_set_boolean(desktop, "high-contrast", TRUE);
  RunUntil([] { return false; });
  g_object_unref(desktop);
  EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace gridora::testing
