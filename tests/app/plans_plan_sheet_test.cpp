// The plan sheet of whole designs: header, the views with the footprint dimension, the notes,
// the member blocks in their drawing order, and the footer.
#include <gtest/gtest.h>

#include <cmath>

#include "app/design_commands.h"
#include "app/preset_commands.h"
#include "planned_window.h"
#include "tests/support/op_find.h"

namespace varnloft {
namespace {

using testing::Count;
using testing::CountTexts;
using testing::PlannedWindow;
using testing::Text;
using testing::TextIndex;
using K = CanvasOp::Kind;

// The built-in table on the 681 x 1014 sheet: lineStep 18, leftMargin 20, 40 pixels per foot.
constexpr int kLineStep = 18;
constexpr int kLeftMargin = 20;

struct BuiltInSheet : ::testing::Test {
  void SetUp() override { ASSERT_TRUE(p.PressPlans()); }
  const testing::Ops& ops() const { return p.sheet.Ops(); }
  PlannedWindow p;
};

TEST_F(BuiltInSheet, HeaderHasTheTitleWithTheCalendarDateThenThePlanName) {
  const CanvasOp* title = Text(ops(), "Tellwick");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->text, "Tellwick Picnic Tables Varnloft     Friday,  January 5, 2007");
  EXPECT_EQ(title->x1, kLeftMargin);
  EXPECT_EQ(title->y1, kLineStep);
  const CanvasOp* name = Text(ops(), "Adult Standard Size Table");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->y1, 2 * kLineStep);
}

TEST_F(BuiltInSheet, ClearsInWhiteThenDrawsNavyLinesAndMaroonText) {
  const auto& o = ops();
  int clear = -1;
  for (int i = 0; i < static_cast<int>(o.size()); ++i)
    if (o[i].kind == K::Rect) {
      clear = i;
      break;
    }
  ASSERT_GE(clear, 1);
  EXPECT_EQ(o[clear].x2, kPlanSheetWidth);
  EXPECT_EQ(o[clear].y2, kPlanSheetHeight);
  EXPECT_EQ(o[clear - 1].kind, K::Pen);
  EXPECT_EQ(o[clear - 1].color, kWhite);
  for (const auto& op : o) {
    if (op.kind == K::Font && op.size == 8) {
      EXPECT_EQ(op.color, kMaroon);
    }
    if (op.kind == K::Pen && &op > &o[clear]) {
      EXPECT_EQ(op.color, kNavy);
    }
  }
}

TEST_F(BuiltInSheet, FootprintIsDimensionedBetweenTheEndFrameAndTheSideView) {
  const DesignRecord& rec = p.w.rec;
  const int widthLabel = TextIndex(ops(), " " + rec.FormatLength(rec.TableTopWidth));
  const int heightLabel = TextIndex(ops(), " " + rec.FormatLength(rec.TableHeight));
  const int footprint = TextIndex(ops(), " 4' - 11   7/16\"");
  ASSERT_GE(widthLabel, 0);
  ASSERT_GE(footprint, 0);
  EXPECT_LT(widthLabel, footprint);
  EXPECT_LT(footprint, heightLabel);
  // Half a line under the floor line, which lies 2.458 ft * 40 below the views' top at 90.
  EXPECT_EQ(ops()[footprint].y1, std::nearbyint(90 + rec.TableHeight * 40.0 + 9));
  // The frame diagonal note gives the same frame: 4' 6 9/16".
  EXPECT_NE(
      Text(ops(), "to the Lower Right Point of the Leg and vis-\xC3\xA0-vis:   4' - 6   9/16\""),
      nullptr);
  EXPECT_NEAR(rec.FrameDiagonal, 4.548, 0.001);
}

