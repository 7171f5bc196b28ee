// The printed plans on a recording page sink: the page-1 header, the printer's own black with a
// 5 pixel pen, the font sizes, and the break onto a second page at three quarters of the page.
#include <gtest/gtest.h>

#include <cmath>

#include "app/design_commands.h"
#include "planned_window.h"
#include "tests/support/op_find.h"

namespace varnloft {
namespace {

using testing::Count;
using testing::CountTexts;
using testing::kLetterHeight;
using testing::kLetterWidth;
using testing::PlannedWindow;
using testing::Text;
using testing::TextIndex;
using K = CanvasOp::Kind;

// Font size in force when the text at `index` was written.
int FontSizeAt(const testing::Ops& ops, int index) {
  for (int i = index; i >= 0; --i)
    if (ops[i].kind == K::Font) return ops[i].size;
  return 0;
}

TEST(PrintedPlans, TheBuiltInTableFitsOnOneLetterPage) {
  PlannedWindow p;
  ASSERT_TRUE(p.PressPrint());
  ASSERT_TRUE(p.pages);
  const auto& o = p.pages->Recording().Ops();
  EXPECT_EQ(p.pages->Pages(), 1);
  EXPECT_TRUE(p.pages->Ended());
  ASSERT_EQ(o[0].kind, K::Page);
  EXPECT_EQ(o[0].x2, kLetterWidth);
  EXPECT_EQ(o[0].y2, kLetterHeight);
  EXPECT_EQ(CountTexts(o, "-- continued on Page 2 --"), 0);
  EXPECT_EQ(CountTexts(o, "Page 2"), 0);
  // Page 1's notes follow the load-test line; the sheet's last web address is not printed.
  EXPECT_EQ(Text(o, "Revised January 27, 2007")->y1 - Text(o, "Copyright (c) ")->y1, 14 * 107);
  EXPECT_EQ(CountTexts(o, "www.tellwicktables.example"), 1);
}

TEST(PrintedPlans, PrintsInThePrintersBlackWithAFivePixelPen) {
  PlannedWindow p;
  ASSERT_TRUE(p.PressPrint());
  const auto& o = p.pages->Recording().Ops();
  for (const auto& op : o) {
    if (op.kind == K::Pen) {
      EXPECT_EQ(op.size, 5);
      EXPECT_EQ(op.color, kBlack);
    }
    if (op.kind == K::Font) {
      EXPECT_EQ(op.color, kBlack);
    }
  }
  EXPECT_EQ(Count(o, K::Pen), 1);
}

TEST(PrintedPlans, HeaderAndFontSizes) {
  PlannedWindow p;
  ASSERT_TRUE(p.PressPrint());
  const auto& o = p.pages->Recording().Ops();
  // lineStep 6434 div 60 = 107, leftMargin floor(4934 * 0.03) = 148.
  const int title = TextIndex(o, p.w.rec.TitleText);
  ASSERT_GE(title, 0);
  EXPECT_EQ(o[title].x1, 148);
  EXPECT_EQ(o[title].y1, 107);
  EXPECT_EQ(FontSizeAt(o, title), 12);
  const int name = TextIndex(o, "Adult Standard Size Table");
  EXPECT_EQ(o[name].y1, 241);  // 2.25 line steps, rounded
  EXPECT_EQ(FontSizeAt(o, name), 10);
  const int address = TextIndex(o, "www.tellwicktables.example");
  EXPECT_EQ(o[address].x1, 2467);
  EXPECT_EQ(o[address].y1, 241);

  EXPECT_EQ(FontSizeAt(o, TextIndex(o, " 2' - 10   1/4\" ")), 8);  // the table-top width
  EXPECT_EQ(FontSizeAt(o, TextIndex(o, " 2' - 5   1/2\"")), 10);   // the table height
  EXPECT_EQ(FontSizeAt(o, TextIndex(o, "Holes are measured")), 10);
  EXPECT_EQ(FontSizeAt(o, TextIndex(o, " 2' - 8   5/8\"")), 8);  // the legs' length
  EXPECT_EQ(FontSizeAt(o, TextIndex(o, " 31.0\xC2\xB0     4 Legs")), 10);
  EXPECT_EQ(FontSizeAt(o, TextIndex(o, "Top Leg Hole From End")), 8);
  EXPECT_EQ(FontSizeAt(o, TextIndex(o, "\xC2\xAB\xC2\xAB\xC2\xAB (")), 8);
  EXPECT_EQ(FontSizeAt(o, TextIndex(o, "Copyright")), 10);
  EXPECT_EQ(Text(o, "This plan was created")->text,
            "This plan was created using \"Tellwick Picnic Tables Varnloft,\" Complimentary "
            "Software and Plans Version 6.0.0.2.");
}

TEST(PrintedPlans, PrintRecalculatesFirst) {
  PlannedWindow p;
  p.Run([&] { p.w.design().TypeIntoBox("overallLength.0", "9"); });
  ASSERT_TRUE(p.PressPrint());
  EXPECT_FLOAT_EQ(p.w.rec.OverallLength, 9);
  EXPECT_NE(Text(p.pages->Recording().Ops(), " 9' "), nullptr);
  EXPECT_EQ(p.w.form.at("printButton").color, kMaroon);
}

// A design whose footer starts exactly at three quarters of a 2000 x 6000 page: 500 pixels
// per foot, lineStep 100, and the member depths and the table height adding up to 3.5 ft, so
// the footer starts at 3.5 * 500 + 27.5 * 100 = 4500. Every size is exact in binary.
DesignRecord FooterAtThreeQuarters() {
  DesignRecord rec;
  rec.ImperialUnits = true;
  rec.ScaleFactor = 1;
  rec.LumberThickness = 0.125f;
  rec.TableHeight = 3;
  rec.SeatHeight = 1.5f;
  rec.OverallWidth = 1;
  rec.OverallLength = 1;
  rec.TableTopWidth = 0.75f;
  rec.SeatWidth = 0.125f;
  rec.LegWidth = 0.125f;
  rec.LegLength = 3;
  rec.LegAngle = 20;
  rec.BraceAngle = 30;
  rec.BraceLength = 0.5f;
  rec.BraceRun = 0.25f;
  rec.BraceRise = 0.25f;
  rec.LeftDeckOverhang = rec.RightDeckOverhang = 0.125f;
  rec.SeatLength = 1;
  rec.DeckBoardCount = 2;
  rec.SeatBoardCount = 1;
  rec.SeatSupportDepth = rec.OuterSupportDepth = rec.CentreSupportDepth = 0.0625f;
  rec.BraceCutWidth = rec.SeatBoardWidth = rec.DeckBoardWidth = 0.0625f;
  rec.TitleText = "Tellwick Picnic Tables Varnloft       Friday,  January 5, 2007";
  rec.NoticeText = "Copyright (c) 2007 Tellwick Picnic Tables. All rights reserved.";
  return rec;
}

struct PageBreak : ::testing::Test {
  PrintedPlansResult Print(const DesignRecord& rec) {
    sink = std::make_unique<RecordingPageSink>(2000, 6000);
    return PrintPlans(rec, *sink, PlanContext{"Adult Standard Size Table", {}, {}, &clock});
  }
  const testing::Ops& ops() const { return sink->Recording().Ops(); }
  FixedClock clock{{2007, 1, 5, 9, 5, 7, 5}};
  std::unique_ptr<RecordingPageSink> sink;
};

TEST_F(PageBreak, NotesStartingAtThreeQuartersStayOnPageOne) {
  const PrintedPlansResult result = Print(FooterAtThreeQuarters());
  ASSERT_EQ(result.footerTop, 4500);
  EXPECT_EQ(result.pages, 1);
  EXPECT_EQ(sink->Pages(), 1);
  EXPECT_EQ(CountTexts(ops(), "-- continued on Page 2 --"), 0);
  EXPECT_EQ(Text(ops(), "Left Deck Overhang:  ")->y1, 4500 + 2 * 100);
}

TEST_F(PageBreak, NotesStartingBelowThreeQuartersGoOnPageTwo) {
  DesignRecord rec = FooterAtThreeQuarters();
  rec.DeckBoardWidth += 1.0f / 512;  // one pixel lower
  const PrintedPlansResult result = Print(rec);
  ASSERT_GT(result.footerTop, 4500);
  ASSERT_LT(result.footerTop, 4502);
  EXPECT_EQ(result.pages, 2);
  EXPECT_EQ(sink->Pages(), 2);

  const auto& o = ops();
  // Page 1 ends with the load-test line and the continuation note.
  const int loadTest = TextIndex(o, "(Always load test");
  const int continued = TextIndex(o, "-- continued on Page 2 --");
  ASSERT_GE(continued, 0);
  EXPECT_EQ(continued, loadTest + 1);
  EXPECT_EQ(o[continued].y1, std::nearbyint(result.footerTop + 200));
  ASSERT_EQ(o[continued + 1].kind, K::Page);
  EXPECT_EQ(o[continued + 1].x1, 2);
  EXPECT_EQ(o[continued + 1].x2, 2000);
  EXPECT_EQ(o[continued + 1].y2, 6000);

  // Page 2: title and "Page 2" in 12 points, the plan's name and the web address in 10.
  const int page2 = continued + 1;
  const int title = TextIndex(o, "Tellwick", page2);
  EXPECT_EQ(o[title].y1, 100);
  EXPECT_EQ(FontSizeAt(o, title), 12);
  const int pageNumber = TextIndex(o, "Page 2", page2);
  EXPECT_EQ(o[pageNumber].x1, 1500);
  EXPECT_EQ(o[pageNumber].y1, 100);
  const int name = TextIndex(o, "Adult Standard Size Table", page2);
  EXPECT_EQ(o[name].y1, 200);
  EXPECT_EQ(FontSizeAt(o, name), 10);
  EXPECT_EQ(o[TextIndex(o, "www.tellwicktables.example", page2)].x1, 1500);

  // The notes counted from the top line at 100.
  EXPECT_EQ(o[TextIndex(o, "Left Deck Overhang:  ", page2)].y1, 100 + 4 * 100);
  EXPECT_EQ(o[TextIndex(o, "Right Deck Overhang:  ", page2)].x1, 1000);
  EXPECT_EQ(o[TextIndex(o, "Brace Angle: ", page2)].y1, 100 + 7 * 100);
  EXPECT_EQ(o[TextIndex(o, "to the Lower Right Point", page2)].y1, 100 + 10 * 100);
  EXPECT_EQ(o[TextIndex(o, "Revised January 27, 2007", page2)].y1, 100 + 15 * 100);

  // Ruled lines from 1800 down, 150 apart, while they stay above the bottom margin.
  std::vector<int> ruled;
  for (size_t i = TextIndex(o, "Revised", page2) + 1; i + 1 < o.size(); i += 2) {
    ASSERT_EQ(o[i].kind, K::MoveTo);
    ASSERT_EQ(o[i + 1].kind, K::LineTo);
    EXPECT_EQ(o[i].x1, 60);
    EXPECT_EQ(o[i + 1].x1, 1940);
    EXPECT_EQ(o[i].y1, o[i + 1].y1);
    ruled.push_back(o[i].y1);
  }
  ASSERT_FALSE(ruled.empty());
  EXPECT_EQ(ruled.front(), 1800);
  EXPECT_EQ(ruled.back(), 5850);  // at 6000 - 150, not past it: one more line
  EXPECT_EQ(ruled.size(), 28u);
}

TEST_F(PageBreak, APageTooShortForALineStepStillEnds) {
  DesignRecord rec = FooterAtThreeQuarters();
  rec.TableHeight = 0.1f;                                // 120 pixels per foot
  sink = std::make_unique<RecordingPageSink>(2000, 50);  // lineStep 0
  const PrintedPlansResult result =
      PrintPlans(rec, *sink, PlanContext{"Adult Standard Size Table", {}, {}, &clock});
  ASSERT_EQ(result.pages, 2);
  EXPECT_TRUE(sink->Ended());
  EXPECT_EQ(sink->Recording().Ops().back().kind, K::LineTo);  // one ruled line
}

}  // namespace
}  // namespace varnloft
