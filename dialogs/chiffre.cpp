#include "dialogs/chiffre.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string_view>

namespace blivo {

TChiffre ScoreCipher;

namespace {

constexpr const char* kDefaultAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::int32_t kDefaultSeed = 61473;
constexpr std::int32_t kLargestSeed = 2147482863;

// A byte that starts no valid UTF-8 sequence stands for itself, above every code point.
constexpr char32_t kLoneByte = 0x110000;

struct Character {
  char32_t value;
  std::size_t length;
};

// The character at `at`: a code point in its shortest UTF-8 form, or one lone byte.
Character CharacterAt(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return {lead, 1};
  std::size_t length = 0;
  char32_t value = 0, least = 0;
  if (lead >= 0xC0 && lead <= 0xDF) {
    length = 2, value = lead & 0x1F, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, value = lead & 0x0F, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, value = lead & 0x07, least = 0x10000;
  }
  if (length == 0 || at + length > text.size()) return {kLoneByte + lead, 1};
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return {kLoneByte + lead, 1};
    value = (value << 6) | (byte(at + i) & 0x3F);
  }
  if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return {kLoneByte + lead, 1};
  return {value, length};
}

void Append(std::string& out, char32_t c) {
  if (c >= kLoneByte) {
    out += static_cast<char>(c - kLoneByte);
  } else if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

void TChiffre::Setup(const std::string& alphabet, std::int32_t seed) {
  alphabet_ = alphabet.empty() ? kDefaultAlphabet : alphabet;
  letters_.clear();
  for (std::size_t at = 0; at < alphabet_.size();) {
    const Character c = CharacterAt(alphabet_, at);
    letters_.push_back(c.value);
    at += c.length;
  }
  // The absolute value of the smallest int32 does not fit; it is the largest seed anyway.
  long long value = std::llabs(static_cast<long long>(seed));
  if (value == 0) value = kDefaultSeed;
  if (value > kLargestSeed) value = kLargestSeed;
  seed_ = static_cast<std::int32_t>(value);
}

std::string TChiffre::Transform(const std::string& text, std::int32_t k) const {
  if (text.empty() || letters_.empty()) return text;
  const long long length = static_cast<long long>(letters_.size());
  const long double pi = std::numbers::pi_v<long double>;
  double x = static_cast<double>(std::fabs(static_cast<long double>(k) / pi));
  std::string result;
  result.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const Character c = CharacterAt(text, at);
    x -= std::trunc(x);
    long long shift = static_cast<long long>(std::trunc(static_cast<double>(length) * x));
    if (k < 0) shift = -shift;
    x = x * 997.0 + std::numbers::pi;
    // The first place of the character in the alphabet counts.
    const auto found = std::find(letters_.begin(), letters_.end(), c.value);
    if (found == letters_.end()) {
      result.append(text, at, c.length);
    } else {
      const long long place = found - letters_.begin();
      Append(result, letters_[static_cast<std::size_t>((place + length + shift) % length)]);
    }
    at += c.length;
  }
  return result;
}

}  // namespace blivo
