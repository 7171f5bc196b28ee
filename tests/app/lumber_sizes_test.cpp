// The lumber rows: sizes to widths in each measure, typed sizes, the green labels and the end
// cap's explanation.
#include <gtest/gtest.h>

#include "app/design_commands.h"
#include "app/preset_commands.h"
#include "tests/app/started_window.h"

namespace varnloft {
namespace {

TEST(LumberSizes, GreenLabelBringsTheHiddenSizeBoxBack) {
  StartedWindow s;
  ASSERT_FALSE(s.w.form.at("tableTopSize.0").visible);  // the first design hid it
  s.w.design().ChooseItem("tableTopSize.0", "2 X 10");  // a hidden box takes no input
  EXPECT_EQ(s.Text("tableTopSize.1"), "5.5");
  ASSERT_TRUE(s.Run([&] { s.w.design().ShowLumberSizeBox("tableTopSize.label"); }));
  EXPECT_TRUE(s.w.form.at("tableTopSize.0").visible);
  EXPECT_TRUE(s.w.form.at("tableTopSize.label").visible);
  EXPECT_FALSE(s.w.form.at("seatSize.0").visible);
  ASSERT_TRUE(s.Run([&] { s.w.design().ShowLumberSizeBox("endCapSize.label"); }));
  EXPECT_TRUE(s.w.form.at("endCapSize.0").visible);
  ASSERT_TRUE(s.Run([&] { s.w.design().PressDesign(); }));
  EXPECT_FALSE(s.w.form.at("tableTopSize.0").visible);
  EXPECT_FALSE(s.w.form.at("endCapSize.0").visible);
}

TEST(LumberSizes, TwoByTenInBothMeasures) {
  StartedWindow s;
  s.w.design().ShowLumberSizeBox("tableTopSize.label");
  s.w.design().ChooseItem("tableTopSize.0", "2 X 10");
  EXPECT_EQ(s.Text("tableTopSize.1"), "9.25");
  EXPECT_TRUE(s.w.rec.CustomDesignMode);
  // The green label keeps the old width until the next design.
  EXPECT_EQ(s.Text("tableTopSize.label"), "5   1/2\" ");
  ASSERT_TRUE(s.Run([&] { s.w.design().PressDesign(); }));
  EXPECT_EQ(s.Text("tableTopSize.label"), "9   1/4\" ");

  ASSERT_TRUE(s.Run([&] { s.w.presets().SwitchToMetric(); }));
  s.w.design().ShowLumberSizeBox("tableTopSize.label");
  s.w.design().ChooseItem("tableTopSize.0", "2 X 6");
  EXPECT_EQ(s.Text("tableTopSize.1"), "140");
  s.w.design().ChooseItem("tableTopSize.0", "2 X 10");
  EXPECT_EQ(s.Text("tableTopSize.1"), "235");
}

TEST(LumberSizes, TypedSizesMatchOnlyWhenComplete) {
  StartedWindow s;
  s.w.design().ShowLumberSizeBox("tableTopSize.label");
  s.w.design().TypeIntoBox("tableTopSize.0", "2 X 1");  // on the way to "2 X 10"
  EXPECT_EQ(s.Text("tableTopSize.1"), "5.5");
  s.w.design().TypeIntoBox("tableTopSize.0", "2 X 10");
  EXPECT_EQ(s.Text("tableTopSize.1"), "9.25");
  s.w.design().TypeIntoBox("tableTopSize.0", "2 x 6");  // lower-case x is no size
  EXPECT_EQ(s.Text("tableTopSize.1"), "9.25");
  s.w.design().TypeIntoBox("tableTopSize.0", "2X6");  // nor is a size without its blanks
  EXPECT_EQ(s.Text("tableTopSize.1"), "9.25");
}

TEST(LumberSizes, EachRowKnowsItsOwnSizes) {
  StartedWindow s;
  for (const char* label : {"outerSupportSize.label", "legSize.label", "endCapSize.label"})
    s.w.design().ShowLumberSizeBox(label);
  // The outer supports know "2 X 8" although their list stops at "2 X 6"; the legs do not.
  s.w.design().TypeIntoBox("outerSupportSize.0", "2 X 8");
  EXPECT_EQ(s.Text("outerSupportSize.1"), "7.25");
  s.w.design().TypeIntoBox("legSize.0", "2 X 8");
  EXPECT_EQ(s.Text("legSize.1"), "3.5");
  s.w.design().TypeIntoBox("legSize.0", "2 X 3");
  EXPECT_EQ(s.Text("legSize.1"), "2.5");
  // Only the end cap knows "1 X 2"; the counts have no change handler.
  s.w.design().ChooseItem("endCapSize.0", "1 X 2");
  EXPECT_EQ(s.Text("endCapSize.1"), ".75");
  s.w.design().TypeIntoBox("outerSupportSize.0", "1 X 2");
  EXPECT_EQ(s.Text("outerSupportSize.1"), "7.25");
  s.w.design().ChooseItem("deckBoardCount.0", "9");
  EXPECT_EQ(s.Text("deckBoardCount.0"), "9");
}

TEST(LumberSizes, NoEndCapIsZeroInBothMeasures) {
  for (bool metric : {false, true}) {
    StartedWindow s;
    if (metric) {
      ASSERT_TRUE(s.Run([&] { s.w.presets().SwitchToMetric(); }));
    }
    ASSERT_TRUE(s.Run([&] { s.w.presets().ApplyPreset("Adultwheelchairbothends1"); }));
    ASSERT_NE(s.Text("endCapSize.1"), "0");
    s.w.design().ShowLumberSizeBox("endCapSize.label");
    s.w.design().ChooseItem("endCapSize.0", "NONE");
    EXPECT_EQ(s.Text("endCapSize.1"), "0") << (metric ? "metric" : "imperial");
    s.w.design().ChooseItem("endCapSize.0", "2 X 3");
    EXPECT_EQ(s.Text("endCapSize.1"), metric ? "63.5" : "2.5");
  }
}

TEST(LumberSizes, EndCapLabelExplainsEndCaps) {
  StartedWindow s;
  ASSERT_TRUE(s.Run([&] { s.w.design().ExplainEndCaps(); }));
  ASSERT_EQ(s.prompts.shown.size(), 1u);
  EXPECT_EQ(s.prompts.shown[0].kind, "info");
  EXPECT_EQ(s.prompts.shown[0].text,
            "The End Cap applies to the table top decking, not the seats. Capping should be used "
            "when the overhang exceeds 6\"  (150mm)  to prevent lumber ends from warping. Also "
            "capping should be used for tables designed for wheelchairs to prevent slivers.");
  EXPECT_EQ(s.w.form.at("endCapCaption").hint, "Only Applies to the Top Deck");
  EXPECT_EQ(s.w.form.at("tableTopSize.label").hint, "Click to Reset");
}

}  // namespace
}  // namespace varnloft
