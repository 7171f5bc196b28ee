// The driver's 3D options in process: refused arguments, the files written from the final
// design after the JSON document (which they leave as it was), the fit check of a design whose
// legs collide, and files that cannot be written.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "cli/cli_session.h"
#include "driver_run.h"
#include "platform/json_value.h"

namespace varnloft {
namespace {

using CliRun = testing::DriverRun;
using testing::ReadAll;

JsonValue FitOf(const QString& path) {
  const JsonParseResult parsed = ParseJson(ReadAll(path));
  EXPECT_EQ(parsed.error, "");
  return parsed.value.value_or(JsonValue());
}

void ExpectRefused(const std::vector<std::string>& args, const std::string& message) {
  try {
    CliRun run(args);
    ADD_FAILURE() << "accepted: " << args.front() << " " << args.back();
  } catch (const UsageError& e) {
    EXPECT_EQ(e.what(), message);
  }
}

TEST(Model3dOptions, RefusesBadArguments) {
  ExpectRefused({"--export-3d", "table.dxf"},
                "--export-3d writes .obj, .stl or .glb files, not 'table.dxf'");
  ExpectRefused({"--export-3d", ".obj"}, "--export-3d writes .obj, .stl or .glb files, not '.obj'");
  ExpectRefused({"--save-3d", "table.jpg"}, "--save-3d writes .png files, not 'table.jpg'");
  for (const char* size : {"15x100", "800", "800x", "x600", "9000x100", "5000x5000", "80 x60"})
    ExpectRefused({"--size-3d", size},
                  std::string("--size-3d needs WxH, each 16 to 8192 and at most 4096 x 4096 "
                              "pixels in all, got '") +
                      size + "'");
  for (const char* camera : {"10", "a,b", "0,91", "0,-90.5", "1e999,0", "0, 5"})
    ExpectRefused({"--camera", camera},
                  std::string("--camera needs AZIMUTH,ELEVATION in degrees, the elevation from "
                              "-90 to 90, got '") +
                      camera + "'");
  ExpectRefused({"--fit"}, "option --fit needs an argument");
}

TEST(Model3dOptions, WritesTheFilesAndLeavesTheDocumentAsItWas) {
  QTemporaryDir dir;
  const QString png = dir.filePath("table.png"), fit = dir.filePath("fit.json");
  const CliRun plain({"--design"});
  CliRun run({"--export-3d", dir.filePath("t.glb").toStdString(), "--save-3d", png.toStdString(),
              "--size-3d", "320x200", "--camera", "-35.5,20", "--fit", fit.toStdString(),
              "--design", "--export-3d", dir.filePath("t.STL").toStdString()});
  EXPECT_TRUE(run.written) << run.error;
  EXPECT_EQ(run.report, plain.report);

  EXPECT_EQ(ReadAll(dir.filePath("t.glb")).substr(0, 4), "glTF");
  EXPECT_GT(ReadAll(dir.filePath("t.STL")).size(), 84u);
  const QImage picture(png);
  EXPECT_EQ(picture.size(), QSize(320, 200));
  EXPECT_EQ(picture.pixel(0, 0), qRgb(236, 238, 240));  // the background
  int wood = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) wood += picture.pixel(x, y) != qRgb(236, 238, 240);
  EXPECT_GT(wood, picture.width() * picture.height() / 8);  // the table fills the picture

  const JsonValue doc = FitOf(fit);
  ASSERT_NE(doc.Find("ok"), nullptr);
  EXPECT_TRUE(doc.Find("ok")->AsBool());
  EXPECT_TRUE(doc.Find("overlaps")->Items().empty());
  const auto& box = doc.Find("bounding_box")->Items();
  ASSERT_EQ(box.size(), 3u);
  const DesignRecord& rec = run.session.window().rec;
  EXPECT_NEAR(box[0].AsNumber(), rec.OverallLength, 1e-5);
  EXPECT_NEAR(box[2].AsNumber(), rec.TableHeight, 1e-5);
  ASSERT_NE(doc.Find("findings"), nullptr);
  EXPECT_TRUE(doc.Find("findings")->IsArray());
}

TEST(Model3dOptions, FitsTheFinalDesignWhereverTheOptionStands) {
  QTemporaryDir dir;
  const QString fit = dir.filePath("fit.json");
  // Two deck boards with the overlap question answered No: the upper legs pass through each
  // other. The --fit before the design still checks it.
  const CliRun run(
      {"--fit", fit.toStdString(), "--answer", "no", "--choose", "ComboBox8=2", "--design"});
  EXPECT_TRUE(run.written) << run.error;
  const JsonValue doc = FitOf(fit);
  EXPECT_FALSE(doc.Find("ok")->AsBool());
  const auto& overlaps = doc.Find("overlaps")->Items();
  ASSERT_FALSE(overlaps.empty());
  EXPECT_EQ(overlaps[0].Find("a")->AsString(), "Leg 1");
  EXPECT_EQ(overlaps[0].Find("b")->AsString(), "Leg 2");
  EXPECT_GT(overlaps[0].Find("volume")->AsNumber(), 0);
}

TEST(Model3dOptions, ReportsFilesThatCannotBeWritten) {
  QTemporaryDir dir;
  const std::string missing = dir.filePath("no folder/t.stl").toStdString();
  const QString fit = dir.filePath("fit.json");
  const CliRun run({"--export-3d", missing, "--fit", fit.toStdString()});
  EXPECT_FALSE(run.written);
  EXPECT_EQ(run.error,
            "The 3D model could not be written to '" + missing + "': No such file or directory.");
  EXPECT_TRUE(FitOf(fit).Find("ok")->AsBool());  // the other file is still written

  // After a failed calculation there is no table: the model and picture are refused, and the
  // fit check says why it fails.
  const std::string stl = dir.filePath("t.stl").toStdString();
  const CliRun failed({"--type", "Edit4=abc", "--design", "--export-3d", stl, "--save-3d",
                       dir.filePath("t.png").toStdString(), "--fit", fit.toStdString()});
  EXPECT_FALSE(failed.written);
  // Both refused files are named, one line each.
  EXPECT_EQ(failed.error, "cannot write " + stl +
                              ": the last calculation failed, so there is no table\n" +
                              "cannot write " + dir.filePath("t.png").toStdString() +
                              ": the last calculation failed, so there is no table");
  EXPECT_FALSE(QFile::exists(QString::fromStdString(stl)));
  EXPECT_FALSE(QFile::exists(dir.filePath("t.png")));
  const JsonValue doc = FitOf(fit);
  EXPECT_FALSE(doc.Find("ok")->AsBool());
  ASSERT_FALSE(doc.Find("findings")->Items().empty());
  EXPECT_EQ(doc.Find("findings")->Items()[0].AsString(),
            "The last calculation failed, so there is no table to model.");
}

}  // namespace
}  // namespace varnloft
