#include "model3d/table_model.h"

namespace varnloft {

std::vector<Vec3> ExplodeOffsets(const TableModel& model, double factor) {
  std::vector<Vec3> offsets(model.pieces.size());
  if (factor == 0) return offsets;
  const Vec3 centre = model.Bounds().Centre();
  for (size_t i = 0; i < offsets.size(); ++i)
    offsets[i] = (MeshBounds(model.pieces[i].mesh).Centre() - centre) * factor;
  return offsets;
}

Box3 ExplodedBounds(const TableModel& model, double factor) {
  const std::vector<Vec3> offsets = ExplodeOffsets(model, factor);
  Box3 box;
  for (size_t i = 0; i < offsets.size(); ++i) {
    const Box3 b = MeshBounds(model.pieces[i].mesh);
    box.Add(b.min + offsets[i]);
    box.Add(b.max + offsets[i]);
  }
  return box;
}

}  // namespace varnloft
