// The dialogs the main window shows, as calls it can make. Until a dialog is
// built, its call does the least: a question answers yes, the rest show nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace blivo {

constexpr int kModalOk = 1;
constexpr int kModalCancel = 2;

struct Dialogs {
  std::function<int()> newGame;                  // give up the running game?
  std::function<int()> endGame;                  // quit the program?
  std::function<void()> done;                    // the puzzle is solved
  std::function<void()> pause;                   // game paused
  std::function<void(std::int32_t)> highscore;   // list of ScoreListKey; 0 only shows it
  std::function<void()> tongue;                  // language choice
  std::function<void()> info;                    // about the game
  std::function<void()> splash;                  // greeting at start
  std::function<void(const std::string&)> errorBox;  // modal error message
};

Dialogs PlaceholderDialogs();

}  // namespace blivo
