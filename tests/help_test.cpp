#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextStream>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <cstring>
#include <functional>
#include <set>

#include "chm_fixture.h"
#include "help/chm_file.h"
#include "help/help_contents.h"
#include "help/help_viewer.h"
#include "help/hh.h"
#include "help/hh_funcs.h"
#include "platform/file_version.h"
#include "platform/paths.h"
#include "puzzle_fixture.h"

namespace blivo {
namespace {

using testing::ChmBytes;

const QString kHelpFile = QString::fromStdString(testing::GameFile("tnix.chm"));
const QString kFixtures = QStringLiteral(BLIVO_TEST_SOURCE_DIR "/help_fixtures/");

TEST(HelpFile, ContextOneIsGermanAndTwoEnglish) {
  ChmFile chm;
  ASSERT_TRUE(chm.open(kHelpFile)) << chm.failure().toStdString();
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

TEST(HelpFile, OnlyAPlainFileIsRead) {
  QTemporaryDir dir;
  const QString pipe = dir.filePath("tnix.chm");
  ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  ChmFile chm;
  EXPECT_FALSE(chm.open(pipe)) << "a pipe nobody writes to is not waited for";
  EXPECT_FALSE(chm.open(dir.path()));
  EXPECT_FALSE(chm.open("/dev/zero"));
  EXPECT_FALSE(ReadProgramVersion(pipe.toStdString()));
  EXPECT_FALSE(ReadProgramVersion("/dev/zero"));
}

TEST(HelpFile, TheContextMapNamesPagesByTheirPathInsideTheFile) {
  ChmFile chm;
  ASSERT_TRUE(chm.open(kHelpFile));
  const QByteArray map = *chm.read("/#IVB");
  const QByteArray strings = *chm.read("/#STRINGS");
  ChmBytes ivb(map);
  ASSERT_EQ(ivb.Get(0, 4), 16u) << "two entries";
  QStringList named;
  for (qsizetype at = 4; at + 8 <= map.size(); at += 8)
    named << QString::number(ivb.Get(at, 4)) + "=" + QString::fromUtf8(strings.constData() + ivb.Get(at + 4, 4));
  // Just as the project writes them: no folder of the machine it was built on.
  EXPECT_EQ(named, (QStringList{"1=de/index.html", "2=en/index.html"}));
}

TEST(HelpFile, TheSystemRecordNamesContentsDefaultTopicAndTitle) {
  ChmFile chm;
  ASSERT_TRUE(chm.open(kHelpFile));
  EXPECT_EQ(chm.contentsFile(), "/tnix.hhc");
  EXPECT_EQ(chm.defaultTopic(), "/en/index.html");
  EXPECT_EQ(chm.title(), "Blivo Turnix");
  EXPECT_TRUE(chm.exists(chm.contentsFile()));
}

TEST(HelpFile, AnOlderMapNamingTheCompilersFolderStillFindsItsPages) {
  ChmFile chm;
  ASSERT_TRUE(chm.open(kFixtures + "absolute_map.chm")) << chm.failure().toStdString();
  ChmBytes ivb(*chm.read("/#IVB"));
  EXPECT_TRUE(QString::fromUtf8(chm.read("/#STRINGS")->constData() + ivb.Get(8, 4)).startsWith("/tmp/"))
      << "the fixture is one such file";
  EXPECT_EQ(chm.topic(1), "/en/a.html");
  EXPECT_EQ(chm.topic(2), "/en/b.html");
}

TEST(HelpFile, PathsFromTheFileStayInsideIt) {
  const std::pair<const char*, const char*> cases[] = {
      {"en/index.html", "/en/index.html"}, {"/en/index.html", "/en/index.html"}, {"en\\index.html", "/en/index.html"},
      {"./en//a.html", "/en/a.html"},      {"de/../en/a.html", "/en/a.html"},   {"../../../etc/passwd", "/etc/passwd"},
      {"..", ""},                          {"", ""},
  };
  for (const auto& [given, wanted] : cases) EXPECT_EQ(ChmPath(given), wanted) << given;
}

// Each of these makes chmlib 0.40 crash, hang or write past a buffer, so
// the file must be refused before the library sees it.
struct Damage {
  const char* what;
  std::function<void(ChmBytes&)> apply;
};

const Damage kRefused[] = {
    {"cut short inside its header", [](ChmBytes& c) { c.b.truncate(0x50); }},
    {"cut short inside its directory", [](ChmBytes& c) { c.b.truncate(c.Chunk(0) + 100); }},
    {"directory chunks of 16 bytes (the library reads past them)",
     [](ChmBytes& c) { c.Put(c.Directory() + 0x10, 4, 16); }},
    {"directory chunks of 4 GB (the library allocates them)",
     [](ChmBytes& c) { c.Put(c.Directory() + 0x10, 4, 0xfffffff0u); }},
    {"an index page that leads to itself (the library searches for ever)",
     [](ChmBytes& c) {
       const qsizetype chunk = c.Chunk(0);
       c.b.replace(chunk, 4, "PMGI");
       c.Put(chunk + 4, 4, static_cast<std::uint64_t>(c.ChunkLength() - 8 - 3));
       c.b[chunk + 8] = 1;  // one entry: the name "/" and page 0
       c.b[chunk + 9] = '/';
       c.b[chunk + 10] = 0;
       c.Put(c.Directory() + 0x1c, 4, 0);  // that page is the root
     }},
    {"a listing that goes round", [](ChmBytes& c) { c.Put(c.Chunk(0) + 0x10, 4, 0); }},
    {"a listing page that claims more free space than it has",
     [](ChmBytes& c) { c.Put(c.Chunk(0) + 4, 4, static_cast<std::uint64_t>(c.ChunkLength())); }},
    {"an object in a third section (read as compressed before compression is set up)",
     [](ChmBytes& c) { c.b[c.Find("/#SYSTEM").section] = 5; }},
    {"a window of 4 MB (no decompressor is made, then reset)",
     [](ChmBytes& c) {
       const qsizetype control = c.Stored(ChmBytes::kControlData);
       c.Put(control + 0x0c, 4, 64);   // reset every 2 MB
       c.Put(control + 0x10, 4, 128);  // window 128 * 32 KB
     }},
    {"a window of no power of two", [](ChmBytes& c) { c.Put(c.Stored(ChmBytes::kControlData) + 0x10, 4, 3); }},
    {"no windows per reset (divides by zero)",
     [](ChmBytes& c) { c.Put(c.Stored(ChmBytes::kControlData) + 0x14, 4, 0); }},
    {"control data of another kind (read unchecked)",
     [](ChmBytes& c) { c.b.replace(c.Stored(ChmBytes::kControlData) + 4, 4, "LZXD"); }},
    {"compressed blocks of no length (divides by zero)",
     [](ChmBytes& c) { c.Put(c.Stored(ChmBytes::kResetTable) + 0x20, 8, 0); }},
    {"a compressed block longer than the library's buffer",
     [](ChmBytes& c) {
       const qsizetype table = c.Stored(ChmBytes::kResetTable);
       c.Put(table + static_cast<qsizetype>(c.Get(table + 0x0c, 4)) + 8, 8, 0x20000);
       c.Put(table + 0x18, 8, 0x30000);
     }},
    {"a block table beyond its object", [](ChmBytes& c) { c.Put(c.Stored(ChmBytes::kResetTable) + 4, 4, 200); }},
};

TEST(HelpFileChecks, DamagedStructuresAreRefusedBeforeTheLibrarySeesThem) {
  const QByteArray good = testing::ReadBytes(kHelpFile);
  ChmFile chm;
  for (const Damage& d : kRefused) {
    ChmBytes c(good);
    d.apply(c);
    EXPECT_FALSE(chm.openBytes(c.b)) << d.what;
    EXPECT_FALSE(chm.failure().isEmpty()) << d.what;
    EXPECT_FALSE(chm.read("/en/index.html")) << d.what;
  }
  ASSERT_TRUE(chm.openBytes(good)) << "the same reader takes a sound file afterwards";
  EXPECT_EQ(chm.topic(2), "/en/index.html");
}

TEST(HelpFileChecks, AFileWithoutItsContextMapOpensWithoutTopics) {
  ChmBytes c(testing::ReadBytes(kHelpFile));
  c.b.replace(c.Find("/#IVB").name, 5, "/#IVX");
  ChmFile chm;
  ASSERT_TRUE(chm.openBytes(c.b)) << chm.failure().toStdString();
  EXPECT_FALSE(chm.topic(1));
  EXPECT_FALSE(chm.topic(2));
  EXPECT_TRUE(chm.read("/en/index.html")) << "the pages are still there";
}

TEST(HelpFileChecks, AnObjectReachingBeyondItsSectionIsNotRead) {
  ChmBytes c(testing::ReadBytes(kHelpFile));
  const auto strings = c.Find("/#STRINGS");
  ASSERT_LT(strings.length, 0x80u);
  c.b[strings.lengthAt] = 0x7f;  // still one byte, now past the end of the section for a start this late
  c.b[strings.lengthAt - 1] = static_cast<char>(0x7f);
  ChmFile chm;
  ASSERT_TRUE(chm.openBytes(c.b)) << chm.failure().toStdString();
  EXPECT_FALSE(chm.read("/#STRINGS"));
  EXPECT_FALSE(chm.topic(2));
}

TEST(HelpFileChecks, FilesTheFuzzerFoundAreRefused) {
  // Each of them brings chmlib down when handed to it unchecked (help_fixtures/README.md).
  const std::pair<const char*, const char*> found[] = {
      {"fuzz_lzx_reset.chm", "compression window of an odd size"},
      {"fuzz_control_data.chm", "compression control data of another kind"},
      {"fuzz_reset_interval.chm", "compression reset interval of an odd size"},
  };
  ASSERT_EQ(QDir(kFixtures).entryList({"fuzz_*.chm"}).size(), std::size(found)) << "every fixture has its case";
  for (const auto& [name, why] : found) {
    ChmFile chm;
    EXPECT_FALSE(chm.open(kFixtures + name)) << name;
    EXPECT_EQ(chm.failure(), why) << name;
  }
}

std::vector<QString> Locals(const std::vector<ContentsEntry>& entries) {
  std::vector<QString> all;
  for (const ContentsEntry& e : entries) {
    all.push_back(e.local);
    for (const QString& l : Locals(e.children)) all.push_back(l);
  }
  return all;
}

int Depth(const std::vector<ContentsEntry>& entries) {
  int deepest = 0;
  for (const ContentsEntry& e : entries) deepest = std::max(deepest, Depth(e.children));
  return entries.empty() ? 0 : deepest + 1;
}

std::size_t Count(const std::vector<ContentsEntry>& entries) {
  std::size_t n = entries.size();
  for (const ContentsEntry& e : entries) n += Count(e.children);
  return n;
}

TEST(HelpContents, TheContentsListEveryTopicOfBothLanguages) {
  ChmFile chm;
  ASSERT_TRUE(chm.open(kHelpFile));
  const auto contents = ParseContents(*chm.read(chm.contentsFile()));
  ASSERT_EQ(contents.size(), 2u);
  EXPECT_EQ(contents[0].name, "Deutsch");
  EXPECT_EQ(contents[1].name, "English");
  EXPECT_EQ(contents[0].children[1].name, QString::fromUtf8("Die vier Rätsel"));
  const std::vector<QString> locals = Locals(contents);
  for (const char* page : {"de/index.html", "de/puzzles.html", "en/index.html", "en/puzzles.html"})
    EXPECT_NE(std::find(locals.begin(), locals.end(), page), locals.end()) << page;
  for (const QString& local : locals) {
    const QString page = local.section('#', 0, 0);
    const auto text = chm.read(ChmPath(page));
    ASSERT_TRUE(text) << local.toStdString() << " is a page of the file";
    if (local.contains('#')) {
      EXPECT_TRUE(text->contains(("name=\"" + local.section('#', 1) + "\"").toUtf8())) << local.toStdString();
    }
  }
}

TEST(HelpContents, AnyContentsFileGivesABoundedTree) {
  const QByteArray entry = R"(<li><object type="text/sitemap"><param name="Name" value="x"><param name="Local" value="a.html"></object>)";
  struct Case {
    const char* what;
    QByteArray text;
  };
  const Case cases[] = {
      {"nested ten thousand deep", entry + QByteArray("<ul>" + entry).repeated(10000)},
      {"a hundred thousand entries", "<ul>" + entry.repeated(100000) + "</ul>"},
      {"more lists closed than opened", QByteArray("</ul>").repeated(50) + "<ul>" + entry + "</ul>"},
      {"a quote never closed", R"(<ul><li><object type="text/sitemap"><param name="Name" value="never)"},
      {"a comment never closed", "<ul><!-- " + entry},
      {"a tag never closed", "<ul><li><object type=text/sitemap"},
      {"nothing but angles", QByteArray("<").repeated(100000)},
      {"nothing but ampersands", "<param name=Name value=\"" + QByteArray("&").repeated(100000) + "\">"},
  };
  for (const Case& c : cases) {
    const auto tree = ParseContents(c.text);
    EXPECT_LE(Depth(tree), kMostContentsDepth) << c.what;
    EXPECT_LE(Count(tree), static_cast<std::size_t>(kMostContentsEntries)) << c.what;
  }
}

TEST(HelpContents, NamesAreDecodedAsTheFileWritesThem) {
  const auto utf8 = ParseContents(
      R"(<OBJECT type="text/sitemap"><PARAM name="Name" value="R&auml;tsel &amp; &#82;&#x69;ng">)"
      R"(<param NAME="local" VALUE='de/a.html'></OBJECT>)");
  ASSERT_EQ(utf8.size(), 1u);
  EXPECT_EQ(utf8[0].name, "R&auml;tsel & Ring") << "known entities only";
  EXPECT_EQ(utf8[0].local, "de/a.html");
  const auto latin1 = ParseContents("<object type=\"text/sitemap\"><param name=\"Name\" value=\"R\xe4tsel\"></object>");
  ASSERT_EQ(latin1.size(), 1u);
  EXPECT_EQ(latin1[0].name, QString::fromUtf8("Rätsel")) << "a file that is no UTF-8 is Latin-1";
  EXPECT_TRUE(ParseContents(R"(<object type="text/site properties"><param name="Name" value="x"></object>)").empty());
}

// The viewer's window, on the offscreen platform.
class Viewer : public ::testing::Test {
 protected:
  void SetUp() override {
    viewer.openLink = [this](const QString& url) {
      opened << url;
      return openAnswer;
    };
    viewer.report = [this](const QString& line) { reports << line; };
    viewer.show();
  }

  QToolButton* Button(const char* name) { return viewer.findChild<QToolButton*>(name); }

  // Clicks the link in the page whose address is `href`, as a player does.
  void ClickLink(const QString& href) {
    QTextBrowser* page = viewer.browser();
    for (QTextBlock block = page->document()->begin(); block.isValid(); block = block.next()) {
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (f.charFormat().anchorHref() != href) continue;
        QTextCursor cursor(page->document());
        cursor.setPosition(f.position() + f.length() / 2);
        page->setTextCursor(cursor);
        page->ensureCursorVisible();
        QApplication::processEvents();
        QTest::mouseClick(page->viewport(), Qt::LeftButton, {}, page->cursorRect(cursor).center());
        return;
      }
    }
    ADD_FAILURE() << "no link to " << href.toStdString() << " on " << viewer.currentPage().toStdString();
  }

  HelpViewer viewer;
  QStringList opened, reports;
  bool openAnswer = true;
};

TEST_F(Viewer, ShowsPagesWithTheirPicturesAndFollowsLinks) {
  ASSERT_TRUE(viewer.ShowContext(kHelpFile, 2));
  EXPECT_EQ(viewer.windowTitle(), "Blivo Turnix - Help");
  EXPECT_FALSE(viewer.browser()->loadResource(QTextDocument::ImageResource, QUrl("../images/mix.png")).value<QImage>().isNull());
  // A link in the page resolves against the page it stands in.
  viewer.FollowLink(QUrl("puzzles.html"));
  EXPECT_EQ(viewer.currentPage(), "/en/puzzles.html");
  EXPECT_TRUE(viewer.browser()->toPlainText().contains("Oktopus"));
  EXPECT_FALSE(viewer.ShowContext("/no/such/tnix.chm", 2));
  EXPECT_TRUE(viewer.browser()->toPlainText().contains("cannot be read"));
}

TEST_F(Viewer, FromEachStartTopicALinkLeadsToThePuzzlesAndBackReturns) {
  const struct {
    int context;
    const char* start;
    const char* puzzles;
    const char* title;
    const char* heading;
  } languages[] = {
      {1, "/de/index.html", "/de/puzzles.html", "Blivo Turnix - Hilfe", "Die vier Rätsel"},
      {2, "/en/index.html", "/en/puzzles.html", "Blivo Turnix - Help", "The four puzzles"},
  };
  for (const auto& l : languages) {
    ASSERT_TRUE(viewer.ShowContext(kHelpFile, l.context));
    ASSERT_EQ(viewer.currentPage(), l.start);
    ClickLink("puzzles.html");
    EXPECT_EQ(viewer.currentPage(), l.puzzles);
    EXPECT_TRUE(viewer.browser()->toPlainText().contains(QString::fromUtf8(l.heading)));
    EXPECT_EQ(viewer.windowTitle(), QString::fromUtf8(l.title));
    ASSERT_TRUE(Button("BackBtn")->isEnabled());
    Button("BackBtn")->click();
    EXPECT_EQ(viewer.currentPage(), l.start);
    ASSERT_TRUE(Button("ForwardBtn")->isEnabled());
    Button("ForwardBtn")->click();
    EXPECT_EQ(viewer.currentPage(), l.puzzles);
    ClickLink("index.html");  // "back to the start" at the foot of the page
    EXPECT_EQ(viewer.currentPage(), l.start);
  }
  EXPECT_TRUE(opened.isEmpty()) << "the help's own links never leave the window";
  EXPECT_EQ(reports.first(), "page /de/index.html");
}

TEST_F(Viewer, HomeIsTheStartTopicOfTheLanguageShown) {
  ASSERT_TRUE(viewer.ShowContext(kHelpFile, 2));
  ClickLink("../de/index.html");  // the language link at the foot of the English page
  EXPECT_EQ(viewer.currentPage(), "/de/index.html");
  EXPECT_EQ(viewer.windowTitle(), "Blivo Turnix - Hilfe");
  EXPECT_EQ(Button("BackBtn")->text(), QString::fromUtf8("Zurück"));
  ClickLink("puzzles.html");
  Button("HomeBtn")->click();
  EXPECT_EQ(viewer.currentPage(), "/de/index.html");
  viewer.FollowLink(QUrl("chm:/en/puzzles.html"));
  Button("HomeBtn")->click();
  EXPECT_EQ(viewer.currentPage(), "/en/index.html");
  EXPECT_EQ(Button("HomeBtn")->text(), "Home");
}

TEST_F(Viewer, TheContentsLeadToTheirPagesAndFollowThePageShown) {
  ASSERT_TRUE(viewer.ShowContext(kHelpFile, 1));
  QTreeWidget* tree = viewer.contents();
  ASSERT_TRUE(tree->isVisible());
  ASSERT_EQ(tree->topLevelItemCount(), 2);
  ASSERT_TRUE(tree->currentItem());
  EXPECT_EQ(tree->currentItem()->text(0), "Deutsch") << "the first entry for the start topic";
  QTreeWidgetItem* english = tree->topLevelItem(1);
  QTreeWidgetItem* hexagon = english->child(1)->child(1);
  ASSERT_EQ(hexagon->text(0), "Hexagon");
  const QRect place = tree->visualItemRect(hexagon);
  if (place.isValid()) {
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, place.center());
  } else {  // a folded branch: as if the player had unfolded it
    english->setExpanded(true);
    english->child(1)->setExpanded(true);
    QApplication::processEvents();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(hexagon).center());
  }
  EXPECT_EQ(viewer.currentPage(), "/en/puzzles.html");
  EXPECT_EQ(viewer.browser()->source().fragment(), "hexagon");
  EXPECT_EQ(tree->currentItem(), hexagon);
  Button("BackBtn")->click();
  EXPECT_EQ(tree->currentItem()->text(0), "Deutsch");
}

