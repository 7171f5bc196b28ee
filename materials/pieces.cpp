#include "materials/pieces.h"

#include <cctype>
#include <cmath>

#include "materials/material_texts.h"
#include "measure/number_text.h"

namespace varnloft {

namespace {

// The order of the pieces list: the boards first, then the frame.
constexpr MemberKind kPieceOrder[] = {MemberKind::TableTop,     MemberKind::Seat,
                                      MemberKind::EndCap,       MemberKind::Leg,
                                      MemberKind::OuterSupport, MemberKind::CentreSupport,
                                      MemberKind::SeatSupport,  MemberKind::Brace};

bool Positive(double v) {
  return std::isfinite(v) && v > 0;
}

// Sign of the turn a -> b -> c.
int TurnOf(const FlatPoint& a, const FlatPoint& b, const FlatPoint& c) {
  const double cross = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
  return cross > 0 ? 1 : (cross < 0 ? -1 : 0);
}

bool Between(double a, double b, double v) {
  return std::fmin(a, b) <= v && v <= std::fmax(a, b);
}

// Whether the closed segments ab and cd share a point.
bool SegmentsMeet(const FlatPoint& a, const FlatPoint& b, const FlatPoint& c, const FlatPoint& d) {
  const int d1 = TurnOf(c, d, a), d2 = TurnOf(c, d, b), d3 = TurnOf(a, b, c), d4 = TurnOf(a, b, d);
  if (d1 * d2 < 0 && d3 * d4 < 0) return true;
  // A point on the other segment's line lies on that segment when it lies in its box.
  auto within = [](const FlatPoint& p, const FlatPoint& q, const FlatPoint& r) {
    return Between(p.x, q.x, r.x) && Between(p.y, q.y, r.y);
  };
  return (d1 == 0 && within(c, d, a)) || (d2 == 0 && within(c, d, b)) ||
         (d3 == 0 && within(a, b, c)) || (d4 == 0 && within(a, b, d));
}

// "the length -1' is not positive", "the width is not a number".
std::string Size(const char* what, double feet, bool imperial) {
  if (!std::isfinite(feet)) return std::string("the ") + what + " is not a number";
  return std::string("the ") + what + " " + MaterialLengthText(feet, imperial) + " is not positive";
}

std::string Capitalised(std::string words) {
  if (!words.empty())
    words[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(words[0])));
  return words;
}

}  // namespace

std::string MemberWords(const std::string& member, double count) {
  std::string words;
  for (char c : member) words += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (count == 1) return words;
  return words == "brace" ? "braces" : words + "s";
}

bool IsSimpleCounterClockwise(const std::vector<FlatPoint>& polygon) {
  const size_t n = polygon.size();
  if (n < 3) return false;
  double area2 = 0;
  for (size_t i = 0; i < n; ++i) {
    const FlatPoint& a = polygon[i];
    const FlatPoint& b = polygon[(i + 1) % n];
    if (!std::isfinite(a.x) || !std::isfinite(a.y)) return false;
    if (a == b) return false;
    area2 += a.x * b.y - b.x * a.y;
  }
  if (!(area2 > 0) || !std::isfinite(area2)) return false;
  for (size_t i = 0; i < n; ++i) {
    const FlatPoint& a = polygon[i];
    const FlatPoint& b = polygon[(i + 1) % n];
    // A neighbour may only share the corner: it must not fold back along this edge.
    const FlatPoint& c = polygon[(i + 2) % n];
    if (TurnOf(a, b, c) == 0 && (c.x - b.x) * (b.x - a.x) + (c.y - b.y) * (b.y - a.y) < 0)
      return false;
    for (size_t j = i + 2; j < n; ++j) {
      if (i == 0 && j == n - 1) continue;  // neighbours through the first corner
      if (SegmentsMeet(a, b, polygon[j], polygon[(j + 1) % n])) return false;
    }
  }
  return true;
}

PieceList ListPieces(const DesignRecord& rec) {
  PieceList list;
  const std::vector<TableMember> members = TableMembers(rec);
  const TableMember* centre = FindMember(members, MemberKind::CentreSupport);
  const double thickness = rec.LumberThickness;
  for (MemberKind kind : kPieceOrder) {
    const TableMember* m = FindMember(members, kind);
    if (!m || !m->present) continue;
    const double boardWidth = kind == MemberKind::Brace ? centre->width : m->width;
    const std::string words = MemberWords(m->name, m->count);
    const std::string leftOut = m->count == 1 ? ", so it is left out." : ", so they are left out.";
    auto problem = [&](const std::string& why) {
      std::string text = Capitalised(words);
      text += ": ";
      text += why;
      text += leftOut;
      list.problems.push_back({m->name, m->count, m->length, std::move(text)});
    };
    const std::string count = PlainDecimal(m->count);
    if (!std::isfinite(m->count)) {
      problem("the count is not a number");
    } else if (m->count != std::floor(m->count)) {
      problem("the count " + count + " is not a whole number");
    } else if (m->count <= 0) {
      problem("the count " + count + " is not positive");
    } else if (m->count > kMaxPieceCount) {
      problem("the count " + count + " is more than " + PlainDecimal(kMaxPieceCount) +
              ", too many to plan");
    } else if (!Positive(thickness)) {
      problem("the lumber thickness is not positive");
    } else if (!Positive(m->length)) {
      problem(Size("length", m->length, rec.ImperialUnits));
    } else if (!Positive(m->width)) {
      problem(Size("width", m->width, rec.ImperialUnits));
    } else if (!Positive(boardWidth) || boardWidth < m->width) {
      problem("they are wider than the centre support's lumber they are cut from");
    } else if (m->outline.size() != 4 || !IsSimpleCounterClockwise(m->outline)) {
      problem("the outline crosses itself (the end cuts meet)");
    } else {
      Piece p;
      p.kind = kind;
      p.member = m->name;
      p.count = static_cast<int>(m->count);
      p.thickness = thickness;
      p.width = m->width;
      p.length = m->length;
      p.boardWidth = boardWidth;
      p.lumber = LumberOfSection(thickness, boardWidth, rec.ImperialUnits);
      p.holes = static_cast<int>(m->holes.size());
      p.outline = m->outline;
      list.pieces.push_back(std::move(p));
    }
  }
  return list;
}

}  // namespace varnloft
