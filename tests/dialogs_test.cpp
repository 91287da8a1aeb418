// The dialogs on the offscreen platform: texts, answers and what they store.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <functional>
#include <string_view>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "platform/embedded_assets.h"
#include "state/program_state.h"
#include "dialogs/chiffre.h"
#include "dialogs/dialogs.h"
#include "dialogs/highscore_dialog.h"
#include "dialogs/info_dialog.h"
#include "dialogs/message_dialogs.h"
#include "dialogs/score_list.h"
#include "dialogs/splash.h"
#include "dialogs/tongue_dialog.h"
#include "platform/paths.h"
#include "modal.h"
#include "puzzle_fixture.h"

namespace blivo {
namespace {

using testing::WhenShown;

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    ProgramFolder = BLIVO_GAME_DIR;
    Language = -1;
    ScoreCipher.Setup("", 0);
    main.setGeometry(100, 100, 500, 366);
    main.show();
    background = EmbeddedPicture("dialog").convertToFormat(QImage::Format_RGB32);
  }

  QTemporaryDir config;
  QWidget main;
  QImage background;
};

TEST_F(DialogTest, MessageDialogsSpeakTheChosenLanguage) {
  TNewGameDlg newGame(&main, background);
  TEndGameDlg endGame(&main, background);
  TDoneDlg done(&main, background);
  TPauseDlg pause(&main, background);
  struct Case {
    TMessageDlg* dialog;
    int language;
    const char *message, *ok;
  } cases[] = {
      {&newGame, -1, "Do you really want to giveup the puzzle?", "Yes"},
      {&newGame, 1, "Willst Du das Rätsel wirklich aufgeben?", "Ja"},
      {&endGame, 0, "Do you really want to end the game?", "Yes"},
      {&endGame, 1, "Willst Du das Spiel wirklich beenden?", "Ja"},
      {&done, 1, "Hurra, geschafft!", "OK"},
      {&done, 0, "Hurrah, you did it!", "OK"},
      {&pause, 1, "Spiel angehalten!", "Fortsetzen"},
      {&pause, 7, "Game paused!", "Continue"},
  };
  for (const Case& c : cases) {
    Language = c.language;
    c.dialog->FormActivate();
    EXPECT_EQ(c.dialog->message()->text(), QString::fromUtf8(c.message));
    EXPECT_EQ(c.dialog->okButton()->text(), QString::fromUtf8(c.ok));
    if (c.dialog->cancelButton()) {
      EXPECT_EQ(c.dialog->cancelButton()->text(), c.language == 1 ? "Nein" : "No");
    }
  }
  EXPECT_EQ(newGame.size(), QSize(250, 125));
  EXPECT_TRUE(endGame.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(newGame.windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(DialogTest, EnterSaysYesEscapeSaysNoAndANoticeIgnoresEscape) {
  TNewGameDlg newGame(&main, background);
  WhenShown(newGame, [&] { QTest::keyClick(&newGame, Qt::Key_Escape); });
  EXPECT_EQ(newGame.exec(), kModalCancel);
  WhenShown(newGame, [&] { QTest::keyClick(newGame.focusWidget(), Qt::Key_Return); });
  EXPECT_EQ(newGame.exec(), kModalOk);

  TPauseDlg pause(&main, background);
  WhenShown(pause, [&] {
    QTest::keyClick(&pause, Qt::Key_Escape);
    EXPECT_TRUE(pause.isVisible()) << "Escape does not close the pause notice";
    pause.okButton()->click();
  });
  EXPECT_EQ(pause.exec(), kModalOk);
}

TEST_F(DialogTest, MessageDialogsShowTheLowerLeftOfTheMarbleCentredOnTheWindow) {
  TDoneDlg done(&main, background);
  WhenShown(done, [&] {
    const QImage shot = done.grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Rows 75 to 199 of the picture; away from the labels, buttons and outlines.
    for (const QPoint p : {QPoint(3, 70), QPoint(120, 60), QPoint(20, 120)})
      EXPECT_EQ(shot.pixel(p), background.pixel(p.x(), p.y() + 75)) << p.x() << "," << p.y();
    EXPECT_EQ(shot.pixel(0, 0), qRgb(0, 0, 0)) << "the outline";
    const QRect outer = main.frameGeometry();
    EXPECT_EQ(done.pos(), QPoint(outer.left() + (outer.width() - 250) / 2, outer.top() + (outer.height() - 125) / 2));
    done.okButton()->click();
  });
  done.exec();
}

TEST_F(DialogTest, TheLanguageChoiceSetsTheLanguageOrLeavesItUnchosen) {
  TTongueDlg tongue(&main);
  WhenShown(tongue, [&] { tongue.germanButton()->click(); });
  EXPECT_EQ(tongue.exec(), kModalOk);
  EXPECT_EQ(Language, 1);
  WhenShown(tongue, [&] { QTest::keyClick(tongue.focusWidget(), Qt::Key_Return); });
  tongue.exec();
  EXPECT_EQ(Language, 0) << "Enter presses the English button, which has the focus";
  Language = -1;
  WhenShown(tongue, [&] { tongue.reject(); });
  tongue.exec();
  EXPECT_EQ(Language, -1) << "closed without a choice";
  EXPECT_EQ(tongue.englishButton()->text(), "I speak english.");
  EXPECT_EQ(tongue.germanButton()->text(), "Ich spreche deutsch.");
}

TEST_F(DialogTest, TheSplashGoesAfterItsTimeOrAtAClick) {
  TSplash quick(&main, 40);
  QElapsedTimer clock;
  clock.start();
  quick.exec();
  EXPECT_TRUE(quick.timedOut());
  EXPECT_GE(clock.elapsed(), 30);

  TSplash slow(&main, 60000);
  WhenShown(slow, [&] { QTest::mouseClick(&slow, Qt::LeftButton, {}, QPoint(100, 75)); });
  slow.exec();
  EXPECT_FALSE(slow.timedOut());
}

// Showing a greeting lets the toolkit handle pending events before the
// dialog's own loop runs; a greeting whose time is up by then must still end
// that loop, not leave the game waiting on a hidden dialog.
TEST_F(DialogTest, ASplashWhoseTimeIsUpBeforeItsLoopRunsStillEnds) {
  const std::pair<const char*, std::function<void(TSplash&)>> cases[] = {
      {"time up before the showing", [](TSplash&) { QTest::qWait(20); }},
      {"time up while it is shown", [](TSplash&) {}},
      {"clicked while it is shown", [](TSplash& s) { QTimer::singleShot(0, &s, [&s] { s.Click(); }); }},
  };
  for (const auto& [what, before] : cases) {
    TSplash splash(&main, std::string_view(what).starts_with("clicked") ? 60000 : 0);
    before(splash);
    bool rescued = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
      rescued = true;
      splash.show();  // a hidden dialog's loop cannot be ended by hiding it again
      splash.done(QDialog::Rejected);
    });
    watchdog.start(3000);
    EXPECT_EQ(splash.exec(), QDialog::Accepted) << what;
    EXPECT_FALSE(rescued) << what << ": the greeting's loop did not end on its own";
    EXPECT_FALSE(splash.isVisible()) << what;
  }
}

// Escape belongs to dialogs with a cancel button; the greeting, the info page
// and the language question end only as they are meant to.
TEST_F(DialogTest, EscapeClosesNoDialogWithoutACancelButton) {
  TSplash splash(&main, 60000);
  TTongueDlg tongue(&main);
  TInfoDialog info(&main, {}, {});
  struct Case {
    QDialog* dialog;
    std::function<void()> end;
    int result;
  } cases[] = {
      {&splash, [&] { splash.Click(); }, QDialog::Accepted},
      {&tongue, [&] { tongue.englishButton()->click(); }, kModalOk},
      {&info, [&] { info.okButton()->click(); }, kModalOk},
  };
  for (Case& c : cases) {
    WhenShown(*c.dialog, [&] {
      QTest::keyClick(c.dialog, Qt::Key_Escape);
      QCoreApplication::processEvents();
      EXPECT_TRUE(c.dialog->isVisible()) << c.dialog->objectName().toStdString() << " stays after Escape";
      c.end();
    });
    EXPECT_EQ(c.dialog->exec(), c.result) << c.dialog->objectName().toStdString();
  }
  WhenShown(info, [&] { info.close(); });
  EXPECT_EQ(info.exec(), kModalCancel) << "the close box gives 2";
}

TEST_F(DialogTest, EveryDialogButtonTellsAScreenReaderWhatItIsAndDoes) {
  TNewGameDlg newGame(&main, background);
  SettingsStore store(SettingsFilePath());
  THighscoreDlg highscore(&main, background, store);
  TInfoDialog info(&main, {}, {});
  TTongueDlg tongue(&main);
  for (int language : {0, 1}) {
    Language = language;
    newGame.FormActivate();
    highscore.FormActivate();
    info.ApplyInfoLanguage();
    for (QDialog* d : std::initializer_list<QDialog*>{&newGame, &highscore, &info, &tongue})
      for (QPushButton* b : d->findChildren<QPushButton*>()) {
        EXPECT_EQ(b->accessibleName(), b->text()) << d->objectName().toStdString();
        EXPECT_FALSE(b->accessibleDescription().isEmpty()) << d->objectName().toStdString() << " " << b->text().toStdString();
      }
  }
  EXPECT_EQ(newGame.okButton()->accessibleDescription(), QString::fromUtf8("Das laufende Rätsel aufgeben"));
  EXPECT_EQ(info.tongueButton()->accessibleName(), "Sprache");
}

TEST_F(DialogTest, TheInfoDialogSwitchesLanguageWithoutClosing) {
  TTongueDlg tongue(&main);
  int mainRelabelled = 0;
  TInfoDialog info(&main, [&] { tongue.exec(); }, [&] { ++mainRelabelled; });
  info.FormActivate();
  EXPECT_EQ(info.windowTitle(), "Info about ...");
  EXPECT_EQ(info.tongueButton()->text(), "Tongue");
  WhenShown(tongue, [&] { tongue.germanButton()->click(); });
  info.TongBtnClick();
  EXPECT_EQ(info.windowTitle(), QString::fromUtf8("Info über ..."));
  EXPECT_EQ(info.tongueButton()->text(), "Sprache");
  EXPECT_EQ(mainRelabelled, 1);
}

TEST_F(DialogTest, ALinkTheSystemCannotOpenStopsBeingALink) {
  TInfoDialog info(&main, {}, {});
  QStringList opened;
  info.mailLink()->open = [&](const QString& t) { opened << t; return false; };
  info.siteLink()->open = [&](const QString& t) { opened << t; return true; };
  QTest::mouseClick(info.mailLink(), Qt::LeftButton);
  QTest::mouseClick(info.mailLink(), Qt::LeftButton);
  QTest::mouseClick(info.siteLink(), Qt::LeftButton);
  EXPECT_EQ(opened, (QStringList{"mailto:turnix@blivogames.example", "https://blivogames.example/"}));
  EXPECT_FALSE(info.mailLink()->isEnabled());
  EXPECT_TRUE(info.siteLink()->isEnabled());
}

class HighscoreTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    store = std::make_unique<SettingsStore>(SettingsFilePath());
  }
  ScoreList Stored(const std::string& key) {
    const SettingsStore store(SettingsFilePath());
    return LoadScoreList(store, ScoreCipher, key);
  }
  std::string Player() {
    const SettingsStore store(SettingsFilePath());
    return ReadPlayer(store);
  }
  // The main window's store, which the dialog shares.
  std::unique_ptr<SettingsStore> store;
};

