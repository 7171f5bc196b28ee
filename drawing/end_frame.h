#pragma once
// The end frame seen from the end of the table: deck underside, the two legs, the outer support
// under the deck and the seat support under the seats. Exterior supports lie in front of the
// legs and are drawn whole; interior supports show only beside and between the legs.
#include "design/design_record.h"
#include "drawing/figure_layout.h"
#include "drawing/support_side.h"
#include "platform/canvas.h"

namespace varnloft {

void DrawEndFrame(const DesignRecord& rec, Canvas& canvas, const FigureLayout& layout,
                  SupportSide side);

// The variant of the record's SupportsExterior flag.
inline void DrawEndFrame(const DesignRecord& rec, Canvas& canvas, const FigureLayout& layout) {
  DrawEndFrame(rec, canvas, layout, SupportSideOf(rec));
}

}  // namespace varnloft
