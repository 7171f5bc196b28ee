// The geometry on the design record alone: the first leg position, the brace on both support
// sides, overlapping legs (the question as an outcome, then the answer) and the bounded
// repositioning search, and zero divisors.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "design/calculate_design.h"
#include "measure/angles.h"
#include "measure/errors.h"
#include "tests/support/built_in_design.h"

namespace varnloft {
namespace {

using testing::BuiltInTexts;
using testing::InputTexts;
using testing::RecordOfTexts;

class CalculateGeometryTest : public ::testing::Test {
 protected:
  // Reads the texts and calculates as the window does: a question stops the calculation, which
  // runs again with the answer. `shown` lists the question and the notices, in order.
  void Calculate(bool exterior = true) {
    rec = RecordOfTexts(texts, exterior);
    GeometryOutcome outcome = CalculateGeometry(rec, OverlapAnswer::NotAsked);
    if (outcome.overlapQuestion) {
      EXPECT_TRUE(rec.LastCalculationFailed);  // stopped before the legs were placed
      shown.push_back(*outcome.overlapQuestion);
      outcome = CalculateGeometry(rec, answer);
      EXPECT_FALSE(outcome.overlapQuestion);
    }
    shown.insert(shown.end(), outcome.notices.begin(), outcome.notices.end());
  }
  double Inches(float feet) const { return feet * 12.0; }

  InputTexts texts = BuiltInTexts();
  OverlapAnswer answer = OverlapAnswer::Yes;  // as a person who says Yes
  std::vector<std::string> shown;
  DesignRecord rec;
};

TEST_F(CalculateGeometryTest, BuiltInDesignGivesTheKnownFigures) {
  Calculate();
  EXPECT_NEAR(Inches(rec.TableTopWidth), 34.25, 1e-4);
  EXPECT_NEAR(Inches(rec.OverallWidth), 62.75, 1e-4);
  EXPECT_FLOAT_EQ(rec.LegAngle, static_cast<float>(std::atan(3.0 / 5.0) * 180 / M_PI));
  EXPECT_NEAR(Inches(rec.LegLength), 32.65, 0.01);
  EXPECT_NEAR(Inches(rec.SeatHole), 12.24, 0.01);
  EXPECT_NEAR(rec.BraceAngle, 21.64, 0.005);
  EXPECT_NEAR(Inches(rec.BraceCutWidth), 3.25, 0.01);
  EXPECT_TRUE(shown.empty());
  EXPECT_FALSE(rec.LastCalculationFailed);
  EXPECT_FALSE(rec.LastCalculationFailed);
}

TEST_F(CalculateGeometryTest, BraceDependsOnSupportSideAndCentreSupport) {
  Calculate(false);
  EXPECT_NEAR(Inches(rec.BraceRun), 28.75, 1e-4);
  EXPECT_NEAR(rec.BraceAngle, 22.66, 0.005);

  texts["centreSupportSize"][1] = "0";
  for (bool exterior : {true, false}) {
    Calculate(exterior);
    EXPECT_NEAR(Inches(rec.BraceRun), 29.5, 1e-4);
    EXPECT_NEAR(Inches(rec.BraceRise), 13.75, 1e-4);
    EXPECT_NEAR(rec.BraceAngle, 24.99, 0.005);
    EXPECT_EQ(rec.BraceCutWidth, 0.0f);
  }
}

TEST_F(CalculateGeometryTest, FirstLegPositionStandsWhenTheLegClearsTheSeat) {
  texts["seatBoardCount"] = {"1"};
  texts["tableHeight"] = {"2", "0", "0"};
  texts["seatHeight"] = {"1", "6", "0"};
  Calculate();
  EXPECT_FLOAT_EQ(rec.LegAngle, static_cast<float>(std::atan(8.5 / 15.5) * 180 / M_PI));
  EXPECT_NEAR(Inches(rec.SeatSupportExtension), 9.05, 0.01);
  EXPECT_NEAR(Inches(rec.SeatWidth), 5.5, 1e-4);
}

TEST_F(CalculateGeometryTest, OverlappingLegsAskAndRepositionOnYesOnly) {
  texts["deckBoardCount"] = {"2"};
  answer = OverlapAnswer::Yes;
  Calculate();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0],
            "The upper legs will overlap  2   11/16\"  under the normal design settings. Do you "
            "want to try Repositioning the legs?");
  EXPECT_TRUE(rec.LegsRepositioned);
  EXPECT_NEAR(rec.LegAngle, 15.8, 0.1);
  EXPECT_GT(rec.SeatSupportExtension, rec.SeatWidth);

  for (int run = 0; run < 2; ++run) {
    answer = OverlapAnswer::No;
    Calculate();
    EXPECT_NEAR(rec.LegAngle, 30.96, 0.005);
    EXPECT_FALSE(rec.LegsRepositioned);
    EXPECT_NEAR(Inches(rec.LegOverlap), 2.66, 0.01);
  }
  EXPECT_EQ(shown.size(), 3u);  // asked anew on every run
}

TEST_F(CalculateGeometryTest, RepositioningGivesUpWhenNoAngleCanClearTheLegs) {
  // One 2 X 6 deck board is narrower than two legs: no angle separates them.
  texts["deckBoardCount"] = {"1"};
  Calculate();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_NE(shown[1].find("Repositioning cannot help"), std::string::npos);
  EXPECT_FALSE(rec.LegsRepositioned);
  EXPECT_FALSE(rec.LastCalculationFailed);

  // A seat 1000 inches from the table keeps the legs steep for the whole search.
  texts["deckBoardCount"] = {"2"};
  texts["seatToTableDistance"] = {"1000", "0"};
  shown.clear();
  Calculate();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_NE(shown[1].find("100,000 steps"), std::string::npos);
  const float gaveUpAngle = rec.LegAngle;
  answer = OverlapAnswer::No;
  Calculate();
  EXPECT_EQ(rec.LegAngle, gaveUpAngle);  // the same angle as declining
}

TEST_F(CalculateGeometryTest, ZeroDivisorStopsTheCalculation) {
  // A table length that leaves the brace no run.
  texts["overallLength"] = {"0", "11", "8"};
  try {
    Calculate();
    FAIL() << "no error";
  } catch (const DivisionByZeroError& e) {
    EXPECT_STREQ(e.what(), "Floating point division by zero");
  }
  EXPECT_TRUE(rec.LastCalculationFailed);
  EXPECT_GT(rec.LegLength, 0);  // the steps before the brace stay done
}

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

TEST_F(CalculateGeometryTest, RepositioningMatchesTheSearchStepByStep) {
  // Seats ever farther from the table need ever longer searches, up to ones that never clear.
  texts["deckBoardCount"] = {"2"};
  answer = OverlapAnswer::Yes;
  int cleared = 0, gaveUp = 0;
  for (const char* distance : {"3", "60", "200", "330", "345", "360", "500", "1000"}) {
    texts["seatToTableDistance"] = {distance, "0"};
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
