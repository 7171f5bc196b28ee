// The Imperial and Metric buttons: box texts, column layout and status texts.
#include "app/measure_switch.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/design_commands.h"
#include "app/option_commands.h"
#include "app/preset_commands.h"
#include "tests/app/started_window.h"

namespace varnloft {
namespace {

std::vector<std::string> Texts(const StartedWindow& s, const std::vector<std::string>& boxes) {
  std::vector<std::string> texts;
  texts.reserve(boxes.size());
  for (const auto& box : boxes) texts.push_back(s.Text(box));
  return texts;
}

using Boxes = std::vector<std::string>;
const Boxes kWidthBoxes = {"tableTopSize.1",      "seatSize.1",        "outerSupportSize.1",
                           "centreSupportSize.1", "seatSupportSize.1", "legSize.1",
                           "endCapSize.1"};

TEST(MeasureSwitch, DefaultDesignInMetric) {
  StartedWindow s;
  const int views = s.designViews;
  ASSERT_TRUE(s.w.form.at("metricButton").enabled);
  s.w.design().ButtonMouseDown("metricButton");
  ASSERT_TRUE(s.Run([&] { s.w.presets().SwitchToMetric(); }));

  EXPECT_EQ(Texts(s, {"overallLength.0", "overallLength.1"}), (Boxes{"1", "829"}));
  EXPECT_EQ(Texts(s, {"tableHeight.0", "tableHeight.1"}), (Boxes{"0", "749"}));
  EXPECT_EQ(Texts(s, {"seatHeight.0", "seatHeight.1"}), (Boxes{"0", "445"}));
  EXPECT_EQ(Texts(s, {"leftDeckOverhang.0", "rightDeckOverhang.0", "leftSeatOverhang.0",
                      "rightSeatOverhang.0"}),
            (Boxes{"89", "89", "89", "89"}));
  EXPECT_EQ(s.Text("seatToTableDistance.0"), "76");
  EXPECT_EQ(s.Text("deckGap.0"), "6");
  EXPECT_EQ(Texts(s, kWidthBoxes), (Boxes{"140", "140", "89", "89", "89", "89", "0"}));
  EXPECT_EQ(s.w.form.statusPanel0, "   Metric Measure Selected ");
  EXPECT_FALSE(s.w.rec.ImperialUnits);
  EXPECT_FALSE(s.w.form.at("metricButton").enabled);
  EXPECT_TRUE(s.w.form.at("imperialButton").enabled);
  EXPECT_EQ(s.w.form.at("metricButton").color, kMaroon);
  EXPECT_EQ(s.designViews, views + 1);
  EXPECT_EQ(s.Text("thicknessLabel"), "( 38 mm )");
  EXPECT_TRUE(s.prompts.shown.empty());

  // Metric columns: metres and millimetres, wider boxes, the third columns hidden.
  const FormState& f = s.w.form;
  EXPECT_EQ(f.at("feetHeading").text, "metres");
  EXPECT_EQ(f.at("feetHeading").left, 125);
  EXPECT_EQ(f.at("inchesHeading").text, "mm");
  EXPECT_EQ(f.at("inchesHeading").left, 200);
  EXPECT_FALSE(f.at("sixteenthsHeading").visible);
  EXPECT_EQ(f.at("widthHeading").text, "mm");
  EXPECT_EQ(f.at("widthHeading").left, 570);
  for (const char* first : {"overallLength.0", "tableHeight.0", "seatHeight.0"})
    EXPECT_EQ(f.at(first).width, 60);
  for (const char* second : {"overallLength.1", "tableHeight.1", "seatHeight.1",
                             "leftDeckOverhang.0", "rightDeckOverhang.0", "leftSeatOverhang.0",
                             "rightSeatOverhang.0", "seatToTableDistance.0", "deckGap.0"}) {
    EXPECT_EQ(f.at(second).left, 180) << second;
    EXPECT_EQ(f.at(second).width, 60) << second;
  }
  for (const char* hidden : {"overallLength.2", "tableHeight.2", "seatHeight.2",
                             "leftDeckOverhang.1", "rightDeckOverhang.1", "leftSeatOverhang.1",
                             "rightSeatOverhang.1", "seatToTableDistance.1", "deckGap.1"})
    EXPECT_FALSE(f.at(hidden).visible) << hidden;
}

TEST(MeasureSwitch, BackToImperialReadsTheMillimetres) {
  StartedWindow s;
  ASSERT_TRUE(s.Run([&] { s.w.presets().SwitchToMetric(); }));
  ASSERT_TRUE(s.Run([&] { s.w.presets().SwitchToImperial(); }));

  EXPECT_EQ(Texts(s, {"overallLength.0", "overallLength.1", "overallLength.2"}),
            (Boxes{"6", "0", "0"}));
  EXPECT_EQ(Texts(s, {"tableHeight.0", "tableHeight.1", "tableHeight.2"}), (Boxes{"2", "5", "8"}));
  EXPECT_EQ(Texts(s, {"seatHeight.0", "seatHeight.1", "seatHeight.2"}), (Boxes{"1", "5", "8"}));
  for (const auto& [inches, sixteenths] : {std::pair{"leftDeckOverhang.0", "leftDeckOverhang.1"},
                                           {"rightDeckOverhang.0", "rightDeckOverhang.1"},
                                           {"leftSeatOverhang.0", "leftSeatOverhang.1"},
                                           {"rightSeatOverhang.0", "rightSeatOverhang.1"}})
    EXPECT_EQ(Texts(s, {inches, sixteenths}), (Boxes{"3", "8"})) << inches;
  // 76 mm is 2.99 inches: a hair below 3 inches shows 16 sixteenths, with no carry.
  EXPECT_EQ(Texts(s, {"seatToTableDistance.0", "seatToTableDistance.1"}), (Boxes{"2", "16"}));
  EXPECT_EQ(Texts(s, {"deckGap.0", "deckGap.1"}), (Boxes{"0", "4"}));
  EXPECT_EQ(Texts(s, kWidthBoxes), (Boxes{"5.51", "5.51", "3.50", "3.50", "3.50", "3.50", "0.00"}));
  EXPECT_EQ(s.w.form.statusPanel0, "   Imperial Measure Selected ");
  EXPECT_TRUE(s.w.rec.ImperialUnits);
  EXPECT_FALSE(s.w.form.at("imperialButton").enabled);
  EXPECT_TRUE(s.w.form.at("metricButton").enabled);
  // 2 and 16/16 inches reads back as 3 inches.
  EXPECT_FLOAT_EQ(s.w.rec.SeatToTableDistance * 12, 3.0f);

  const FormState& f = s.w.form;
  EXPECT_EQ(f.at("feetHeading").text, "feet");
  EXPECT_EQ(f.at("feetHeading").left, 118);
  EXPECT_EQ(f.at("inchesHeading").text, "inches");
  EXPECT_EQ(f.at("inchesHeading").left, 160);
  EXPECT_TRUE(f.at("sixteenthsHeading").visible);
  EXPECT_EQ(f.at("widthHeading").left, 560);
  EXPECT_EQ(f.at("overallLength.0").width, 40);
  EXPECT_EQ(f.at("overallLength.1").left, 160);
  EXPECT_EQ(f.at("leftDeckOverhang.0").left, 160);
  EXPECT_EQ(f.at("leftDeckOverhang.0").width, 40);
  EXPECT_TRUE(f.at("overallLength.2").visible);
  EXPECT_TRUE(f.at("leftDeckOverhang.1").visible);
}

TEST(MeasureSwitch, ModelScaleShowsInTheStatusButNotInTheBoxes) {
  StartedWindow s;
  ASSERT_TRUE(s.Run([&] { s.w.options().ToggleModelScale(); }));
  ASSERT_TRUE(s.Run([&] { s.w.presets().SwitchToMetric(); }));
  EXPECT_EQ(s.w.form.statusPanel0, "   Metric Measure at 21.4% reduced (model scale)");
  EXPECT_EQ(Texts(s, {"overallLength.0", "overallLength.1"}), (Boxes{"1", "829"}));
  ASSERT_TRUE(s.Run([&] { s.w.presets().SwitchToImperial(); }));
  EXPECT_EQ(s.w.form.statusPanel0, "   Imperial Measure at 21.4% reduced (model scale)");
  EXPECT_EQ(Texts(s, {"overallLength.0", "overallLength.1", "overallLength.2"}),
            (Boxes{"6", "0", "0"}));
}

TEST(MeasureSwitch, LengthsOfAMetreOrMoreKeepTheirMetres) {
  StartedWindow s;
  // A 40 inch overhang (1016 mm) and a 48 inch board (1219 mm).
  s.w.design().TypeIntoBox("leftDeckOverhang.0", "40");
  s.w.design().TypeIntoBox("leftDeckOverhang.1", "0");
  s.w.design().TypeIntoBox("seatSize.1", "48");
  ASSERT_TRUE(s.Run([&] { s.w.design().PressDesign(); }));
  ASSERT_TRUE(s.Run([&] { s.w.presets().SwitchToMetric(); }));
  EXPECT_EQ(s.Text("leftDeckOverhang.0"), "1016");
  EXPECT_EQ(s.Text("seatSize.1"), "1219");
  EXPECT_NEAR(s.w.rec.LeftDeckOverhang * 12, 40.0, 0.02);
  ASSERT_TRUE(s.Run([&] { s.w.presets().SwitchToImperial(); }));
  EXPECT_EQ(Texts(s, {"leftDeckOverhang.0", "leftDeckOverhang.1"}), (Boxes{"40", "0"}));
}

TEST(MeasureSwitch, FeetToMetres) {
  EXPECT_FLOAT_EQ(FeetToMetres(6), 1.8288f);
  EXPECT_FLOAT_EQ(FeetToMetres(3.2808398), 1.0f);
  EXPECT_EQ(FeetToMetres(0), 0.0f);
}

}  // namespace
}  // namespace varnloft
