#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <set>

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

TEST(Chiffre, GermanAndFrenchNamesScrambleCharacterByCharacter) {
  // Worked out apart from the program, one shift per character (the default
  // seed's first shifts are 28, 23, 3, 2, 51, 41, 1, 14, 61, 23, 17, 28, 39).
  // Letters with accents are no letters of the alphabet: they stay, and use
  // up one shift each, as any other character does.
  const TChiffre c = Default();
  const struct {
    const char *plain, *coded;
  } cases[] = {
      {"0,Mr. Brain", "S,Pt. C5Z54"},
      {"120,Zoë Überlänge", "TP3,OTë ÜyvJOäaR4"},
      {"777,Jürgen Groß", "ZUA,8üsudA iUbß"},
      {"35,François Lefèvre", "VS,HgFoçn59 yRSèLWT"},
      {"9,Élise Noël", "b,ÉnXXf MBëD"},
  };
  for (const auto& k : cases) {
    EXPECT_EQ(c.Encode(k.plain), k.coded) << k.plain;
    EXPECT_EQ(c.Decode(k.coded), k.plain) << k.coded;
  }
  // As the entry is kept: the game shows the name whole, not "Zoë ÜWIWbävcQ".
  EXPECT_EQ(ParseEntry(c.Decode("TP3,OTë ÜyvJOäaR4")), (ScoreEntry{"Zoë Überlänge", 120}));
}

TEST(Chiffre, ABrokenByteIsOneCharacterOutsideTheAlphabet) {
  const TChiffre c = Default();
  // '1' '2' ',' 'A' 0xC3 '(' 'B' 0xFF: eight characters, eight shifts.
  const std::string plain = "12,A\xC3(B\xFF";
  EXPECT_EQ(c.Encode(plain), "TP,C\xC3(C\xFF");
  EXPECT_EQ(c.Decode(c.Encode(plain)), plain);
  // An overlong form, a surrogate and a sequence cut short are broken bytes too.
  for (const std::string odd : {"\xC0\xAF" "ab", "\xED\xA0\x80" "ab", "\xE2\x82" "ab", "ab\xF0\x9F\x98"}) {
    const std::string coded = c.Encode(odd);
    EXPECT_EQ(coded.size(), odd.size());
    EXPECT_EQ(c.Decode(coded), odd);
  }
}

TEST(Chiffre, AnAlphabetOfLettersWithAccentsWorksPerCharacter) {
  TChiffre c;
  c.Setup("äöüß", 5);
  const std::string plain = "ä ö-ü:ß, x";
  const std::string coded = c.Encode(plain);
  EXPECT_EQ(c.Decode(coded), plain);
  // Letters stay letters of the alphabet, whole characters; the rest stays put.
  const QString q = QString::fromStdString(coded);
  ASSERT_EQ(q.size(), 10) << coded;
  for (int i : {0, 2, 4, 6}) EXPECT_TRUE(QString::fromUtf8("äöüß").contains(q[i])) << coded;
  EXPECT_EQ(q.mid(7), ", x");
}

TEST(ScoreEntries, ParseTakesTheTimeBeforeTheFirstComma) {
  const struct {
    std::string plain;
    ScoreEntry entry;
  } cases[] = {
      {"420,Anna", {"Anna", 420}},
      {"17,red, green, blue", {"red, green, blue", 17}},
      {"0,Mr. Brain", {"Mr. Brain", 0}},
      {"0,Eve", {"Eve", 0}},
      {"-5,Eve", {"Eve", 0}},
      {"-2147483648,Low", {"Low", 0}},
      {"2147483647,Max", {"Max", 2147483647}},
      {"+7,Sam", {"Sam", 7}},
      {" 8,Tom", {"Tom", 8}},
      {"9,", {"", 9}},
      {"", {}},
      {"no comma", {}},
      {",Bob", {}},
      {"-,Bob", {}},
      {"12x,Bob", {}},
      {"1 2,Bob", {}},
      {"2147483648,Max", {}},
      {"-2147483649,Max", {}},
      {"99999999999999999999999,Max", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseEntry(c.plain), c.entry) << c.plain;
}

TEST_F(ScoreStore, AnEntryWithoutATimeIsAnEmptyPlaceThatKeepsItsName) {
  SettingsStore store(file());
  store.writeText("highscore", "grip0", cipher.Encode("-3,Eve"));
  store.writeText("highscore", "grip1", cipher.Encode("100,Bob"));
  ScoreList list = LoadScoreList(store, cipher, "grip");
  EXPECT_EQ(list[0], (ScoreEntry{"Eve", 0}));
  EXPECT_EQ(PlaceFor(list, 500), 0) << "an empty place takes any time";
  SaveScoreList(store, cipher, "grip", list, "Anna");
  const SettingsStore again(file());
  EXPECT_EQ(cipher.Decode(again.readText("highscore", "grip0", "")), "0,Eve");
  EXPECT_EQ(cipher.Decode(again.readText("highscore", "grip1", "")), "100,Bob");
}

}  // namespace
}  // namespace blivo
