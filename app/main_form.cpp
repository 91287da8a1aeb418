#include "app/main_form.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QToolButton>
#include <QUrl>
#include <chrono>
#include <cstdio>

#include "app/board_widgets.h"
#include "app/clock_display.h"
#include "app/common_settings.h"
#include "app/main_texts.h"
#include "app/program_state.h"
#include "dialogs/chiffre.h"
#include "help/hh.h"
#include "platform/open_link.h"
#include "platform/paths.h"
#include "platform/picture_file.h"
#include "platform/ticks.h"
#include "puzzles/current_puzzle.h"
#include "puzzles/hexagon.h"
#include "puzzles/wedding.h"

namespace blivo {

namespace {

constexpr int kToolBarHeight = 33;
constexpr const char* kCaption = "Blivo Turnix V1.6";
constexpr const char* kMakerSite = "https://blivogames.example/";

constexpr bool kOptionAvailable[kPuzzleCount] = {false, true, false, true};

// Board coordinates of the rectangle whose tooltip carries the rules.
constexpr QRect kRulesShapeBounds[kPuzzleCount] = {
    {300, 245, 183, 74}, {415, 10, 70, 310}, {390, 10, 96, 204}, {335, 288, 152, 36}};

constexpr const char* kSoundFiles[] = {"solved.wav", "hexagon.wav", "oktopus.wav", "gripple.wav",
                                       "wedding.wav"};

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.c_str()); }

}  // namespace

TMainForm::TMainForm(Options options) : options_(std::move(options)) {
  setObjectName("MainForm");
  setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowTitleHint);
  QFont font("Liberation Sans");
  font.setPixelSize(13);
  setFont(font);
  timer_.setInterval(200);
  connect(&timer_, &QTimer::timeout, this, [this] { TimerTimer(); });
  BuildToolBar();
  FormCreate();
}

TMainForm::~TMainForm() {
  timer_.stop();
  if (created_) {
    if (placed_) WriteWindowPlacement();
    FormDestroy();
  }
  if (BoardScreen.shown) BoardScreen.shown = nullptr;
  SetPuzzleHost(nullptr);
}

void TMainForm::FormCreate() {
  ProgramFolder = options_.programFolder.empty() ? ExecutableFolder() : options_.programFolder;
  if (ProgramFolder.back() != '/') ProgramFolder += '/';
  ScoreCipher.Setup("", 0);
  Randomize(static_cast<std::uint32_t>(
      std::chrono::system_clock::now().time_since_epoch().count()));
  setFixedSize(kBoardWidth, kToolBarHeight + kBoardHeight);
  LoadGlyphs();
  helpSystem_ = std::make_unique<THookHelpSystem>(ProgramFolder + "tnix.chm", "", 0);

  store_ = std::make_unique<SettingsStore>(SettingsFilePath());
  const CommonSettings settings = ReadCommonSettings(*store_);
  Language = settings.tongue;
  PuzzleMode = static_cast<std::uint8_t>(settings.mode);
  HexagonVariant = settings.hmode;
  WeddingVariant = settings.wmode;
  button("soundbtn")->setChecked(settings.sound);
  button("MidiBtn")->setChecked(settings.music);

  std::string error;
  if (!LoadBackground(PuzzleMode, error)) {
    std::fprintf(stderr, "blivoturnix: %s\n", error.c_str());
    options_.dialogs.errorBox(German() ? "Zuwenig Speicher! Programm wird beendet."
                                       : "Not enough memory! Program aborted.");
    return;
  }
  BoardBitmap = Bitmap(kBoardWidth, kBoardHeight);
  BoardScreen.bitmap = Bitmap(kBoardWidth, kBoardHeight);
  BoardScreen.shown = [this](const Rect& r) { box_->show(r); };
  SetPuzzleHost(this);
  LoadBitmaps();
  LoadSounds();

  puzzleButtons_[PuzzleMode]->setChecked(true);
  for (int m = 0; m < kPuzzleCount; ++m) {
    GameState[m] = Untouched;
    PlayTime[m] = 0;
  }
  PuzzleInit();
  PlaceRulesShape();
  button("OptionBtn")->setEnabled(kOptionAvailable[PuzzleMode]);
  GameState[PuzzleMode] = Ready;
  FirstActivation = true;
  FindMusic();
  ApplyLanguage();
  setWindowTitle(kCaption);
  created_ = true;
  timer_.start();
}

