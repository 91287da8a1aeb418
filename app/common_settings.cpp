#include "app/common_settings.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace blivo {

namespace {

constexpr const char* kSection = "common";

}  // namespace

CommonSettings ReadCommonSettings(const SettingsStore& store) {
  CommonSettings s;
  s.tongue = store.readInt(kSection, "tongue", -1);
  // The puzzle number indexes every per-puzzle table; anything else is Gripple.
  s.mode = store.readInt(kSection, "mode", 0);
  if (s.mode < 0 || s.mode > 3) s.mode = 0;
  s.hmode = std::clamp(store.readInt(kSection, "hmode", 1), 1, 3);
  s.wmode = std::clamp(store.readInt(kSection, "wmode", 1), 1, 4);
  s.sound = store.readBool(kSection, "sound", true);
  s.music = store.readBool(kSection, "music", true);
  return s;
}

void WriteCommonSettings(SettingsStore& store, const CommonSettings& s) {
  store.writeInt(kSection, "mode", s.mode);
  store.writeInt(kSection, "hmode", s.hmode);
  store.writeInt(kSection, "wmode", s.wmode);
  store.writeBool(kSection, "sound", s.sound);
  store.writeBool(kSection, "music", s.music);
  store.writeInt(kSection, "tongue", s.tongue);
}

std::string FormatWindowPlacement(const WindowPlacement& p) {
  // Flags 0 and show state 1: a normally shown window.
  std::ostringstream out;
  out << "200,0,1," << p.left << ',' << p.top << ',' << p.right << ',' << p.bottom;
  return out.str();
}

std::optional<WindowPlacement> ParseWindowPlacement(const std::string& text) {
  std::vector<long long> items;
  std::stringstream in(text);
  std::string item;
  while (std::getline(in, item, ',')) {
    try {
      std::size_t used = 0;
      const long long value = std::stoll(item, &used);
      if (item.find_first_not_of(" \t", used) != std::string::npos) return std::nullopt;
      if (value < -1000000 || value > 1000000) return std::nullopt;
      items.push_back(value);
    } catch (...) {
      return std::nullopt;
    }
  }
  if (!text.empty() && text.back() == ',') return std::nullopt;
  if (items.size() != 7 || items[0] != 200) return std::nullopt;
  return WindowPlacement{static_cast<int>(items[3]), static_cast<int>(items[4]),
                         static_cast<int>(items[5]), static_cast<int>(items[6])};
}

}  // namespace blivo
