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
    if (written == 0) {
      errno = ENOSPC;
      return false;
    }
    data.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

// The file a path names once every link on the way is followed, the last one too when it points
// nowhere yet (the file is then created where the link points). At most 40 links, as the system.
std::string FollowLinks(const std::string& path) {
  std::string target = path;
  for (int hop = 0; hop < 40; ++hop) {
    struct stat info {};
    if (lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return target;
    if (char* resolved = realpath(target.c_str(), nullptr)) {
      target = resolved;
      std::free(resolved);
      return target;
    }
    char buffer[PATH_MAX];
    const ssize_t length = readlink(target.c_str(), buffer, sizeof buffer - 1);
    if (length <= 0) return target;
    const std::string next(buffer, static_cast<size_t>(length));
    if (next.front() == '/') {
      target = next;
    } else {
      std::string folder, name;
      SplitPath(target, folder, name);
      target = folder;
      target += '/';
      target += next;
    }
  }
  return target;
}

// One member of a set on its way to the disk.
struct Staged {
  std::string target;   // links followed
  std::string temp;     // the temporary file while it exists
  bool stream = false;  // a pipe or a character device: written in place
  bool append = false;  // a descriptor's name for a regular file (stdout sent to a file)
  std::string_view data;
};

// A name of one of the process's open files (/dev/stdout, /proc/self/fd/1): when it names a
// regular file, that file is the one the descriptor writes, and it must not be replaced.
bool IsDescriptorName(const std::string& path) {
  for (const char* prefix : {"/dev/stdout", "/dev/stderr", "/dev/fd/", "/proc/self/fd/"})
    if (path.rfind(prefix, 0) == 0) return true;
  return false;
}

// Checks the target and, for a file, writes the temporary file beside it. Empty, or the reason.
std::string Stage(const std::string& path, std::string_view data, bool flush, Staged& staged) {
  if (path.empty()) return "no file name was given";
  if (path.back() == '/') return "the name is that of a folder";
  staged.data = data;
  struct stat existing {};
  // stat follows the links: a link to a pipe (/proc/self/fd/1) is a pipe.
  const bool exists = stat(path.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) return "a folder has that name";
  if (exists && (S_ISFIFO(existing.st_mode) || S_ISCHR(existing.st_mode))) {
    staged.stream = true;
    staged.target = path;
    return "";
  }
  if (exists && !S_ISREG(existing.st_mode)) return "it is not a regular file";
  if (exists && IsDescriptorName(path)) {
    // Written after what the descriptor has written, as a shell's >> would.
    staged.stream = staged.append = true;
    staged.target = path;
    return "";
  }
  staged.target = FollowLinks(path);
  std::string folder, name;
  SplitPath(staged.target, folder, name);
  if (name.empty()) return "the name is that of a folder";

  std::string temp = folder + "/." + name + ".XXXXXX";
  const int fd = mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return Reason(errno);
  staged.temp = temp;
  int error = 0;
  if (fchmod(fd, ModeFor(exists ? &existing : nullptr)) != 0 || !WriteAll(fd, data) ||
      (flush && fsync(fd) != 0))
    error = errno;
  if (close(fd) != 0 && error == 0) error = errno;
  return error ? Reason(error) : "";
}

// Writes a stream target directly. A pipe with no reader is refused rather than waited on.
std::string WriteStream(const Staged& staged) {
  const int fd = open(staged.target.c_str(),
                      O_WRONLY | O_NONBLOCK | O_CLOEXEC | (staged.append ? O_APPEND : 0));
  if (fd < 0) return errno == ENXIO ? "no program is reading from the pipe" : Reason(errno);
  // Once open, the writes wait for the reader as any pipe's writer does.
  const int flags = fcntl(fd, F_GETFL);
  if (flags >= 0) fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  int error = WriteAll(fd, staged.data) ? 0 : errno;
  if (close(fd) != 0 && error == 0) error = errno;
  return error ? Reason(error) : "";
}

void Discard(std::vector<Staged>& staged) {
  for (Staged& s : staged)
    if (!s.temp.empty()) {
      unlink(s.temp.c_str());
      s.temp.clear();
    }
}

void SyncFolder(const std::string& target) {
  std::string folder, name;
  SplitPath(target, folder, name);
  const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    fsync(dir);
    close(dir);
  }
}

}  // namespace

WriteFailure WriteFileSetAtomically(const std::vector<FileToWrite>& files, Durability durability) {
  const bool flush = durability == Durability::Flushed;
  std::vector<Staged> staged(files.size());
  for (size_t i = 0; i < files.size(); ++i) {
    if (std::string reason = Stage(files[i].path, files[i].data, flush, staged[i]);
        !reason.empty()) {
      Discard(staged);
      return {files[i].path, reason};
    }
  }
  // Every file is complete: now they take their names, then the streams are written.
  for (size_t i = 0; i < files.size(); ++i) {
    if (staged[i].stream) continue;
    if (rename(staged[i].temp.c_str(), staged[i].target.c_str()) != 0) {
      const int error = errno;
      Discard(staged);
      return {files[i].path, Reason(error)};
    }
    staged[i].temp.clear();
    // The rename itself reaches the disk with the folder; a failure here loses nothing.
    if (flush) SyncFolder(staged[i].target);
  }
  for (size_t i = 0; i < files.size(); ++i) {
    if (!staged[i].stream) continue;
    if (std::string reason = WriteStream(staged[i]); !reason.empty())
      return {files[i].path, reason};
  }
  return {};
}

std::string WriteFileAtomically(const std::string& path, std::string_view data,
                                Durability durability) {
  return WriteFileSetAtomically({{path, data}}, durability).reason;
}

std::string CannotWrite(const std::string& path, const std::string& reason) {
  return "cannot write " + path + ": " + reason;
}

}  // namespace varnloft
