// The main window: tool bar, board and clock, and the game flow behind them.
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "app/music_rotation.h"
#include "dialogs/dialogs.h"
#include "platform/picture_ahead.h"
#include "platform/raster.h"
#include "platform/settings_store.h"
#include "platform/wave_player.h"
#include "puzzles/board.h"

class QLabel;
class QToolButton;

namespace blivo {

class BoardBox;
class THookHelpSystem;
class ToolBar;

class TMainForm : public QWidget, public PuzzleHost {
 public:
  struct Options {
    std::string programFolder;  // empty: the executable's folder
    Dialogs dialogs = PlaceholderDialogs();
  };

  explicit TMainForm(Options options);
  ~TMainForm() override;

  // False when start-up failed; the program then ends without showing the window.
  bool created() const { return created_; }

  // The dialogs, once they exist; the error box stays the one the form had.
  void UseDialogs(const Dialogs& dialogs);
  // Runs once the board has been painted the first time, before the first
  // activation's greeting: what the start does not need on the screen.
  void AfterFirstPaint(std::function<void()> work) { afterFirstPaint_ = std::move(work); }
  const Dialogs& dialogs() const { return options_.dialogs; }
  // The marbled ground of the dialogs.
  const QImage& dialogBackground();
  // The one settings store of the run; the high-score dialog keeps its lists there.
  SettingsStore& settingsStore() { return *store_; }

  // Handlers.
  void FormActivate();
  bool FormCloseQuery();
  void FormClose();
  void PlaceRulesShape();
  void SelectPuzzle(int mode);
  void boxMouseDown(Qt::MouseButton button, int x, int y);
  void boxPaint();
  void timboxPaint();
  void TimerTimer();
  void MixBtnClick();
  void OptionBtnMouseDown(int x, int y);
  void cClick();
  void SoundBtnClick();
  void MidiBtnClick();
  void HighScoreBtnClick();
  void ExitBtnClick();
  void InfoBtnClick();
  void TongueBtnClick();
  void HelpBtnClick();
  void BlivoBtnClick();
  void SetScoreListKey();
  void ApplyLanguage();

  // Services for the puzzles.
  void playWave(int n) override;
  void delay(std::uint32_t ms) override;
  void puzzleSolved() override;

  // For whoever looks inside: tests and the tool bar's own wiring.
  QToolButton* button(const char* name) const;
  QRect rulesShape() const { return rulesShape_; }
  QString rulesHint() const { return rulesHint_; }
  QLabel* timeLabel() const;
  const Bitmap& clockBitmap() const { return clockBitmap_; }
  bool timerEnabled() const { return timer_.isActive(); }
  bool soundOn() const { return soundOn_; }
  bool musicOn() const { return musicOn_; }
  const MusicRotation& music() const { return music_; }
  int soundsLoaded() const { return waves_.loaded(); }
  int soundPlaying() const { return waves_.playing(); }

 protected:
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void FormDestroy();
  void ConnectToolBar();
  bool LoadBackground(int mode, std::string& error);
  void StartSound();
  void FirstActivationWhenReady();
  void FindMusic();
  bool AskToGiveUpRunningGame();
  void BringBackModalDialog();

  Options options_;
  std::function<void()> afterFirstPaint_;
  bool created_ = false;
  bool placed_ = false;
  bool inBoardPaint_ = false;
  bool soundStarted_ = false;
  bool firstPaintSeen_ = false;
  bool boardPainted_ = false;  // and what follows the first paint is done
  bool activated_ = false;  // the window was activated or shown
  bool soundOn_ = true;  // soundbtn down
  bool musicOn_ = true;  // MidiBtn down
  std::unique_ptr<SettingsStore> store_;
  std::unique_ptr<THookHelpSystem> helpSystem_;
  QTimer timer_;

  Bitmap clockBitmap_;
  std::unique_ptr<ToolBar> toolBar_;
  BoardBox* box_ = nullptr;
  QRect rulesShape_;
  QString rulesHint_;

  Bitmap digitStrip_;
  QImage dialogBackground_;
  PictureAhead pictureAhead_;  // the board's picture, read while the window is made

  WavePlayer waves_;
  MusicRotation music_;
};

}  // namespace blivo
