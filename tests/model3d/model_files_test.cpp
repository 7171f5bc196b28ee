// The 3D files read back: OBJ with its MTL, binary STL and binary glTF. Each holds every piece
// where the model has it, in millimetres (OBJ, STL, z up) or metres (glb, y up).
#include "model3d/model_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "json_reader.h"
#include "model3d/build_table_model.h"
#include "test_designs.h"

namespace varnloft {
namespace {

using testing::JsonReader;
using testing::JsonValue;

std::uint32_t U32(const std::string& bytes, size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(bytes.at(at + i));
  return v;
}

float F32(const std::string& bytes, size_t at) {
  const std::uint32_t bits = U32(bytes, at);
  float f;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}

Vec3 Vec3At(const std::string& bytes, size_t at) {
  return {F32(bytes, at), F32(bytes, at + 4), F32(bytes, at + 8)};
}

void ExpectBoxNear(const Box3& a, const Box3& b, double tolerance) {
  EXPECT_NEAR(a.min.x, b.min.x, tolerance);
  EXPECT_NEAR(a.min.y, b.min.y, tolerance);
  EXPECT_NEAR(a.min.z, b.min.z, tolerance);
  EXPECT_NEAR(a.max.x, b.max.x, tolerance);
  EXPECT_NEAR(a.max.y, b.max.y, tolerance);
  EXPECT_NEAR(a.max.z, b.max.z, tolerance);
}

Box3 Scaled(const Box3& box, double s) {
  return {box.min * s, box.max * s};
}

double ModelVolume(const TableModel& model) {
  double v = 0;
  for (const ModelPiece& p : model.pieces) v += MeshVolume(p.mesh);
  return v;
}

class ModelFiles : public ::testing::Test {
 protected:
  ModelFiles()
      : model(BuildTableModel(testing::BuiltInTableWith(
            {{"endCapSize:1", "1.5"}, {"endCapSize:0", "2 X 2"}}, true))) {}
  TableModel model;
};

TEST_F(ModelFiles, ObjHasOneNamedObjectPerPieceInMillimetres) {
  const std::string obj = ObjText(model, "table.mtl");
  std::istringstream lines(obj);
  std::string line;
  std::vector<std::string> names;
  std::vector<Vec3> vertices, normals;
  Box3 box;
  int faces = 0;
  bool mtllib = false;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string kind;
    words >> kind;
    if (kind == "mtllib") mtllib = line == "mtllib table.mtl";
    if (kind == "o") names.push_back(line.substr(2));
    if (kind == "v" || kind == "vn") {
      Vec3 v;
      words >> v.x >> v.y >> v.z;
      (kind == "v" ? vertices : normals).push_back(v);
      if (kind == "v") box.Add(v);
    }
    if (kind == "f") {
      ++faces;
      std::vector<Vec3> corners;
      size_t normal = 0;
      std::string corner;
      while (words >> corner) {
        const size_t v = std::stoul(corner.substr(0, corner.find('/')));
        normal = std::stoul(corner.substr(corner.rfind('/') + 1));
        ASSERT_GE(v, 1u);
        ASSERT_LE(v, vertices.size());
        corners.push_back(vertices[v - 1]);
      }
      ASSERT_GE(corners.size(), 3u);
      ASSERT_LE(normal, normals.size());
      // The corners wind counter-clockwise about the normal.
      EXPECT_GT(Dot(Cross(corners[1] - corners[0], corners[2] - corners[0]), normals[normal - 1]),
                0);
    }
  }
  EXPECT_TRUE(mtllib);
  std::vector<std::string> expected;
  for (const ModelPiece& p : model.pieces) expected.push_back(p.name);
  EXPECT_EQ(names, expected);
  EXPECT_EQ(names.back(), "End Cap 2");
  EXPECT_EQ(faces, 6 * static_cast<int>(model.pieces.size()));
  ExpectBoxNear(box, Scaled(model.Bounds(), kMillimetresPerFoot), 1e-4);
  EXPECT_NEAR(box.max.x, 1828.8, 1e-4);  // 6 ft

