// The game as a native Wayland client (run by tests/desktop/wayland_session.sh
// under weston): it starts, a click turns a plate, closing asks and ends it,
// and the stored window position is kept without being applied.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

#include "app/main_form.h"
#include "dialogs/dialog_set.h"
#include "modal.h"
#include "platform/settings_store.h"
#include "puzzles/gripple.h"
#include "state/program_state.h"

namespace blivo {
namespace {

class Wayland : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(QGuiApplication::platformName(), "wayland") << "run under tests/desktop/wayland_session.sh";
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    SettingsStore store(SettingsFile());
    store.writeText("common", "MainForm", kStored);
    store.writeInt("common", "tongue", 0);
    store.flush();
  }

  std::string SettingsFile() const { return config.filePath("BlivoGames/BlivoTurnix/V1.ini").toStdString(); }

  static constexpr const char* kStored = "200,0,1,77,66,579,453";
  QTemporaryDir config;
};

TEST_F(Wayland, TheGameStartsTurnsAPlateAndEndsWhenClosed) {
  {
    Dialogs dialogs = PlaceholderDialogs();
    int endAsked = 0;
    dialogs.endGame = [&] { return ++endAsked, kModalOk; };
    TMainForm form(TMainForm::Options{BLIVO_GAME_DIR, dialogs});
    ASSERT_TRUE(form.created());
    FirstActivation = false;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    GrippleBoard = {{{1, 2, 3, 4}, {2, 3, 4, 1}, {3, 4, 1, 2}, {4, 1, 2, 3}}};
    const GrippleGrid before = GrippleBoard;
    QWidget* box = form.findChild<QWidget*>("box");
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(165, 165));
    EXPECT_NE(GrippleBoard, before) << "the middle plate turned";
    EXPECT_EQ(GameState[Gripple], Running);

    EXPECT_TRUE(form.close());
    EXPECT_EQ(endAsked, 1) << "closing asks first";
    EXPECT_FALSE(form.isVisible());
  }
  const SettingsStore store(SettingsFile());
  EXPECT_EQ(store.readText("common", "MainForm", ""), kStored) << "the compositor places windows: the value stays";
  EXPECT_EQ(store.readInt("common", "mode", -1), 0) << "the close wrote the settings";
}

TEST_F(Wayland, DialogsOpenAndCloseWithoutAPlaceOfTheirOwn) {
  TMainForm form(TMainForm::Options{BLIVO_GAME_DIR, PlaceholderDialogs()});
  ASSERT_TRUE(form.created());
  FirstActivation = false;
  DialogSet dialogs(&form, form.dialogBackground(), form.settingsStore(), [&] { form.ApplyLanguage(); });
  form.UseDialogs(dialogs.Calls(form.dialogs()));
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  for (const char* name : {"InfoDialog", "TongueDlg", "DoneDlg"}) {
    bool shown = false;
    testing::WhenDialogShows(name, [&](QDialog& d) {
      shown = true;
      d.done(kModalOk);
    });
    if (std::string(name) == "InfoDialog") form.dialogs().info();
    if (std::string(name) == "TongueDlg") form.dialogs().tongue();
    if (std::string(name) == "DoneDlg") form.dialogs().done();
    EXPECT_TRUE(shown) << name;
  }
}

}  // namespace
}  // namespace blivo
