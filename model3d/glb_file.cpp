// Binary glTF 2.0: one mesh and one named node per piece, flat-shaded (each face has its own
// corners so that its normal stays sharp), in metres with y up. Our z-up coordinates turn a
// quarter turn about x: (x, y, z) becomes (x, z, -y), a rotation, so windings stay outward.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "model3d/binary_out.h"
#include "model3d/model_files.h"
#include "model3d/table_renderer.h"
#include "platform/json_text.h"

namespace varnloft {

namespace {

constexpr std::uint32_t kGlbMagic = 0x46546C67;    // "glTF"
constexpr std::uint32_t kJsonChunk = 0x4E4F534A;   // "JSON"
constexpr std::uint32_t kBinChunk = 0x004E4942;    // "BIN\0"
constexpr int kFloat = 5126, kUnsignedInt = 5125;  // accessor component types
constexpr int kArrayBuffer = 34962, kElementArrayBuffer = 34963;

std::string GltfNumber(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.9g", v);
  return buf;
}

struct YUp {
  float x, y, z;
};

YUp ToYUp(const Vec3& v, double scale) {
  return {ToFloat(v.x * scale), ToFloat(v.z * scale), ToFloat(-v.y * scale)};
}

// Appends one buffer view with its accessor; returns the accessor's index.
class GlbBuilder {
 public:
  int AddFloats3(const std::vector<YUp>& values, bool withBounds) {
    const size_t offset = bin_.size();
    YUp lo{HUGE_VALF, HUGE_VALF, HUGE_VALF}, hi{-HUGE_VALF, -HUGE_VALF, -HUGE_VALF};
    for (const YUp& v : values) {
      AppendF32(bin_, v.x);
      AppendF32(bin_, v.y);
      AppendF32(bin_, v.z);
      lo = {std::min(lo.x, v.x), std::min(lo.y, v.y), std::min(lo.z, v.z)};
      hi = {std::max(hi.x, v.x), std::max(hi.y, v.y), std::max(hi.z, v.z)};
    }
    const int view = AddView(offset, kArrayBuffer);
    std::string accessor = "{\"bufferView\": " + std::to_string(view) +
                           ", \"componentType\": " + std::to_string(kFloat) +
                           ", \"count\": " + std::to_string(values.size()) + ", \"type\": \"VEC3\"";
    if (withBounds && !values.empty()) {
      accessor += ", \"min\": [" + GltfNumber(lo.x) + ", " + GltfNumber(lo.y) + ", " +
                  GltfNumber(lo.z) + "], \"max\": [" + GltfNumber(hi.x) + ", " + GltfNumber(hi.y) +
                  ", " + GltfNumber(hi.z) + "]";
    }
    accessors_.push_back(accessor + "}");
    return static_cast<int>(accessors_.size()) - 1;
  }

  int AddIndices(const std::vector<std::uint32_t>& indices) {
    const size_t offset = bin_.size();
    for (std::uint32_t i : indices) AppendU32(bin_, i);
    const int view = AddView(offset, kElementArrayBuffer);
    accessors_.push_back("{\"bufferView\": " + std::to_string(view) +
                         ", \"componentType\": " + std::to_string(kUnsignedInt) + ", \"count\": " +
                         std::to_string(indices.size()) + ", \"type\": \"SCALAR\"}");
    return static_cast<int>(accessors_.size()) - 1;
  }

  void AddPiece(const std::string& name, const std::string& primitive) {
    const std::string quoted = JsonQuote(name);
    const size_t index = nodes_.size();
    nodes_.push_back("{\"name\": " + quoted + ", \"mesh\": " + std::to_string(index) + "}");
    meshes_.push_back("{\"name\": " + quoted + ", \"primitives\": [" + primitive + "]}");
  }

