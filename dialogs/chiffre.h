// The small substitution scrambler the high-score entries are stored with.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace blivo {

class TChiffre {
 public:
  // An empty alphabet becomes A-Z a-z 0-9; the seed becomes its absolute
  // value, 0 becomes 61473, and it is held below 2147482864.
  void Setup(const std::string& alphabet, std::int32_t seed);

  std::string Encode(const std::string& text) const { return Transform(text, seed_); }
  std::string Decode(const std::string& text) const { return Transform(text, -seed_); }

  // Shifts every character that stands in the alphabet by an amount drawn
  // from a sequence that k starts; -k undoes +k. Others stay as they are.
  // Texts are UTF-8 and a character is a code point; a byte that begins no
  // valid sequence counts as one character of its own, outside the alphabet.
  std::string Transform(const std::string& text, std::int32_t k) const;

  const std::string& alphabet() const { return alphabet_; }
  std::int32_t seed() const { return seed_; }

 private:
  std::string alphabet_;
  std::vector<char32_t> letters_;  // the alphabet's characters, in its order
  std::int32_t seed_ = 0;
};

// The one scrambler of the program, set up at start.
extern TChiffre ScoreCipher;

}  // namespace blivo
