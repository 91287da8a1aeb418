// Every path the game reads or writes is computed here.
#pragma once

#include <string>

namespace blivo {

// The running program's own file, in full, as the system resolves it.
std::string ExecutablePath();
// Folder of the running executable, with a trailing separator.
std::string ExecutableFolder();
// The system's folder for temporary files, without a trailing separator.
std::string TempFolder();
// True when a probe file ("$_Temp_$.$$$") can be made in folder and removed again.
bool FolderWritable(const std::string& folder);

// The per-user settings file: $XDG_CONFIG_HOME/BlivoGames/BlivoTurnix/V1.ini.
std::string SettingsFilePath();
// The General MIDI sound font the music is played with; empty if none is installed.
std::string SoundFontPath();

// Beside the program: the help viewer, and the file whose presence asks for debug mode.
std::string HelpViewerPath(const std::string& programFolder);
std::string DebugMarkerPath(const std::string& programFolder);
// The debug log: beside the program where that folder is writable, else in the temporary folder.
std::string LogFilePath(const std::string& programFolder);

}  // namespace blivo
