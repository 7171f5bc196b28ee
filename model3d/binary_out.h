#pragma once
// Little-endian numbers appended to a byte string, for the binary 3D files.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace varnloft {

// The float nearest to v; beyond the float range, an infinity of its sign (a plain conversion
// would be undefined there).
inline float ToFloat(double v) {
  if (v > FLT_MAX) return HUGE_VALF;
  if (v < -FLT_MAX) return -HUGE_VALF;
  return static_cast<float>(v);
}

inline void AppendU16(std::string& out, std::uint16_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>(v >> 8));
}

inline void AppendU32(std::string& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

inline void AppendF32(std::string& out, float f) {
  std::uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  AppendU32(out, bits);
}

}  // namespace varnloft
