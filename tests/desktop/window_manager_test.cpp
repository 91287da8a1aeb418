// The game's windows under a real window manager on an X server (run by
// tests/desktop/x_session.sh with openbox): the frame each window asks for,
// where every dialog stands at its first showing, and that a dialog the
// window manager minimises comes back with the game. Positions and frames are
// read from the X server itself, not from the toolkit.
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "dialogs/dialog_set.h"
#include "dialogs/splash.h"
#include "dialogs/tongue_dialog.h"
#include "modal.h"
#include "state/program_state.h"

namespace blivo {
namespace {

using testing::WhenDialogShows;

// The bits of the Motif hints the window's frame is asked with.
constexpr std::uint32_t kFunctionMinimize = 1 << 3, kFunctionMaximize = 1 << 4;
constexpr std::uint32_t kDecorMinimize = 1 << 5, kDecorMaximize = 1 << 6;

xcb_connection_t* X() { return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection(); }

xcb_atom_t Atom(const char* name) {
  auto* reply = xcb_intern_atom_reply(X(), xcb_intern_atom(X(), 0, std::strlen(name), name), nullptr);
  const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(reply);
  return atom;
}

xcb_window_t Root() { return xcb_setup_roots_iterator(xcb_get_setup(X())).data->root; }
xcb_window_t Id(QWidget& w) { return static_cast<xcb_window_t>(w.winId()); }

std::vector<std::uint32_t> Property(QWidget& w, const char* name) {
  auto* reply = xcb_get_property_reply(X(), xcb_get_property(X(), 0, Id(w), Atom(name), XCB_ATOM_ANY, 0, 64), nullptr);
  std::vector<std::uint32_t> values;
  if (reply && reply->format == 32) {
    const auto* v = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
    values.assign(v, v + xcb_get_property_value_length(reply) / 4);
  }
  std::free(reply);
  return values;
}

std::vector<std::string> AllowedActions(QWidget& w) {
  std::vector<std::string> names;
  for (std::uint32_t atom : Property(w, "_NET_WM_ALLOWED_ACTIONS")) {
    auto* reply = xcb_get_atom_name_reply(X(), xcb_get_atom_name(X(), atom), nullptr);
    if (reply) names.emplace_back(xcb_get_atom_name_name(reply), xcb_get_atom_name_name_length(reply));
    std::free(reply);
  }
  return names;
}

bool Allows(QWidget& w, const std::string& action) {
  const auto actions = AllowedActions(w);
  return std::find(actions.begin(), actions.end(), "_NET_WM_ACTION_" + action) != actions.end();
}

// The client area where the X server has it, in root coordinates.
QRect ClientOnRoot(QWidget& w) {
  auto* at = xcb_translate_coordinates_reply(X(), xcb_translate_coordinates(X(), Id(w), Root(), 0, 0), nullptr);
  auto* size = xcb_get_geometry_reply(X(), xcb_get_geometry(X(), Id(w)), nullptr);
  QRect r;
  if (at && size) r = QRect(at->dst_x, at->dst_y, size->width, size->height);
  std::free(at);
  std::free(size);
  return r;
}

QMargins Extents(QWidget& w) {
  const auto v = Property(w, "_NET_FRAME_EXTENTS");
  return v.size() == 4 ? QMargins(v[0], v[2], v[1], v[3]) : QMargins();
}

bool Viewable(QWidget& w) {
  auto* reply = xcb_get_window_attributes_reply(X(), xcb_get_window_attributes(X(), Id(w)), nullptr);
  const bool viewable = reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
  std::free(reply);
  return viewable;
}

void SendToRoot(QWidget& w, const char* message, std::uint32_t first, std::uint32_t second = 0) {
  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = Id(w);
  event.type = Atom(message);
  event.data.data32[0] = first;
  event.data.data32[1] = second;
  xcb_send_event(X(), 0, Root(), XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<const char*>(&event));
  xcb_flush(X());
}

class WindowManager : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "run under tests/desktop/x_session.sh --wm";
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    form = std::make_unique<TMainForm>(TMainForm::Options{BLIVO_GAME_DIR, PlaceholderDialogs()});
    ASSERT_TRUE(form->created());
    FirstActivation = false;
    Language = 0;
    dialogs = std::make_unique<DialogSet>(form.get(), form->dialogBackground(), form->settingsStore(),
                                          [this] { form->ApplyLanguage(); });
    form->UseDialogs(dialogs->Calls(form->dialogs()));
    form->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Viewable(*form) && Extents(*form).top() > 0; }))
        << "the window manager frames it";
  }

  void TearDown() override {
    dialogs.reset();
    form.reset();
  }

  // The main window's outer frame as the X server has it.
  QRect MainOuter() { return ClientOnRoot(*form).marginsAdded(Extents(*form)); }

  // Runs check on the dialog named `name` once the window manager shows it,
  // then closes it with result 1.
  void Inside(const char* name, const std::function<void()>& open, const std::function<void(QDialog&)>& check) {
    bool seen = false;
    WhenDialogShows(name, [&](QDialog& dialog) {
      const bool framed = !(dialog.windowFlags() & Qt::FramelessWindowHint);
      EXPECT_TRUE(QTest::qWaitFor([&] { return Viewable(dialog) && (!framed || Extents(dialog).top() > 0); })) << name;
      check(dialog);
      seen = true;
      // The greeting may be checked while the toolkit is still showing it,
      // before its loop runs; only its own ending waits for that loop.
      if (auto* splash = dynamic_cast<TSplash*>(&dialog))
        splash->Click();
      else
        dialog.done(1);
    });
    open();
    EXPECT_TRUE(seen) << name << " was shown";
  }

  QTemporaryDir config;
  std::unique_ptr<TMainForm> form;
  std::unique_ptr<DialogSet> dialogs;
};

