#include "measure/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace varnloft {
namespace {

TEST(Angles, ArcTanInDegrees) {
  EXPECT_EQ(ArcTanDeg(1), 45.0f);
  EXPECT_EQ(ArcTanDeg(0), 0.0f);
  EXPECT_EQ(ArcTanDeg(-1), -45.0f);
  EXPECT_FLOAT_EQ(ArcTanDeg(std::sqrt(3.0f)), 60.0f);
  EXPECT_LT(ArcTanDeg(1e30f), 90.0001f);
}

TEST(Angles, SineCosineTangentToSinglePrecision) {
  EXPECT_EQ(CosDeg(60), 0.5f);
  EXPECT_EQ(SinDeg(30), 0.5f);
  EXPECT_EQ(TanDeg(45), 1.0f);
  EXPECT_EQ(CosDeg(0), 1.0f);
  EXPECT_EQ(SinDeg(-90), -1.0f);
  EXPECT_FLOAT_EQ(TanDeg(20), 0.36397023f);
}

TEST(Angles, TangentAtRightAngleIsHugeNotAnError) {
  const float t = TanDeg(90);
  EXPECT_TRUE(std::isfinite(t));
  EXPECT_GT(std::fabs(t), 1e6f);
}

TEST(Angles, ArgumentsBeyondTheHardwareRangeGiveZero) {
  EXPECT_EQ(SinDeg(1e30f), 0.0f);
  EXPECT_EQ(CosDeg(-1e30f), 0.0f);
  EXPECT_EQ(SinDeg(std::numeric_limits<float>::infinity()), 0.0f);
  EXPECT_EQ(CosDeg(std::numeric_limits<float>::quiet_NaN()), 0.0f);
  // Just below 2^63 radians the functions still answer.
  EXPECT_NE(CosDeg(5e20f), 0.0f);
}

}  // namespace
}  // namespace varnloft
