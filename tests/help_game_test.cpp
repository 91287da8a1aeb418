// The help viewer as a program of its own beside the game: started on the
// first request, asked again for every later one, gone when the game ends,
// and whatever it meets in a help file stays in its process.
#include <gtest/gtest.h>
#include <signal.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cerrno>
#include <functional>

#include "app/main_form.h"
#include "state/program_state.h"
#include "chm_fixture.h"
#include "help/help_process.h"
#include "help/hh.h"
#include "puzzle_fixture.h"
#include "puzzles/gripple.h"

namespace blivo {
namespace {

using testing::ChmBytes;

const QString kHelpFile = QString::fromStdString(testing::GameFile("tnix.chm"));
const QString kViewer = QString::fromStdString(testing::GameFile("blivoturnix-help"));
const QString kFixtures = QStringLiteral(BLIVO_TEST_SOURCE_DIR "/help_fixtures/");

// Gone, or only a zombie nobody has collected yet.
bool ProcessGone(qint64 pid) {
  if (::kill(static_cast<pid_t>(pid), 0) != 0) return errno == ESRCH;
  QFile stat(QString("/proc/%1/stat").arg(pid));
  if (!stat.open(QIODevice::ReadOnly)) return true;
  const QByteArray text = stat.readAll();
  return text.mid(text.lastIndexOf(')') + 2, 1) == "Z";
}

// How long a test waits for the viewer to do what it was asked.
constexpr int kPatience = 10000;

QStringList Lines(const QString& file) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
}

QString Script(QTemporaryDir& dir, const char* name, const char* text) {
  const QString path = dir.filePath(name);
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write(text);
  f.close();
  f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  return path;
}

class ViewerProcess : public ::testing::Test {
 protected:
  QStringList Reports(int count) {
    // The caller looks at what came, however many lines it is.
    static_cast<void>(QTest::qWaitFor([&] { return Lines(report).size() >= count; }, kPatience));
    return Lines(report);
  }
  QTemporaryDir dir;
  const QString report = dir.filePath("report.txt");
};

TEST_F(ViewerProcess, OneViewerAnswersEveryRequestAndClosesPromptly) {
  const QString damaged = dir.filePath("damaged.chm");
  {
    ChmBytes c(testing::ReadBytes(kHelpFile));
    c.Put(c.Stored(ChmBytes::kControlData) + 0x14, 4, 0);
    testing::WriteBytes(damaged, c.b);
  }
  HelpViewerProcess viewer(kViewer);
  viewer.setReportFile(report);
  ASSERT_TRUE(viewer.Show(kHelpFile.toStdString(), 2));
  const qint64 pid = viewer.processId();
  ASSERT_NE(pid, 0);
  EXPECT_EQ(Reports(1), QStringList{"page /en/index.html"});
  ASSERT_TRUE(viewer.Show(kHelpFile.toStdString(), 1));
  viewer.Raise();
  ASSERT_TRUE(viewer.Show(damaged.toStdString(), 2));
  ASSERT_TRUE(viewer.Show(kHelpFile.toStdString(), 2));
  const QStringList seen = Reports(4);
  ASSERT_EQ(seen.size(), 4);
  EXPECT_EQ(seen[1], "page /de/index.html");
  EXPECT_TRUE(seen[2].startsWith("problem " + damaged)) << seen[2].toStdString();
  EXPECT_EQ(seen[3], "page /en/index.html") << "a damaged file leaves the viewer going";
  EXPECT_EQ(viewer.processId(), pid) << "asked again, not started again";
  QElapsedTimer clock;
  clock.start();
  viewer.Close();
  EXPECT_LT(clock.elapsed(), HelpViewerProcess::kCloseGrace.count()) << "it closes when asked";
  EXPECT_FALSE(viewer.running());
  EXPECT_TRUE(ProcessGone(pid));
}

TEST_F(ViewerProcess, AViewerThatHangsIsEndedAfterItsGrace) {
  // Answers nothing and ignores the polite signals.
  HelpViewerProcess viewer(Script(dir, "hangs", "#!/bin/sh\ntrap '' TERM HUP INT\nexec sleep 600\n"));
  ASSERT_TRUE(viewer.Show(kHelpFile.toStdString(), 2));
  const qint64 pid = viewer.processId();
  ASSERT_NE(pid, 0);
  QElapsedTimer clock;
  clock.start();
  viewer.Close(std::chrono::milliseconds(300));
  EXPECT_LT(clock.elapsed(), 3000);
  EXPECT_TRUE(ProcessGone(pid));
}

TEST_F(ViewerProcess, AViewerThatCrashedIsStartedAgainOnTheNextRequest) {
  HelpViewerProcess viewer(Script(dir, "crashes", "#!/bin/sh\nkill -SEGV $$\n"));
  ASSERT_TRUE(viewer.Show(kHelpFile.toStdString(), 2));
  const qint64 first = viewer.processId();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !viewer.running(); }, kPatience));
  ASSERT_TRUE(viewer.Show(kHelpFile.toStdString(), 2)) << "the game may ask again";
  EXPECT_NE(viewer.processId(), first);
}

