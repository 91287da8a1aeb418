#include "platform/file_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace blivo {

namespace {

std::string Why(const char* what) {
  const int cause = errno;
  return std::string(what) + ": " + std::strerror(cause);
}

// The file a save replaces: the one a symbolic link leads to, or the path itself.
std::string Target(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved)) return resolved;
  return path;
}

std::string FolderOf(const std::string& file) {
  const std::size_t slash = file.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : file.substr(0, slash);
}

// Closes its descriptor on every way out.
struct Descriptor {
  int fd = -1;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

bool SaveWholeFile(const std::string& path, std::string_view bytes, std::string& error) {
  const std::string target = Target(path);
  const std::string saving = target + ".saving";
  struct stat old {};
  const bool existed = ::stat(target.c_str(), &old) == 0;

  // Unnamed where the file system allows it, so that a save cut off while
  // writing leaves nothing; named at once where it does not.
  Descriptor file;
  bool named = false;
  file.fd = ::open(FolderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (file.fd < 0) {
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL && errno != ENOENT)
      return error = Why("cannot make the new file"), false;
    file.fd = ::open(saving.c_str(), O_CREAT | O_TRUNC | O_WRONLY | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (file.fd < 0) return error = Why("cannot make the new file"), false;
    named = true;
  }
  const auto fail = [&](std::string why) {
    if (named) ::unlink(saving.c_str());
    error = std::move(why);
    return false;
  };
  if (existed && ::fchmod(file.fd, old.st_mode & 07777) != 0)
    return fail(Why("cannot give the new file its permissions"));

  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(file.fd, bytes.data() + written, bytes.size() - written);
    if (n > 0) {
      written += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    return fail("only " + std::to_string(written) + " of its " + std::to_string(bytes.size()) +
                " bytes could be written (" + (n < 0 ? std::strerror(errno) : "the disk took no more") + ")");
  }
  if (::fsync(file.fd) != 0) return fail(Why("it cannot be put on the disk"));

  if (!named) {
    // A name left by a save cut off here before is taken back.
    if (::unlink(saving.c_str()) != 0 && errno != ENOENT) return fail(Why("cannot take back what a save cut off left"));
    const std::string self = "/proc/self/fd/" + std::to_string(file.fd);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, saving.c_str(), AT_SYMLINK_FOLLOW) != 0)
      return fail(Why("cannot name the new file"));
    named = true;
  }
  if (::rename(saving.c_str(), target.c_str()) != 0) return fail(Why("cannot put the new file in its place"));
  named = false;

  // The new name itself is put on the disk too.
  Descriptor folder;
  folder.fd = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder.fd >= 0) ::fsync(folder.fd);
  return true;
}

}  // namespace blivo
