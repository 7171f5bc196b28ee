#include "platform/file_name.h"

namespace varnloft {

char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string FileExtension(const std::string& path) {
  const size_t slash = path.rfind('/');
  const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot <= nameStart || dot + 1 == path.size()) return "";
  std::string extension = path.substr(dot);
  for (char& c : extension) c = AsciiLower(c);
  return extension;
}

bool EndsWithNoCase(const std::string& s, const std::string& tail) {
  if (s.size() <= tail.size()) return false;
  const size_t start = s.size() - tail.size();
  for (size_t i = 0; i < tail.size(); ++i) {
    if (AsciiLower(s[start + i]) != AsciiLower(tail[i])) return false;
  }
  return true;
}

}  // namespace varnloft
