#pragma once
// Drawing into a render target with a depth test: filled convex polygons and one-pixel lines,
// both in screen coordinates with the depth as 1 / distance (larger is nearer), which varies
// linearly across the screen.
#include <cstdint>
#include <vector>

#include "model3d/render_target.h"

namespace varnloft {

struct ScreenPoint {
  double x, y;  // pixels, y down
  double inverseDepth;
};

// Fills the pixels whose centres lie inside the convex polygon and nearer than what is drawn.
void FillConvexPolygon(RenderTarget& target, const std::vector<ScreenPoint>& polygon,
                       std::uint32_t colour, std::uint16_t piece);

// Draws a line whose points pass the depth test with a small allowance, so that the edges of
// a visible face show over the face itself.
void DrawDepthLine(RenderTarget& target, const ScreenPoint& a, const ScreenPoint& b,
                   std::uint32_t colour, std::uint16_t piece);

}  // namespace varnloft
