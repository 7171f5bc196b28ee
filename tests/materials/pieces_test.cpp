// The pieces of a design: the same members, counts and outlines as the plan sheet's, their
// lumber named by section, and the faulty ones reported and left out.
#include "materials/pieces.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "materials/materials.h"
#include "materials/piece_layout.h"
#include "preset_designs.h"

namespace varnloft {
namespace {

using testing::PresetRecord;

constexpr size_t kAdultStandard = 0, kChildrensWheelchairBothEnds = 7, kBabyTable = 9;

const Piece* Find(const PieceList& list, const std::string& member) {
  for (const Piece& p : list.pieces)
    if (p.member == member) return &p;
  return nullptr;
}

TEST(Pieces, TheBuiltInDesignsPiecesAreThePlanSheetsMembers) {
  const DesignRecord rec = PresetRecord(kAdultStandard, true);
  const PieceList list = ListPieces(rec);
  EXPECT_TRUE(list.problems.empty());
  std::vector<std::string> members;
  for (const Piece& p : list.pieces) members.push_back(p.member + " " + std::to_string(p.count));
  EXPECT_EQ(members, (std::vector<std::string>{"Table Top 6", "Seat 4", "Leg 4", "Outer Support 2",
                                               "Centre Support 1", "Seat Support 2", "Brace 2"}));

  // Each piece is its member of the plan sheet's list, outline and all.
  const std::vector<TableMember> members2 = TableMembers(rec);
  for (const Piece& p : list.pieces) {
    const TableMember& m = *FindMember(members2, p.kind);
    EXPECT_EQ(p.member, m.name);
    EXPECT_EQ(p.count, m.count);
    EXPECT_EQ(p.length, m.length);
    EXPECT_EQ(p.outline, m.outline);
  }
  const Piece& leg = *Find(list, "Leg");
  EXPECT_NEAR(leg.length * 12, 32 + 21.0 / 32, 1.0 / 64);  // 2' - 8 21/32" on the sheet
  const std::vector<FlatPoint> sheet = {{0.175, 0}, {2.896, 0}, {2.721, 0.292}, {0, 0.292}};
  for (size_t i = 0; i < sheet.size(); ++i) {
    EXPECT_NEAR(leg.outline[i].x, sheet[i].x, 5e-4);
    EXPECT_NEAR(leg.outline[i].y, sheet[i].y, 5e-4);
  }
  EXPECT_EQ(Find(list, "Table Top")->length, 6);
  EXPECT_NEAR(Find(list, "Seat Support")->length, 5.229, 1e-3);
  EXPECT_EQ(Find(list, "Leg")->holes, 2);

  EXPECT_EQ(Find(list, "Table Top")->lumber.name, "2 X 6");
  EXPECT_EQ(leg.lumber.name, "2 X 4");
  // A brace is cut from the centre support's lumber, its end cuts running across that board.
  const Piece& brace = *Find(list, "Brace");
  EXPECT_EQ(brace.lumber.name, "2 X 4");
  EXPECT_EQ(brace.boardWidth, static_cast<double>(rec.CentreSupportDepth));
  EXPECT_LT(brace.width, brace.boardWidth);
  const LaidPiece laid = WaysToLay(brace.outline, brace.boardWidth).front();
  EXPECT_NEAR(laid.extent - brace.length,
              std::tan(rec.BraceAngle * M_PI / 180) * rec.CentreSupportDepth, 1e-6);
}

TEST(Pieces, LumberIsNamedBySectionEitherWayRound) {
  const double in = 1.0 / 12;
  EXPECT_EQ(LumberOfSection(1.5 * in, 3.5 * in, true).name, "2 X 4");
  EXPECT_EQ(LumberOfSection(1.5 * in, 0.75 * in, true).name, "1 X 2");
  EXPECT_EQ(LumberOfSection(0.75 * in, 1.5 * in, true).name, "1 X 2");
  EXPECT_EQ(LumberOfSection(1.5 * in, 1.5 * in, true).name, "2 X 2");
  EXPECT_EQ(LumberOfSection(0.75 * in, 5.5 * in, true).name, "1 X 6");
  EXPECT_EQ(LumberOfSection(1.5 * in, 11.25 * in, true).name, "2 X 12");
  EXPECT_EQ(LumberOfSection(1.5 * in, 3.25 * in, true).name, "1 1/2 \xC3\x97 3 1/4 in");
  EXPECT_EQ(LumberOfSection(0.75 * in, 5 * in, true).name, "3/4 \xC3\x97 5 in");
  // Metric: always the section in millimetres, smaller side first.
  EXPECT_EQ(LumberOfSection(0.125, 3.5 * in, false).name, "38 \xC3\x97 89 mm");
  EXPECT_EQ(LumberOfSection(0.125, 19 / 304.8, false).name, "19 \xC3\x97 38 mm");
  EXPECT_EQ(LumberOfSection(1.5 * in, 3.5 * in, true).nominalWidth, 4);
  EXPECT_EQ(BoardFeet(LumberOfSection(1.5 * in, 3.5 * in, true), 0.125, 3.5 * in, 12), 8);
}

TEST(Pieces, PresetsNameTheirLumberByTheirSections) {
  // The children's wheelchair tables have 3/4 in end caps of 1 1/2 in lumber: a 1 X 2.
  const PieceList wheelchair = ListPieces(PresetRecord(kChildrensWheelchairBothEnds, true));
  ASSERT_NE(Find(wheelchair, "End Cap"), nullptr);
  EXPECT_EQ(Find(wheelchair, "End Cap")->lumber.name, "1 X 2");
  EXPECT_EQ(Find(wheelchair, "End Cap")->count, 2);
  EXPECT_EQ(Find(wheelchair, "Leg")->lumber.name, "2 X 3");

  // A custom width is named by its section.
  DesignRecord custom = PresetRecord(kAdultStandard, true);
  custom.OuterSupportDepth = static_cast<float>(3.25 / 12);
  EXPECT_EQ(Find(ListPieces(custom), "Outer Support")->lumber.name, "1 1/2 \xC3\x97 3 1/4 in");

  // The baby table's 3/4 in boards are 5 in and 2 in wide: no nominal size has those widths.
  const PieceList baby = ListPieces(PresetRecord(kBabyTable, true));
  EXPECT_EQ(Find(baby, "Table Top")->lumber.name, "3/4 \xC3\x97 5 in");

  const PieceList metric = ListPieces(PresetRecord(kAdultStandard, false));
  EXPECT_EQ(Find(metric, "Table Top")->lumber.name, "38 \xC3\x97 140 mm");
  EXPECT_EQ(Find(metric, "Leg")->lumber.name, "38 \xC3\x97 89 mm");
}

TEST(Pieces, FaultyPiecesAreReportedAndLeftOutAndTheRestIsStillListed) {
  DesignRecord rec = PresetRecord(kAdultStandard, true);
  rec.DeckBoardCount = 2.5f;
  rec.SeatBoardCount = 0;
  rec.LegLength = -1;
  rec.SeatSupportDepth = std::numeric_limits<float>::quiet_NaN();
  // End cuts so steep that the outer supports' ends cross below the top edge.
  DesignRecord steep = rec;
  const PieceList list = ListPieces(rec);
  std::vector<std::string> texts;
  for (const PieceProblem& p : list.problems) texts.push_back(p.text);
  EXPECT_EQ(texts, (std::vector<std::string>{
                       "Table tops: the count 2.5 is not a whole number, so they are left out.",
                       "Seats: the count 0 is not positive, so they are left out.",
                       "Legs: the length -1' is not positive, so they are left out.",
                       "Seat supports: the width is not a number, so they are left out."}));
  EXPECT_EQ(Find(list, "Table Top"), nullptr);
  EXPECT_NE(Find(list, "Outer Support"), nullptr);

  steep.LegAngle = 80;
  const PieceList crossing = ListPieces(steep);
  bool reported = false;
  for (const PieceProblem& p : crossing.problems)
    reported = reported || p.text ==
                               "Outer supports: the outline crosses itself (the end cuts "
                               "meet), so they are left out.";
  EXPECT_TRUE(reported);
  EXPECT_EQ(Find(crossing, "Outer Support"), nullptr);

  DesignRecord many = PresetRecord(kAdultStandard, true);
  many.DeckBoardCount = 1e6f;
  EXPECT_EQ(ListPieces(many).problems.at(0).text,
            "Table tops: the count 1000000 is more than 1000, too many to plan, so they are left "
            "out.");

  // The materials of such a design list the rest and say why the others are missing.
  const Materials m = BuildMaterials(rec, DefaultMaterialsSettings(true));
  EXPECT_TRUE(m.problem.empty());
  EXPECT_EQ(m.missing.size(), 4u);
  EXPECT_FALSE(m.boards.empty());
}

TEST(Pieces, SimplePolygonsAreToldFromCrossedOnes) {
  EXPECT_TRUE(IsSimpleCounterClockwise({{0, 0}, {2, 0}, {2, 1}, {0, 1}}));
  EXPECT_FALSE(IsSimpleCounterClockwise({{0, 0}, {0, 1}, {2, 1}, {2, 0}}));  // clockwise
  EXPECT_FALSE(IsSimpleCounterClockwise({{0, 0}, {2, 1}, {2, 0}, {0, 1}}));  // a bow tie
  EXPECT_FALSE(IsSimpleCounterClockwise({{0, 0}, {2, 0}, {1, 0}, {1, 1}}));  // folds back
  EXPECT_FALSE(IsSimpleCounterClockwise({{0, 0}, {2, 0}, {2, 0}, {0, 1}}));  // a repeated corner
  EXPECT_FALSE(IsSimpleCounterClockwise({{0, 0}, {1, 0}}));
}

}  // namespace
}  // namespace varnloft
