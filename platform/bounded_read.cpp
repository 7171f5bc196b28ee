#include "platform/bounded_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace varnloft {

ReadStatus ReadBoundedFile(const std::string& path, size_t maxBytes, std::string& text,
                           std::string& error) {
  text.clear();
  // Without O_NONBLOCK, opening a pipe would wait for a writer that may never come.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = std::strerror(errno);
    return ReadStatus::Failed;
  }
  struct stat info {};
  if (fstat(fd, &info) != 0) {
    error = std::strerror(errno);
    close(fd);
    return ReadStatus::Failed;
  }
  if (!S_ISREG(info.st_mode)) {
    // A pipe or a device may never end, and a folder holds no text.
    error = S_ISDIR(info.st_mode) ? "it is a folder" : "it is not a regular file";
    close(fd);
    return ReadStatus::Failed;
  }
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      error = std::strerror(errno);
      close(fd);
      return ReadStatus::Failed;
    }
    if (got == 0) break;
    if (text.size() + static_cast<size_t>(got) > maxBytes) {
      text.clear();
      close(fd);
      return ReadStatus::TooLarge;
    }
    text.append(buffer, static_cast<size_t>(got));
  }
  close(fd);
  return ReadStatus::Ok;
}

std::string SizeText(size_t bytes) {
  if (bytes >= (1u << 20) && bytes % (1u << 20) == 0) return std::to_string(bytes >> 20) + " MB";
  if (bytes >= (1u << 10) && bytes % (1u << 10) == 0) return std::to_string(bytes >> 10) + " KB";
  return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
}

std::string ReadFileUpTo(const std::string& path, size_t maxBytes, std::string& text) {
  std::string error;
  switch (ReadBoundedFile(path, maxBytes, text, error)) {
    case ReadStatus::Ok:
      return "";
    case ReadStatus::TooLarge:
      return "it is larger than " + SizeText(maxBytes);
    case ReadStatus::Failed:
      break;
  }
  return error;
}

}  // namespace varnloft
