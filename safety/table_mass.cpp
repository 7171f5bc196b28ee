#include "safety/table_mass.h"

#include <cmath>

#include "safety/model_parts.h"

namespace varnloft {

std::optional<TableMass> TableMassOf(const TableModel& model, double densityKgPerM3) {
  if (!(std::isfinite(densityKgPerM3) && densityKgPerM3 > 0)) return std::nullopt;
  double volume = 0;
  Vec3 moment;
  for (const ModelPiece& piece : model.pieces) {
    const double v = PieceVolume(piece);
    volume += v;
    moment += PieceCentroid(piece) * v;
  }
  if (!(std::isfinite(volume) && volume > 0)) return std::nullopt;
  TableMass mass{volume * densityKgPerM3, moment / volume};
  if (!std::isfinite(mass.massKg) || !AllFinite(mass.centreOfMass)) return std::nullopt;
  return mass;
}

}  // namespace varnloft
