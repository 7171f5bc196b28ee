#pragma once
// The layout values a caller sets before it draws the table figures. The design view, the plan
// sheet and the printed plans draw the same figures; everything in which they differ is here.
#include "platform/canvas.h"

namespace varnloft {

// A font size of this value leaves the canvas's current size alone.
inline constexpr int kKeepFontSize = 0;

struct FigureLayout {
  double ViewLeft = 0;       // pixel x of the end view's origin (outer edge of the left seat)
  double ViewTop = 0;        // pixel y of the top of the table top, in both views
  double DimStep = 0;        // spacing unit of the dimension lines and their labels, pixels
  double PixelsPerFoot = 0;  // drawing scale, a whole number
  double SideViewLeft = 0;   // pixel x of the left end of the table top in the side view
  // Pixel x the table-height dimension is measured from; the design view uses SideViewLeft,
  // the plan sheet a position one dimension step further left.
  double HeightDimensionLeft = 0;
  double BoltRadius = 1.0 / 24;  // feet; the bolt circles of the end view

  // The table-top width label is written in WidthLabelFontSize; afterwards the canvas is set to
  // TextFontSize for every later text. kKeepFontSize skips the change.
  int WidthLabelFontSize = 9;
  int TextFontSize = 10;

  // False on the printer, which keeps its own black for everything.
  bool SetsColours = true;
  Rgb PenColour = kNavy;
};

}  // namespace varnloft
