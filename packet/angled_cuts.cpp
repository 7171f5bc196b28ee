#include "packet/angled_cuts.h"

#include <cmath>

#include "measure/angles.h"

namespace varnloft {

namespace {

// A cut a saw can make: off square, and short of running along the board.
bool IsAngledCut(float angle) {
  return std::isfinite(angle) && angle != 0 && std::fabs(angle) < 90;
}

}  // namespace

double TemplateScale(const DesignRecord& rec) {
  if (!rec.ModelScale) return 1;
  const double factor = rec.ScaleFactor;
  return std::isfinite(factor) && factor > 0 ? factor : 1;
}

std::string AngleName(const AngledCut& cut) {
  bool brace = false, leg = false;
  for (const CutMember& m : cut.members) (m.kind == MemberKind::Brace ? brace : leg) = true;
  return brace && leg ? "leg and brace angle" : brace ? "brace angle" : "leg angle";
}

std::vector<AngledCut> AngledCuts(const DesignRecord& rec) {
  std::vector<AngledCut> cuts;
  for (const TableMember& m : TableMembers(rec)) {
    if (!m.present || m.shape == MemberShape::Rectangle) continue;
    // The record's widths are singles; members of one lumber size compare equal.
    const float width = static_cast<float>(m.width);
    if (!IsAngledCut(m.cutAngle) || !std::isfinite(width) || width <= 0) continue;
    AngledCut* same = nullptr;
    for (AngledCut& c : cuts)
      if (c.angle == m.cutAngle && static_cast<float>(c.width) == width) same = &c;
    if (!same) {
      AngledCut cut;
      cut.angle = m.cutAngle;
      cut.width = width;
      cut.offset = std::fabs(static_cast<double>(TanDeg(m.cutAngle))) * width;
      cuts.push_back(cut);
      same = &cuts.back();
    }
    same->members.push_back({m.kind, m.name, m.count, m.shape});
  }
  return cuts;
}

}  // namespace varnloft
