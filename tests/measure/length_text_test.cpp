#include "measure/length_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace varnloft {
namespace {

float Inches(double inches) {
  return static_cast<float>(inches / 12);
}

LengthSettings Imperial() {
  return LengthSettings{};
}

LengthSettings Metric() {
  LengthSettings s;
  s.imperialUnits = false;
  return s;
}

LengthSettings Model(bool imperial) {
  LengthSettings s;
  s.imperialUnits = imperial;
  s.modelScale = true;
  s.scaleFactor = static_cast<float>(3.0 / 14);
  return s;
}

TEST(LengthParts, FloorFractionAndTies) {
  EXPECT_EQ(VarFloor(2.5), 2);
  EXPECT_EQ(VarFloor(3), 3);
  EXPECT_EQ(VarFloor(-3), -3);
  EXPECT_EQ(VarFloor(-2.5), -3);
  EXPECT_EQ(VarFloor(0.49999999999999994), 0);
  EXPECT_EQ(VarFrac(-0.25), 0.75);
  EXPECT_EQ(WholeFeet(-0.5), -1);
  EXPECT_EQ(WholeInches(-0.5), 6);
  EXPECT_EQ(WholeInches(Inches(29.5)), 5);
  EXPECT_EQ(SixteenthsOf(1.0 / 128), 2);  // 1.5 sixteenths
  EXPECT_EQ(SixteenthsOf(3.0 / 128), 4);  // 4.5 sixteenths
  EXPECT_EQ(SixteenthsOf(Inches(6 * 12 + 11.99)), 16);
}

TEST(FormatLength, ImperialTextsKeepEveryBlank) {
  const struct {
    float feet;
    const char* text;
  } cases[] = {
      {6, "6' "},
      {Inches(29.5), "2' - 5   1/2\" "},
      {Inches(29), "2' - 5\"  "},
      {Inches(24.5), "2' -  1/2\" "},
      {Inches(17.5), "1' - 5   1/2\" "},
      {Inches(3.5), "3   1/2\" "},
      {Inches(5.5), "5   1/2\" "},
      {Inches(1.5), "1   1/2\" "},
      {Inches(7.25), "7   1/4\" "},
      {Inches(5), "5\"  "},
      {Inches(0.75), " 3/4\" "},
      {Inches(0.25), " 1/4\" "},
      {0, "0' "},
      {Inches(6 * 12 + 11.99), "7' "},
      {Inches(5 * 12 + 3.99), "5' - 4\"  "},
      {1.0f / 192, " 1/16\""},
      {1.0f / 128, " 1/8\" "},
      {3.0f / 128, " 1/4\" "},
      {Inches(11 + 13.0 / 16), "11   13/16\""},
      {-0.5f, "-1' - 6        "},
      {-1, "-1' "},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatLength(c.feet, Imperial()), c.text) << c.feet;
}

TEST(FormatLength, MetricIsMillimetresOfTheRoundedLength) {
  const struct {
    float feet;
    const char* text;
  } cases[] = {
      {6, "1,829 mm "},
      {Inches(29.5), "749 mm "},
      {0, "0 mm "},
      {static_cast<float>(0.14 * 3.2808398), "140 mm "},  // first brought to 5 1/2 inches
      {Inches(5), "127 mm "},
      // Sixteen sixteenths carry into the inches and are not counted again.
      {Inches(6 * 12 + 11.99), "2,134 mm "},
      {Inches(5 * 12 + 3.99), "1,626 mm "},
      {-0.5f, "-152 mm "},
      {1000, "304,800 mm "},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatLength(c.feet, Metric()), c.text) << c.feet;

  LengthSettings dotted = Metric();
  dotted.thousandsSeparator = ".";
  EXPECT_EQ(FormatLength(6, dotted), "1.829 mm ");
}

TEST(FormatLength, ModelScaleShowsTheReducedSize) {
  EXPECT_EQ(FormatLength(Inches(3.5), Model(true)), " 3/4\" ");
  EXPECT_EQ(FormatLength(6, Model(true)), "1' - 3   7/16\"");
  EXPECT_EQ(FormatLength(6, Model(false)), "392 mm ");

  LengthSettings unscaled = Model(true);
  unscaled.formatUnscaled = true;
  EXPECT_EQ(FormatLength(6, unscaled), "6' ");
}

TEST(FormatLength, AbsurdInputsGiveTextNotCrashes) {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(FormatLength(inf, Imperial()), "--' ");
  EXPECT_EQ(FormatLength(-inf, Metric()), "-- mm ");
  EXPECT_EQ(FormatLength(nan, Imperial()), "--' ");

  LengthSettings zeroScale;
  zeroScale.formatUnscaled = true;
  zeroScale.scaleFactor = 0;
  EXPECT_EQ(FormatLength(6, zeroScale), "6' ");

  const float huge = std::numeric_limits<float>::max();
  EXPECT_EQ(FormatLength(huge, Imperial()), "3.4028234663852886E+38' ");
  const std::string metric = FormatLength(huge, Metric());
  EXPECT_EQ(metric.substr(0, 12), "103,718,059,");
  EXPECT_EQ(metric.substr(metric.size() - 8), ",000 mm ");
}

}  // namespace
}  // namespace varnloft
