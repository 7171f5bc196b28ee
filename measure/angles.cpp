#include "measure/angles.h"

#include <cmath>

namespace varnloft {

namespace {

// The long double nearest to pi; the one value of pi used for every degree conversion.
constexpr long double kPi = 3.14159265358979323851L;
// The hardware sine and cosine give up at 2^63 radians; such angles are treated as giving 0.
constexpr long double kLargestTrigArgument = 9223372036854775808.0L;

long double Radians(float degrees) {
  return static_cast<long double>(degrees) * kPi / 180.0L;
}

bool IsUsableTrigArgument(long double radians) {
  return std::isfinite(radians) && std::fabs(radians) < kLargestTrigArgument;
}

}  // namespace

float ArcTanDeg(float ratio) {
  return static_cast<float>(std::atan2(static_cast<long double>(ratio), 1.0L) * 180.0L / kPi);
}

float CosDeg(float degrees) {
  const long double radians = Radians(degrees);
  return IsUsableTrigArgument(radians) ? static_cast<float>(std::cos(radians)) : 0.0f;
}

float SinDeg(float degrees) {
  const long double radians = Radians(degrees);
  return IsUsableTrigArgument(radians) ? static_cast<float>(std::sin(radians)) : 0.0f;
}

float TanDeg(float degrees) {
  const float sine = SinDeg(degrees);
  const float cosine = CosDeg(degrees);
  return sine / cosine;
}

}  // namespace varnloft
