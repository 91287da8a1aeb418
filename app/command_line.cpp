#include "app/command_line.h"

namespace blivo {

CommandLineRequest ReadCommandLine(const std::vector<std::string>& commandLine) {
  for (std::size_t i = 1; i < commandLine.size(); ++i) {
    if (commandLine[i] == "--help") return CommandLineRequest::ShowHelp;
    if (commandLine[i] == "--version") return CommandLineRequest::ShowVersion;
  }
  return CommandLineRequest::StartGame;
}

std::string HelpText() {
  return "Usage: blivoturnix [-debug]\n"
         "Four rotation puzzles in one window: Gripple, Hexagon, Oktopus and Wedding.\n"
         "\n"
         "  -debug, /debug  write a trace of the help to HHDebug.txt beside the program,\n"
         "                  or in the temporary folder where that cannot be written\n"
         "  --help          show this text and end\n"
         "  --version       show the version and end\n"
         "\n"
         "Settings and high scores are kept in $XDG_CONFIG_HOME/BlivoGames/BlivoTurnix/V1.ini\n"
         "(~/.config/BlivoGames/BlivoTurnix/V1.ini when XDG_CONFIG_HOME is not set).\n"
         "MIDI files beside the program play as background music.\n";
}

std::string VersionText() { return std::string("Blivo Turnix ") + BLIVO_VERSION + "\n"; }

}  // namespace blivo
