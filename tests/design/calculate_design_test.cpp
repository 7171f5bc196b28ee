// The geometry calculation on the main window's built-in values and on the designs that take
// its other paths: the first leg position, overlapping legs, the end-cap limit, blank and bad
// entries, zero divisors and the bounded repositioning search.
#include "design/calculate_design.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/main_window.h"
#include "measure/angles.h"
#include "measure/errors.h"
#include "platform/clock.h"
#include "platform/prompts.h"
#include "platform/shell.h"

namespace varnloft {
namespace {

class CalculateDesignTest : public ::testing::Test {
 protected:
  CalculateDesignTest()
      : clock(LocalDateTime{2026, 12, 7, 9, 5, 7, 1}), window(prompts, clock, shell) {
    window.FormCreate();
  }

  void Calculate() {
    ++runs;
    CalculateDesign(window.form, window.rec, prompts, [this] { ++reports; });
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

TEST_F(CalculateDesignTest, BuiltInDesignGivesTheKnownFigures) {
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
  EXPECT_TRUE(window.form.at("Metric").enabled);
  EXPECT_TRUE(window.form.at("BitBtn4").enabled);
  EXPECT_EQ(window.form.Text("Label47"), "( 1   1/2\"  )");
  EXPECT_EQ(window.form.Text("Label25"), "5   1/2\" ");
  EXPECT_EQ(window.form.Text("Label27"), "3   1/2\" ");
  EXPECT_EQ(window.form.Text("Label31"), "0' ");
  for (int i = 1; i <= 7; ++i) {
    EXPECT_FALSE(window.form.at("ComboBox" + std::to_string(i)).visible);
    EXPECT_TRUE(window.form.at("Label" + std::to_string(24 + i)).visible);
  }
}

TEST_F(CalculateDesignTest, BraceDependsOnSupportSideAndCentreSupport) {
  rec.SupportsExterior = false;
  Calculate();
  EXPECT_NEAR(Inches(rec.BraceRun), 28.75, 1e-4);
  EXPECT_NEAR(rec.BraceAngle, 22.66, 0.005);

  for (bool exterior : {true, false}) {
    rec.SupportsExterior = exterior;
    Set("Edit24", "0");
    Calculate();
    EXPECT_NEAR(Inches(rec.BraceRun), 29.5, 1e-4);
    EXPECT_NEAR(Inches(rec.BraceRise), 13.75, 1e-4);
    EXPECT_NEAR(rec.BraceAngle, 24.99, 0.005);
    EXPECT_EQ(rec.BraceCutWidth, 0.0f);
  }
}

TEST_F(CalculateDesignTest, FirstLegPositionStandsWhenTheLegClearsTheSeat) {
  Set("ComboBox9", "1");
  Set("Edit4", "2"), Set("Edit5", "0"), Set("Edit6", "0");
  Set("Edit28", "1"), Set("Edit7", "6"), Set("Edit8", "0");
  Calculate();
  EXPECT_FLOAT_EQ(rec.LegAngle, static_cast<float>(std::atan(8.5 / 15.5) * 180 / M_PI));
  EXPECT_NEAR(rec.LegAngle, 28.74, 0.005);
  EXPECT_NEAR(Inches(rec.SeatSupportExtension), 9.05, 0.01);
  EXPECT_NEAR(Inches(rec.SeatWidth), 5.5, 1e-4);
}

TEST_F(CalculateDesignTest, OverlappingLegsAskAndRepositionOnYes) {
  Set("ComboBox8", "2");
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

TEST_F(CalculateDesignTest, OverlappingLegsStayOnNoOrCancel) {
  Set("ComboBox8", "2");
  for (Answer answer : {Answer::No, Answer::Cancel}) {
    prompts.answer = answer;
    Calculate();
    EXPECT_NEAR(rec.LegAngle, 30.96, 0.005);
    EXPECT_FALSE(rec.LegsRepositioned);
    EXPECT_NEAR(Inches(rec.LegOverlap), 2.66, 0.01);
  }
  EXPECT_EQ(prompts.shown.size(), 2u);  // asked anew on every run
}

TEST_F(CalculateDesignTest, RepositioningGivesUpWhenNoAngleCanClearTheLegs) {
  // One 2 X 6 deck board is narrower than two legs: no angle separates them.
  Set("ComboBox8", "1");
  Calculate();
  const float firstAngle = rec.LegAngle;
  ASSERT_EQ(prompts.shown.size(), 2u);
  EXPECT_EQ(prompts.shown[0].kind, "question");
  EXPECT_EQ(prompts.shown[1].kind, "info");
  EXPECT_NE(prompts.shown[1].text.find("Repositioning cannot help"), std::string::npos);
  EXPECT_FALSE(rec.LegsRepositioned);
  EXPECT_GT(rec.LegOverlap, 0);
  EXPECT_FALSE(rec.LastCalculationFailed);

  // The same angle as declining the question.
  prompts.answer = Answer::No;
  Calculate();
  EXPECT_EQ(rec.LegAngle, firstAngle);
}

TEST_F(CalculateDesignTest, RepositioningGivesUpAfterItsStepLimit) {
  // A seat 1000 inches from the table keeps the legs steep for the whole search.
  Set("ComboBox8", "2");
  Set("Edit17", "1000");
  Calculate();
  ASSERT_EQ(prompts.shown.size(), 2u);
  EXPECT_NE(prompts.shown[1].text.find("100,000 steps"), std::string::npos);
  EXPECT_FALSE(rec.LegsRepositioned);
  EXPECT_GT(rec.LegOverlap, 0);
  const float gaveUpAngle = rec.LegAngle;
  prompts.answer = Answer::No;
  Calculate();
  EXPECT_EQ(rec.LegAngle, gaveUpAngle);
}

TEST_F(CalculateDesignTest, EndCapIsLimitedToATwoByFour) {
  for (const char* wide : {"5.5", "10.25"}) {
    Set("Edit27", wide);
    Set("ComboBox7", "NONE");
    Calculate();
    EXPECT_EQ(window.form.Text("Edit27"), "3.5");
    EXPECT_EQ(window.form.Text("ComboBox7"), "2 X 4");
  }
  Set("Edit27", "3.5");
  Set("ComboBox7", "NONE");
  Calculate();
  EXPECT_EQ(window.form.Text("ComboBox7"), "NONE");  // the limit itself is allowed

  Set("Edit27", "wide");
  EXPECT_THROW(Calculate(), ConversionError);
  EXPECT_EQ(window.form.Text("Edit27"), "wide");
}

TEST_F(CalculateDesignTest, MetricEntriesAreMetresAndMillimetres) {
  rec.ImperialUnits = false;
  const char* metric[][2] = {
      {"Edit1", "1"},   {"Edit2", "830"}, {"Edit4", "1"},    {"Edit5", "830"},  {"Edit28", "0"},
      {"Edit7", "445"}, {"Edit9", "89"},  {"Edit11", "89"},  {"Edit13", "89"},  {"Edit15", "89"},
      {"Edit17", "76"}, {"Edit19", "6"},  {"Edit21", "140"}, {"Edit22", "140"}, {"Edit23", "89"},
      {"Edit24", "89"}, {"Edit25", "89"}, {"Edit26", "89"},  {"Edit27", "140"}};
  for (auto& entry : metric) Set(entry[0], entry[1]);
  Set("Edit3", "not read in metric");
  Calculate();
  EXPECT_FLOAT_EQ(rec.TableHeight, 6.0039368f);
  EXPECT_FLOAT_EQ(rec.OverallLength, 6.0039368f);
  EXPECT_EQ(window.form.Text("Edit27"), "89");  // end cap cut back to a 2 X 4
  EXPECT_EQ(window.form.Text("ComboBox7"), "2 X 4");
  EXPECT_EQ(window.form.Text("Label47"), "( 38 mm )");
  EXPECT_EQ(window.form.Text("Label25"), "140 mm ");
  EXPECT_FALSE(window.form.at("Metric").enabled);
}

TEST_F(CalculateDesignTest, BlankBoxesReadAsZero) {
  Set("Edit17", "");
  Set("Edit18", "");
  Set("Edit3", "");
  Calculate();
  EXPECT_EQ(window.form.Text("Edit17"), "0");
  EXPECT_EQ(window.form.Text("Edit3"), "0");
  EXPECT_FLOAT_EQ(rec.SeatToTableDistance, 0.001f);
}

TEST_F(CalculateDesignTest, BadEntryStopsAtItsStepAndKeepsEarlierValues) {
  Calculate();
  const float oldHeight = rec.TableHeight;
  Set("Edit1", "7");
  Set("Edit4", "abc");
  Set("Edit21", "9.25");
  EXPECT_EQ(ErrorOfCalculate<ConversionError>(), "'abc' is not a valid floating point value");
  EXPECT_FLOAT_EQ(rec.OverallLength, 7.0f);              // read before the failing box
  EXPECT_EQ(rec.TableHeight, oldHeight);                 // not reached
  EXPECT_EQ(window.form.Text("ComboBox1"), "2 X 10");    // steps before reading stay done
  EXPECT_EQ(window.form.Text("Label25"), "5   1/2\" ");  // the labels come after the reading
  EXPECT_TRUE(rec.LastCalculationFailed);
  EXPECT_EQ(reports, 1);  // no angle report for the failed run
}

TEST_F(CalculateDesignTest, ZeroDivisorsStopWithTheDivisionError) {
  // Table height 8 1/2 in: the underside of the deck sits two support depths above the floor.
  Set("Edit4", "0"), Set("Edit5", "8"), Set("Edit6", "8");
  EXPECT_THROW(Calculate(), DivisionByZeroError);

  // A table length that leaves the brace no run.
  Set("Edit4", "2"), Set("Edit5", "5"), Set("Edit6", "8");
  Set("Edit1", "0"), Set("Edit2", "11"), Set("Edit3", "8");
  EXPECT_EQ(ErrorOfCalculate<DivisionByZeroError>(), "Floating point division by zero");
}

TEST_F(CalculateDesignTest, NumbersBeyondAFloatAreRefusedWithAMessage) {
  Set("Edit1", "1e39");
  EXPECT_NE(ErrorOfCalculate<ProgramError>().find("'1e39'"), std::string::npos);
  // Entries that each fit a float but whose length does not are refused too.
  Set("Edit1", "3.4e38"), Set("Edit2", "1e38");
  EXPECT_THROW(Calculate(), ProgramError);
  EXPECT_TRUE(std::isfinite(rec.OverallLength));
}

TEST_F(CalculateDesignTest, ScaleFactorIsOneWithoutAModelScale) {
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

namespace varnloft {
namespace {

// The repositioning search stepped one 0.001 ft at a time, straight from its rule, to check the
// calculation's search (which ends early when no step can clear the legs) against.
struct SteppedSearch {
  bool cleared = false;
  float angle = 0;
};

SteppedSearch StepEveryThousandth(const DesignRecord& r) {
  const double a = r.OuterSupportDepth;
  const double b0 = static_cast<double>(r.TableHeight) - r.LumberThickness - r.OuterSupportDepth -
                    r.SeatHeight + r.LumberThickness;
  const double c = (static_cast<double>(r.OverallWidth) - r.TableTopWidth) / 2 - r.SeatWidth;
  for (int step = 1; step <= kMaxRepositionSteps; ++step) {
    const float angle = ArcTanDeg(static_cast<float>(c / ((b0 + step / 1000.0) - a)));
    const double clearance = static_cast<double>(r.TableTopWidth) / 2 -
                             2 * static_cast<double>(r.OuterSupportDepth) * TanDeg(angle) -
                             static_cast<double>(r.LegWidth) / CosDeg(angle);
    if (clearance > 0) return {true, angle};
  }
  return {};
}

TEST_F(CalculateDesignTest, RepositioningMatchesTheSearchStepByStep) {
  // Seats ever farther from the table need ever longer searches, up to ones that never clear.
  Set("ComboBox8", "2");
  int cleared = 0, gaveUp = 0;
  for (const char* distance : {"3", "60", "200", "330", "345", "360", "500", "1000"}) {
    Set("Edit17", distance);
    prompts.shown.clear();
    Calculate();
    const SteppedSearch expected = StepEveryThousandth(rec);
    EXPECT_EQ(rec.LegsRepositioned, expected.cleared) << distance;
    if (expected.cleared) {
      EXPECT_EQ(rec.LegAngle, expected.angle) << distance;
      ++cleared;
    } else {
      ++gaveUp;
    }
  }
  EXPECT_GT(cleared, 0);
  EXPECT_GT(gaveUp, 0);
}

}  // namespace
}  // namespace varnloft
