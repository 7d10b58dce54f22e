// SPDX-License-Identifier: MIT
#include "system/desktop_contrast.h"

#include <gio/gio.h>

namespace gridora {

namespace {

constexpr const char* kSchema = "org.gnome.desktop.a11y.interface";
constexpr const char* kKey = "high-contrast";

// The settings object of the schema, or null when it is not installed
// (g_settings_new would abort the program then).
GSettings* OpenSettings() {
  GSettingsSchemaSource* source = g_settings_schema_source_get_default();
  if (!source) return nullptr;
  GSettingsSchema* schema = g_settings_schema_source_lookup(source, kSchema, TRUE);
  if (!schema) return nullptr;
  const bool hasKey = g_settings_schema_has_key(schema, kKey);
  g_settings_schema_unref(schema);
  return hasKey ? g_settings_new(kSchema) : nullptr;
}

}  // namespace

bool DesktopHighContrast() {
  GSettings* settings = OpenSettings();
  if (!settings) return false;
  const bool on = g_settings_get_boolean(settings, kKey);
  g_object_unref(settings);
  return on;
}

DesktopContrastWatch::DesktopContrastWatch(std::function<void(bool on)> changed)
    : changed_(std::move(changed)) {
  GSettings* settings = OpenSettings();
  if (!settings) return;
  settings_ = settings;
  handler_ = g_signal_connect(settings, "changed::high-contrast", G_CALLBACK(OnChanged), this);
}

DesktopContrastWatch::~DesktopContrastWatch() {
  if (!settings_) return;
  g_signal_handler_disconnect(settings_, handler_);
  g_object_unref(settings_);
}

void DesktopContrastWatch::OnChanged(void* settings, const char* key, void* self) {
  auto* watch = static_cast<DesktopContrastWatch*>(self);
  if (watch->changed_)
    watch->changed_(g_settings_get_boolean(static_cast<GSettings*>(settings), key));
}

}  // namespace gridora