void TMainForm::UseDialogs(const Dialogs& dialogs) {
  const auto errorBox = options_.dialogs.errorBox;
  options_.dialogs = dialogs;
  options_.dialogs.errorBox = errorBox;
}

void TMainForm::FormDestroy() {
  BoardBitmap = Bitmap();
  BackgroundBitmap = Bitmap();
  BoardScreen.bitmap = Bitmap();
}

bool TMainForm::LoadBackground(int mode, std::string& error) {
  Bitmap picture;
  const std::string path = ProgramFolder + PuzzlePictureFile(mode);
  if (!LoadPicture(path, picture, error)) return false;
  const PictureSize need = PuzzlePictureMinimum(mode);
  if (picture.width() < need.width || picture.height() < need.height) {
    error = path + ": the picture is " + std::to_string(picture.width()) + " x " +
            std::to_string(picture.height()) + " pixels, it needs at least " +
            std::to_string(need.width) + " x " + std::to_string(need.height);
    return false;
  }
  BackgroundBitmap = std::move(picture);
  return true;
}

void TMainForm::LoadBitmaps() {
  std::string error;
  if (!LoadPicture(ProgramFolder + "digits.bmp", digitStrip_, error))
    std::fprintf(stderr, "blivoturnix: %s; the clock stays dark\n", error.c_str());
  Bitmap dialog;
  if (LoadPicture(ProgramFolder + "dialog.bmp", dialog, error))
    dialogBackground_ = ImageOf(dialog).copy();
  else
    std::fprintf(stderr, "blivoturnix: %s\n", error.c_str());
  clockBitmap_ = Bitmap(kTimboxWidth, kTimboxHeight);
}

void TMainForm::LoadGlyphs() {
  const QString folder = QString::fromStdString(ProgramFolder) + "glyphs/";
  auto picture = [&](const QString& name) {
    QPixmap pixmap(folder + name + ".png");
    if (pixmap.isNull())
      std::fprintf(stderr, "blivoturnix: %s: cannot read the picture\n",
                   (folder + name + ".png").toLocal8Bit().constData());
    return pixmap;
  };
  for (QToolButton* b : toolPanel_->findChildren<QToolButton*>()) {
    const QPixmap glyph = picture(b->property("glyph").toString());
    b->setIcon(glyph);
    b->setIconSize(glyph.size());
  }
  QPalette panel = toolPanel_->palette();
  const QPixmap bar = picture("toolbar");
  if (!bar.isNull()) panel.setBrush(QPalette::Window, bar);
  toolPanel_->setPalette(panel);
  setWindowIcon(QIcon(picture("icon")));
}

void TMainForm::LoadSounds() {
  std::vector<std::string> files;
  for (const char* name : kSoundFiles) files.push_back(ProgramFolder + "sounds/" + name);
  waves_.load(files);
}

