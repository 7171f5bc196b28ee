#pragma once
// Trigonometry in degrees, computed in long double and rounded to float.

namespace varnloft {

float ArcTanDeg(float ratio);
float CosDeg(float degrees);
float SinDeg(float degrees);
float TanDeg(float degrees);  // SinDeg / CosDeg, no special case at 90 degrees

}  // namespace varnloft
