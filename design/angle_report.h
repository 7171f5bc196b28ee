#pragma once
// The one-page summary of the design's two saw angles: the angles, a sketch of a board end cut
// at each, and the rafter-square settings for checking each cut. Drawn into the picture of the
// Illustrations window's "Two Angles Only" page (518 x 237 at its design size).
#include "design/design_record.h"
#include "platform/canvas.h"

namespace varnloft {

// Redraws the whole picture (the canvas's Width() x Height()) from BraceAngle and LegAngle.
void DrawAngleReport(const DesignRecord& rec, Canvas& canvas);

}  // namespace varnloft
