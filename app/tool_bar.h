// The tool bar, described once: every button's name, glyph, place, kind and
// hint, read by the code that builds it, by the texts and by the tests.
#pragma once

#include <QRect>
#include <array>
#include <cstddef>
#include <functional>
#include <string>

#include "app/main_texts.h"

class QButtonGroup;
class QLabel;
class QToolButton;
class QWidget;

namespace blivo {

class Bitmap;
class TimBox;

constexpr int kToolBarHeight = 33;

enum class ToolKind {
  Push,         // acts on a click
  ActsOnPress,  // acts on the press itself, with where it was pressed
  Toggle,       // stays down or up, alone in its group
  Puzzle,       // one of the radio group of the four puzzles
};

struct ToolButtonEntry {
  const char* name;
  const char* glyph;
  QRect place;  // in the tool bar
  ToolKind kind;
  std::string MainTexts::*hint;
};

// Left to right.
extern const std::array<ToolButtonEntry, 15> kToolButtons;

// The clock's controls in the tool bar.
constexpr QRect kClockBevel{275, 4, 120, 26};
constexpr QRect kClockGround{276, 5, 117, 24};
constexpr QRect kTimeLabelPlace{280, 12, 33, 16};
constexpr QRect kTimboxPlace{312, 7, 77, 20};

class ToolBar {
 public:
  // Builds the panel with every button and the clock on window. pressedAt is
  // what a button that acts on the press calls.
  ToolBar(QWidget* window, const Bitmap& clock, std::function<void(int x, int y)> pressedAt);

  QWidget* panel() const { return panel_; }
  QToolButton* button(const char* name) const;
  QToolButton* button(std::size_t index) const { return buttons_[index]; }
  // The puzzle buttons in puzzle order.
  QToolButton* puzzleButton(int mode) const;
  QButtonGroup* puzzleGroup() const { return puzzleGroup_; }
  QLabel* timeLabel() const { return timeLabel_; }
  TimBox* timbox() const { return timbox_; }

  // Every button's hint as its tooltip and as what a screen reader says of it.
  void ApplyHints(const MainTexts& texts);
  // The clock's caption, a picture of its text ("Zeit:" or "Time:"), which a
  // screen reader reads as the text.
  void ShowTimeCaption(const MainTexts& texts, bool german);

 private:
  QWidget* panel_;
  std::array<QToolButton*, kToolButtons.size()> buttons_{};
  QButtonGroup* puzzleGroup_;
  QLabel* timeLabel_;
  TimBox* timbox_;
};

}  // namespace blivo
