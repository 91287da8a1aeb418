#include "dialogs/score_list.h"

#include <climits>

namespace blivo {

namespace {

constexpr const char* kSection = "highscore";

ScoreEntry ParseEntry(const std::string& plain) {
  // "time,name": only the first comma separates, so names may hold commas.
  const std::size_t comma = plain.find(',');
  if (plain.empty() || comma == std::string::npos) return {};
  try {
    std::size_t used = 0;
    const long long time = std::stoll(plain.substr(0, comma), &used);
    if (used != comma || time <= 0 || time > INT32_MAX) return {};
    return {plain.substr(comma + 1), static_cast<std::int32_t>(time)};
  } catch (...) {
    return {};
  }
}

}  // namespace

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
