#pragma once
// The bolt positions: four circles in the end view where the legs cross the supports, and four
// thin bars through both members of each frame band in the side view.
#include "design/design_record.h"
#include "drawing/figure_layout.h"
#include "platform/canvas.h"

namespace varnloft {

void DrawBoltMarks(const DesignRecord& rec, Canvas& canvas, const FigureLayout& layout);

}  // namespace varnloft