void TMainForm::BuildToolBar() {
  toolPanel_ = new QWidget(this);
  toolPanel_->setObjectName("ToolPanel");
  toolPanel_->setGeometry(0, 0, kBoardWidth, kToolBarHeight);
  toolPanel_->setAutoFillBackground(true);

  AddButton("MixBtn", "mix", 4, 4, 25);
  auto* option = new PressButton(toolPanel_);
  option->onPress = [this](int x, int y) { OptionBtnMouseDown(x, y); };
  AddButton("OptionBtn", "option", 28, 4, 25, option);
  AddButton("PauseBtn", "pause", 52, 4, 25);
  AddButton("soundbtn", "sound", 76, 4, 25)->setCheckable(true);
  AddButton("MidiBtn", "music", 100, 4, 25)->setCheckable(true);
  AddButton("HighScoreBtn", "highscore", 124, 4, 25);
  AddButton("ExitBtn", "exit", 148, 4, 25);
  puzzleGroup_ = new QButtonGroup(this);
  puzzleGroup_->setExclusive(true);
  const char* names[kPuzzleCount] = {"GrippleBtn", "HexagonBtn", "OktopusBtn", "WeddingBtn"};
  const char* glyphs[kPuzzleCount] = {"gripple", "hexagon", "oktopus", "wedding"};
  const int lefts[kPuzzleCount] = {176, 200, 224, 249};
  for (int m = 0; m < kPuzzleCount; ++m) {
    // The Wedding button sits two pixels higher than its neighbours.
    QToolButton* b = AddButton(names[m], glyphs[m], lefts[m], m == Wedding ? 2 : 4, 25);
    b->setCheckable(true);
    puzzleGroup_->addButton(b, m);
    puzzleButtons_[m] = b;
  }
  connect(puzzleGroup_, &QButtonGroup::idClicked, this, [this](int m) { SelectPuzzle(m); });
  AddButton("TongueBtn", "tongue", 394, 4, 25);
  AddButton("HelpBtn", "help", 420, 4, 25);
  AddButton("InfoBtn", "info", 444, 4, 25);
  AddButton("BlivoBtn", "blivo", 468, 4, 29);

  auto* bevel = new QFrame(toolPanel_);
  bevel->setObjectName("Bevel1");
  bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  bevel->setGeometry(275, 4, 120, 26);
  auto* tim = new QFrame(toolPanel_);
  tim->setObjectName("tim");
  tim->setGeometry(276, 5, 117, 24);
  tim->setAutoFillBackground(true);
  QPalette black = tim->palette();
  black.setColor(QPalette::Window, Qt::black);
  tim->setPalette(black);
  timeLabel_ = new QLabel(toolPanel_);
  timeLabel_->setObjectName("TimeLabel");
  timeLabel_->setGeometry(280, 12, 33, 16);
  QFont labelFont("Liberation Sans");
  labelFont.setPixelSize(12);
  timeLabel_->setFont(labelFont);
  timeLabel_->setStyleSheet("color: #00ff00; background: transparent;");
  timbox_ = new TimBox(toolPanel_, clockBitmap_);
  timbox_->setObjectName("timbox");
  timbox_->setGeometry(312, 7, kTimboxWidth, kTimboxHeight);

  box_ = new BoardBox(this, BoardScreen.bitmap);
  box_->setObjectName("box");
  box_->setGeometry(0, kToolBarHeight, kBoardWidth, kBoardHeight);
  box_->onPaint = [this] { boxPaint(); };
  box_->onMouseDown = [this](Qt::MouseButton b, int x, int y) { boxMouseDown(b, x, y); };
  box_->tipAt = [this](QPoint p) {
    if (!rulesShape_.contains(p + QPoint(0, kToolBarHeight))) return QString();
    return QString(rulesHint_).replace('\r', '\n');
  };

  connect(button("MixBtn"), &QToolButton::clicked, this, [this] { MixBtnClick(); });
  connect(button("PauseBtn"), &QToolButton::clicked, this, [this] { cClick(); });
  connect(button("soundbtn"), &QToolButton::clicked, this, [this] { SoundBtnClick(); });
  connect(button("MidiBtn"), &QToolButton::clicked, this, [this] { MidiBtnClick(); });
  connect(button("HighScoreBtn"), &QToolButton::clicked, this, [this] { HighScoreBtnClick(); });
  connect(button("ExitBtn"), &QToolButton::clicked, this, [this] { ExitBtnClick(); });
  connect(button("TongueBtn"), &QToolButton::clicked, this, [this] { TongueBtnClick(); });
  connect(button("HelpBtn"), &QToolButton::clicked, this, [this] { HelpBtnClick(); });
  connect(button("InfoBtn"), &QToolButton::clicked, this, [this] { InfoBtnClick(); });
  connect(button("BlivoBtn"), &QToolButton::clicked, this, [this] { BlivoBtnClick(); });
}

QToolButton* TMainForm::AddButton(const char* name, const char* glyph, int left, int top, int width,
                                  QToolButton* b) {
  if (!b) b = new QToolButton(toolPanel_);
  b->setObjectName(name);
  b->setAutoRaise(true);
  b->setFocusPolicy(Qt::NoFocus);
  b->setGeometry(left, top, width, 25);
  b->setProperty("glyph", glyph);
  return b;
}

QToolButton* TMainForm::button(const char* name) const {
  return toolPanel_->findChild<QToolButton*>(name);
}

