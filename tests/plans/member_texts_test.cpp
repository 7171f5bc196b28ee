// A member's lumber size and an angle's rafter-square setting, in both measures and under a
// model scale.
#include "plans/member_texts.h"

#include <gtest/gtest.h>

namespace varnloft {
namespace {

DesignRecord Imperial() {
  DesignRecord rec;
  rec.ImperialUnits = true;
  rec.ScaleFactor = 1;
  return rec;
}

DesignRecord Metric() {
  DesignRecord rec = Imperial();
  rec.ImperialUnits = false;
  return rec;
}

DesignRecord ModelAt(float factor) {
  DesignRecord rec = Imperial();
  rec.ModelScale = true;
  rec.ScaleFactor = factor;
  return rec;
}

float Inches(double inches) {
  return static_cast<float>(inches / 12);
}

TEST(MemberSizeLabel, StandardWidthsAreNamedByTheirNominalSize) {
  const DesignRecord rec = Imperial();
  EXPECT_EQ(MemberSizeLabel(rec, Inches(3.5)), "(2 X 4)");
  EXPECT_EQ(MemberSizeLabel(rec, Inches(0.75)), "(1 X 2)");
  EXPECT_EQ(MemberSizeLabel(rec, Inches(5.5)), "(2 X 6)");
  EXPECT_EQ(MemberSizeLabel(rec, Inches(11.25)), "(2 X 12)");
  // Metric designs name the lumber the same way.
  EXPECT_EQ(MemberSizeLabel(Metric(), Inches(7.25)), "(2 X 8)");
}

TEST(MemberSizeLabel, OtherWidthsAreWrittenAsLengths) {
  EXPECT_EQ(MemberSizeLabel(Imperial(), Inches(4.5)), "4   1/2\" ");
  EXPECT_EQ(MemberSizeLabel(Metric(), Inches(4.5)), "114 mm ");
  // A width a hair off the standard one is not that size.
  EXPECT_EQ(MemberSizeLabel(Imperial(), Inches(3.5) * 1.0001f), "3   1/2\" ");
}

TEST(MemberSizeLabel, UnderAModelScaleEveryWidthIsAScaledLength) {
  const DesignRecord rec = ModelAt(0.5f);
  EXPECT_EQ(MemberSizeLabel(rec, Inches(3.5)), "1   3/4\" ");
  EXPECT_EQ(MemberSizeLabel(rec, Inches(0.75)), " 3/8\" ");
}

TEST(AngleSquareText, ImperialRiseOnTwelveInches) {
  // tan 45 = 1: a rise of one foot on one foot of run.
  EXPECT_EQ(AngleSquareText(Imperial(), 45),
            "45.0\xC2\xB0  is  1' "
            "   on 12 using a rafter square.");
  // tan 30.9637565 = 0.6: 7 3/16 in.
  EXPECT_EQ(AngleSquareText(Imperial(), 30.9637565f),
            "31.0\xC2\xB0  is  7   3/16\"   on 12 using a rafter square.");
}

TEST(AngleSquareText, MetricRiseOnThreeHundredAndFiveMillimetres) {
  EXPECT_EQ(AngleSquareText(Metric(), 30.9637565f),
            "31.0\xC2\xB0  is  183 mm   on  305 mm using a rafter square.");
}

TEST(AngleSquareText, UnderAModelScaleTheRiseIsFullSize) {
  DesignRecord rec = ModelAt(0.214f);
  EXPECT_EQ(AngleSquareText(rec, 30.9637565f),
            "31.0\xC2\xB0  is  7   3/16\"   on 12 using a rafter square.");
  // The setting for the square leaves every other length scaled.
  EXPECT_FALSE(rec.FormatUnscaled);
  EXPECT_EQ(rec.FormatLength(1), "2   9/16\"");
  rec.ImperialUnits = false;
  EXPECT_EQ(AngleSquareText(rec, 30.9637565f),
            "31.0\xC2\xB0  is  183 mm   on  305 mm using a rafter square.");
}

TEST(AngleText, OneDecimalAtMostThreeSignificantDigits) {
  EXPECT_EQ(AngleText(21.6f), "21.6");
  EXPECT_EQ(AngleText(5), "5.0");
  EXPECT_EQ(AngleText(89.96f), "90.0");
  EXPECT_EQ(AngleText(123.45f), "123.0");
}

}  // namespace
}  // namespace varnloft
