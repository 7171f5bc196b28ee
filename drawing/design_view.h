#pragma once
// The main window's picture of the designed table: the end view and the side view side by
// side with their dimensions, the lumber thickness and, when the upper legs overlap, a warning.
#include <string>

#include "design/design_record.h"
#include "drawing/figure_layout.h"
#include "platform/canvas.h"

namespace varnloft {

struct DesignViewLayout {
  FigureLayout figure;
  double firstPixelsPerFoot = 0;  // the scale before it was stepped down to fit the window
  std::string problem;            // why the table cannot be drawn; empty when it can
};

// The layout for a main window of the given outer size and a picture of the given height: the
// table height first takes 80% of the picture's height, then the scale steps down until both
// views fit across the window (the picture's width plays no part).
DesignViewLayout ComputeDesignViewLayout(const DesignRecord& rec, int pictureHeight,
                                         int windowWidth, int windowHeight);

// Redraws the whole picture (the canvas's Width() x Height()) from the record. A design that
// cannot be scaled gets a message in the picture instead of the figures. Throws
// DivisionByZeroError when the brace angle is 0, and ProgramError when a coordinate falls
// outside the canvas's range.
void DrawDesignView(const DesignRecord& rec, Canvas& canvas, int mainWindowWidth,
                    int mainWindowHeight);

}  // namespace varnloft
