// The Imperial and Metric buttons: box texts, column layout and status texts.
#include "app/measure_switch.h"

#include <gtest/gtest.h>

#include <vector>

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
const Boxes kWidthBoxes = {"Edit21", "Edit22", "Edit23", "Edit24", "Edit25", "Edit26", "Edit27"};

TEST(MeasureSwitch, DefaultDesignInMetric) {
  StartedWindow s;
  const int views = s.designViews;
  ASSERT_TRUE(s.w.form.at("Metric").enabled);
  s.w.ButtonMouseDown("Metric");
  ASSERT_TRUE(s.Run([&] { s.w.SwitchToMetric(); }));

  EXPECT_EQ(Texts(s, {"Edit1", "Edit2"}), (Boxes{"1", "829"}));
  EXPECT_EQ(Texts(s, {"Edit4", "Edit5"}), (Boxes{"0", "749"}));
  EXPECT_EQ(Texts(s, {"Edit28", "Edit7"}), (Boxes{"0", "445"}));
  EXPECT_EQ(Texts(s, {"Edit9", "Edit11", "Edit13", "Edit15"}), (Boxes{"89", "89", "89", "89"}));
  EXPECT_EQ(s.Text("Edit17"), "76");
  EXPECT_EQ(s.Text("Edit19"), "6");
  EXPECT_EQ(Texts(s, kWidthBoxes), (Boxes{"140", "140", "89", "89", "89", "89", "0"}));
  EXPECT_EQ(s.w.form.statusPanel0, "   Metric Measure Selected ");
  EXPECT_FALSE(s.w.rec.ImperialUnits);
  EXPECT_FALSE(s.w.form.at("Metric").enabled);
  EXPECT_TRUE(s.w.form.at("Imperial").enabled);
  EXPECT_EQ(s.w.form.at("Metric").color, kMaroon);
  EXPECT_EQ(s.designViews, views + 1);
  EXPECT_EQ(s.Text("Label47"), "( 38 mm )");
  EXPECT_TRUE(s.prompts.shown.empty());

  // Metric columns: metres and millimetres, wider boxes, the third columns hidden.
  const FormState& f = s.w.form;
  EXPECT_EQ(f.at("Label1").text, "metres");
  EXPECT_EQ(f.at("Label1").left, 125);
  EXPECT_EQ(f.at("Label2").text, "mm");
  EXPECT_EQ(f.at("Label2").left, 200);
  EXPECT_FALSE(f.at("Label3").visible);
  EXPECT_EQ(f.at("Label13").text, "mm");
  EXPECT_EQ(f.at("Label13").left, 570);
  for (const char* first : {"Edit1", "Edit4", "Edit28"}) EXPECT_EQ(f.at(first).width, 60);
  for (const char* second :
       {"Edit2", "Edit5", "Edit7", "Edit9", "Edit11", "Edit13", "Edit15", "Edit17", "Edit19"}) {
    EXPECT_EQ(f.at(second).left, 180) << second;
    EXPECT_EQ(f.at(second).width, 60) << second;
  }
  for (const char* hidden :
       {"Edit3", "Edit6", "Edit8", "Edit10", "Edit12", "Edit14", "Edit16", "Edit18", "Edit20"})
    EXPECT_FALSE(f.at(hidden).visible) << hidden;
}

