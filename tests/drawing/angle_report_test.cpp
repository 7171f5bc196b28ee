// The angle report: its texts for the built-in design, the fixed-size cut sketches and the
// square settings in either measure.
#include "design/angle_report.h"

#include <gtest/gtest.h>

#include <cmath>

#include "op_search.h"
#include "tests/support/built_in_design.h"

namespace varnloft {
namespace {

using testing::BuiltInDesign;
using testing::FindText;
using Kind = CanvasOp::Kind;

std::vector<CanvasOp> Report(const DesignRecord& rec, int width = 518, int height = 237) {
  RecordingCanvas canvas(width, height);
  DrawAngleReport(rec, canvas);
  return canvas.Ops();
}

std::vector<std::string> TextsOf(const std::vector<CanvasOp>& ops) {
  std::vector<std::string> texts;
  for (const auto& op : ops)
    if (op.kind == Kind::Text) texts.push_back(op.text);
  return texts;
}

// The two cut sketches: a move-to and three line-tos each, after the two divider lines.
std::vector<std::vector<CanvasOp>> Sketches(const std::vector<CanvasOp>& ops) {
  std::vector<std::vector<CanvasOp>> sketches;
  for (size_t i = 0; i + 3 < ops.size(); ++i) {
    if (ops[i].kind == Kind::MoveTo && ops[i + 1].kind == Kind::LineTo &&
        ops[i + 2].kind == Kind::LineTo && ops[i + 3].kind == Kind::LineTo) {
      sketches.emplace_back(ops.begin() + i, ops.begin() + i + 4);
    }
  }
  return sketches;
}

TEST(AngleReport, BuiltInDesignTexts) {
  const DesignRecord rec = BuiltInDesign();
  const std::vector<std::string> texts = TextsOf(Report(rec));
  ASSERT_EQ(texts.size(), 11u);
  EXPECT_EQ(texts[0], "This design uses two angles.");
  EXPECT_EQ(texts[1], "Brace angle cut is 21.6\xC2\xB0");
  EXPECT_EQ(texts[2], "All other cuts are 31.0\xC2\xB0");
  EXPECT_EQ(texts[3], "Rafter Square Settings are:");
  EXPECT_EQ(texts[7], "Rafter Square Settings are:");
  // The leg column's first setting: a 7.2 inch rise on a one-foot run.
  EXPECT_EQ(texts[8], rec.FormatLength(0.6f) + " on " + rec.FormatLength(1.0f) + " or");
  EXPECT_EQ(texts[10].substr(texts[10].size() - 4 - rec.FormatLength(2.0f).size()),
            " on " + rec.FormatLength(2.0f));
}

TEST(AngleReport, WipesWithTheCurrentPenThenSetsNavyArialTen) {
  const std::vector<CanvasOp> ops = Report(BuiltInDesign());
  ASSERT_GE(ops.size(), 6u);
  EXPECT_EQ(ops[0].kind, Kind::Rect);
  EXPECT_EQ(std::vector<int>({ops[0].x1, ops[0].y1, ops[0].x2, ops[0].y2}),
            std::vector<int>({0, 0, 518, 237}));
  const CanvasOp& font = ops[5];
  EXPECT_EQ(font.kind, Kind::Font);
  EXPECT_EQ(font.text, "Arial");
  EXPECT_EQ(font.size, 10);
  EXPECT_EQ(font.color, kNavy);
  // Title at (12.95 + 259 * 0.55, 19.75 / 2).
  const CanvasOp* title = FindText(ops, "This design");
  EXPECT_EQ(title->x1, 155);
  EXPECT_EQ(title->y1, 10);
}

TEST(AngleReport, SketchesStay120By42PixelsOnAnyPicture) {
  for (auto [width, height] : {std::pair{518, 237}, std::pair{259, 118}, std::pair{900, 400}}) {
    const auto sketches = Sketches(Report(BuiltInDesign(), width, height));
    ASSERT_EQ(sketches.size(), 2u);
    const double margin = width * 0.025;
    EXPECT_EQ(sketches[0][0].x1, std::nearbyint(margin));
    EXPECT_EQ(sketches[1][0].x1, std::nearbyint(width * 0.5 + margin));
    for (const auto& s : sketches) {
      EXPECT_EQ(s[1].x1 - s[0].x1, 120);
      EXPECT_EQ(s[1].y1, s[0].y1);
      EXPECT_EQ(s[3].y1 - s[0].y1, 42);
      EXPECT_EQ(s[3].x1, s[0].x1);
      EXPECT_EQ(s[2].y1, s[3].y1);
      EXPECT_LT(s[2].x1, s[1].x1);  // the cut leans back at the bottom
    }
  }
}

TEST(AngleReport, SquareCutAtAngleZero) {
  DesignRecord rec = BuiltInDesign();
  rec.BraceAngle = 0;
  const std::vector<CanvasOp> ops = Report(rec);
  const auto sketches = Sketches(ops);
  ASSERT_EQ(sketches.size(), 2u);
  EXPECT_EQ(sketches[0][2].x1, sketches[0][1].x1);
  const std::vector<std::string> texts = TextsOf(ops);
  EXPECT_EQ(texts[1], "Brace angle cut is 0.0\xC2\xB0");
  EXPECT_EQ(texts[4], rec.FormatLength(0) + " on " + rec.FormatLength(1.0f) + " or");
}

TEST(AngleReport, CutsNearlySquareToTheBoardStillDraw) {
  // A brace angle a float's step below 90 degrees puts the foot of the cut hundreds of millions
  // of pixels away; the sketch holds it a million pixels out, leaning the same way.
  for (float degrees : {89.99999f, 90.0f, -89.99999f}) {
    DesignRecord rec = BuiltInDesign();
    rec.BraceAngle = degrees;
    std::vector<CanvasOp> ops;
    ASSERT_NO_THROW(ops = Report(rec)) << degrees;
    const auto sketches = Sketches(ops);
    ASSERT_EQ(sketches.size(), 2u);
    const double left = sketches[0][0].x1;
    EXPECT_EQ(std::abs(sketches[0][2].x1 - left), 1e6) << degrees;
    // At exactly 90 degrees the tangent's sign depends on the last bits of pi.
    const bool footLeftOfSketch = sketches[0][2].x1 < left;
    if (degrees != 90.0f) {
      EXPECT_EQ(footLeftOfSketch, degrees > 0) << degrees;
    }
    EXPECT_EQ(TextsOf(ops)[1],
              degrees > 0 ? "Brace angle cut is 90.0\xC2\xB0" : "Brace angle cut is -90.0\xC2\xB0");
  }
}

TEST(AngleReport, MetricSettingsAreInMillimetres) {
  DesignRecord rec = BuiltInDesign();
  rec.ImperialUnits = false;
  const std::vector<std::string> texts = TextsOf(Report(rec));
  EXPECT_NE(texts[4].find(" on " + rec.FormatLength(1.0f)), std::string::npos);
  EXPECT_NE(rec.FormatLength(1.0f).find("mm"), std::string::npos);
}

}  // namespace
}  // namespace varnloft
