// The wheelchair ends and the children's size marks: the rules on figures worked by hand, and the
// ends the presets with long overhangs make.
#include "safety/accessibility.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "design/preset_table.h"
#include "model3d/build_table_model.h"
#include "safety/children_sizes.h"
#include "safety/si_units.h"
#include "tests/safety/si_lengths.h"
#include "tests/support/built_in_design.h"

namespace varnloft {
namespace {

TEST(WheelchairEnd, AdultRuleNamesEachFigureThatFails) {
  // 0.74 m = 29.1 in high (28-34 in), knee 0.70 m = 27.6 in (>= 27), width 0.70 m = 27.6 in
  // (< 30 in), depth 0.50 m = 19.7 in (>= 19): only the width fails.
  EndAccess end{"left", "", 0.74, 0.70, 0.70, 0.50, true, {}};
  JudgeEnd(end, false);
  EXPECT_FALSE(end.ok);
  EXPECT_EQ(end.failed, std::vector<std::string>{"knee_width"});
  end.kneeWidthM = 0.762;  // exactly 30 in
  JudgeEnd(end, false);
  EXPECT_TRUE(end.ok);
  end.tableHeightM = 0.8637;  // 34.004 in
  end.kneeDepthM = 0.48;      // 18.9 in
  JudgeEnd(end, false);
  EXPECT_EQ(end.failed, (std::vector<std::string>{"table_height", "knee_depth"}));
}

TEST(WheelchairEnd, ChildrensRuleIsLowerThanTheAdults) {
  // 0.70 m = 27.6 in lies in 26-30 in; a knee space of 0.62 m = 24.4 in is enough for children
  // (24 in), not for adults (27 in), and the table is too low for adults (28 in).
  EndAccess end{"right", "", 0.70, 0.62, 0.80, 0.50, false, {}};
  JudgeEnd(end, true);
  EXPECT_TRUE(end.ok);
  JudgeEnd(end, false);
  EXPECT_EQ(end.failed, (std::vector<std::string>{"table_height", "knee_height"}));
}

// The 8 ft preset with a 20 in left overhang and a 33.5 in table top of 1 1/2 in boards,
// 37.25 in wide: 28 <= 33.5 <= 34 in; knee height 33.5 - 1.5 = 32 >= 27 in; width
// 37.25 >= 30 in; the knee space reaches from the table top's end to the end frame, whose seat
// support (15.5-19 in above the floor) stands 20 in in: 20 >= 19 in. The end passes.
TEST(WheelchairEnd, LongLeftOverhangIsMeasuredFromTheModel) {
  for (bool exterior : {true, false}) {
    const DesignRecord rec = testing::PresetDesign(1, true, exterior);
    const std::vector<EndAccess> ends = CheckWheelchairEnds(BuildTableModel(rec), false);
    ASSERT_EQ(ends.size(), 1u);
    const EndAccess& left = ends[0];
    EXPECT_EQ(left.end, "left");
    EXPECT_NEAR(left.tableHeightM, rec.TableHeight * kFt, 1e-6);
    EXPECT_NEAR(left.kneeHeightM, (rec.TableHeight - rec.LumberThickness) * kFt, 1e-6);
    EXPECT_NEAR(left.kneeWidthM, rec.TableTopWidth * kFt, 1e-6);
    EXPECT_NEAR(left.kneeDepthM, rec.LeftDeckOverhang * kFt, 1e-6);
    EXPECT_NEAR(left.tableHeightM, 33.5 * kMetresPerInch, 1e-6);
    EXPECT_NEAR(left.kneeHeightM, 32 * kMetresPerInch, 1e-6);
    EXPECT_NEAR(left.kneeWidthM, 37.25 * kMetresPerInch, 1e-6);
    EXPECT_NEAR(left.kneeDepthM, 20 * kMetresPerInch, 1e-6);
    EXPECT_TRUE(left.ok);
    EXPECT_EQ(left.rule, "ADA 2010 902.3");
  }
}

TEST(WheelchairEnd, ShortOverhangsMakeNoWheelchairEndAndLowTablesTakeTheChildrensRule) {
  const DesignRecord builtIn = testing::BuiltInDesign(true);
  EXPECT_TRUE(CheckWheelchairEnds(BuildTableModel(builtIn), false).empty());
  // Preset 7: 8 ft, 16.5 in overhangs at both ends, a 25 in table top.
  const DesignRecord low = testing::PresetDesign(7, true, true);
  const std::vector<EndAccess> ends = CheckWheelchairEnds(BuildTableModel(low), true);
  ASSERT_EQ(ends.size(), 2u);
  EXPECT_EQ(ends[1].end, "right");
  EXPECT_NE(ends[0].rule.find("children"), std::string::npos);
  // Its table top is only 22.75 in wide, so the 30 in wide knee space takes in the seats' inner
  // edges (13.75-15.25 in above the floor): they end 16.5 - 4.5 = 12 in from the table's end,
  // short of 19 in, and the table top is too narrow as well.
  EXPECT_NEAR(ends[1].kneeDepthM, (low.RightDeckOverhang - low.RightSeatOverhang) * kFt, 1e-6);
  EXPECT_NE(std::find(ends[1].failed.begin(), ends[1].failed.end(), "knee_width"),
            ends[1].failed.end());
  EXPECT_NE(std::find(ends[1].failed.begin(), ends[1].failed.end(), "knee_depth"),
            ends[1].failed.end());
}

TEST(SizeMarks, NearestMarkBySumOfHeightDifferences) {
  // 360 / 600 mm: mark 3 (350 / 590) is 10 + 10 = 20 mm off, mark 4 (380 / 640) 20 + 40 = 60.
  SizeMarkFit fit = NearestSizeMark(0.360, 0.600);
  EXPECT_EQ(fit.mark, 3);
  EXPECT_NEAR(fit.seatDifferenceM, 0.010, 1e-12);
  EXPECT_NEAR(fit.tableDifferenceM, 0.010, 1e-12);
  // 445 / 749 mm (the built-in table): mark 6 (460 / 760) is 15 + 11 = 26 mm off, mark 5
  // (430 / 710) 15 + 39 = 54.
  fit = NearestSizeMark(0.445, 0.749);
  EXPECT_EQ(fit.mark, 6);
  EXPECT_NEAR(fit.seatDifferenceM, -0.015, 1e-12);
  EXPECT_NEAR(fit.tableDifferenceM, -0.011, 1e-12);
  EXPECT_EQ(NearestSizeMark(0.1, 0.2).mark, 1);
}

}  // namespace
}  // namespace varnloft
