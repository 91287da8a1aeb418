#include "platform/settings_store.h"

#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QString>
#include <algorithm>
#include <charconv>
#include <cstdio>

#include "platform/file_save.h"
#include "platform/report.h"
#include "platform/whole_file.h"

namespace blivo {

namespace {

// Names match without regard to ASCII case, so they are remembered folded.
std::string Folded(const std::string& section, const std::string& key) {
  std::string name = section + '\n' + key;
  for (char& c : name)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return name;
}

// A decimal number with blanks around it and an optional sign, and nothing else.
template <typename Number>
bool ParseNumber(const std::string& text, Number& value) {
  std::size_t b = 0, e = text.size();
  while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
  while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
  if (b < e && text[b] == '+' && (b + 1 == e || text[b + 1] != '-')) ++b;
  const auto [end, error] = std::from_chars(text.data() + b, text.data() + e, value);
  return error == std::errc() && end == text.data() + e && b < e;
}

// How long a save waits for another game that is saving the same file.
constexpr int kLockWaitMs = 10000;

}  // namespace

SettingsStore::SettingsStore(const std::string& file) : file_(file) { Load(true); }

SettingsStore::~SettingsStore() = default;

SettingsStore::Stamp SettingsStore::CurrentStamp() const {
  struct stat st {};
  if (::stat(file_.c_str(), &st) != 0) return {};
  return {true, st.st_size, static_cast<std::int64_t>(st.st_dev), static_cast<std::int64_t>(st.st_ino),
          st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
}

void SettingsStore::Load(bool report) {
  std::string bytes, error;
  const Stamp stamp = CurrentStamp();
  switch (ReadWholeFile(file_, kLargestFile, bytes, error)) {
    case FileRead::Missing:
      text_ = SettingsText();
      break;
    case FileRead::Failed:
      // A later look keeps the last good reading; only the first one speaks.
      if (report) {
        ReportProblem("cannot read the settings file " + file_ + ": " + error + "; the game starts from the defaults");
        text_ = SettingsText();
      }
      break;
    case FileRead::Read:
      text_ = SettingsText(std::move(bytes));
      if (report && text_.unreadableLines() > 0)
        ReportProblem(file_ + ": " + std::to_string(text_.unreadableLines()) +
                      " line(s) are neither a section, a key nor a comment (the first is line " +
                      std::to_string(text_.firstUnreadableLine()) + "); they stay in the file as they are");
      break;
  }
  stamp_ = stamp;
}

void SettingsStore::refresh() {
  if (CurrentStamp() == stamp_) return;
  Load(false);
}

std::optional<std::string> SettingsStore::Lookup(const std::string& section, const std::string& key,
                                                 bool& pending) const {
  const std::string name = Folded(section, key);
  for (auto p = pending_.rbegin(); p != pending_.rend(); ++p) {
    if (Folded(p->section, p->key) == name) {
      pending = true;
      return p->value;
    }
  }
  pending = false;
  return text_.value(section, key);
}

void SettingsStore::Saw(const std::string& section, const std::string& key, const std::optional<std::string>& stored,
                        const std::string& meant) const {
  Seen seen;
  seen.missing = !stored;
  if (stored) seen.texts.push_back(*stored);
  seen.texts.push_back(meant);
  seen_[Folded(section, key)] = std::move(seen);
}

bool SettingsStore::contains(const std::string& section, const std::string& key) const {
  bool pending = false;
  return Lookup(section, key, pending).has_value();
}

std::string SettingsStore::readText(const std::string& section, const std::string& key,
                                    const std::string& fallback) const {
  bool pending = false;
  const std::optional<std::string> stored = Lookup(section, key, pending);
  const std::string result = stored ? *stored : fallback;
  if (!pending) Saw(section, key, stored, result);
  return result;
}

int SettingsStore::readInt(const std::string& section, const std::string& key, int fallback) const {
  bool pending = false;
  const std::optional<std::string> stored = Lookup(section, key, pending);
  int value = 0;
  const int result = stored && ParseNumber(*stored, value) ? value : fallback;
  if (!pending) Saw(section, key, stored, std::to_string(result));
  return result;
}

bool SettingsStore::readBool(const std::string& section, const std::string& key, bool fallback) const {
  bool pending = false;
  const std::optional<std::string> stored = Lookup(section, key, pending);
  long long value = 0;
  const bool result = stored && ParseNumber(*stored, value) ? value != 0 : fallback;
  if (!pending) Saw(section, key, stored, result ? "1" : "0");
  return result;
}

void SettingsStore::writeInt(const std::string& section, const std::string& key, int value) {
  writeText(section, key, std::to_string(value));
}

void SettingsStore::writeBool(const std::string& section, const std::string& key, bool value) {
  writeText(section, key, value ? "1" : "0");
}

void SettingsStore::writeText(const std::string& section, const std::string& key, const std::string& value) {
  if (!SettingsText::ValidSection(section) || !SettingsText::ValidKey(key)) {
    ReportProblem("the settings cannot hold a key named [" + section + "] " + key);
    return;
  }
  const std::string name = Folded(section, key);
  bool changed;
  if (const auto seen = seen_.find(name); seen != seen_.end()) {
    changed = std::find(seen->second.texts.begin(), seen->second.texts.end(), value) == seen->second.texts.end();
  } else {
    const std::optional<std::string> stored = text_.value(section, key);
    changed = !stored || *stored != value;
  }
  for (Pending& p : pending_) {
    if (Folded(p.section, p.key) == name) {
      p.value = value;
      p.changed = changed;
      return;
    }
  }
  pending_.push_back({section, key, value, changed});
}

bool SettingsStore::Report(const std::string& why) const {
  ReportProblem("cannot save the settings to " + file_ + ": " + why +
                "; the file stays as it was and the changes wait for the next save");
  return false;
}

bool SettingsStore::flush() {
  // Writing back what the file held when last read is nothing to save.
  std::erase_if(pending_, [&](const Pending& p) { return !p.changed && text_.value(p.section, p.key); });
  if (pending_.empty()) return true;
  const QString path = QString::fromStdString(file_);
  const QString folder = QFileInfo(path).absolutePath();
  if (!QDir().mkpath(folder)) return Report("cannot make the folder " + folder.toStdString());

  QLockFile lock(path + ".lock");
  if (!lock.tryLock(kLockWaitMs)) {
    switch (lock.error()) {
      case QLockFile::LockFailedError:
        return Report("another program holds " + file_ + ".lock");
      case QLockFile::PermissionError:
        return Report("cannot make the lock file " + file_ + ".lock: permission denied");
      default:
        return Report("cannot make the lock file " + file_ + ".lock");
    }
  }

  // Another game may have saved since this one read the file: start from the disk.
  std::string bytes, error;
  const Stamp stamp = CurrentStamp();
  const FileRead read = ReadWholeFile(file_, kLargestFile, bytes, error);
  if (read == FileRead::Failed) return Report(error);
  SettingsText disk(bytes);
  for (const Pending& p : pending_) {
    const std::optional<std::string> stored = disk.value(p.section, p.key);
    if (p.changed ? stored != p.value : !stored) disk.set(p.section, p.key, p.value);
  }

  if (read == FileRead::Missing || disk.bytes() != bytes) {
    std::string why;
    if (!SaveWholeFile(file_, disk.bytes(), why)) {
      text_ = SettingsText(std::move(bytes));
      stamp_ = stamp;
      return Report(why);
    }
  }
  text_ = std::move(disk);
  stamp_ = CurrentStamp();
  // What this run changed is what it holds now; writing it again is no change.
  for (const Pending& p : pending_)
    if (p.changed) seen_[Folded(p.section, p.key)] = Seen{false, {p.value}};
  pending_.clear();
  return true;
}

}  // namespace blivo
