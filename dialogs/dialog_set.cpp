#include "dialogs/dialog_set.h"

#include "dialogs/highscore_dialog.h"
#include "dialogs/info_dialog.h"
#include "dialogs/message_dialogs.h"
#include "dialogs/splash.h"
#include "dialogs/tongue_dialog.h"

namespace blivo {

DialogSet::DialogSet(QWidget* mainWindow, const QImage& background, SettingsStore& store,
                     std::function<void()> applyMainLanguage)
    : background_(background) {
  // Splash, info, language, done, end of game, high scores, give up, pause:
  // the info dialog reaches the language dialog through a call, not at once.
  splash_ = std::make_unique<TSplash>(mainWindow);
  info_ = std::make_unique<TInfoDialog>(mainWindow, [this] { tongue_->exec(); }, std::move(applyMainLanguage));
  tongue_ = std::make_unique<TTongueDlg>(mainWindow);
  done_ = std::make_unique<TDoneDlg>(mainWindow, background_);
  endGame_ = std::make_unique<TEndGameDlg>(mainWindow, background_);
  highscore_ = std::make_unique<THighscoreDlg>(mainWindow, background_, store);
  newGame_ = std::make_unique<TNewGameDlg>(mainWindow, background_);
  pause_ = std::make_unique<TPauseDlg>(mainWindow, background_);
}

DialogSet::~DialogSet() = default;

Dialogs DialogSet::Calls(const Dialogs& base) {
  Dialogs d = base;
  d.newGame = [this] { return newGame_->exec(); };
  d.endGame = [this] { return endGame_->exec(); };
  d.done = [this] { done_->exec(); };
  d.pause = [this] { pause_->exec(); };
  d.highscore = [this](std::int32_t time) { highscore_->ShowModal(time); };
  d.tongue = [this] { tongue_->exec(); };
  d.info = [this] { info_->exec(); };
  d.splash = [this] { splash_->exec(); };
  return d;
}

}  // namespace blivo
