// FormatLength under every combination of its options, for any float length and scale factor
// (NaN, infinities, denormals, the largest floats) and any thousands separator. Beyond not
// crashing, every text must read back, by the carpenter's rules it is written in, to the length
// shown within half a sixteenth of an inch.
//
// Input: 4 bytes of length bits, 4 bytes of scale-factor bits, one byte of option flags, then up
// to 4 bytes of thousands separator. Short inputs are padded with zeros.
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_check.h"
#include "measure/length_text.h"

namespace varnloft::fuzz {
namespace {

constexpr long double kFootInSixteenths = 12 * 16;
constexpr long double kMillimetresPerFoot = 304.8L;

const char* const kFractions[] = {
    "      ",  " 1/16\"", " 1/8\" ", " 3/16\"",  " 1/4\" ", " 5/16\"",  " 3/8\" ", " 7/16\"",
    " 1/2\" ", " 9/16\"", " 5/8\" ", " 11/16\"", " 3/4\" ", " 13/16\"", " 7/8\" ", " 15/16\""};

bool StartsWith(const std::string& s, const std::string& prefix) {
  return s.compare(0, prefix.size(), prefix) == 0;
}

// Reads an optionally signed integer at the front of `s`; false when there is none.
bool TakeInteger(std::string& s, long double& value) {
  size_t end = s[0] == '-' ? 1 : 0;
  const size_t digitsStart = end;
  while (end < s.size() && s[end] >= '0' && s[end] <= '9') ++end;
  if (end == digitsStart) return false;
  value = std::strtold(s.substr(0, end).c_str(), nullptr);
  s.erase(0, end);
  return true;
}

// Feet-inches-sixteenths text back to feet: [Q' [- ]][R("  |  )][fraction], where Q is the
// shortest text of a float (exponent form for huge values). False when the text has another shape.
bool ReadImperial(std::string s, long double& feet) {
  feet = 0;
  const size_t footMark = s.find('\'');
  if (footMark != std::string::npos) {
    errno = 0;
    char* end = nullptr;
    const std::string q = s.substr(0, footMark);
    feet = std::strtold(q.c_str(), &end);
    if (q.empty() || end != q.c_str() + q.size()) return false;
    if (feet != std::floor(feet)) return false;
    s.erase(0, footMark + 1);
    if (!StartsWith(s, " ")) return false;
    s.erase(0, 1);
    if (StartsWith(s, "- ")) s.erase(0, 2);
  }
  long double inches = 0;
  if (!s.empty() && s[0] != ' ' && TakeInteger(s, inches)) {
    if (inches < 0 || inches > 11) return false;
    if (StartsWith(s, "\"  ")) {
      s.erase(0, 3);
    } else if (StartsWith(s, "  ")) {
      s.erase(0, 2);
    } else {
      return false;
    }
  }
  long double sixteenths = 0;
  if (!s.empty()) {
    bool known = false;
    for (int i = 0; i < 16 && !known; ++i) {
      if (s == kFractions[i]) {
        sixteenths = i;
        known = true;
      }
    }
    if (!known) return false;
  }
  feet += inches / 12 + sixteenths / kFootInSixteenths;
  return true;
}

// "1,234 mm " back to millimetres, removing every separator.
bool ReadMetric(std::string s, const std::string& separator, long double& millimetres) {
  if (s.size() < 4 || s.compare(s.size() - 4, 4, " mm ") != 0) return false;
  s.resize(s.size() - 4);
  if (!separator.empty()) {
    for (size_t pos = s.find(separator); pos != std::string::npos; pos = s.find(separator, pos))
      s.erase(pos, separator.size());
  }
  if (s.empty()) return false;
  std::string rest = s;
  return TakeInteger(rest, millimetres) && rest.empty();
}

// The spacing of floats around a magnitude: how far WholeFeet's float may be from the floor.
long double FloatSpacing(long double magnitude) {
  if (magnitude < (1 << 24)) return 0;
  const float f = static_cast<float>(magnitude);
  return static_cast<long double>(std::nextafter(f, INFINITY)) - f;
}

std::string Describe(float feet, const LengthSettings& s) {
  char buffer[200];
  std::snprintf(buffer, sizeof buffer, "feet=%a scale=%a imperial=%d model=%d unscaled=%d",
                static_cast<double>(feet), static_cast<double>(s.scaleFactor), s.imperialUnits,
                s.modelScale, s.formatUnscaled);
  return buffer;
}

void CheckFormatLength(float feet, const LengthSettings& settings) {
  const std::string text = FormatLength(feet, settings);
  const std::string where = Describe(feet, settings) + " text='" + text + "'";

  // The length that is shown: unscaled first when asked (a zero factor leaves it), then scaled.
  float x = feet;
  if (settings.formatUnscaled && settings.scaleFactor != 0)
    x = static_cast<float>(static_cast<double>(x) / settings.scaleFactor);
  const double shown = settings.modelScale ? static_cast<double>(x) * settings.scaleFactor : x;
  // Beyond the largest float there are no whole feet to write.
  if (!std::isfinite(shown) || !std::isfinite(static_cast<float>(std::floor(shown)))) {
    FUZZ_CHECK(text == (settings.imperialUnits ? "--' " : "-- mm "), where);
    return;
  }
  const long double magnitude = std::fabs(static_cast<long double>(shown));
  const long double halfSixteenth = 1 / (2 * kFootInSixteenths);
  const long double slack = FloatSpacing(magnitude) + magnitude * 1e-14L + 1e-12L;
  if (settings.imperialUnits) {
    long double back = 0;
    FUZZ_CHECK(ReadImperial(text, back), "unreadable imperial text: " + where);
    FUZZ_CHECK(std::fabs(back - shown) <= halfSixteenth + slack, "imperial text is off: " + where);
  } else {
    long double millimetres = 0;
    FUZZ_CHECK(ReadMetric(text, settings.thousandsSeparator, millimetres),
               "unreadable metric text: " + where);
    const long double expected = shown * kMillimetresPerFoot;
    FUZZ_CHECK(
        std::fabs(millimetres - expected) <= 0.5L + (halfSixteenth + slack) * kMillimetresPerFoot,
        "metric text is off: " + where);
  }
}

}  // namespace
}  // namespace varnloft::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  uint8_t head[9] = {};
  std::memcpy(head, data, size < sizeof head ? size : sizeof head);
  float feet = 0, scale = 0;
  std::memcpy(&feet, head, 4);
  std::memcpy(&scale, head + 4, 4);

  varnloft::LengthSettings settings;
  settings.scaleFactor = scale;
  // A separator from the input; digits and minus signs would make the text ambiguous to read.
  settings.thousandsSeparator.clear();
  for (size_t i = sizeof head; i < size && i < sizeof head + 4; ++i) {
    const char c = static_cast<char>(data[i]);
    if ((c < '0' || c > '9') && c != '-') settings.thousandsSeparator += c;
  }
  if (size <= sizeof head) settings.thousandsSeparator = ",";

  // The flag byte picks one combination first, then every combination is tried on the same
  // length: the options are few, and each is cheap.
  for (int combination = 0; combination < 8; ++combination) {
    const int flags = (head[8] + combination) % 8;
    settings.imperialUnits = flags & 1;
    settings.modelScale = flags & 2;
    settings.formatUnscaled = flags & 4;
    varnloft::fuzz::CheckFormatLength(feet, settings);
  }
  return 0;
}
