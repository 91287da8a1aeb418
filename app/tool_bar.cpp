#include "app/tool_bar.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QToolButton>
#include <cstring>

#include "app/board_widgets.h"
#include "platform/embedded_assets.h"

namespace blivo {

const std::array<ToolButtonEntry, 15> kToolButtons = {{
    {"MixBtn", "mix", {4, 4, 25, 25}, ToolKind::Push, &MainTexts::mix},
    {"OptionBtn", "option", {28, 4, 25, 25}, ToolKind::ActsOnPress, &MainTexts::option},
    {"PauseBtn", "pause", {52, 4, 25, 25}, ToolKind::Push, &MainTexts::pause},
    {"soundbtn", "sound", {76, 4, 25, 25}, ToolKind::Toggle, &MainTexts::sound},
    {"MidiBtn", "music", {100, 4, 25, 25}, ToolKind::Toggle, &MainTexts::midi},
    {"HighScoreBtn", "highscore", {124, 4, 25, 25}, ToolKind::Push, &MainTexts::highscore},
    {"ExitBtn", "exit", {148, 4, 25, 25}, ToolKind::Push, &MainTexts::exit},
    {"GrippleBtn", "gripple", {176, 4, 25, 25}, ToolKind::Puzzle, &MainTexts::gripple},
    {"HexagonBtn", "hexagon", {200, 4, 25, 25}, ToolKind::Puzzle, &MainTexts::hexagon},
    {"OktopusBtn", "oktopus", {224, 4, 25, 25}, ToolKind::Puzzle, &MainTexts::oktopus},
    // Two pixels higher than its neighbours.
    {"WeddingBtn", "wedding", {249, 2, 25, 25}, ToolKind::Puzzle, &MainTexts::wedding},
    {"TongueBtn", "tongue", {394, 4, 25, 25}, ToolKind::Push, &MainTexts::tongue},
    {"HelpBtn", "help", {420, 4, 25, 25}, ToolKind::Push, &MainTexts::help},
    {"InfoBtn", "info", {444, 4, 25, 25}, ToolKind::Push, &MainTexts::info},
    {"BlivoBtn", "blivo", {468, 4, 29, 25}, ToolKind::Push, &MainTexts::blivo},
}};

ToolBar::ToolBar(QWidget* window, const Bitmap& clock, std::function<void(int x, int y)> pressedAt) {
  panel_ = new QWidget(window);
  panel_->setObjectName("ToolPanel");
  panel_->setGeometry(0, 0, window->width(), kToolBarHeight);
  panel_->setAutoFillBackground(true);
  QPalette ground = panel_->palette();
  ground.setBrush(QPalette::Window, QPixmap::fromImage(EmbeddedPicture("toolbar")));
  panel_->setPalette(ground);

  puzzleGroup_ = new QButtonGroup(window);
  puzzleGroup_->setExclusive(true);
  int puzzle = 0;
  for (std::size_t i = 0; i < kToolButtons.size(); ++i) {
    const ToolButtonEntry& entry = kToolButtons[i];
    QToolButton* b = nullptr;
    if (entry.kind == ToolKind::ActsOnPress) {
      auto* press = new PressButton(panel_);
      press->onPress = pressedAt;
      b = press;
    } else {
      b = new QToolButton(panel_);
    }
    b->setObjectName(entry.name);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setGeometry(entry.place);
    const QIcon glyph = GlyphIcon(entry.glyph);
    b->setIcon(glyph);
    b->setIconSize(GlyphSize(entry.glyph));
    if (entry.kind == ToolKind::Toggle || entry.kind == ToolKind::Puzzle) b->setCheckable(true);
    if (entry.kind == ToolKind::Puzzle) puzzleGroup_->addButton(b, puzzle++);
    buttons_[i] = b;
  }

  auto* bevel = new QFrame(panel_);
  bevel->setObjectName("Bevel1");
  bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  bevel->setGeometry(kClockBevel);
  auto* tim = new QFrame(panel_);
  tim->setObjectName("tim");
  tim->setGeometry(kClockGround);
  tim->setAutoFillBackground(true);
  QPalette black = tim->palette();
  black.setColor(QPalette::Window, Qt::black);
  tim->setPalette(black);
  timeLabel_ = new QLabel(panel_);
  timeLabel_->setObjectName("TimeLabel");
  timeLabel_->setGeometry(kTimeLabelPlace);
  timeLabel_->setAttribute(Qt::WA_TranslucentBackground);
  timbox_ = new TimBox(panel_, clock);
  timbox_->setObjectName("timbox");
  timbox_->setGeometry(kTimboxPlace);
}

QToolButton* ToolBar::button(const char* name) const {
  for (std::size_t i = 0; i < kToolButtons.size(); ++i)
    if (std::strcmp(kToolButtons[i].name, name) == 0) return buttons_[i];
  return nullptr;
}

QToolButton* ToolBar::puzzleButton(int mode) const { return static_cast<QToolButton*>(puzzleGroup_->button(mode)); }

void ToolBar::ShowTimeCaption(const MainTexts& texts, bool german) {
  timeLabel_->setPixmap(GlyphPixmap(german ? "time-de" : "time-en", timeLabel_->devicePixelRatioF()));
  timeLabel_->setAccessibleName(QString::fromStdString(texts.timeLabel));
}

void ToolBar::ApplyHints(const MainTexts& texts) {
  for (std::size_t i = 0; i < kToolButtons.size(); ++i) {
    const QString hint = QString::fromStdString(texts.*kToolButtons[i].hint);
    buttons_[i]->setToolTip(hint);
    buttons_[i]->setAccessibleName(hint);
    buttons_[i]->setAccessibleDescription(hint);
  }
}

}  // namespace blivo