TEST_F(ViewerProcess, AViewerThatCannotBeStartedIsNotAsked) {
  HelpViewerProcess viewer(dir.filePath("no-such-viewer"));
  EXPECT_FALSE(viewer.Show(kHelpFile.toStdString(), 2));
  EXPECT_FALSE(viewer.running());
}

TEST_F(ViewerProcess, TheViewerGoesWhenItsGameGoes) {
  // The end of its requests: the game closed the pipe, or died.
  QProcess viewer;
  viewer.start(kViewer, {"--serve"});
  ASSERT_TRUE(viewer.waitForStarted());
  viewer.write(("show 2 " + kHelpFile + "\n").toUtf8());
  viewer.closeWriteChannel();
  EXPECT_TRUE(viewer.waitForFinished(10000));
  EXPECT_EQ(viewer.exitCode(), 0);

  // The game killed outright while the viewer's input stays open elsewhere.
  QProcess game;
  game.start("/bin/sh", {"-c", "sleep 30 | \"$1\" --serve & echo $!; wait", "sh", kViewer});
  ASSERT_TRUE(game.waitForReadyRead(10000));
  const qint64 pid = game.readLine().trimmed().toLongLong();
  ASSERT_GT(pid, 0);
  QTest::qWait(300);
  ASSERT_FALSE(ProcessGone(pid));
  game.kill();
  game.waitForFinished();
  EXPECT_TRUE(QTest::qWaitFor([&] { return ProcessGone(pid); }, 5000)) << "no viewer is left behind";
}

// The game's help button, with the real viewer beside the game.
class HelpInTheGame : public ::testing::Test {
 protected:
  void SetUp() override {
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    FirstActivation = false;
    Language = 0;
    SetHelpViewerReport(report.toStdString());
  }
  void TearDown() override {
    form.reset();
    UnloadHelpLibrary();
    SetHelpProgramFolder("");
    SetHelpViewerReport("");
  }

  void UseViewerIn(const std::string& folder) {
    UnloadHelpLibrary();
    SetHelpProgramFolder(folder);
    InitHelpControl();
    LoadHelpLibrary();
  }

  // A program folder with the game's own files and the help file given.
  std::string FolderWithHelp(const QByteArray& help) {
    for (const char* f : {"b1.bmp", "b2.bmp", "b3.bmp", "b4.bmp"})
      QFile::copy(QString::fromStdString(testing::GameFile(f)), programs.filePath(f));
    QFile::remove(programs.filePath("tnix.chm"));
    testing::WriteBytes(programs.filePath("tnix.chm"), help);
    return programs.path().toStdString() + "/";
  }

  void Start(const std::string& folder = BLIVO_GAME_DIR) {
    Dialogs dialogs = PlaceholderDialogs();
    dialogs.endGame = [] { return kModalOk; };
    form = std::make_unique<TMainForm>(TMainForm::Options{folder, dialogs});
    ASSERT_TRUE(form->created());
    form->show();
  }

  QTemporaryDir config, programs, dir;
  const QString report = dir.filePath("report.txt");
  std::unique_ptr<TMainForm> form;
};

