#include "safety/board_spans.h"

#include <algorithm>
#include <cmath>

#include "design/table_members.h"
#include "safety/model_parts.h"
#include "safety/si_units.h"

namespace varnloft {

namespace {

// One row of boards lying side by side across the table.
struct BoardRow {
  int boards = 0;
  double widthM = 0, thicknessM = 0, gapM = 0;
  double centreY = 0;  // the row's centre line along the table
};

BoardRow RowOf(const std::vector<const ModelPiece*>& pieces) {
  BoardRow row;
  if (pieces.empty()) return row;
  std::vector<Box3> boxes;
  boxes.reserve(pieces.size());
  for (const ModelPiece* p : pieces) boxes.push_back(PieceBox(*p));
  std::sort(boxes.begin(), boxes.end(),
            [](const Box3& a, const Box3& b) { return a.min.y < b.min.y; });
  row.boards = static_cast<int>(pieces.size());
  row.widthM = pieces.front()->width * kMetresPerFoot;
  row.thicknessM = pieces.front()->thickness * kMetresPerFoot;
  row.gapM = boxes.size() > 1 ? std::max(0.0, boxes[1].min.y - boxes[0].max.y) : 0;
  row.centreY = (boxes.front().min.y + boxes.back().max.y) / 2;
  return row;
}

// The x of each piece's centre line, left to right.
std::vector<double> CentreLines(const TableModel& model, const std::vector<std::string>& members) {
  std::vector<double> xs;
  for (const std::string& member : members)
    for (const ModelPiece* p : PiecesOf(model, member)) xs.push_back(PieceBox(*p).Centre().x);
  std::sort(xs.begin(), xs.end());
  return xs;
}

double LongestSpan(const std::vector<double>& lines) {
  double longest = 0;
  for (size_t i = 1; i < lines.size(); ++i) longest = std::max(longest, lines[i] - lines[i - 1]);
  return longest;
}

// Where each seat support's leg bolts sit (metres): the member's holes on its centre line,
// measured along the top edge from its left end.
std::vector<Vec3> LegBolts(const TableModel& model, const DesignRecord& rec) {
  std::vector<Vec3> bolts;
  const std::vector<TableMember> members = TableMembers(rec);
  const TableMember* support = FindMember(members, MemberKind::SeatSupport);
  if (!support) return bolts;
  for (const ModelPiece* p : PiecesOf(model, "Seat Support")) {
    if (p->outline.size() != 4) continue;
    const double topLeft = p->outline[3].x;
    for (double hole : support->holes)
      bolts.push_back(InMetres(p->placement.At(topLeft + hole, p->width / 2, p->thickness / 2)));
  }
  return bolts;
}

}  // namespace

StrengthChecks CheckStrength(const TableModel& model, const DesignRecord& rec, WoodSpecies species,
                             double personForceN, double deflectionRatio) {
  StrengthChecks out;
  const std::vector<const ModelPiece*> tops = PiecesOf(model, "Table Top");
  const std::vector<double> topSupports = CentreLines(model, {"Outer Support", "Centre Support"});
  const std::vector<double> seatSupports = CentreLines(model, {"Seat Support"});
  if (tops.empty())
    out.missing = "the table has no table top boards";
  else if (topSupports.size() < 2)
    out.missing = "the table top has fewer than two supports";
  else if (seatSupports.size() < 2)
    out.missing = "the seats have fewer than two seat supports";
  if (!out.missing.empty()) return out;

  const BoardRow top = RowOf(tops);
  const Box3 topBox = BoxOf(model, {"Table Top"});
  std::vector<const ModelPiece*> front, back;
  for (const ModelPiece* p : PiecesOf(model, "Seat"))
    (PieceBox(*p).Centre().y < topBox.Centre().y ? front : back).push_back(p);
  if (front.empty() || back.empty()) {
    out.missing = "the table has no seat boards on one side";
    return out;
  }
  const std::vector<Vec3> bolts = LegBolts(model, rec);
  if (bolts.empty()) {
    out.missing = "the seat supports have no leg bolts";
    return out;
  }

  out.members.push_back(MidSpanBoard(
      "Table Top", LongestSpan(topSupports), BoardsSharing(top.boards, top.widthM, top.gapM),
      personForceN, top.widthM, top.thicknessM,
      BendingDesignOf(species, top.widthM, top.thicknessM, true), deflectionRatio));

  const BoardRow seat = RowOf(front.size() >= back.size() ? front : back);
  out.members.push_back(MidSpanBoard(
      "Seat", LongestSpan(seatSupports), BoardsSharing(seat.boards, seat.widthM, seat.gapM),
      personForceN, seat.widthM, seat.thicknessM,
      BendingDesignOf(species, seat.widthM, seat.thicknessM, true), deflectionRatio));

  // Each seat hangs off the nearest bolt; the longer of the two arms counts.
  double arm = 0;
  for (const BoardRow& row : {RowOf(front), RowOf(back)}) {
    double nearest = HUGE_VAL;
    for (const Vec3& bolt : bolts) nearest = std::fmin(nearest, std::fabs(row.centreY - bolt.y));
    arm = std::fmax(arm, nearest);
  }
  const ModelPiece& support = *PiecesOf(model, "Seat Support").front();
  const double thickness = support.thickness * kMetresPerFoot;
  const double depth = support.width * kMetresPerFoot;
  out.members.push_back(CantileverOnEdge("Seat Support", arm, personForceN, thickness, depth,
                                         BendingDesignOf(species, depth, thickness, false),
                                         deflectionRatio));
  return out;
}

}  // namespace varnloft
