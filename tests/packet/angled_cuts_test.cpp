// The angled cuts that get templates: one per angle and width, members sharing a cut listed
// together, none for square cuts, zero widths or members the design does not have; and the
// template figure's true size and turn.
#include "packet/angled_cuts.h"

#include <gtest/gtest.h>

#include <cmath>

#include "measure/angles.h"
#include "packet/cut_template.h"
#include "packet_designs.h"

namespace varnloft {
namespace {

using testing::BuiltInDesign;
using testing::BuiltInWithWidth;

std::vector<std::string> Names(const AngledCut& cut) {
  std::vector<std::string> names;
  for (const CutMember& m : cut.members) names.push_back(m.name);
  return names;
}

TEST(AngledCuts, TheBuiltInTableHasTheLegCutAndTheBraceCut) {
  const DesignRecord rec = BuiltInDesign();
  const std::vector<AngledCut> cuts = AngledCuts(rec);
  ASSERT_EQ(cuts.size(), 2u);
  EXPECT_EQ(cuts[0].angle, rec.LegAngle);
  EXPECT_DOUBLE_EQ(cuts[0].width, rec.LegWidth);
  EXPECT_EQ(Names(cuts[0]),
            (std::vector<std::string>{"Leg", "Outer Support", "Centre Support", "Seat Support"}));
  EXPECT_EQ(AngleName(cuts[0]), "leg angle");
  EXPECT_EQ(cuts[1].angle, rec.BraceAngle);
  EXPECT_DOUBLE_EQ(cuts[1].width, rec.BraceCutWidth);
  EXPECT_EQ(Names(cuts[1]), std::vector<std::string>{"Brace"});
  EXPECT_EQ(AngleName(cuts[1]), "brace angle");
  EXPECT_NEAR(cuts[1].offset, std::tan(rec.BraceAngle * M_PI / 180) * rec.BraceCutWidth, 1e-6);
}

TEST(AngledCuts, EverySupportDepthThatDiffersHasItsOwnTemplate) {
  DesignRecord rec = BuiltInWithWidth("seatSupportSize", "5.5");
  std::vector<AngledCut> cuts = AngledCuts(rec);
  ASSERT_EQ(cuts.size(), 3u);
  EXPECT_EQ(Names(cuts[0]), (std::vector<std::string>{"Leg", "Outer Support", "Centre Support"}));
  EXPECT_EQ(Names(cuts[1]), std::vector<std::string>{"Seat Support"});
  EXPECT_NEAR(cuts[1].width, 5.5 / 12, 1e-7);
  EXPECT_EQ(cuts[1].angle, cuts[0].angle);
}

TEST(AngledCuts, NoTemplateForASquareCutAZeroWidthOrAMissingMember) {
  DesignRecord rec = BuiltInDesign();
  rec.BraceAngle = 0;  // a square cut
  rec.LegWidth = 0;    // no width to cut across
  std::vector<AngledCut> cuts = AngledCuts(rec);
  ASSERT_EQ(cuts.size(), 1u);
  EXPECT_EQ(Names(cuts[0]),
            (std::vector<std::string>{"Outer Support", "Centre Support", "Seat Support"}));

  // Without a centre support the design has no braces.
  DesignRecord noCentre = BuiltInWithWidth("centreSupportSize", "0");
  for (const AngledCut& cut : AngledCuts(noCentre)) {
    for (const std::string& name : Names(cut)) {
      EXPECT_NE(name, "Brace");
      EXPECT_NE(name, "Centre Support");
    }
  }
  rec.LegAngle = 0;
  EXPECT_TRUE(AngledCuts(rec).empty());
}

TEST(AngledCuts, TemplatesFollowTheModelScale) {
  DesignRecord rec = BuiltInDesign();
  EXPECT_EQ(TemplateScale(rec), 1);
  rec.ModelScale = true;
  rec.ScaleFactor = 0.21428572f;
  EXPECT_DOUBLE_EQ(TemplateScale(rec), 0.21428572f);
  rec.ScaleFactor = 0;  // never drawn at no size at all
  EXPECT_EQ(TemplateScale(rec), 1);
}

// The lines of a template figure in the order drawn: the far end, the square line, the long
// edge, the short edge, the short edge under the waste, the cut.
TEST(CutTemplateFigure, EdgesLieTheBoardsWidthApartAndTheCutRunsItsOffset) {
  const AngledCut cut = AngledCuts(BuiltInDesign())[0];
  const TemplatePaper paper{600, 12 * 600, true};
  const Figure along = CutTemplateFigure(cut, paper, false);
  ASSERT_EQ(along.lines.size(), 6u);
  const FigureLine& longEdge = along.lines[2];
  const FigureLine& shortEdge = along.lines[3];
  const FigureLine& cutLine = along.lines[5];
  EXPECT_NEAR(shortEdge.y1 - longEdge.y1, 3.5 * 600, 1e-3);  // 3 1/2 in at 600 dpi
  EXPECT_DOUBLE_EQ(cutLine.x1 - cutLine.x2, cut.offset * 12 * 600);
  EXPECT_DOUBLE_EQ(shortEdge.x2 - shortEdge.x1, 2 * 600);  // a 2 in stub before the cut
  EXPECT_GT(cutLine.penWidth, longEdge.penWidth);

  // Turned a quarter down the page, not mirrored: the same corner order turns the same way.
  const Figure down = CutTemplateFigure(cut, paper, true);
  EXPECT_DOUBLE_EQ(down.width, along.height);
  EXPECT_DOUBLE_EQ(down.height, along.width);
  auto turn = [](const Figure& f) {
    const FigureLine& a = f.lines[2];  // long edge, towards the cut
    const FigureLine& c = f.lines[5];  // the cut, from the long edge across
    return (a.x2 - a.x1) * (c.y2 - c.y1) - (a.y2 - a.y1) * (c.x2 - c.x1);
  };
  EXPECT_GT(turn(along) * turn(down), 0);

  // Metric templates leave 50 mm before the cut.
  const Figure metric = CutTemplateFigure(cut, TemplatePaper{600, 12 * 600, false}, false);
  EXPECT_NEAR(metric.lines[3].x2 - metric.lines[3].x1, 50 / 25.4 * 600, 1e-9);
}

}  // namespace
}  // namespace varnloft
