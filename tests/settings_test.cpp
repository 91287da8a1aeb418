#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/common_settings.h"

namespace blivo {
namespace {

class SettingsFile : public ::testing::Test {
 protected:
  std::string Write(const char* text) {
    QFile file(dir.filePath("V1.ini"));
    file.open(QIODevice::WriteOnly);
    file.write(text);
    file.close();
    return file.fileName().toStdString();
  }
  std::string path() const { return dir.filePath("V1.ini").toStdString(); }

  QTemporaryDir dir;
};

TEST_F(SettingsFile, AnEmptyStoreGivesTheDefaults) {
  const SettingsStore store(path());
  // tongue -1, Gripple, variants 1 and 1, sound and music on.
  EXPECT_EQ(ReadCommonSettings(store), (CommonSettings{-1, 0, 1, 1, true, true}));
}

TEST_F(SettingsFile, StoredValuesAreClampedOrFallBack) {
  struct Case {
    const char* text;
    int mode, hmode, wmode;
    bool sound;
  } cases[] = {
      {"[common]\nhmode=0\nwmode=9\n", 0, 1, 4, true},
      {"[common]\nhmode=-5\nwmode=0\n", 0, 1, 1, true},
      {"[common]\nhmode=7\nmode=2\nsound=0\n", 2, 3, 1, false},
      {"[common]\nmode=7\nsound=5\n", 0, 1, 1, true},
      {"[common]\nmode=-1\nsound=yes\nhmode=two\n", 0, 1, 1, true},
      {"[common]\nmode=\" 3 \"\nsound=\"0\"\n", 3, 1, 1, false},
  };
  for (const Case& c : cases) {
    const SettingsStore store(Write(c.text));
    const CommonSettings s = ReadCommonSettings(store);
    EXPECT_EQ(s.mode, c.mode) << c.text;
    EXPECT_EQ(s.hmode, c.hmode) << c.text;
    EXPECT_EQ(s.wmode, c.wmode) << c.text;
    EXPECT_EQ(s.sound, c.sound) << c.text;
  }
}

TEST_F(SettingsFile, WrittenSettingsReadBackAsTextTheyWereWrittenAs) {
  {
    SettingsStore store(path());
    WriteCommonSettings(store, {1, 3, 2, 4, false, true});
    ASSERT_TRUE(store.flush());
  }
  QFile file(QString::fromStdString(path()));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  for (const char* line : {"tongue=1", "mode=3", "hmode=2", "wmode=4", "sound=0", "music=1"})
    EXPECT_TRUE(text.contains(line)) << line << " in\n" << text.toStdString();
  const SettingsStore again(path());
  EXPECT_EQ(ReadCommonSettings(again), (CommonSettings{1, 3, 2, 4, false, true}));
}

TEST_F(SettingsFile, AnUnquotedTextWithCommasReadsAsItsText) {
  const SettingsStore store(Write("[common]\nMainForm=200,0,1,40,50,540,466\n[highscore]\nplayer=Anna, Ben\n"));
  EXPECT_EQ(store.readText("common", "MainForm", ""), "200,0,1,40,50,540,466");
  // Exactly as it stands: no list is made of it, no blank is lost.
  EXPECT_EQ(store.readText("highscore", "player", ""), "Anna, Ben");
}

TEST_F(SettingsFile, AnUnwritableFileIsReportedNotFatal) {
  // A folder where the file should be cannot be written, not even by root.
  ASSERT_TRUE(QDir(dir.path()).mkdir("V1.ini"));
  SettingsStore store(path());
  store.writeInt("common", "mode", 1);
  EXPECT_FALSE(store.flush());
  EXPECT_EQ(store.readInt("common", "mode", 0), 1) << "the game goes on with what it has";
}

TEST(WindowPlacement, OnlySevenNumbersStartingWith200AreTaken) {
  const auto p = ParseWindowPlacement(FormatWindowPlacement({661, 422, 1167, 822}));
  ASSERT_TRUE(p);
  EXPECT_EQ(p->left, 661);
  EXPECT_EQ(p->top, 422);
  EXPECT_EQ(p->right, 1167);
  EXPECT_EQ(p->bottom, 822);
  for (const char* bad : {"", "200,0,1,5,5,100", "201,0,1,5,5,100,100", "200,0,1,5,5,100,100,1",
                          "200,0,1,x,5,100,100", "200,0,1,5,5,100,100,", "200,0,1,5,5,100,99999999999"})
    EXPECT_FALSE(ParseWindowPlacement(bad)) << bad;
  EXPECT_TRUE(ParseWindowPlacement("200,2,1,-30,10,470,410"));
}

}  // namespace
}  // namespace blivo
