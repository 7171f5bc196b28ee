// Layout and scale of the design view: the worked example, the step-down boundary and the
// designs no scale can be found for.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "drawing/design_view.h"
#include "drawing/view_scale.h"
#include "tests/support/built_in_design.h"

namespace varnloft {
namespace {

using testing::BuiltInDesign;

// A main window of 1024 x 740 whose picture area is 1016 x 440.
TEST(DesignViewLayout, WorkedExampleOfTheBuiltInTable) {
  const DesignRecord rec = BuiltInDesign();
  const DesignViewLayout layout = ComputeDesignViewLayout(rec, 440, 1024, 740);
  ASSERT_TRUE(layout.problem.empty());
  EXPECT_EQ(layout.figure.viewLeft, 61);
  EXPECT_EQ(layout.figure.dimStep, 22);
  EXPECT_EQ(layout.figure.viewTop, 66);
  EXPECT_EQ(layout.firstPixelsPerFoot, 143);
  EXPECT_EQ(layout.figure.pixelsPerFoot, 64);
  EXPECT_NEAR(layout.figure.sideViewLeft, 477.6, 0.05);
  EXPECT_EQ(layout.figure.heightDimensionLeft, layout.figure.sideViewLeft);
  EXPECT_DOUBLE_EQ(layout.figure.boltRadius, 1.0 / 24);
}

// A table 4 ft wide over the seats and 6 ft long, 2.5 ft high, in a 250 pixel high picture:
// the first scale is 80 and the views need 5 * viewLeft + 10 * s pixels across.
DesignRecord TenFeetAcross() {
  DesignRecord rec;
  rec.OverallWidth = 4;
  rec.OverallLength = 6;
  rec.TableHeight = 2.5f;
  return rec;
}

TEST(DesignViewLayout, FirstEstimateExactlyAtTheWindowWidthStands) {
  // 1140 wide: viewLeft 68, needed 340 + 800 = 1140.
  const DesignViewLayout layout = ComputeDesignViewLayout(TenFeetAcross(), 250, 1140, 700);
  EXPECT_EQ(layout.figure.viewLeft, 68);
  EXPECT_EQ(layout.firstPixelsPerFoot, 80);
  EXPECT_EQ(layout.figure.pixelsPerFoot, 80);
}

TEST(DesignViewLayout, OnceReducedTheScaleEndsStrictlyBelowTheWidth) {
  // One pixel narrower: 80 is too wide by one, 79 fits.
  EXPECT_EQ(ComputeDesignViewLayout(TenFeetAcross(), 250, 1139, 700).figure.pixelsPerFoot, 79);
  // 1125 wide: viewLeft 67; 79 gives exactly 1125, which is not below it, so 78.
  const DesignViewLayout layout = ComputeDesignViewLayout(TenFeetAcross(), 250, 1125, 700);
  EXPECT_EQ(layout.figure.viewLeft, 67);
  EXPECT_EQ(layout.figure.pixelsPerFoot, 78);
}

// The step-down one pixel per foot at a time, as the reference the direct search must match.
double SteppedDown(double s, double lead, double feet, double trail, double limit) {
  if (!(lead + feet * s + trail > limit)) return s;
  while (s > 0) {
    s -= 1;
    if (lead + feet * s + trail < limit) break;
  }
  return s;
}

TEST(ScaleStepDown, MatchesSteppingOnePixelAtATime) {
  for (double feet : {0.37, 1.0, 5.229167 + 6, 11.25, 40.0}) {
    for (double first : {0.0, 1.0, 7.0, 143.0, 999.0, 4321.0}) {
      for (double limit : {300.0, 1023.0, 1024.0, 1910.0}) {
        EXPECT_EQ(StepDownScale(first, 61, feet, 244, limit),
                  SteppedDown(first, 61, feet, 244, limit))
            << "feet " << feet << " first " << first << " limit " << limit;
      }
    }
  }
}

TEST(ScaleStepDown, HugeFirstEstimateIsSolvedWithoutStepping) {
  const auto start = std::chrono::steady_clock::now();
  const double s = StepDownScale(3.5e11, 61, 1e-6, 244, 1024);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
  EXPECT_LT(61 + 1e-6 * s + 244, 1024);
  EXPECT_GE(61 + 1e-6 * (s + 1) + 244, 1024);
  EXPECT_EQ(s, std::floor(s));
}

TEST(ScaleStepDown, EndsAtZeroWhenNoSmallerScaleHelps) {
  EXPECT_EQ(StepDownScale(50, 700, 0, 400, 1024), 0);   // nothing across
  EXPECT_EQ(StepDownScale(50, 700, -3, 400, 900), 0);   // a negative width
  EXPECT_EQ(StepDownScale(50, 700, 10, 400, 1024), 0);  // the margins alone are too wide
}

TEST(DesignViewLayout, TinyTableHeightGetsAFittingScaleQuickly) {
  DesignRecord rec = BuiltInDesign();
  rec.TableHeight = 1e-9f;
  const DesignViewLayout layout = ComputeDesignViewLayout(rec, 440, 1024, 740);
  ASSERT_TRUE(layout.problem.empty());
  EXPECT_GT(layout.firstPixelsPerFoot, 1e11);
  const double s = layout.figure.pixelsPerFoot;
  const double across = static_cast<double>(rec.OverallWidth) + rec.OverallLength;
  EXPECT_LT(61 + across * s + 244, 1024);
  EXPECT_GE(61 + across * (s + 1) + 244, 1024);
}

TEST(DesignViewLayout, NoScaleForAFlatOrUncomputableTable) {
  DesignRecord rec = BuiltInDesign();
  for (float height : {0.0f, -2.0f, NAN}) {
    rec.TableHeight = height;
    EXPECT_FALSE(ComputeDesignViewLayout(rec, 440, 1024, 740).problem.empty()) << height;
  }
  rec = BuiltInDesign();
  rec.OverallLength = INFINITY;
  EXPECT_FALSE(ComputeDesignViewLayout(rec, 440, 1024, 740).problem.empty());
}

}  // namespace
}  // namespace varnloft
