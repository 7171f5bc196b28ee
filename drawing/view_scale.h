#pragma once
// Fitting a whole-number drawing scale (pixels per foot) so that the two views fit across.

namespace varnloft {

// The scale that lets `feetAcross` feet fill `fraction` of `pixels`: floor(pixels / feet *
// fraction). The caller makes sure `feet` is positive and finite.
double FirstScaleEstimate(double pixels, double feet, double fraction);

// The views need leadPixels + feetAcross * s + trailPixels pixels across. When that is greater
// than `limit` at the first estimate, the scale steps down one pixel per foot at a time until it
// is strictly less; a first estimate exactly at the limit stands. The result is found directly
// (a first estimate can be near 10^11 for a tiny table), and the step-down ends at 0 at the
// latest, also where no smaller scale would help.
double StepDownScale(double firstEstimate, double leadPixels, double feetAcross, double trailPixels,
                     double limit);

}  // namespace varnloft
