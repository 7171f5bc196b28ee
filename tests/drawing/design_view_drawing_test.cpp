// The design view drawn on the recording canvas: boards, the two support sides, braces, the
// overlap warning, and the designs that cannot be drawn.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "drawing/board_sections.h"
#include "drawing/design_view.h"
#include "measure/angles.h"
#include "measure/errors.h"
#include "op_search.h"
#include "tests/support/built_in_design.h"

namespace varnloft {
namespace {

using testing::BuiltInDesign;
using testing::BuiltInTexts;
using testing::CalculatedDesign;
using testing::CountKind;
using testing::FindText;
using testing::HasPath;
using testing::Pixel;
using Kind = CanvasOp::Kind;

constexpr int kPictureWidth = 1016, kPictureHeight = 440;
constexpr int kWindowWidth = 1024, kWindowHeight = 740;

std::vector<CanvasOp> Drawn(const DesignRecord& rec) {
  RecordingCanvas canvas(kPictureWidth, kPictureHeight);
  DrawDesignView(rec, canvas, kWindowWidth, kWindowHeight);
  return canvas.Ops();
}

// Pixel positions of model points (feet) in the two views of the design view.
struct Views {
  explicit Views(const DesignRecord& rec)
      : layout(ComputeDesignViewLayout(rec, kPictureHeight, kWindowWidth, kWindowHeight).figure) {}
  Pixel End(double x, double y) const {
    return {layout.viewLeft + x * layout.pixelsPerFoot, layout.viewTop + y * layout.pixelsPerFoot};
  }
  Pixel Side(double x, double y) const {
    return {layout.sideViewLeft + x * layout.pixelsPerFoot,
            layout.viewTop + y * layout.pixelsPerFoot};
  }
  FigureLayout layout;
};

// Rectangles whose top and bottom are those of a row of boards.
int RectsInRow(const std::vector<CanvasOp>& ops, Pixel top, Pixel bottom) {
  return static_cast<int>(std::count_if(ops.begin(), ops.end(), [&](const CanvasOp& op) {
    return op.kind == Kind::Rect && op.y1 == std::nearbyint(top.y) &&
           op.y2 == std::nearbyint(bottom.y);
  }));
}

bool SameOp(const CanvasOp& a, const CanvasOp& b) {
  return a.kind == b.kind && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 &&
         a.text == b.text && a.color == b.color && a.size == b.size;
}

TEST(DesignView, BlanksThePictureFirstAndLeavesNavyPenAndSizeTenFont) {
  const std::vector<CanvasOp> ops = Drawn(BuiltInDesign());
  ASSERT_GE(ops.size(), 2u);
  EXPECT_EQ(ops[0].kind, Kind::Pen);
  EXPECT_EQ(ops[0].color, kWhite);
  EXPECT_EQ(ops[1].kind, Kind::Rect);
  EXPECT_EQ(std::vector<int>({ops[1].x1, ops[1].y1, ops[1].x2, ops[1].y2}),
            std::vector<int>({0, 0, kPictureWidth, kPictureHeight}));
  const auto lastOf = [&](Kind kind) {
    return *std::find_if(ops.rbegin(), ops.rend(),
                         [&](const CanvasOp& op) { return op.kind == kind; });
  };
  EXPECT_EQ(lastOf(Kind::Pen).color, kNavy);
  EXPECT_EQ(lastOf(Kind::Pen).size, 1);
  EXPECT_EQ(lastOf(Kind::Font).size, 10);
  EXPECT_EQ(lastOf(Kind::Font).color, kNavy);
}

TEST(DesignView, BuiltInTableShowsItsDimensionsAndThickness) {
  const DesignRecord rec = BuiltInDesign();
  const std::vector<CanvasOp> ops = Drawn(rec);
  const Views v(rec);
  EXPECT_NE(FindText(ops, " " + rec.FormatLength(rec.TableTopWidth) + " "), nullptr);
  EXPECT_NE(FindText(ops, " " + rec.FormatLength(rec.OverallLength) + " "), nullptr);
  EXPECT_NE(FindText(ops, " " + rec.FormatLength(rec.TableHeight)), nullptr);
  const CanvasOp* thickness = FindText(ops, "Lbr. Thickness ");
  ASSERT_NE(thickness, nullptr);
  EXPECT_EQ(thickness->text, "Lbr. Thickness " + rec.FormatLength(rec.LumberThickness));
  const double t = rec.LumberThickness;
  EXPECT_TRUE(
      testing::At(*thickness, Kind::Text, v.Side(rec.LeftDeckOverhang + 4 * t, rec.TableHeight)));
  EXPECT_EQ(FindText(ops, "Ouch!"), nullptr);  // the built-in legs clear each other
  EXPECT_EQ(CountKind(ops, Kind::Ellipse), 4);
}

TEST(DesignView, BoardCountsOfZeroOrLessDrawOneBoard) {
  DesignRecord rec = BuiltInDesign();
  const Views v(rec);
  const double t = rec.LumberThickness, seatTop = rec.TableHeight - rec.SeatHeight;
  EXPECT_EQ(RectsInRow(Drawn(rec), v.End(0, 0), v.End(0, t)), 6);
  EXPECT_EQ(RectsInRow(Drawn(rec), v.End(0, seatTop), v.End(0, seatTop + t)), 4);
  rec.DeckBoardCount = 0;
  rec.SeatBoardCount = -3;
  const std::vector<CanvasOp> ops = Drawn(rec);
  EXPECT_EQ(RectsInRow(ops, v.End(0, 0), v.End(0, t)), 1);
  EXPECT_EQ(RectsInRow(ops, v.End(0, seatTop), v.End(0, seatTop + t)), 2);  // one per seat
}

TEST(BoardsInRow, CountIsTestedAfterEachBoard) {
  EXPECT_EQ(BoardsInRow(6).drawn, 6);
  EXPECT_EQ(BoardsInRow(1).drawn, 1);
  EXPECT_EQ(BoardsInRow(0).drawn, 1);
  EXPECT_EQ(BoardsInRow(2.5).drawn, 2);
  EXPECT_FALSE(BoardsInRow(kMaxBoardsDrawnPerRow).limited);
  EXPECT_TRUE(BoardsInRow(kMaxBoardsDrawnPerRow + 1.0).limited);
  EXPECT_EQ(BoardsInRow(1e30).drawn, kMaxBoardsDrawnPerRow);
  EXPECT_TRUE(BoardsInRow(NAN).limited);
}

TEST(DesignView, HugeBoardCountIsBoundedAndSaidSo) {
  DesignRecord rec = BuiltInDesign();
  rec.DeckBoardCount = 1e9f;
  const Views v(rec);
  const std::vector<CanvasOp> ops = Drawn(rec);
  EXPECT_EQ(RectsInRow(ops, v.End(0, 0), v.End(0, rec.LumberThickness)), kMaxBoardsDrawnPerRow);
  const CanvasOp* note = FindText(ops, "Only the first ");
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->text, "Only the first 1000 deck boards are drawn.");
  EXPECT_EQ(BoardLimitNotice(BuiltInDesign()), "");
}

TEST(DesignViewVariants, OnlyTheEndFrameAndTheFrameBandsDiffer) {
  const DesignRecord exterior = BuiltInDesign(true);
  DesignRecord interior = exterior;  // same BraceRun: only the flag differs
  interior.SupportsExterior = false;
  const std::vector<CanvasOp> a = Drawn(exterior), b = Drawn(interior);

  size_t prefix = 0;
  while (prefix < std::min(a.size(), b.size()) && SameOp(a[prefix], b[prefix])) ++prefix;
  size_t suffix = 0;
  while (suffix < std::min(a.size(), b.size()) - prefix &&
         SameOp(a[a.size() - 1 - suffix], b[b.size() - 1 - suffix]))
    ++suffix;
  ASSERT_LT(prefix + suffix, a.size());

  // Before the end frame: the blank, six deck boards, the width dimension, two seats of two.
  const std::vector<CanvasOp> before(a.begin(), a.begin() + prefix);
  EXPECT_EQ(CountKind(before, Kind::Rect), 1 + 6 + 4);
  EXPECT_NE(FindText(before, " " + exterior.FormatLength(exterior.TableTopWidth)), nullptr);
  // After the frames: bolt circles, bolt bars and the thickness label.
  const std::vector<CanvasOp> after(a.end() - suffix, a.end());
  EXPECT_EQ(CountKind(after, Kind::Ellipse), 4);
  EXPECT_EQ(CountKind(after, Kind::Rect), 4);
  EXPECT_NE(FindText(after, "Lbr. Thickness"), nullptr);

  // In between, the side view's dimensions, table top and seat are the same in both.
  const std::vector<CanvasOp> middleA(a.begin() + prefix, a.end() - suffix);
  const std::vector<CanvasOp> middleB(b.begin() + prefix, b.end() - suffix);
  std::vector<std::string> textsA, textsB;
  for (const auto& op : middleA)
    if (op.kind == Kind::Text) textsA.push_back(op.text);
  for (const auto& op : middleB)
    if (op.kind == Kind::Text) textsB.push_back(op.text);
  EXPECT_EQ(textsA.size(), 2u);
  EXPECT_EQ(textsA, textsB);
  const Views v(exterior);
  const double L = exterior.OverallLength, t = exterior.LumberThickness;
  for (const auto* ops : {&middleA, &middleB}) {
    EXPECT_TRUE(
        HasPath(*ops, {v.Side(0, 0), v.Side(L, 0), v.Side(L, t), v.Side(0, t), v.Side(0, 0)}));
  }
}

TEST(DesignViewVariants, ExteriorSupportsLieOutsideTheLegs) {
  DesignRecord rec = BuiltInDesign(true);
  const Views v(rec);
  const double t = rec.LumberThickness, LD = rec.LeftDeckOverhang, BR = rec.BraceRun;
  const double H = rec.TableHeight, SH = rec.SeatHeight, CS = rec.CentreSupportDepth;
  const double ys = H - SH + t, W = rec.OverallWidth;
  const double SE = rec.SeatSupportExtension, LC = rec.LegCutWidth;

  for (bool exterior : {true, false}) {
    rec.SupportsExterior = exterior;
    const std::vector<CanvasOp> ops = Drawn(rec);
    const double face = exterior ? LD + t : LD + 2 * t;  // inner face of the left frame band
    const double other = exterior ? LD + 2 * t : LD + t;
    const double legOuter = exterior ? LD + t : LD;
    SCOPED_TRACE(exterior ? "exterior" : "interior");
    // Centre support measured from the frame face.
    const double xc = face + BR, xcWrong = other + BR;
    EXPECT_TRUE(HasPath(
        ops, {v.Side(xc, t), v.Side(xc, t + CS), v.Side(xc + t, t + CS), v.Side(xc + t, t)}));
    EXPECT_FALSE(HasPath(ops, {v.Side(xcWrong, t), v.Side(xcWrong, t + CS)}));
    // Left leg edge-on: its outer edge line from the deck down to the seat.
    EXPECT_TRUE(HasPath(ops, {v.Side(legOuter, t), v.Side(legOuter, H - SH)}));
    // Seat support: whole in front of the legs, or only between them.
    EXPECT_EQ(HasPath(ops, {v.End(0, ys), v.End(W, ys)}), exterior);
    EXPECT_EQ(HasPath(ops, {v.End(SE + LC, ys), v.End(W - SE - LC, ys)}), !exterior);
  }
}

TEST(DesignViewBraces, DeepCentreSupportShortensTheUpperEdge) {
  auto texts = BuiltInTexts();
  texts["centreSupportSize"][1] =
      "7.25";  // a centre support deeper than the seat support by more than 2t
  const DesignRecord rec = CalculatedDesign(texts);
  const double t = rec.LumberThickness, H = rec.TableHeight, SH = rec.SeatHeight;
  const double q = TanDeg(rec.BraceAngle), BR = rec.BraceRun, BH = rec.BraceRise;
  const double CS = rec.CentreSupportDepth;
  const double d0 = H - SH - t, r0 = d0 / q;
  ASSERT_GT(r0, BR);

  const Views v(rec);
  const std::vector<CanvasOp> ops = Drawn(rec);
  const double face = rec.LeftDeckOverhang + t, xc = face + BR;
  const double rightFace = face + t + 2 * BR, xc2 = xc + t;
  EXPECT_TRUE(HasPath(ops, {v.Side(face, t + BH), v.Side(face, H - SH)}));
  EXPECT_TRUE(HasPath(ops, {v.Side(xc, t), v.Side(xc - BH / q, t + BH)}));
  EXPECT_TRUE(HasPath(ops, {v.Side(xc, t + CS), v.Side(xc - r0 + CS / q, t + d0)}));
  EXPECT_TRUE(HasPath(ops, {v.Side(rightFace, t + BH), v.Side(rightFace, H - SH)}));
  EXPECT_TRUE(HasPath(ops, {v.Side(xc2, t), v.Side(xc2 + BH / q, t + BH)}));
  EXPECT_TRUE(HasPath(ops, {v.Side(xc2, t + CS), v.Side(xc2 + r0 - CS / q, t + d0)}));

  // The built-in braces reach their full depth and get no line down the frame face.
  const DesignRecord builtIn = BuiltInDesign();
  const Views vb(builtIn);
  const double faceB = builtIn.LeftDeckOverhang + t;
  const double d0B = builtIn.TableHeight - builtIn.SeatHeight - t;
  ASSERT_LE(d0B / TanDeg(builtIn.BraceAngle), builtIn.BraceRun);
  EXPECT_FALSE(HasPath(Drawn(builtIn), {vb.Side(faceB, t + builtIn.BraceRise),
                                        vb.Side(faceB, builtIn.TableHeight - builtIn.SeatHeight)}));
}

// The third line of each brace foot, drawn only where the seat support is the deeper member.
int FootThirdLines(const DesignRecord& rec) {
  const Views v(rec);
  const std::vector<CanvasOp> ops = Drawn(rec);
  const double t = rec.LumberThickness, q = TanDeg(rec.BraceAngle), BH = rec.BraceRise;
  const double f = (static_cast<double>(rec.SeatSupportDepth) - rec.CentreSupportDepth) / 2;
  const double left = rec.LeftDeckOverhang + t, right = left + t + 2.0 * rec.BraceRun;
  return HasPath(ops, {v.Side(left, t + BH), v.Side(left + f / q, t + BH - f)}) +
         HasPath(ops, {v.Side(right, t + BH), v.Side(right - f / q, t + BH - f)});
}

TEST(DesignViewBraces, FootThirdLineOnlyWhenSeatSupportIsDeeper) {
  auto texts = BuiltInTexts();
  texts["seatSupportSize"][1] = "5.5";
  EXPECT_EQ(FootThirdLines(CalculatedDesign(texts)), 2);
  EXPECT_EQ(FootThirdLines(BuiltInDesign()), 0);  // equal depths
  texts = BuiltInTexts();
  texts["centreSupportSize"][1] = "5.5";
  EXPECT_EQ(FootThirdLines(CalculatedDesign(texts)), 0);
}

TEST(DesignViewBraces, ZeroBraceAngleStopsWithDivisionByZero) {
  DesignRecord rec = BuiltInDesign();
  rec.BraceAngle = 0;
  RecordingCanvas canvas(kPictureWidth, kPictureHeight);
  try {
    DrawDesignView(rec, canvas, kWindowWidth, kWindowHeight);
    FAIL() << "no error";
  } catch (const DivisionByZeroError& e) {
    EXPECT_STREQ(e.what(), "Floating point division by zero");
  }
}

TEST(DesignView, OverlapWarningOnlyWhenNotRepositionedAndOverlapping) {
  auto texts = BuiltInTexts();
  texts["deckBoardCount"][0] = "2";  // two deck boards: the upper legs overlap, the user said No
  DesignRecord rec = CalculatedDesign(texts);
  ASSERT_GT(rec.LegOverlap, 0);
  ASSERT_FALSE(rec.LegsRepositioned);
  const std::vector<CanvasOp> ops = Drawn(rec);
  const CanvasOp* warning = FindText(ops, "Ouch!");
  ASSERT_NE(warning, nullptr);
  EXPECT_EQ(warning->text, "Ouch! Upper legs overlap   " + rec.FormatLength(rec.LegOverlap));
  EXPECT_TRUE(testing::At(*warning, Kind::Text, Views(rec).End(0, rec.TableHeight)));

  DesignRecord repositioned = rec;
  repositioned.LegsRepositioned = true;
  EXPECT_EQ(FindText(Drawn(repositioned), "Ouch!"), nullptr);
  DesignRecord touching = rec;
  touching.LegOverlap = 0;
  EXPECT_EQ(FindText(Drawn(touching), "Ouch!"), nullptr);
}

TEST(DesignView, UndrawableDesignGetsAMessageInsteadOfFigures) {
  DesignRecord flat = BuiltInDesign();
  flat.TableHeight = 0;
  DesignRecord huge = BuiltInDesign();
  huge.OuterSupportDepth = INFINITY;
  for (const DesignRecord* rec : {&flat, &huge}) {
    const std::vector<CanvasOp> ops = Drawn(*rec);
    EXPECT_EQ(CountKind(ops, Kind::Rect), 1);  // only the blank
    EXPECT_EQ(CountKind(ops, Kind::LineTo), 0);
    const std::vector<std::string> texts = [&] {
      std::vector<std::string> out;
      for (const auto& op : ops)
        if (op.kind == Kind::Text) out.push_back(op.text);
      return out;
    }();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].rfind("The table cannot be drawn", 0), 0u) << texts[0];
  }
  EXPECT_NE(FindText(Drawn(flat), "The table cannot be drawn")->text.find("height"),
            std::string::npos);
}

}  // namespace
}  // namespace varnloft
