// The whole check: the built-in table's weight against its outlines, the person by table height
// and setting, every preset in both measures and on both support sides giving a finite report,
// and designs the check cannot be made on saying so instead of failing.
#include "safety/safety_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "design/preset_table.h"
#include "model3d/build_table_model.h"
#include "model3d/outline2d.h"
#include "safety/safety_json.h"
#include "safety/si_units.h"
#include "tests/safety/si_lengths.h"
#include "tests/support/built_in_design.h"

namespace varnloft {
namespace {

bool HasNonFinite(const std::string& json) {
  for (const char* bad : {"nan", "NAN", "inf", "INF"})
    if (json.find(bad) != std::string::npos) return true;
  return false;
}

TEST(SafetyCheck, MassIsTheOutlinesTimesThicknessTimesDensityCentredOnTheTable) {
  const DesignRecord rec = testing::BuiltInDesign(true);
  const TableModel model = BuildTableModel(rec);
  double cubicFeet = 0;
  for (const ModelPiece& p : model.pieces)
    cubicFeet += std::fabs(SignedArea(p.outline)) * p.thickness;
  const SafetyCheck check = CheckSafety(rec, model);
  ASSERT_TRUE(check.cannotCheck.empty());
  EXPECT_NEAR(check.tableMassKg, cubicFeet * kFt * kFt * kFt * 550, 1e-6);
  EXPECT_NEAR(check.centreOfMass.x, rec.OverallLength * kFt / 2, 1e-6);
  EXPECT_NEAR(check.centreOfMass.y, rec.OverallWidth * kFt / 2, 1e-6);
  EXPECT_GT(check.centreOfMass.z, 0);
  EXPECT_LT(check.centreOfMass.z, rec.TableHeight * kFt);
}

TEST(SafetyCheck, BuiltInSpansAreMeasuredBetweenTheSupportsCentreLines) {
  // Exterior supports: the outer and seat supports' centre lines lie 3.5 + 0.75 = 4.25 in in
  // from the ends and the centre support's at 36 in: the table top spans 31.75 in, the seats
  // 72 - 8.5 = 63.5 in. The seat support reaches from the leg's bolt (SeatHole in from its end)
  // to the seat's centre line (SeatWidth / 2 in).
  const DesignRecord rec = testing::BuiltInDesign(true);
  const SafetyCheck check = CheckSafety(rec, BuildTableModel(rec));
  ASSERT_EQ(check.strength.size(), 3u);
  EXPECT_NEAR(check.strength[0].spanM, 31.75 * kMetresPerInch, 1e-6);
  EXPECT_EQ(check.strength[0].boardsSharing, 2);
  EXPECT_NEAR(check.strength[1].spanM, 63.5 * kMetresPerInch, 1e-6);
  EXPECT_EQ(check.strength[2].member, "Seat Support");
  EXPECT_TRUE(check.strength[2].cantilever);
  EXPECT_NEAR(check.strength[2].spanM, std::fabs(rec.SeatHole - rec.SeatWidth / 2) * kFt, 1e-6);
  // Southern Pine 2 X 4 on edge: 1,100 psi.
  EXPECT_NEAR(check.strength[2].allowablePa, 1100 * kPascalsPerPsi, 1e-6);
}

TEST(SafetyCheck, WithoutACentreSupportTheTableTopSpansBetweenTheOuterSupports) {
  // 72 - 2 × 4.25 = 63.5 in, as the seats.
  DesignRecord rec = testing::BuiltInDesign(true);
  rec.CentreSupportDepth = 0;
  const SafetyCheck check = CheckSafety(rec, BuildTableModel(rec));
  ASSERT_TRUE(check.cannotCheck.empty()) << check.cannotCheck;
  EXPECT_NEAR(check.strength[0].spanM, 63.5 * kMetresPerInch, 1e-6);
}

TEST(SafetyCheck, MetricDesignUsesC24AndOneAndAHalfTimesThePerson) {
  const DesignRecord rec = testing::PresetDesign(0, false, true);
  const SafetyCheck check = CheckSafety(rec, BuildTableModel(rec));
  ASSERT_TRUE(check.cannotCheck.empty()) << check.cannotCheck;
  EXPECT_EQ(check.species, WoodSpecies::C24);
  EXPECT_NEAR(check.strength[0].loadN, 1.5 * 110 * kStandardGravity, 1e-9);
  EXPECT_NE(SafetyJson(check).find("\"density_kg_m3\": 420"), std::string::npos);
}

TEST(SafetyCheck, PersonIsHalfAsHeavyAtAChildrensTableUnlessSet) {
  const DesignRecord low = testing::PresetDesign(6, true, true);  // 25 in table top
  const TableModel model = BuildTableModel(low);
  EXPECT_EQ(CheckSafety(low, model).personMassKg, 55);
  SafetySettings settings;
  settings.personMassKg = 80;
  settings.species = WoodSpecies::HemFirNo2;
  const SafetyCheck set = CheckSafety(low, model, settings);
  EXPECT_EQ(set.personMassKg, 80);
  EXPECT_NEAR(set.personForceN, 80 * kStandardGravity, 1e-9);
  EXPECT_EQ(set.species, WoodSpecies::HemFirNo2);
  ASSERT_TRUE(set.children);
  EXPECT_NEAR(set.tableHeightM, 25 * kMetresPerInch, 1e-6);
}

TEST(SafetyCheck, EveryPresetInBothMeasuresAndOnBothSidesGivesAFiniteReport) {
  for (size_t i = 0; i < PresetDesigns().size(); ++i) {
    for (bool imperial : {true, false}) {
      for (bool exterior : {true, false}) {
        const DesignRecord rec = testing::PresetDesign(i, imperial, exterior);
        const SafetyCheck check = CheckSafety(rec, BuildTableModel(rec));
        const std::string where = PresetDesigns()[i].menuItem +
                                  std::string(imperial ? " in" : " mm") +
                                  (exterior ? " exterior" : " interior");
        EXPECT_TRUE(check.cannotCheck.empty()) << where << ": " << check.cannotCheck;
        EXPECT_EQ(check.stability.size(), 10u) << where;
        EXPECT_EQ(check.strength.size(), 3u) << where;
        EXPECT_GT(check.tableMassKg, 5) << where;
        const std::string json = SafetyJson(check);
        EXPECT_FALSE(HasNonFinite(json)) << where;
        EXPECT_EQ(json.rfind("{\"check\": {\"ok\": ", 0), 0u) << where;
        EXPECT_NE(json.find("\"suggestions\": []}}"), std::string::npos) << where;
      }
    }
  }
}

TEST(SafetyCheck, FailedCalculationAndMissingBoardsSayTheCheckCannotBeMade) {
  DesignRecord failed = testing::BuiltInDesign(true);
  const TableModel whole = BuildTableModel(failed);
  failed.LastCalculationFailed = true;
  SafetyCheck check = CheckSafety(failed, whole);
  EXPECT_FALSE(check.ok);
  EXPECT_NE(check.cannotCheck.find("the last calculation failed"), std::string::npos);
  const std::string json = SafetyJson(check);
  EXPECT_NE(json.find("\"reason\": \"The safety check cannot be made"), std::string::npos);
  EXPECT_NE(json.find("\"table\": null"), std::string::npos);
  // An empty model has no table top to make it a children's table.
  EXPECT_EQ(CheckSafety(failed, TableModel{}).personMassKg, 110);

  DesignRecord noBoards = testing::BuiltInDesign(true);
  noBoards.DeckBoardCount = 0;
  check = CheckSafety(noBoards, BuildTableModel(noBoards));
  EXPECT_FALSE(check.ok);
  EXPECT_NE(check.cannotCheck.find("no table top"), std::string::npos);

  noBoards = testing::BuiltInDesign(true);
  noBoards.SeatBoardCount = 0;
  EXPECT_NE(CheckSafety(noBoards, BuildTableModel(noBoards)).cannotCheck.find("no seats"),
            std::string::npos);

  EXPECT_FALSE(CheckSafety(noBoards, TableModel{}).cannotCheck.empty());
  SafetySettings zero;
  zero.personMassKg = 0;
  const DesignRecord rec = testing::BuiltInDesign(true);
  EXPECT_FALSE(CheckSafety(rec, whole, zero).cannotCheck.empty());
  zero.personMassKg = NAN;
  EXPECT_FALSE(CheckSafety(rec, whole, zero).cannotCheck.empty());
}

// Records full of absurd values: the check never throws and never writes a non-finite number.
TEST(SafetyCheck, AbsurdRecordsGiveFiniteReports) {
  std::mt19937 random(20261209);
  std::uniform_real_distribution<float> any(-5, 20);
  const float special[] = {0.0f, -1.0f, 1e30f, 1e-30f, NAN, INFINITY};
  for (int round = 0; round < 60; ++round) {
    DesignRecord rec = testing::BuiltInDesign(round % 2 == 0);
    float* fields[] = {&rec.TableHeight,      &rec.SeatHeight,     &rec.LumberThickness,
                       &rec.DeckGap,          &rec.DeckBoardWidth, &rec.SeatBoardWidth,
                       &rec.LegAngle,         &rec.SeatHole,       &rec.LeftDeckOverhang,
                       &rec.SeatSupportDepth, &rec.OverallLength,  &rec.SeatBoardCount};
    for (float* f : fields) {
      const int pick = static_cast<int>(random() % 10);
      if (pick < 3) *f = any(random);
      if (pick == 3) *f = special[random() % 6];
    }
    const SafetyCheck check = CheckSafety(rec, BuildTableModel(rec));
    EXPECT_FALSE(HasNonFinite(SafetyJson(check))) << round;
  }
}

}  // namespace
}  // namespace varnloft
