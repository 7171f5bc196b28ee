#pragma once
// The table's mass and centre of mass: every piece's volume times the wood's density, the
// centre being the volume-weighted mean of the pieces' centres (one wood throughout).
#include <optional>

#include "model3d/table_model.h"
#include "model3d/vec.h"

namespace varnloft {

struct TableMass {
  double massKg = 0;
  Vec3 centreOfMass;  // metres, in the model's frame
};

// Nothing when the model holds no wood or the density is not positive and finite.
std::optional<TableMass> TableMassOf(const TableModel& model, double densityKgPerM3);

}  // namespace varnloft
