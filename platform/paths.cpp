#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>

namespace blivo {

std::string ExecutableFolder() {
  return QDir(QCoreApplication::applicationDirPath()).absolutePath().toStdString() + "/";
}

std::string SettingsFilePath() {
  QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (base.isEmpty() || !QDir::isAbsolutePath(base)) base = QDir::homePath() + "/.config";
  return (base + "/BlivoGames/BlivoTurnix/V1.ini").toStdString();
}

}  // namespace blivo
