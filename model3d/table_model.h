#pragma once
// The assembled table: every piece of the member list as a solid, placed where the end view and
// the side view put it. Feet, x along the table from the left end of the table top, y across it
// from the front edge of the front seat, z up from the floor.
#include <string>
#include <vector>

#include "model3d/outline2d.h"
#include "model3d/prism_mesh.h"
#include "model3d/vec.h"

namespace varnloft {

struct ModelPiece {
  std::string name;    // "Leg 1": the member and its number within the member
  std::string member;  // "Leg"
  Outline outline;     // the flat outline the member list gives
  double thickness = 0;
  double length = 0;  // the member's length as the plans give it
  double width = 0;   // and its width
  Placement placement;
  Mesh mesh;  // the placed solid
};

struct TableModel {
  std::vector<ModelPiece> pieces;
  // The sizes the design states, for the fit check's comparison with the model's box.
  double overallLength = 0, overallWidth = 0, tableHeight = 0;
  // Why pieces are missing or the model could not be built; empty when every piece is there.
  std::vector<std::string> notes;

  Box3 Bounds() const {
    Box3 box;
    for (const ModelPiece& p : pieces) box.Add(MeshBounds(p.mesh));
    return box;
  }
};

// How far each piece moves when the assembly is exploded by `factor`: along the line from the
// table's centre through the piece's centre, `factor` times that distance (0 = assembled).
std::vector<Vec3> ExplodeOffsets(const TableModel& model, double factor);

// The box of every piece moved by its explode offset.
Box3 ExplodedBounds(const TableModel& model, double factor);

}  // namespace varnloft