TEST_F(Viewer, WebAndMailLinksGoToTheDesktop) {
  ASSERT_TRUE(viewer.ShowContext(kHelpFile, 2));
  viewer.FollowLink(QUrl("https://blivogames.example/"));
  viewer.FollowLink(QUrl("mailto:turnix@blivogames.example"));
  openAnswer = false;
  viewer.FollowLink(QUrl("http://nobody.example/"));
  EXPECT_EQ(opened, (QStringList{"https://blivogames.example/", "mailto:turnix@blivogames.example",
                                 "http://nobody.example/"}));
  viewer.FollowLink(QUrl("file:///etc/passwd"));
  viewer.FollowLink(QUrl("javascript:alert(1)"));
  EXPECT_EQ(opened.size(), 3) << "other schemes go nowhere";
  EXPECT_EQ(viewer.currentPage(), "/en/index.html") << "and the page stays";
}

TEST_F(Viewer, PagesReachNothingOutsideTheHelpFile) {
  ASSERT_TRUE(viewer.ShowContext(kHelpFile, 2));
  ChmBrowser* page = viewer.browser();
  EXPECT_FALSE(page->loadResource(QTextDocument::ImageResource, QUrl::fromLocalFile(kHelpFile)).isValid());
  EXPECT_FALSE(page->loadResource(QTextDocument::StyleSheetResource, QUrl("http://example.org/a.css")).isValid());
  EXPECT_FALSE(page->loadResource(QTextDocument::ImageResource, QUrl("../../../../etc/hostname")).isValid());
}