TEST_F(BuiltInSheet, SpecialCharactersAreWrittenAsThemselves) {
  EXPECT_EQ(CountTexts(ops(), "\xC2\xAB\xC2\xAB\xC2\xAB ("), 5);  // "««« (" on five labels
  EXPECT_NE(Text(ops(), "Table Top Area:  17.1 ft.\xC2\xB2"), nullptr);
  EXPECT_NE(Text(ops(), "Leg & Support Angles: 31.0\xC2\xB0  is  7   3/16\""), nullptr);
}

TEST_F(BuiltInSheet, NotesAndCaptionsCarryTheDesign) {
  EXPECT_NE(Text(ops(), " 31.0\xC2\xB0     4 Legs   (2 X 4)  width."), nullptr);
  EXPECT_NE(Text(ops(), " 21.6\xC2\xB0     2 Braces    3   1/4\"   width"), nullptr);
  EXPECT_NE(Text(ops(), " 4  Seats    (2 X 6)  width "), nullptr);
  EXPECT_NE(Text(ops(), " 6  Table Tops   (2 X 6)  width"), nullptr);
  EXPECT_NE(Text(ops(), "Lbr. Thickness: 1   1/2\"     Seat Height: 1' - 5   1/2\" "), nullptr);
  EXPECT_EQ(CountTexts(ops(), "Ouch!"), 0);
  EXPECT_EQ(Text(ops(), "This plan was created")->text,
            "This plan was created using \"Tellwick Picnic Tables Varnloft\" Complimentary "
            "Software and Plans Version 6.0.0.2.");
  EXPECT_EQ(p.w.rec.TableTopLength, p.w.rec.OverallLength);
}

TEST_F(BuiltInSheet, LegsBlockDrawsItsPartsInOrder) {
  const auto& o = ops();
  const int offsetLabel = TextIndex(o, "\xC2\xAB\xC2\xAB\xC2\xAB (");
  const int caption = TextIndex(o, " 31.0\xC2\xB0     4 Legs");
  ASSERT_GE(offsetLabel, 7);
  // Three ticks before the cut offset label, then the dimension line and the length label.
  for (int tick = 0; tick < 3; ++tick) {
    EXPECT_EQ(o[offsetLabel - 6 + 2 * tick].kind, K::MoveTo);
    EXPECT_EQ(o[offsetLabel - 5 + 2 * tick].kind, K::LineTo);
    EXPECT_EQ(o[offsetLabel - 5 + 2 * tick].x1, o[offsetLabel - 6 + 2 * tick].x1);
  }
  EXPECT_EQ(o[offsetLabel + 1].kind, K::MoveTo);
  EXPECT_EQ(o[offsetLabel + 3].kind, K::Text);
  EXPECT_EQ(o[offsetLabel + 3].x1, 2 * kLeftMargin);
  // The outline: a parallelogram of five points, then caption, hole line and the two holes.
  EXPECT_EQ(o[offsetLabel + 4].kind, K::MoveTo);
  EXPECT_EQ(caption, offsetLabel + 9);
  EXPECT_EQ(o[caption + 1].text.rfind("Top Leg Hole From End: ", 0), 0u);
  EXPECT_EQ(o[caption + 1].y1, o[caption].y1 + kLineStep);
  EXPECT_EQ(o[caption + 2].kind, K::Pen);
  EXPECT_EQ(o[caption + 3].kind, K::Ellipse);
  EXPECT_EQ(o[caption + 4].kind, K::Ellipse);
  // The lower hole comes first; both sit on the member's centre line, measured from the
  // member's left end at the margin (40 pixels per foot, radius 1/32 ft).
  const DesignRecord& rec = p.w.rec;
  EXPECT_EQ(o[caption + 3].x1, std::nearbyint(kLeftMargin + rec.LowerLegHole * 40.0 - 1.25));
  EXPECT_EQ(o[caption + 4].x1, std::nearbyint(kLeftMargin + rec.TopLegHole * 40.0 - 1.25));
  EXPECT_EQ(o[caption + 3].y1, o[caption + 4].y1);
}

