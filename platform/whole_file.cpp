#include "platform/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace blivo {

FileRead ReadWholeFile(const std::string& path, std::int64_t largest, std::string& bytes, std::string& error) {
  bytes.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    if (errno == ENOENT) return FileRead::Missing;
    error = std::string("cannot open it: ") + std::strerror(errno);
    return FileRead::Failed;
  }
  const auto tooLong = [&](long long size) {
    return "it is " + std::to_string(size) + " bytes long, more than the " + std::to_string(largest) +
           " such a file may have";
  };
  struct stat st {};
  FileRead result = FileRead::Read;
  if (::fstat(fd, &st) != 0) {
    error = std::string("cannot look at it: ") + std::strerror(errno);
    result = FileRead::Failed;
  } else if (!S_ISREG(st.st_mode)) {
    error = "it is not a plain file";
    result = FileRead::Failed;
  } else if (st.st_size > largest) {
    error = tooLong(st.st_size);
    result = FileRead::Failed;
  } else {
    // Read straight into the result; room for one byte more shows whether it grew.
    std::size_t have = 0;
    bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
    for (;;) {
      if (have == bytes.size()) bytes.resize(bytes.size() + 65536);
      const ssize_t got = ::read(fd, bytes.data() + have, bytes.size() - have);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) {
        error = std::string("cannot read it: ") + std::strerror(errno);
        result = FileRead::Failed;
        break;
      }
      if (got == 0) break;
      have += static_cast<std::size_t>(got);
      // It may grow while it is read.
      if (static_cast<std::int64_t>(have) > largest) {
        error = tooLong(static_cast<long long>(have));
        result = FileRead::Failed;
        break;
      }
    }
    bytes.resize(have);
  }
  ::close(fd);
  if (result == FileRead::Failed) bytes.clear();
  return result;
}

}  // namespace blivo
