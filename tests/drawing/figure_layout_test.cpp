// The figures take every layout value from their caller, so the plan sheet and the printed
// plans can draw them with their own positions, sizes and colours.
#include <gtest/gtest.h>

#include "drawing/board_sections.h"
#include "drawing/bolt_marks.h"
#include "drawing/end_frame.h"
#include "drawing/side_view.h"
#include "op_search.h"
#include "tests/support/built_in_design.h"

namespace varnloft {
namespace {

using testing::BuiltInDesign;
using testing::CountKind;
using testing::HasPath;
using Kind = CanvasOp::Kind;

// A sheet-like layout: small dimension step, its own scale and side-view edges.
FigureLayout SheetLayout() {
  FigureLayout layout;
  layout.viewLeft = 20;
  layout.viewTop = 90;
  layout.dimStep = 18;
  layout.pixelsPerFoot = 40;
  layout.heightDimensionLeft = 300;
  layout.sideViewLeft = 318;
  layout.boltRadius = 1.0 / 32;
  layout.widthLabelFontSize = kKeepFontSize;
  layout.textFontSize = kKeepFontSize;
  layout.setsColours = false;
  return layout;
}

TEST(FigureLayout, HeightDimensionAndSideViewHaveTheirOwnLeftEdges) {
  const DesignRecord rec = BuiltInDesign();
  const FigureLayout layout = SheetLayout();
  RecordingCanvas canvas(700, 1000);
  DrawSideView(rec, canvas, layout);
  const auto& ops = canvas.Ops();
  const double floorY = layout.viewTop + rec.TableHeight * layout.pixelsPerFoot;
  EXPECT_TRUE(HasPath(ops, {{300 - 1.25 * 18, 90}, {300 - 2.25 * 18, 90}}));
  EXPECT_TRUE(HasPath(ops, {{300 - 1.75 * 18, 90}, {300 - 1.75 * 18, floorY}}));
  const double L = rec.OverallLength * layout.pixelsPerFoot;
  EXPECT_TRUE(HasPath(ops, {{318, 90}, {318 + L, 90}}));  // table top starts at its own edge
  EXPECT_TRUE(HasPath(ops, {{318, 90 - 18}, {318 + L, 90 - 18}}));  // length dimension
}

TEST(FigureLayout, FontSizesAndColoursAreLeftAloneWhenAsked) {
  const DesignRecord rec = BuiltInDesign();
  RecordingCanvas sheet(700, 1000);
  DrawBoardSections(rec, sheet, SheetLayout());
  DrawEndFrame(rec, sheet, SheetLayout());
  DrawSideView(rec, sheet, SheetLayout());
  DrawBoltMarks(rec, sheet, SheetLayout());
  EXPECT_EQ(CountKind(sheet.Ops(), Kind::Font), 0);
  EXPECT_EQ(CountKind(sheet.Ops(), Kind::Pen), 0);

  FigureLayout printed = SheetLayout();
  printed.widthLabelFontSize = 8;
  printed.textFontSize = 10;
  RecordingCanvas page(700, 1000);
  DrawBoardSections(rec, page, printed);
  std::vector<int> sizes;
  for (const auto& op : page.Ops())
    if (op.kind == Kind::Font) sizes.push_back(op.size);
  EXPECT_EQ(sizes, std::vector<int>({8, 10}));
}

TEST(FigureLayout, BoltCirclesTakeTheCallersRadiusButBarsKeepTheirHeight) {
  const DesignRecord rec = BuiltInDesign();
  RecordingCanvas canvas(700, 1000);
  DrawBoltMarks(rec, canvas, SheetLayout());
  int circles = 0, bars = 0;
  for (const auto& op : canvas.Ops()) {
    if (op.kind == Kind::Ellipse) {
      EXPECT_NEAR(op.x2 - op.x1, 2.0 / 32 * 40, 1.0);
      ++circles;
    } else if (op.kind == Kind::Rect) {
      EXPECT_NEAR(op.y2 - op.y1, 40.0 / 24, 1.0);
      EXPECT_NEAR(std::abs(op.x2 - op.x1), 2 * rec.LumberThickness * 40, 1.0);
      ++bars;
    }
  }
  EXPECT_EQ(circles, 4);
  EXPECT_EQ(bars, 4);
}

}  // namespace
}  // namespace varnloft
