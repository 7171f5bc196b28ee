// The lumber rows: sizes to widths in each measure, typed sizes, the green labels and the end
// cap's explanation.
#include <gtest/gtest.h>

#include "tests/app/started_window.h"

namespace varnloft {
namespace {

TEST(LumberSizes, GreenLabelBringsTheHiddenSizeBoxBack) {
  StartedWindow s;
  ASSERT_FALSE(s.w.form.at("ComboBox1").visible);  // the first design hid it
  s.w.ChooseItem("ComboBox1", "2 X 10");           // a hidden box takes no input
  EXPECT_EQ(s.Text("Edit21"), "5.5");
  ASSERT_TRUE(s.Run([&] { s.w.ShowLumberSizeBox("Label25"); }));
  EXPECT_TRUE(s.w.form.at("ComboBox1").visible);
  EXPECT_TRUE(s.w.form.at("Label25").visible);
  EXPECT_FALSE(s.w.form.at("ComboBox2").visible);
  ASSERT_TRUE(s.Run([&] { s.w.ShowLumberSizeBox("Label31"); }));
  EXPECT_TRUE(s.w.form.at("ComboBox7").visible);
  ASSERT_TRUE(s.Run([&] { s.w.PressDesign(); }));
  EXPECT_FALSE(s.w.form.at("ComboBox1").visible);
  EXPECT_FALSE(s.w.form.at("ComboBox7").visible);
}

TEST(LumberSizes, TwoByTenInBothMeasures) {
  StartedWindow s;
  s.w.ShowLumberSizeBox("Label25");
  s.w.ChooseItem("ComboBox1", "2 X 10");
  EXPECT_EQ(s.Text("Edit21"), "9.25");
  EXPECT_TRUE(s.w.rec.CustomDesignMode);
  // The green label keeps the old width until the next design.
  EXPECT_EQ(s.Text("Label25"), "5   1/2\" ");
  ASSERT_TRUE(s.Run([&] { s.w.PressDesign(); }));
  EXPECT_EQ(s.Text("Label25"), "9   1/4\" ");

  ASSERT_TRUE(s.Run([&] { s.w.SwitchToMetric(); }));
  s.w.ShowLumberSizeBox("Label25");
  s.w.ChooseItem("ComboBox1", "2 X 6");
  EXPECT_EQ(s.Text("Edit21"), "140");
  s.w.ChooseItem("ComboBox1", "2 X 10");
  EXPECT_EQ(s.Text("Edit21"), "235");
}

TEST(LumberSizes, TypedSizesMatchOnlyWhenComplete) {
  StartedWindow s;
  s.w.ShowLumberSizeBox("Label25");
  s.w.TypeIntoBox("ComboBox1", "2 X 1");  // on the way to "2 X 10"
  EXPECT_EQ(s.Text("Edit21"), "5.5");
  s.w.TypeIntoBox("ComboBox1", "2 X 10");
  EXPECT_EQ(s.Text("Edit21"), "9.25");
  s.w.TypeIntoBox("ComboBox1", "2 x 6");  // lower-case x is no size
  EXPECT_EQ(s.Text("Edit21"), "9.25");
  s.w.TypeIntoBox("ComboBox1", "2X6");  // nor is a size without its blanks
  EXPECT_EQ(s.Text("Edit21"), "9.25");
}

TEST(LumberSizes, EachRowKnowsItsOwnSizes) {
  StartedWindow s;
  for (const char* label : {"Label27", "Label30", "Label31"}) s.w.ShowLumberSizeBox(label);
  // The outer supports know "2 X 8" although their list stops at "2 X 6"; the legs do not.
  s.w.TypeIntoBox("ComboBox3", "2 X 8");
  EXPECT_EQ(s.Text("Edit23"), "7.25");
  s.w.TypeIntoBox("ComboBox6", "2 X 8");
  EXPECT_EQ(s.Text("Edit26"), "3.5");
  s.w.TypeIntoBox("ComboBox6", "2 X 3");
  EXPECT_EQ(s.Text("Edit26"), "2.5");
  // Only the end cap knows "1 X 2"; the counts have no change handler.
  s.w.ChooseItem("ComboBox7", "1 X 2");
  EXPECT_EQ(s.Text("Edit27"), ".75");
  s.w.TypeIntoBox("ComboBox3", "1 X 2");
  EXPECT_EQ(s.Text("Edit23"), "7.25");
  s.w.ChooseItem("ComboBox8", "9");
  EXPECT_EQ(s.Text("ComboBox8"), "9");
}

TEST(LumberSizes, NoEndCapIsZeroInBothMeasures) {
  for (bool metric : {false, true}) {
    StartedWindow s;
    if (metric) {
      ASSERT_TRUE(s.Run([&] { s.w.SwitchToMetric(); }));
    }
    ASSERT_TRUE(s.Run([&] { s.w.ApplyPreset("Adultwheelchairbothends1"); }));
    ASSERT_NE(s.Text("Edit27"), "0");
    s.w.ShowLumberSizeBox("Label31");
    s.w.ChooseItem("ComboBox7", "NONE");
    EXPECT_EQ(s.Text("Edit27"), "0") << (metric ? "metric" : "imperial");
    s.w.ChooseItem("ComboBox7", "2 X 3");
    EXPECT_EQ(s.Text("Edit27"), metric ? "63.5" : "2.5");
  }
}

TEST(LumberSizes, EndCapLabelExplainsEndCaps) {
  StartedWindow s;
  ASSERT_TRUE(s.Run([&] { s.w.ExplainEndCaps(); }));
  ASSERT_EQ(s.prompts.shown.size(), 1u);
  EXPECT_EQ(s.prompts.shown[0].kind, "info");
  EXPECT_EQ(s.prompts.shown[0].text,
            "The End Cap applies to the table top decking, not the seats. Capping should be used "
            "when the overhang exceeds 6\"  (150mm)  to prevent lumber ends from warping. Also "
            "capping should be used for tables designed for wheelchairs to prevent slivers.");
  EXPECT_EQ(s.w.form.at("Label21").hint, "Only Applies to the Top Deck");
  EXPECT_EQ(s.w.form.at("Label25").hint, "Click to Reset");
}

}  // namespace
}  // namespace varnloft
