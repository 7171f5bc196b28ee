#pragma once
// The factors between feet, the unit every design length is kept in, and the other units the
// program reads and writes.
namespace varnloft {

inline constexpr double kInchesPerFoot = 12;
inline constexpr double kMillimetresPerFoot = 304.8;
inline constexpr double kMetresPerFoot = 0.3048;
inline constexpr double kMetresPerInch = 0.0254;

}  // namespace varnloft
