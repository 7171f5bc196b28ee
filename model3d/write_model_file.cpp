#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "model3d/model_files.h"
#include "platform/atomic_write.h"

namespace varnloft {

namespace {

std::string Failure(const std::string& path, const std::string& reason) {
  return "The 3D model could not be written to '" + path + "': " + reason + ".";
}

// Writes every (path, bytes) pair as one set: no target is replaced until all were written.
std::string WriteAll(const std::vector<std::pair<std::string, std::string>>& files) {
  std::vector<FileToWrite> set;
  set.reserve(files.size());
  for (const auto& [path, bytes] : files) set.push_back({path, bytes});
  const WriteFailure failure = WriteFileSetAtomically(set);
  return failure.reason.empty() ? "" : Failure(failure.path, failure.reason);
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return s;
}

}  // namespace

std::string WriteModelFile(const TableModel& model, const std::string& path) {
  const std::filesystem::path file(path);
  const std::string extension = Lower(file.extension().string());
  if (extension == ".stl") return WriteAll({{path, StlBytes(model)}});
  if (extension == ".glb") return WriteAll({{path, GlbBytes(model)}});
  if (extension == ".obj") {
    std::filesystem::path mtl = file;
    mtl.replace_extension(".mtl");
    return WriteAll({{mtl.string(), MtlText()}, {path, ObjText(model, mtl.filename().string())}});
  }
  return "'" + path + "' does not end in .obj, .stl or .glb, so its 3D format is unknown.";
}

}  // namespace varnloft
