#include "platform/settings_text.h"

#include <algorithm>

namespace blivo {

namespace {

constexpr std::size_t npos = std::string::npos;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A carriage return counts as a blank, so a line that ends in CR LF reads like
// one that ends in LF and keeps its CR when its value is replaced.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

bool IsControl(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u < 0x20 && c != '\t') || u == 0x7F;
}

bool HasControl(std::string_view s) { return std::any_of(s.begin(), s.end(), IsControl); }

char FoldCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return FoldCase(x) == FoldCase(y);
         });
}

bool BlankAtEnds(std::string_view s) { return !s.empty() && (IsBlank(s.front()) || IsBlank(s.back())); }

}  // namespace

SettingsText::SettingsText(std::string bytes) : text_(std::move(bytes)) { Parse(); }

void SettingsText::Parse() {
  sections_.clear();
  entries_.clear();
  unreadable_ = 0;
  firstUnreadable_ = 0;
  std::size_t current = npos;
  std::size_t number = 0;
  std::size_t pos = text_.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
  while (pos < text_.size()) {
    ++number;
    const std::size_t feed = text_.find('\n', pos);
    const std::size_t lineEnd = feed == npos ? text_.size() : feed + 1;
    std::size_t b = pos, e = feed == npos ? text_.size() : feed;
    while (b < e && IsBlank(text_[b])) ++b;
    while (e > b && IsBlank(text_[e - 1])) --e;
    bool readable = true;
    if (b == e || text_[b] == ';' || text_[b] == '#') {
      // blank or comment
    } else if (text_[b] == '[') {
      std::size_t nb = b + 1, ne = e - 1;
      if (e - b < 2 || text_[e - 1] != ']') {
        readable = false;
      } else {
        while (nb < ne && IsBlank(text_[nb])) ++nb;
        while (ne > nb && IsBlank(text_[ne - 1])) --ne;
        if (HasControl(std::string_view(text_).substr(nb, ne - nb))) {
          readable = false;
        } else {
          sections_.push_back({nb, ne - nb, lineEnd});
          current = sections_.size() - 1;
        }
      }
    } else {
      const std::size_t equals = text_.find('=', b);
      if (equals == npos || equals >= e) {
        readable = false;
      } else {
        std::size_t ke = equals;
        while (ke > b && IsBlank(text_[ke - 1])) --ke;
        std::size_t vb = equals + 1;
        while (vb < e && IsBlank(text_[vb])) ++vb;
        if (ke == b || HasControl(std::string_view(text_).substr(b, ke - b)))
          readable = false;
        else
          entries_.push_back({current, b, ke - b, vb, e - vb, lineEnd});
      }
    }
    if (!readable) {
      if (unreadable_++ == 0) firstUnreadable_ = number;
    }
    pos = lineEnd;
  }
}

const SettingsText::Entry* SettingsText::Find(std::string_view section, std::string_view key) const {
  for (auto e = entries_.rbegin(); e != entries_.rend(); ++e)
    if (e->section != npos && SameName(Key(*e), key) && SameName(Name(sections_[e->section]), section))
      return &*e;
  return nullptr;
}

std::optional<std::string> SettingsText::value(std::string_view section, std::string_view key) const {
  const Entry* e = Find(section, key);
  if (!e) return std::nullopt;
  return Unquote(std::string_view(text_).substr(e->valueBegin, e->valueLength));
}

std::string SettingsText::Quote(std::string_view value) {
  const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
  if (!quoted && !BlankAtEnds(value) && value.find_first_of("\r\n") == npos) return std::string(value);
  std::string out = "\"";
  for (const char c : value) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
  return out + '"';
}

std::string SettingsText::Unquote(std::string_view stored) {
  if (stored.size() < 2 || stored.front() != '"' || stored.back() != '"') return std::string(stored);
  const std::string_view inner = stored.substr(1, stored.size() - 2);
  std::string out;
  out.reserve(inner.size());
  for (std::size_t i = 0; i < inner.size(); ++i) {
    if (inner[i] == '\\' && i + 1 < inner.size()) {
      const char next = inner[i + 1];
      const char meant = next == 'n' ? '\n' : next == 'r' ? '\r' : next;
      if (next == '"' || next == '\\' || next == 'n' || next == 'r') {
        out += meant;
        ++i;
        continue;
      }
    }
    out += inner[i];
  }
  return out;
}

bool SettingsText::ValidSection(std::string_view name) {
  return !name.empty() && !HasControl(name) && !BlankAtEnds(name);
}

bool SettingsText::ValidKey(std::string_view name) {
  return !name.empty() && !HasControl(name) && !BlankAtEnds(name) && name.find('=') == npos &&
         name.front() != '[' && name.front() != ';' && name.front() != '#';
}

std::string SettingsText::LineBreakAfter(std::size_t lineEnd) const {
  // A new line ends like the one before it, or else like the file's first line.
  std::size_t feed = lineEnd > 0 && text_[lineEnd - 1] == '\n' ? lineEnd - 1 : text_.find('\n');
  if (feed == npos) return "\n";
  return feed > 0 && text_[feed - 1] == '\r' ? "\r\n" : "\n";
}

void SettingsText::InsertLines(std::size_t at, std::string lines) {
  const std::string lineBreak = LineBreakAfter(at);
  std::string add;
  const std::size_t start = text_.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
  // A last line without a line break gets one before anything follows it.
  if (at > start && text_[at - 1] != '\n') add += lineBreak;
  std::size_t from = 0;
  for (std::size_t feed; (feed = lines.find('\n', from)) != npos; from = feed + 1)
    add += lines.substr(from, feed - from) + lineBreak;
  text_.insert(at, add);
}

bool SettingsText::set(std::string_view section, std::string_view key, std::string_view value) {
  if (!ValidSection(section) || !ValidKey(key)) return false;
  const std::string stored = Quote(value);
  if (const Entry* e = Find(section, key)) {
    if (Unquote(std::string_view(text_).substr(e->valueBegin, e->valueLength)) == value) return true;
    text_.replace(e->valueBegin, e->valueLength, stored);
  } else {
    std::size_t last = npos;
    for (std::size_t s = 0; s < sections_.size(); ++s)
      if (SameName(Name(sections_[s]), section)) last = s;
    const std::string line = std::string(key) + "=" + stored + "\n";
    if (last == npos) {
      InsertLines(text_.size(), "[" + std::string(section) + "]\n" + line);
    } else {
      std::size_t at = sections_[last].lineEnd;
      for (const Entry& e : entries_)
        if (e.section == last) at = e.lineEnd;
      InsertLines(at, line);
    }
  }
  Parse();
  return true;
}

std::vector<std::pair<std::string, std::string>> SettingsText::keys() const {
  std::vector<std::pair<std::string, std::string>> out;
  out.reserve(entries_.size());
  for (const Entry& e : entries_)
    out.emplace_back(e.section == npos ? std::string() : std::string(Name(sections_[e.section])),
                     std::string(Key(e)));
  return out;
}

}  // namespace blivo