TEST_F(WindowManager, TheMainWindowMinimisesAndClosesButNeverGrows) {
  EXPECT_TRUE(Allows(*form, "MINIMIZE"));
  EXPECT_TRUE(Allows(*form, "CLOSE"));
  EXPECT_FALSE(Allows(*form, "MAXIMIZE_HORZ"));
  EXPECT_FALSE(Allows(*form, "MAXIMIZE_VERT"));
  EXPECT_FALSE(Allows(*form, "RESIZE"));
  const auto motif = Property(*form, "_MOTIF_WM_HINTS");
  ASSERT_GE(motif.size(), 3u);
  EXPECT_TRUE(motif[1] & kFunctionMinimize);
  EXPECT_FALSE(motif[1] & kFunctionMaximize);
  EXPECT_FALSE(motif[2] & kDecorMaximize);
  EXPECT_EQ(ClientOnRoot(*form).size(), QSize(500, 366));
}

TEST_F(WindowManager, TheInfoAndLanguageDialogsHaveATitleBarWithACloseBoxOnly) {
  const std::pair<const char*, std::function<void()>> framed[] = {
      {"InfoDialog", [&] { form->dialogs().info(); }}, {"TongueDlg", [&] { form->dialogs().tongue(); }}};
  for (const auto& [name, open] : framed)
    Inside(name, open, [&, name = name](QDialog& d) {
      EXPECT_GT(Extents(d).top(), 0) << name << " has a title bar";
      EXPECT_TRUE(Allows(d, "CLOSE")) << name;
      EXPECT_FALSE(Allows(d, "MAXIMIZE_HORZ")) << name;
      EXPECT_FALSE(Allows(d, "RESIZE")) << name;
      const auto motif = Property(d, "_MOTIF_WM_HINTS");
      ASSERT_GE(motif.size(), 3u) << name;
      EXPECT_FALSE(motif[1] & (kFunctionMinimize | kFunctionMaximize)) << name << " asks for no minimise or maximise";
      EXPECT_FALSE(motif[2] & (kDecorMinimize | kDecorMaximize)) << name;
    });
}

