#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "model3d/model_files.h"

namespace varnloft {

namespace {

std::string WriteBytes(const std::string& path, const std::string& bytes) {
  errno = 0;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (out) out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (out) out.close();
  if (!out) {
    const int code = errno;
    return "The 3D model could not be written to '" + path + "'" +
           (code ? std::string(": ") + std::strerror(code) : std::string()) + ".";
  }
  return "";
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return s;
}

}  // namespace

std::string WriteModelFile(const TableModel& model, const std::string& path) {
  const std::filesystem::path file(path);
  const std::string extension = Lower(file.extension().string());
  if (extension == ".stl") return WriteBytes(path, StlBytes(model));
  if (extension == ".glb") return WriteBytes(path, GlbBytes(model));
  if (extension == ".obj") {
    std::filesystem::path mtl = file;
    mtl.replace_extension(".mtl");
    std::string error = WriteBytes(mtl.string(), MtlText());
    if (!error.empty()) return error;
    return WriteBytes(path, ObjText(model, mtl.filename().string()));
  }
  return "'" + path + "' does not end in .obj, .stl or .glb, so its 3D format is unknown.";
}

}  // namespace varnloft
