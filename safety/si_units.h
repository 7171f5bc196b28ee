#pragma once
// The conversions between the design's units (feet, the model's frame) and the SI units the
// safety check works in, and the few physical constants it needs.
namespace varnloft {

inline constexpr double kMetresPerFoot = 0.3048;
inline constexpr double kMetresPerInch = 0.0254;
inline constexpr double kPascalsPerPsi = 6894.757293168361;  // 1 lbf / in²
inline constexpr double kKilogramsPerPound = 0.45359237;
inline constexpr double kStandardGravity = 9.80665;  // m/s²

}  // namespace varnloft
