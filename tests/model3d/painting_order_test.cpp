// The painting order of the assembly picture: a block lying on the far end of a long board is
// painted after the board, although its centre lies farther than the board's; pieces side by
// side are ordered by the plane between them, and every piece comes exactly once.
#include "model3d/painting_order.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model3d/build_table_model.h"
#include "test_designs.h"

namespace varnloft {
namespace {

ModelPiece Block(const std::string& name, Vec3 origin, double length, double width,
                 double thickness) {
  ModelPiece p;
  p.name = name;
  p.outline = {{0, 0}, {length, 0}, {length, width}, {0, width}};
  p.thickness = thickness;
  p.placement = {origin, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  p.mesh = ExtrudeOutline(p.outline, thickness, p.placement);
  return p;
}

ViewTransform LookingAlongY(const TableModel& model) {
  OrbitCamera camera;
  camera.azimuth = 0;  // from the front (y < 0), looking along +y
  camera.elevation = 30;
  camera.FitView(model.Bounds(), 400, 300);
  return ViewOf(camera, 400, 300);
}

TEST(PaintingOrder, ABlockOnTheFarEndOfALongBoardIsPaintedAfterIt) {
  TableModel model;
  // A board running away from the camera, and a block on its far end: the block's centre is
  // farther than the board's, yet the block covers the board.
  model.pieces.push_back(Block("Block", {0, 18, 0.2}, 1, 1, 1));
  model.pieces.push_back(Block("Board", {0, 0, 0}, 1, 20, 0.2));
  const ViewTransform view = LookingAlongY(model);
  ASSERT_GT(view.ToView(MeshBounds(model.pieces[0].mesh).Centre()).z,
            view.ToView(MeshBounds(model.pieces[1].mesh).Centre()).z);
  EXPECT_EQ(PaintingOrder(model, {{}, {}}, view), (std::vector<int>{1, 0}));
}

TEST(PaintingOrder, EveryPieceOnceForTheTableFromAnySide) {
  const TableModel model = BuildTableModel(testing::BuiltInTable(false));
  const std::vector<Vec3> offsets = ExplodeOffsets(model, 0.6);
  for (double azimuth : {-35.0, 60.0, 150.0, -120.0}) {
    OrbitCamera camera;
    camera.azimuth = azimuth;
    camera.FitView(ExplodedBounds(model, 0.6), 640, 480);
    std::vector<int> order = PaintingOrder(model, offsets, ViewOf(camera, 640, 480));
    std::sort(order.begin(), order.end());
    ASSERT_EQ(order.size(), model.pieces.size());
    for (size_t i = 0; i < order.size(); ++i) EXPECT_EQ(order[i], static_cast<int>(i));
  }
}

}  // namespace
}  // namespace varnloft
