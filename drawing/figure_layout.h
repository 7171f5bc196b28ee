#pragma once
// The layout values a caller sets before it draws the table figures. The design view, the plan
// sheet and the printed plans draw the same figures; everything in which they differ is here.
#include "platform/canvas.h"

namespace varnloft {

// A font size of this value leaves the canvas's current size alone.
inline constexpr int kKeepFontSize = 0;

struct FigureLayout {
  double viewLeft = 0;       // pixel x of the end view's origin (outer edge of the left seat)
  double viewTop = 0;        // pixel y of the top of the table top, in both views
  double dimStep = 0;        // spacing unit of the dimension lines and their labels, pixels
  double pixelsPerFoot = 0;  // drawing scale, a whole number
  double sideViewLeft = 0;   // pixel x of the left end of the table top in the side view
  // Pixel x the table-height dimension is measured from; the design view uses sideViewLeft,
  // the plan sheet a position one dimension step further left.
  double heightDimensionLeft = 0;
  double boltRadius = 1.0 / 24;  // feet; the bolt circles of the end view

  // The table-top width label is written in widthLabelFontSize; afterwards the canvas is set to
  // textFontSize for every later text. kKeepFontSize skips the change.
  int widthLabelFontSize = 9;
  int textFontSize = 10;

  // False on the printer, which keeps its own black for everything.
  bool setsColours = true;
  Rgb penColour = kNavy;
};

}  // namespace varnloft