TEST_F(HighscoreTest, AFirstTimeIsOfferedTheTopPlaceUnderTheRememberedName) {
  ScoreListKey = "grip";
  THighscoreDlg dialog(&main, background, *store);
  WhenShown(dialog, [&] {
    EXPECT_EQ(dialog.newPlace(), 0);
    EXPECT_TRUE(dialog.nameEditor()->isVisible());
    EXPECT_EQ(dialog.nameEditor()->text(), "Mr. Brain");
    EXPECT_EQ(dialog.nameEditor()->geometry(), QRect(60, 20, 140, 15));
    EXPECT_EQ(dialog.timeCell(0)->text(), "420");
    EXPECT_EQ(dialog.timeCell(1)->text(), "-----");
    dialog.nameEditor()->setText("Anna");
    QTest::keyClick(dialog.nameEditor(), Qt::Key_Return);
  });
  dialog.ShowModal(420);
  EXPECT_EQ(Stored("grip")[0], (ScoreEntry{"Anna", 420}));
  EXPECT_EQ(Player(), "Anna");

  // The next offer starts from the name entered last.
  WhenShown(dialog, [&] {
    EXPECT_EQ(dialog.newPlace(), 1);
    EXPECT_EQ(dialog.nameEditor()->text(), "Anna");
    dialog.findChild<QPushButton*>("CancelBtn")->click();
  });
  dialog.ShowModal(500);
  EXPECT_EQ(Stored("grip")[1].time, 0) << "Cancel stores nothing";
}

