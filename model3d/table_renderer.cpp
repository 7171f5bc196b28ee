#include "model3d/table_renderer.h"

#include <algorithm>
#include <cmath>

#include "model3d/raster.h"
#include "model3d/shading.h"

namespace varnloft {

namespace {

std::uint32_t Shade(Rgb c, double light) {
  const Rgb shaded = Shaded(c, light);
  return PackRgba(shaded.r, shaded.g, shaded.b);
}

// Cuts a polygon in view space to the part in front of the near plane.
std::vector<Vec3> ClipToNear(const std::vector<Vec3>& polygon, double nearDepth) {
  std::vector<Vec3> out;
  const size_t n = polygon.size();
  for (size_t i = 0; i < n; ++i) {
    const Vec3& a = polygon[i];
    const Vec3& b = polygon[(i + 1) % n];
    const bool aIn = a.z >= nearDepth, bIn = b.z >= nearDepth;
    if (aIn) out.push_back(a);
    if (aIn != bIn) out.push_back(a + (b - a) * ((nearDepth - a.z) / (b.z - a.z)));
  }
  return out;
}

ScreenPoint Project(const ViewTransform& view, const Vec3& v) {
  const double w = 1 / v.z;
  return {view.centreX + view.focal * v.x * w, view.centreY - view.focal * v.y * w, w};
}

struct PieceColours {
  Rgb face, edge;
};

PieceColours ColoursOf(const RenderOptions& options, int index) {
  if (std::find(options.marked.begin(), options.marked.end(), index) != options.marked.end())
    return {kMarkedColour, kMarkedEdgeColour};
  if (static_cast<size_t>(index) < options.colours.size()) {
    const Rgb own = options.colours[index];
    const Rgb face = index == options.highlighted ? Shaded(own, 1.15) : own;
    return {face, Shaded(own, 0.45)};
  }
  if (index == options.highlighted) return {kHighlightColour, kWoodEdgeColour};
  return {kWoodColour, kWoodEdgeColour};
}

}  // namespace

void RenderTable(const TableModel& model, const OrbitCamera& camera, const RenderOptions& options,
                 RenderTarget& target) {
  if (target.width < 1 || target.height < 1) target.Resize(1, 1);
  const Rgb bg = kBackgroundColour;
  std::fill(target.rgba.begin(), target.rgba.end(), PackRgba(bg.r, bg.g, bg.b));
  std::fill(target.depth.begin(), target.depth.end(), 0.0f);
  std::fill(target.piece.begin(), target.piece.end(), kNoPiece);

  const ViewTransform view = ViewOf(camera, target.width, target.height);
  const Vec3 light = LightDirection(view);
  const std::vector<Vec3> offsets = ExplodeOffsets(model, options.explode);
  const size_t count = std::min<size_t>(model.pieces.size(), kNoPiece);

  std::vector<Vec3> viewVertices;
  std::vector<char> faceSeen;
  std::vector<Vec3> polygon;
  std::vector<ScreenPoint> screen;
  for (size_t index = 0; index < count; ++index) {
    const Mesh& mesh = model.pieces[index].mesh;
    const Vec3 shift = offsets[index];
    const PieceColours colours = ColoursOf(options, static_cast<int>(index));
    const auto id = static_cast<std::uint16_t>(index);

    viewVertices.clear();
    for (const Vec3& v : mesh.vertices) viewVertices.push_back(view.ToView(v + shift));

    faceSeen.assign(mesh.faces.size(), 0);
    for (size_t f = 0; f < mesh.faces.size(); ++f) {
      const MeshFace& face = mesh.faces[f];
      if (face.corners.size() < 3) continue;
      const Vec3 corner = mesh.vertices[face.corners[0]] + shift;
      if (Dot(face.normal, view.eye - corner) <= 0) continue;  // faces away
      faceSeen[f] = 1;
      polygon.clear();
      bool behind = false;
      for (int c : face.corners) {
        polygon.push_back(viewVertices[c]);
        behind = behind || viewVertices[c].z < view.nearDepth;
      }
      if (behind) polygon = ClipToNear(polygon, view.nearDepth);
      screen.clear();
      for (const Vec3& v : polygon) screen.push_back(Project(view, v));
      FillConvexPolygon(target, screen, Shade(colours.face, Lightness(face.normal, light)), id);
    }

    if (!options.edges) continue;
    const std::uint32_t edgeColour = Shade(colours.edge, 1.0);
    for (size_t e = 0; e < mesh.edges.size(); ++e) {
      const auto [f1, f2] = e < mesh.edgeFaces.size() ? mesh.edgeFaces[e] : std::pair{-1, -1};
      const bool seen = (f1 >= 0 && faceSeen[f1]) || (f2 >= 0 && faceSeen[f2]);
      if (!seen) continue;
      Vec3 a = viewVertices[mesh.edges[e].first], b = viewVertices[mesh.edges[e].second];
      if (a.z < view.nearDepth && b.z < view.nearDepth) continue;
      if (a.z < view.nearDepth) a = b + (a - b) * ((view.nearDepth - b.z) / (a.z - b.z));
      if (b.z < view.nearDepth) b = a + (b - a) * ((view.nearDepth - a.z) / (b.z - a.z));
      DrawDepthLine(target, Project(view, a), Project(view, b), edgeColour, id);
    }
  }
}

}  // namespace varnloft