TEST_F(Viewer, WhatCannotBeShownShowsTheCannotBeReadPageInBothLanguages) {
  QTemporaryDir dir;
  const QString damaged = dir.filePath("damaged.chm");
  {
    ChmBytes c(testing::ReadBytes(kHelpFile));
    c.Put(c.Stored(ChmBytes::kControlData) + 0x14, 4, 0);
    testing::WriteBytes(damaged, c.b);
  }
  const QString noMap = dir.filePath("nomap.chm");
  {
    ChmBytes c(testing::ReadBytes(kHelpFile));
    c.b.replace(c.Find("/#IVB").name, 5, "/#IVX");
    testing::WriteBytes(noMap, c.b);
  }
  auto expectProblemPage = [this](const char* what) {
    const QString text = viewer.browser()->toPlainText();
    EXPECT_TRUE(text.contains("The help file cannot be read.")) << what;
    EXPECT_TRUE(text.contains("Die Hilfedatei kann nicht gelesen werden.")) << what;
    EXPECT_TRUE(viewer.currentPage().isEmpty() || !viewer.browser()->toPlainText().contains("Werkzeugleiste")) << what;
    ASSERT_FALSE(reports.isEmpty());
    EXPECT_TRUE(reports.last().startsWith("problem ")) << what << ": " << reports.last().toStdString();
  };
  EXPECT_FALSE(viewer.ShowContext("/no/such/tnix.chm", 2));
  expectProblemPage("a file that is not there");
  EXPECT_FALSE(viewer.ShowContext(damaged, 2));
  expectProblemPage("a damaged file");
  EXPECT_FALSE(viewer.ShowContext(noMap, 1));
  expectProblemPage("a file without its context map");
  EXPECT_FALSE(viewer.ShowContext(kHelpFile, 9));
  expectProblemPage("a topic the file does not have");
  EXPECT_TRUE(viewer.browser()->toPlainText().contains("has no topic 9"));
  ASSERT_TRUE(viewer.ShowContext(kHelpFile, 2)) << "and the next sound request shows its page again";
  EXPECT_TRUE(viewer.browser()->toPlainText().contains("The tool bar"));
  viewer.FollowLink(QUrl("missing.html"));
  expectProblemPage("a link to a page the file does not have");
  Button("BackBtn")->click();
  EXPECT_EQ(viewer.currentPage(), "/en/index.html");
}

