#include "safety/model_parts.h"

#include "model3d/outline2d.h"
#include "model3d/prism_mesh.h"
#include "safety/si_units.h"

namespace varnloft {

namespace {

constexpr double kCubicMetresPerCubicFoot = kMetresPerFoot * kMetresPerFoot * kMetresPerFoot;

// The signed volume of the mesh and the volume-weighted sum of its tetrahedra's centres, each
// tetrahedron spanned from the mesh's first vertex to a triangle of a face's fan.
void VolumeMoments(const Mesh& mesh, double& volume, Vec3& moment) {
  volume = 0;
  moment = {};
  if (mesh.vertices.empty()) return;
  const Vec3 apex = mesh.vertices.front();
  for (const MeshFace& face : mesh.faces) {
    for (size_t i = 1; i + 1 < face.corners.size(); ++i) {
      const Vec3 a = mesh.vertices[face.corners[0]] - apex;
      const Vec3 b = mesh.vertices[face.corners[i]] - apex;
      const Vec3 c = mesh.vertices[face.corners[i + 1]] - apex;
      const double v = Dot(a, Cross(b, c)) / 6;
      volume += v;
      moment += (a + b + c) * (v / 4);
    }
  }
  moment += apex * volume;
}

}  // namespace

Vec3 InMetres(const Vec3& feet) {
  return feet * kMetresPerFoot;
}

double PieceVolume(const ModelPiece& piece) {
  double volume = 0;
  Vec3 moment;
  VolumeMoments(piece.mesh, volume, moment);
  return volume > 0 ? volume * kCubicMetresPerCubicFoot : 0;
}

Vec3 PieceCentroid(const ModelPiece& piece) {
  double volume = 0;
  Vec3 moment;
  VolumeMoments(piece.mesh, volume, moment);
  if (!(volume > 0)) return InMetres(MeshBounds(piece.mesh).Centre());
  return InMetres(moment / volume);
}

Box3 PieceBox(const ModelPiece& piece) {
  const Box3 feet = MeshBounds(piece.mesh);
  if (feet.Empty()) return feet;
  Box3 box;
  box.Add(InMetres(feet.min));
  box.Add(InMetres(feet.max));
  return box;
}

std::vector<const ModelPiece*> PiecesOf(const TableModel& model, const std::string& member) {
  std::vector<const ModelPiece*> out;
  for (const ModelPiece& p : model.pieces)
    if (p.member == member) out.push_back(&p);
  return out;
}

Box3 BoxOf(const TableModel& model, const std::vector<std::string>& members) {
  Box3 box;
  for (const std::string& member : members)
    for (const ModelPiece* p : PiecesOf(model, member)) box.Add(PieceBox(*p));
  return box;
}

std::vector<ConvexSolid> PieceSolids(const ModelPiece& piece) {
  std::vector<ConvexSolid> solids;
  for (const Outline& part : ConvexParts(piece.outline)) {
    ConvexSolid solid = SolidOfMesh(ExtrudeOutline(part, piece.thickness, piece.placement));
    for (Polygon3& face : solid)
      for (Vec3& corner : face) corner = InMetres(corner);
    solids.push_back(std::move(solid));
  }
  return solids;
}

}  // namespace varnloft
