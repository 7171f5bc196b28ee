// The layout of the sheet and of the printed page: metrics from the surface, the fit of the
// scale at its boundary, and designs that give no scale.
#include "plans/plan_layout.h"

#include <gtest/gtest.h>

#include <chrono>

#include "plans/plan_sheet.h"
#include "plans/printed_plans.h"
#include "platform/recording_page_sink.h"
#include "platform/testing/fixed_clock.h"
#include "tests/support/op_find.h"

namespace varnloft {
namespace {

// A table 5 ft across both views (2 ft wide, 3 ft long) and 2.5 ft high. On a 1014 pixel high
// sheet the first scale is floor(202 / 2.5) = 80 and lineStep is 18, so the views end at
// leftMargin + 5 s + 72.
DesignRecord FiveFeetAcross(float height = 2.5f) {
  DesignRecord rec;
  rec.ImperialUnits = true;
  rec.ScaleFactor = 1;
  rec.OverallWidth = 2;
  rec.OverallLength = 3;
  rec.TableHeight = height;
  return rec;
}

TEST(PlanLayout, SheetMetricsComeFromThePicture) {
  const PlanLayout l = ComputePlanLayout(FiveFeetAcross(), 681, 1014, kSheetShape);
  EXPECT_EQ(l.pageRight, 544);
  EXPECT_EQ(l.viewBudget, 202);
  EXPECT_EQ(l.lineStep, 18);
  EXPECT_EQ(l.textY, 36);
  EXPECT_EQ(l.leftMargin, 20);
  EXPECT_EQ(l.firstPixelsPerFoot, 80);
  EXPECT_TRUE(l.viewProblem.empty());
}

TEST(PlanLayout, PageMetricsComeFromThePrintableArea) {
  const PlanLayout l = ComputePlanLayout(FiveFeetAcross(), 4934, 6434, kPrintedPageShape);
  EXPECT_EQ(l.pageRight, 4440);
  EXPECT_EQ(l.viewBudget, 1608);
  EXPECT_EQ(l.lineStep, 107);
  EXPECT_EQ(l.textY, 535);
  EXPECT_EQ(l.leftMargin, 148);
  EXPECT_EQ(l.firstPixelsPerFoot, 643);
}

TEST(PlanLayout, ViewsEndingExactlyAtPageRightKeepTheirScale) {
  // 613 wide: pageRight 490, leftMargin 18, and 18 + 5 * 80 + 72 = 490.
  const PlanLayout l = ComputePlanLayout(FiveFeetAcross(), 613, 1014, kSheetShape);
  ASSERT_EQ(l.pageRight, 490);
  EXPECT_EQ(PlanViewsRightEdge(FiveFeetAcross(), l, 80), 490);
  EXPECT_EQ(l.pixelsPerFoot, 80);
}

TEST(PlanLayout, OnceReducedTheViewsEndStrictlyLeftOfPageRight) {
  // 612 wide: pageRight 489; 80 is one pixel too wide and 79 ends at 485.
  EXPECT_EQ(ComputePlanLayout(FiveFeetAcross(), 612, 1014, kSheetShape).pixelsPerFoot, 79);
  // 607 wide: pageRight 485; 79 ends exactly there, which is not left of it, so 78.
  const PlanLayout l = ComputePlanLayout(FiveFeetAcross(), 607, 1014, kSheetShape);
  ASSERT_EQ(l.pageRight, 485);
  EXPECT_EQ(PlanViewsRightEdge(FiveFeetAcross(), l, 79), 485);
  EXPECT_EQ(l.pixelsPerFoot, 78);
}

TEST(PlanLayout, ATinyTableHeightDoesNotCountDownPixelByPixel) {
  // The first estimate is about 2e11 pixels per foot.
  const auto start = std::chrono::steady_clock::now();
  const PlanLayout l = ComputePlanLayout(FiveFeetAcross(1e-9f), 681, 1014, kSheetShape);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_GT(l.firstPixelsPerFoot, 1e11);
  // The largest scale at which 20 + 5 s + 72 < 544.
  EXPECT_EQ(l.pixelsPerFoot, 90);
  EXPECT_LT(elapsed, std::chrono::milliseconds(50));
}

TEST(PlanLayout, NoPositiveTableHeightMeansNoViewsButAScaleThatFits) {
  for (float height : {0.0f, -2.0f}) {
    const PlanLayout l = ComputePlanLayout(FiveFeetAcross(height), 681, 1014, kSheetShape);
    EXPECT_NE(l.viewProblem.find("table height must be greater than 0"), std::string::npos);
    EXPECT_EQ(l.pixelsPerFoot, 90);
  }
}

// A whole design with no table height: the sheet and the printed plans still give the notes
// and every member, and no figure of the views.
TEST(PlanLayout, ZeroHeightDesignsStillGetTheirNotesAndMembers) {
  DesignRecord rec = FiveFeetAcross(0);
  rec.LumberThickness = 0.125f;
  rec.TableTopWidth = 2;
  rec.LegLength = 1;
  rec.LegWidth = 0.25f;
  rec.LegAngle = 30;
  rec.BraceAngle = 20;
  rec.BraceLength = 1;
  FixedClock clock({2007, 1, 5, 9, 5, 7, 5});
  const PlanContext context{"Custom Design Table", {}, {}, &clock};

  RecordingCanvas sheet(kPlanSheetWidth, kPlanSheetHeight);
  DrawPlanSheet(rec, sheet, context);
  const auto& ops = sheet.Ops();
  EXPECT_NE(testing::Text(ops, "The assembled views are not drawn"), nullptr);
  EXPECT_EQ(testing::Count(ops, CanvasOp::Kind::Rect), 1);  // only the clearing rectangle
  EXPECT_NE(testing::Text(ops, "Table Top Area:  "), nullptr);
  EXPECT_NE(testing::Text(ops, " 30.0\xC2\xB0     4 Legs"), nullptr);
  EXPECT_NE(testing::Text(ops, "Revised January 27, 2007"), nullptr);

  RecordingPageSink pages(4934, 6434);
  PrintPlans(rec, pages, context);
  EXPECT_NE(testing::Text(pages.Recording().Ops(), "Seat Support Extension from the Leg:"),
            nullptr);
}

}  // namespace
}  // namespace varnloft
