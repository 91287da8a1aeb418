#include "dialogs/score_list.h"

#include <climits>

namespace blivo {

namespace {

constexpr const char* kSection = "highscore";

}  // namespace

ScoreEntry ParseEntry(const std::string& plain) {
  const std::size_t comma = plain.find(',');
  if (comma == std::string::npos) return {};
  std::size_t at = 0;
  while (at < comma && (plain[at] == ' ' || plain[at] == '\t')) ++at;
  const bool negative = at < comma && plain[at] == '-';
  if (at < comma && (plain[at] == '-' || plain[at] == '+')) ++at;
  if (at == comma) return {};
  long long time = 0;
  for (; at < comma; ++at) {
    if (plain[at] < '0' || plain[at] > '9') return {};
    time = time * 10 + (plain[at] - '0');
    if (time > INT32_MAX + 1LL) return {};
  }
  if (negative) time = -time;
  if (time > INT32_MAX) return {};
  // A place without a time is empty, but keeps the name it was given.
  return {plain.substr(comma + 1), time > 0 ? static_cast<std::int32_t>(time) : 0};
}

ScoreList LoadScoreList(const SettingsStore& store, const TChiffre& cipher, const std::string& key) {
  ScoreList list;
  for (int i = 0; i < 5; ++i) {
    const std::string stored = store.readText(kSection, key + std::to_string(i), "");
    list[i] = ParseEntry(cipher.Decode(stored));
  }
  return list;
}

int PlaceFor(const ScoreList& list, std::int32_t time) {
  for (int i = 0; i < 5; ++i)
    if (list[i].time == 0 || list[i].time > time) return i;
  return -1;
}

void InsertAt(ScoreList& list, int place, const ScoreEntry& entry) {
  for (int i = 4; i > place; --i) list[i] = list[i - 1];
  list[place] = entry;
}

void SaveScoreList(SettingsStore& store, const TChiffre& cipher, const std::string& key, const ScoreList& list,
                   const std::string& player) {
  store.writeText(kSection, "player", player);
  for (int i = 0; i < 5; ++i)
    store.writeText(kSection, key + std::to_string(i),
                    cipher.Encode(std::to_string(list[i].time) + "," + list[i].name));
  store.flush();
}

std::string ReadPlayer(const SettingsStore& store) { return store.readText(kSection, "player", kNobody); }

}  // namespace blivo
