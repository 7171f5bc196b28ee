#include "platform/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace varnloft {

namespace {

std::string Reason(int error) {
  return std::strerror(error);
}

// The folder and the name of a path: "a/b.varnloft" -> "a", "b.varnloft"; "b" -> ".", "b".
void SplitPath(const std::string& path, std::string& folder, std::string& name) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) {
    folder = ".";
    name = path;
  } else {
    folder = slash == 0 ? "/" : path.substr(0, slash);
    name = path.substr(slash + 1);
  }
}

// The permissions a new file gets: those of the file it replaces, else the usual ones.
mode_t ModeFor(const struct stat* existing) {
  if (existing) return existing->st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t written = write(fd, data.data(), data.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

}  // namespace

std::string WriteFileAtomically(const std::string& path, std::string_view data) {
  if (path.empty()) return "no file name was given";
  std::string target = path;
  // A link keeps naming the file: the new contents go where it points.
  struct stat link {};
  if (lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
    if (char* resolved = realpath(path.c_str(), nullptr)) {
      target = resolved;
      std::free(resolved);
    }
  }
  std::string folder, name;
  SplitPath(target, folder, name);
  if (name.empty()) return "the name is that of a folder";

  struct stat existing {};
  const bool exists = stat(target.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) return "a folder has that name";

  std::string temp = folder + "/." + name + ".XXXXXX";
  const int fd = mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return Reason(errno);

  int error = 0;
  if (fchmod(fd, ModeFor(exists ? &existing : nullptr)) != 0 || !WriteAll(fd, data) ||
      fsync(fd) != 0)
    error = errno;
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && rename(temp.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    unlink(temp.c_str());
    return Reason(error);
  }
  // The rename itself reaches the disk with the folder; a failure here loses nothing.
  const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    fsync(dir);
    close(dir);
  }
  return "";
}

}  // namespace varnloft
