// Every path the game reads or writes is computed here.
#pragma once

#include <string>

namespace blivo {

// Folder of the running executable, with a trailing separator.
std::string ExecutableFolder();
// The per-user settings file: $XDG_CONFIG_HOME/BlivoGames/BlivoTurnix/V1.ini.
std::string SettingsFilePath();

// The General MIDI sound font the music is played with; empty if none is installed.
std::string SoundFontPath();

}  // namespace blivo
