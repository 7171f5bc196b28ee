#pragma once
// The table seen from its long side: height and length dimensions, table top, end-cap lines,
// seat, both end frames edge-on, the centre support and the two braces with their feet.
#include "design/design_record.h"
#include "drawing/figure_layout.h"
#include "drawing/support_side.h"
#include "platform/canvas.h"

namespace varnloft {

// Throws DivisionByZeroError when the brace angle is 0 (the braces divide by its tangent).
void DrawSideView(const DesignRecord& rec, Canvas& canvas, const FigureLayout& layout,
                  SupportSide side);

// The variant of the record's SupportsExterior flag.
inline void DrawSideView(const DesignRecord& rec, Canvas& canvas, const FigureLayout& layout) {
  DrawSideView(rec, canvas, layout, SupportSideOf(rec));
}

}  // namespace varnloft
