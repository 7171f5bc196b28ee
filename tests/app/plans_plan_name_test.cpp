// The plan's name on the sheet and as the default file name: the status text, with a time
// stamp for a custom design; and file names made usable whatever the name holds.
#include <gtest/gtest.h>

#include "app/design_commands.h"
#include "app/design_state.h"
#include "app/preset_commands.h"
#include "document/design_file.h"
#include "planned_window.h"
#include "plans/plan_name.h"
#include "tests/support/op_find.h"

namespace varnloft {
namespace {

using testing::PlannedWindow;

// The second header line of the sheet.
std::string SecondHeaderLine(const PlannedWindow& p) {
  const CanvasOp* op = testing::Text(p.sheet.Ops(), p.w.rec.PlanName);
  return op && op->y1 == 2 * 18 ? op->text : "";
}

TEST(PlanName, APresetIsNamedByItsStatusText) {
  PlannedWindow p;
  p.Run([&] { p.w.presets().ApplyPreset("TallBoy1"); });
  ASSERT_TRUE(p.PressPlans());
  EXPECT_EQ(p.w.rec.PlanName, p.w.form.statusPanel0);
  EXPECT_NE(p.w.rec.PlanName.find("Tall"), std::string::npos);
  EXPECT_EQ(SecondHeaderLine(p), p.w.rec.PlanName);
}

TEST(PlanName, AfterAMeasureSwitchItIsTheSwitchMessage) {
  PlannedWindow p;
  p.Run([&] { p.w.presets().SwitchToMetric(); });
  ASSERT_TRUE(p.PressPlans());
  EXPECT_EQ(p.w.rec.PlanName, "   Metric Measure Selected ");
  EXPECT_EQ(SecondHeaderLine(p), "   Metric Measure Selected ");
}

TEST(PlanName, ACustomDesignGetsTheClocksTimeStamp) {
  PlannedWindow p;  // 5 January 2007, 09:05:07
  p.Run([&] { p.w.design().TypeIntoBox("seatToTableDistance.0", "4"); });
  p.Run([&] { p.w.design().PressDesign(); });
  ASSERT_EQ(p.w.form.statusPanel0, "Custom Design Table");
  ASSERT_TRUE(p.PressPlans());
  EXPECT_EQ(p.w.rec.PlanName, "Custom Design Table 0152007-090507");
  EXPECT_EQ(SecondHeaderLine(p), "Custom Design Table 0152007-090507");

  // Every sheet takes a fresh stamp.
  p.clock.Set({2007, 12, 27, 23, 59, 1, 4});
  ASSERT_TRUE(p.PressPlans());
  EXPECT_EQ(p.w.rec.PlanName, "Custom Design Table 12272007-235901");
}

TEST(PlanName, OnlyTheExactCustomTextIsStamped) {
  const LocalDateTime t{2007, 1, 27, 14, 30, 5, 6};
  EXPECT_EQ(PlanName("Custom Design Table", t), "Custom Design Table 01272007-143005");
  EXPECT_EQ(PlanName("Custom Design Table ", t), "Custom Design Table ");
  EXPECT_EQ(PlanName("", t), "");
}

TEST(PlanFileName, ProposesTheNameWithItsExtension) {
  EXPECT_EQ(PlanFileName("Adult Standard Size Table", ".bmp"), "Adult Standard Size Table.bmp");
  // Blanks are a file name's own and stay.
  EXPECT_EQ(PlanFileName("   Metric Measure Selected ", ".bmp"), "   Metric Measure Selected .bmp");
}

TEST(PlanFileName, CharactersAFileSystemRefusesAreReplaced) {
  EXPECT_EQ(PlanFileName("1/2 size: \"tiny\" <model>?|*\\", ".bmp"),
            "1-2 size- -tiny- -model-----.bmp");
  EXPECT_EQ(PlanFileName(std::string("tab\there\nand\x7f"), ".bmp"), "tab-here-and-.bmp");
}

TEST(PlanFileName, NamesThatNameNoFileGetAUsableOne) {
  EXPECT_EQ(PlanFileName("", ".bmp"), "Picnic Table Plan.bmp");
  EXPECT_EQ(PlanFileName("..", ".bmp"), "Picnic Table Plan.bmp");
  EXPECT_EQ(PlanFileName("/", ".bmp"), "-.bmp");
}

TEST(PlanFileName, ALongNameIsCutWithoutSplittingACharacter) {
  std::string name;
  for (int i = 0; i < 150; ++i) name += "\xC3\xA0";  // 300 bytes of "à"
  const std::string file = PlanFileName(name, ".bmp");
  EXPECT_LE(file.size(), 255u);
  const std::string stem = file.substr(0, file.size() - 4);
  EXPECT_EQ(stem.size() % 2, 0u);
  EXPECT_EQ(static_cast<unsigned char>(stem.back()), 0xA0);
}

// The plans write nothing into the design: its file is the same before and after them, and
// holds the plans' lengths either way.
TEST(PlanName, ADesignFileIsTheSameBeforeAndAfterThePlans) {
  PlannedWindow p;
  const std::string before =
      WriteDesignFile(CaptureDesignState(p.w.form, p.w.rec), p.w.rec, {}).text;
  ASSERT_TRUE(p.PressPlans());
  ASSERT_TRUE(p.PressPrint());
  EXPECT_EQ(p.w.rec.PlanName, "Adult Standard Size Table");  // the window's report shows it
  EXPECT_FLOAT_EQ(p.w.rec.TableTopLength, 6.0f);
  const std::string after =
      WriteDesignFile(CaptureDesignState(p.w.form, p.w.rec), p.w.rec, {}).text;
  EXPECT_EQ(before, after);
  EXPECT_NE(before.find("\"TableTopLength\": 6,"), std::string::npos);
  EXPECT_EQ(before.find("PlanName"), std::string::npos);
}

}  // namespace
}  // namespace varnloft
