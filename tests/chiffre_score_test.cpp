#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "dialogs/chiffre.h"
#include "dialogs/score_list.h"

namespace blivo {
namespace {

TChiffre Default() {
  TChiffre c;
  c.Setup("", 0);
  return c;
}

TEST(Chiffre, SetupFillsInTheDefaultsAndBoundsTheSeed) {
  TChiffre c;
  c.Setup("", 0);
  EXPECT_EQ(c.alphabet(), "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
  EXPECT_EQ(c.seed(), 61473);
  c.Setup("abc", -17);
  EXPECT_EQ(c.alphabet(), "abc");
  EXPECT_EQ(c.seed(), 17);
  c.Setup("", 2147483647);
  EXPECT_EQ(c.seed(), 2147482863);
  c.Setup("", INT32_MIN);
  EXPECT_EQ(c.seed(), 2147482863);
}

TEST(Chiffre, ScramblesOnlyAlphabetCharactersAndDecodesBack) {
  const TChiffre c = Default();
  for (const std::string plain : {"0,Mr. Brain", "420,Anna", "17,red, green, blue", "99,Jürgen Groß", ""}) {
    const std::string coded = c.Encode(plain);
    ASSERT_EQ(coded.size(), plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
      const bool inAlphabet = c.alphabet().find(plain[i]) != std::string::npos;
      if (!inAlphabet) {
        EXPECT_EQ(coded[i], plain[i]) << plain << " at " << i;
      }
    }
    EXPECT_EQ(c.Decode(coded), plain);
  }
  EXPECT_NE(c.Encode("0,Mr. Brain"), "0,Mr. Brain");
  // The shifts depend on the place in the text: equal letters need not stay equal.
  const std::string coded = c.Encode("aaaaaaaa");
  EXPECT_GT(std::set<char>(coded.begin(), coded.end()).size(), 1u);
}

TEST(Chiffre, AnotherSeedScramblesDifferently) {
  TChiffre a = Default(), b;
  b.Setup("", 12345);
  EXPECT_NE(a.Encode("1234,Player"), b.Encode("1234,Player"));
  EXPECT_NE(b.Decode(a.Encode("1234,Player")), "1234,Player");
}

class ScoreStore : public ::testing::Test {
 protected:
  std::string file() const { return dir.filePath("V1.ini").toStdString(); }
  void Write(const std::string& key, const std::vector<std::int32_t>& times) {
    SettingsStore store(file());
    ScoreList list;
    for (std::size_t i = 0; i < times.size(); ++i) list[i] = {"P" + std::to_string(times[i]), times[i]};
    SaveScoreList(store, cipher, key, list, "Anna");
  }
  QTemporaryDir dir;
  TChiffre cipher = Default();
};

TEST_F(ScoreStore, AnEmptyStoreShowsFiveEmptyPlacesAndSavesThemScrambled) {
  SettingsStore store(file());
  const ScoreList list = LoadScoreList(store, cipher, "grip");
  for (const ScoreEntry& e : list) EXPECT_EQ(e, (ScoreEntry{"Mr. Brain", 0}));
  EXPECT_EQ(ReadPlayer(store), "Mr. Brain");
  SaveScoreList(store, cipher, "grip", list, "Mr. Brain");
  const SettingsStore again(file());
  for (int i = 0; i < 5; ++i) {
    const std::string stored = again.readText("highscore", "grip" + std::to_string(i), "");
    EXPECT_NE(stored, "0,Mr. Brain");
    EXPECT_EQ(cipher.Decode(stored), "0,Mr. Brain");
  }
  EXPECT_EQ(again.readText("highscore", "player", ""), "Mr. Brain");
}

TEST_F(ScoreStore, ANewTimeTakesThePlaceBelowItsEqualAndTheLastDropsOut) {
  Write("hexa2", {100, 200, 300, 400, 500});
  SettingsStore store(file());
  ScoreList list = LoadScoreList(store, cipher, "hexa2");
  EXPECT_EQ(PlaceFor(list, 500), -1);
  EXPECT_EQ(PlaceFor(list, 600), -1);
  EXPECT_EQ(PlaceFor(list, 50), 0);
  const int place = PlaceFor(list, 300);
  ASSERT_EQ(place, 3);
  InsertAt(list, place, {"New", 300});
  const std::int32_t times[5] = {100, 200, 300, 300, 400};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(list[i].time, times[i]);
  EXPECT_EQ(list[2].name, "P300");
  EXPECT_EQ(list[3].name, "New");
  EXPECT_EQ(LoadScoreList(store, cipher, "hexa1")[0].time, 0) << "each variant keeps its own list";
}

TEST_F(ScoreStore, NamesWithCommasReadBackWhole) {
  SettingsStore store(file());
  ScoreList list;
  list[0] = {"red, green, blue", 77};
  SaveScoreList(store, cipher, "okto", list, "red, green, blue");
  const SettingsStore again(file());
  EXPECT_EQ(LoadScoreList(again, cipher, "okto")[0], (ScoreEntry{"red, green, blue", 77}));
  EXPECT_EQ(ReadPlayer(again), "red, green, blue");
}

TEST_F(ScoreStore, UnreadableEntriesAreEmptyPlacesAndTimelessOnesKeepTheirName) {
  SettingsStore store(file());
  store.writeText("highscore", "wedd10", cipher.Encode("no comma"));
  store.writeText("highscore", "wedd11", cipher.Encode("12x,Bob"));
  store.writeText("highscore", "wedd12", cipher.Encode("-5,Eve"));
  store.writeText("highscore", "wedd13", "garbage that was never scrambled");
  store.writeText("highscore", "wedd14", cipher.Encode("99999999999,Max"));
  const ScoreList list = LoadScoreList(store, cipher, "wedd1");
  EXPECT_EQ(list[0], ScoreEntry{});
  EXPECT_EQ(list[1], ScoreEntry{});
  EXPECT_EQ(list[2], (ScoreEntry{"Eve", 0}));
  EXPECT_EQ(list[3], ScoreEntry{});
  EXPECT_EQ(list[4], ScoreEntry{});
}

}  // namespace
}  // namespace blivo
