// One high-score list of five places, as it is kept in the settings store.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "dialogs/chiffre.h"
#include "platform/settings_store.h"

namespace blivo {

constexpr const char* kNobody = "Mr. Brain";

struct ScoreEntry {
  std::string name = kNobody;
  std::int32_t time = 0;  // 0 marks an empty place
  bool operator==(const ScoreEntry&) const = default;
};

using ScoreList = std::array<ScoreEntry, 5>;

// One decoded entry, "time,name": the time is what stands before the first
// comma, the name everything after it, commas and all. A time of 0 or below
// keeps the name and is an empty place (time 0). An empty text, one without
// a comma, or one whose time is not a decimal number that fits is an empty
// place of "Mr. Brain".
ScoreEntry ParseEntry(const std::string& plain);

// Reads the list `key` (places key0 .. key4). A missing or unreadable entry is
// an empty place.
ScoreList LoadScoreList(const SettingsStore& store, const TChiffre& cipher, const std::string& key);

// The place a time earns, the smallest whose time is 0 or slower; -1 if none.
// A time equal to one in the list goes below it.
int PlaceFor(const ScoreList& list, std::int32_t time);

// Moves the places below `place` down and puts the entry there.
void InsertAt(ScoreList& list, int place, const ScoreEntry& entry);

// Writes "player" and all five places.
void SaveScoreList(SettingsStore& store, const TChiffre& cipher, const std::string& key, const ScoreList& list,
                   const std::string& player);

std::string ReadPlayer(const SettingsStore& store);

}  // namespace blivo
