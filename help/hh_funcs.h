// Start-up values of the help layer and the diagnostic log that traces it.
// The log writes only in debug mode: a file "debug.debug" beside the program,
// or "-debug" / "/debug" on the command line.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace blivo {

struct FileVersion {
  unsigned major = 0, minor = 0, release = 0, build = 0;
  std::string text;  // "major.minor.release.build", empty when there is none
};

// The version record a program file carries (platform/file_version.h); all
// zero and empty for a file without one, or no file.
FileVersion GetFileVersionString(const std::string& file);

// Release names of the help viewer and the browser control by version.
std::string HelpFriendlyVersion(const FileVersion& v);
std::string BrowserFriendlyVersion(const FileVersion& v);

class TDLogFile {
 public:
  struct Header {
    std::vector<std::string> lines;  // as WriteLine takes them
  };

  TDLogFile(std::string fileName, bool appendMode, bool headerDump, bool timeStamp, bool debugMode,
            Header header = {});

  // Writes one line whatever the mode: opened, written, flushed and closed.
  void WriteText(const std::string& text);
  void DebugText(const std::string& text) {
    if (debugMode_) WriteText(text);
  }

  const std::string& fileName() const { return fileName_; }
  bool debugMode() const { return debugMode_; }

 private:
  void WriteHeader();

  std::string fileName_;
  bool appendMode_, headerDump_, timeStamp_, debugMode_;
  Header header_;
};

struct StartupValues {
  std::string modulePath, moduleDir, moduleName, runDir, logFolder;
  bool debugMode = false;
  std::vector<std::string> arguments;  // after the program's own name
};

bool DebugModeWanted(const std::string& moduleDir, const std::vector<std::string>& arguments);

// Before any window: the values, the log (an old one is deleted), debug mode.
// commandLine: the program and its arguments as the program received them.
void InitHelpFunctions(const std::vector<std::string>& commandLine);
void DoneHelpFunctions();
const StartupValues& HelpStartupValues();

// Printf-like; with no arguments the text is taken as it is.
void DebugLogText(const std::string& text);
template <class... Args>
void DebugLog(const char* format, Args... args) {
  if constexpr (sizeof...(Args) == 0) {
    DebugLogText(format);
  } else {
    const int size = std::snprintf(nullptr, 0, format, args...);
    std::string text(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
    if (size > 0) std::snprintf(text.data(), text.size() + 1, format, args...);
    DebugLogText(text);
  }
}

}  // namespace blivo
