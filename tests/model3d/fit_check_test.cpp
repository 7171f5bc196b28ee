// The fit check on real designs: the built-in table and every preset pass on both sides of the
// supports and in both measures; a table whose legs cross fails and names the legs; a seat
// overhang beyond the deck's is a finding, not a failure.
#include "model3d/fit_check.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "design/preset_table.h"
#include "measure/angles.h"
#include "model3d/build_table_model.h"
#include "test_designs.h"

namespace varnloft {
namespace {

using testing::BuiltInTable;
using testing::BuiltInTableWith;
using testing::PresetTable;

std::string Findings(const FitReport& report) {
  std::string text;
  for (const std::string& f : report.findings) text += "\n  " + f;
  return text;
}

TEST(FitCheck, BuiltInTablePassesOnBothSupportSides) {
  for (bool exterior : {true, false}) {
    const DesignRecord rec = BuiltInTable(exterior);
    const TableModel model = BuildTableModel(rec);
    const FitReport report = CheckFit(model, rec.Lengths());
    EXPECT_TRUE(report.ok) << Findings(report);
    EXPECT_TRUE(report.overlaps.empty());
    EXPECT_TRUE(report.findings.empty()) << Findings(report);
    EXPECT_NEAR(report.boundingBox.x, rec.OverallLength, 1e-6);
    EXPECT_NEAR(report.boundingBox.y, rec.OverallWidth, 1e-6);
    EXPECT_NEAR(report.boundingBox.z, rec.TableHeight, 1e-6);
  }
}

TEST(FitCheck, EveryPresetPassesInBothMeasuresOnBothSides) {
  for (size_t i = 0; i < PresetDesigns().size(); ++i) {
    for (bool imperial : {true, false}) {
      for (bool exterior : {true, false}) {
        bool asked = false;
        const DesignRecord rec = PresetTable(i, imperial, exterior, &asked);
        const FitReport report = CheckFit(BuildTableModel(rec), rec.Lengths());
        EXPECT_TRUE(report.ok) << PresetDesigns()[i].menuItem
                               << (imperial ? " imperial" : " metric")
                               << (exterior ? " exterior" : " interior") << Findings(report);
        EXPECT_FALSE(asked) << PresetDesigns()[i].menuItem;
      }
    }
  }
}

TEST(FitCheck, TypicalCustomDesignsPass) {
  const std::vector<std::map<std::string, std::string>> designs = {
      {{"seatBoardCount:0", "1"}},
      {{"seatBoardCount:0", "3"}},
      {{"deckBoardCount:0", "15"}, {"seatBoardCount:0", "5"}},
      {{"deckBoardCount:0", "3"}},
      {{"seatToTableDistance:0", "0"},
       {"seatToTableDistance:1", "0"}},   // seat against the table top
      {{"seatToTableDistance:0", "12"}},  // foot under the seat's outer edge
      {{"seatHeight:0", "2"},
       {"seatHeight:1", "2"},
       {"seatHeight:2", "0"}},  // high seat, the same leg position
      {{"seatHeight:0", "0"}, {"seatHeight:1", "8"}, {"seatHeight:2", "0"}},
      {{"centreSupportSize:1", "0"}},    // no centre support, no braces
      {{"centreSupportSize:1", "5.5"}},  // centre support deeper than the seat support
      {{"endCapSize:1", "1.5"}, {"endCapSize:0", "2 X 2"}},
      {{"leftDeckOverhang:0", "20"}, {"leftDeckOverhang:1", "0"}},
      {{"overallLength:0", "16"}},
      {{"overallLength:0", "3"}},
      {{"legSize:1", "5.5"}},
      {{"seatSupportSize:1", "7.25"}},
      {{"tableHeight:0", "3"}, {"tableHeight:1", "6"}, {"tableHeight:2", "0"}},
      {{"deckGap:0", "0"}, {"deckGap:1", "0"}},
  };
  for (const auto& boxes : designs) {
    for (bool exterior : {true, false}) {
      const DesignRecord rec = BuiltInTableWith(boxes, exterior);
      const FitReport report = CheckFit(BuildTableModel(rec), rec.Lengths());
      std::string what;
      for (const auto& [box, text] : boxes) what.append(box).append("=").append(text).append(" ");
      EXPECT_TRUE(report.ok) << what << (exterior ? "exterior" : "interior") << Findings(report);
    }
  }
}

// The part of convex polygon `subject` inside convex polygon `clip` (both counter-clockwise).
Outline Clip2(Outline subject, const Outline& clip) {
  for (size_t i = 0; i < clip.size() && !subject.empty(); ++i) {
    const Vec2 a = clip[i], b = clip[(i + 1) % clip.size()];
    auto side = [&](const Vec2& p) {
      return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
    };
    Outline kept;
    for (size_t j = 0; j < subject.size(); ++j) {
      const Vec2 p = subject[j], q = subject[(j + 1) % subject.size()];
      const double sp = side(p), sq = side(q);
      if (sp >= 0) kept.push_back(p);
      if ((sp >= 0) != (sq >= 0)) {
        const double r = sp / (sp - sq);
        kept.push_back({p.x + (q.x - p.x) * r, p.y + (q.y - p.y) * r});
      }
    }
    subject = kept;
  }
  return subject;
}

TEST(FitCheck, LegsThatCrossFailAndAreNamed) {
  // Two deck boards with the overlap question answered No: the upper legs overlap by about
  // 2 11/16 in.
  const DesignRecord rec = BuiltInTableWith({{"deckBoardCount:0", "2"}}, true);
  EXPECT_NEAR(rec.LegOverlap * 12, 2 + 11 / 16.0, 1 / 32.0);
  const TableModel model = BuildTableModel(rec);
  const FitReport report = CheckFit(model, rec.Lengths());
  EXPECT_FALSE(report.ok);
  ASSERT_EQ(report.overlaps.size(), 2u) << Findings(report);
  EXPECT_EQ(report.overlaps[0].nameA, "Leg 1");
  EXPECT_EQ(report.overlaps[0].nameB, "Leg 2");
  EXPECT_EQ(report.overlaps[1].nameA, "Leg 3");
  EXPECT_EQ(report.overlaps[1].nameB, "Leg 4");
  EXPECT_EQ(report.offending, (std::vector<int>{0, 1, 2, 3}));
  ASSERT_EQ(report.findings.size(), 2u);
  EXPECT_EQ(
      report.findings[0].rfind("Leg 1 and Leg 2 pass through each other: 15.75 cubic inches", 0),
      0u)
      << report.findings[0];

  // The shared wood is the crossing of the two legs in the end view, one thickness deep.
  const double t = rec.LumberThickness, H = rec.TableHeight;
  const double k = TanDeg(rec.LegAngle), LC = rec.LegCutWidth;
  const double xd = rec.SeatWidth + rec.SeatToTableDistance;
  const double xl = xd + 2 * k * rec.OuterSupportDepth;
  const double xr = xd + rec.TableTopWidth - 2 * k * rec.OuterSupportDepth;
  const double spread = k * (H - t);
  const Outline front =
      CounterClockwise({{xl - spread, 0}, {xl - spread + LC, 0}, {xl + LC, H - t}, {xl, H - t}});
  const Outline back =
      CounterClockwise({{xr + spread - LC, 0}, {xr + spread, 0}, {xr, H - t}, {xr - LC, H - t}});
  // The model places the leg from its float length, width and angle, the view from its float
  // cut width: the two agree to float rounding.
  const double crossing = std::fabs(SignedArea(Clip2(front, back))) * t;
  EXPECT_NEAR(report.overlaps[0].volume, crossing, 1e-6 * crossing);
  EXPECT_NEAR(report.overlaps[1].volume, crossing, 1e-6 * crossing);

  const std::string json = FitJson(report);
  EXPECT_NE(
      json.find("{\"ok\": false, \"overlaps\": [{\"a\": \"Leg 1\", \"b\": \"Leg 2\", \"volume\": "),
      std::string::npos)
      << json;
}

TEST(FitCheck, RepositionedLegsClearEachOther) {
  const DesignRecord moved = BuiltInTableWith({{"deckBoardCount:0", "2"}}, true, Answer::Yes);
  ASSERT_TRUE(moved.LegsRepositioned);
  const FitReport report = CheckFit(BuildTableModel(moved), moved.Lengths());
  EXPECT_TRUE(report.ok) << Findings(report);
}

TEST(FitCheck, SeatsLongerThanTheDeckAreAFindingNotAFailure) {
  const DesignRecord rec = BuiltInTableWith({{"leftSeatOverhang:0", "8"},
                                             {"leftSeatOverhang:1", "0"},
                                             {"rightSeatOverhang:0", "8"},
                                             {"rightSeatOverhang:1", "0"}},
                                            true);
  const FitReport report = CheckFit(BuildTableModel(rec), rec.Lengths());
  EXPECT_TRUE(report.ok);
  // Each seat reaches 8 in - 3 1/2 in beyond the frame-to-end distance of the deck.
  EXPECT_NEAR(report.boundingBox.x * 12, 72 + 2 * 4.5, 1e-4);
  ASSERT_EQ(report.findings.size(), 1u);
  EXPECT_EQ(report.findings[0],
            "The model is 6' - 9\" long, 9\" more than the overall length of 6': the seats reach "
            "beyond it.");
}

TEST(FitCheck, MisbuiltPieceFailsItsVolume) {
  const DesignRecord rec = BuiltInTable(true);
  TableModel model = BuildTableModel(rec);
  // Stretch one corner of Seat 2 outwards: its solid no longer holds its outline's wood.
  model.pieces[12].mesh.vertices[0].x -= 0.25;
  const FitReport report = CheckFit(model, rec.Lengths());
  EXPECT_FALSE(report.ok);
  EXPECT_EQ(report.offending, (std::vector<int>{12}));
  ASSERT_FALSE(report.findings.empty());
  EXPECT_EQ(report.findings[0].rfind("Seat 2 holds ", 0), 0u) << report.findings[0];
}

TEST(FitCheck, NoTableAfterAFailedCalculation) {
  DesignRecord rec = BuiltInTable(true);
  rec.LastCalculationFailed = true;
  const FitReport report = CheckFit(BuildTableModel(rec), rec.Lengths());
  EXPECT_FALSE(report.ok);
  EXPECT_EQ(FitJson(report),
            "{\"ok\": false, \"overlaps\": [], \"bounding_box\": [0, 0, 0], \"findings\": [\"The "
            "last calculation failed, so there is no table to model.\"]}");
}

TEST(FitCheck, JsonWritesSeventeenDigitsAndQuotesNames) {
  FitReport report;
  report.overlaps.push_back({0, 1, "Leg \"1\"", "Leg 2", 0.1, {}});
  report.boundingBox = {6, 5.2291666666666667, 2.4583333333333335};
  report.findings = {"one", "two"};
  EXPECT_EQ(
      FitJson(report),
      "{\"ok\": false, \"overlaps\": [{\"a\": \"Leg \\\"1\\\"\", \"b\": \"Leg 2\", \"volume\": "
      "0.10000000000000001}], \"bounding_box\": [6, 5.229166666666667, 2.4583333333333335], "
      "\"findings\": [\"one\", \"two\"]}");
}

}  // namespace
}  // namespace varnloft
