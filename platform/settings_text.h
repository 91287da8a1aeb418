// The text of a settings file as its lines: sections "[name]" and keys
// "key=value", with everything else (comments, blank lines, lines that are
// neither) kept as it stands. Changing one value rewrites only the bytes of
// that value; every other byte, a byte-order mark and the line ends of each
// line included, stays where it was.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace blivo {

class SettingsText {
 public:
  explicit SettingsText(std::string bytes = {});

  const std::string& bytes() const { return text_; }

  // The value of the last "key=" line of any "[section]" of that name. Names
  // match without regard to ASCII case. The value is the text after the first
  // '=' without the blanks around it; one that starts and ends with '"' is
  // read as what stands between, where \" \\ \n \r stand for '"', '\', a line
  // feed and a carriage return. Nothing else is ever unescaped.
  std::optional<std::string> value(std::string_view section, std::string_view key) const;

  // Gives the key this value. A key that holds it already is left alone;
  // otherwise the value of its last line is replaced in place, or a new line
  // goes after the last key of the section's last "[section]" line, or the
  // section is added at the end of the text. False, and nothing changes, for
  // a name that cannot stand in such a file (empty, a line break, '=' in a
  // key, blanks around it, a control character, a key starting with '[', ';'
  // or '#').
  bool set(std::string_view section, std::string_view key, std::string_view value);

  // Every section and key as written, in the order of their lines.
  std::vector<std::pair<std::string, std::string>> keys() const;

  // Lines that are neither blank, a comment, a section nor a key, and the
  // number of the first of them (1-based; 0 when there is none).
  std::size_t unreadableLines() const { return unreadable_; }
  std::size_t firstUnreadableLine() const { return firstUnreadable_; }

  // How a value is written on its line: as it is, or in quotes where it must.
  static std::string Quote(std::string_view value);
  // Reads a value's text as it stands after the '=' (blanks already removed).
  static std::string Unquote(std::string_view stored);
  static bool ValidSection(std::string_view name);
  static bool ValidKey(std::string_view name);

 private:
  struct Section {
    std::size_t nameBegin, nameLength, lineEnd;  // lineEnd: after its line break
  };
  struct Entry {
    std::size_t section;  // index into sections_, or npos before the first section
    std::size_t keyBegin, keyLength, valueBegin, valueLength, lineEnd;
  };

  void Parse();
  std::string_view Name(const Section& s) const { return std::string_view(text_).substr(s.nameBegin, s.nameLength); }
  std::string_view Key(const Entry& e) const { return std::string_view(text_).substr(e.keyBegin, e.keyLength); }
  const Entry* Find(std::string_view section, std::string_view key) const;
  std::string LineBreakAfter(std::size_t lineEnd) const;
  void InsertLines(std::size_t at, std::string lines);

  std::string text_;
  std::vector<Section> sections_;
  std::vector<Entry> entries_;
  std::size_t unreadable_ = 0;
  std::size_t firstUnreadable_ = 0;
};

}  // namespace blivo