TEST_F(BuiltInSheet, TrapezoidBlocksPlaceTheirCaptionsAsDrawn) {
  const auto& o = ops();
  // Outer supports: lower dimension labels before the caption, holes last.
  const int outerCaption = TextIndex(o, " 31.0\xC2\xB0     2 Outer Supports");
  EXPECT_EQ(o[outerCaption - 1].text.rfind("\xC2\xAB\xC2\xAB\xC2\xAB (", 0), 0u);
  EXPECT_NE(o[outerCaption - 1].text.find("Outer Support Holes From End: 5   1/8\""),
            std::string::npos);
  EXPECT_EQ(o[outerCaption + 2].kind, K::Ellipse);
  // Centre and seat supports: the caption right after the outline.
  for (const char* member : {"     1 Centre Support", "     2 Seat Supports"}) {
    const int caption = TextIndex(o, std::string(" 31.0\xC2\xB0") + member);
    ASSERT_GE(caption, 1);
    EXPECT_EQ(o[caption - 1].kind, K::LineTo);
    EXPECT_EQ(o[caption + 1].kind, K::MoveTo);
  }
  // The seat supports' holes close the block: their lower labels come first.
  const int seatLabel =
      TextIndex(o, "\xC2\xAB\xC2\xAB\xC2\xAB (2   1/8\"  )  Seat Holes From End: ");
  ASSERT_GE(seatLabel, 0);
  EXPECT_EQ(o[seatLabel + 2].kind, K::Ellipse);
}

TEST_F(BuiltInSheet, BoardsAreOneClosedOutlineClockwiseFromTheTopLeft) {
  const auto& o = ops();
  const int caption = TextIndex(o, " 6  Table Tops");
  ASSERT_GE(caption, 5);
  const CanvasOp& start = o[caption - 5];
  ASSERT_EQ(start.kind, K::MoveTo);
  EXPECT_EQ(start.x1, kLeftMargin);
  // 6 ft long and 5.5 in wide at 40 pixels per foot; the bottom edge may round either way.
  const int right = kLeftMargin + 6 * 40, bottom = o[caption - 3].y1;
  EXPECT_NEAR(bottom, start.y1 + 5.5 / 12 * 40, 1);
  const int expected[4][2] = {
      {right, start.y1}, {right, bottom}, {kLeftMargin, bottom}, {kLeftMargin, start.y1}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(o[caption - 4 + i].kind, K::LineTo);
    EXPECT_EQ(o[caption - 4 + i].x1, expected[i][0]) << i;
    EXPECT_EQ(o[caption - 4 + i].y1, expected[i][1]) << i;
  }
}

TEST_F(BuiltInSheet, WithoutEndCapsTheFooterFollowsTheTableTops) {
  const auto& o = ops();
  EXPECT_EQ(CountTexts(o, "      2 Table End Caps"), 0);
  // Table tops start at Y with their top edge at Y + 9; the footer's y0 is Y + 5.5 in * 40 +
  // 9, and the notice line is written one line below it.
  const int caption = TextIndex(o, " 6  Table Tops");
  const double y = o[caption - 5].y1 - 9;
  const CanvasOp* notice = Text(o, "Copyright (c) ");
  ASSERT_NE(notice, nullptr);
  EXPECT_NEAR(notice->y1, y + 5.5 / 12 * 40 + 9 + kLineStep, 1);
  EXPECT_EQ(notice->x1, kLeftMargin);
  EXPECT_EQ(Text(o, "www.TellwickTables.example")->y1, notice->y1);
  EXPECT_EQ(Text(o, "www.TellwickTables.example")->x1, kPlanSheetWidth / 2);
  EXPECT_EQ(Text(o, "Revised January 27, 2007")->y1, notice->y1 + 14 * kLineStep);
}