void TMainForm::PlaceRulesShape() {
  const QRect bounds = kRulesShapeBounds[PuzzleMode];
  rulesShape_ = bounds.translated(0, kToolBarHeight);
}

void TMainForm::SelectPuzzle(int mode) {
  if (mode < 0 || mode >= kPuzzleCount || mode == PuzzleMode) return;
  // Load first, so that a picture that fails leaves the game on the puzzle it had.
  const std::uint8_t previous = PuzzleMode;
  Bitmap kept = std::move(BackgroundBitmap);
  std::string error;
  if (!LoadBackground(mode, error)) {
    BackgroundBitmap = std::move(kept);
    std::fprintf(stderr, "blivoturnix: %s\n", error.c_str());
    puzzleButtons_[previous]->setChecked(true);
    options_.dialogs.errorBox(error);
    return;
  }
  PuzzleMode = static_cast<std::uint8_t>(mode);
  puzzleButtons_[mode]->setChecked(true);
  PlaceRulesShape();
  if (GameState[PuzzleMode] == Untouched) {
    PuzzleInit();
    GameState[PuzzleMode] = Ready;
  } else {
    PuzzlePictureReloaded();
  }
  button("OptionBtn")->setEnabled(kOptionAvailable[PuzzleMode]);
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
  PuzzleDraw();
  timboxPaint();
}

void TMainForm::timboxPaint() {
  ComposeClock(clockBitmap_, digitStrip_, PlayTime[PuzzleMode]);
  if (timbox_->isVisible()) timbox_->repaint();
}

void TMainForm::TimerTimer() {
  MusicUpkeep();
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
  TimerOff();
  if (!AskToGiveUpRunningGame()) {
    TimerOn();
    return;
  }
  PuzzleMix();
  PuzzleDrawAfterMix();
  PlayTime[PuzzleMode] = 0;
  timboxPaint();
  GameState[PuzzleMode] = Ready;
  TimerOn();
}

void TMainForm::OptionBtnMouseDown(int x, int y) {
  TimerOff();
  if (!AskToGiveUpRunningGame()) {
    TimerOn();
    return;
  }
  // A press above the diagonal from top-left to bottom-right asks for the next variant.
  const bool up = x > y;
  if (PuzzleMode == Hexagon)
    HexagonOption(up);
  else if (PuzzleMode == Wedding)
    WeddingOption(up);
  else {
    TimerOn();
    return;
  }
  PlayTime[PuzzleMode] = 0;
  timboxPaint();
  TimerOn();
}

void TMainForm::cClick() {
  if (GameState[PuzzleMode] != Running) return;
  TimerOff();
  options_.dialogs.pause();
  TimerOn();
}

void TMainForm::SoundBtnClick() { ApplyLanguage(); }

void TMainForm::MidiBtnClick() {
  QToolButton* midi = button("MidiBtn");
  if (!midi->isEnabled() || musicFiles_.empty()) return;
  if (midi->isChecked()) {
    midi_.stop();
    midi_.close();
    musicIndex_ = (musicIndex_ + 1) % musicFiles_.size();
    if (midi_.open(musicFiles_[musicIndex_])) midi_.play();
  } else {
    midi_.pause();
  }
  ApplyLanguage();
}

void TMainForm::FindMusic() {
  QDir folder(QString::fromStdString(ProgramFolder));
  const QStringList names = folder.entryList({"*.mid"}, QDir::Files | QDir::Hidden | QDir::System,
                                             QDir::Unsorted);
  musicFiles_.clear();
  for (const QString& name : names) musicFiles_.push_back(folder.filePath(name).toStdString());
  musicIndex_ = 0;
  QToolButton* midi = button("MidiBtn");
  midi->setEnabled(!musicFiles_.empty());
  if (!musicFiles_.empty()) midi_.open(musicFiles_[0]);
}

void TMainForm::MusicUpkeep() {
  QToolButton* midi = button("MidiBtn");
  if (midi->isEnabled() && midi->isChecked() && !midi_.playing()) midi_.play();
}

void TMainForm::HighScoreBtnClick() {
  TimerOff();
  SetScoreListKey();
  options_.dialogs.highscore(0);
  TimerOn();
}

void TMainForm::ExitBtnClick() { close(); }

void TMainForm::InfoBtnClick() {
  TimerOff();
  options_.dialogs.info();
  TimerOn();
}

