#include "help/help_contents.h"

#include <QStringDecoder>

namespace blivo {

namespace {

// Contents files are written in UTF-8 by us, in a Windows code page by others.
QString Decoded(const QByteArray& bytes) {
  QStringDecoder utf8(QStringConverter::Utf8);
  QString text = utf8(bytes);
  if (utf8.hasError()) text = QString::fromLatin1(bytes);
  return text;
}

QString Unescaped(const QString& text) {
  if (!text.contains('&')) return text;
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype semicolon = text[i] == '&' ? QStringView(text).mid(i, 12).indexOf(';') : -1;
    const qsizetype end = semicolon < 0 ? -1 : i + semicolon;
    if (end < 0) {
      out += text[i];
      continue;
    }
    const QString name = text.mid(i + 1, end - i - 1);
    QChar c;
    if (name == "amp") c = '&';
    else if (name == "lt") c = '<';
    else if (name == "gt") c = '>';
    else if (name == "quot") c = '"';
    else if (name == "apos") c = '\'';
    else if (name.startsWith('#')) {
      bool ok = false;
      const uint code = name.startsWith("#x", Qt::CaseInsensitive) ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok);
      if (ok && code > 0 && code < 0xFFFE && !QChar::isSurrogate(code)) c = QChar(static_cast<char16_t>(code));
    }
    if (c.isNull()) {
      out += text[i];
      continue;
    }
    out += c;
    i = end;
  }
  return out;
}

struct Tag {
  QString name;  // lower case, "/ul" for an end tag
  std::vector<std::pair<QString, QString>> attributes;
  QString attribute(const char* key) const {
    for (const auto& [k, v] : attributes)
      if (k == QLatin1String(key)) return v;
    return {};
  }
};

class Scanner {
 public:
  explicit Scanner(const QString& text) : t_(text) {}

  // The next tag, skipping text and comments; false at the end.
  bool Next(Tag& tag) {
    while (true) {
      const qsizetype open = t_.indexOf('<', at_);
      if (open < 0) return false;
      at_ = open + 1;
      if (t_.mid(at_, 3) == "!--") {
        const qsizetype close = t_.indexOf("-->", at_ + 3);
        at_ = close < 0 ? t_.size() : close + 3;
        continue;
      }
      tag = {};
      tag.name = Word();
      if (tag.name.isEmpty()) continue;
      Attributes(tag);
      return true;
    }
  }

 private:
  bool AtEnd() const { return at_ >= t_.size(); }
  void Spaces() {
    while (!AtEnd() && t_[at_].isSpace()) ++at_;
  }
  QString Word() {
    const qsizetype start = at_;
    while (!AtEnd() && !t_[at_].isSpace() && t_[at_] != '>' && t_[at_] != '=' && (t_[at_] != '/' || at_ == start))
      ++at_;
    return t_.mid(start, at_ - start).toLower();
  }
  void Attributes(Tag& tag) {
    while (true) {
      Spaces();
      if (AtEnd()) return;
      if (t_[at_] == '>') {
        ++at_;
        return;
      }
      if (t_[at_] == '/' || t_[at_] == '=') {
        ++at_;
        continue;
      }
      const QString key = Word();
      Spaces();
      QString value;
      if (!AtEnd() && t_[at_] == '=') {
        ++at_;
        Spaces();
        if (!AtEnd() && (t_[at_] == '"' || t_[at_] == '\'')) {
          const QChar quote = t_[at_++];
          const qsizetype close = t_.indexOf(quote, at_);
          const qsizetype end = close < 0 ? t_.size() : close;
          value = t_.mid(at_, end - at_);
          at_ = close < 0 ? end : end + 1;
        } else {
          const qsizetype start = at_;
          while (!AtEnd() && !t_[at_].isSpace() && t_[at_] != '>') ++at_;
          value = t_.mid(start, at_ - start);
        }
      }
      if (!key.isEmpty()) tag.attributes.emplace_back(key, Unescaped(value));
    }
  }

  const QString& t_;
  qsizetype at_ = 0;
};

}  // namespace

std::vector<ContentsEntry> ParseContents(const QByteArray& hhc) {
  const QString text = Decoded(hhc);
  std::vector<ContentsEntry> root;
  // The lists open at the moment; a list nested deeper than we show is
  // read into the one above it.
  std::vector<std::vector<ContentsEntry>*> lists{&root};
  std::vector<bool> opened;  // for each list tag still open: whether it opened a level of its own
  int entries = 0;
  bool inEntry = false;
  ContentsEntry entry;
  Scanner scanner(text);
  for (Tag tag; scanner.Next(tag);) {
    if (tag.name == "ul") {
      std::vector<ContentsEntry>& current = *lists.back();
      const bool level = static_cast<int>(lists.size()) < kMostContentsDepth && !current.empty();
      if (level) lists.push_back(&current.back().children);
      opened.push_back(level);
    } else if (tag.name == "/ul") {
      if (!opened.empty()) {
        if (opened.back()) lists.pop_back();
        opened.pop_back();
      }
    } else if (tag.name == "object") {
      inEntry = tag.attribute("type").compare("text/sitemap", Qt::CaseInsensitive) == 0;
      entry = {};
    } else if (tag.name == "param" && inEntry) {
      const QString key = tag.attribute("name").toLower();
      if (key == "name") entry.name = tag.attribute("value").left(200);
      if (key == "local") entry.local = tag.attribute("value").left(1000);
    } else if (tag.name == "/object" && inEntry) {
      inEntry = false;
      if ((!entry.name.isEmpty() || !entry.local.isEmpty()) && entries < kMostContentsEntries) {
        ++entries;
        lists.back()->push_back(std::move(entry));
      }
    }
  }
  return root;
}

}  // namespace blivo
