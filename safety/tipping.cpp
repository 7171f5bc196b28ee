#include "safety/tipping.h"

#include <cmath>

#include "safety/model_parts.h"

namespace varnloft {

namespace {

// Twice the signed area of (a, b, p): positive when p lies left of a→b, inside a
// counter-clockwise polygon.
double Side(const Vec2& a, const Vec2& b, const Vec2& p) {
  return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
}

void SeatCases(const Box3& seat, bool front, const char* name, std::vector<LoadCase>& out) {
  const double y = front ? seat.min.y + kLoadInsetM : seat.max.y - kLoadInsetM;
  const double z = seat.max.z;
  const std::string prefix = std::string(name) + ", ";
  out.push_back({prefix + "middle of the outer edge", {(seat.min.x + seat.max.x) / 2, y, z}});
  out.push_back({prefix + "left end of the outer edge", {seat.min.x + kLoadInsetM, y, z}});
  out.push_back({prefix + "right end of the outer edge", {seat.max.x - kLoadInsetM, y, z}});
}

}  // namespace

std::vector<LoadCase> TippingLoadCases(const TableModel& model) {
  std::vector<LoadCase> out;
  const Box3 top = BoxOf(model, {"Table Top", "End Cap"});
  if (top.Empty()) return out;
  Box3 frontSeat, backSeat;
  const double middle = top.Centre().y;
  for (const ModelPiece* p : PiecesOf(model, "Seat")) {
    const Box3 box = PieceBox(*p);
    (box.Centre().y < middle ? frontSeat : backSeat).Add(box);
  }
  if (frontSeat.Empty() || backSeat.Empty()) return out;
  SeatCases(frontSeat, true, "front seat", out);
  SeatCases(backSeat, false, "back seat", out);
  const double z = top.max.z;
  const double left = top.min.x + kLoadInsetM, right = top.max.x - kLoadInsetM;
  const double front = top.min.y + kLoadInsetM, back = top.max.y - kLoadInsetM;
  out.push_back({"table top, front edge, left end", {left, front, z}});
  out.push_back({"table top, front edge, right end", {right, front, z}});
  out.push_back({"table top, back edge, left end", {left, back, z}});
  out.push_back({"table top, back edge, right end", {right, back, z}});
  return out;
}

TippingCase CheckTipping(const LoadCase& load, double personForceN, double tableWeightN,
                         const Vec2& centreOfMass, const std::vector<Vec2>& footprint) {
  TippingCase result;
  result.name = load.name;
  result.point = load.point;
  result.forceN = personForceN;
  const Vec2 q{load.point.x, load.point.y};
  const size_t n = footprint.size();
  // The edge the segment from the centre of mass to the load leaves the footprint by: of the
  // edges the load lies beyond, the one crossed first.
  double firstCrossing = HUGE_VAL;
  size_t exitEdge = n;
  for (size_t i = 0; i < n; ++i) {
    const Vec2& a = footprint[i];
    const Vec2& b = footprint[(i + 1) % n];
    const double sideC = Side(a, b, centreOfMass);
    const double sideQ = Side(a, b, q);
    if (sideC < 0) {  // the table cannot stand on its own
      result.tippingForceN = 0;
      result.ok = false;
      return result;
    }
    if (sideQ >= 0) continue;
    const double t = sideC / (sideC - sideQ);
    if (t < firstCrossing) {
      firstCrossing = t;
      exitEdge = i;
    }
  }
  if (exitEdge == n) return result;  // inside: no one standing there can tip it
  const Vec2& a = footprint[exitEdge];
  const Vec2& b = footprint[(exitEdge + 1) % n];
  // The two distances share the edge's length as divisor, so their ratio is that of the sides.
  const double force = tableWeightN * Side(a, b, centreOfMass) / -Side(a, b, q);
  result.tippingForceN = force;
  result.edge = std::make_pair(a, b);
  result.ok = personForceN < force;
  return result;
}

}  // namespace varnloft
