#include "design/angle_report.h"

#include <algorithm>
#include <string>

#include "measure/angles.h"
#include "measure/number_text.h"

namespace varnloft {

namespace {

constexpr double kSketchScale = 12;  // pixels per unit; the sketch is 10 x 3.5 units
constexpr double kSketchLength = 10;
constexpr double kSketchDepth = 3.5;
// How far the foot of a cut may lie from the sketch. Near 90 degrees the true foot is millions
// of pixels away, beyond what a canvas takes; no picture shows that far, so holding the foot
// there draws the same picture and the report still appears.
constexpr double kFarthestFoot = 1e6;

std::string AngleNumber(float degrees) {
  return FixedText(degrees, 1, 3) + "\xC2\xB0";
}

// A board end seen flat: top edge, the end cut at `degrees` from square, bottom edge; the left
// end stays open.
void DrawCutSketch(Canvas& canvas, double left, double top, float degrees) {
  const double cut = TanDeg(degrees) * kSketchDepth;
  const double footX = std::clamp(left + (kSketchLength - cut) * kSketchScale, left - kFarthestFoot,
                                  left + kFarthestFoot);
  canvas.MoveTo(left, top);
  canvas.LineTo(left + kSketchLength * kSketchScale, top);
  canvas.LineTo(footX, top + kSketchDepth * kSketchScale);
  canvas.LineTo(left, top + kSketchDepth * kSketchScale);
}

// The rise over runs of 12, 16 and 24 inches that a rafter square checks the cut with.
void WriteSquareSettings(const DesignRecord& rec, Canvas& canvas, double x, double y,
                         double lineStep, float degrees) {
  const double tangent = TanDeg(degrees);
  canvas.TextOut(x, y, "Rafter Square Settings are:");
  canvas.TextOut(x, y + lineStep,
                 rec.FormatLength(static_cast<float>(tangent * 1.0)) + " on " +
                     rec.FormatLength(1.0f) + " or");
  canvas.TextOut(x, y + 2 * lineStep,
                 rec.FormatLength(static_cast<float>(tangent * 4 / 3)) + " on " +
                     rec.FormatLength(1.3333334f) + " or");
  canvas.TextOut(
      x, y + 3 * lineStep,
      rec.FormatLength(static_cast<float>(tangent * 2.0)) + " on " + rec.FormatLength(2.0f));
}

}  // namespace

void DrawAngleReport(const DesignRecord& rec, Canvas& canvas) {
  const double width = canvas.Width(), height = canvas.Height();
  const double lineStep = height / 12;
  const double leftMargin = width * 0.025;
  const double halfWidth = width * 0.5;
  const double titleX = leftMargin + halfWidth * 0.55;
  double textY = lineStep * 0.5;

  // Wipes the previous report with whatever pen the canvas holds; the white brush fills it.
  canvas.Rectangle(0, 0, width, height);
  canvas.SetPenWidth(1);
  canvas.SetPenColor(kNavy);
  canvas.SetFontColor(kNavy);
  canvas.SetFontName("Arial");
  canvas.SetFontSize(10);

  canvas.TextOut(titleX, textY, "This design uses two angles.");
  canvas.TextOut(leftMargin, textY + 1.5 * lineStep,
                 "Brace angle cut is " + AngleNumber(rec.BraceAngle));
  canvas.TextOut(halfWidth + leftMargin, textY + 1.5 * lineStep,
                 "All other cuts are " + AngleNumber(rec.LegAngle));
  textY += 2 * lineStep;

  // Two dividers: the brace half on the left, the leg half on the right.
  for (double x : {halfWidth - 0.1 * lineStep, halfWidth + 0.1 * lineStep}) {
    canvas.MoveTo(x, textY - lineStep);
    canvas.LineTo(x, height - 0.5 * lineStep);
  }
  textY += lineStep;

  DrawCutSketch(canvas, leftMargin, textY, rec.BraceAngle);
  DrawCutSketch(canvas, halfWidth + leftMargin, textY, rec.LegAngle);
  textY += kSketchDepth * kSketchScale + lineStep;

  WriteSquareSettings(rec, canvas, leftMargin, textY, lineStep, rec.BraceAngle);
  WriteSquareSettings(rec, canvas, halfWidth + leftMargin, textY, lineStep, rec.LegAngle);
}

}  // namespace varnloft