TEST(MeasureSwitch, BackToImperialReadsTheMillimetres) {
  StartedWindow s;
  ASSERT_TRUE(s.Run([&] { s.w.SwitchToMetric(); }));
  ASSERT_TRUE(s.Run([&] { s.w.SwitchToImperial(); }));

  EXPECT_EQ(Texts(s, {"Edit1", "Edit2", "Edit3"}), (Boxes{"6", "0", "0"}));
  EXPECT_EQ(Texts(s, {"Edit4", "Edit5", "Edit6"}), (Boxes{"2", "5", "8"}));
  EXPECT_EQ(Texts(s, {"Edit28", "Edit7", "Edit8"}), (Boxes{"1", "5", "8"}));
  for (const auto& [inches, sixteenths] : {std::pair{"Edit9", "Edit10"},
                                           {"Edit11", "Edit12"},
                                           {"Edit13", "Edit14"},
                                           {"Edit15", "Edit16"}})
    EXPECT_EQ(Texts(s, {inches, sixteenths}), (Boxes{"3", "8"})) << inches;
  // 76 mm is 2.99 inches: a hair below 3 inches shows 16 sixteenths, with no carry.
  EXPECT_EQ(Texts(s, {"Edit17", "Edit18"}), (Boxes{"2", "16"}));
  EXPECT_EQ(Texts(s, {"Edit19", "Edit20"}), (Boxes{"0", "4"}));
  EXPECT_EQ(Texts(s, kWidthBoxes), (Boxes{"5.51", "5.51", "3.50", "3.50", "3.50", "3.50", "0.00"}));
  EXPECT_EQ(s.w.form.statusPanel0, "   Imperial Measure Selected ");
  EXPECT_TRUE(s.w.rec.ImperialUnits);
  EXPECT_FALSE(s.w.form.at("Imperial").enabled);
  EXPECT_TRUE(s.w.form.at("Metric").enabled);
  // 2 and 16/16 inches reads back as 3 inches.
  EXPECT_FLOAT_EQ(s.w.rec.SeatToTableDistance * 12, 3.0f);

  const FormState& f = s.w.form;
  EXPECT_EQ(f.at("Label1").text, "feet");
  EXPECT_EQ(f.at("Label1").left, 118);
  EXPECT_EQ(f.at("Label2").text, "inches");
  EXPECT_EQ(f.at("Label2").left, 160);
  EXPECT_TRUE(f.at("Label3").visible);
  EXPECT_EQ(f.at("Label13").left, 560);
  EXPECT_EQ(f.at("Edit1").width, 40);
  EXPECT_EQ(f.at("Edit2").left, 160);
  EXPECT_EQ(f.at("Edit9").left, 160);
  EXPECT_EQ(f.at("Edit9").width, 40);
  EXPECT_TRUE(f.at("Edit3").visible);
  EXPECT_TRUE(f.at("Edit10").visible);
}

TEST(MeasureSwitch, ModelScaleShowsInTheStatusButNotInTheBoxes) {
  StartedWindow s;
  ASSERT_TRUE(s.Run([&] { s.w.ToggleModelScale(); }));
  ASSERT_TRUE(s.Run([&] { s.w.SwitchToMetric(); }));
  EXPECT_EQ(s.w.form.statusPanel0, "   Metric Measure at 21.4% reduced (model scale)");
  EXPECT_EQ(Texts(s, {"Edit1", "Edit2"}), (Boxes{"1", "829"}));
  ASSERT_TRUE(s.Run([&] { s.w.SwitchToImperial(); }));
  EXPECT_EQ(s.w.form.statusPanel0, "   Imperial Measure at 21.4% reduced (model scale)");
  EXPECT_EQ(Texts(s, {"Edit1", "Edit2", "Edit3"}), (Boxes{"6", "0", "0"}));
}

TEST(MeasureSwitch, LengthsOfAMetreOrMoreKeepTheirMetres) {
  StartedWindow s;
  // A 40 inch overhang (1016 mm) and a 48 inch board (1219 mm).
  s.w.TypeIntoBox("Edit9", "40");
  s.w.TypeIntoBox("Edit10", "0");
  s.w.TypeIntoBox("Edit22", "48");
  ASSERT_TRUE(s.Run([&] { s.w.PressDesign(); }));
  ASSERT_TRUE(s.Run([&] { s.w.SwitchToMetric(); }));
  EXPECT_EQ(s.Text("Edit9"), "1016");
  EXPECT_EQ(s.Text("Edit22"), "1219");
  EXPECT_NEAR(s.w.rec.LeftDeckOverhang * 12, 40.0, 0.02);
  ASSERT_TRUE(s.Run([&] { s.w.SwitchToImperial(); }));
  EXPECT_EQ(Texts(s, {"Edit9", "Edit10"}), (Boxes{"40", "0"}));
}

TEST(MeasureSwitch, FeetToMetres) {
  EXPECT_FLOAT_EQ(FeetToMetres(6), 1.8288f);
  EXPECT_FLOAT_EQ(FeetToMetres(3.2808398), 1.0f);
  EXPECT_EQ(FeetToMetres(0), 0.0f);
}

}  // namespace
}  // namespace varnloft
