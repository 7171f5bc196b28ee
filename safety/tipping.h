#pragma once
// Whether one person tips the table over: the places a picnic table is tipped from in use (the
// seats' outer edges, the table top's corners), each taken alone with no one else at the table.
// A load outside the footprint turns the table about the footprint edge that the line from the
// centre of mass to the load leaves it by; the table tips when the load's moment about that edge
// reaches the table's own: force = weight × (centre of mass's distance to the edge) ÷ (the load's
// distance beyond it).
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model3d/table_model.h"
#include "model3d/vec.h"

namespace varnloft {

// How far in from the edges that meet there a person's load is placed.
inline constexpr double kLoadInsetM = 0.050;

struct LoadCase {
  std::string name;  // "front seat, middle of the outer edge"
  Vec3 point;        // metres, on the surface the person presses on
};

// The ten places: on each seat the middle and both ends of its outer edge, on the table top both
// ends of each long edge. Empty when the model has no seats or no table top.
std::vector<LoadCase> TippingLoadCases(const TableModel& model);

struct TippingCase {
  std::string name;
  Vec3 point;
  double forceN = 0;                          // the person's weight
  std::optional<double> tippingForceN;        // none when the load lies inside the footprint
  std::optional<std::pair<Vec2, Vec2>> edge;  // the edge the table would turn about
  bool ok = true;                             // the person does not tip it
};

// One case: `footprint` counter-clockwise with at least three corners, the weights in newtons.
// A centre of mass outside the footprint means the table cannot stand: tipping force 0, not ok.
TippingCase CheckTipping(const LoadCase& load, double personForceN, double tableWeightN,
                         const Vec2& centreOfMass, const std::vector<Vec2>& footprint);

}  // namespace varnloft
