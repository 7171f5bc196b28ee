#include "model3d/piece_placement.h"

#include <cmath>

#include "design/frame_symbols.h"

namespace varnloft {

namespace {

constexpr int kLowerLeft = 0, kUpperLeft = 3;

// The end frame's symbols, with the unit directions of the legs and braces and the bands along
// the table where the frames' members stand.
struct Frame : FrameSymbols {
  double legCos, legSin;
  double braceCos, braceSin;
  double legBand, supportBand;  // x where the left frame's leg and supports start
  double frameFace;             // x of the left frame's inner face, where the braces stand
};

Frame FrameOf(const DesignRecord& rec) {
  Frame f{};
  static_cast<FrameSymbols&>(f) = FrameSymbolsOf(rec);
  // The views draw with the tangents of the record's angles; the directions are made unit from
  // them, so that every piece is placed rigidly.
  const double legNorm = std::sqrt(1 + f.k * f.k);
  f.legCos = 1 / legNorm;
  f.legSin = f.k / legNorm;
  const double braceNorm = std::sqrt(1 + f.q * f.q);
  f.braceCos = 1 / braceNorm;
  f.braceSin = f.q / braceNorm;
  if (rec.SupportsExterior) {
    f.supportBand = f.LD;
    f.legBand = f.LD + f.t;
    f.frameFace = f.LD + f.t;
  } else {
    f.legBand = f.LD;
    f.supportBand = f.LD + f.t;
    f.frameFace = f.LD + 2 * f.t;
  }
  return f;
}

// The right frame's band for a member whose left band starts at `leftStart`: mirrored about
// the table's middle between the frames' outer faces.
double RightBand(const Frame& f, double leftStart) {
  return f.L - f.RD - (leftStart - f.LD) - f.t;
}

// The placement that puts outline corner `corner` at `world`.
Placement Anchored(const Outline& outline, int corner, const Vec3& world, const Vec3& along,
                   const Vec3& across, const Vec3& through) {
  const Vec2 p = corner < static_cast<int>(outline.size()) ? outline[corner] : Vec2{};
  return {world - along * p.x - across * p.y, along, across, through};
}

const Vec3 kX{1, 0, 0}, kY{0, 1, 0}, kZ{0, 0, 1};

// Legs stand on the end view's leg lines: the outer edge of the front leg runs from the floor
// up to the deck underside 2·tan(leg angle)·OS in from the table top's front edge. The outline's
// upper edge is the leg's outer edge, its left end the foot.
std::vector<Placement> Legs(const Outline& outline, const Frame& f) {
  const double footOuter = f.xd + 2 * f.k * f.OS - f.k * (f.H - f.t);
  std::vector<Placement> out;
  for (double band : {f.legBand, RightBand(f, f.legBand)}) {
    out.push_back(Anchored(outline, kUpperLeft, {band, footOuter, 0}, {0, f.legSin, f.legCos},
                           {0, -f.legCos, f.legSin}, kX));
    out.push_back(Anchored(outline, kUpperLeft, {band, f.W - footOuter, 0},
                           {0, -f.legSin, f.legCos}, {0, f.legCos, f.legSin}, kX));
  }
  return out;
}

// A support across the table, its long side up at height `top`, its left end at y = `left`.
std::vector<Placement> Supports(const Outline& outline, const std::vector<double>& bands,
                                double left, double top) {
  std::vector<Placement> out;
  out.reserve(bands.size());
  for (double band : bands)
    out.push_back(Anchored(outline, kUpperLeft, {band, left, top}, kY, kZ, kX));
  return out;
}

// Braces run from the centre support's faces down to the frames' inner faces, their ends cut
// plumb, centred on the seat support at the frame and on the centre support at the middle.
// The outline's left end is the frame end, its upper edge the brace's lower edge.
std::vector<Placement> Braces(const Outline& outline, const Frame& f) {
  const double centreSupport = f.frameFace + f.BR;  // its left face
  const double middle = centreSupport + f.t / 2;
  const double lowCorner = f.H - f.t - f.BH - f.CS;  // lower corner of the frame end
  const double y = f.W / 2 - f.t / 2;
  return {Anchored(outline, kUpperLeft, {f.frameFace, y, lowCorner}, {f.braceCos, 0, f.braceSin},
                   {f.braceSin, 0, -f.braceCos}, kY),
          Anchored(outline, kUpperLeft, {2 * middle - f.frameFace, y, lowCorner},
                   {-f.braceCos, 0, f.braceSin}, {-f.braceSin, 0, -f.braceCos}, kY)};
}

// Boards lying flat side by side across the table, the first with its front edge at `front`.
void BoardRow(const Outline& outline, int boards, double x, double front, double pitch,
              double bottom, std::vector<Placement>& out) {
  for (int i = 0; i < boards; ++i)
    out.push_back(Anchored(outline, kLowerLeft, {x, front + i * pitch, bottom}, kX, kY, kZ));
}

}  // namespace

Outline OutlineOf(const TableMember& member) {
  Outline outline;
  for (const FlatPoint& p : member.outline) outline.push_back({p.x, p.y});
  return outline;
}

int FixedCopies(MemberKind kind) {
  switch (kind) {
    case MemberKind::Leg:
      return 4;
    case MemberKind::OuterSupport:
    case MemberKind::SeatSupport:
    case MemberKind::Brace:
    case MemberKind::EndCap:
      return 2;
    case MemberKind::CentreSupport:
      return 1;
    case MemberKind::Seat:
    case MemberKind::TableTop:
      break;
  }
  return 0;
}

std::vector<Placement> PlaceMember(const TableMember& member, int copies, const DesignRecord& rec) {
  const Frame f = FrameOf(rec);
  const Outline outline = OutlineOf(member);
  const std::vector<double> supportBands = {f.supportBand, RightBand(f, f.supportBand)};
  std::vector<Placement> out;
  switch (member.kind) {
    case MemberKind::Leg:
      return Legs(outline, f);
    case MemberKind::OuterSupport:
      return Supports(outline, supportBands, f.xd, f.H - f.t);
    case MemberKind::SeatSupport:
      return Supports(outline, supportBands, 0, f.SH - f.t);
    case MemberKind::CentreSupport:
      return Supports(outline, {f.frameFace + f.BR}, f.xd, f.H - f.t);
    case MemberKind::Brace:
      return Braces(outline, f);
    case MemberKind::TableTop:
      BoardRow(outline, copies, f.EC, f.xd, f.DW + f.G, f.H - f.t, out);
      break;
    case MemberKind::Seat:
      BoardRow(outline, copies / 2, f.LD - f.LS, 0, f.BW + f.G, f.SH - f.t, out);
      BoardRow(outline, copies / 2, f.LD - f.LS, f.W - f.SW, f.BW + f.G, f.SH - f.t, out);
      break;
    case MemberKind::EndCap:
      for (double x : {0.0, f.L - f.EC})
        out.push_back(Anchored(outline, kLowerLeft, {x, f.xd, f.H - f.t}, kY, kX, kZ));
      break;
  }
  return out;
}

}  // namespace varnloft
