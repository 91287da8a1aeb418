#include "app/main_form.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QToolButton>
#include <chrono>
#include <utility>

#include "app/board_widgets.h"
#include "app/clock_display.h"
#include "app/common_settings.h"
#include "app/main_texts.h"
#include "app/timer_guard.h"
#include "app/tool_bar.h"
#include "app/window_placement.h"
#include "dialogs/chiffre.h"
#include "help/hh.h"
#include "help/pages/help.h"
#include "platform/embedded_assets.h"
#include "platform/fonts.h"
#include "platform/open_link.h"
#include "platform/paths.h"
#include "platform/picture_file.h"
#include "platform/report.h"
#include "platform/ticks.h"
#include "puzzles/current_puzzle.h"
#include "puzzles/hexagon.h"
#include "puzzles/wedding.h"
#include "state/identity.h"
#include "state/program_state.h"

namespace blivo {

namespace {

// The sounds in the order PlayWave numbers them.
constexpr const char* kWaveList[] = {"solved", "hexagon", "oktopus", "gripple", "wedding"};

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.c_str()); }

}  // namespace

TMainForm::TMainForm(Options options) : options_(std::move(options)) {
  setObjectName("MainForm");
  setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowTitleHint);
  setFont(SansFont(13));
  setFixedSize(kBoardWidth, kToolBarHeight + kBoardHeight);
  timer_.setInterval(200);
  connect(&timer_, &QTimer::timeout, this, [this] { TimerTimer(); });
  toolBar_ = std::make_unique<ToolBar>(this, clockBitmap_, [this](int x, int y) { OptionBtnMouseDown(x, y); });
  box_ = new BoardBox(this, BoardScreen.bitmap);
  box_->setObjectName("box");
  box_->setGeometry(0, kToolBarHeight, kBoardWidth, kBoardHeight);
  box_->onPaint = [this] { boxPaint(); };
  box_->onMouseDown = [this](Qt::MouseButton b, int x, int y) { boxMouseDown(b, x, y); };
  box_->tipAt = [this](QPoint p) {
    if (!rulesShape_.contains(p + QPoint(0, kToolBarHeight))) return QString();
    return QString(rulesHint_).replace('\r', '\n');
  };
  ConnectToolBar();
  FormCreate();
}

TMainForm::~TMainForm() {
  timer_.stop();
  if (created_) {
    if (placed_)
      if (const auto placement = MainWindowPlacement(*this)) {
        store_->writeText("common", "MainForm", *placement);
        store_->flush();
      }
    FormDestroy();
  }
  BoardScreen.shown = nullptr;
  SetPuzzleHost(nullptr);
}

