#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "help/chm_file.h"
#include "help/help_viewer.h"
#include "help/hh.h"
#include "help/hh_funcs.h"
#include "puzzle_fixture.h"

namespace blivo {
namespace {

const QString kHelpFile = QString::fromStdString(testing::GameFile("tnix.chm"));

TEST(HelpFile, ContextOneIsGermanAndTwoEnglish) {
  ChmFile chm;
  ASSERT_TRUE(chm.open(kHelpFile));
  EXPECT_EQ(chm.topic(1), "/de/index.html");
  EXPECT_EQ(chm.topic(2), "/en/index.html");
  EXPECT_FALSE(chm.topic(3));
  const auto page = chm.read("/de/index.html");
  ASSERT_TRUE(page);
  EXPECT_TRUE(page->contains("Werkzeugleiste"));
  EXPECT_TRUE(chm.read("/images/mix.png"));
  EXPECT_FALSE(chm.read("/nothing.html"));
  ChmFile missing;
  EXPECT_FALSE(missing.open("/no/such/tnix.chm"));
  EXPECT_FALSE(missing.read("/en/index.html"));
}

TEST(HelpViewer, ShowsPagesWithTheirPicturesAndFollowsLinks) {
  HelpViewer viewer;
  ASSERT_TRUE(viewer.Show(kHelpFile, "/en/index.html"));
  EXPECT_EQ(viewer.windowTitle(), "Blivo Turnix - Help");
  EXPECT_FALSE(viewer.browser()->loadResource(QTextDocument::ImageResource, QUrl("../images/mix.png")).value<QImage>().isNull());
  // A link in the page resolves against the page it stands in.
  viewer.browser()->setSource(viewer.browser()->source().resolved(QUrl("puzzles.html")));
  EXPECT_EQ(viewer.currentPage(), "/en/puzzles.html");
  EXPECT_TRUE(viewer.browser()->toPlainText().contains("Oktopus"));
  EXPECT_FALSE(viewer.Show("/no/such/tnix.chm", "/en/index.html"));
  EXPECT_TRUE(viewer.browser()->toPlainText().contains("cannot be read"));
}

class HelpLayer : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadHelpLibrary();
    SetHtmlHelpEntry([this](QWidget*, const std::string& path, int command, std::intptr_t data) -> QWidget* {
      calls.push_back(path + "|" + std::to_string(command) + "|" + std::to_string(data));
      return nullptr;
    });
    SetHelpMessageBox([this](const std::string& text) { boxes.push_back(text); });
    _hhInstalled = true;
  }
  void TearDown() override {
    SetHtmlHelpEntry({});
    SetHelpMessageBox({});
    SetApplicationHelpHandler({});
  }
  std::vector<std::string> calls, boxes;
};

TEST_F(HelpLayer, TheHookTurnsContextRequestsIntoViewerCalls) {
  {
    THookHelpSystem help("  /games/Blivo%20Turnix/tnix.chm ", "", 0);
    ApplicationHelpContext(2);
    bool callHelp = false;
    EXPECT_TRUE(ApplicationHelpHandler()(HELP_SETPOPUP_POS, 0, callHelp));
    EXPECT_FALSE(callHelp);
    EXPECT_TRUE(ApplicationHelpHandler()(4, 0, callHelp));
    EXPECT_TRUE(callHelp) << "other requests go to the program's own help";
    ApplicationHelpHandler()(HELP_CONTEXTPOPUP, 1, callHelp);
  }
  EXPECT_EQ(calls, (std::vector<std::string>{"/games/Blivo Turnix/tnix.chm|15|2", "/games/Blivo Turnix/tnix.chm|15|1",
                                             "|18|0"}))
      << "the last call closes every help window as the layer goes";
  EXPECT_FALSE(ApplicationHelpHandler()) << "the handler before it is back";
  EXPECT_TRUE(boxes.empty());
}

TEST_F(HelpLayer, AWindowDefinitionFollowsTheFileAfterAnAngle) {
  EXPECT_EQ(HHHelpContext("tnix.chm", 7, " main%20window ", 0), 0);
  EXPECT_EQ(calls, std::vector<std::string>{"tnix.chm>main window|15|7"});
}

TEST_F(HelpLayer, AMissingViewerIsReportedWithItsMessage) {
  _hhInstalled = false;
  THookHelpSystem help("tnix.chm", "", 0);
  ApplicationHelpContext(1);
  EXPECT_TRUE(calls.empty()) << "the viewer is not asked";
  EXPECT_EQ(boxes, std::vector<std::string>{"MS Html Help is not installed on this PC."});
  _hhInstalled = true;
}