TEST_F(HighscoreTest, ATimeThatEarnsNoPlaceDoesNotOpenTheDialog) {
  ScoreListKey = "okto";
  {
    SettingsStore& store = *this->store;
    ScoreList full;
    for (int i = 0; i < 5; ++i) full[i] = {"P", 100 * (i + 1)};
    SaveScoreList(store, ScoreCipher, "okto", full, "P");
  }
  THighscoreDlg dialog(&main, background, *store);
  bool shown = false;
  WhenShown(dialog, [&] {
    shown = true;
    dialog.findChild<QPushButton*>("CancelBtn")->click();
  });
  dialog.ShowModal(500);
  EXPECT_FALSE(shown);
  EXPECT_EQ(Stored("okto")[4].time, 500);
}

TEST_F(HighscoreTest, ClearingEmptiesOnlyTheShownListAndForgetsTheNewTime) {
  {
    SettingsStore& store = *this->store;
    ScoreList some;
    some[0] = {"Ben", 50};
    SaveScoreList(store, ScoreCipher, "wedd1", some, "Ben");
    SaveScoreList(store, ScoreCipher, "wedd2", some, "Ben");
  }
  ScoreListKey = "wedd1";
  Language = 1;
  THighscoreDlg dialog(&main, background, *store);
  WhenShown(dialog, [&] {
    EXPECT_EQ(dialog.windowTitle(), "Blivo Turnix - Bestenliste");
    dialog.clearBox()->setChecked(true);
    dialog.findChild<QPushButton*>("OKBtn")->click();
  });
  dialog.ShowModal(70);
  for (const ScoreEntry& e : Stored("wedd1")) EXPECT_EQ(e, ScoreEntry{});
  EXPECT_EQ(Player(), "Mr. Brain");
  EXPECT_EQ(Stored("wedd2")[0], (ScoreEntry{"Ben", 50}));
}

