#pragma once
// The order in which to paint the pieces of a picture drawn without a depth buffer (the
// assembly picture on the canvas): farther pieces first, so that nearer ones cover them. Two
// pieces whose pictures overlap are ordered by a plane between them, found among their faces'
// planes: the piece on the camera's side of it is nearer. That holds for long boards beside
// short blocks, where comparing the pieces' centres fails; pieces that touch or pass through
// each other have no such plane and fall back to their centres' depths.
#include <vector>

#include "model3d/orbit_camera.h"
#include "model3d/table_model.h"

namespace varnloft {

// Piece indices, farthest first. `offsets` moves each piece (the explode offsets).
std::vector<int> PaintingOrder(const TableModel& model, const std::vector<Vec3>& offsets,
                               const ViewTransform& view);

}  // namespace varnloft
