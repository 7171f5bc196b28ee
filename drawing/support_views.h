#pragma once
// The end frame and the complete side view for one side of the supports, drawn one after the
// other. Callers that draw something between the two (the plan sheet's footprint dimension)
// call DrawEndFrame and DrawSideView themselves.
#include "design/design_record.h"
#include "drawing/figure_layout.h"
#include "platform/canvas.h"

namespace varnloft {

void DrawExteriorSupportViews(const DesignRecord& rec, Canvas& canvas, const FigureLayout& layout);
void DrawInteriorSupportViews(const DesignRecord& rec, Canvas& canvas, const FigureLayout& layout);

}  // namespace varnloft
