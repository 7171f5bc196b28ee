#pragma once
// Flat outlines of pieces: area, orientation, convexity, crossing edges, and the split of an
// outline into convex parts (the parts the fit check and the renderer work with).
#include <array>
#include <vector>

#include "model3d/vec.h"

namespace varnloft {

using Outline = std::vector<Vec2>;

// Positive when the vertices run counter-clockwise.
double SignedArea(const Outline& outline);

// True when no two edges that are not neighbours meet and no edge has zero length.
bool IsSimple(const Outline& outline);

// True for a counter-clockwise or clockwise convex outline; straight corners are allowed.
bool IsConvex(const Outline& outline);

// The outline with its vertices counter-clockwise.
Outline CounterClockwise(Outline outline);

// Triangles (vertex indices into a counter-clockwise simple outline) by ear clipping; empty
// when the outline is not simple.
std::vector<std::array<int, 3>> Triangulate(const Outline& outline);

// The outline itself when it is convex, otherwise its triangles; each part counter-clockwise.
std::vector<Outline> ConvexParts(const Outline& outline);

}  // namespace varnloft
