// The real main window on the offscreen platform, driven as a player would.
#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QFile>
#include <QApplication>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "app/main_form.h"
#include "app/tool_bar.h"
#include "state/program_state.h"
#include "help/hh.h"
#include "platform/embedded_assets.h"
#include "puzzle_fixture.h"
#include "puzzles/gripple.h"
#include "puzzles/hexagon.h"
#include "puzzles/wedding.h"

namespace blivo {
namespace {

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    dialogs.newGame = [this] { asked.push_back("newGame:" + Timer()); return newGameAnswer; };
    dialogs.endGame = [this] { asked.push_back("endGame:" + Timer()); return endGameAnswer; };
    dialogs.done = [this] { asked.push_back("done"); };
    dialogs.pause = [this] { asked.push_back("pause:" + Timer()); };
    dialogs.highscore = [this](std::int32_t t) { asked.push_back("highscore " + ScoreListKey + " " + std::to_string(t)); };
    dialogs.tongue = [this] { asked.push_back("tongue:" + Timer()); };
    dialogs.info = [this] { asked.push_back("info:" + Timer()); };
    dialogs.splash = [this] { asked.push_back("splash"); };
    dialogs.errorBox = [this](const std::string& text) { errors.push_back(text); };
  }

  std::string Timer() const { return form && form->timerEnabled() ? "timer on" : "timer off"; }

  std::string SettingsFile() const { return config.filePath("BlivoGames/BlivoTurnix/V1.ini").toStdString(); }

  // "section/key", as the settings file groups them.
  static std::pair<std::string, std::string> Split(const char* path) {
    const std::string p = path;
    return {p.substr(0, p.find('/')), p.substr(p.find('/') + 1)};
  }

  void Store(const char* key, const QString& value) {
    SettingsStore s(SettingsFile());
    const auto [section, name] = Split(key);
    s.writeText(section, name, value.toStdString());
    ASSERT_TRUE(s.flush());
  }

  QString Stored(const char* key) const {
    const SettingsStore s(SettingsFile());
    const auto [section, name] = Split(key);
    return QString::fromStdString(s.readText(section, name, ""));
  }

  // A program folder holding only the named files of the real game folder.
  std::string Folder(std::initializer_list<const char*> files) {
    for (const char* f : files) QFile::copy(QString::fromStdString(testing::GameFile(f)), programs.filePath(f));
    return programs.path().toStdString() + "/";
  }

  void Start(std::string folder = BLIVO_GAME_DIR) {
    form = std::make_unique<TMainForm>(TMainForm::Options{folder, dialogs});
  }

  QWidget* Box() const { return form->findChild<QWidget*>("box"); }
  void Click(Qt::MouseButton b, int x, int y) { QTest::mouseClick(Box(), b, {}, QPoint(x, y)); }

  QTemporaryDir config;
  QTemporaryDir programs;
  Dialogs dialogs;
  int newGameAnswer = kModalOk;
  int endGameAnswer = kModalOk;
  std::vector<std::string> asked;
  std::vector<std::string> errors;
  std::unique_ptr<TMainForm> form;
};

TEST_F(MainWindow, FirstStartWithAnEmptyStore) {
  Start();
  ASSERT_TRUE(form->created());
  EXPECT_EQ(form->windowTitle(), "Blivo Turnix V1.6");
  EXPECT_EQ(form->size(), QSize(500, 366));
  EXPECT_EQ(PuzzleMode, Gripple);
  EXPECT_EQ(GameState[Gripple], Ready);
  EXPECT_EQ(GameState[Hexagon], Untouched);
  EXPECT_EQ(GameState[Oktopus], Untouched);
  EXPECT_EQ(GameState[Wedding], Untouched);
  EXPECT_EQ(HexagonVariant, 1);
  EXPECT_EQ(WeddingVariant, 1);
  EXPECT_TRUE(form->button("soundbtn")->isChecked());
  EXPECT_TRUE(form->button("MidiBtn")->isChecked());
  EXPECT_TRUE(form->button("GrippleBtn")->isChecked());
  EXPECT_FALSE(form->button("OptionBtn")->isEnabled());
  EXPECT_EQ(form->button("MixBtn")->toolTip(), "I start again.");
  EXPECT_EQ(form->button("TongueBtn")->toolTip(), "Ich spreche nicht englisch.");
  EXPECT_EQ(form->timeLabel()->accessibleName(), "Time:");
  EXPECT_EQ(form->timeLabel()->pixmap().toImage(), GlyphPixmap("time-en", 1).toImage());
  EXPECT_EQ(form->rulesShape(), QRect(300, 278, 183, 74));
  EXPECT_TRUE(form->timerEnabled());

  form->FormActivate();
  form->FormActivate();
  EXPECT_EQ(asked, (std::vector<std::string>{"splash", "tongue:timer on"})) << "once, and the language while none is chosen";
}

