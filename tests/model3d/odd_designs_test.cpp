// Designs the model cannot build whole: counts that are not whole, too many boards, failed
// calculations and records full of absurd values. Pieces are left out with a note, the fit
// check fails with findings, and nothing throws, crashes or takes long.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "model3d/build_table_model.h"
#include "model3d/fit_check.h"
#include "model3d/model_files.h"
#include "model3d/table_renderer.h"
#include "test_designs.h"

namespace varnloft {
namespace {

using testing::BuiltInTable;

int CountMember(const TableModel& model, const std::string& member) {
  int n = 0;
  for (const ModelPiece& p : model.pieces) n += p.member == member;
  return n;
}

TEST(OddDesigns, BoardCountsThatAreNotWholeOrTooManyAreLeftOutWithANote) {
  DesignRecord rec = BuiltInTable(true);
  rec.DeckBoardCount = 5.5f;
  rec.SeatBoardCount = 0;
  TableModel model = BuildTableModel(rec);
  EXPECT_EQ(CountMember(model, "Table Top"), 0);
  EXPECT_EQ(CountMember(model, "Seat"), 0);
  EXPECT_EQ(CountMember(model, "Leg"), 4);
  EXPECT_EQ(model.notes, (std::vector<std::string>{
                             "The seats are left out of the 3D model: the count 0 is not a "
                             "positive whole number on each side.",
                             "The table tops are left out of the 3D model: the count 5.5 is not a "
                             "positive whole number."}));
  FitReport report = CheckFit(model, rec.Lengths());
  EXPECT_FALSE(report.ok);
  EXPECT_EQ(report.findings[0], model.notes[0]);

  rec.DeckBoardCount = 1001;
  rec.SeatBoardCount = 1000;
  model = BuildTableModel(rec);
  EXPECT_EQ(CountMember(model, "Table Top"), 0);
  EXPECT_EQ(CountMember(model, "Seat"), 2000);
  ASSERT_EQ(model.notes.size(), 1u);
  EXPECT_EQ(model.notes[0],
            "The table tops are left out of the 3D model: 1001 in a row are more than the 1000 it "
            "models.");
}

TEST(OddDesigns, BoardsPiledInOnePlaceStopTheListAfterAHundredOverlaps) {
  DesignRecord rec = BuiltInTable(true);
  rec.DeckBoardCount = 1000;
  rec.DeckGap = -rec.DeckBoardWidth;  // every board on the first
  rec.SeatBoardCount = 1;
  const TableModel model = BuildTableModel(rec);
  const FitReport report = CheckFit(model, rec.Lengths());
  EXPECT_FALSE(report.ok);
  EXPECT_EQ(report.overlaps.size(), kMostOverlapsListed);
  EXPECT_EQ(report.findings.back(), "More pieces pass through each other than the 100 listed.");
}

TEST(OddDesigns, AFailedCalculationGivesAnEmptyModelThatStillRendersAndWrites) {
  DesignRecord rec = BuiltInTable(true);
  rec.LastCalculationFailed = true;
  const TableModel model = BuildTableModel(rec);
  EXPECT_TRUE(model.pieces.empty());
  RenderTarget target;
  target.Resize(64, 48);
  OrbitCamera camera;
  camera.FitView(model.Bounds(), 64, 48);
  RenderTable(model, camera, {}, target);
  EXPECT_EQ(StlBytes(model).size(), 84u);
}

// Records with every length, count and angle drawn from values no calculation should leave:
// zeros, negatives, huge numbers, infinities and NaN. A fixed seed keeps the run the same.
TEST(OddDesigns, AbsurdRecordsNeverThrowOrCrash) {
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float values[] = {0.0f, -1.0f, 0.125f, 0.5f,  2.0f,  6.0f, 1e-30f,  1e30f, -1e30f,
                          inf,  -inf,  nan,    90.0f, 45.0f, 3.0f, 1000.0f, 3e38f, -3e38f};
  std::mt19937 random(20261208);
  auto pick = [&] { return values[random() % (sizeof values / sizeof values[0])]; };
  for (int run = 0; run < 300; ++run) {
    DesignRecord rec = BuiltInTable(run % 2 == 0);
    float* fields[] = {&rec.LumberThickness,  &rec.OverallLength,     &rec.TableHeight,
                       &rec.SeatHeight,       &rec.LeftDeckOverhang,  &rec.RightDeckOverhang,
                       &rec.LeftSeatOverhang, &rec.DeckGap,           &rec.DeckBoardWidth,
                       &rec.SeatBoardWidth,   &rec.OuterSupportDepth, &rec.CentreSupportDepth,
                       &rec.SeatSupportDepth, &rec.LegWidth,          &rec.EndCapWidth,
                       &rec.DeckBoardCount,   &rec.SeatBoardCount,    &rec.TableTopWidth,
                       &rec.SeatWidth,        &rec.OverallWidth,      &rec.SeatLength,
                       &rec.LegAngle,         &rec.LegLength,         &rec.LegCutWidth,
                       &rec.BraceRun,         &rec.BraceRise,         &rec.BraceAngle,
                       &rec.BraceLength,      &rec.BraceCutWidth};
    const int changes = 1 + static_cast<int>(random() % 4);
    for (int c = 0; c < changes; ++c)
      *fields[random() % (sizeof fields / sizeof fields[0])] = pick();
    try {
      const TableModel model = BuildTableModel(rec);
      const FitReport report = CheckFit(model, rec.Lengths());
      EXPECT_FALSE(FitJson(report).empty());
      OrbitCamera camera;
      camera.FitView(ExplodedBounds(model, 0.5), 48, 32);
      RenderTarget target;
      target.Resize(48, 32);
      RenderOptions options;
      options.explode = 0.5;
      options.marked = report.offending;
      RenderTable(model, camera, options, target);
      EXPECT_GE(StlBytes(model).size(), 84u);
      EXPECT_FALSE(GlbBytes(model).empty());
      EXPECT_FALSE(ObjText(model, "t.mtl").empty());
      for (const ModelPiece& p : model.pieces) {
        for (const Vec3& v : p.mesh.vertices) ASSERT_TRUE(AllFinite(v)) << p.name << " run " << run;
      }
    } catch (const std::exception& e) {
      ADD_FAILURE() << "run " << run << ": " << e.what();
    }
  }
}

}  // namespace
}  // namespace varnloft