void TMainForm::FormCreate() {
  ProgramFolder = options_.programFolder.empty() ? ExecutableFolder() : options_.programFolder;
  if (ProgramFolder.back() != '/') ProgramFolder += '/';
  ScoreCipher.Setup("", 0);
  Randomize(static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
  helpSystem_ = std::make_unique<THookHelpSystem>(ProgramFolder + "tnix.chm", "", 0);

  store_ = std::make_unique<SettingsStore>(SettingsFilePath());
  const CommonSettings settings = ReadCommonSettings(*store_);
  Language = settings.tongue;
  PuzzleMode = static_cast<std::uint8_t>(settings.mode);
  HexagonVariant = settings.hmode;
  WeddingVariant = settings.wmode;
  soundOn_ = settings.sound;
  musicOn_ = settings.music;
  // Read while the buttons are set up.
  pictureAhead_.Start(ProgramFolder + PuzzlePictureFile(PuzzleMode));
  button("soundbtn")->setChecked(soundOn_);
  button("MidiBtn")->setChecked(musicOn_);

  std::string error;
  if (!LoadBackground(PuzzleMode, error)) {
    ReportProblem(error);
    options_.dialogs.errorBox(German() ? "Zuwenig Speicher! Programm wird beendet." : "Not enough memory! Program aborted.");
    return;
  }
  BoardBitmap = Bitmap(kBoardWidth, kBoardHeight);
  BoardScreen.bitmap = Bitmap(kBoardWidth, kBoardHeight);
  BoardScreen.shown = [this](const Rect& r) { box_->show(r); };
  SetPuzzleHost(this);
  digitStrip_ = EmbeddedBitmap("digits");
  clockBitmap_ = Bitmap(kTimboxPlace.width(), kTimboxPlace.height());

  toolBar_->puzzleButton(PuzzleMode)->setChecked(true);
  for (int m = 0; m < kPuzzleCount; ++m) {
    GameState[m] = Untouched;
    PlayTime[m] = 0;
  }
  PuzzleInit();
  PlaceRulesShape();
  button("OptionBtn")->setEnabled(PuzzleHasOption(PuzzleMode));
  GameState[PuzzleMode] = Ready;
  FirstActivation = true;
  FindMusic();
  ApplyLanguage();
  setWindowTitle(kCaption);
  created_ = true;
  timer_.start();
}

void TMainForm::ConnectToolBar() {
  connect(toolBar_->puzzleGroup(), &QButtonGroup::idClicked, this, [this](int m) { SelectPuzzle(m); });
  const std::pair<const char*, void (TMainForm::*)()> clicks[] = {
      {"MixBtn", &TMainForm::MixBtnClick},     {"PauseBtn", &TMainForm::cClick},
      {"soundbtn", &TMainForm::SoundBtnClick}, {"MidiBtn", &TMainForm::MidiBtnClick},
      {"HighScoreBtn", &TMainForm::HighScoreBtnClick}, {"ExitBtn", &TMainForm::ExitBtnClick},
      {"TongueBtn", &TMainForm::TongueBtnClick}, {"HelpBtn", &TMainForm::HelpBtnClick},
      {"InfoBtn", &TMainForm::InfoBtnClick},   {"BlivoBtn", &TMainForm::BlivoBtnClick},
  };
  for (const auto& [name, handler] : clicks)
    connect(button(name), &QToolButton::clicked, this, [this, handler = handler] { (this->*handler)(); });
}

void TMainForm::UseDialogs(const Dialogs& dialogs) {
  const auto errorBox = options_.dialogs.errorBox;
  options_.dialogs = dialogs;
  options_.dialogs.errorBox = errorBox;
}

const QImage& TMainForm::dialogBackground() {
  // Read when the dialogs are made, after the board is on the screen.
  if (dialogBackground_.isNull()) dialogBackground_ = EmbeddedPicture("dialog");
  return dialogBackground_;
}

void TMainForm::FormDestroy() {
  BoardBitmap = Bitmap();
  BackgroundBitmap = Bitmap();
  BoardScreen.bitmap = Bitmap();
}

bool TMainForm::LoadBackground(int mode, std::string& error) {
  Bitmap picture;
  const std::string path = ProgramFolder + PuzzlePictureFile(mode);
  if (!pictureAhead_.Take(path, picture, error)) return false;
  const PictureSize need = PuzzlePictureMinimum(mode);
  if (picture.width() < need.width || picture.height() < need.height) {
    error = path + ": the picture is " + std::to_string(picture.width()) + " x " + std::to_string(picture.height()) +
            " pixels, it needs at least " + std::to_string(need.width) + " x " + std::to_string(need.height);
    return false;
  }
  BackgroundBitmap = std::move(picture);
  return true;
}

void TMainForm::StartSound() {
  // The sound output opens once the board is on the screen, so the board is
  // never kept waiting for it.
  if (soundStarted_) return;
  soundStarted_ = true;
  std::vector<QByteArray> waves;
  for (const char* name : kWaveList) waves.push_back(EmbeddedSound(name));
  waves_.load(waves);
}

QToolButton* TMainForm::button(const char* name) const { return toolBar_->button(name); }

QLabel* TMainForm::timeLabel() const { return toolBar_->timeLabel(); }

void TMainForm::PlaceRulesShape() {
  // The rules are the tip of the puzzle's name on its board.
  const Rect title = PuzzleTitle(PuzzleMode);
  rulesShape_ = QRect(title.x, title.y + kToolBarHeight, title.w, title.h);
}

void TMainForm::SelectPuzzle(int mode) {
  if (mode < 0 || mode >= kPuzzleCount || mode == PuzzleMode) return;
  // Load first, so that a picture that fails leaves the game on the puzzle it had.
  const std::uint8_t previous = PuzzleMode;
  Bitmap kept = std::move(BackgroundBitmap);
  std::string error;
  if (!LoadBackground(mode, error)) {
    BackgroundBitmap = std::move(kept);
    ReportProblem(error);
    toolBar_->puzzleButton(previous)->setChecked(true);
    options_.dialogs.errorBox(error);
    return;
  }
  PuzzleMode = static_cast<std::uint8_t>(mode);
  toolBar_->puzzleButton(mode)->setChecked(true);
  PlaceRulesShape();
  if (GameState[PuzzleMode] == Untouched) {
    PuzzleInit();
    GameState[PuzzleMode] = Ready;
  } else {
    PuzzlePictureReloaded();
  }
  button("OptionBtn")->setEnabled(PuzzleHasOption(PuzzleMode));
  ApplyLanguage();
  update();
  box_->repaint();
  timboxPaint();
}

void TMainForm::boxMouseDown(Qt::MouseButton b, int x, int y) {
  if (b == Qt::LeftButton) PuzzleMouseLeft(x, y);
  if (b == Qt::RightButton) PuzzleMouseRight(x, y);
}

void TMainForm::boxPaint() {
  inBoardPaint_ = true;
  PuzzleDraw();
  timboxPaint();
  inBoardPaint_ = false;
  if (!firstPaintSeen_) {
    // The board is on the screen before anything else is started or shown;
    // only then is the start ready for the greeting.
    firstPaintSeen_ = true;
    QTimer::singleShot(0, this, [this] {
      setWindowIcon(GameIcon());
      if (afterFirstPaint_) std::exchange(afterFirstPaint_, nullptr)();
      boardPainted_ = true;
      FirstActivationWhenReady();
      StartSound();
    });
  }
}

void TMainForm::timboxPaint() {
  ComposeClock(clockBitmap_, digitStrip_, PlayTime[PuzzleMode]);
  // Inside the board's paint the clock joins that paint; a second paint
  // started from within one would tear the window's drawing surface.
  toolBar_->timbox()->show(inBoardPaint_);
}

void TMainForm::TimerTimer() {
  StartSound();
  if (musicOn_ && music_.available()) music_.Upkeep();
  if (GameState[PuzzleMode] == Running) {
    ++PlayTime[PuzzleMode];
    timboxPaint();
  }
}

bool TMainForm::AskToGiveUpRunningGame() {
  if (GameState[PuzzleMode] != Running) return true;
  return options_.dialogs.newGame() != kModalCancel;
}

void TMainForm::MixBtnClick() {
  const TimerStopped stopped(timer_);
  if (!AskToGiveUpRunningGame()) return;
  PuzzleMix();
  PuzzleDrawAfterMix();
  PlayTime[PuzzleMode] = 0;
  timboxPaint();
  GameState[PuzzleMode] = Ready;
}

void TMainForm::OptionBtnMouseDown(int x, int y) {
  const TimerStopped stopped(timer_);
  if (!AskToGiveUpRunningGame()) return;
  // A press above the diagonal from top-left to bottom-right asks for the next variant.
  if (!PuzzleOption(x > y)) return;
  PlayTime[PuzzleMode] = 0;
  timboxPaint();
}

void TMainForm::cClick() {
  if (GameState[PuzzleMode] != Running) return;
  const TimerStopped stopped(timer_);
  options_.dialogs.pause();
}

void TMainForm::SoundBtnClick() {
  soundOn_ = button("soundbtn")->isChecked();
  ApplyLanguage();
}

void TMainForm::MidiBtnClick() {
  if (!button("MidiBtn")->isEnabled() || !music_.available()) return;
  musicOn_ = button("MidiBtn")->isChecked();
  if (musicOn_)
    music_.SwitchedOn();
  else
    music_.SwitchedOff();
  ApplyLanguage();
}

void TMainForm::FindMusic() { button("MidiBtn")->setEnabled(music_.Find(ProgramFolder)); }

void TMainForm::HighScoreBtnClick() {
  const TimerStopped stopped(timer_);
  SetScoreListKey();
  options_.dialogs.highscore(0);
}

void TMainForm::ExitBtnClick() { close(); }

void TMainForm::InfoBtnClick() {
  const TimerStopped stopped(timer_);
  options_.dialogs.info();
}

void TMainForm::TongueBtnClick() {
  // The clock keeps counting while the language is chosen.
  options_.dialogs.tongue();
  ApplyLanguage();
}

void TMainForm::HelpBtnClick() {
  const TimerStopped stopped(timer_);
  ApplicationHelpContext(German() ? IDH_GERMAN : IDH_ENGLISH);
}

void TMainForm::BlivoBtnClick() { OpenLink(kMakerSite); }

void TMainForm::SetScoreListKey() {
  switch (PuzzleMode) {
    case Gripple: ScoreListKey = "grip"; break;
    case Hexagon: ScoreListKey = "hexa" + std::to_string(HexagonVariant); break;
    case Oktopus: ScoreListKey = "okto"; break;
    case Wedding: ScoreListKey = "wedd" + std::to_string(WeddingVariant); break;
  }
}

void TMainForm::ApplyLanguage() {
  const MainTexts t = MainWindowTexts(German(), PuzzleMode, soundOn_, musicOn_);
  toolBar_->ApplyHints(t);
  toolBar_->ShowTimeCaption(t, German());
  rulesHint_ = FromUtf8(t.rules);
  setWindowTitle(FromUtf8(t.caption));
}

void TMainForm::playWave(int n) {
  if (!soundOn_) return;
  StartSound();
  waves_.play(n);
}

void TMainForm::delay(std::uint32_t ms) { BlockingDelay(ms); }

void TMainForm::puzzleSolved() {
  if (GameState[PuzzleMode] == Solved) return;
  GameState[PuzzleMode] = Solved;
  PlayWave(1);
  options_.dialogs.done();
  SetScoreListKey();
  options_.dialogs.highscore(PlayTime[PuzzleMode]);
  ApplyLanguage();
}

void TMainForm::FormActivate() {
  if (!FirstActivation) return;
  FirstActivation = false;
  options_.dialogs.splash();
  if (Language == -1) options_.dialogs.tongue();
  ApplyLanguage();
}

void TMainForm::FirstActivationWhenReady() {
  // The greeting comes over a painted board: the first activation waits for it.
  if (activated_ && boardPainted_) FormActivate();
}

bool TMainForm::FormCloseQuery() {
  const TimerStopped stopped(timer_);
  return options_.dialogs.endGame() == kModalOk;
}

void TMainForm::FormClose() {
  timer_.stop();
  helpSystem_.reset();
  CloseAllHelp();
  CommonSettings s;
  s.mode = PuzzleMode;
  s.hmode = HexagonVariant;
  s.wmode = WeddingVariant;
  s.sound = soundOn_;
  s.music = musicOn_;
  s.tongue = Language;
  WriteCommonSettings(*store_, s);
  store_->flush();
}

void TMainForm::BringBackModalDialog() {
  // A window manager may minimise a modal dialog on its own; when the game
  // comes back, so does the dialog that holds it.
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || modal == this || !modal->isMinimized()) return;
  modal->showNormal();
  modal->raise();
  modal->activateWindow();
}

bool TMainForm::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) {
    // The greeting's dialogs open once the activation itself is over.
    if (created_ && FirstActivation) {
      activated_ = true;
      QTimer::singleShot(0, this, [this] { FirstActivationWhenReady(); });
    }
    BringBackModalDialog();
  }
  return QWidget::event(e);
}

void TMainForm::changeEvent(QEvent* e) {
  if (e->type() == QEvent::WindowStateChange && !isMinimized()) BringBackModalDialog();
  QWidget::changeEvent(e);
}

void TMainForm::showEvent(QShowEvent* e) {
  if (!placed_ && created_) {
    PlaceMainWindow(*this, store_->readText("common", "MainForm", ""));
    placed_ = true;
    // Without a window manager no activation may ever come; the first showing counts.
    activated_ = true;
    QTimer::singleShot(0, this, [this] { FirstActivationWhenReady(); });
  }
  QWidget::showEvent(e);
}

void TMainForm::closeEvent(QCloseEvent* e) {
  if (!created_) {
    e->accept();
    return;
  }
  if (!FormCloseQuery()) {
    e->ignore();
    return;
  }
  FormClose();
  e->accept();
}

}  // namespace blivo