// The tool bar as laid out: buttons in a row left to right in their designed
// order, inside the bar, side by side (neighbours share at most an edge
// pixel), the clock between the puzzles and the language button.
TEST_F(MainWindow, ToolBarButtonsStandInARowInsideTheBar) {
  Start();
  const QRect bar(0, 0, 500, 33);
  const QRect clock = form->findChild<QWidget*>("timbox")->geometry();
  const char* order[] = {"MixBtn",     "OptionBtn",  "PauseBtn",   "soundbtn",  "MidiBtn",
                         "HighScoreBtn", "ExitBtn",  "GrippleBtn", "HexagonBtn", "OktopusBtn",
                         "WeddingBtn", "TongueBtn",  "HelpBtn",    "InfoBtn",   "BlivoBtn"};
  ASSERT_EQ(std::size(order), kToolButtons.size());
  QRect previous;
  for (std::size_t i = 0; i < kToolButtons.size(); ++i) {
    QToolButton* b = form->button(order[i]);
    ASSERT_TRUE(b) << order[i];
    EXPECT_EQ(b->geometry(), kToolButtons[i].place) << order[i] << " is built where the table puts it";
    EXPECT_TRUE(bar.contains(b->geometry())) << order[i];
    EXPECT_EQ(b->height(), 25) << order[i];
    if (i > 0) {
      EXPECT_GT(b->x(), previous.x()) << order[i] << " stands right of " << order[i - 1];
      EXPECT_LE(previous.intersected(b->geometry()).width(), 1) << order[i] << " and " << order[i - 1];
    }
    EXPECT_FALSE(b->geometry().intersects(clock)) << order[i];
    EXPECT_FALSE(b->icon().isNull()) << order[i] << " has its glyph";
    EXPECT_FALSE(b->toolTip().isEmpty()) << order[i];
    previous = b->geometry();
  }
  EXPECT_LT(form->button("WeddingBtn")->geometry().right(), clock.left());
  EXPECT_GT(form->button("TongueBtn")->geometry().left(), clock.right());
  EXPECT_EQ(form->button("WeddingBtn")->y(), form->button("OktopusBtn")->y() - 2) << "Wedding stands two pixels higher";
  EXPECT_EQ(Box()->geometry(), QRect(0, 33, 500, 333));
}

// A screen reader reads each tool-bar button by its hint, in the chosen language.
TEST_F(MainWindow, ToolBarButtonsAreNamedByTheirHintsInTheLanguage) {
  Start();
  for (int language : {0, 1}) {
    Language = language;
    form->ApplyLanguage();
    for (const ToolButtonEntry& entry : kToolButtons) {
      QToolButton* b = form->button(entry.name);
      EXPECT_FALSE(b->toolTip().isEmpty()) << entry.name;
      EXPECT_EQ(b->accessibleName(), b->toolTip()) << entry.name;
      EXPECT_EQ(b->accessibleDescription(), b->toolTip()) << entry.name;
    }
  }
  EXPECT_EQ(form->button("TongueBtn")->accessibleName(), "I don't speak german.");
  form->button("soundbtn")->click();
  EXPECT_EQ(form->button("soundbtn")->accessibleName(), form->button("soundbtn")->toolTip()) << "follows the switch";
}

