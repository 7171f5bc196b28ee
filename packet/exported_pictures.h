#pragma once
// The single pictures File > Export writes (and the driver's --export-svg): each is the size of
// the picture the program shows and is drawn by the same drawing function, so a file holds
// exactly what the window holds.
#include <functional>
#include <string>

#include "design/design_record.h"
#include "materials/materials.h"
#include "plans/plan_context.h"
#include "plans/plan_values.h"
#include "platform/canvas.h"

namespace varnloft {

struct ExportedPicture {
  int width = 1, height = 1;  // pixels
  std::string title;
  std::function<void(Canvas&)> draw;
};

// The plan sheet, 681 x 1014, as the Plans button draws it (it refuses after a failed
// calculation, as the sheet does); once drawn, the values it shows go to `shown` when given.
// `rec` and `shown` must outlive the picture.
ExportedPicture PlanSheetPicture(const DesignRecord& rec, const PlanContext& context,
                                 PlanValues* shown = nullptr);

// The main window's design view in its picture of width x height, for a main window of the given
// outer size.
ExportedPicture DesignViewPicture(const DesignRecord& rec, int width, int height,
                                  int mainWindowWidth, int mainWindowHeight);

// The cutting diagram of every board, `width` pixels wide and as tall as its boards need.
// `materials` must outlive the picture.
ExportedPicture CuttingDiagramPicture(const Materials& materials, int width);

// The width the materials diagrams are exported at when no window gives one.
inline constexpr int kCuttingDiagramExportWidth = 1000;

}  // namespace varnloft
