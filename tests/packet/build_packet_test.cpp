// The build packet on a recording page sink: the printed plans' pages exactly as Print draws
// them, then the materials, the cutting diagrams and the templates, every page numbered in the
// whole document; the calibration square, tiled and scaled templates, the refusal after a
// failed calculation and the assembly section's hook.
#include "packet/build_packet.h"

#include <gtest/gtest.h>

#include <cmath>

#include "measure/errors.h"
#include "packet/template_pages.h"
#include "packet_designs.h"
#include "plans/printed_plans.h"
#include "platform/testing/fixed_clock.h"

namespace varnloft {
namespace {

using testing::BuiltInDesign;
using testing::BuiltInWithWidth;
using testing::Count;
using testing::CountTexts;
using testing::Ops;
using testing::RecordedPacket;
using testing::Text;
using testing::TextIndex;
using K = CanvasOp::Kind;

// The ops of each page, without its page op.
std::vector<Ops> Pages(const Ops& ops) {
  std::vector<Ops> pages;
  for (const CanvasOp& op : ops) {
    if (op.kind == K::Page)
      pages.emplace_back();
    else if (!pages.empty())
      pages.back().push_back(op);
  }
  return pages;
}

// Every op Print records for the design on its own, page ops included.
Ops PrintedAlone(const DesignRecord& rec, const PacketContents& contents, int width, int height) {
  FixedClock clock(testing::kNow);
  PlanContext plans = contents.plans;
  plans.clock = &clock;
  RecordingPageSink sink(width, height);
  PrintPlans(rec, sink, plans);
  return sink.Recording().Ops();
}

// The calibration squares of the pages: a move and four lines closing a square; their sides.
std::vector<int> SquareSides(const Ops& ops) {
  std::vector<int> sides;
  for (size_t i = 0; i + 4 < ops.size(); ++i) {
    if (ops[i].kind != K::MoveTo) continue;
    bool lines = true;
    for (size_t k = 1; k <= 4; ++k) lines &= ops[i + k].kind == K::LineTo;
    if (!lines) continue;
    const int x = ops[i].x1, y = ops[i].y1, side = ops[i + 1].x1 - x;
    if (side > 0 && ops[i + 1].y1 == y && ops[i + 2].x1 == x + side && ops[i + 2].y1 == y + side &&
        ops[i + 3].x1 == x && ops[i + 3].y1 == y + side && ops[i + 4].x1 == x && ops[i + 4].y1 == y)
      sides.push_back(side);
  }
  return sides;
}

TEST(BuildPacket, APageOfPlansThenMaterialsDiagramsAndTemplatesNumberedThroughout) {
  RecordedPacket p(BuiltInDesign());
  const PacketLayout& layout = p.Write();
  EXPECT_EQ(layout.planPages, 1);
  EXPECT_EQ(layout.materialsPages, 1);
  EXPECT_EQ(layout.diagramPages, 2);   // 14 boards
  EXPECT_EQ(layout.templatePages, 2);  // the leg cut and the brace cut, each with its square
  EXPECT_EQ(layout.assemblyPages, 0);
  EXPECT_EQ(layout.pages, 6);
  EXPECT_EQ(p.sink.Pages(), 6);
  EXPECT_TRUE(p.sink.Ended());
  EXPECT_EQ(layout.plans.planName, "Adult Standard Size Table");
  EXPECT_FLOAT_EQ(layout.plans.tableTopLength, 6.0f);

  const std::vector<Ops> pages = Pages(p.ops());
  ASSERT_EQ(pages.size(), 6u);
  // The sections' titles and each page's number in the whole document.
  const char* titles[] = {"Materials", "Cutting diagrams", "Cutting diagrams (continued)",
                          "Full-size templates", "Full-size templates"};
  for (int page = 2; page <= 6; ++page) {
    const Ops& o = pages[page - 1];
    EXPECT_EQ(o[TextIndex(o, "")].text, titles[page - 2]) << page;
    EXPECT_NE(Text(o, "Build packet: Adult Standard Size Table    Page " + std::to_string(page) +
                          " of 6"),
              nullptr)
        << page;
  }
  // Materials: the shopping list with prices and totals, the hardware with its rules, the cut
  // list, worded as the Materials window lists them.
  const Ops& materials = pages[1];
  for (const char* text :
       {"Shopping list: lumber", "Shopping list: hardware", "Totals", "Cut list", "Near misses",
        "Cost in all", "$113.33, at example prices", "Carriage bolt 3/8 \xC3\x97 4 in",
        "one through each bolt hole of a leg", "31.0\xC2\xB0 both", "21.6\xC2\xB0 both"})
    EXPECT_NE(Text(materials, text), nullptr) << text;
  // Every board once, in order, over the two diagram pages.
  for (int board = 1; board <= 14; ++board)
    EXPECT_EQ(CountTexts(p.ops(), "Board " + std::to_string(board) + " of 14:"), 1) << board;
  EXPECT_LT(TextIndex(pages[3], "Board 11 of 14:"), TextIndex(pages[3], "Board 14 of 14:"));
  // Templates: one to a page under its calibration square.
  EXPECT_NE(Text(pages[4],
                 "Template 1 of 2: 4 Legs, 2 Outer Supports, 1 Centre Support, 2 "
                 "Seat Supports"),
            nullptr);
  EXPECT_NE(Text(pages[5], "Template 2 of 2: 2 Braces"), nullptr);
  EXPECT_NE(Text(pages[5],
                 "Brace angle 21.6\xC2\xB0 off square, across 3 1/4\"; the cut runs 1 "
                 "5/16\" along the edge."),
            nullptr);
  for (const auto& t : layout.templates) EXPECT_EQ(t.fit, TemplateFit::Whole);
}

TEST(BuildPacket, ThePlansPagesAreExactlyThoseOfPrintOnOneOrTwoPages) {
  for (size_t preset : {size_t{0}, size_t{9}}) {  // Adult Standard; Baby Table, on two pages
    RecordedPacket p(testing::PresetDesign(preset));
    const Ops alone =
        PrintedAlone(p.rec, p.contents, testing::kLetterWidth, testing::kLetterHeight);
    const PacketLayout& layout = p.Write();
    EXPECT_EQ(layout.planPages, preset == 0 ? 1 : 2);
    const Ops& ops = p.ops();
    ASSERT_GT(ops.size(), alone.size());
    for (size_t i = 0; i < alone.size(); ++i)
      ASSERT_EQ(OpToJson(ops[i]), OpToJson(alone[i])) << "op " << i;
    EXPECT_EQ(ops[alone.size()].kind, K::Page);  // the materials begin on a page of their own
    EXPECT_EQ(ops[alone.size()].x1, layout.planPages + 1);
    EXPECT_EQ(layout.pages, p.sink.Pages());
  }
}

TEST(BuildPacket, EveryTemplatePageHasItsCalibrationSquareOfFourInchesOrOneHundredMillimetres) {
  RecordedPacket letter(BuiltInDesign());
  const PacketLayout& layout = letter.Write();
  EXPECT_EQ(SquareSides(letter.ops()), std::vector<int>(layout.templatePages, 2400));
  EXPECT_EQ(CountTexts(letter.ops(),
                       "Print at 100 % (no fit to page). Check that this square "
                       "measures 4 in."),
            layout.templatePages);

  RecordedPacket metric(testing::CalculatedDesign(testing::BuiltInTexts(false), true, false),
                        testing::kA4Width, testing::kA4Height);
  const PacketLayout& a4 = metric.Write();
  ASSERT_GT(a4.templatePages, 0);
  EXPECT_EQ(SquareSides(metric.ops()), std::vector<int>(a4.templatePages, 2362));  // 100 mm
  EXPECT_EQ(CountTexts(metric.ops(),
                       "Print at 100 % (no fit to page). Check that this square "
                       "measures 100 mm."),
            a4.templatePages);
  EXPECT_NE(Text(metric.ops(), "Board 1 of "), nullptr);
}

TEST(BuildPacket, ATemplateTallerThanThePageIsTiledWithAlignmentMarksAndPartLabels) {
  RecordedPacket p(BuiltInWithWidth("seatSupportSize", "11.25"));
  const PacketLayout& layout = p.Write();
  ASSERT_EQ(layout.templates.size(), 3u);
  const PlacedTemplate& seat = layout.templates[1];
  ASSERT_EQ(seat.fit, TemplateFit::Tiled);
  const int parts = seat.columns * seat.rows;
  EXPECT_GE(parts, 2);
  EXPECT_LE(parts, 4);
  const std::vector<Ops> pages = Pages(p.ops());
  for (int part = 1; part <= parts; ++part) {
    const Ops& page = pages[seat.firstPage - 1 + part - 1];
    EXPECT_NE(Text(page, "Template 2 of 3: 2 Seat Supports"), nullptr) << part;
    EXPECT_NE(Text(page, "Part " + std::to_string(part) + " of " + std::to_string(parts)), nullptr)
        << part;
    EXPECT_EQ(SquareSides(page).size(), 1u) << part;
    EXPECT_GT(Count(page, K::Ellipse), 0) << part;  // the circled crosses
  }
  // The template on its own pages: the next one starts on a fresh page.
  EXPECT_EQ(layout.templates[2].firstPage, seat.firstPage + parts);
  EXPECT_EQ(layout.templates[2].fit, TemplateFit::Whole);
}

TEST(BuildPacket, ATemplateTooLargeForFourPagesIsDrawnSmallerAndSaysSo) {
  RecordedPacket p(BuiltInWithWidth("seatSupportSize", "40"));
  const PacketLayout& layout = p.Write();
  ASSERT_EQ(layout.templates.size(), 3u);
  const PlacedTemplate& seat = layout.templates[1];
  EXPECT_EQ(seat.fit, TemplateFit::Scaled);
  EXPECT_LT(seat.scale, 1);
  EXPECT_GT(seat.scale, 0.1);
  const std::vector<Ops> pages = Pages(p.ops());
  const Ops& page = pages[seat.firstPage - 1];
  EXPECT_NE(Text(page, "NOT FULL SIZE: drawn at "), nullptr);
  EXPECT_EQ(SquareSides(page).size(), 1u);
  EXPECT_EQ(layout.templates[2].firstPage, seat.firstPage + 1);
}

TEST(BuildPacket, UnderAModelScaleTheTemplatesAreDrawnAtTheModelsSize) {
  DesignRecord rec = BuiltInDesign();
  rec.ModelScale = true;
  rec.ScaleFactor = 0.21428572f;
  RecordedPacket p(rec);
  const PacketLayout& layout = p.Write();
  EXPECT_EQ(layout.templatePages, 1);  // both small templates on one page
  EXPECT_NE(Text(p.ops(), "Model scale: the templates are drawn at"), nullptr);
  EXPECT_EQ(CountTexts(p.ops(), "Template "), 2);
  const CanvasOp* leg = Text(p.ops(), "Leg angle 31.0\xC2\xB0 off square, across 3/4\"; ");
  ASSERT_NE(leg, nullptr);
  EXPECT_NE(leg->text.find("Drawn at the model's size."), std::string::npos);
  EXPECT_NE(Text(p.ops(), "The list is for the full-size table:"), nullptr);
}

TEST(BuildPacket, RefusedAfterAFailedCalculationBeforeTheDocumentBegins) {
  RecordedPacket p(BuiltInDesign());
  p.rec.LastCalculationFailed = true;
  try {
    p.Write();
    FAIL() << "no refusal";
  } catch (const ProgramError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("The plans cannot be put into a build packet: the last "
                                          "design calculation stopped on an error",
                                          0),
              0u);
  }
  EXPECT_EQ(p.sink.Pages(), 0);
  EXPECT_TRUE(p.ops().empty());
}

TEST(BuildPacket, TheAssemblySectionDrawsOnTheAreaOfItsOwnPage) {
  RecordedPacket p(BuiltInDesign());
  int width = 0, height = 0;
  p.contents.drawAssembly = [&](Canvas& canvas) {
    width = canvas.Width();
    height = canvas.Height();
    canvas.MoveTo(0, 0);
    canvas.LineTo(canvas.Width(), canvas.Height());
  };
  const PacketLayout& layout = p.Write();
  EXPECT_EQ(layout.assemblyPages, 1);
  EXPECT_EQ(layout.pages, 7);
  const std::vector<Ops> pages = Pages(p.ops());
  const Ops& last = pages.back();
  EXPECT_EQ(last[TextIndex(last, "")].text, "Assembly");
  EXPECT_NE(Text(last, "Build packet: Adult Standard Size Table    Page 7 of 7"), nullptr);
  ASSERT_GT(width, 4000);
  ASSERT_GT(height, 5000);
  // The line lands inside the page, moved to the area's corner below the header.
  int move = -1;
  for (size_t i = 0; i + 1 < last.size(); ++i)
    if (last[i].kind == K::MoveTo && last[i + 1].kind == K::LineTo &&
        last[i + 1].x1 - last[i].x1 == width && last[i + 1].y1 - last[i].y1 == height)
      move = static_cast<int>(i);
  ASSERT_GE(move, 0);
  EXPECT_EQ(last[move].x1, 60);  // the packet's margin of 0.1 in
  EXPECT_GT(last[move].y1, 100);
  EXPECT_LE(last[move + 1].y1, testing::kLetterHeight);
}

}  // namespace
}  // namespace varnloft
