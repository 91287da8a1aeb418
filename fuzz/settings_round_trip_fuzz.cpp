// Any bytes as a settings file: reading them keeps them byte for byte; changing
// values rewrites one value or adds whole lines, nothing else; what was set
// reads back, and every other key keeps its value.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "platform/settings_text.h"

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

std::string Folded(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string original = in.ConsumeRandomLengthString(1 << 16);
  const blivo::SettingsText before(original);
  Check(before.bytes() == original);

  // The keys the game uses and those the file brings.
  std::vector<std::pair<std::string, std::string>> names = {
      {"common", "mode"}, {"common", "tongue"}, {"Common", "MainForm"}, {"highscore", "grip0"}, {"highscore", "player"}};
  const auto present = before.keys();
  for (std::size_t i = 0; i < present.size() && i < 8; ++i) names.push_back(present[i]);

  blivo::SettingsText after = before;
  std::map<std::pair<std::string, std::string>, std::string> set;
  const int edits = in.ConsumeIntegralInRange(0, 8);
  for (int i = 0; i < edits && in.remaining_bytes() > 0; ++i) {
    const auto& [section, key] = names[in.ConsumeIntegralInRange<std::size_t>(0, names.size() - 1)];
    const std::string value = in.ConsumeRandomLengthString(256);
    const std::string old = after.bytes();
    if (!after.set(section, key, value)) {
      Check(!blivo::SettingsText::ValidSection(section) || !blivo::SettingsText::ValidKey(key));
      Check(after.bytes() == old);
      continue;
    }
    set[{Folded(section), Folded(key)}] = value;
    // One change in one place: what goes away holds no line break, so no
    // other line is touched; and saying it again changes nothing.
    const std::string& now = after.bytes();
    std::size_t prefix = 0;
    while (prefix < old.size() && prefix < now.size() && old[prefix] == now[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < old.size() - prefix && suffix < now.size() - prefix &&
           old[old.size() - 1 - suffix] == now[now.size() - 1 - suffix])
      ++suffix;
    Check(old.substr(prefix, old.size() - prefix - suffix).find('\n') == std::string::npos);
    Check(after.value(section, key) == value);
    blivo::SettingsText again = after;
    again.set(section, key, value);
    Check(again.bytes() == after.bytes());
  }

  const blivo::SettingsText reread(after.bytes());
  Check(reread.bytes() == after.bytes());
  for (const auto& [name, value] : set) Check(reread.value(name.first, name.second) == value);
  for (const auto& [section, key] : present) {
    if (set.count({Folded(section), Folded(key)})) continue;
    Check(reread.value(section, key) == before.value(section, key));
  }
  return 0;
}
