// The per-user store of sections and keys, kept as an INI file. Every value is
// written as text; integers as decimal, booleans as "0" or "1".
#pragma once

#include <memory>
#include <string>

class QSettings;

namespace blivo {

class SettingsStore {
 public:
  explicit SettingsStore(const std::string& file);
  ~SettingsStore();

  // A missing key gives the default; so does a value that is not a number.
  int readInt(const std::string& section, const std::string& key, int fallback) const;
  // True for any number other than 0.
  bool readBool(const std::string& section, const std::string& key, bool fallback) const;
  std::string readText(const std::string& section, const std::string& key,
                       const std::string& fallback) const;
  bool contains(const std::string& section, const std::string& key) const;

  void writeInt(const std::string& section, const std::string& key, int value);
  void writeBool(const std::string& section, const std::string& key, bool value);
  void writeText(const std::string& section, const std::string& key, const std::string& value);

  // Puts what was written on disk; false, with a line on standard error, when
  // the file cannot be written.
  bool flush();

 private:
  std::string file_;
  std::unique_ptr<QSettings> settings_;
};

}  // namespace blivo
