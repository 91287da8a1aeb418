#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace blivo {

std::string ExecutableFolder() {
  return QDir(QCoreApplication::applicationDirPath()).absolutePath().toStdString() + "/";
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

}  // namespace blivo
