#include "platform/settings_store.h"

#include <QSettings>
#include <QStringList>
#include <cstdio>

namespace blivo {

namespace {

QString Path(const std::string& section, const std::string& key) {
  return QString::fromStdString(section + "/" + key);
}

}  // namespace

SettingsStore::SettingsStore(const std::string& file)
    : file_(file), settings_(std::make_unique<QSettings>(QString::fromStdString(file), QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

bool SettingsStore::contains(const std::string& section, const std::string& key) const {
  return settings_->contains(Path(section, key));
}

std::string SettingsStore::readText(const std::string& section, const std::string& key,
                                    const std::string& fallback) const {
  const QVariant value = settings_->value(Path(section, key));
  if (!value.isValid()) return fallback;
  // An editor that drops the quotes around a text with commas makes the INI
  // reader split it; put it back together.
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(',').toStdString();
  return value.toString().toStdString();
}

int SettingsStore::readInt(const std::string& section, const std::string& key, int fallback) const {
  bool ok = false;
  const int value = QString::fromStdString(readText(section, key, "")).trimmed().toInt(&ok);
  return ok ? value : fallback;
}

bool SettingsStore::readBool(const std::string& section, const std::string& key, bool fallback) const {
  bool ok = false;
  const long long value = QString::fromStdString(readText(section, key, "")).trimmed().toLongLong(&ok);
  return ok ? value != 0 : fallback;
}

void SettingsStore::writeInt(const std::string& section, const std::string& key, int value) {
  settings_->setValue(Path(section, key), QString::number(value));
}

void SettingsStore::writeBool(const std::string& section, const std::string& key, bool value) {
  settings_->setValue(Path(section, key), QString(value ? "1" : "0"));
}

void SettingsStore::writeText(const std::string& section, const std::string& key,
                              const std::string& value) {
  settings_->setValue(Path(section, key), QString::fromStdString(value));
}

bool SettingsStore::flush() {
  settings_->sync();
  if (settings_->status() == QSettings::NoError) return true;
  std::fprintf(stderr, "blivoturnix: cannot write the settings file %s\n", file_.c_str());
  return false;
}

}  // namespace blivo