TEST_F(MainWindow, TurnsStartTheClockAndOnlyTheRunningPuzzleCounts) {
  Start();
  form->show();
  Click(Qt::LeftButton, 50, 50);  // no plate there
  EXPECT_EQ(GameState[Gripple], Ready);
  Click(Qt::MiddleButton, 165, 165);
  EXPECT_EQ(GameState[Gripple], Ready);
  form->TimerTimer();
  EXPECT_EQ(PlayTime[Gripple], 0);

  // A board whose middle plate holds four colours, so the turn shows.
  GrippleBoard = {{{1, 2, 3, 4}, {2, 3, 4, 1}, {3, 4, 1, 2}, {4, 1, 2, 3}}};
  const GrippleGrid board = GrippleBoard;
  Click(Qt::LeftButton, 165, 165);
  EXPECT_EQ(GameState[Gripple], Running);
  EXPECT_NE(GrippleBoard, board);
  for (int i = 0; i < 3; ++i) form->TimerTimer();
  EXPECT_EQ(PlayTime[Gripple], 3);
  // The clock shows the counter: its last cell is the digit 3.
  const Bitmap strip = EmbeddedBitmap("digits");
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 11; ++x) ASSERT_EQ(form->clockBitmap().pixel(65 + x, y), strip.pixel(33 + x, y));

  Click(Qt::RightButton, 165, 165);
  EXPECT_EQ(GrippleBoard, board);
}

// Counts the paints a widget gets while something runs.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    paints += e->type() == QEvent::Paint;
    return false;
  }
};

TEST_F(MainWindow, EveryFrameOfAMoveReachesTheScreenAtOnce) {
  Start();
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  QCoreApplication::processEvents();
  PaintCounter counter;
  Box()->installEventFilter(&counter);
  Click(Qt::LeftButton, 105, 105);
  // Five turning frames and the rest frame, painted before the click returns:
  // the event loop never ran in between.
  EXPECT_GE(counter.paints, 6);
  Box()->removeEventFilter(&counter);
}

TEST_F(MainWindow, TheRulesShowAsTheTipOfTheirRectangle) {
  Start();
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  QHelpEvent inside(QEvent::ToolTip, QPoint(310, 250), Box()->mapToGlobal(QPoint(310, 250)));
  QCoreApplication::sendEvent(Box(), &inside);
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), "Rotate the black GRIPPLE-plates.\nTry to build the pattern shown right.");
  QToolTip::hideText();
  EXPECT_EQ(form->rulesHint(), "Rotate the black GRIPPLE-plates.\rTry to build the pattern shown right.");
  form->SelectPuzzle(Wedding);
  EXPECT_EQ(form->rulesShape(), QRect(335, 321, 152, 36));
  EXPECT_TRUE(form->rulesHint().startsWith("Roll the balls in the WEDDING-rings."));
}

TEST_F(MainWindow, MixAsksOnlyDuringARunningGameAndResetsTheClock) {
  Start();
  form->MixBtnClick();
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(GameState[Gripple], Ready);

  GameState[Gripple] = Running;
  PlayTime[Gripple] = 42;
  newGameAnswer = kModalCancel;
  const GrippleGrid target = GrippleTarget;
  form->MixBtnClick();
  EXPECT_EQ(asked, std::vector<std::string>{"newGame:timer off"});
  EXPECT_EQ(GameState[Gripple], Running);
  EXPECT_EQ(PlayTime[Gripple], 42);
  EXPECT_EQ(GrippleTarget, target);
  EXPECT_TRUE(form->timerEnabled());

  newGameAnswer = kModalOk;
  form->MixBtnClick();
  EXPECT_EQ(GameState[Gripple], Ready);
  EXPECT_EQ(PlayTime[Gripple], 0);
  EXPECT_TRUE(form->timerEnabled());

  GameState[Gripple] = Solved;
  PlayTime[Gripple] = 9;
  asked.clear();
  form->MixBtnClick();
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(GameState[Gripple], Ready);
  EXPECT_EQ(PlayTime[Gripple], 0);
}

TEST_F(MainWindow, SwitchingPuzzlesKeepsEachPuzzlesStateAndTime) {
  Start();
  form->show();
  GameState[Gripple] = Running;
  PlayTime[Gripple] = 17;
  const GrippleGrid board = GrippleBoard;

  form->button("HexagonBtn")->click();
  EXPECT_EQ(PuzzleMode, Hexagon);
  EXPECT_EQ(GameState[Hexagon], Ready);
  EXPECT_TRUE(form->button("OptionBtn")->isEnabled());
  EXPECT_EQ(form->rulesShape(), QRect(415, 43, 70, 310));
  const auto hexagon = HexagonBoard;
  form->TimerTimer();
  EXPECT_EQ(PlayTime[Gripple], 17) << "a puzzle that is not current does not count";

  form->button("GrippleBtn")->click();
  EXPECT_EQ(PuzzleMode, Gripple);
  EXPECT_EQ(GameState[Gripple], Running);
  EXPECT_EQ(GrippleBoard, board);
  form->TimerTimer();
  EXPECT_EQ(PlayTime[Gripple], 18);

  form->SelectPuzzle(Hexagon);
  EXPECT_EQ(HexagonBoard, hexagon) << "set up once, then resumed";
  form->SelectPuzzle(Hexagon);
  EXPECT_EQ(PuzzleMode, Hexagon);
}

