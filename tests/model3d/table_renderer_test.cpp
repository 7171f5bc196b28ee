// The software renderer: what it shows from above and below, the piece under a pixel, marked
// and highlighted pieces, the exploded assembly, fitting the view, and cameras that stand
// inside the table.
#include "model3d/table_renderer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "model3d/build_table_model.h"
#include "test_designs.h"

namespace varnloft {
namespace {

using testing::BuiltInTable;
using testing::BuiltInTableWith;

Rgb ColourAt(const RenderTarget& target, int x, int y) {
  unsigned char bytes[4];
  std::memcpy(bytes, &target.rgba[static_cast<size_t>(y) * target.width + x], 4);
  EXPECT_EQ(bytes[3], 255);
  return {bytes[0], bytes[1], bytes[2]};
}

std::string NameAt(const TableModel& model, const RenderTarget& target, int x, int y) {
  const int piece = target.PieceAt(x, y);
  return piece < 0 ? "" : model.pieces[piece].name;
}

RenderTarget Render(const TableModel& model, double azimuth, double elevation,
                    const RenderOptions& options = {}, int width = 320, int height = 200) {
  OrbitCamera camera;
  camera.azimuth = azimuth;
  camera.elevation = elevation;
  camera.FitView(ExplodedBounds(model, options.explode), width, height);
  RenderTarget target;
  target.Resize(width, height);
  RenderTable(model, camera, options, target);
  return target;
}

TEST(TableRenderer, ShowsTheTopFromAboveAndTheCentreSupportFromBelow) {
  const TableModel model = BuildTableModel(BuiltInTable(true));
  const RenderTarget above = Render(model, 0, 89);
  EXPECT_EQ(NameAt(model, above, 160, 100).rfind("Table Top", 0), 0u);
  const RenderTarget below = Render(model, 0, -89);
  EXPECT_EQ(NameAt(model, below, 160, 100), "Centre Support 1");
  // The corners of the picture show the background, and no piece.
  for (const RenderTarget* t : {&above, &below}) {
    EXPECT_EQ(ColourAt(*t, 0, 0), kBackgroundColour);
    EXPECT_EQ(t->PieceAt(0, 0), -1);
    EXPECT_EQ(t->PieceAt(-1, 5), -1);
    EXPECT_EQ(t->PieceAt(320, 5), -1);
  }
}

TEST(TableRenderer, ThreeQuarterViewShowsTheWholeTableInWood) {
  const TableModel model = BuildTableModel(BuiltInTable(true));
  const RenderTarget target = Render(model, -35, 25);
  std::set<std::string> members;
  int woodPixels = 0, edgePixels = 0;
  for (int y = 0; y < target.height; ++y) {
    for (int x = 0; x < target.width; ++x) {
      const int piece = target.PieceAt(x, y);
      const Rgb c = ColourAt(target, x, y);
      if (piece < 0) {
        EXPECT_EQ(c, kBackgroundColour);
        continue;
      }
      EXPECT_GT(target.depth[static_cast<size_t>(y) * target.width + x], 0);
      members.insert(model.pieces[piece].member);
      // Wood is warm: more red than green, more green than blue.
      EXPECT_GT(c.r, c.g);
      EXPECT_GT(c.g, c.b);
      ++woodPixels;
      edgePixels += c == kWoodEdgeColour;
    }
  }
  EXPECT_EQ(members, (std::set<std::string>{"Leg", "Outer Support", "Centre Support",
                                            "Seat Support", "Brace", "Seat", "Table Top"}));
  EXPECT_GT(woodPixels, target.width * target.height / 8);
  EXPECT_GT(edgePixels, 500);
}

TEST(TableRenderer, MarkedPiecesAreRedAndTheHighlightedPieceLighter) {
  const TableModel model = BuildTableModel(BuiltInTableWith({{"deckBoardCount:0", "2"}}, true));
  RenderOptions plain;
  plain.edges = false;
  RenderOptions options = plain;
  options.marked = {0, 1, 2, 3};
  options.highlighted = 11;  // Seat 1
  const RenderTarget target = Render(model, -35, 25, options);
  const RenderTarget before = Render(model, -35, 25, plain);
  int marked = 0, lighter = 0;
  for (int y = 0; y < target.height; ++y) {
    for (int x = 0; x < target.width; ++x) {
      const int piece = target.PieceAt(x, y);
      ASSERT_EQ(piece, before.PieceAt(x, y));
      if (piece < 0) continue;
      const Rgb c = ColourAt(target, x, y), was = ColourAt(before, x, y);
      if (piece <= 3) {
        ++marked;
        EXPECT_GT(c.r, 2 * c.g) << x << "," << y;
      } else if (piece == 11) {
        EXPECT_GE(c.r + c.g + c.b, was.r + was.g + was.b);
        lighter += c.r + c.g + c.b > was.r + was.g + was.b;
      } else {
        EXPECT_EQ(c, was);
      }
    }
  }
  EXPECT_GT(marked, 200);
  EXPECT_GT(lighter, 200);
}

// Pieces given their own colour are shaded in it as the wood is (the same light on the same
// face), the marked pieces stay red, and pieces beyond the list keep the wood.
TEST(TableRenderer, OwnColoursReplaceTheWoodPieceByPiece) {
  const TableModel model = BuildTableModel(BuiltInTable(true));
  RenderOptions plain;
  plain.edges = false;
  RenderOptions options = plain;
  const Rgb blue{40, 80, 200};
  options.colours.assign(12, blue);  // the first twelve pieces
  options.marked = {0};
  const RenderTarget target = Render(model, -35, 25, options);
  const RenderTarget before = Render(model, -35, 25, plain);
  int coloured = 0;
  for (int y = 0; y < target.height; ++y) {
    for (int x = 0; x < target.width; ++x) {
      const int piece = target.PieceAt(x, y);
      if (piece < 0) continue;
      const Rgb c = ColourAt(target, x, y), was = ColourAt(before, x, y);
      if (piece == 0) {
        EXPECT_GT(c.r, 2 * c.g);
      } else if (piece < 12) {
        // The wood's shade of this face, applied to blue: the light is the wood's red over 214.
        const double light = was.r / 214.0;
        EXPECT_NEAR(c.b, 200 * light, 2) << x << "," << y;
        EXPECT_NEAR(c.r, 40 * light, 2) << x << "," << y;
        ++coloured;
      } else {
        EXPECT_EQ(c, was);
      }
    }
  }
  EXPECT_GT(coloured, 200);
}

TEST(TableRenderer, ExplodingMovesPiecesAwayFromTheCentre) {
  const TableModel model = BuildTableModel(BuiltInTable(true));
  for (const Vec3& v : ExplodeOffsets(model, 0)) EXPECT_EQ(Length(v), 0);
  const std::vector<Vec3> offsets = ExplodeOffsets(model, 0.5);
  ASSERT_EQ(offsets.size(), model.pieces.size());
  EXPECT_GT(offsets[15].z, 0);  // Table Top 1 rises
  EXPECT_LT(offsets[0].x, 0);   // Leg 1 moves left and to the front
  EXPECT_LT(offsets[0].y, 0);
  EXPECT_GT(offsets[3].x, 0);  // Leg 4 right and to the back
  EXPECT_GT(offsets[3].y, 0);
  const Vec3 assembled = model.Bounds().Size(), exploded = ExplodedBounds(model, 0.5).Size();
  EXPECT_GT(exploded.x, assembled.x);
  EXPECT_GT(exploded.y, assembled.y);
  EXPECT_GT(exploded.z, assembled.z);

  // Exploded, the deck boards part: from above, the gap between two of them grows.
  RenderOptions apart;
  apart.explode = 0.5;
  const RenderTarget target = Render(model, 0, 89, apart);
  int background = 0;
  for (int x = 0; x < target.width; ++x) background += target.PieceAt(x, target.height / 2) < 0;
  const RenderTarget together = Render(model, 0, 89);
  int backgroundTogether = 0;
  for (int x = 0; x < together.width; ++x)
    backgroundTogether += together.PieceAt(x, together.height / 2) < 0;
  EXPECT_GT(background, backgroundTogether);
}

TEST(TableRenderer, FitViewFillsThePictureFromAnySide) {
  const TableModel model = BuildTableModel(BuiltInTable(true));
  for (double azimuth : {-35.0, 0.0, 90.0, 200.0}) {
    const RenderTarget target = Render(model, azimuth, 30);
    int left = target.width, right = -1, top = target.height, bottom = -1;
    for (int y = 0; y < target.height; ++y) {
      for (int x = 0; x < target.width; ++x) {
        if (target.PieceAt(x, y) < 0) continue;
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
    }
    EXPECT_GT(left, 0) << azimuth;
    EXPECT_LT(right, target.width - 1) << azimuth;
    EXPECT_GT(top, 0) << azimuth;
    EXPECT_LT(bottom, target.height - 1) << azimuth;
  }
}

TEST(OrbitCameraSteps, FitViewPutsTheBoxJustInsideThePicture) {
  const Box3 box{{0, 0, 0}, {6, 5.2, 2.5}};
  for (double azimuth : {-35.0, 0.0, 90.0, 200.0}) {
    for (double elevation : {-60.0, 0.0, 30.0, 89.0}) {
      OrbitCamera camera;
      camera.azimuth = azimuth;
      camera.elevation = elevation;
      camera.FitView(box, 400, 300);
      const ViewTransform view = ViewOf(camera, 400, 300);
      double reach = 0;
      for (int corner = 0; corner < 8; ++corner) {
        const Vec3 v =
            view.ToView({corner & 1 ? 6.0 : 0.0, corner & 2 ? 5.2 : 0.0, corner & 4 ? 2.5 : 0.0});
        ASSERT_GT(v.z, 0);
        reach = std::max({reach, std::fabs(view.focal * v.x / v.z) / 200,
                          std::fabs(view.focal * v.y / v.z) / 150});
      }
      EXPECT_NEAR(reach, 0.92, 1e-9) << azimuth << " " << elevation;
    }
  }
}

TEST(TableRenderer, CamerasInsideTheTableAndEmptyModelsDrawSafely) {
  const TableModel model = BuildTableModel(BuiltInTable(true));
  OrbitCamera camera;
  camera.FitTo(model.Bounds());
  camera.radius = 0.05;  // the eye stands among the pieces
  RenderTarget target;
  target.Resize(160, 100);
  int drawn = 0;
  for (double elevation : {-89.0, -30.0, 0.0, 45.0, 89.0, 400.0}) {
    camera.elevation = elevation;
    for (double zoom : {0.05, 1.0, 50.0}) {
      camera.zoom = zoom;
      RenderTable(model, camera, {}, target);
      for (std::uint16_t p : target.piece) drawn += p != kNoPiece;
    }
  }
  EXPECT_GT(drawn, 0);

  const TableModel empty;
  camera.FitView(empty.Bounds(), 160, 100);
  RenderTable(empty, camera, {}, target);
  for (std::uint16_t p : target.piece) EXPECT_EQ(p, kNoPiece);

  RenderTarget tiny;
  tiny.Resize(0, -5);
  EXPECT_EQ(tiny.width, 1);
  EXPECT_EQ(tiny.height, 1);
  RenderTable(model, camera, {}, tiny);
}

TEST(OrbitCameraSteps, OrbitWrapsAzimuthAndKeepsElevationAndZoomInRange) {
  OrbitCamera camera;
  camera.azimuth = 170;
  camera.Orbit(30, 100);
  EXPECT_DOUBLE_EQ(camera.azimuth, -160);
  EXPECT_DOUBLE_EQ(camera.elevation, kMaxElevation);
  camera.Orbit(0, -500);
  EXPECT_DOUBLE_EQ(camera.elevation, -kMaxElevation);
  camera.Zoom(1000);
  EXPECT_DOUBLE_EQ(camera.zoom, 50);
  camera.Zoom(0);
  camera.Zoom(-1);
  EXPECT_DOUBLE_EQ(camera.zoom, 50);
  camera.Zoom(1e-9);
  EXPECT_DOUBLE_EQ(camera.zoom, 0.05);
}

}  // namespace
}  // namespace varnloft
