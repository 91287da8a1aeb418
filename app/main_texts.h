// Every hint and caption of the main window, in German and English.
#pragma once

#include <string>

namespace blivo {

struct MainTexts {
  std::string mix, option, pause, sound, midi, highscore, exit;
  std::string gripple, hexagon, oktopus, wedding;
  std::string timeLabel, tongue, help, info, blivo;
  std::string rules;  // lines separated by a carriage return
  std::string caption;
};

MainTexts MainWindowTexts(bool german, int puzzleMode, bool soundOn, bool musicOn);

}  // namespace blivo
