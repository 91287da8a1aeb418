// Any stored score value: decoding and reading the entry never fails; the
// scrambler gives back what it was given in both directions.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "dialogs/chiffre.h"
#include "dialogs/score_list.h"

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const blivo::TChiffre cipher = [] {
    blivo::TChiffre c;
    c.Setup("", 0);
    return c;
  }();
  const std::string stored(reinterpret_cast<const char*>(data), size);
  const std::string plain = cipher.Decode(stored);
  Check(cipher.Encode(plain) == stored);
  Check(cipher.Decode(cipher.Encode(stored)) == stored);
  const blivo::ScoreEntry entry = blivo::ParseEntry(plain);
  Check(entry.time >= 0);
  // What the game writes back reads as the same entry.
  Check(blivo::ParseEntry(std::to_string(entry.time) + "," + entry.name) == entry);
  // An alphabet and seed of the input's own. Only an alphabet in which no
  // character stands twice can be undone: a letter is found at its first place.
  if (size >= 5) {
    std::string alphabet;
    for (std::size_t i = 4; i < size; ++i)
      if (data[i] < 0x80 && alphabet.find(static_cast<char>(data[i])) == std::string::npos)
        alphabet += static_cast<char>(data[i]);
    blivo::TChiffre own;
    own.Setup(alphabet, static_cast<std::int32_t>(data[0] | data[1] << 8 | data[2] << 16 |
                                                  static_cast<std::uint32_t>(data[3]) << 24));
    Check(own.Decode(own.Encode(stored)) == stored);
  }
  return 0;
}
