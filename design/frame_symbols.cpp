#include "design/frame_symbols.h"

#include <cmath>
#include <initializer_list>

#include "measure/angles.h"
#include "measure/errors.h"

namespace varnloft {

double FrameSymbols::OverBraceTangent(double value) const {
  if (q == 0) throw DivisionByZeroError();
  return value / q;
}

bool FrameSymbols::AllFinite() const {
  for (double v : {t,  H,  SH, L,  W,  TW, SW, ST, DW, ND, BW, NS, G,  OS, CS,
                   SS, LC, SE, LD, RD, LS, SL, EC, BR, BH, k,  q,  xd, ys}) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

FrameSymbols FrameSymbolsOf(const DesignRecord& rec) {
  FrameSymbols s{};
  s.t = rec.LumberThickness;
  s.H = rec.TableHeight;
  s.SH = rec.SeatHeight;
  s.L = rec.OverallLength;
  s.W = rec.OverallWidth;
  s.TW = rec.TableTopWidth;
  s.SW = rec.SeatWidth;
  s.ST = rec.SeatToTableDistance;
  s.DW = rec.DeckBoardWidth;
  s.ND = rec.DeckBoardCount;
  s.BW = rec.SeatBoardWidth;
  s.NS = rec.SeatBoardCount;
  s.G = rec.DeckGap;
  s.OS = rec.OuterSupportDepth;
  s.CS = rec.CentreSupportDepth;
  s.SS = rec.SeatSupportDepth;
  s.LC = rec.LegCutWidth;
  s.SE = rec.SeatSupportExtension;
  s.LD = rec.LeftDeckOverhang;
  s.RD = rec.RightDeckOverhang;
  s.LS = rec.LeftSeatOverhang;
  s.SL = rec.SeatLength;
  s.EC = rec.EndCapWidth;
  s.BR = rec.BraceRun;
  s.BH = rec.BraceRise;
  s.k = TanDeg(rec.LegAngle);
  s.q = TanDeg(rec.BraceAngle);
  s.xd = s.SW + s.ST;
  s.ys = s.H - s.SH + s.t;
  return s;
}

}  // namespace varnloft
