#include "drawing/support_views.h"

#include "drawing/end_frame.h"
#include "drawing/side_view.h"

namespace varnloft {

void DrawExteriorSupportViews(const DesignRecord& rec, Canvas& canvas, const FigureLayout& layout) {
  DrawEndFrame(rec, canvas, layout, SupportSide::Exterior);
  DrawSideView(rec, canvas, layout, SupportSide::Exterior);
}

void DrawInteriorSupportViews(const DesignRecord& rec, Canvas& canvas, const FigureLayout& layout) {
  DrawEndFrame(rec, canvas, layout, SupportSide::Interior);
  DrawSideView(rec, canvas, layout, SupportSide::Interior);
}

}  // namespace varnloft
