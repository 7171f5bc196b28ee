#include "drawing/view_scale.h"

#include <cmath>

namespace varnloft {

double FirstScaleEstimate(double pixels, double feet, double fraction) {
  return std::floor(pixels / feet * fraction);
}

double StepDownScale(double firstEstimate, double leadPixels, double feetAcross, double trailPixels,
                     double limit) {
  auto needed = [&](double s) { return leadPixels + feetAcross * s + trailPixels; };
  if (!(needed(firstEstimate) > limit)) return firstEstimate;
  // With nothing across, or a negative width, a smaller scale never narrows the views.
  if (!(feetAcross > 0)) return 0;
  if (!(needed(0) < limit)) return 0;

  // needed grows with s, so the scales that fit form a run from 0 upwards; the step-down stops
  // at the largest of them. Invariant: needed(fits) < limit, needed(tooWide) >= limit.
  double fits = 0, tooWide = firstEstimate;
  while (tooWide - fits > 1) {
    const double middle = std::floor(fits + (tooWide - fits) / 2);
    if (middle <= fits || middle >= tooWide) break;  // beyond whole-number precision
    if (needed(middle) < limit) {
      fits = middle;
    } else {
      tooWide = middle;
    }
  }
  return fits;
}

}  // namespace varnloft