TEST_F(MainWindow, TheOptionButtonsDiagonalChoosesTheDirection) {
  Store("common/mode", "1");
  Start();
  ASSERT_EQ(PuzzleMode, Hexagon);
  QToolButton* option = form->button("OptionBtn");
  ASSERT_TRUE(option->isEnabled());
  struct Case {
    QPoint at;
    int variant;
  } cases[] = {{{20, 5}, 2}, {{24, 0}, 3}, {{20, 5}, 3}, {{5, 20}, 2}, {{12, 12}, 1}, {{3, 20}, 1}};
  for (const Case& c : cases) {
    PlayTime[Hexagon] = 5;
    QTest::mousePress(option, Qt::LeftButton, {}, c.at);
    QTest::mouseRelease(option, Qt::LeftButton, {}, c.at);
    EXPECT_EQ(HexagonVariant, c.variant) << c.at.x() << "," << c.at.y();
    EXPECT_EQ(PlayTime[Hexagon], 0);
  }
  // At the end of the range a running game keeps running with its clock at zero.
  GameState[Hexagon] = Running;
  const auto board = HexagonBoard;
  form->OptionBtnMouseDown(3, 20);
  EXPECT_EQ(GameState[Hexagon], Running);
  EXPECT_EQ(HexagonBoard, board);
  EXPECT_EQ(asked, std::vector<std::string>{"newGame:timer off"});
}

TEST_F(MainWindow, WeddingShowsTheTargetOfItsVariantAlsoAfterASwitch) {
  Start();
  form->SelectPuzzle(Wedding);
  form->OptionBtnMouseDown(20, 3);
  form->OptionBtnMouseDown(20, 3);
  ASSERT_EQ(WeddingVariant, 3);
  form->SelectPuzzle(Gripple);
  form->SelectPuzzle(Wedding);
  for (int y = 0; y < 45; ++y)
    for (int x = 0; x < 72; ++x)
      ASSERT_EQ(BackgroundBitmap.pixel(420 + x, 8 + y), BackgroundBitmap.pixel(500 + x, 90 + y)) << x << "," << y;
  form->show();
  EXPECT_TRUE(form->close());
  EXPECT_EQ(Stored("common/wmode"), "3");
}

TEST_F(MainWindow, TheSolvedSequenceOffersTheTimeInTheRightList) {
  Store("common/mode", "3");
  Store("common/wmode", "4");
  Start();
  form->HighScoreBtnClick();
  EXPECT_EQ(asked.back(), "highscore wedd4 0");
  form->SelectPuzzle(Gripple);
  GrippleBoard = GrippleTarget;
  GrippleTurnRight(5);
  GameState[Gripple] = Running;
  PlayTime[Gripple] = 420;
  asked.clear();
  Click(Qt::LeftButton, 225, 225);
  EXPECT_EQ(GameState[Gripple], Solved);
  EXPECT_EQ(asked, (std::vector<std::string>{"done", "highscore grip 420"}));
  form->TimerTimer();
  EXPECT_EQ(PlayTime[Gripple], 420) << "a solved puzzle's clock stands";
  asked.clear();
  Click(Qt::LeftButton, 225, 225);
  Click(Qt::RightButton, 225, 225);
  EXPECT_TRUE(asked.empty()) << "no second offer until mixed again";
}

