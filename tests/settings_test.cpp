#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>
#include <chrono>
#include <thread>

#include "app/common_settings.h"
#include "dialogs/chiffre.h"
#include "dialogs/score_list.h"

namespace blivo {
namespace {

using namespace std::string_literals;

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
  void WriteBytes(const std::string& bytes) {
    QFile file(dir.filePath("V1.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  std::string Bytes() const {
    QFile file(dir.filePath("V1.ini"));
    if (!file.open(QIODevice::ReadOnly)) return "(no file)";
    return file.readAll().toStdString();
  }
  QStringList Entries() const { return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }

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

// The game at its close: it read section "common", the player chose German and
// Hexagon's second variant, and it writes the whole section back.
void CloseTheGame(SettingsStore& store) {
  CommonSettings s = ReadCommonSettings(store);
  s.tongue = 1;
  s.hmode = 2;
  WriteCommonSettings(store, s);
}

std::string Utf16(const std::u16string& text) {
  std::string bytes = "\xFF\xFE";
  for (const char16_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return bytes;
}

TEST_F(SettingsFile, HostileFilesAreReadWhereTheyCanBeSavedAndKeepEveryByteNotChanged) {
  const std::string longName(100000, 'x');
  const std::string random = "\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR\x00\x01"s;
  const std::string utf16 = Utf16(u"[common]\r\ntongue=1\r\n");
  const std::string nul = "[common]\ntongue=0\nmode=2\0x\n\0\0\n"s;
  const std::string nulAfter = "[common]\ntongue=1\nmode=2\0x\nhmode=2\nwmode=1\nsound=1\nmusic=1\n\0\0\n"s;
  struct Case {
    const char* what;
    std::string before;
    int tongue, mode;  // as read
    std::string after;
  } cases[] = {
      {"an entry with a comma and no quotes",
       "[highscore]\ngrip0=WP3,BW. AErAQ\n[common]\ntongue=0\nmode=1\nhmode=1\nwmode=1\nsound=1\nmusic=1\n", 0, 1,
       "[highscore]\ngrip0=WP3,BW. AErAQ\n[common]\ntongue=1\nmode=1\nhmode=2\nwmode=1\nsound=1\nmusic=1\n"},
      {"a byte-order mark and CR LF", "\xEF\xBB\xBF[common]\r\ntongue=0\r\nmode=3\r\n", 0, 3,
       "\xEF\xBB\xBF[common]\r\ntongue=1\r\nmode=3\r\nhmode=2\r\nwmode=1\r\nsound=1\r\nmusic=1\r\n"},
      {"LF and CR LF mixed", "[common]\r\nmode=2\nsound=0\r\n", -1, 2,
       "[common]\r\nmode=2\nsound=0\r\nhmode=2\r\nwmode=1\r\nmusic=1\r\ntongue=1\r\n"},
      {"a section without its closing bracket", "[common\ntongue=0\nmode=2\n", -1, 0,
       "[common\ntongue=0\nmode=2\n[common]\nmode=0\nhmode=2\nwmode=1\nsound=1\nmusic=1\ntongue=1\n"},
      {"a bare quote", "[highscore]\nplayer=\"\n[common]\ntongue=0\n", 0, 0,
       "[highscore]\nplayer=\"\n[common]\ntongue=1\nmode=0\nhmode=2\nwmode=1\nsound=1\nmusic=1\n"},
      {"random bytes", random, -1, 0,
       random + "\r\n[common]\r\nmode=0\r\nhmode=2\r\nwmode=1\r\nsound=1\r\nmusic=1\r\ntongue=1\r\n"},
      {"UTF-16", utf16, -1, 0, utf16 + "\n[common]\nmode=0\nhmode=2\nwmode=1\nsound=1\nmusic=1\ntongue=1\n"},
      {"duplicate keys, a section twice in two spellings",
       "[common]\ntongue=0\nhmode=1\nhmode=3\n[Common]\nHMODE=3\n; end\n", 0, 0,
       "[common]\ntongue=1\nhmode=1\nhmode=3\n[Common]\nHMODE=2\nmode=0\nwmode=1\nsound=1\nmusic=1\n; end\n"},
      {"a very long value", "[highscore]\nplayer=" + longName + "\n[common]\ntongue=0\n", 0, 0,
       "[highscore]\nplayer=" + longName + "\n[common]\ntongue=1\nmode=0\nhmode=2\nwmode=1\nsound=1\nmusic=1\n"},
      {"NUL bytes", nul, 0, 0, nulAfter},
      {"comments, blank lines, foreign sections, blanks around '='",
       "; made by hand\n\n[window]\nx = 5 ; not ours\n\n[common]\n# tongue was 1\ntongue = 0\n\n[extra]\nk=v\n", 0, 0,
       "; made by hand\n\n[window]\nx = 5 ; not ours\n\n[common]\n# tongue was 1\ntongue = 1\nmode=0\nhmode=2\n"
       "wmode=1\nsound=1\nmusic=1\n\n[extra]\nk=v\n"},
      {"values quoted by the previous version",
       "[common]\nMainForm=\"200,0,1,40,50,540,466\"\ntongue=0\n[highscore]\nokto0=\"12,a \\\"b\\\" \\\\c\"\n", 0, 0,
       "[common]\nMainForm=\"200,0,1,40,50,540,466\"\ntongue=1\nmode=0\nhmode=2\nwmode=1\nsound=1\nmusic=1\n"
       "[highscore]\nokto0=\"12,a \\\"b\\\" \\\\c\"\n"},
      {"no line break at the end", "[common]\ntongue=0", 0, 0,
       "[common]\ntongue=1\nmode=0\nhmode=2\nwmode=1\nsound=1\nmusic=1\n"},
      {"an empty file", "", -1, 0, "[common]\nmode=0\nhmode=2\nwmode=1\nsound=1\nmusic=1\ntongue=1\n"},
      {"a byte-order mark alone", "\xEF\xBB\xBF", -1, 0,
       "\xEF\xBB\xBF[common]\nmode=0\nhmode=2\nwmode=1\nsound=1\nmusic=1\ntongue=1\n"},
      {"a key without a name, an empty value, blanks around a value", "[common]\n=5\ntongue=\nmode =  2  \n", -1, 2,
       "[common]\n=5\ntongue=1\nmode =  2  \nhmode=2\nwmode=1\nsound=1\nmusic=1\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteBytes(c.before);
    {
      SettingsStore store(path());
      const CommonSettings read = ReadCommonSettings(store);
      EXPECT_EQ(read.tongue, c.tongue);
      EXPECT_EQ(read.mode, c.mode);
      CloseTheGame(store);
      EXPECT_TRUE(store.flush()) << "the close saves";
    }
    EXPECT_EQ(Bytes(), c.after);
    const SettingsStore again(path());
    EXPECT_EQ(ReadCommonSettings(again).tongue, 1);
    EXPECT_EQ(ReadCommonSettings(again).hmode, 2);
  }
}

TEST_F(SettingsFile, WhatTheGameReadsIsTheRawTextOfTheValue) {
  WriteBytes(
      "[highscore]\ngrip0=WP3,BW. AErAQ\nplayer=\"\nhexa10=\"12,a \\\"b\\\" \\\\c\"\nhexa11=\" padded \"\n"
      "hexa12=C:\\temp\\n\nhexa13=\"unclosed\nhexa14=  x = y ; z  \nokto0=@Variant(1)\n");
  const SettingsStore store(path());
  const struct {
    const char* key;
    std::string value;
  } cases[] = {
      {"grip0", "WP3,BW. AErAQ"},  {"player", "\""},          {"hexa10", "12,a \"b\" \\c"},
      {"hexa11", " padded "},      {"hexa12", "C:\\temp\\n"}, {"hexa13", "\"unclosed"},
      {"hexa14", "x = y ; z"},     {"okto0", "@Variant(1)"},
  };
  for (const auto& c : cases) EXPECT_EQ(store.readText("highscore", c.key, "?"), c.value) << c.key;
  EXPECT_EQ(LoadScoreList(store, [] {
              TChiffre c;
              c.Setup("", 0);
              return c;
            }(), "grip")[0],
            (ScoreEntry{"Mr. Brain", 420}));
  EXPECT_EQ(store.readText("HighScore", "GRIP0", "?"), "WP3,BW. AErAQ") << "names match in any case";
}

TEST_F(SettingsFile, EveryTextIsWrittenSoThatItReadsBackTheSame) {
  const struct {
    std::string value;
    const char* line;  // as it stands in the file
  } cases[] = {
      {"plain", "k=plain"},
      {"", "k="},
      {"17,red, green, blue", "k=17,red, green, blue"},
      {" lead", "k=\" lead\""},
      {"trail\t", "k=\"trail\t\""},
      {"\"quoted\"", "k=\"\\\"quoted\\\"\""},
      {"\"", "k=\""},
      {"a\"b", "k=a\"b"},
      {"back\\slash", "k=back\\slash"},
      {"\"\\\"", "k=\"\\\"\\\\\\\"\""},
      {"line\nbreak", "k=\"line\\nbreak\""},
      {"cr\rinside", "k=\"cr\\rinside\""},
      {"=;#[x]", "k==;#[x]"},
      {"Zoë Überlänge", "k=Zoë Überlänge"},
      {"\xff\xfe\0z"s, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    QFile::remove(QString::fromStdString(path()));
    {
      SettingsStore store(path());
      store.writeText("s", "k", c.value);
      ASSERT_TRUE(store.flush());
    }
    if (c.line) {
      EXPECT_EQ(Bytes(), std::string("[s]\n") + c.line + "\n");
    }
    const SettingsStore again(path());
    EXPECT_EQ(again.readText("s", "k", "?"), c.value);
  }
}

TEST_F(SettingsFile, FilesOfThePreviousVersionReadAsItWroteThem) {
  TChiffre cipher;
  cipher.Setup("", 0);
  const std::vector<std::pair<std::string, std::string>> values = {
      {"common/MainForm", "200,0,1,661,422,1167,822"},
      {"common/tongue", "1"},
      {"highscore/player", "Zoë Überlänge"},
      {"highscore/grip0", cipher.Encode("420,Mr. Brain")},
      {"highscore/grip1", cipher.Encode("500,red, green, blue")},
      {"highscore/grip2", cipher.Encode("600,say \"hi\"; go")},
      {"highscore/grip3", cipher.Encode("700,back\\slash = fine")},
      {"highscore/grip4", cipher.Encode("800, Zoë ")},
  };
  {
    QSettings old(QString::fromStdString(path()), QSettings::IniFormat);
    for (const auto& [key, value] : values) old.setValue(QString::fromStdString(key), QString::fromStdString(value));
    old.sync();
    ASSERT_EQ(old.status(), QSettings::NoError);
  }
  const SettingsStore store(path());
  for (const auto& [key, value] : values) {
    const std::size_t slash = key.find('/');
    EXPECT_EQ(store.readText(key.substr(0, slash), key.substr(slash + 1), "?"), value) << key << " in\n" << Bytes();
  }
  EXPECT_EQ(LoadScoreList(store, cipher, "grip")[2], (ScoreEntry{"say \"hi\"; go", 600}));
}

TEST_F(SettingsFile, WritingBackWhatTheFileHoldsChangesNothing) {
  const std::string text = "[common]\nMainForm = \"200,0,1,40,50,540,466\"\ntongue=1\nmode=2 \nhmode=1\nwmode=4\n"
                           "sound=5\nmusic=1\n";
  WriteBytes(text);
  struct stat before {};
  ASSERT_EQ(::stat(path().c_str(), &before), 0);
  {
    SettingsStore store(path());
    WriteCommonSettings(store, ReadCommonSettings(store));
    store.writeText("common", "MainForm", store.readText("common", "MainForm", ""));
    ASSERT_TRUE(store.flush());
  }
  EXPECT_EQ(Bytes(), text) << "\"sound=5\" reads as on and stays as it is";
  struct stat after {};
  ASSERT_EQ(::stat(path().c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino) << "not even rewritten";
}

TEST_F(SettingsFile, TwoGamesSideBySideKeepWhatTheOtherDidNotChange) {
  for (const std::string& start : {std::string(), std::string("; ours\n[common]\ntongue=0\nmode=0\nhmode=1\nwmode=1\n"
                                                               "sound=1\nmusic=1\n[elsewhere]\nkeep=me\n")}) {
    SCOPED_TRACE(start.empty() ? "from no file" : "from a full file");
    QFile::remove(QString::fromStdString(path()));
    if (!start.empty()) WriteBytes(start);
    SettingsStore first(path()), second(path());
    CommonSettings one = ReadCommonSettings(first), two = ReadCommonSettings(second);
    one.mode = 2;  // the first player turns to Oktopus
    one.tongue = 0;
    two.sound = false;  // the second switches the sound off
    two.tongue = 1;
    WriteCommonSettings(first, one);
    ASSERT_TRUE(first.flush());
    // The second opens its high-score list after the first has closed; that reads the file anew.
    second.refresh();
    WriteCommonSettings(second, two);
    ASSERT_TRUE(second.flush());

    const SettingsStore after(path());
    EXPECT_EQ(ReadCommonSettings(after), (CommonSettings{1, 2, 1, 1, false, true}))
        << "mode of the first, sound of the second, tongue of the last to close:\n" << Bytes();
    if (!start.empty()) {
      EXPECT_EQ(after.readText("elsewhere", "keep", ""), "me");
    }
  }
}

TEST_F(SettingsFile, ARefreshReadsAnotherGamesSaveAndKeepsWhatIsPending) {
  WriteBytes("[highscore]\nplayer=Anna\ngrip0=old\n");
  SettingsStore mine(path());
  EXPECT_EQ(mine.readText("highscore", "grip0", ""), "old");
  mine.writeText("highscore", "player", "Mine");
  {
    SettingsStore other(path());
    other.writeText("highscore", "grip0", "new");
    other.writeText("highscore", "player", "Other");
    ASSERT_TRUE(other.flush());
  }
  EXPECT_EQ(mine.readText("highscore", "grip0", ""), "old") << "no look at the disk without a refresh";
  mine.refresh();
  EXPECT_EQ(mine.readText("highscore", "grip0", ""), "new");
  EXPECT_EQ(mine.readText("highscore", "player", ""), "Mine");
  ASSERT_TRUE(mine.flush());
  EXPECT_EQ(Bytes(), "[highscore]\nplayer=Mine\ngrip0=new\n");
}

TEST_F(SettingsFile, ASaveWaitsWhileAnotherHoldsTheLock) {
  WriteBytes("[common]\ntongue=0\n");
  QLockFile other(QString::fromStdString(path() + ".lock"));
  ASSERT_TRUE(other.lock());
  std::thread release([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    other.unlock();
  });
  SettingsStore store(path());
  store.writeInt("common", "tongue", 1);
  const auto start = std::chrono::steady_clock::now();
  const bool saved = store.flush();
  const auto waited = std::chrono::steady_clock::now() - start;
  release.join();
  EXPECT_TRUE(saved);
  EXPECT_GE(waited, std::chrono::milliseconds(250));
  EXPECT_EQ(Bytes(), "[common]\ntongue=1\n");
}

// Lowers the largest file this process may write, as a full disk would, and
// lets the write fail rather than the signal end the process.
class FullDisk {
 public:
  explicit FullDisk(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    old_ = signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved_;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FullDisk() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    signal(SIGXFSZ, old_);
  }

 private:
  rlimit saved_{};
  sighandler_t old_;
};

TEST_F(SettingsFile, AFullDiskKeepsTheOldFileAndTheChangesForTheNextSave) {
  const std::string old = "[common]\ntongue=0\n; " + std::string(4000, 'p') + "\n";
  WriteBytes(old);
  SettingsStore store(path());
  store.writeInt("common", "tongue", 1);
  std::string said;
  {
    FullDisk full(1024);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(store.flush());
    said = testing::internal::GetCapturedStderr();
  }
  EXPECT_EQ(Bytes(), old);
  EXPECT_EQ(Entries(), QStringList{"V1.ini"}) << "no half-written file, no lock left behind";
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find("cannot save the settings to " + path()), std::string::npos) << said;
  EXPECT_EQ(store.readInt("common", "tongue", -1), 1);
  EXPECT_TRUE(store.hasPending());
  ASSERT_TRUE(store.flush()) << "room again";
  EXPECT_EQ(Bytes(), "[common]\ntongue=1\n; " + std::string(4000, 'p') + "\n");
}

TEST_F(SettingsFile, ASaveReplacesTheFileItselfAndTakesBackWhatACutOffSaveLeft) {
  WriteBytes("[common]\ntongue=0\n");
  ASSERT_EQ(::chmod(path().c_str(), 0640), 0);
  {
    // What a save killed between naming its new bytes and moving them leaves.
    QFile left(dir.filePath("V1.ini.saving"));
    ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    left.write("[common]\ntongue=");
  }
  SettingsStore store(path());
  store.writeInt("common", "tongue", 1);
  ASSERT_TRUE(store.flush());
  EXPECT_EQ(Bytes(), "[common]\ntongue=1\n");
  EXPECT_EQ(Entries(), QStringList{"V1.ini"});
  struct stat st {};
  ASSERT_EQ(::stat(path().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u) << "the file keeps its permissions";

  // A file that is a link to the real one saves the real one and stays a link.
  ASSERT_TRUE(QDir(dir.path()).mkdir("real"));
  const std::string real = dir.filePath("real/V1.ini").toStdString();
  ASSERT_EQ(::rename(path().c_str(), real.c_str()), 0);
  ASSERT_EQ(::symlink("real/V1.ini", path().c_str()), 0);
  SettingsStore linked(path());
  linked.writeInt("common", "tongue", 0);
  ASSERT_TRUE(linked.flush());
  ASSERT_EQ(::lstat(path().c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(Bytes(), "[common]\ntongue=0\n");
  EXPECT_EQ(QDir(dir.filePath("real")).entryList(QDir::Files | QDir::Hidden), QStringList{"V1.ini"});
}

TEST_F(SettingsFile, WhatIsNoPlainFileNeitherStopsTheGameNorIsReplaced) {
  ASSERT_EQ(::mkfifo(path().c_str(), 0600), 0);
  SettingsStore store(path());  // must not wait for a writer
  EXPECT_EQ(ReadCommonSettings(store), CommonSettings{});
  store.writeInt("common", "tongue", 1);
  testing::internal::CaptureStderr();
  EXPECT_FALSE(store.flush());
  EXPECT_NE(testing::internal::GetCapturedStderr().find("not a plain file"), std::string::npos);
  struct stat st {};
  ASSERT_EQ(::stat(path().c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST_F(SettingsFile, AFileTooLargeForSettingsIsLeftAlone) {
  const std::string huge = "[common]\ntongue=1\n;" + std::string(SettingsStore::kLargestFile, 'z') + "\n";
  WriteBytes(huge);
  SettingsStore store(path());
  EXPECT_EQ(store.readInt("common", "tongue", -1), -1);
  store.writeInt("common", "tongue", 0);
  testing::internal::CaptureStderr();
  EXPECT_FALSE(store.flush());
  EXPECT_NE(testing::internal::GetCapturedStderr().find("more than the"), std::string::npos);
  EXPECT_EQ(Bytes(), huge);
}

TEST(SettingsText, NamesThatCannotStandInTheFileAreRefused) {
  SettingsText text("[a]\nk=v\n");
  for (const auto& [section, key] : std::vector<std::pair<std::string, std::string>>{
           {"", "k"}, {"a", ""}, {"a", "x=y"}, {"a", "[x"}, {"a", ";x"}, {"a", "#x"}, {"a", " x"}, {"a", "x "},
           {"a", "x\ny"}, {"a b\n", "k"}, {" a", "k"}, {"a", "x\0y"s}})
    EXPECT_FALSE(text.set(section, key, "1")) << section << "/" << key;
  EXPECT_EQ(text.bytes(), "[a]\nk=v\n");
  EXPECT_TRUE(text.set("a", "x y", "1"));
  EXPECT_EQ(text.bytes(), "[a]\nk=v\nx y=1\n");
}

}  // namespace
}  // namespace blivo
