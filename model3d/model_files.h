#pragma once
// The table model as files for other programs: Wavefront OBJ with its MTL and binary STL in
// millimetres with z up, and binary glTF 2.0 (.glb) in metres with y up as glTF requires.
// Each piece is one named object (OBJ) or node (glb); the STL is one solid.
#include <string>

#include "measure/unit_conversions.h"
#include "model3d/table_model.h"

namespace varnloft {

// The OBJ text; `mtlFileName` is the name the `mtllib` line gives for the material file.
std::string ObjText(const TableModel& model, const std::string& mtlFileName);
std::string MtlText();
std::string StlBytes(const TableModel& model);
std::string GlbBytes(const TableModel& model);

// Writes the model to `path` in the format its extension names (.obj, which also writes the
// .mtl beside it, .stl or .glb, in any letter case). Returns an empty string, or a sentence
// saying why nothing (or not everything) was written.
std::string WriteModelFile(const TableModel& model, const std::string& path);

}  // namespace varnloft
