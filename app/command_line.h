// What the program answers on its command line without starting the game:
// --help and --version print a short text and end; anything else ("-debug",
// "/debug", options of the toolkit, words it does not know) starts the game.
#pragma once

#include <string>
#include <vector>

namespace blivo {

enum class CommandLineRequest { StartGame, ShowHelp, ShowVersion };

// The first of --help and --version among the parameters after the program decides.
CommandLineRequest ReadCommandLine(const std::vector<std::string>& commandLine);

std::string HelpText();
std::string VersionText();

}  // namespace blivo