// Every puzzle and variant keeps its own list: a solve opens the list named by
// the puzzle and, for Hexagon and Wedding, the variant it was solved in.
TEST_F(MainWindow, ASolveOpensTheListOfItsPuzzleAndVariant) {
  Start();
  struct Case {
    int mode, variant;
    const char* list;
  } cases[] = {{Gripple, 1, "grip"},  {Hexagon, 1, "hexa1"}, {Hexagon, 2, "hexa2"}, {Hexagon, 3, "hexa3"},
               {Oktopus, 1, "okto"},  {Wedding, 1, "wedd1"}, {Wedding, 2, "wedd2"}, {Wedding, 3, "wedd3"},
               {Wedding, 4, "wedd4"}};
  for (const Case& c : cases) {
    form->SelectPuzzle(c.mode);
    if (c.mode == Hexagon) HexagonVariant = c.variant;
    if (c.mode == Wedding) WeddingVariant = c.variant;
    GameState[c.mode] = Running;
    PlayTime[c.mode] = 42;
    asked.clear();
    form->puzzleSolved();
    EXPECT_EQ(asked, (std::vector<std::string>{"done", std::string("highscore ") + c.list + " 42"})) << c.list;
  }
}

// The solve plays the solved sound, which cuts off the turn's own; with the
// sound switched off it is silent.
TEST_F(MainWindow, ASolvePlaysTheSolvedSoundOnlyWithTheSoundOn) {
  Start();
  form->TimerTimer();  // the sound output is open
  ASSERT_EQ(form->soundsLoaded(), 5);
  GrippleBoard = GrippleTarget;
  GrippleTurnRight(5);
  GameState[Gripple] = Running;
  Click(Qt::LeftButton, 225, 225);
  ASSERT_EQ(GameState[Gripple], Solved);
  EXPECT_EQ(form->soundPlaying(), 1) << "the solved sound, after the turn's sound 4";

  // A turn sounds 4; then, with the sound off, a solve starts nothing.
  GrippleBoard = {{{1, 2, 3, 4}, {2, 3, 4, 1}, {3, 4, 1, 2}, {4, 1, 2, 3}}};
  Click(Qt::LeftButton, 225, 225);
  ASSERT_EQ(form->soundPlaying(), 4);
  form->button("soundbtn")->click();
  GameState[Gripple] = Running;
  form->puzzleSolved();
  EXPECT_EQ(GameState[Gripple], Solved);
  EXPECT_EQ(form->soundPlaying(), 4) << "the turn's sound plays on; no solved sound started";
}

TEST_F(MainWindow, DialogsStopTheClockExceptTheLanguageChoice) {
  Start();
  // The help button asks the program's help system, which the main window set up.
  const HelpHandler windows = ApplicationHelpHandler();
  ASSERT_TRUE(windows);
  SetApplicationHelpHandler([this](int command, std::intptr_t data, bool&) {
    asked.push_back("help " + std::to_string(command) + "/" + std::to_string(data) + ":" + Timer());
    return true;
  });
  form->cClick();
  EXPECT_TRUE(asked.empty()) << "pause only while running";
  GameState[Gripple] = Running;
  form->cClick();
  form->InfoBtnClick();
  form->HelpBtnClick();
  form->TongueBtnClick();
  Language = 1;
  form->HelpBtnClick();
  EXPECT_EQ(asked, (std::vector<std::string>{"pause:timer off", "info:timer off", "help 1/2:timer off",
                                             "tongue:timer on", "help 1/1:timer off"}));
  SetApplicationHelpHandler(windows);
  EXPECT_TRUE(form->timerEnabled());
  form->ApplyLanguage();
  EXPECT_EQ(form->timeLabel()->accessibleName(), "Zeit:");
  EXPECT_EQ(form->timeLabel()->pixmap().toImage(), GlyphPixmap("time-de", 1).toImage());
  EXPECT_EQ(form->button("TongueBtn")->toolTip(), "I don't speak german.");
}

TEST_F(MainWindow, SoundAndMusicHintsFollowTheButtons) {
  Start();
  form->button("soundbtn")->click();
  EXPECT_FALSE(form->button("soundbtn")->isChecked());
  EXPECT_EQ(form->button("soundbtn")->toolTip(), "Without sound ist is boring.");
  form->button("soundbtn")->click();
  EXPECT_EQ(form->button("soundbtn")->toolTip(), "I like it without sound-effects.");
}