  // glTF forbids empty lists, so a model without pieces is a scene without nodes.
  std::string Json() const {
    std::string sceneNodes;
    for (size_t i = 0; i < nodes_.size(); ++i) sceneNodes += (i ? ", " : "") + std::to_string(i);
    std::string json =
        "{\"asset\": {\"version\": \"2.0\", \"generator\": \"Varnloft\"}, \"scene\": 0, "
        "\"scenes\": [{\"name\": \"Table\"";
    if (nodes_.empty()) return json + "}]}";
    json += ", \"nodes\": [" + sceneNodes + "]}], \"nodes\": " + List(nodes_) +
            ", \"meshes\": " + List(meshes_) +
            ", \"materials\": [{\"name\": \"wood\", \"pbrMetallicRoughness\": "
            "{\"baseColorFactor\": [" +
            GltfNumber(kWoodColour.r / 255.0) + ", " + GltfNumber(kWoodColour.g / 255.0) + ", " +
            GltfNumber(kWoodColour.b / 255.0) +
            ", 1], \"metallicFactor\": 0, \"roughnessFactor\": 0.9}, \"doubleSided\": false}]";
    json += ", \"buffers\": [{\"byteLength\": " + std::to_string(bin_.size()) +
            "}], \"bufferViews\": " + List(views_) + ", \"accessors\": " + List(accessors_);
    return json + "}";
  }

  const std::string& Bin() const { return bin_; }

 private:
  int AddView(size_t offset, int target) {
    views_.push_back("{\"buffer\": 0, \"byteOffset\": " + std::to_string(offset) +
                     ", \"byteLength\": " + std::to_string(bin_.size() - offset) +
                     ", \"target\": " + std::to_string(target) + "}");
    return static_cast<int>(views_.size()) - 1;
  }

  static std::string List(const std::vector<std::string>& items) {
    std::string out = "[";
    for (size_t i = 0; i < items.size(); ++i) out += (i ? ", " : "") + items[i];
    return out + "]";
  }

  std::string bin_;
  std::vector<std::string> views_, accessors_, nodes_, meshes_;
};

void AppendChunk(std::string& out, std::uint32_t type, std::string data, char pad) {
  while (data.size() % 4 != 0) data.push_back(pad);
  AppendU32(out, static_cast<std::uint32_t>(data.size()));
  AppendU32(out, type);
  out += data;
}

}  // namespace

std::string GlbBytes(const TableModel& model) {
  GlbBuilder glb;
  for (const ModelPiece& piece : model.pieces) {
    std::vector<YUp> positions, normals;
    std::vector<std::uint32_t> indices;
    for (const MeshFace& f : piece.mesh.faces) {
      const auto first = static_cast<std::uint32_t>(positions.size());
      for (int c : f.corners) {
        positions.push_back(ToYUp(piece.mesh.vertices[c], kMetresPerFoot));
        normals.push_back(ToYUp(f.normal, 1));
      }
      for (std::uint32_t k = 1; k + 1 < f.corners.size(); ++k)
        indices.insert(indices.end(), {first, first + k, first + k + 1});
    }
    if (indices.empty()) continue;  // glTF has no empty primitives
    const int position = glb.AddFloats3(positions, true);
    const int normal = glb.AddFloats3(normals, false);
    const int index = glb.AddIndices(indices);
    glb.AddPiece(piece.name, "{\"attributes\": {\"POSITION\": " + std::to_string(position) +
                                 ", \"NORMAL\": " + std::to_string(normal) + "}, \"indices\": " +
                                 std::to_string(index) + ", \"material\": 0, \"mode\": 4}");
  }

  std::string chunks;
  AppendChunk(chunks, kJsonChunk, glb.Json(), ' ');
  if (!glb.Bin().empty()) AppendChunk(chunks, kBinChunk, glb.Bin(), '\0');
  std::string out;
  AppendU32(out, kGlbMagic);
  AppendU32(out, 2);
  AppendU32(out, static_cast<std::uint32_t>(12 + chunks.size()));
  return out + chunks;
}

}  // namespace varnloft
