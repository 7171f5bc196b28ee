#include "safety/beam_formulas.h"

#include <algorithm>
#include <cmath>

namespace varnloft {

namespace {

// The stress and deflection judged together; a figure that is not finite fails.
void Judge(MemberStrength& m, double deflectionRatio) {
  m.deflectionLimitM = m.spanM / deflectionRatio;
  m.ok = std::isfinite(m.deflectionM) && std::isfinite(m.stressPa) &&
         m.deflectionM <= m.deflectionLimitM && m.stressPa <= m.allowablePa;
}

}  // namespace

int BoardsSharing(int boardsInRow, double boardWidthM, double gapM) {
  const double fit = std::floor((kPersonSeatWidthM + gapM) / (boardWidthM + gapM));
  const int fitting = std::isfinite(fit) && fit > 1 ? static_cast<int>(std::min(fit, 1e6)) : 1;
  return std::max(1, std::min(boardsInRow, fitting));
}

MemberStrength MidSpanBoard(const std::string& member, double spanM, int boards,
                            double personForceN, double widthM, double thicknessM,
                            const BendingDesign& design, double deflectionRatio) {
  MemberStrength m;
  m.member = member;
  m.spanM = spanM;
  m.boardsSharing = boards;
  m.loadN = personForceN * design.loadFactor;
  m.elasticPa = design.elasticPa;
  m.allowablePa = design.allowablePa;
  m.secondMomentM4 = widthM * thicknessM * thicknessM * thicknessM / 12;
  m.sectionModulusM3 = widthM * thicknessM * thicknessM / 6;
  const double perBoard = personForceN / boards;
  m.deflectionM = perBoard * spanM * spanM * spanM / (48 * m.elasticPa * m.secondMomentM4);
  m.stressPa = (m.loadN / boards) * spanM / 4 / m.sectionModulusM3;
  Judge(m, deflectionRatio);
  return m;
}

MemberStrength CantileverOnEdge(const std::string& member, double lengthM, double personForceN,
                                double thicknessM, double depthM, const BendingDesign& design,
                                double deflectionRatio) {
  MemberStrength m;
  m.member = member;
  m.cantilever = true;
  m.spanM = lengthM;
  m.boardsSharing = 1;
  m.loadN = personForceN * design.loadFactor;
  m.elasticPa = design.elasticPa;
  m.allowablePa = design.allowablePa;
  m.secondMomentM4 = thicknessM * depthM * depthM * depthM / 12;
  m.sectionModulusM3 = thicknessM * depthM * depthM / 6;
  m.deflectionM = personForceN * lengthM * lengthM * lengthM / (3 * m.elasticPa * m.secondMomentM4);
  m.stressPa = m.loadN * lengthM / m.sectionModulusM3;
  Judge(m, deflectionRatio);
  return m;
}

}  // namespace varnloft
