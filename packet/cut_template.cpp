#include "packet/cut_template.h"

#include <algorithm>

#include "packet/text_wrap.h"
#include "plans/member_texts.h"

namespace varnloft {

namespace {

constexpr Rgb kGrey{140, 140, 140};
constexpr int kLabelPoints = 9;

}  // namespace

Figure CutTemplateFigure(const AngledCut& cut, const TemplatePaper& paper, bool upright) {
  const double dpi = paper.dotsPerInch;
  const double pad = 0.1 * dpi;
  const double w = cut.width * paper.pixelsPerFoot;   // across the board
  const double o = cut.offset * paper.pixelsPerFoot;  // along the edge, under the cut
  const double stub = paper.imperial ? 2 * dpi : 50 / 25.4 * dpi;
  const double length = stub + o;  // of the top edge, to the cut's top corner
  const int edgePen = std::max(1, static_cast<int>(dpi / 72.0 * 0.75));
  const int cutPen = std::max(1, static_cast<int>(dpi / 72.0 * 1.5));
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

  // The waste between the cut and the square line, labelled where the label fits inside it: the
  // label's box must stay right of the cut (along the board) and within the board.
  const double lineStep = kLabelPoints * 1.4 / 72 * dpi;
  const std::string angle = AngleText(cut.angle) + "\xC2\xB0";
  const double textAlong = EstimatedTextWidth("waste " + angle, kLabelPoints) / 72 * dpi;
  const double textAcross = lineStep;
  const double along = upright ? textAcross : textAlong;   // the label's extent along u
  const double across = upright ? textAlong : textAcross;  // and across v
  const double gap = 0.05 * dpi;
  const double v0 = w - across - gap;  // the label's edge nearest the top edge
  const double u0 = length - along - gap;
  if (v0 > 0 && w > 0 && u0 >= length - o * v0 / w + gap) {
    // In page terms the text box runs right and down from its corner.
    const double cornerX = upright ? x(u0, w - gap) : x(u0, v0);
    const double cornerY = y(u0, v0);
    f.Text(cornerX, cornerY, "waste " + angle, kLabelPoints, kGrey);
  }
  return f;
}

}  // namespace varnloft
