#pragma once
// Draws the table model into a render target with our own z-buffer: every piece flat-shaded in
// a wood colour under a light that follows the camera, its edges darker, pieces of a failed fit
// check in red, the assembly optionally exploded. No graphics card is needed.
#include <vector>

#include "model3d/orbit_camera.h"
#include "model3d/render_target.h"
#include "model3d/table_model.h"
#include "platform/canvas.h"

namespace varnloft {

inline constexpr Rgb kWoodColour{214, 170, 116};
inline constexpr Rgb kWoodEdgeColour{96, 64, 36};
inline constexpr Rgb kMarkedColour{220, 70, 52};
inline constexpr Rgb kMarkedEdgeColour{110, 24, 16};
inline constexpr Rgb kHighlightColour{240, 208, 150};
inline constexpr Rgb kBackgroundColour{236, 238, 240};

struct RenderOptions {
  double explode = 0;       // 0 = assembled; see ExplodeOffsets
  std::vector<int> marked;  // pieces drawn in red (the offending pieces of a fit check)
  int highlighted = -1;     // a piece drawn lighter (the one under the mouse)
  // When given, one colour a piece in the model's order, in place of the wood's (the marked
  // pieces stay red); the edges are drawn in a darker shade of it.
  std::vector<Rgb> colours;
  bool edges = true;
};

// Clears the target and draws the model as the camera sees it. The target keeps its size.
void RenderTable(const TableModel& model, const OrbitCamera& camera, const RenderOptions& options,
                 RenderTarget& target);

}  // namespace varnloft