class HelpLayer : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadHelpLibrary();
    SetHtmlHelpEntry([this](HelpWindow, const std::string& path, int command, std::intptr_t data) -> HelpWindow {
      calls.push_back(path + "|" + std::to_string(command) + "|" + std::to_string(data));
      return 0;
    });
    SetHelpMessageBox([this](const std::string& text) { boxes.push_back(text); });
    _hhInstalled = true;
  }
  void TearDown() override {
    SetHtmlHelpEntry({});
    SetHelpMessageBox({});
    SetApplicationHelpHandler({});
    SetHelpProgramFolder("");
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

TEST_F(HelpLayer, TheViewerIsFoundBesideTheGameWithItsVersion) {
  SetHelpProgramFolder(BLIVO_GAME_DIR);
  EXPECT_EQ(LocateHelpControl(), std::string(BLIVO_GAME_DIR) + "blivoturnix-help");
  InitHelpControl();
  EXPECT_TRUE(_hhInstalled);
  EXPECT_EQ(_hhVerStr, "1.6.0.0");
  UnloadHelpLibrary();
  LoadHelpLibrary();
  EXPECT_TRUE(HelpLibraryLoaded());

  QTemporaryDir empty;
  SetHelpProgramFolder(empty.path().toStdString());
  InitHelpControl();
  EXPECT_FALSE(_hhInstalled);
  EXPECT_EQ(_hhVerStr, "");
  UnloadHelpLibrary();
  LoadHelpLibrary();
  EXPECT_FALSE(HelpLibraryLoaded());
}

TEST_F(HelpLayer, AViewerThatCannotBeRunCountsAsMissing) {
  QTemporaryDir folder;
  // The viewer's file with its version, but not runnable.
  QFile::copy(QString::fromStdString(testing::GameFile("blivoturnix-help")), folder.filePath("blivoturnix-help"));
  QFile::setPermissions(folder.filePath("blivoturnix-help"), QFile::ReadOwner | QFile::WriteOwner);
  SetHelpProgramFolder(folder.path().toStdString());
  UnloadHelpLibrary();
  InitHelpControl();
  LoadHelpLibrary();
  EXPECT_TRUE(_hhInstalled);
  EXPECT_FALSE(HelpLibraryLoaded());
  SetHtmlHelpEntry({});
  EXPECT_EQ(ShowContext("tnix.chm", 2, 0), 1);
}

// Every command's name in the log carries its number; known commands have
// names of their own, each a different one, the rest "??".
TEST(HelpCommands, NamesCarryTheirNumbersAndTellTheKnownApart) {
  std::set<std::string> known;
  for (int command = 0; command <= 1024; ++command) {
    const std::string name = HelpCommandName(command);
    const std::string number = " (" + std::to_string(command) + ")";
    ASSERT_GT(name.size(), number.size());
    ASSERT_EQ(name.substr(name.size() - number.size()), number) << name;
    const std::string bare = name.substr(0, name.size() - number.size());
    if (bare == "??") continue;
    EXPECT_TRUE(bare.rfind("HELP_", 0) == 0) << name;
    EXPECT_TRUE(known.insert(bare).second) << bare << " names two commands";
  }
  EXPECT_EQ(HelpCommandName(HELP_CONTEXT), "HELP_CONTEXT (1)") << "the one the game sends";
  EXPECT_EQ(known.size(), 16u);
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

// A small ELF program image holding a version record, of either class and byte order.
QByteArray ElfWithRecord(bool wide, bool bigEndian, QByteArray record) {
  ChmBytes e(QByteArray(wide ? 64 : 52, '\0'));
  auto put = [&](qsizetype at, int width, std::uint64_t v) {
    for (int i = 0; i < width; ++i) e.b[at + (bigEndian ? width - 1 - i : i)] = static_cast<char>(v >> (8 * i) & 0xff);
  };
  e.b.replace(0, 4, "\x7f" "ELF");
  e.b[4] = wide ? 2 : 1;
  e.b[5] = bigEndian ? 2 : 1;
  const QByteArray names("\0.shstrtab\0.blivo_version\0", 26);
  const qsizetype namesAt = e.b.size();
  e.b += names;
  const qsizetype recordAt = e.b.size();
  e.b += record;
  const qsizetype sections = e.b.size();
  const int entry = wide ? 64 : 40;
  e.b += QByteArray(3 * entry, '\0');
  put(wide ? 0x28 : 0x20, wide ? 8 : 4, static_cast<std::uint64_t>(sections));
  put(wide ? 0x3A : 0x2E, 2, static_cast<std::uint64_t>(entry));
  put(wide ? 0x3C : 0x30, 2, 3);
  put(wide ? 0x3E : 0x32, 2, 1);
  auto section = [&](int i, std::uint32_t name, std::uint64_t offset, std::uint64_t size) {
    const qsizetype at = sections + i * entry;
    put(at, 4, name);
    put(at + 4, 4, 1);
    put(at + (wide ? 24 : 16), wide ? 8 : 4, offset);
    put(at + (wide ? 32 : 20), wide ? 8 : 4, size);
  };
  section(1, 1, static_cast<std::uint64_t>(namesAt), static_cast<std::uint64_t>(names.size()));
  section(2, 11, static_cast<std::uint64_t>(recordAt), static_cast<std::uint64_t>(record.size()));
  return e.b;
}

std::optional<ProgramVersion> VersionOf(const QByteArray& image) {
  return ParseProgramVersion(static_cast<std::uint64_t>(image.size()), [&](std::uint64_t at, std::size_t n, void* out) {
    if (at > static_cast<std::uint64_t>(image.size()) || n > static_cast<std::uint64_t>(image.size()) - at) return false;
    std::memcpy(out, image.constData() + at, n);
    return true;
  });
}

TEST(ProgramVersions, TheGameAndItsViewerCarryTheirVersion) {
  for (const char* program : {"blivoturnix", "blivoturnix-help"}) {
    EXPECT_EQ(ReadProgramVersion(testing::GameFile(program)), (ProgramVersion{1, 6, 0, 0})) << program;
    EXPECT_EQ(GetFileVersionString(testing::GameFile(program)).text, "1.6.0.0") << program;
  }
  QTemporaryDir dir;
  QFile text(dir.filePath("notes.txt"));
  text.open(QIODevice::WriteOnly);
  text.write("just words");
  text.close();
  QFile(dir.filePath("empty")).open(QIODevice::WriteOnly);
  for (const QString& none : {QString(BLIVO_TEST_BINARY), text.fileName(), dir.filePath("empty"), dir.path(),
                              dir.filePath("missing"), kHelpFile})
    EXPECT_EQ(GetFileVersionString(none.toStdString()).text, "") << none.toStdString() << " has no record";
}

TEST(ProgramVersions, EitherClassAndByteOrderIsRead) {
  const QByteArray little("BlivoVer\x02\x00\x07\x00\x03\x00\x01\x00", 16);
  const QByteArray big("BlivoVer\x00\x02\x00\x07\x00\x03\x00\x01", 16);
  for (const bool wide : {false, true}) {
    EXPECT_EQ(VersionOf(ElfWithRecord(wide, false, little)), (ProgramVersion{2, 7, 3, 1})) << wide;
    EXPECT_EQ(VersionOf(ElfWithRecord(wide, true, big)), (ProgramVersion{2, 7, 3, 1})) << wide;
  }
}

TEST(ProgramVersions, DamagedProgramFilesHaveNoVersion) {
  const QByteArray record("BlivoVer\x01\x00\x06\x00\x00\x00\x00\x00", 16);
  const QByteArray good = ElfWithRecord(true, false, record);
  ASSERT_TRUE(VersionOf(good));
  const qsizetype sections = static_cast<qsizetype>(ChmBytes(good).Get(0x28, 8));
  const struct {
    const char* what;
    std::function<void(ChmBytes&)> apply;
  } cases[] = {
      {"cut inside the header", [](ChmBytes& e) { e.b.truncate(40); }},
      {"cut inside the section table", [](ChmBytes& e) { e.b.chop(10); }},
      {"an unknown class", [](ChmBytes& e) { e.b[4] = 3; }},
      {"section table beyond the file", [](ChmBytes& e) { e.Put(0x28, 8, 1u << 30); }},
      {"section table far beyond the file", [](ChmBytes& e) { e.Put(0x28, 8, ~0ull - 10); }},
      {"sixty thousand sections", [](ChmBytes& e) { e.Put(0x3C, 2, 60000); }},
      {"section headers too short", [](ChmBytes& e) { e.Put(0x3A, 2, 8); }},
      {"names in a section that is not there", [](ChmBytes& e) { e.Put(0x3E, 2, 7); }},
      {"names beyond the file", [&](ChmBytes& e) { e.Put(sections + 64 + 24, 8, ~0ull - 3); }},
      {"a name beyond the names", [&](ChmBytes& e) { e.Put(sections + 128, 4, 0xffffff); }},
      {"a record too short", [&](ChmBytes& e) { e.Put(sections + 128 + 32, 8, 8); }},
      {"a record beyond the file", [&](ChmBytes& e) { e.Put(sections + 128 + 24, 8, 1u << 20); }},
      {"a record without bytes in the file", [&](ChmBytes& e) { e.Put(sections + 128 + 4, 4, 8); }},
      {"a record of another kind", [](ChmBytes& e) { e.b.replace(e.b.indexOf("BlivoVer"), 8, "BlivoVeR"); }},
  };
  for (const auto& c : cases) {
    ChmBytes e(good);
    c.apply(e);
    EXPECT_FALSE(VersionOf(e.b)) << c.what;
  }
  const QByteArray real = testing::ReadBytes(QString::fromStdString(testing::GameFile("blivoturnix-help")));
  for (qsizetype cut : {qsizetype{0}, qsizetype{16}, qsizetype{64}, real.size() / 2, real.size() - 1})
    EXPECT_FALSE(VersionOf(real.left(cut))) << "the program cut to " << cut << " bytes";
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

TEST(HelpLog, AHelpRequestWritesTheLinesItAlwaysWrote) {
  InitHelpFunctions({BLIVO_TEST_BINARY, "-debug"});
  const QString log = QString::fromStdString(HelpStartupValues().logFolder + "/HHDebug.txt");
  std::vector<std::string> asked;
  SetHtmlHelpEntry([&](HelpWindow, const std::string& path, int command, std::intptr_t) -> HelpWindow {
    asked.push_back(path + "|" + std::to_string(command));
    return 0;
  });
  std::vector<std::string> boxes;
  SetHelpMessageBox([&](const std::string& text) { boxes.push_back(text); });
  {
    THookHelpSystem help("/games/tnix.chm", "", 0);
    _hhInstalled = true;
    ApplicationHelpContext(2);
    _hhInstalled = false;
    ApplicationHelpContext(1);
  }
  SetHtmlHelpEntry({});
  SetHelpMessageBox({});
  DoneHelpFunctions();
  QFile file(log);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << log.toStdString();
  const QStringList all = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
  file.remove();
  ASSERT_EQ(all.first(), QString(79, '=')) << "the header comes first";
  QStringList lines;  // the help layer's, after the header, each without its time
  for (qsizetype i = all.lastIndexOf(QString(79, '=')) + 1; i < all.size(); ++i) lines << all[i].section("   ", 1);
  EXPECT_EQ(lines, (QStringList{
                       "THookHelpSystem.Create(\"/games/tnix.chm\",\"\", 0)",
                       "THookHelpSystem.HelpHook(HELP_CONTEXT (1), 2)",
                       "HHHelpContext(\"/games/tnix.chm\", 2, \"\", 0)",
                       "ShowContext(\"/games/tnix.chm\", 0)",
                       "  returned - 0",
                       "THookHelpSystem.HelpHook(HELP_CONTEXT (1), 1)",
                       "HHHelpContext(\"/games/tnix.chm\", 1, \"\", 0)",
                       "ShowContext(\"/games/tnix.chm\", 0)",
                       "  returned - 1",
                       "HHShowError(1), \"MS Html Help is not installed on this PC.\"",
                       "THookHelpSystem.Destroy",
                   }));
  EXPECT_EQ(asked, (std::vector<std::string>{"/games/tnix.chm|15", "|18"})) << "one topic, then all closed";
  EXPECT_EQ(boxes, std::vector<std::string>{"MS Html Help is not installed on this PC."});
}

// The real game started in a folder of its own with a command line, under a
// locale; what its debug log's header says.
struct StartedGame {
  QString folder;
  QStringList header;
};

StartedGame StartGameForItsLog(const QTemporaryDir& root, const QString& folderName, const QString& locale) {
  StartedGame game;
  game.folder = root.filePath(folderName);
  EXPECT_TRUE(QDir().mkpath(game.folder));
  for (const char* file : {"blivoturnix", "blivoturnix-help", "b1.bmp"})
    EXPECT_TRUE(QFile::copy(QString(BLIVO_GAME_DIR) + file, game.folder + "/" + file)) << file;
  QFile::setPermissions(game.folder + "/blivoturnix", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  const QString config = root.filePath("config");
  QDir().mkpath(config + "/BlivoGames/BlivoTurnix");
  QFile settings(config + "/BlivoGames/BlivoTurnix/V1.ini");
  EXPECT_TRUE(settings.open(QIODevice::WriteOnly));
  settings.write("[common]\ntongue=0\nmusic=0\n");
  settings.close();

  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("LC_ALL", locale);
  env.insert("LANG", locale);
  env.insert("XDG_CONFIG_HOME", config);
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("SDL_AUDIODRIVER", "dummy");
  env.insert("BLIVO_EXIT_AFTER_FIRST_PAINT", "1");
  process.setProcessEnvironment(env);
  process.start(game.folder + "/blivoturnix", {"-style", "fusion", "-debug", "a b"});
  EXPECT_TRUE(process.waitForFinished(30000)) << "the game ends at its first painted board";
  QFile log(game.folder + "/HHDebug.txt");
  if (log.open(QIODevice::ReadOnly)) game.header = QString::fromUtf8(log.readAll()).split('\n');
  return game;
}

QString HeaderValue(const QStringList& header, const QString& name) {
  for (const QString& line : header)
    if (line.startsWith(name)) return line.section('\t', 1);
  return "(no line " + name + ")";
}

TEST(HelpLog, TheHeaderSpeaksTheSystemsLocaleAndTheCommandLineAsReceived) {
  struct Case {
    const char* locale;
    const char* date;  // a pattern
    const char* id;
    const char* primary;
    const char* sub;
  } cases[] = {
      {"de_DE.UTF-8", R"(^\d\d\.\d\d\.\d\d \d\d:\d\d:\d\d$)", "0x0407 (1031)", "0x0007 (7)", "0x0001 (1)"},
      {"en_US.UTF-8", R"(^\d{1,2}/\d{1,2}/\d\d \d{1,2}:\d\d:\d\d [AP]M$)", "0x0409 (1033)", "0x0009 (9)", "0x0001 (1)"},
      {"C", ".", "0x0000 (0)", "0x0000 (0)", "0x0000 (0)"},
  };
  for (const Case& c : cases) {
    QTemporaryDir root;
    const StartedGame game = StartGameForItsLog(root, "game", c.locale);
    ASSERT_FALSE(game.header.isEmpty()) << c.locale << ": no log beside the program";
    EXPECT_TRUE(QRegularExpression(c.date).match(HeaderValue(game.header, "Date:")).hasMatch())
        << c.locale << ": " << HeaderValue(game.header, "Date:").toStdString();
    EXPECT_EQ(HeaderValue(game.header, "SysLocale.DefaultLCID:"), c.id) << c.locale;
    EXPECT_EQ(HeaderValue(game.header, "SysLocale.PriLangID:"), c.primary) << c.locale;
    EXPECT_EQ(HeaderValue(game.header, "SysLocale.SubLangID:"), c.sub) << c.locale;
    EXPECT_EQ(HeaderValue(game.header, "Cmdline Param(s) ="), "-style | fusion | -debug | a b") << c.locale;
    EXPECT_EQ(HeaderValue(game.header, "Actual CmdLine ="), game.folder + "/blivoturnix -style fusion -debug \"a b\"")
        << c.locale;
  }
}

// A folder path longer than the system once held: the game still finds its
// marker file and writes its log beside itself; only the header cuts the name.
TEST(HelpLog, AGameFolderOfAnyLengthIsFoundWhole) {
  QTemporaryDir root;
  const QString deep = QString("a-folder-with-a-long-name-").repeated(6) + "/" + QString("b").repeated(150);
  QDir().mkpath(root.filePath(deep));
  QFile marker(root.filePath(deep) + "/debug.debug");
  ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
  marker.close();
  // With the marker and no switch: debug mode comes from the file beside the program.
  const StartedGame game = StartGameForItsLog(root, deep, "C");
  ASSERT_GT(game.folder.size() + 12, 300);
  ASSERT_FALSE(game.header.isEmpty()) << "the log lies beside the program";
  EXPECT_EQ(HeaderValue(game.header, "_ModuleDir ="), game.folder);
  EXPECT_EQ(HeaderValue(game.header, "_ModulePath ="), (game.folder + "/blivoturnix").left(300));
  EXPECT_FALSE(QFile::exists(QFileInfo(game.folder).dir().filePath("HHDebug.txt"))) << "not a folder up";
}

}  // namespace
}  // namespace blivo