TEST_F(HelpInTheGame, TheHelpButtonShowsTheTopicOfTheLanguageAndTheViewerEndsWithTheGame) {
  UseViewerIn(BLIVO_GAME_DIR);
  ASSERT_TRUE(_hhInstalled);
  Start();
  form->button("HelpBtn")->click();
  const qint64 pid = HelpViewerProcessId();
  ASSERT_NE(pid, 0);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Lines(report).size() >= 1; }, kPatience));
  Language = 1;
  form->HelpBtnClick();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Lines(report).size() >= 2; }, kPatience));
  EXPECT_EQ(Lines(report), (QStringList{"page /en/index.html", "page /de/index.html"}));
  EXPECT_EQ(HelpViewerProcessId(), pid);
  EXPECT_TRUE(form->timerEnabled());
  EXPECT_TRUE(form->close());
  EXPECT_EQ(HelpViewerProcessId(), 0);
  EXPECT_TRUE(ProcessGone(pid)) << "the help windows are gone when the game ends";
}

TEST_F(HelpInTheGame, ADamagedHelpFileLeavesTheGamePlaying) {
  UseViewerIn(BLIVO_GAME_DIR);
  std::vector<std::pair<std::string, QByteArray>> damaged;
  for (const QString& name : QDir(kFixtures).entryList({"fuzz_*.chm"}))
    damaged.emplace_back(name.toStdString(), testing::ReadBytes(kFixtures + name));
  {
    // Compressed data the decompressor chokes on, reached through a sound directory.
    ChmBytes c(testing::ReadBytes(kHelpFile));
    const qsizetype content = c.DataOffset() + static_cast<qsizetype>(c.Find("::DataSpace/Storage/MSCompressed/Content").start);
    for (qsizetype at = content + 16; at < content + 4000; at += 7) c.b[at] = static_cast<char>(c.b[at] ^ 0x5a);
    damaged.emplace_back("scrambled compressed data", c.b);
  }
  ASSERT_GE(damaged.size(), 3u);
  for (const auto& [what, bytes] : damaged) {
    SCOPED_TRACE(what);
    QFile::remove(report);
    Start(FolderWithHelp(bytes));
    form->button("HelpBtn")->click();
    // The viewer shows its "cannot be read" page, or shows what it could, or stops.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Lines(report).isEmpty() || HelpViewerProcessId() == 0; }, kPatience));
    // No two neighbours alike, so any quarter turn of a plate shows.
    GrippleBoard = {{{1, 2, 3, 4}, {2, 3, 4, 1}, {3, 4, 1, 2}, {4, 1, 2, 3}}};
    const GrippleGrid before = GrippleBoard;
    QTest::mouseClick(form->findChild<QWidget*>("box"), Qt::LeftButton, {}, QPoint(105, 105));
    EXPECT_EQ(GameState[Gripple], Running) << "the game goes on";
    EXPECT_NE(GrippleBoard, before) << "and the plate turned";
    const qint64 pid = HelpViewerProcessId();
    EXPECT_TRUE(form->close());
    form.reset();
    if (pid != 0) {
      EXPECT_TRUE(ProcessGone(pid));
    }
  }
}

TEST_F(HelpInTheGame, WithoutTheViewerTheHelpButtonSaysItIsNotInstalled) {
  QTemporaryDir empty;
  UseViewerIn(empty.path().toStdString());
  EXPECT_FALSE(_hhInstalled);
  Start();
  QString title, text;
  auto* watch = new QTimer;
  QObject::connect(watch, &QTimer::timeout, [&, watch] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(w);
      if (!box || !box->isVisible()) continue;
      watch->stop();
      watch->deleteLater();
      title = box->windowTitle();
      text = box->text();
      box->button(QMessageBox::Ok)->click();
      return;
    }
  });
  watch->start(5);
  form->button("HelpBtn")->click();
  EXPECT_EQ(text, "MS Html Help is not installed on this PC.");
  EXPECT_EQ(title, QApplication::applicationName());
  EXPECT_EQ(HelpViewerProcessId(), 0) << "nothing was started";
  EXPECT_TRUE(form->timerEnabled());
}

}  // namespace
}  // namespace blivo
