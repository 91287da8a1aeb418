// Every dialog of the game, made once at start in a fixed order, and the calls
// through which the main window shows them.
#pragma once

#include <QImage>
#include <functional>
#include <memory>

#include "dialogs/dialogs.h"

class QWidget;

namespace blivo {

class TSplash;
class TInfoDialog;
class TTongueDlg;
class TDoneDlg;
class TEndGameDlg;
class THighscoreDlg;
class TNewGameDlg;
class TPauseDlg;
class SettingsStore;

class DialogSet {
 public:
  // The high-score dialog keeps its lists in `store`, the main window's own.
  DialogSet(QWidget* mainWindow, const QImage& background, SettingsStore& store,
            std::function<void()> applyMainLanguage);
  ~DialogSet();

  // The calls, with errorBox and help left as they are in `base`.
  Dialogs Calls(const Dialogs& base);

  TSplash& splash() { return *splash_; }
  TInfoDialog& info() { return *info_; }
  TTongueDlg& tongue() { return *tongue_; }
  THighscoreDlg& highscore() { return *highscore_; }

 private:
  QImage background_;
  std::unique_ptr<TSplash> splash_;
  std::unique_ptr<TInfoDialog> info_;
  std::unique_ptr<TTongueDlg> tongue_;
  std::unique_ptr<TDoneDlg> done_;
  std::unique_ptr<TEndGameDlg> endGame_;
  std::unique_ptr<THighscoreDlg> highscore_;
  std::unique_ptr<TNewGameDlg> newGame_;
  std::unique_ptr<TPauseDlg> pause_;
};

}  // namespace blivo
