// Figures placed in parts: lines cut at a part's edges, texts and circles kept by their anchor;
// the window that moves a whole-canvas drawing onto part of a page; the plans' section sink.
#include "packet/figure.h"

#include <gtest/gtest.h>

#include "packet/canvas_window.h"
#include "packet/section_page_sink.h"
#include "packet/text_wrap.h"
#include "platform/recording_page_sink.h"
#include "tests/support/op_find.h"

namespace varnloft {
namespace {

using K = CanvasOp::Kind;

TEST(Figure, LinesAreCutAtThePartsEdges) {
  const FigureRect part{10, 10, 100, 50};
  double x1 = 0, y1 = 35, x2 = 200, y2 = 35;  // straight across
  ASSERT_TRUE(ClipLine(part, x1, y1, x2, y2));
  EXPECT_DOUBLE_EQ(x1, 10);
  EXPECT_DOUBLE_EQ(x2, 110);
  double a = 0, b = 0, c = 50, d = 100;  // a diagonal through the corner region
  ASSERT_TRUE(ClipLine(part, a, b, c, d));
  EXPECT_DOUBLE_EQ(a, 10);
  EXPECT_DOUBLE_EQ(b, 20);
  EXPECT_DOUBLE_EQ(c, 30);
  EXPECT_DOUBLE_EQ(d, 60);
  double e = 0, f = 0, g = 5, h = 200;  // wholly left of the part
  EXPECT_FALSE(ClipLine(part, e, f, g, h));
}

TEST(Figure, APartIsDrawnAtItsPlaceWithWhatLiesInIt) {
  Figure f;
  f.width = 300;
  f.height = 100;
  f.Line(0, 50, 300, 50, 3);
  f.circles.push_back({150, 50, 10, 1, kBlack});
  f.Text(20, 20, "left", 9);
  f.Text(250, 20, "right", 9);
  RecordingCanvas canvas(1000, 1000);
  DrawFigurePart(canvas, f, FigureRect{100, 0, 200, 100}, 500, 400);
  const auto& ops = canvas.Ops();
  EXPECT_EQ(testing::CountTexts(ops, "left"), 0);
  ASSERT_NE(testing::Text(ops, "right"), nullptr);
  EXPECT_EQ(testing::Text(ops, "right")->x1, 650);
  EXPECT_EQ(testing::Count(ops, K::Ellipse), 1);
  int firstEllipse = -1, firstLine = -1;
  for (int i = 0; i < static_cast<int>(ops.size()); ++i) {
    if (ops[i].kind == K::Ellipse && firstEllipse < 0) firstEllipse = i;
    if (ops[i].kind == K::LineTo && firstLine < 0) firstLine = i;
  }
  EXPECT_LT(firstEllipse, firstLine);  // the circle's white fill never hides a line
  ASSERT_GE(firstLine, 1);
  EXPECT_EQ(ops[firstLine - 1].x1, 500);  // cut at the part's left edge
  EXPECT_EQ(ops[firstLine].x1, 700);
  EXPECT_EQ(ops[firstLine].y1, 450);
}

TEST(CanvasWindow, MovesTheDrawingToItsCornerAndScalesThePen) {
  RecordingCanvas page(1000, 1000);
  CanvasWindow window(page, 100, 200, 300, 400, 3);
  EXPECT_EQ(window.Width(), 300);
  EXPECT_EQ(window.Height(), 400);
  window.SetPenWidth(2);
  window.Rectangle(0, 0, 300, 400);
  window.TextOut(5, 6, "x");
  const auto& ops = page.Ops();
  ASSERT_EQ(ops.size(), 3u);
  EXPECT_EQ(ops[0].size, 6);
  EXPECT_EQ(ops[1].x1, 100);
  EXPECT_EQ(ops[1].y2, 600);
  EXPECT_EQ(ops[2].x1, 105);
  EXPECT_EQ(ops[2].y1, 206);
}

TEST(SectionPageSink, ASectionStartsOnTheEmptyFirstPageOrOnANewOne) {
  RecordingPageSink document(100, 200);
  document.BeginDocument();
  SectionPageSink first(document, true);
  first.BeginDocument();
  EXPECT_EQ(document.Pages(), 1);
  first.NewPage();
  first.EndDocument();
  EXPECT_EQ(first.Pages(), 2);
  EXPECT_EQ(document.Pages(), 2);
  EXPECT_FALSE(document.Ended());
  SectionPageSink next(document, false);
  next.BeginDocument();
  EXPECT_EQ(document.Pages(), 3);
  EXPECT_EQ(next.PageWidth(), 100);
  EXPECT_EQ(&next.PageCanvas(), &document.PageCanvas());
}

TEST(TextWrap, LinesStayWithinTheEstimatedWidth) {
  const std::string text = "Cut each template out along its outline and lay it on the board.";
  const auto lines = WrapText(text, 100, 9);
  ASSERT_GT(lines.size(), 1u);
  std::string joined;
  for (const auto& l : lines) {
    EXPECT_LE(EstimatedTextWidth(l, 9), 100);
    joined += (joined.empty() ? "" : " ") + l;
  }
  EXPECT_EQ(joined, text);
  EXPECT_EQ(WrapText("Unbreakablewordlongerthanaline", 10, 9).size(), 1u);
  EXPECT_TRUE(WrapText("   ", 100, 9).empty());
  // The degree sign is one character, not two bytes.
  EXPECT_DOUBLE_EQ(EstimatedTextWidth("31.0\xC2\xB0", 10), EstimatedTextWidth("31.05", 10));
}

}  // namespace
}  // namespace varnloft
