// OBJ, MTL and binary STL: both in millimetres with z up, as the table model is laid out.
#include <cstdio>

#include "model3d/binary_out.h"
#include "model3d/model_files.h"
#include "model3d/table_renderer.h"

namespace varnloft {

namespace {

std::string ObjNumber(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.9g", v);
  return buf;
}

std::string ColourText(Rgb c) {
  return ObjNumber(c.r / 255.0) + " " + ObjNumber(c.g / 255.0) + " " + ObjNumber(c.b / 255.0);
}

// One line of text: the names come from the member list, but a line break would end the
// statement early.
std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  return text;
}

}  // namespace

std::string MtlText() {
  return "# Varnloft table model\nnewmtl wood\nKa 0 0 0\nKd " + ColourText(kWoodColour) +
         "\nKs 0 0 0\nd 1\nillum 1\n";
}

std::string ObjText(const TableModel& model, const std::string& mtlFileName) {
  std::string out =
      "# Varnloft table model: millimetres, z up\nmtllib " + OneLine(mtlFileName) + "\n";
  size_t firstVertex = 1, firstNormal = 1;
  for (const ModelPiece& piece : model.pieces) {
    out += "o " + OneLine(piece.name) + "\nusemtl wood\n";
    for (const Vec3& v : piece.mesh.vertices) {
      const Vec3 mm = v * kMillimetresPerFoot;
      out += "v " + ObjNumber(mm.x) + " " + ObjNumber(mm.y) + " " + ObjNumber(mm.z) + "\n";
    }
    for (const MeshFace& f : piece.mesh.faces)
      out += "vn " + ObjNumber(f.normal.x) + " " + ObjNumber(f.normal.y) + " " +
             ObjNumber(f.normal.z) + "\n";
    for (size_t i = 0; i < piece.mesh.faces.size(); ++i) {
      out += "f";
      const std::string normal = std::to_string(firstNormal + i);
      for (int c : piece.mesh.faces[i].corners)
        out += " " + std::to_string(firstVertex + c) + "//" + normal;
      out += "\n";
    }
    firstVertex += piece.mesh.vertices.size();
    firstNormal += piece.mesh.faces.size();
  }
  return out;
}

std::string StlBytes(const TableModel& model) {
  std::string header = "Varnloft table model: binary STL, millimetres, z up";
  header.resize(80, ' ');
  std::uint32_t triangles = 0;
  for (const ModelPiece& piece : model.pieces)
    for (const MeshFace& f : piece.mesh.faces)
      if (f.corners.size() >= 3) triangles += static_cast<std::uint32_t>(f.corners.size() - 2);

  std::string out = header;
  AppendU32(out, triangles);
  auto point = [&out](const Vec3& v) {
    AppendF32(out, ToFloat(v.x));
    AppendF32(out, ToFloat(v.y));
    AppendF32(out, ToFloat(v.z));
  };
  for (const ModelPiece& piece : model.pieces) {
    const auto& vs = piece.mesh.vertices;
    for (const MeshFace& f : piece.mesh.faces) {
      for (size_t k = 1; k + 1 < f.corners.size(); ++k) {
        point(f.normal);
        point(vs[f.corners[0]] * kMillimetresPerFoot);
        point(vs[f.corners[k]] * kMillimetresPerFoot);
        point(vs[f.corners[k + 1]] * kMillimetresPerFoot);
        AppendU16(out, 0);
      }
    }
  }
  return out;
}

}  // namespace varnloft