TEST_F(WindowManager, MessageDialogsTheHighScoresAndTheSplashHaveNoFrame) {
  const std::pair<const char*, std::function<void()>> bare[] = {
      {"NewGameDlg", [&] { form->dialogs().newGame(); }},
      {"EndGameDlg", [&] { form->dialogs().endGame(); }},
      {"DoneDlg", [&] { form->dialogs().done(); }},
      {"PauseDlg", [&] { form->dialogs().pause(); }},
      {"HighscoreDlg", [&] { form->dialogs().highscore(0); }},
      {"Splash", [&] { form->dialogs().splash(); }},
  };
  for (const auto& [name, open] : bare)
    Inside(name, open, [&, name = name](QDialog& d) {
      EXPECT_EQ(Extents(d), QMargins()) << name;
      EXPECT_EQ(ClientOnRoot(d).size(), d.size()) << name;
    });
}

// Each rule at the dialog's first showing, against the frames the X server has.
TEST_F(WindowManager, EveryDialogStandsByItsRuleAlreadyAtItsFirstShowing) {
  const QRect main = MainOuter();
  auto overWindow = [&](QDialog& d) {
    const QRect at = ClientOnRoot(d);
    EXPECT_EQ(at.topLeft(), QPoint(main.left() + (main.width() - at.width()) / 2,
                                   main.top() + (main.height() - at.height()) / 2))
        << d.objectName().toStdString() << " over the main window " << main.x() << "," << main.y() << " "
        << main.width() << "x" << main.height();
  };
  auto onClientArea = [&](QDialog& d) {
    const QRect outer = ClientOnRoot(d).marginsAdded(Extents(d));
    EXPECT_EQ(outer.topLeft(), QPoint(main.left() + (main.width() - outer.width()) / 2,
                                      main.top() + main.height() - (366 + outer.height()) / 2))
        << d.objectName().toStdString() << " outer " << outer.x() << "," << outer.y() << " " << outer.width() << "x"
        << outer.height();
  };
  Inside("TongueDlg", [&] { form->dialogs().tongue(); }, onClientArea);
  Inside("InfoDialog", [&] { form->dialogs().info(); }, onClientArea);
  Inside("NewGameDlg", [&] { form->dialogs().newGame(); }, overWindow);
  Inside("EndGameDlg", [&] { form->dialogs().endGame(); }, overWindow);
  Inside("DoneDlg", [&] { form->dialogs().done(); }, overWindow);
  Inside("PauseDlg", [&] { form->dialogs().pause(); }, overWindow);
  Inside("HighscoreDlg", [&] { form->dialogs().highscore(0); }, overWindow);
  Inside("Splash", [&] { form->dialogs().splash(); }, [&](QDialog& d) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(ClientOnRoot(d).topLeft(), QPoint((screen.width() - 200) / 2, (screen.height() - 150) / 2));
  });
}

TEST_F(WindowManager, ADialogTheWindowManagerMinimisesComesBackWithTheGame) {
  constexpr std::uint32_t kNormal = 1, kIconic = 3;
  auto state = [](QWidget& w) {
    const auto v = Property(w, "WM_STATE");
    return v.empty() ? 0u : v[0];
  };
  Inside("InfoDialog", [&] { form->dialogs().info(); }, [&](QDialog& d) {
    // As a player would from the title bar: ask until the window manager has it.
    ASSERT_TRUE(QTest::qWaitFor([&] {
      SendToRoot(d, "WM_CHANGE_STATE", kIconic);
      QTest::qWait(50);
      return state(d) == kIconic && !Viewable(d);
    })) << "the window manager minimised the dialog";
    // The player brings the game back, as from a task bar.
    constexpr std::uint32_t kFromPager = 2;
    ASSERT_TRUE(QTest::qWaitFor([&] {
      SendToRoot(*form, "_NET_ACTIVE_WINDOW", kFromPager);
      QTest::qWait(50);
      return state(*form) == kNormal;
    })) << "the game is back";
    EXPECT_TRUE(QTest::qWaitFor([&] { return state(d) == kNormal && Viewable(d); }))
        << "and so is the dialog that holds it";
  });
}

}  // namespace
}  // namespace blivo
