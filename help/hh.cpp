#include "help/hh.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <memory>
#include <thread>

#include "help/help_process.h"
#include "help/hh_funcs.h"
#include "platform/paths.h"

namespace blivo {

bool _hhInstalled = false;
std::string _hhVerStr;

namespace {

constexpr const char* kNotInstalled = "MS Html Help is not installed on this PC.";

HelpHandler applicationHelp;
HtmlHelpEntry replacedEntry;
std::string programFolder;
// The viewer program once it is "loaded": found beside the game and runnable.
std::string loadedViewer;
std::unique_ptr<HelpViewerProcess> viewer;
std::string viewerReport;
MessageBoxFn messageBox;

std::string Trimmed(std::string text) {
  for (std::size_t at; (at = text.find("%20")) != std::string::npos;) text.replace(at, 3, " ");
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Our viewer: a program of its own, asked through its standard input. The
// window it names is its process.
HelpWindow ViewerEntry(HelpWindow, const std::string& path, int command, std::intptr_t data) {
  if (command == HH_CLOSE_ALL) {
    viewer.reset();  // closes it, with a bounded wait
    return 0;
  }
  if (command != HH_HELP_CONTEXT) return 0;
  if (!viewer) {
    viewer = std::make_unique<HelpViewerProcess>(QString::fromStdString(loadedViewer));
    viewer->setReportFile(QString::fromStdString(viewerReport));
  }
  // A window definition after ">" means nothing to our viewer.
  if (!viewer->Show(path.substr(0, path.find('>')), static_cast<int>(data))) return 0;
  return static_cast<HelpWindow>(viewer->processId());
}

void BringToFront(HelpWindow window) {
  if (viewer && window == static_cast<HelpWindow>(viewer->processId())) viewer->Raise();
}

HtmlHelpEntry Entry() {
  if (replacedEntry) return replacedEntry;
  if (loadedViewer.empty()) return {};
  return ViewerEntry;
}

}  // namespace

void InitHelpControl() {
  _hhVerStr = GetFileVersionString(LocateHelpControl()).text;
  _hhInstalled = !_hhVerStr.empty();
}

std::string LocateHelpControl() {
  std::string folder = programFolder;
  if (folder.empty()) folder = HelpStartupValues().moduleDir;
  if (folder.empty()) folder = ExecutableFolder();
  return HelpViewerPath(folder);
}

void SetHelpProgramFolder(const std::string& folder) { programFolder = folder; }

void LoadHelpLibrary() {
  if (!loadedViewer.empty()) return;
  const std::string program = LocateHelpControl();
  if (QFileInfo(QString::fromStdString(program)).isExecutable()) loadedViewer = program;
}

void UnloadHelpLibrary() {
  viewer.reset();
  loadedViewer.clear();
}

bool HelpLibraryLoaded() { return !loadedViewer.empty(); }

void CloseAllHelp() {
  const HtmlHelpEntry entry = Entry();
  if (!entry) return;
  entry(0, "", HH_CLOSE_ALL, 0);
  std::this_thread::yield();
}

void SetHtmlHelpEntry(HtmlHelpEntry entry) { replacedEntry = std::move(entry); }

std::int64_t HelpViewerProcessId() { return viewer ? viewer->processId() : 0; }

void SetHelpViewerReport(const std::string& file) { viewerReport = file; }

void SetApplicationHelpHandler(HelpHandler handler) { applicationHelp = std::move(handler); }
HelpHandler ApplicationHelpHandler() { return applicationHelp; }

void ApplicationHelpContext(int contextId) {
  bool callHelp = true;
  if (applicationHelp) applicationHelp(HELP_CONTEXT, contextId, callHelp);
}

std::string HelpCommandName(int command) {
  const char* name = "??";
  switch (command) {
    case 1: name = "HELP_CONTEXT"; break;
    case 2: name = "HELP_QUIT"; break;
    case 3: name = "HELP_INDEX or HELP_CONTENTS"; break;
    case 4: name = "HELP_HELPONHELP"; break;
    case 5: name = "HELP_SETINDEX or HELP_SETCONTENTS"; break;
    case 8: name = "HELP_CONTEXTPOPUP"; break;
    case 9: name = "HELP_FORCEFILE"; break;
    case 10: name = "HELP_CONTEXTMENU"; break;
    case 11: name = "HELP_FINDER"; break;
    case 12: name = "HELP_WM_HELP"; break;
    case 13: name = "HELP_SETPOPUP_POS"; break;
    case 257: name = "HELP_KEY"; break;
    case 258: name = "HELP_COMMAND"; break;
    case 261: name = "HELP_PARTIALKEY"; break;
    case 513: name = "HELP_MULTIKEY"; break;
    case 515: name = "HELP_SETWINPOS"; break;
  }
  return std::string(name) + " (" + std::to_string(command) + ")";
}

void SetHelpMessageBox(MessageBoxFn box) { messageBox = std::move(box); }

THookHelpSystem::THookHelpSystem(std::string chmFile, std::string winDef, std::uint8_t mode)
    : chmFile_(std::move(chmFile)), winDef_(std::move(winDef)), mode_(mode) {
  previousOnHelp_ = ApplicationHelpHandler();
  SetApplicationHelpHandler([this](int command, std::intptr_t data, bool& callHelp) {
    return HelpHook(command, data, callHelp);
  });
  DebugLog("THookHelpSystem.Create(\"%s\",\"%s\", %d)", chmFile_.c_str(), winDef_.c_str(), static_cast<int>(mode_));
}

THookHelpSystem::~THookHelpSystem() {
  if (mode_ == 0) CloseAllHelp();
  SetApplicationHelpHandler(previousOnHelp_);
  DebugLog("THookHelpSystem.Destroy");
}

bool THookHelpSystem::HelpHook(int command, std::intptr_t data, bool& callHelp) {
  DebugLog("THookHelpSystem.HelpHook(%s, %d)", HelpCommandName(command).c_str(), static_cast<int>(data));
  callHelp = false;
  if (command == HELP_CONTEXT || command == HELP_CONTEXTPOPUP)
    ShowTopic(static_cast<int>(data));
  else if (command != HELP_SETPOPUP_POS)
    callHelp = true;
  return true;
}

void THookHelpSystem::ShowTopic(int id) { HHShowError(HHHelpContext(chmFile_, id, winDef_, mode_)); }

int HHHelpContext(const std::string& file, int id, const std::string& winDef, int mode) {
  DebugLog("HHHelpContext(\"%s\", %d, \"%s\", %d)", file.c_str(), id, winDef.c_str(), mode);
  std::string path = Trimmed(file);
  const std::string window = Trimmed(winDef);
  if (!window.empty()) path += ">" + window;
  return ShowContext(path, id, mode);
}

int ShowContext(const std::string& path, int id, int mode) {
  DebugLog("ShowContext(\"%s\", %d)", path.c_str(), mode);
  int result = 0;
  const HtmlHelpEntry entry = Entry();
  // A viewer with a version that cannot be run counts as none.
  if (!_hhInstalled || !entry) {
    result = 1;
  } else if (mode == 0) {
    // The desktop owns the help window (0), as on the system we follow.
    if (const HelpWindow window = entry(0, path, HH_HELP_CONTEXT, id)) BringToFront(window);
  }
  DebugLog("  returned - %d", result);
  return result;
}

void HHShowError(int code) {
  if (code == 0) return;
  const std::string text = code == 1 ? kNotInstalled : "";
  if (messageBox) {
    messageBox(text);
  } else {
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), QString::fromStdString(text), QMessageBox::Ok);
    box.exec();
  }
  DebugLog("HHShowError(%d), \"%s\"", code, text.c_str());
}

}  // namespace blivo
