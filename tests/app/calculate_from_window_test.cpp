// Pressing Design on the window's boxes: the built-in values, the first leg position, overlapping
// legs, the end-cap limit, blank and bad entries, zero divisors and the bounded repositioning
// search, with the window's writes.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/control_names.h"
#include "app/design_reading.h"
#include "app/main_window.h"
#include "measure/angles.h"
#include "measure/errors.h"
#include "platform/testing/fixed_clock.h"
#include "platform/testing/recording_shell.h"
#include "platform/testing/scripted_prompts.h"

namespace varnloft {
namespace {

class CalculateFromWindowTest : public ::testing::Test {
 protected:
  CalculateFromWindowTest()
      : clock(LocalDateTime{2026, 12, 7, 9, 5, 7, 1}), window(prompts, clock, shell) {
    window.StartUp();
  }

  void Calculate() {
    ++runs;
    CalculateFromWindow(window.form, window.rec, prompts, [this] { ++reports; });
  }
  void Set(const char* box, const char* text) { window.form.Text(box) = text; }
  // The message of the error of type E that the calculation stops with, or a note saying
  // that it did not stop with one.
  template <class E>
  std::string ErrorOfCalculate() {
    try {
      Calculate();
    } catch (const E& e) {
      return e.what();
    }
    return "(no error of the expected type)";
  }
  double Inches(float feet) const { return feet * 12.0; }

