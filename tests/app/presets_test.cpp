// The Pre-Settings menu: the presets' box texts in both measures, the lumber thickness they
// set, the status texts and menu checks, and Custom Design.
#include <gtest/gtest.h>

#include "app/design_commands.h"
#include "app/input_boxes.h"
#include "app/main_window.h"
#include "app/option_commands.h"
#include "app/option_dialogs.h"
#include "app/preset_commands.h"
#include "design/preset_table.h"
#include "tests/app/started_window.h"

namespace varnloft {
namespace {

TEST(Presets, AdultWheelchairOneEndInImperial) {
  StartedWindow s;
  ASSERT_TRUE(s.Run([&] { s.w.presets().ApplyPreset("AdultWheelchairOneEnd1"); }));
  EXPECT_EQ(
      s.Text("overallLength.0") + "/" + s.Text("overallLength.1") + "/" + s.Text("overallLength.2"),
      "8/0/0");
  EXPECT_EQ(s.Text("tableHeight.0") + "/" + s.Text("tableHeight.1") + "/" + s.Text("tableHeight.2"),
            "2/9/8");
  EXPECT_EQ(s.Text("seatHeight.0") + "/" + s.Text("seatHeight.1") + "/" + s.Text("seatHeight.2"),
            "1/8/8");
  EXPECT_EQ(s.Text("leftDeckOverhang.0") + "/" + s.Text("leftDeckOverhang.1"), "20/0");
  EXPECT_EQ(s.Text("rightDeckOverhang.0") + "/" + s.Text("rightDeckOverhang.1"), "6/0");
  EXPECT_EQ(s.Text("tableTopSize.0"), "2 X 8");
  EXPECT_EQ(s.Text("tableTopSize.1"), "7.25");
  EXPECT_EQ(s.Text("endCapSize.0"), "2 X 2");
  EXPECT_EQ(s.Text("endCapSize.1"), "1.5");
  EXPECT_EQ(s.Text("deckBoardCount.0"), "5");
  EXPECT_EQ(s.w.form.statusPanel0, "Adult Wheelchair Accessible One End");
  EXPECT_EQ(s.w.CheckedPresetCaption(), "Adult wheelchair one end");
  EXPECT_FALSE(s.w.form.at("AdultStandard1").checked);
  // The design was calculated from the new boxes.
  EXPECT_FLOAT_EQ(s.w.rec.OverallLength, 8.0f);
  EXPECT_FLOAT_EQ(s.w.rec.TableHeight, 2 + 9.5f / 12);
  EXPECT_FLOAT_EQ(s.w.rec.LeftDeckOverhang, 20.0f / 12);
  EXPECT_FLOAT_EQ(s.w.rec.RightDeckOverhang, 0.5f);
  EXPECT_FLOAT_EQ(s.w.rec.EndCapWidth, 1.5f / 12);
  EXPECT_FLOAT_EQ(s.w.rec.DeckBoardCount, 5.0f);
  EXPECT_FALSE(s.w.rec.CustomDesignMode);
}

TEST(Presets, BabyTableSetsThreeQuarterInchLumberAndTheNextPresetRestoresIt) {
  StartedWindow s;
  ASSERT_TRUE(s.Run([&] { s.w.presets().ApplyPreset("BabyTable1"); }));
  EXPECT_FLOAT_EQ(s.w.rec.LumberThickness, 0.0625f);
  EXPECT_EQ(s.Text("thicknessDialog.inches"), "0");
  EXPECT_EQ(s.Text("thicknessDialog.sixteenths"), "12");
  EXPECT_EQ(s.Text("thicknessDialog.millimetres"), "19");
  EXPECT_FALSE(s.w.rec.CustomDesignMode);  // the program's box changes are no user edit
  // In imperial measure the Baby Table puts widths, not nominal sizes, into the size boxes.
  EXPECT_EQ(s.Text("tableTopSize.0"), "5");
  EXPECT_EQ(s.Text("outerSupportSize.0"), "2");

  ASSERT_TRUE(s.Run([&] { s.w.design().PressDesign(); }));
  EXPECT_EQ(s.w.form.statusPanel0, "Baby Table (Up to 3 Years Old)");
  EXPECT_EQ(s.w.CheckedPresetCaption(), "Baby Table");

  ASSERT_TRUE(s.Run([&] { s.w.presets().ApplyPreset("Adultecono1"); }));
  EXPECT_FLOAT_EQ(s.w.rec.LumberThickness, 0.125f);
  EXPECT_EQ(s.Text("thicknessDialog.inches"), "1");
  EXPECT_EQ(s.Text("thicknessDialog.sixteenths"), "8");
  EXPECT_EQ(s.Text("thicknessDialog.millimetres"), "38");
  EXPECT_EQ(s.Text("thicknessLabel"), "( 1   1/2\"  )");
}

TEST(Presets, MetricPresetsPutMillimetresIntoTheSizeBoxes) {
  StartedWindow s;
  ASSERT_TRUE(s.Run([&] { s.w.presets().SwitchToMetric(); }));
  ASSERT_TRUE(s.Run([&] { s.w.presets().ApplyPreset("AdultWheelchairOneEnd1"); }));
  EXPECT_EQ(
      s.Text("overallLength.0") + "/" + s.Text("overallLength.1") + "/" + s.Text("overallLength.2"),
      "2/438/0");
  EXPECT_EQ(s.Text("leftDeckOverhang.0") + "/" + s.Text("leftDeckOverhang.1"), "508/0");
  EXPECT_EQ(s.Text("tableTopSize.0"), "184");
  EXPECT_EQ(s.Text("tableTopSize.1"), "184");
  EXPECT_EQ(s.Text("endCapSize.0"), "38");
  ASSERT_TRUE(s.Run([&] { s.w.presets().ApplyPreset("AdultStandard1"); }));
  EXPECT_EQ(s.Text("tableTopSize.0"), "140");
  EXPECT_EQ(s.Text("endCapSize.0"), "NONE");
  EXPECT_EQ(s.Text("endCapSize.1"), "0");
  EXPECT_EQ(s.w.form.statusPanel0, "Adult Standard Size Table");
  EXPECT_NEAR(s.w.rec.OverallLength, 1.829 * 3.2808398, 1e-5);
}

TEST(Presets, TallBoySeatOverhangsDifferOnlyInImperial) {
  StartedWindow s;
  ASSERT_TRUE(s.Run([&] { s.w.presets().ApplyPreset("TallBoy1"); }));
  EXPECT_EQ(s.Text("leftSeatOverhang.0") + "/" + s.Text("leftSeatOverhang.1"), "3/8");
  EXPECT_EQ(s.Text("rightSeatOverhang.0") + "/" + s.Text("rightSeatOverhang.1"), "5/8");
  EXPECT_FLOAT_EQ(s.w.rec.LeftSeatOverhang * 12, 3.5f);
  EXPECT_FLOAT_EQ(s.w.rec.RightSeatOverhang * 12, 5.5f);
  ASSERT_TRUE(s.Run([&] { s.w.presets().SwitchToMetric(); }));
  ASSERT_TRUE(s.Run([&] { s.w.presets().ApplyPreset("TallBoy1"); }));
  EXPECT_EQ(s.Text("leftSeatOverhang.0"), "139");
  EXPECT_EQ(s.Text("rightSeatOverhang.0"), "139");
}

TEST(Presets, AModelScaleKeepsItsStatusMessage) {
  StartedWindow s;
  ASSERT_TRUE(s.Run([&] { s.w.options().ToggleModelScale(); }));
  ASSERT_TRUE(s.Run([&] { s.w.presets().ApplyPreset("Childrensecono1"); }));
  EXPECT_EQ(s.w.form.statusPanel0, "21.4% Size Reduction Scale.");
  EXPECT_EQ(s.w.CheckedPresetCaption(), "Childrens econo");
  EXPECT_TRUE(s.w.rec.ModelScale);
  ASSERT_TRUE(s.Run([&] { s.w.presets().ChooseCustomDesign(); }));
  EXPECT_EQ(s.w.form.statusPanel0, "21.4% Size Reduction Scale.");
}

TEST(Presets, CustomDesignChangesNoValueAndDoesNotRedraw) {
  StartedWindow s;
  const int views = s.designViews;
  const FormState before = s.w.form;
  ASSERT_TRUE(s.Run([&] { s.w.presets().ApplyPreset("CustomDesign1"); }));
  EXPECT_EQ(s.designViews, views);
  EXPECT_TRUE(s.w.rec.CustomDesignMode);
  EXPECT_EQ(s.w.form.statusPanel0, "Custom Design Table");
  EXPECT_EQ(s.w.CheckedPresetCaption(), "Custom Design");
  for (const auto& name : s.w.form.Names()) {
    if (BoxesOfBox(name)) {
      EXPECT_EQ(s.w.form.Text(name), before.Text(name)) << name;
    }
  }
  // A preset afterwards ends the custom design.
  ASSERT_TRUE(s.Run([&] { s.w.presets().ApplyPreset("AdultStandard1"); }));
  EXPECT_FALSE(s.w.rec.CustomDesignMode);
  ASSERT_TRUE(s.Run([&] { s.w.design().PressDesign(); }));
  EXPECT_EQ(s.w.form.statusPanel0, "Adult Standard Size Table");
}

TEST(Presets, EveryPresetDesignsWithoutAQuestionOrAnError) {
  for (bool metric : {false, true}) {
    const auto& presets = PresetDesigns();
    for (size_t i = 0; i < presets.size(); ++i) {
      StartedWindow s;
      if (metric) {
        ASSERT_TRUE(s.Run([&] { s.w.presets().SwitchToMetric(); }));
      }
      // Start from another preset so that every box really changes.
      const char* other = i == 0 ? "BabyTable1" : "AdultStandard1";
      ASSERT_TRUE(s.Run([&] { s.w.presets().ApplyPreset(other); }));
      ASSERT_TRUE(s.Run([&] { s.w.presets().ApplyPreset(presets[i].menuItem); }));
      SCOPED_TRACE(std::string(presets[i].menuItem) + (metric ? " metric" : " imperial"));
      EXPECT_TRUE(s.prompts.shown.empty());
      EXPECT_FALSE(s.w.rec.LastCalculationFailed);
      EXPECT_FALSE(s.w.rec.LegsRepositioned);
      EXPECT_EQ(s.w.form.statusPanel0, presets[i].statusText);
      EXPECT_TRUE(s.w.form.at(presets[i].menuItem).checked);
      // Every box holds the table's text for this measure.
      for (const auto& [role, texts] : PresetTexts(i, !metric)) {
        const InputBoxes& entry = *BoxesOfRole(role);
        for (size_t slot = 0; slot < texts.size(); ++slot)
          EXPECT_EQ(s.Text(entry.boxes[slot]), texts[slot]) << entry.boxes[slot];
      }
      EXPECT_GT(s.w.rec.LegLength, s.w.rec.TableHeight - s.w.rec.LumberThickness - 1e-6f);
      EXPECT_GT(s.w.rec.SeatLength, 0.0f);
    }
  }
}

TEST(Presets, UnknownMenuItemIsAnError) {
  StartedWindow s;
  EXPECT_FALSE(s.Run([&] { s.w.presets().ApplyPreset("NoSuchPreset1"); }));
  ASSERT_EQ(s.prompts.shown.size(), 1u);
  EXPECT_EQ(s.prompts.shown[0].kind, "error");
}

}  // namespace
}  // namespace varnloft
