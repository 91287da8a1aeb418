// The whole game as the entry point puts it together: main window and dialogs.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "app/main_form.h"
#include "state/program_state.h"
#include "dialogs/dialog_set.h"
#include "dialogs/score_list.h"
#include "modal.h"
#include "platform/paths.h"
#include "puzzle_fixture.h"
#include "puzzles/gripple.h"

namespace blivo {
namespace {

using testing::WhenDialogShows;

class Game : public ::testing::Test {
 protected:
  void SetUp() override {
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    form = std::make_unique<TMainForm>(TMainForm::Options{BLIVO_GAME_DIR, PlaceholderDialogs()});
    ASSERT_TRUE(form->created());
    dialogs = std::make_unique<DialogSet>(form.get(), form->dialogBackground(), form->settingsStore(),
                                          [this] { form->ApplyLanguage(); });
    form->UseDialogs(dialogs->Calls(form->dialogs()));
    // The greeting has a test of its own; elsewhere it would stand in the way.
    FirstActivation = false;
    Language = 0;
  }
  void TearDown() override {
    dialogs.reset();
    form.reset();
  }

  QTemporaryDir config;
  std::unique_ptr<TMainForm> form;
  std::unique_ptr<DialogSet> dialogs;
};

// A window manager may minimise a modal dialog on its own; the game coming
// back brings the dialog back with it, so it can never be lost.
TEST_F(Game, AMinimisedModalDialogComesBackWithTheGame) {
  form->show();
  bool back = false;
  WhenDialogShows("InfoDialog", [&](QDialog& info) {
    info.showMinimized();
    ASSERT_TRUE(info.isMinimized());
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(form.get(), &activate);
    back = !info.isMinimized() && info.isVisible();
    info.done(kModalOk);
  });
  form->InfoBtnClick();
  EXPECT_TRUE(back);
}

TEST_F(Game, SolvingOffersTheTimeAndStoresTheName) {
  form->show();
  GrippleBoard = GrippleTarget;
  GrippleTurnLeft(1);
  GameState[Gripple] = Running;
  PlayTime[Gripple] = 321;
  std::vector<std::string> seen;
  WhenDialogShows("DoneDlg", [&](QDialog& done) {
    seen.push_back(done.findChild<QLabel*>("Msg")->text().toStdString());
    WhenDialogShows("HighscoreDlg", [&](QDialog& list) {
      auto* editor = list.findChild<QLineEdit*>("Edit1");
      seen.push_back(editor->text().toStdString());
      editor->setText("Clara");
      list.findChild<QPushButton*>("OKBtn")->click();
    });
    done.findChild<QPushButton*>("OKBtn")->click();
  });
  QTest::mouseClick(form->findChild<QWidget*>("box"), Qt::RightButton, {}, QPoint(105, 105));
  EXPECT_EQ(GameState[Gripple], Solved);
  EXPECT_EQ(seen, (std::vector<std::string>{"Hurrah, you did it!", "Mr. Brain"}));
  const SettingsStore store(SettingsFilePath());
  EXPECT_EQ(LoadScoreList(store, ScoreCipher, "grip")[0], (ScoreEntry{"Clara", 321}));
  EXPECT_EQ(ReadPlayer(store), "Clara");
}

TEST_F(Game, GivingUpCanBeRefusedAndQuittingAsksFirst) {
  form->show();
  GameState[Gripple] = Running;
  PlayTime[Gripple] = 12;
  WhenDialogShows("NewGameDlg", [](QDialog& d) { d.findChild<QPushButton*>("CancelBtn")->click(); });
  form->MixBtnClick();
  EXPECT_EQ(GameState[Gripple], Running);
  EXPECT_EQ(PlayTime[Gripple], 12);

  WhenDialogShows("EndGameDlg", [](QDialog& d) { d.findChild<QPushButton*>("CancelBtn")->click(); });
  EXPECT_FALSE(form->close());
  WhenDialogShows("EndGameDlg", [](QDialog& d) { d.findChild<QPushButton*>("OKBtn")->click(); });
  EXPECT_TRUE(form->close());
}

TEST_F(Game, TheFirstStartGreetsAndAsksForTheLanguage) {
  WhenDialogShows("Splash", [](QDialog& splash) {
    WhenDialogShows("TongueDlg", [](QDialog& tongue) { tongue.findChild<QPushButton*>("GermanBtn")->click(); });
    QTest::mouseClick(&splash, Qt::LeftButton);
  });
  FirstActivation = true;
  Language = -1;
  form->FormActivate();
  EXPECT_EQ(Language, 1);
  EXPECT_EQ(form->button("MixBtn")->toolTip(), "Ich fang neu an.");
}

}  // namespace
}  // namespace blivo
