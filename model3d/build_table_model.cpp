#include "model3d/build_table_model.h"

#include <cctype>
#include <cmath>
#include <string>

#include "design/table_members.h"
#include "measure/number_text.h"
#include "model3d/piece_placement.h"

namespace varnloft {

namespace {

bool FinitePlacement(const Placement& p) {
  return AllFinite(p.origin) && AllFinite(p.along) && AllFinite(p.across) && AllFinite(p.through);
}

// "The legs are left out of the 3D model: <reason>."
std::string LeftOut(const TableMember& m, const std::string& reason) {
  std::string name;
  for (const char* c = m.name; *c; ++c) name += static_cast<char>(std::tolower(*c));
  const bool one = m.kind == MemberKind::CentreSupport;
  return "The " + name + (one ? " is" : "s are") + " left out of the 3D model: " + reason + ".";
}

// Why the member cannot be modelled, or "" when it can.
std::string Unusable(const TableMember& m, double thickness) {
  if (!(std::isfinite(m.length) && m.length > 0 && std::isfinite(m.width) && m.width > 0))
    return LeftOut(m, "the length or width is not positive");
  const Outline outline = OutlineOf(m);
  for (const Vec2& p : outline) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return LeftOut(m, "the outline is not finite");
  }
  if (!IsSimple(outline)) return LeftOut(m, "the outline crosses itself");
  if (!(std::isfinite(thickness) && thickness > 0))
    return LeftOut(m, "the lumber thickness is not positive");
  return "";
}

// The number of copies of a board member to model, or -1 with a note.
int BoardCopies(const TableMember& m, std::vector<std::string>& notes) {
  const bool seats = m.kind == MemberKind::Seat;
  const double perRow = seats ? m.count / 2 : m.count;
  if (!(std::isfinite(perRow) && perRow >= 1 && perRow == std::floor(perRow))) {
    notes.push_back(LeftOut(m, "the count " + PlainDecimal(m.count) +
                                   " is not a positive whole number" +
                                   (seats ? " on each side" : "")));
    return -1;
  }
  if (perRow > kMaxModelledBoardsPerRow) {
    notes.push_back(LeftOut(m, PlainDecimal(perRow) + " in a row are more than the " +
                                   std::to_string(kMaxModelledBoardsPerRow) + " it models"));
    return -1;
  }
  return static_cast<int>(seats ? 2 * perRow : perRow);
}

}  // namespace

TableModel BuildTableModel(const DesignRecord& rec) {
  TableModel model;
  model.overallLength = rec.OverallLength;
  model.overallWidth = rec.OverallWidth;
  model.tableHeight = rec.TableHeight;
  if (rec.LastCalculationFailed) {
    model.notes.emplace_back("The last calculation failed, so there is no table to model.");
    return model;
  }
  const double thickness = rec.LumberThickness;
  for (const TableMember& m : TableMembers(rec)) {
    if (!m.present) continue;
    const std::string why = Unusable(m, thickness);
    if (!why.empty()) {
      model.notes.push_back(why);
      continue;
    }
    int copies = FixedCopies(m.kind);
    if (copies == 0) copies = BoardCopies(m, model.notes);
    if (copies < 0) continue;
    const std::vector<Placement> placements = PlaceMember(m, copies, rec);
    const Outline outline = OutlineOf(m);
    std::vector<ModelPiece> pieces;
    bool finite = true;
    for (size_t i = 0; i < placements.size() && finite; ++i) {
      ModelPiece piece;
      piece.name = std::string(m.name) + " " + std::to_string(i + 1);
      piece.member = m.name;
      piece.outline = outline;
      piece.thickness = thickness;
      piece.length = m.length;
      piece.width = m.width;
      piece.placement = placements[i];
      finite = FinitePlacement(piece.placement);
      piece.mesh = ExtrudeOutline(outline, thickness, piece.placement);
      pieces.push_back(std::move(piece));
    }
    if (!finite) {
      model.notes.push_back(LeftOut(m, "the design puts them at no finite place"));
      continue;
    }
    for (ModelPiece& p : pieces) model.pieces.push_back(std::move(p));
  }
  return model;
}

}  // namespace varnloft
