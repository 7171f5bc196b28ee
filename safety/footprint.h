#pragma once
// The table's footprint: the convex hull of where it stands on the floor. The contacts are the
// pieces' faces that face down at the model's lowest level (the feet of the legs, whole faces,
// so that a splayed leg's foot counts with its full width and depth).
#include <vector>

#include "model3d/table_model.h"
#include "model3d/vec.h"

namespace varnloft {

// The corners of every face lying on the floor, in metres (x, y).
std::vector<Vec2> FloorContactPoints(const TableModel& model);

// The convex hull counter-clockwise, without repeated or collinear points; fewer than three
// points when the points do not enclose an area.
std::vector<Vec2> ConvexHull(std::vector<Vec2> points);

// The table's footprint in metres, counter-clockwise.
std::vector<Vec2> Footprint(const TableModel& model);

}  // namespace varnloft
