// Section "common" of the settings store and the stored window position.
#pragma once

#include <optional>
#include <string>

#include "platform/settings_store.h"

namespace blivo {

struct CommonSettings {
  int tongue = -1;
  int mode = 0;
  int hmode = 1;
  int wmode = 1;
  bool sound = true;
  bool music = true;
  bool operator==(const CommonSettings&) const = default;
};

// Reads the section with its defaults; variants are clamped into range and a
// puzzle number outside 0..3 falls back to Gripple.
CommonSettings ReadCommonSettings(const SettingsStore& store);
// Writes "mode", "hmode", "wmode", "sound", "music", "tongue" in that order.
void WriteCommonSettings(SettingsStore& store, const CommonSettings& settings);

struct WindowPlacement {
  int left, top, right, bottom;
};

// "200,flags,show state,left,top,right,bottom".
std::string FormatWindowPlacement(const WindowPlacement& placement);
// Only a value of exactly seven numbers starting with 200 is taken.
std::optional<WindowPlacement> ParseWindowPlacement(const std::string& text);

}  // namespace blivo