TEST(HelpCommands, NamesCarryTheirNumbers) {
  EXPECT_EQ(HelpCommandName(1), "HELP_CONTEXT (1)");
  EXPECT_EQ(HelpCommandName(3), "HELP_INDEX or HELP_CONTENTS (3)");
  EXPECT_EQ(HelpCommandName(515), "HELP_SETWINPOS (515)");
  EXPECT_EQ(HelpCommandName(6), "?? (6)");
}

TEST(FriendlyVersions, FirstMatchingRowWins) {
  auto v = [](unsigned a, unsigned b, unsigned c, unsigned d) {
    return FileVersion{a, b, c, d, std::to_string(a) + "." + std::to_string(b) + "." + std::to_string(c) + "." + std::to_string(d)};
  };
  EXPECT_EQ(HelpFriendlyVersion(v(5, 2, 3669, 0)), "1.4a");
  EXPECT_EQ(HelpFriendlyVersion(v(5, 2, 3669, 1)), "> 1.4a");
  EXPECT_EQ(HelpFriendlyVersion(v(4, 74, 8857, 0)), "1.32");
  EXPECT_EQ(HelpFriendlyVersion(v(4, 72, 7290, 0)), "1.0");
  EXPECT_EQ(HelpFriendlyVersion(v(4, 72, 7289, 9)), "< 1.0");
  EXPECT_EQ(HelpFriendlyVersion({}), "");
  EXPECT_EQ(BrowserFriendlyVersion(v(6, 0, 2900, 2180)), "Internet Explorer 6 (Windows XP SP2)");
  EXPECT_EQ(BrowserFriendlyVersion(v(7, 0, 5730, 11)), ">= Internet Explorer 7.0.5730.11");
  EXPECT_EQ(BrowserFriendlyVersion(v(4, 40, 307, 0)), "< Internet Explorer 1.0 (Plus!)");
}

class LogFile : public ::testing::Test {
 protected:
  std::string path() const { return dir.filePath("HHDebug.txt").toStdString(); }
  QStringList Lines() const {
    QFile file(QString::fromStdString(path()));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
  }
  void Touch() {
    QFile file(QString::fromStdString(path()));
    file.open(QIODevice::WriteOnly);
    file.write("old\n");
  }
  QTemporaryDir dir;
};

TEST_F(LogFile, OutsideDebugModeAnOldLogIsDeletedAndNothingWritten) {
  Touch();
  TDLogFile log(path(), false, true, true, false, {{"=", "!Log File: \tx"}});
  EXPECT_FALSE(QFile::exists(QString::fromStdString(path())));
  log.DebugText("not in debug mode");
  EXPECT_FALSE(QFile::exists(QString::fromStdString(path())));
}

TEST_F(LogFile, TheHeaderComesWithoutTimeAndLinesWithIt) {
  Touch();
  TDLogFile log(path(), false, true, true, true, {{"=", "!Log File:             \t" + path(), "-"}});
  log.DebugText("THookHelpSystem.Destroy");
  log.DebugText("");
  log.DebugText("!plain");
  const QStringList lines = Lines();
  ASSERT_EQ(lines.size(), 6);
  EXPECT_EQ(lines[0], QString(79, '='));
  EXPECT_EQ(lines[1], QString::fromStdString("Log File:             \t" + path()));
  EXPECT_EQ(lines[2], QString(79, '-'));
  EXPECT_TRUE(lines[3].endsWith("   THookHelpSystem.Destroy"));
  EXPECT_NE(lines[3], "   THookHelpSystem.Destroy") << "a time comes first";
  EXPECT_TRUE(lines[4].endsWith("   ")) << "an empty text is the time alone";
  EXPECT_EQ(lines[5], "plain");
}

TEST_F(LogFile, AnUnwritableFolderMovesTheLogToTheTemporaryFolder) {
  TDLogFile log("/proc/HHDebug.txt", false, false, false, true);
  EXPECT_EQ(log.fileName(), QDir::tempPath().toStdString() + "/HHDebug.txt");
}

TEST_F(LogFile, DebugModeByMarkerFileOrSwitchInAnyCase) {
  const std::string folder = dir.path().toStdString();
  EXPECT_FALSE(DebugModeWanted(folder, {}));
  EXPECT_FALSE(DebugModeWanted(folder, {"debug", "--debug"}));
  EXPECT_TRUE(DebugModeWanted(folder, {"x", "-DEBUG"}));
  EXPECT_TRUE(DebugModeWanted(folder, {"/Debug"}));
  QFile marker(dir.filePath("debug.debug"));
  marker.open(QIODevice::WriteOnly);
  marker.close();
  EXPECT_TRUE(DebugModeWanted(folder, {}));
  EXPECT_TRUE(FolderWritable(folder));
  EXPECT_FALSE(QFile::exists(dir.filePath("$_Temp_$.$$$"))) << "the probe is removed again";
  EXPECT_FALSE(FolderWritable("/proc"));
}

}  // namespace
}  // namespace blivo
