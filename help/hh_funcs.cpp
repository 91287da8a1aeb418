#include "help/hh_funcs.h"

#include <sys/utsname.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <cstring>
#include <tuple>

#include "help/hh.h"
#include "platform/file_version.h"
#include "platform/paths.h"
#include "platform/system_locale.h"

namespace blivo {

namespace {

std::string TrimSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return TrimSlashes(path.substr(0, slash + 1));
}

std::unique_ptr<TDLogFile> LogFile;
StartupValues Startup;

using Tuple = std::tuple<unsigned, unsigned, unsigned, unsigned>;
Tuple AsTuple(const FileVersion& v) { return {v.major, v.minor, v.release, v.build}; }

FileVersion Parse(const std::string& text) {
  FileVersion v;
  if (std::sscanf(text.c_str(), "%u.%u.%u.%u", &v.major, &v.minor, &v.release, &v.build) == 4) v.text = text;
  return v;
}

std::string Hex4(unsigned value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%04X", value);
  return buffer;
}

// The system keeps the module's name in at most this many characters; the
// header shows no more of it (the game itself uses the whole path).
constexpr std::size_t kModulePathShown = 300;

// A command line as one text, each word quoted where it needs to be to read back.
std::string Quoted(const std::string& word) {
  if (!word.empty() && word.find_first_of(" \t\"") == std::string::npos) return word;
  std::string quoted = "\"";
  for (char c : word) {
    if (c == '"') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

}  // namespace

FileVersion GetFileVersionString(const std::string& file) {
  if (file.empty()) return {};
  const auto version = ReadProgramVersion(file);
  if (!version) return {};
  FileVersion v{version->major, version->minor, version->release, version->build, {}};
  v.text = std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(v.release) + "." +
           std::to_string(v.build);
  return v;
}

std::string HelpFriendlyVersion(const FileVersion& v) {
  if (v.text.empty()) return "";
  const Tuple t = AsTuple(v);
  if (t > Tuple{5, 2, 3669, 0}) return "> 1.4a";
  if (t == Tuple{5, 2, 3669, 0}) return "1.4a";
  const std::pair<Tuple, const char*> kAtLeast[] = {
      {{5, 2, 3626, 0}, "1.4"},   {{4, 74, 9273, 0}, "1.33"}, {{4, 74, 8857, 0}, "1.32"}, {{4, 74, 8793, 0}, "1.31"},
      {{4, 74, 8702, 0}, "1.3"},  {{4, 73, 8561, 0}, "1.22"}, {{4, 73, 8474, 0}, "1.21a"}, {{4, 73, 8412, 0}, "1.21"},
      {{4, 73, 8252, 0}, "1.2"},  {{4, 72, 8164, 0}, "1.1b"}, {{4, 72, 7325, 0}, "1.1a"}, {{4, 72, 7323, 0}, "1.1"},
      {{4, 72, 7290, 0}, "1.0"},
  };
  for (const auto& [at, name] : kAtLeast)
    if (t >= at) return name;
  return "< 1.0";
}

std::string BrowserFriendlyVersion(const FileVersion& v) {
  if (v.text.empty()) return "";
  if (v.major >= 7) return ">= Internet Explorer " + v.text;
  const std::pair<Tuple, const char*> kAtLeast[] = {
      {{6, 0, 3790, 0}, "Internet Explorer 6 (Windows Server 2003)"},
      {{6, 0, 3718, 0}, "Internet Explorer 6 (Windows Server 2003 RC2)"},
      {{6, 0, 3663, 0}, "Internet Explorer 6 (Windows Server 2003 RC1)"},
      {{6, 0, 2900, 2180}, "Internet Explorer 6 (Windows XP SP2)"},
      {{6, 0, 2800, 1106}, "Internet Explorer 6 SP1"},
      {{6, 0, 2712, 300}, "Internet Explorer 6 (Windows XP + minor update)"},
      {{6, 0, 2600, 0}, "Internet Explorer 6 (Windows XP)"},
      {{6, 0, 2479, 6}, "Internet Explorer 6 Public Preview (Beta) Refresh"},
      {{6, 0, 2462, 0}, "Internet Explorer 6 Public Preview (Beta)"},
      {{5, 50, 4807, 2300}, "Internet Explorer 5.5 Service Pack 2"},
      {{5, 50, 4522, 1800}, "Internet Explorer 5.5 Service Pack 1"},
      {{5, 50, 4308, 2900}, "Internet Explorer 5.5 Advanced Security Privacy Beta"},
      {{5, 50, 4134, 600}, "Internet Explorer 5.5"},
      {{5, 50, 4134, 100}, "Internet Explorer 5.5 for Windows Me (4.90.3000)"},
      {{5, 50, 4030, 2400}, "Internet Explorer 5.5 & Internet Tools Beta"},
      {{5, 50, 3825, 1300}, "Internet Explorer 5.5 Developer Preview"},
      {{5, 0, 2919, 6307}, "Internet Explorer 5.01"},
      {{5, 0, 2919, 3800}, "Internet Explorer 5.01 (Windows 2000 RC2, build 5.00.2128)"},
      {{5, 0, 2919, 800}, "Internet Explorer 5.01 (Windows 2000 RC1, build 5.00.2072)"},
      {{5, 0, 2721, 1400}, "Internet Explorer 5.0 updated"},
      {{5, 0, 2614, 0}, "Internet Explorer 5.0b"},
      {{5, 0, 2314, 0}, "Internet Explorer 5.0a"},
      {{5, 0, 2014, 0}, "Internet Explorer 5.0"},
      {{5, 0, 910, 0}, "Internet Explorer 5 Beta (Beta 2)"},
      {{5, 0, 518, 0}, "Internet Explorer 5 Developer Preview (Beta 1)"},
      {{4, 72, 3612, 0}, "Internet Explorer 4.01 Service Pack 2 (SP2)"},
      {{4, 72, 3110, 0}, "Internet Explorer 4.01 Service Pack 1 (SP1)"},
      {{4, 72, 2106, 0}, "Internet Explorer 4.01"},
      {{4, 71, 1712, 0}, "Internet Explorer 4.0"},
      {{4, 71, 1008, 0}, "Internet Explorer 4.0 Platform Preview 2.0 (PP2)"},
      {{4, 71, 544, 0}, "Internet Explorer 4.0 Platform Preview 1.0 (PP1)"},
      {{4, 70, 1300, 0}, "Internet Explorer 3.02"},
      {{4, 70, 1215, 0}, "Internet Explorer 3.01"},
      {{4, 70, 1158, 0}, "Internet Explorer 3.0 (OSR2)"},
      {{4, 70, 1155, 0}, "Internet Explorer 3.0"},
      {{4, 40, 520, 0}, "Internet Explorer 2.0"},
      {{4, 40, 308, 0}, "Internet Explorer 1.0 (Plus!)"},
  };
  const Tuple t = AsTuple(v);
  for (const auto& [at, name] : kAtLeast)
    if (t >= at) return name;
  return "< Internet Explorer 1.0 (Plus!)";
}

TDLogFile::TDLogFile(std::string fileName, bool appendMode, bool headerDump, bool timeStamp, bool debugMode,
                     Header header)
    : fileName_(std::move(fileName)),
      appendMode_(appendMode),
      headerDump_(headerDump),
      timeStamp_(timeStamp),
      debugMode_(debugMode),
      header_(std::move(header)) {
  if (fileName_.empty()) fileName_ = LogFilePath(Startup.moduleDir);
  const std::string folder = FolderOf(fileName_);
  if (!QFileInfo(QString::fromStdString(folder)).isDir() || !FolderWritable(folder))
    fileName_ = TempFolder() + "/" + QFileInfo(QString::fromStdString(fileName_)).fileName().toStdString();
  QFile file(QString::fromStdString(fileName_));
  // A log left read-only is replaced all the same.
  if (file.exists()) file.setPermissions(file.permissions() | QFile::WriteOwner);
  WriteHeader();
}

void TDLogFile::WriteHeader() {
  QFile file(QString::fromStdString(fileName_));
  if (file.exists() && !appendMode_) file.remove();
  if (!debugMode_ || !headerDump_) return;
  for (const std::string& line : header_.lines) WriteText(line);
}

void TDLogFile::WriteText(const std::string& given) {
  QFile file(QString::fromStdString(fileName_));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return;
  std::string text = given;
  if (text == "-") text = std::string(80, '-');
  if (text == "=") text = std::string(80, '=');
  std::string prefix;
  if (timeStamp_) prefix = LongTime(QLocale::system(), QTime::currentTime()).toStdString() + "   ";
  if (!text.empty() && (text[0] == '!' || text[0] == '-' || text[0] == '=')) {
    // Header and separator lines go in without the time.
    text.erase(0, 1);
    prefix.clear();
  }
  file.write((prefix + text + "\n").c_str());
  file.flush();
  file.close();
}

bool DebugModeWanted(const std::string& moduleDir, const std::vector<std::string>& arguments) {
  if (QFileInfo::exists(QString::fromStdString(DebugMarkerPath(moduleDir)))) return true;
  for (const std::string& a : arguments) {
    const QString word = QString::fromStdString(a);
    if (word.compare("/debug", Qt::CaseInsensitive) == 0 || word.compare("-debug", Qt::CaseInsensitive) == 0)
      return true;
  }
  return false;
}

namespace {

TDLogFile::Header MakeHeader(const std::string& logFile, const std::vector<std::string>& argv) {
  const StartupValues& s = Startup;
  TDLogFile::Header h;
  auto line = [&](const std::string& format, const std::string& value) {
    const auto at = format.find("%s");
    h.lines.push_back(format.substr(0, at) + "\t" + value + format.substr(at + 2));
  };
  utsname system{};
  uname(&system);
  unsigned major = 0, minor = 0, build = 0;
  std::sscanf(system.release, "%u.%u.%u", &major, &minor, &build);
  const QLocale locale = QLocale::system();
  const unsigned lcid = WindowsLocaleId(locale);
  const unsigned primary = PrimaryLanguageId(lcid);
  const unsigned sub = SubLanguageId(lcid);
  auto number = [](unsigned v) { return Hex4(v) + " (" + std::to_string(v) + ")"; };
  std::string joined, raw;
  for (std::size_t i = 0; i < argv.size(); ++i) {
    raw += (i ? " " : "") + Quoted(argv[i]);
    if (i > 0) joined += (i > 1 ? " | " : "") + argv[i];
  }
  const FileVersion help = GetFileVersionString(s.modulePath);
  h.lines.push_back("=");
  line("!Log File:             %s", logFile);
  line("!Date:                 %s", ShortDateLongTime(locale, QDateTime::currentDateTime()).toStdString());
  h.lines.push_back("!Operating System:      \t" + std::string(system.sysname) + " " + std::to_string(major) + "." +
                    std::to_string(minor) + " (Build " + std::to_string(build) + ") " + system.version);
  h.lines.push_back("!SysLocale.DefaultLCID: \t" + number(lcid));
  h.lines.push_back("!SysLocale.PriLangID:   \t" + number(primary));
  h.lines.push_back("!SysLocale.SubLangID:   \t" + number(sub));
  line("!DecimalSeparator:      %s", locale.decimalPoint().toStdString());
  h.lines.push_back("-");
  line("!EXE Path =          %s", argv.empty() ? "" : argv[0]);
  line("!EXE Version =       %s", GetFileVersionString(argv.empty() ? "" : argv[0]).text);
  line("!Cmdline Param(s) =  %s", joined);
  line("!Actual CmdLine =  %s", raw);
  line("!_RunDir =           %s", s.runDir);
  line("!_ModuleName =       %s", s.moduleName);
  line("!_ModuleDir =        %s", s.moduleDir);
  line("!_ModulePath =        %s", s.modulePath.substr(0, kModulePathShown));
  line("!Module Version =       %s", help.text);
  h.lines.push_back("-");
  line("!_hhInstalled =      %s", _hhInstalled ? "YES" : "NO");
  line("!_hhVerStr =         %s", _hhVerStr);
  line("!_hhFriendlyVerStr = %s", HelpFriendlyVersion(Parse(_hhVerStr)));
  h.lines.push_back("-");
  // There is no web browser control on this system; the help viewer needs none.
  line("!_ieInstalled =      %s", "NO");
  line("!_ieVerStr =         %s", "");
  line("!_ieFriendlyVerStr = %s", "");
  h.lines.push_back("=");
  return h;
}

}  // namespace

void InitHelpFunctions(const std::vector<std::string>& args) {
  Startup = {};
  Startup.modulePath = ExecutablePath();
  Startup.moduleDir = FolderOf(Startup.modulePath);
  Startup.moduleName = Startup.modulePath.substr(Startup.modulePath.rfind('/') + 1);
  Startup.runDir = args.empty() ? "." : FolderOf(args[0]);
  Startup.arguments.assign(args.begin() + std::min<std::size_t>(1, args.size()), args.end());
  const std::string logFile = LogFilePath(Startup.moduleDir);
  Startup.logFolder = FolderOf(logFile);
  Startup.debugMode = DebugModeWanted(Startup.moduleDir, Startup.arguments);
  InitHelpControl();
  LogFile = std::make_unique<TDLogFile>(logFile, false, true, true, Startup.debugMode, MakeHeader(logFile, args));
}

void DoneHelpFunctions() {
  LogFile.reset();
  Startup = {};
}

const StartupValues& HelpStartupValues() { return Startup; }

void DebugLogText(const std::string& text) {
  if (LogFile) LogFile->DebugText(text);
}

}  // namespace blivo
