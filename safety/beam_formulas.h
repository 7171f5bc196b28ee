#pragma once
// The beam formulas of the sag and strength check, for one member of rectangular section: a
// board laid flat between two supports with the load at mid-span, and a member on edge held at
// one end with the load at the other. Metres, newtons, pascals.
#include <string>

#include "safety/wood.h"

namespace varnloft {

// The boards under one person: a seat's width of 400 mm takes in as many boards as fit with
// their gaps, at least one and no more than the row has.
inline constexpr double kPersonSeatWidthM = 0.400;
int BoardsSharing(int boardsInRow, double boardWidthM, double gapM);

struct MemberStrength {
  std::string member;       // "Table Top", "Seat", "Seat Support"
  bool cantilever = false;  // held at one end (else supported at both)
  double spanM = 0;         // between the supports' centre lines, or bolt to load
  int boardsSharing = 1;
  double loadN = 0;             // the whole load the stress is computed under (factored)
  double elasticPa = 0;         // E used for the deflection
  double secondMomentM4 = 0;    // I of one member
  double sectionModulusM3 = 0;  // S of one member
  double deflectionM = 0;       // under the unfactored load
  double deflectionLimitM = 0;  // span ÷ the ratio
  double stressPa = 0;
  double allowablePa = 0;
  bool ok = false;
};

// A board `widthM` × `thicknessM` laid flat over `spanM`, the person's `personForceN` at
// mid-span shared by `boards` boards: deflection P L³ / 48 E I and stress (P L / 4) / S per
// board, I = b t³ / 12, S = b t² / 6.
MemberStrength MidSpanBoard(const std::string& member, double spanM, int boards,
                            double personForceN, double widthM, double thicknessM,
                            const BendingDesign& design, double deflectionRatio);

// A member `thicknessM` thick and `depthM` deep standing on edge, held at one end and loaded
// with the whole person `lengthM` away: deflection P L³ / 3 E I and stress P L / S,
// I = t d³ / 12, S = t d² / 6.
MemberStrength CantileverOnEdge(const std::string& member, double lengthM, double personForceN,
                                double thicknessM, double depthM, const BendingDesign& design,
                                double deflectionRatio);

}  // namespace varnloft
