#pragma once
// A scratch folder removed with everything in it when the test ends, and a file's whole contents:
// what the tests of the file readers and writers share.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

namespace varnloft::testing {

struct Folder {
  Folder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "varnloft-platform-XXXXXX").string();
    if (mkdtemp(pattern.data())) path = pattern;
  }
  ~Folder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;
  std::string operator/(const std::string& name) const { return path + "/" + name; }
  size_t Entries() const {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(path),
                                             std::filesystem::directory_iterator()));
  }
  std::string path;
};

inline std::string Contents(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace varnloft::testing
