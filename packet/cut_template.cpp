#include "packet/cut_template.h"

#include <algorithm>

#include "packet/text_wrap.h"
#include "plans/member_texts.h"

namespace varnloft {

namespace {

constexpr Rgb kGrey{150, 150, 150};
constexpr int kLabelPoints = 9;
constexpr int kSmallPoints = 7;

}  // namespace

Figure CutTemplateFigure(const AngledCut& cut, const TemplatePaper& paper, bool upright) {
  const double dpi = paper.dotsPerInch;
  const double pad = 0.1 * dpi;
  const double w = cut.width * paper.pixelsPerFoot;   // across the board
  const double o = cut.offset * paper.pixelsPerFoot;  // along the edge, under the cut
  const double stub = paper.imperial ? 2 * dpi : 50 / 25.4 * dpi;
  const double length = stub + o;  // of the top edge, to the cut's top corner
  const int edgePen = std::max(1, static_cast<int>(dpi / 72.0));
  const int cutPen = std::max(1, static_cast<int>(dpi / 72.0 * 2));
  const int thinPen = std::max(1, static_cast<int>(dpi / 72.0 * 0.5));

  Figure f;
  // u runs along the board towards the cut, v across it from the top edge.
  auto x = [&](double u, double v) { return upright ? pad + (w - v) : pad + u; };
  auto y = [&](double u, double v) { return upright ? pad + u : pad + v; };
  auto line = [&](double u1, double v1, double u2, double v2, int pen, Rgb colour) {
    f.Line(x(u1, v1), y(u1, v1), x(u2, v2), y(u2, v2), pen, colour);
  };
  f.width = 2 * pad + (upright ? w : length);
  f.height = 2 * pad + (upright ? length : w);

  line(0, 0, 0, w, thinPen, kGrey);            // where the template ends along the board
  line(length, 0, length, w, thinPen, kGrey);  // square across, for reference
  line(0, 0, length, 0, edgePen, kBlack);      // the long edge
  line(0, w, stub, w, edgePen, kBlack);        // the short edge
  line(stub, w, length, w, thinPen, kGrey);    // the same edge under the waste
  line(length, 0, stub, w, cutPen, kBlack);    // the cut

  // Labels, each a text box whose extent along the board and across it depends on the turn;
  // in page terms a text runs right and down from its corner.
  const double gap = 0.05 * dpi;
  struct Box {
    double along, across;
  };
  auto box = [&](const std::string& text, int points) {
    const double wide = EstimatedTextWidth(text, points) / 72 * dpi;
    const double high = points * 1.4 / 72 * dpi;
    return upright ? Box{high, wide} : Box{wide, high};
  };
  // The box spans u0 .. u0 + along and v0 .. v0 + across.
  auto label = [&](const std::string& text, int points, Rgb colour, double u0, double v0) {
    const Box b = box(text, points);
    f.Text(upright ? x(u0, v0 + b.across) : x(u0, v0), y(u0, v0), text, points, colour);
  };

  // Inside the piece, left of the cut: what each line is, where there is room.
  const std::string edge = "edge of the board";
  const Box e = box(edge, kSmallPoints), p = box("piece", kLabelPoints);
  if (e.along + 3 * gap <= stub && 2 * e.across + p.across + 4 * gap <= w) {
    label(edge, kSmallPoints, kBlack, 2 * gap, gap);
    label(edge, kSmallPoints, kBlack, 2 * gap, w - e.across - gap);
    label("piece", kLabelPoints, kBlack, 2 * gap, (w - p.across) / 2);
  }

  // The waste between the cut and the square line, labelled where the label fits inside it: the
  // label's box must stay right of the cut (along the board) and within the board.
  const std::string waste = "waste " + AngleText(cut.angle) + "\xC2\xB0";
  const Box t = box(waste, kLabelPoints);
  const double v0 = w - t.across - gap;  // the label's edge nearest the top edge
  const double u0 = length - t.along - gap;
  if (v0 > 0 && w > 0 && u0 >= length - o * v0 / w + gap) label(waste, kLabelPoints, kGrey, u0, v0);
  return f;
}

}  // namespace varnloft