TEST_F(MainWindow, ClosingWritesTheSettingsOnlyWithConsent) {
  Start();
  form->show();
  form->SelectPuzzle(Oktopus);
  form->button("soundbtn")->click();
  endGameAnswer = kModalCancel;
  EXPECT_FALSE(form->close());
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(form->timerEnabled());
  EXPECT_FALSE(QFile::exists(QString::fromStdString(SettingsFile())));

  endGameAnswer = kModalOk;
  EXPECT_TRUE(form->close());
  EXPECT_EQ(Stored("common/mode"), "2");
  EXPECT_EQ(Stored("common/hmode"), "1");
  EXPECT_EQ(Stored("common/wmode"), "1");
  EXPECT_EQ(Stored("common/sound"), "0");
  EXPECT_EQ(Stored("common/music"), "1");
  EXPECT_EQ(Stored("common/tongue"), "-1");
  form.reset();
  EXPECT_TRUE(Stored("common/MainForm").startsWith("200,0,1,"));

  Start();
  EXPECT_EQ(PuzzleMode, Oktopus);
  EXPECT_EQ(GameState[Oktopus], Ready);
  EXPECT_EQ(GameState[Gripple], Untouched);
  EXPECT_FALSE(form->button("soundbtn")->isChecked());
}

TEST_F(MainWindow, APictureCutInHalfEndsTheStartAsAMissingOneDoes) {
  const std::string folder = Folder({"b2.bmp", "digits.bmp", "dialog.bmp"});
  QFile whole(QString::fromStdString(testing::GameFile("b1.bmp")));
  ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
  const QByteArray bytes = whole.readAll();
  QFile cut(programs.filePath("b1.bmp"));
  ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
  cut.write(bytes.left(bytes.size() / 2));
  cut.close();
  ::testing::internal::CaptureStderr();
  Start(folder);
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_FALSE(form->created());
  EXPECT_EQ(errors, std::vector<std::string>{"Not enough memory! Program aborted."});
  EXPECT_NE(said.find(programs.filePath("b1.bmp").toStdString() + ": it is cut short"), std::string::npos) << said;
  form.reset();
  EXPECT_EQ(Stored("common/mode"), "");
}

TEST_F(MainWindow, AMissingPictureEndsTheStartWithTheMessageAndWritesNothing) {
  Store("common/tongue", "1");
  Start(Folder({"b2.bmp"}));
  EXPECT_FALSE(form->created());
  EXPECT_EQ(errors, std::vector<std::string>{"Zuwenig Speicher! Programm wird beendet."});
  form.reset();
  EXPECT_EQ(Stored("common/mode"), "");
  EXPECT_EQ(Stored("common/MainForm"), "");
}

TEST_F(MainWindow, APictureTooSmallCountsAsMissing) {
  QImage small(500, 333, QImage::Format_RGB32);
  small.fill(Qt::black);
  small.save(programs.filePath("b1.bmp"));
  Start(programs.path().toStdString());
  EXPECT_FALSE(form->created());
  EXPECT_EQ(errors, std::vector<std::string>{"Not enough memory! Program aborted."});
}

TEST_F(MainWindow, APictureThatFailsWhenSwitchingKeepsThePuzzleItHad) {
  Start(Folder({"b1.bmp"}));
  ASSERT_TRUE(form->created());
  form->button("HexagonBtn")->click();
  EXPECT_EQ(PuzzleMode, Gripple);
  EXPECT_TRUE(form->button("GrippleBtn")->isChecked());
  EXPECT_FALSE(form->button("HexagonBtn")->isChecked());
  EXPECT_EQ(GameState[Hexagon], Untouched);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("b2.bmp"), std::string::npos);
  EXPECT_EQ(BackgroundBitmap.width(), 500) << "the Gripple picture is still there";
  Click(Qt::LeftButton, 105, 105);
  EXPECT_EQ(GameState[Gripple], Running);
}

TEST_F(MainWindow, NoMusicFileDisablesTheMusicButtonAndKeepsItsSetting) {
  Store("common/music", "0");
  Start(Folder({"b1.bmp"}));
  EXPECT_FALSE(form->button("MidiBtn")->isEnabled());
  EXPECT_FALSE(form->button("MidiBtn")->isChecked());
  form->show();
  EXPECT_TRUE(form->close());
  EXPECT_EQ(Stored("common/music"), "0");
}

