#pragma once
// Every member to cut, one below the other, lying flat at the plan's scale: legs, outer
// supports, centre support, seat supports, braces, seats, table tops and (when the design has
// them) end caps, each with its outline, length dimensions, holes and caption.
#include "design/design_record.h"
#include "plans/plan_layout.h"
#include "plans/plan_style.h"
#include "platform/canvas.h"

namespace varnloft {

// Draws the blocks from layout.textY (the top of the legs' block) and leaves textY below the
// last block, where the footer starts. Texts sit on white boxes, so each
// block draws its parts in a fixed order.
void DrawMemberDetails(const DesignRecord& rec, Canvas& canvas, PlanLayout& layout,
                       const PlanStyle& style, FontSizer& fonts);

}  // namespace varnloft
