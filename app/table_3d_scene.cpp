#include "app/table_3d_scene.h"

#include <map>

#include "materials/pieces.h"
#include "model3d/build_table_model.h"

namespace varnloft {

namespace {

std::string Trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string NameList(const std::vector<std::string>& names) {
  std::string text;
  for (size_t i = 0; i < names.size(); ++i)
    text += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
  return text;
}

std::string FitMessage(const TableModel& model, const FitReport& fit) {
  if (fit.ok) return "The " + std::to_string(model.pieces.size()) + " pieces fit together.";
  std::vector<std::string> lines = model.notes;
  if (!fit.overlaps.empty()) {
    std::vector<std::string> pairs;
    for (const PieceOverlap& o : fit.overlaps) pairs.push_back(o.nameA + " with " + o.nameB);
    lines.push_back("The pieces in red pass through each other: " + NameList(pairs) + ".");
  }
  std::vector<std::string> wrongVolume;
  for (int piece : fit.offending) {
    bool overlapping = false;
    for (const PieceOverlap& o : fit.overlaps) overlapping |= o.a == piece || o.b == piece;
    if (!overlapping) wrongVolume.push_back(model.pieces[piece].name);
  }
  if (!wrongVolume.empty())
    lines.push_back("The solid of " + NameList(wrongVolume) + " is not its outline times the " +
                    "thickness.");
  if (lines.empty()) lines.emplace_back("The fit check failed.");
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
  return text;
}

}  // namespace

Table3dScene SceneOf(const DesignRecord& rec) {
  Table3dScene scene;
  if (rec.LastCalculationFailed) {
    scene.message = "The table cannot be shown: the last calculation failed.";
    return scene;
  }
  scene.model = BuildTableModel(rec);
  scene.fit = CheckFit(scene.model, rec.Lengths());
  for (const std::string& finding : scene.fit.findings)
    scene.details += (scene.details.empty() ? "" : "\n") + finding;
  if (!scene.HasTable()) {
    scene.message =
        "The table cannot be shown: " +
        (scene.model.notes.empty() ? std::string("it has no pieces.") : scene.model.notes.front());
    return scene;
  }
  scene.message = FitMessage(scene.model, scene.fit);

  // The lumber of each member as the materials list names it.
  std::map<std::string, std::string> lumber;
  for (const Piece& piece : ListPieces(rec).pieces) lumber[piece.member] = piece.lumber.name;
  for (const ModelPiece& piece : scene.model.pieces) {
    std::string text =
        piece.name + ": " + Trimmed(rec.FormatLength(static_cast<float>(piece.length))) + " long";
    const auto found = lumber.find(piece.member);
    if (found != lumber.end() && !found->second.empty()) text += ", " + found->second;
    scene.descriptions.push_back(text);
  }
  return scene;
}

}  // namespace varnloft