void TMainForm::TongueBtnClick() {
  // The clock keeps counting while the language is chosen.
  options_.dialogs.tongue();
  ApplyLanguage();
}

void TMainForm::HelpBtnClick() {
  TimerOff();
  ApplicationHelpContext(German() ? 1 : 2);
  TimerOn();
}

void TMainForm::BlivoBtnClick() {
  if (!OpenLink(kMakerSite))
    std::fprintf(stderr, "blivoturnix: no program could open %s\n", kMakerSite);
}

void TMainForm::SetScoreListKey() {
  switch (PuzzleMode) {
    case Gripple: ScoreListKey = "grip"; break;
    case Hexagon: ScoreListKey = "hexa" + std::to_string(HexagonVariant); break;
    case Oktopus: ScoreListKey = "okto"; break;
    case Wedding: ScoreListKey = "wedd" + std::to_string(WeddingVariant); break;
  }
}

void TMainForm::ApplyLanguage() {
  const MainTexts t = MainWindowTexts(German(), PuzzleMode, button("soundbtn")->isChecked(),
                                      button("MidiBtn")->isChecked());
  const std::pair<const char*, const std::string*> hints[] = {
      {"MixBtn", &t.mix},           {"OptionBtn", &t.option},       {"PauseBtn", &t.pause},
      {"soundbtn", &t.sound},       {"MidiBtn", &t.midi},           {"HighScoreBtn", &t.highscore},
      {"ExitBtn", &t.exit},         {"GrippleBtn", &t.gripple},     {"HexagonBtn", &t.hexagon},
      {"OktopusBtn", &t.oktopus},   {"WeddingBtn", &t.wedding},     {"TongueBtn", &t.tongue},
      {"HelpBtn", &t.help},         {"InfoBtn", &t.info},           {"BlivoBtn", &t.blivo},
  };
  for (const auto& [name, text] : hints) button(name)->setToolTip(FromUtf8(*text));
  timeLabel_->setText(FromUtf8(t.timeLabel));
  rulesHint_ = FromUtf8(t.rules);
  setWindowTitle(FromUtf8(t.caption));
}

void TMainForm::playWave(int n) {
  if (button("soundbtn")->isChecked()) waves_.play(n);
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

bool TMainForm::FormCloseQuery() {
  TimerOff();
  const bool close = options_.dialogs.endGame() == kModalOk;
  TimerOn();
  return close;
}

void TMainForm::FormClose() {
  TimerOff();
  helpSystem_.reset();
  CloseAllHelp();
  CommonSettings s;
  s.mode = PuzzleMode;
  s.hmode = HexagonVariant;
  s.wmode = WeddingVariant;
  s.sound = button("soundbtn")->isChecked();
  s.music = button("MidiBtn")->isChecked();
  s.tongue = Language;
  WriteCommonSettings(*store_, s);
  store_->flush();
}

bool TMainForm::event(QEvent* e) {
  // The greeting's dialogs open once the activation itself is over.
  if (e->type() == QEvent::WindowActivate && created_ && FirstActivation)
    QTimer::singleShot(0, this, [this] { FormActivate(); });
  return QWidget::event(e);
}

void TMainForm::showEvent(QShowEvent* e) {
  if (!placed_ && created_) {
    PlaceWindow();
    placed_ = true;
    // Without a window manager no activation may ever come; the first showing counts.
    QTimer::singleShot(0, this, [this] { FormActivate(); });
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

void TMainForm::PlaceWindow() {
  const auto stored = ParseWindowPlacement(store_->readText("common", "MainForm", ""));
  if (stored) {
    // Only where the title bar can be reached on some screen.
    const QRect title(stored->left, stored->top, width(), 30);
    for (QScreen* screen : QGuiApplication::screens()) {
      if (screen->availableGeometry().intersected(title).width() >= 60) {
        move(stored->left, stored->top);
        return;
      }
    }
  }
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
}

void TMainForm::WriteWindowPlacement() {
  const QRect frame = frameGeometry();
  store_->writeText("common", "MainForm",
                    FormatWindowPlacement({frame.left(), frame.top(), frame.left() + frame.width(),
                                           frame.top() + frame.height()}));
  store_->flush();
}

}  // namespace blivo
