#include "plans/plan_name.h"

#include <cstdio>

namespace varnloft {

namespace {

// Most file systems allow 255 bytes; the extension and a save dialog's own suffixes need room.
constexpr size_t kMaxNameBytes = 200;

bool RefusedInFileName(unsigned char c) {
  return c < 0x20 || c == 0x7F || c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' ||
         c == '"' || c == '<' || c == '>' || c == '|';
}

// Cuts at most `limit` bytes without splitting a UTF-8 character.
std::string CutUtf8(const std::string& text, size_t limit) {
  if (text.size() <= limit) return text;
  size_t end = limit;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end);
}

}  // namespace

std::string PlanTimeStamp(const LocalDateTime& now) {
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, "%02d%d%04d-%02d%02d%02d", now.month, now.day, now.year,
                now.hour, now.minute, now.second);
  return stamp;
}

std::string PlanName(const std::string& statusText, const LocalDateTime& now) {
  if (statusText != kCustomDesignStatus) return statusText;
  return statusText + " " + PlanTimeStamp(now);
}

std::string PlanFileName(const std::string& planName, const std::string& extension) {
  std::string name;
  for (char c : planName) name += RefusedInFileName(static_cast<unsigned char>(c)) ? '-' : c;
  name = CutUtf8(name, kMaxNameBytes);
  // "" "." and ".." name no file of their own.
  if (name.find_first_not_of('.') == std::string::npos) name = "Picnic Table Plan";
  return name + extension;
}

}  // namespace varnloft
