// The per-user store of sections and keys, kept as a text file of its own
// lines (see settings_text.h). Every value is text; integers are written as
// decimal, booleans as "0" or "1".
//
// What the game writes stays pending until flush(), which takes the file's
// lock, reads the file as it is on disk now and puts on top of it only the keys
// this run changed, then replaces the file at once. So two games that run side
// by side keep each other's changes: the last to save wins for the keys it
// changed, and nothing else is lost. A key counts as changed when the game
// writes a value other than the one it read; writing back what it read only
// fills in a key the file does not have.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/settings_text.h"

namespace blivo {

class SettingsStore {
 public:
  // Reads the file; a missing one is an empty store. A file that cannot be
  // read gives an empty store and a line on standard error.
  explicit SettingsStore(const std::string& file);
  ~SettingsStore();
  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;

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

  // Puts what was written on disk. False, with one line on standard error,
  // when the file cannot be written: the file stays as it was and the writes
  // stay pending for the next flush.
  bool flush();

  // Reads the file again if it changed on disk since it was last read; what
  // was written and not yet flushed still stands above it.
  void refresh();

  const std::string& file() const { return file_; }
  bool hasPending() const { return !pending_.empty(); }

  // A settings file larger than this is not one the game wrote; it is not read
  // and not replaced.
  static constexpr std::int64_t kLargestFile = 4 * 1024 * 1024;

 private:
  struct Stamp {
    bool exists = false;
    std::int64_t size = 0, device = 0, inode = 0, seconds = 0, nanoseconds = 0;
    bool operator==(const Stamp&) const = default;
  };
  struct Pending {
    std::string section, key, value;
    bool changed;  // false: the game writes back what it read
  };
  // What the game was given when it read a key: the stored text and the value
  // it made of it, or nothing but the default when the key was missing.
  struct Seen {
    bool missing = false;
    std::vector<std::string> texts;
  };
  Stamp CurrentStamp() const;
  void Load(bool report);
  std::optional<std::string> Lookup(const std::string& section, const std::string& key, bool& pending) const;
  void Saw(const std::string& section, const std::string& key, const std::optional<std::string>& stored,
           const std::string& meant) const;
  bool Report(const std::string& why) const;

  std::string file_;
  SettingsText text_;
  Stamp stamp_;
  std::vector<Pending> pending_;
  mutable std::map<std::string, Seen> seen_;
};

}  // namespace blivo
