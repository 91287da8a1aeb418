// What the game and its help viewer say to each other. The game writes one
// command a line to the viewer's standard input:
//   show <context id> <help file, percent-encoded>
//   raise
//   close
// and the viewer writes what it shows to its standard output, a line each:
//   page <path inside the file>      or      problem <what went wrong>
// The viewer also ends when its input ends, so it never outlives the game.
#pragma once

#include <cstdlib>
#include <string>

namespace blivo::viewer_protocol {

inline constexpr char kShow[] = "show";
inline constexpr char kRaise[] = "raise";
inline constexpr char kClose[] = "close";
inline constexpr char kPage[] = "page";
inline constexpr char kProblem[] = "problem";
// No command of ours comes near this; a longer line is dropped.
inline constexpr std::size_t kMostLine = 16 * 1024;

inline std::string Encoded(const std::string& text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const unsigned char c : text) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/' ||
                       c == '.' || c == '_' || c == '-' || c == '~';
    if (plain) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

inline std::string Decoded(const std::string& text) {
  auto digit = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
  };
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && digit(text[i + 1]) >= 0 && digit(text[i + 2]) >= 0) {
      out += static_cast<char>(digit(text[i + 1]) * 16 + digit(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

inline std::string ShowLine(const std::string& file, int contextId) {
  return std::string(kShow) + " " + std::to_string(contextId) + " " + Encoded(file) + "\n";
}

struct Command {
  enum Kind { Show, Raise, Close, Unknown } kind = Unknown;
  int contextId = 0;
  std::string file;
};

inline Command ParseLine(const std::string& line) {
  Command c;
  if (line == kRaise) c.kind = Command::Raise;
  if (line == kClose) c.kind = Command::Close;
  const std::string show = std::string(kShow) + " ";
  if (line.compare(0, show.size(), show) != 0) return c;
  const std::size_t space = line.find(' ', show.size());
  if (space == std::string::npos) return c;
  const std::string number = line.substr(show.size(), space - show.size());
  char* end = nullptr;
  const long id = std::strtol(number.c_str(), &end, 10);
  if (number.empty() || *end != '\0' || id < -2147483647L || id > 2147483647L) return c;
  c.kind = Command::Show;
  c.contextId = static_cast<int>(id);
  c.file = Decoded(line.substr(space + 1));
  return c;
}

}  // namespace blivo::viewer_protocol