  const std::string mtl = MtlText();
  EXPECT_NE(mtl.find("newmtl wood\n"), std::string::npos);
  EXPECT_NE(mtl.find("\nKd 0.8"), std::string::npos);
  EXPECT_EQ(obj.find("usemtl wood"), obj.find('\n', obj.find("o Leg 1")) + 1);
}

TEST_F(ModelFiles, StlIsOneSolidOfOutwardTrianglesInMillimetres) {
  const std::string stl = StlBytes(model);
  ASSERT_GE(stl.size(), 84u);
  EXPECT_NE(stl.rfind("solid", 0), 0u);  // not mistaken for a text STL
  const std::uint32_t triangles = U32(stl, 80);
  // Every piece is a box of four-sided faces: 12 triangles.
  EXPECT_EQ(triangles, 12 * model.pieces.size());
  ASSERT_EQ(stl.size(), 84 + 50 * static_cast<size_t>(triangles));
  Box3 box;
  double sixfoldVolume = 0;
  for (size_t i = 0; i < triangles; ++i) {
    const size_t at = 84 + 50 * i;
    const Vec3 n = Vec3At(stl, at);
    const Vec3 a = Vec3At(stl, at + 12), b = Vec3At(stl, at + 24), c = Vec3At(stl, at + 36);
    EXPECT_NEAR(Length(n), 1, 1e-6);
    const Vec3 winding = Normalized(Cross(b - a, c - a));
    EXPECT_NEAR(Length(winding - n), 0, 1e-4) << "triangle " << i;
    EXPECT_EQ(stl[at + 48], 0);
    EXPECT_EQ(stl[at + 49], 0);
    for (const Vec3& p : {a, b, c}) box.Add(p);
    sixfoldVolume += Dot(a, Cross(b, c));
  }
  ExpectBoxNear(box, Scaled(model.Bounds(), kMillimetresPerFoot), 1e-3);
  const double mm3 = ModelVolume(model) * std::pow(kMillimetresPerFoot, 3);
  EXPECT_NEAR(sixfoldVolume / 6, mm3, 1e-5 * mm3);
}

TEST_F(ModelFiles, GlbHasAValidJsonChunkNamedNodesAndBoundedPositions) {
  const std::string glb = GlbBytes(model);
  ASSERT_GE(glb.size(), 20u);
  EXPECT_EQ(glb.substr(0, 4), "glTF");
  EXPECT_EQ(U32(glb, 4), 2u);
  EXPECT_EQ(U32(glb, 8), glb.size());

  const std::uint32_t jsonLength = U32(glb, 12);
  EXPECT_EQ(jsonLength % 4, 0u);
  EXPECT_EQ(glb.substr(16, 4), "JSON");
  const std::string json = glb.substr(20, jsonLength);
  EXPECT_EQ(json.back() == ' ' || json.back() == '}', true);
  const JsonValue doc = JsonReader::Parse(json);  // padding spaces are blanks
  const size_t binAt = 20 + jsonLength;
  const std::uint32_t binLength = U32(glb, binAt);
  EXPECT_EQ(binLength % 4, 0u);
  EXPECT_EQ(glb.substr(binAt + 4, 4), std::string("BIN\0", 4));
  EXPECT_EQ(binAt + 8 + binLength, glb.size());
  const std::string bin = glb.substr(binAt + 8, binLength);
  const auto byteLength = static_cast<size_t>(doc["buffers"][0]["byteLength"].number);
  ASSERT_LE(byteLength, bin.size());
  for (size_t i = byteLength; i < bin.size(); ++i) EXPECT_EQ(bin[i], '\0');

  EXPECT_EQ(doc["asset"]["version"].text, "2.0");
  const JsonValue& nodes = doc["nodes"];
  ASSERT_EQ(nodes.items.size(), model.pieces.size());
  EXPECT_EQ(doc["scenes"][0]["nodes"].items.size(), model.pieces.size());

  Box3 box;
  for (size_t i = 0; i < model.pieces.size(); ++i) {
    EXPECT_EQ(nodes[i]["name"].text, model.pieces[i].name);
    const JsonValue& primitive =
        doc["meshes"][static_cast<size_t>(nodes[i]["mesh"].number)]["primitives"][0];
    const JsonValue& position =
        doc["accessors"][static_cast<size_t>(primitive["attributes"]["POSITION"].number)];
    EXPECT_EQ(position["type"].text, "VEC3");
    const JsonValue& view = doc["bufferViews"][static_cast<size_t>(position["bufferView"].number)];
    const auto offset = static_cast<size_t>(view["byteOffset"].number);
    const auto count = static_cast<size_t>(position["count"].number);
    EXPECT_EQ(offset % 4, 0u);
    Box3 piece;
    for (size_t k = 0; k < count; ++k) piece.Add(Vec3At(bin, offset + 12 * k));
    // The accessor's bounds are exactly those of the floats it holds.
    for (int axis = 0; axis < 3; ++axis) {
      const double lo = axis == 0 ? piece.min.x : axis == 1 ? piece.min.y : piece.min.z;
      const double hi = axis == 0 ? piece.max.x : axis == 1 ? piece.max.y : piece.max.z;
      EXPECT_EQ(static_cast<float>(position["min"][axis].number), static_cast<float>(lo));
      EXPECT_EQ(static_cast<float>(position["max"][axis].number), static_cast<float>(hi));
    }
    box.Add(piece);
  }
  // Metres, y up: the model's z is glTF's y, and its y is glTF's -z.
  const Box3 ours = model.Bounds();
  const double m = kMetresPerFoot;
  ExpectBoxNear(box,
                {{ours.min.x * m, ours.min.z * m, -ours.max.y * m},
                 {ours.max.x * m, ours.max.z * m, -ours.min.y * m}},
                1e-6);
  EXPECT_NEAR(box.max.y, 29.5 * 0.0254, 1e-6);  // the table's height, up
}

TEST_F(ModelFiles, EmptyModelsStillMakeValidFiles) {
  const TableModel empty;
  EXPECT_EQ(U32(StlBytes(empty), 80), 0u);
  const std::string glb = GlbBytes(empty);
  EXPECT_EQ(U32(glb, 8), glb.size());
  const JsonValue doc = JsonReader::Parse(glb.substr(20, U32(glb, 12)));
  EXPECT_FALSE(doc.Has("nodes"));
  EXPECT_EQ(glb.size(), 20 + U32(glb, 12));  // no BIN chunk
}

TEST_F(ModelFiles, WritesByExtensionAndSaysWhyItCannot) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("varnloft_model3d_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  EXPECT_EQ(WriteModelFile(model, (dir / "Table.OBJ").string()), "");
  EXPECT_TRUE(std::filesystem::exists(dir / "Table.mtl"));
  std::ifstream obj(dir / "Table.OBJ");
  std::string first, second;
  std::getline(obj, first);
  std::getline(obj, second);
  EXPECT_EQ(second, "mtllib Table.mtl");
  EXPECT_EQ(WriteModelFile(model, (dir / "t.stl").string()), "");
  EXPECT_EQ(std::filesystem::file_size(dir / "t.stl"), StlBytes(model).size());
  EXPECT_EQ(WriteModelFile(model, (dir / "t.glb").string()), "");
  EXPECT_EQ(std::filesystem::file_size(dir / "t.glb"), GlbBytes(model).size());

  EXPECT_EQ(WriteModelFile(model, (dir / "t.dxf").string()),
            "'" + (dir / "t.dxf").string() +
                "' does not end in .obj, .stl or .glb, so its 3D "
                "format is unknown.");
  const std::string missing = (dir / "no such folder" / "t.stl").string();
  EXPECT_EQ(WriteModelFile(model, missing)
                .rfind("The 3D model could not be written to '" + missing + "'", 0),
            0u);

  // A target that cannot be replaced (here a folder) is left as it was and no temporary file
  // stays behind; the material file of the set is not put in place either.
  std::filesystem::create_directories(dir / "busy.obj" / "inside");
  const std::string busy = (dir / "busy.obj").string();
  EXPECT_EQ(WriteModelFile(model, busy),
            "The 3D model could not be written to '" + busy + "': a folder has that name.");
  EXPECT_TRUE(std::filesystem::is_directory(dir / "busy.obj" / "inside"));
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    left.push_back(entry.path().filename().string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left,
            (std::vector<std::string>{"Table.OBJ", "Table.mtl", "busy.obj", "t.glb", "t.stl"}));
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace varnloft
