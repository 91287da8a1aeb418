#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace blivo {

namespace {

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

std::string WithTrailingSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace

std::string ExecutablePath() { return QCoreApplication::applicationFilePath().toStdString(); }

std::string ExecutableFolder() { return WithTrailingSlash(QDir(QCoreApplication::applicationDirPath()).absolutePath().toStdString()); }

std::string TempFolder() {
  const QString temp = QDir::tempPath();
  return WithoutTrailingSlashes(QFileInfo(temp).isDir() ? temp.toStdString() : "/");
}

bool FolderWritable(const std::string& folder) {
  QFile probe(QString::fromStdString(WithTrailingSlash(folder) + "$_Temp_$.$$$"));
  if (!probe.open(QIODevice::WriteOnly)) return false;
  probe.close();
  probe.remove();
  return true;
}

std::string SettingsFilePath() {
  QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (base.isEmpty() || !QDir::isAbsolutePath(base)) base = QDir::homePath() + "/.config";
  return (base + "/BlivoGames/BlivoTurnix/V1.ini").toStdString();
}

std::string SoundFontPath() {
  // The player's own choice first, then the system's default and ours.
  const QString chosen = qEnvironmentVariable("SDL_SOUNDFONTS");
  if (!chosen.isEmpty()) return chosen.toStdString();
  for (const char* candidate : {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
                                "/usr/share/sounds/sf2/FluidR3_GM.sf2"})
    if (QFileInfo(candidate).isReadable()) return candidate;
  return {};
}

std::string HelpViewerPath(const std::string& programFolder) { return WithTrailingSlash(programFolder) + "blivoturnix-help"; }

std::string DebugMarkerPath(const std::string& programFolder) { return WithTrailingSlash(programFolder) + "debug.debug"; }

std::string LogFilePath(const std::string& programFolder) {
  const std::string folder = FolderWritable(programFolder) ? WithoutTrailingSlashes(programFolder) : TempFolder();
  return WithTrailingSlash(folder) + "HHDebug.txt";
}

}  // namespace blivo
