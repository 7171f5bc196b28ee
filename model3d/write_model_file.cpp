#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

#include "model3d/model_files.h"

namespace varnloft {

namespace {

// The permissions a new file gets: those of the file it replaces, or the usual ones under the
// process's file mask (read without changing it, which would race with other threads).
mode_t NewFileMode(const std::string& target) {
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
    return existing.st_mode & 07777;
  mode_t mask = 022;
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("Umask:", 0) == 0)
      mask = static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
  return 0666 & ~mask;
}

std::string Failure(const std::string& path, int code) {
  return "The 3D model could not be written to '" + path + "'" +
         (code ? std::string(": ") + std::strerror(code) : std::string()) + ".";
}

// A file written beside its target under a temporary name; it replaces the target only when
// complete, so a failure never leaves a half-written file in the target's place.
class StagedFile {
 public:
  explicit StagedFile(std::string target) : target_(std::move(target)) {}
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;
  StagedFile(StagedFile&& other) noexcept
      : target_(std::move(other.target_)), staged_(std::move(other.staged_)) {
    other.staged_.clear();
  }
  ~StagedFile() {
    if (!staged_.empty()) ::unlink(staged_.c_str());
  }

  // Writes the bytes to the temporary file; an empty text, or why it failed.
  std::string Write(const std::string& bytes) {
    const std::filesystem::path target(target_);
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::string name = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return Failure(target_, errno);
    staged_ = name;
    // mkstemp makes the file private; the finished file gets the usual permissions.
    ::fchmod(fd, NewFileMode(target_));
    size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        const int code = n < 0 ? errno : ENOSPC;
        ::close(fd);
        return Failure(target_, code);
      }
      done += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) return Failure(target_, errno);
    return "";
  }

  // Puts the written file in the target's place.
  std::string Commit() {
    if (std::rename(staged_.c_str(), target_.c_str()) != 0) return Failure(target_, errno);
    staged_.clear();
    return "";
  }

 private:
  std::string target_;
  std::string staged_;  // the temporary file while it exists
};

// Writes every (path, bytes) pair, each through its own temporary file; nothing replaces a
// target until all were written.
std::string WriteAll(const std::vector<std::pair<std::string, std::string>>& files) {
  std::vector<StagedFile> staged;
  staged.reserve(files.size());
  for (const auto& [path, bytes] : files) {
    staged.emplace_back(path);
    std::string error = staged.back().Write(bytes);
    if (!error.empty()) return error;
  }
  for (StagedFile& file : staged) {
    std::string error = file.Commit();
    if (!error.empty()) return error;
  }
  return "";
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return s;
}

}  // namespace

std::string WriteModelFile(const TableModel& model, const std::string& path) {
  const std::filesystem::path file(path);
  const std::string extension = Lower(file.extension().string());
  if (extension == ".stl") return WriteAll({{path, StlBytes(model)}});
  if (extension == ".glb") return WriteAll({{path, GlbBytes(model)}});
  if (extension == ".obj") {
    std::filesystem::path mtl = file;
    mtl.replace_extension(".mtl");
    return WriteAll({{mtl.string(), MtlText()}, {path, ObjText(model, mtl.filename().string())}});
  }
  return "'" + path + "' does not end in .obj, .stl or .glb, so its 3D format is unknown.";
}

}  // namespace varnloft
