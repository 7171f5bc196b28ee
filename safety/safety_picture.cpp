// Draws the two views to one scale, each fitted into half the canvas below its caption: the side
// view looks along y (x to the right), the end view along x (y to the right); z is up in both.
#include "safety/safety_picture.h"

#include <algorithm>
#include <cmath>

#include "safety/model_parts.h"

namespace varnloft {

namespace {

constexpr Rgb kPieceColour{120, 120, 120};
constexpr Rgb kFootprintColour{0, 128, 0};
constexpr Rgb kCentreColour{0, 0, 192};
constexpr Rgb kFailColour{200, 0, 0};
constexpr double kMargin = 30, kCaptionHeight = 30;

// One view: which model axis runs to the right, and where the view's origin lands.
struct View {
  bool alongX;  // side view: x to the right; end view: y
  double left, floorY, scale, minAcross;
  double X(const Vec3& p) const { return left + ((alongX ? p.x : p.y) - minAcross) * scale; }
  double X(const Vec2& p) const { return left + ((alongX ? p.x : p.y) - minAcross) * scale; }
  double Y(double z) const { return floorY - z * scale; }
};

void DrawView(const View& v, const TableModel& model, const SafetyCheck& c, Canvas& canvas) {
  canvas.SetPenWidth(1);
  canvas.SetPenColor(kPieceColour);
  for (const ModelPiece& piece : model.pieces) {
    const Box3 b = PieceBox(piece);
    if (b.Empty()) continue;
    const double x1 = v.X(b.min), x2 = v.X(b.max);
    canvas.MoveTo(x1, v.Y(b.min.z));
    canvas.LineTo(x2, v.Y(b.min.z));
    canvas.LineTo(x2, v.Y(b.max.z));
    canvas.LineTo(x1, v.Y(b.max.z));
    canvas.LineTo(x1, v.Y(b.min.z));
  }
  // The footprint's extent on the floor.
  if (!c.footprint.empty()) {
    double lo = HUGE_VAL, hi = -HUGE_VAL;
    for (const Vec2& p : c.footprint) lo = std::min(lo, v.X(p)), hi = std::max(hi, v.X(p));
    canvas.SetPenColor(kFootprintColour);
    canvas.SetPenWidth(4);
    canvas.MoveTo(lo, v.Y(0));
    canvas.LineTo(hi, v.Y(0));
  }
  // The centre of mass: a ring with a cross.
  canvas.SetPenWidth(2);
  canvas.SetPenColor(kCentreColour);
  const double cx = v.X(c.centreOfMass), cy = v.Y(c.centreOfMass.z);
  canvas.Ellipse(cx - 6, cy - 6, cx + 7, cy + 7);
  canvas.MoveTo(cx - 9, cy);
  canvas.LineTo(cx + 10, cy);
  canvas.MoveTo(cx, cy - 9);
  canvas.LineTo(cx, cy + 10);
  // The load points: a dot each, the failing ones red with a cross.
  for (const TippingCase& t : c.stability) {
    const double x = v.X(t.point), y = v.Y(t.point.z);
    const Rgb colour = t.ok ? kFootprintColour : kFailColour;
    canvas.FillPolygon({{x - 4, y - 4}, {x + 4, y - 4}, {x + 4, y + 4}, {x - 4, y + 4}}, colour);
    if (!t.ok) {
      canvas.SetPenColor(kFailColour);
      canvas.MoveTo(x - 8, y - 8);
      canvas.LineTo(x + 9, y + 9);
      canvas.MoveTo(x - 8, y + 8);
      canvas.LineTo(x + 9, y - 9);
    }
  }
}

}  // namespace

void DrawSafetyPicture(const TableModel& model, const SafetyCheck& c, Canvas& canvas) {
  const double w = canvas.Width(), h = canvas.Height();
  canvas.SetPenColor(kWhite);
  canvas.FillPolygon({{0, 0}, {w, 0}, {w, h}, {0, h}}, kWhite);
  canvas.SetFontName("Arial");
  canvas.SetFontSize(10);
  canvas.SetFontColor(kBlack);
  Box3 all;
  for (const ModelPiece& piece : model.pieces) {
    const Box3 b = PieceBox(piece);
    if (!b.Empty()) all.Add(b.min), all.Add(b.max);
  }
  if (!c.cannotCheck.empty() || all.Empty()) {
    canvas.TextOut(kMargin, kMargin, c.cannotCheck.empty() ? "No table to draw." : c.cannotCheck);
    return;
  }
  // One scale for both views: each gets half the width, both the same height.
  const double panel = w / 2 - 2 * kMargin, tall = h - kCaptionHeight - 2 * kMargin;
  const double lengthM = all.max.x - all.min.x, widthM = all.max.y - all.min.y;
  const double heightM = std::max(all.max.z, 1e-3);
  const double scale = std::max(1e-9, std::min({panel / std::max(lengthM, 1e-3),
                                                panel / std::max(widthM, 1e-3), tall / heightM}));
  // The views stand on one floor line, centred in the height left below the captions.
  const double floorY = kCaptionHeight + kMargin + (tall + heightM * scale) / 2;
  const View side{true, kMargin + (panel - lengthM * scale) / 2, floorY, scale, all.min.x};
  const View end{false, w / 2 + kMargin + (panel - widthM * scale) / 2, floorY, scale, all.min.y};
  canvas.TextOut(kMargin, 8, "Side view");
  canvas.TextOut(w / 2 + kMargin, 8, "End view");
  canvas.TextOut(kMargin, 26,
                 "Green: the footprint and the load points that hold; red X: a load point that "
                 "tips the table; blue: the centre of mass.");
  DrawView(side, model, c, canvas);
  DrawView(end, model, c, canvas);
}

}  // namespace varnloft