TEST(PlanSheet, EndCapsGetTheirBlockAndShortenTheTableTops) {
  PlannedWindow p;
  p.Run([&] {
    p.w.design().ShowLumberSizeBox("endCapSize.label");
  });  // brings the end cap's size box back
  p.Run([&] { p.w.design().ChooseItem("endCapSize.0", "2 X 4"); });
  p.Run([&] { p.w.design().PressDesign(); });
  ASSERT_TRUE(p.PressPlans());
  const auto& o = p.sheet.Ops();
  const CanvasOp* caps = Text(o, "      2 Table End Caps    3   1/2\"   width");
  ASSERT_NE(caps, nullptr);
  EXPECT_FLOAT_EQ(p.w.rec.TableTopLength, 6 - 2 * 3.5f / 12);
  EXPECT_NE(Text(o, " 5' - 5\""), nullptr);  // the table tops' length
  EXPECT_LT(TextIndex(o, " 6  Table Tops"), TextIndex(o, "      2 Table End Caps"));
}

TEST(PlanSheet, SeatCaptionCountsBothSeats) {
  PlannedWindow p;
  p.Run([&] { p.w.design().ChooseItem("seatBoardCount.0", "3"); });
  p.Run([&] { p.w.design().PressDesign(); });
  ASSERT_TRUE(p.PressPlans());
  const CanvasOp* seats = Text(p.sheet.Ops(), " 6  Seats    ");
  ASSERT_NE(seats, nullptr);
  EXPECT_EQ(seats->x1, 30);  // 1.5 x leftMargin
}

TEST(PlanSheet, MetricAreaIsInSquareMetres) {
  PlannedWindow p;
  p.Run([&] { p.w.presets().SwitchToMetric(); });
  ASSERT_TRUE(p.PressPlans());
  // 6 ft x 2.854 ft = 17.125 square feet.
  EXPECT_NE(Text(p.sheet.Ops(), "Table Top Area:  1.6 metres \xC2\xB2"), nullptr);
  EXPECT_NE(Text(p.sheet.Ops(), "Brace Angle: 21.6\xC2\xB0  is  "), nullptr);
  EXPECT_NE(Text(p.sheet.Ops(), "Brace Angle: ")->text.find("  on  305 mm using a rafter square."),
            std::string::npos);
}

TEST(PlanSheet, OverlappingLegsAreWarnedAboutUnlessRepositioned) {
  PlannedWindow p;
  p.prompts.answer = Answer::No;
  p.Run([&] { p.w.design().ChooseItem("deckBoardCount.0", "2"); });
  p.Run([&] { p.w.design().PressDesign(); });
  ASSERT_GT(p.w.rec.LegOverlap, 0);
  ASSERT_TRUE(p.PressPlans());
  const CanvasOp* ouch = Text(p.sheet.Ops(), "Ouch! Upper legs overlap   ");
  ASSERT_NE(ouch, nullptr);
  EXPECT_EQ(ouch->x1, kLeftMargin);

  p.prompts.answer = Answer::Yes;
  p.Run([&] { p.w.design().PressDesign(); });
  ASSERT_TRUE(p.w.rec.LegsRepositioned);
  ASSERT_TRUE(p.PressPlans());
  EXPECT_EQ(Text(p.sheet.Ops(), "Ouch!"), nullptr);
}

TEST(PlanSheet, PlansDoesNotRecalculateAndDrawsTheSameSheetAgain) {
  PlannedWindow p;
  ASSERT_TRUE(p.PressPlans());
  const std::string first = p.sheet.ToJsonLines();
  p.Run([&] { p.w.design().TypeIntoBox("overallLength.0", "9"); });
  ASSERT_TRUE(p.PressPlans());
  EXPECT_EQ(p.sheet.ToJsonLines(), first);
  EXPECT_EQ(p.prompts.beeps, 2);
  EXPECT_EQ(p.w.form.at("plansButton").color, kMaroon);
}

}  // namespace
}  // namespace varnloft
