#pragma once
// The exploded assembly picture of the build packet: every piece drawn on the canvas as filled,
// shaded faces with darker edges (a vector drawing, so it prints sharp), moved apart from the
// table's centre, and labelled with its name in a column at either side, a leader line pointing
// at the piece.
#include <string>
#include <vector>

#include "model3d/table_model.h"
#include "platform/canvas.h"

namespace varnloft {

// Where the picture goes on the canvas, in canvas pixels.
struct PictureFrame {
  double left = 0, top = 0, width = 0, height = 0;
};

struct AssemblyPictureOptions {
  double explode = 0.6;                  // see ExplodeOffsets
  double azimuth = -35, elevation = 25;  // degrees, as the 3D view's camera
  int dotsPerInch = 96;                  // of the canvas: sizes the labels and the lines
  int fontSize = 8;                      // points
  std::string fontName = "Arial";
  std::vector<int> marked;  // pieces drawn in red (a failed fit check)
};

// Draws the picture inside `frame`. A model without pieces gets its notes written there
// instead (after a failed calculation: that there is no table to show).
void DrawAssemblyPicture(const TableModel& model, Canvas& canvas, const PictureFrame& frame,
                         const AssemblyPictureOptions& options = {});

}  // namespace varnloft