TEST_F(MainWindow, MusicFilesAreFoundAndTakenInTurn) {
  for (const char* name : {"a.mid", "b.mid", "notes.txt"}) {
    QFile f(programs.filePath(name));
    f.open(QIODevice::WriteOnly);
  }
  Start(Folder({"b1.bmp"}));
  EXPECT_TRUE(form->button("MidiBtn")->isEnabled());
  ASSERT_EQ(form->music().files().size(), 2u);
  EXPECT_EQ(form->music().current(), 0u);
  form->button("MidiBtn")->click();  // off
  EXPECT_EQ(form->music().current(), 0u);
  form->button("MidiBtn")->click();  // on: the next file
  EXPECT_EQ(form->music().current(), 1u);
  form->button("MidiBtn")->click();
  form->button("MidiBtn")->click();
  EXPECT_EQ(form->music().current(), 0u) << "after the last file the first again";
}

// Beside the program lie only the board pictures, the tunes, the help file and
// its viewer; everything else the game shows or plays is built into it.
TEST_F(MainWindow, TheGameRunsAndSoundsWithOnlyItsOwnFilesBesideIt) {
  const QStringList beside = QDir(BLIVO_GAME_DIR).entryList(QDir::Files);
  for (const QString& file : beside)
    EXPECT_TRUE(QRegularExpression(R"(^(b[1-4]\.bmp|.*\.mid|tnix\.chm|blivoturnix|blivoturnix-help)$)").match(file).hasMatch())
        << file.toStdString() << " lies beside the program";
  Start(Folder({"b1.bmp", "turnix1.mid", "tnix.chm"}));
  ASSERT_TRUE(form->created());
  form->TimerTimer();
  EXPECT_EQ(form->soundsLoaded(), 5);
  EXPECT_EQ(form->music().files().size(), 1u);
  for (const ToolButtonEntry& entry : kToolButtons) EXPECT_FALSE(form->button(entry.name)->icon().isNull()) << entry.name;
  EXPECT_FALSE(form->timeLabel()->pixmap().isNull());
  EXPECT_FALSE(form->dialogBackground().isNull());
  // The clock's last cell shows the digit 0 of the built-in strip.
  form->timboxPaint();
  const Bitmap strip = EmbeddedBitmap("digits");
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 11; ++x) ASSERT_EQ(form->clockBitmap().pixel(65 + x, y), strip.pixel(x, y));
}

// With the music off the synthesizer's sound font is never read: no tune is opened.
TEST_F(MainWindow, MusicOffOpensNoTune) {
  Store("common/music", "0");
  Start();
  ASSERT_TRUE(form->button("MidiBtn")->isEnabled());
  for (int i = 0; i < 3; ++i) form->TimerTimer();
  EXPECT_FALSE(form->music().opened());
  form->button("MidiBtn")->click();
  EXPECT_TRUE(form->music().opened()) << "switching the music on opens the next tune";
}

TEST_F(MainWindow, TheGamesOwnTunesPlayFromTheFirstTickAndPauseWhenSwitchedOff) {
  Start();
  ASSERT_GE(form->music().files().size(), 3u);
  EXPECT_FALSE(form->music().playing()) << "not started at start-up";
  EXPECT_FALSE(form->music().opened()) << "nor opened before it plays";
  form->TimerTimer();
  EXPECT_EQ(form->soundsLoaded(), 5) << "the sounds are there by the first tick";
  EXPECT_TRUE(form->music().playing());
  form->button("MidiBtn")->click();
  EXPECT_FALSE(form->music().playing());
  EXPECT_EQ(form->button("MidiBtn")->toolTip(), "Ich like the music.");
  form->TimerTimer();
  EXPECT_FALSE(form->music().playing()) << "the upkeep leaves switched-off music alone";
  form->button("MidiBtn")->click();
  EXPECT_TRUE(form->music().playing());
  EXPECT_EQ(form->music().current(), 1u);
}

TEST_F(MainWindow, AStoredPlaceIsUsedOnlyWhereItCanBeSeen) {
  Store("common/MainForm", "200,0,1,40,50,540,416");
  Start();
  form->show();
  EXPECT_EQ(form->frameGeometry().topLeft(), QPoint(40, 50));
  form.reset();

  Store("common/MainForm", "200,0,1,30000,-9000,30500,-8600");
  Start();
  form->show();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_TRUE(screen.contains(form->frameGeometry().topLeft())) << "placed where it can be seen";
}

}  // namespace
}  // namespace blivo
