// The main window: tool bar, board and clock, and the game flow behind them.
#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/dialogs.h"
#include "platform/music_player.h"
#include "platform/raster.h"
#include "platform/settings_store.h"
#include "platform/wave_player.h"
#include "puzzles/board.h"

class QButtonGroup;
class QFrame;
class QLabel;
class QToolButton;

namespace blivo {

class BoardBox;
class THookHelpSystem;
class PressButton;
class TimBox;

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
  const Dialogs& dialogs() const { return options_.dialogs; }
  // Bitmaps item 1: the marbled ground of the dialogs.
  const QImage& dialogBackground() const { return dialogBackground_; }
  // The one settings store of the run; the high-score dialog keeps its lists there.
  SettingsStore& settingsStore() { return *store_; }

  // Handlers, named as in the window's design.
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
  QLabel* timeLabel() const { return timeLabel_; }
  const Bitmap& clockBitmap() const { return clockBitmap_; }
  bool timerEnabled() const { return timer_.isActive(); }
  const std::vector<std::string>& musicFiles() const { return musicFiles_; }
  std::size_t currentMusic() const { return musicIndex_; }
  bool musicPlaying() const { return midi_.playing(); }
  int soundsLoaded() const { return waves_.loaded(); }

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void FormDestroy();
  void BuildToolBar();
  QToolButton* AddButton(const char* name, const char* glyph, int left, int top, int width,
                         QToolButton* button = nullptr);
  bool LoadBackground(int mode, std::string& error);
  void LoadBitmaps();
  void LoadGlyphs();
  void LoadSounds();
  void FindMusic();
  void MusicUpkeep();
  void PlaceWindow();
  void WriteWindowPlacement();
  bool AskToGiveUpRunningGame();
  void TimerOff() { timer_.stop(); }
  void TimerOn() { timer_.start(); }

  Options options_;
  bool created_ = false;
  bool placed_ = false;
  std::unique_ptr<SettingsStore> store_;
  std::unique_ptr<THookHelpSystem> helpSystem_;
  QTimer timer_;

  QWidget* toolPanel_ = nullptr;
  BoardBox* box_ = nullptr;
  TimBox* timbox_ = nullptr;
  QLabel* timeLabel_ = nullptr;
  QButtonGroup* puzzleGroup_ = nullptr;
  std::array<QToolButton*, kPuzzleCount> puzzleButtons_{};
  QRect rulesShape_;
  QString rulesHint_;

  Bitmap digitStrip_;    // Bitmaps item 0
  QImage dialogBackground_;  // Bitmaps item 1
  Bitmap clockBitmap_;

  WavePlayer waves_;
  MusicPlayer midi_;
  std::vector<std::string> musicFiles_;
  std::size_t musicIndex_ = 0;
};

}  // namespace blivo