  ScriptedPrompts prompts;
  FixedClock clock;
  RecordingShell shell;
  MainWindow window;
  DesignRecord& rec = window.rec;
  int runs = 0;
  int reports = 0;
};

TEST_F(CalculateFromWindowTest, BuiltInDesignGivesTheKnownFigures) {
  Calculate();
  EXPECT_NEAR(Inches(rec.TableTopWidth), 34.25, 1e-4);
  EXPECT_NEAR(Inches(rec.SeatWidth), 11.25, 1e-4);
  EXPECT_NEAR(Inches(rec.OverallWidth), 62.75, 1e-4);
  EXPECT_FLOAT_EQ(rec.LegAngle, static_cast<float>(std::atan(3.0 / 5.0) * 180 / M_PI));
  EXPECT_NEAR(Inches(rec.LegOverlap), -8.84, 0.01);
  EXPECT_NEAR(Inches(rec.LegLength), 32.65, 0.01);
  EXPECT_NEAR(Inches(rec.LegCutWidth), 4.08, 0.01);
  EXPECT_NEAR(Inches(rec.TopLegHole), 3.09, 0.01);
  EXPECT_NEAR(Inches(rec.LowerLegHole), 17.09, 0.01);
  EXPECT_NEAR(Inches(rec.OuterSupportHole), 5.13, 0.01);
  EXPECT_NEAR(Inches(rec.SeatSupportExtension), 11.25, 1e-4);
  EXPECT_NEAR(Inches(rec.SeatHole), 12.24, 0.01);
  EXPECT_NEAR(Inches(rec.BraceRun), 30.25, 1e-4);
  EXPECT_NEAR(Inches(rec.BraceRise), 12, 1e-4);
  EXPECT_NEAR(rec.BraceAngle, 21.64, 0.005);
  EXPECT_NEAR(Inches(rec.BraceLength), 32.54, 0.01);
  EXPECT_NEAR(Inches(rec.BraceCutWidth), 3.25, 0.01);
  EXPECT_FALSE(rec.LegsRepositioned);
  EXPECT_FLOAT_EQ(rec.ScaleFactor, 1.0f);
  EXPECT_TRUE(prompts.shown.empty());
  EXPECT_EQ(reports, 1);  // the angle report is the last step
  EXPECT_FALSE(rec.LastCalculationFailed);

  // The controls the calculation owns.
  EXPECT_TRUE(window.form.at("metricButton").enabled);
  EXPECT_TRUE(window.form.at("plansButton").enabled);
  EXPECT_EQ(window.form.Text("thicknessLabel"), "( 1   1/2\"  )");
  EXPECT_EQ(window.form.Text("tableTopSize.label"), "5   1/2\" ");
  EXPECT_EQ(window.form.Text("outerSupportSize.label"), "3   1/2\" ");
  EXPECT_EQ(window.form.Text("endCapSize.label"), "0' ");
  for (int i = 1; i <= 7; ++i) {
    EXPECT_FALSE(window.form.at(RoleOfControl("ComboBox" + std::to_string(i))).visible);
    EXPECT_TRUE(window.form.at(RoleOfControl("Label" + std::to_string(24 + i))).visible);
  }
}

TEST_F(CalculateFromWindowTest, OverlappingLegsAskAndRepositionOnYes) {
  Set("deckBoardCount.0", "2");
  prompts.answer = Answer::Yes;
  Calculate();
  ASSERT_EQ(prompts.shown.size(), 1u);
  EXPECT_EQ(prompts.shown[0].kind, "question");
  EXPECT_EQ(prompts.shown[0].text,
            "The upper legs will overlap  2   11/16\"  under the normal design settings. Do you "
            "want to try Repositioning the legs?");
  EXPECT_TRUE(rec.LegsRepositioned);
  EXPECT_NEAR(rec.LegAngle, 15.8, 0.1);
  EXPECT_NEAR(Inches(rec.LegOverlap), 2.66, 0.01);
  // After repositioning the seat support reaches farther than the seat's width.
  EXPECT_GT(rec.SeatSupportExtension, rec.SeatWidth);
}

TEST_F(CalculateFromWindowTest, EndCapIsLimitedToATwoByFour) {
  for (const char* wide : {"5.5", "10.25"}) {
    Set("endCapSize.1", wide);
    Set("endCapSize.0", "NONE");
    Calculate();
    EXPECT_EQ(window.form.Text("endCapSize.1"), "3.5");
    EXPECT_EQ(window.form.Text("endCapSize.0"), "2 X 4");
  }
  Set("endCapSize.1", "3.5");
  Set("endCapSize.0", "NONE");
  Calculate();
  EXPECT_EQ(window.form.Text("endCapSize.0"), "NONE");  // the limit itself is allowed

  Set("endCapSize.1", "wide");
  EXPECT_THROW(Calculate(), ProgramError);
  EXPECT_EQ(window.form.Text("endCapSize.1"), "wide");
}

TEST_F(CalculateFromWindowTest, MetricEntriesAreMetresAndMillimetres) {
  rec.ImperialUnits = false;
  const char* metric[][2] = {
      {"overallLength.0", "1"},      {"overallLength.1", "830"},      {"tableHeight.0", "1"},
      {"tableHeight.1", "830"},      {"seatHeight.0", "0"},           {"seatHeight.1", "445"},
      {"leftDeckOverhang.0", "89"},  {"rightDeckOverhang.0", "89"},   {"leftSeatOverhang.0", "89"},
      {"rightSeatOverhang.0", "89"}, {"seatToTableDistance.0", "76"}, {"deckGap.0", "6"},
      {"tableTopSize.1", "140"},     {"seatSize.1", "140"},           {"outerSupportSize.1", "89"},
      {"centreSupportSize.1", "89"}, {"seatSupportSize.1", "89"},     {"legSize.1", "89"},
      {"endCapSize.1", "140"}};
  for (auto& entry : metric) Set(entry[0], entry[1]);
  Set("overallLength.2", "not read in metric");
  Calculate();
  EXPECT_FLOAT_EQ(rec.TableHeight, 6.0039368f);
  EXPECT_FLOAT_EQ(rec.OverallLength, 6.0039368f);
  EXPECT_EQ(window.form.Text("endCapSize.1"), "89");  // end cap cut back to a 2 X 4
  EXPECT_EQ(window.form.Text("endCapSize.0"), "2 X 4");
  EXPECT_EQ(window.form.Text("thicknessLabel"), "( 38 mm )");
  EXPECT_EQ(window.form.Text("tableTopSize.label"), "140 mm ");
  EXPECT_FALSE(window.form.at("metricButton").enabled);
}

TEST_F(CalculateFromWindowTest, BlankBoxesReadAsZero) {
  Set("seatToTableDistance.0", "");
  Set("seatToTableDistance.1", "");
  Set("overallLength.2", "");
  Calculate();
  EXPECT_EQ(window.form.Text("seatToTableDistance.0"), "0");
  EXPECT_EQ(window.form.Text("overallLength.2"), "0");
  EXPECT_FLOAT_EQ(rec.SeatToTableDistance, 0.001f);
}

TEST_F(CalculateFromWindowTest, BadEntryStopsAtItsStepAndKeepsEarlierValues) {
  Calculate();
  const float oldHeight = rec.TableHeight;
  Set("overallLength.0", "7");
  Set("tableHeight.0", "abc");
  Set("tableTopSize.1", "9.25");
  EXPECT_EQ(ErrorOfCalculate<ProgramError>(), "'abc' is not a valid floating point value");
  EXPECT_FLOAT_EQ(rec.OverallLength, 7.0f);                 // read before the failing box
  EXPECT_EQ(rec.TableHeight, oldHeight);                    // not reached
  EXPECT_EQ(window.form.Text("tableTopSize.0"), "2 X 10");  // steps before reading stay done
  EXPECT_EQ(window.form.Text("tableTopSize.label"),
            "5   1/2\" ");  // the labels come after the reading
  EXPECT_TRUE(rec.LastCalculationFailed);
  EXPECT_EQ(reports, 1);  // no angle report for the failed run
}

TEST_F(CalculateFromWindowTest, ZeroDivisorsStopWithTheDivisionError) {
  // Table height 8 1/2 in: the underside of the deck sits two support depths above the floor.
  Set("tableHeight.0", "0"), Set("tableHeight.1", "8"), Set("tableHeight.2", "8");
  EXPECT_THROW(Calculate(), ProgramError);

  // A table length that leaves the brace no run.
  Set("tableHeight.0", "2"), Set("tableHeight.1", "5"), Set("tableHeight.2", "8");
  Set("overallLength.0", "0"), Set("overallLength.1", "11"), Set("overallLength.2", "8");
  EXPECT_EQ(ErrorOfCalculate<ProgramError>(), "Floating point division by zero");
}

TEST_F(CalculateFromWindowTest, NumbersBeyondAFloatAreRefusedWithAMessage) {
  Set("overallLength.0", "1e39");
  EXPECT_NE(ErrorOfCalculate<ProgramError>().find("'1e39'"), std::string::npos);
  // Entries that each fit a float but whose length does not are refused too.
  Set("overallLength.0", "3.4e38"), Set("overallLength.1", "1e38");
  EXPECT_THROW(Calculate(), ProgramError);
  EXPECT_TRUE(std::isfinite(rec.OverallLength));
}

TEST_F(CalculateFromWindowTest, ScaleFactorIsOneWithoutAModelScale) {
  rec.ScaleFactor = 0.5f;
  Calculate();
  EXPECT_FLOAT_EQ(rec.ScaleFactor, 1.0f);
  rec.ModelScale = true;
  rec.ScaleFactor = 0.5f;
  Calculate();
  EXPECT_FLOAT_EQ(rec.ScaleFactor, 0.5f);
}

}  // namespace
}  // namespace varnloft
