#include "dialogs/chiffre.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace blivo {

TChiffre ScoreCipher;

namespace {

constexpr const char* kDefaultAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::int32_t kDefaultSeed = 61473;
constexpr std::int32_t kLargestSeed = 2147482863;

}  // namespace

void TChiffre::Setup(const std::string& alphabet, std::int32_t seed) {
  alphabet_ = alphabet.empty() ? kDefaultAlphabet : alphabet;
  // The absolute value of the smallest int32 does not fit; it is the largest seed anyway.
  long long value = std::llabs(static_cast<long long>(seed));
  if (value == 0) value = kDefaultSeed;
  if (value > kLargestSeed) value = kLargestSeed;
  seed_ = static_cast<std::int32_t>(value);
}

std::string TChiffre::Transform(const std::string& text, std::int32_t k) const {
  if (text.empty() || alphabet_.empty()) return text;
  const long long length = static_cast<long long>(alphabet_.size());
  const long double pi = std::numbers::pi_v<long double>;
  double x = static_cast<double>(std::fabs(static_cast<long double>(k) / pi));
  std::string result = text;
  for (char& c : result) {
    x -= std::trunc(x);
    long long shift = static_cast<long long>(std::trunc(static_cast<double>(length) * x));
    if (k < 0) shift = -shift;
    x = x * 997.0 + std::numbers::pi;
    const std::size_t at = alphabet_.find(c);
    if (at == std::string::npos) continue;
    c = alphabet_[static_cast<std::size_t>((static_cast<long long>(at) + length + shift) % length)];
  }
  return result;
}

}  // namespace blivo