TEST_F(HighscoreTest, EscapeDoesNotCloseIt) {
  ScoreListKey = "hexa1";
  THighscoreDlg dialog(&main, background, *store);
  WhenShown(dialog, [&] {
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    dialog.findChild<QPushButton*>("OKBtn")->click();
  });
  dialog.ShowModal(0);
  EXPECT_EQ(Stored("hexa1")[0], ScoreEntry{}) << "viewing and OK writes the empty list";
}

TEST_F(HighscoreTest, AnEntryWithoutATimeShowsItsNameAndIsWrittenBackWithTimeZero) {
  ScoreListKey = "hexa2";
  store->writeText("highscore", "hexa20", ScoreCipher.Encode("-5,Eve"));
  THighscoreDlg dialog(&main, background, *store);
  WhenShown(dialog, [&] {
    EXPECT_EQ(dialog.nameCell(0)->text(), "Eve");
    EXPECT_EQ(dialog.timeCell(0)->text(), "-----");
    EXPECT_EQ(dialog.nameCell(1)->text(), "Mr. Brain");
    dialog.findChild<QPushButton*>("OKBtn")->click();
  });
  dialog.ShowModal(0);
  const SettingsStore again(SettingsFilePath());
  EXPECT_EQ(ScoreCipher.Decode(again.readText("highscore", "hexa20", "")), "0,Eve");
}

TEST_F(HighscoreTest, OpeningTheListReadsWhatAnotherGameSavedMeanwhile) {
  ScoreListKey = "grip";
  THighscoreDlg dialog(&main, background, *store);
  {
    SettingsStore other(SettingsFilePath());
    ScoreList list;
    list[0] = {"Other", 99};
    SaveScoreList(other, ScoreCipher, "grip", list, "Other");
  }
  WhenShown(dialog, [&] {
    EXPECT_EQ(dialog.nameCell(0)->text(), "Other");
    EXPECT_EQ(dialog.newPlace(), 1);
    dialog.nameEditor()->setText("Mine");
    dialog.findChild<QPushButton*>("OKBtn")->click();
  });
  dialog.ShowModal(120);
  EXPECT_EQ(Stored("grip")[0], (ScoreEntry{"Other", 99}));
  EXPECT_EQ(Stored("grip")[1], (ScoreEntry{"Mine", 120}));
}

}  // namespace
}  // namespace blivo
