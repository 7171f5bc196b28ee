#include "packet/exported_pictures.h"

#include <algorithm>
#include <cmath>

#include "drawing/design_view.h"
#include "materials/cutting_diagram.h"
#include "plans/plan_sheet.h"

namespace varnloft {

ExportedPicture PlanSheetPicture(const DesignRecord& rec, const PlanContext& context,
                                 PlanValues* shown) {
  ExportedPicture p;
  p.width = kPlanSheetWidth;
  p.height = kPlanSheetHeight;
  p.title = "Plan sheet";
  p.draw = [&rec, context, shown](Canvas& canvas) {
    const PlanSheetResult sheet = DrawPlanSheet(rec, canvas, context);
    if (shown) *shown = sheet.values;
  };
  return p;
}

ExportedPicture DesignViewPicture(const DesignRecord& rec, int width, int height,
                                  int mainWindowWidth, int mainWindowHeight) {
  ExportedPicture p;
  p.width = std::max(width, 1);
  p.height = std::max(height, 1);
  p.title = "Design view";
  p.draw = [&rec, mainWindowWidth, mainWindowHeight](Canvas& canvas) {
    DrawDesignView(rec, canvas, mainWindowWidth, mainWindowHeight);
  };
  return p;
}

ExportedPicture CuttingDiagramPicture(const Materials& materials, int width) {
  ExportedPicture p;
  p.width = std::max(width, 1);
  p.height = std::max(1, static_cast<int>(std::ceil(CuttingDiagramHeight(materials, p.width))));
  p.title = "Cutting diagrams";
  p.draw = [&materials](Canvas& canvas) { DrawCuttingDiagram(materials, canvas); };
  return p;
}

}  // namespace varnloft
