// The help layer: takes the program's help requests and shows the topics of
// the compiled help file in the help viewer, tracing every step in the log.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace blivo {

// Viewer commands.
constexpr int HH_HELP_CONTEXT = 15;
constexpr int HH_CLOSE_ALL = 18;

// Help requests of the program.
constexpr int HELP_CONTEXT = 1;
constexpr int HELP_CONTEXTPOPUP = 8;
constexpr int HELP_SETPOPUP_POS = 13;

extern bool _hhInstalled;
extern std::string _hhVerStr;

// Finds the viewer and notes whether it is there (start-up, before any window).
void InitHelpControl();
std::string LocateHelpControl();
void LoadHelpLibrary();
void UnloadHelpLibrary();
bool HelpLibraryLoaded();
void CloseAllHelp();

// The help viewer is a program of its own beside the game; the game never
// opens the help file itself. Its version record stands for the viewer's
// version (platform/file_version.h).
inline constexpr char kHelpViewerProgram[] = "blivoturnix-help";
// The folder the viewer is looked for in: the running program's own, unless
// replaced (tests); empty restores it.
void SetHelpProgramFolder(const std::string& folder);

// A help window as the viewer names it; 0 for none.
using HelpWindow = std::intptr_t;
// The viewer's entry point: shows a topic (HH_HELP_CONTEXT) and returns its
// window, or closes every help window (HH_CLOSE_ALL).
using HtmlHelpEntry = std::function<HelpWindow(HelpWindow owner, const std::string& path, int command, std::intptr_t data)>;
// Replaces the viewer, for whoever needs another one (tests); null restores ours.
void SetHtmlHelpEntry(HtmlHelpEntry entry);
// The process of our viewer while it runs, else 0 (tests, diagnostics).
std::int64_t HelpViewerProcessId();
// A file our viewer's reports of what it shows are added to (tests); empty: none.
void SetHelpViewerReport(const std::string& file);

// The program's help handler: returns true when handled; callHelp says
// whether the program's own help processing should still run.
using HelpHandler = std::function<bool(int command, std::intptr_t data, bool& callHelp)>;
void SetApplicationHelpHandler(HelpHandler handler);
HelpHandler ApplicationHelpHandler();
// A HELP_CONTEXT request of the program, as the help button makes it.
void ApplicationHelpContext(int contextId);

std::string HelpCommandName(int command);

// Error message shown for a code; 0 shows nothing.
using MessageBoxFn = std::function<void(const std::string&)>;
void SetHelpMessageBox(MessageBoxFn box);

class THookHelpSystem {
 public:
  THookHelpSystem(std::string chmFile, std::string winDef, std::uint8_t mode);
  ~THookHelpSystem();

  bool HelpHook(int command, std::intptr_t data, bool& callHelp);
  void ShowTopic(int id);

 private:
  std::string chmFile_;
  std::string winDef_;
  std::uint8_t mode_;
  HelpHandler previousOnHelp_;
};

int HHHelpContext(const std::string& file, int id, const std::string& winDef, int mode);
int ShowContext(const std::string& path, int id, int mode);
void HHShowError(int code);

}  // namespace blivo
