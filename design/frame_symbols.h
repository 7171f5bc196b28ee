#pragma once
// The design record's lengths under the short names of the end frame's and the side view's
// formulas, widened to double so that every coordinate is computed in double precision. The
// drawings and the 3D model both read the table's shape from this one table of symbols.
#include "design/design_record.h"

namespace varnloft {

struct FrameSymbols {
  double t;           // LumberThickness: every board and frame member
  double H, SH;       // TableHeight, SeatHeight (floor to the tops)
  double L;           // OverallLength: length of the table top
  double W;           // OverallWidth: over both seats
  double TW, SW;      // TableTopWidth, SeatWidth (one seat)
  double ST;          // SeatToTableDistance
  double DW, ND;      // DeckBoardWidth, DeckBoardCount
  double BW, NS;      // SeatBoardWidth, SeatBoardCount
  double G;           // DeckGap, between neighbouring boards of the deck and of the seats
  double OS, CS, SS;  // OuterSupportDepth, CentreSupportDepth, SeatSupportDepth
  double LC;          // LegCutWidth: horizontal width of a leg
  double SE;          // SeatSupportExtension
  double LD, RD, LS;  // LeftDeckOverhang, RightDeckOverhang, LeftSeatOverhang
  double SL;          // SeatLength
  double EC;          // EndCapWidth (0 = none)
  double BR, BH;      // BraceRun, BraceRise
  double k;           // tangent of LegAngle
  double q;           // tangent of BraceAngle
  double xd;          // end view: left edge of the table top
  double ys;          // depth of the seat boards' underside below the top of the table top

  // value / q; a brace angle of 0 stops the drawing as a zero divisor stops the calculation.
  double OverBraceTangent(double value) const;
  // False when a length or angle is infinite or not a number (an entry beyond float range).
  bool AllFinite() const;
};

FrameSymbols FrameSymbolsOf(const DesignRecord& rec);

}  // namespace varnloft
