#include "plans/member_details.h"

#include <string>
#include <vector>

#include "design/table_members.h"
#include "plans/member_texts.h"

namespace varnloft {

namespace {

const char* const kCutOffsetMark = "\xC2\xAB\xC2\xAB\xC2\xAB (";  // "««« ("

// One member's block at Y = layout.textY: its top edge lies half a line below Y, and every x
// is measured from the left margin.
class MemberBlock {
 public:
  MemberBlock(const DesignRecord& rec, Canvas& canvas, const PlanLayout& layout,
              const PlanStyle& style, FontSizer& fonts, double topLength, double depth)
      : rec_(rec),
        canvas_(canvas),
        style_(style),
        fonts_(fonts),
        lm_(layout.leftMargin),
        u_(layout.lineStep),
        s_(layout.pixelsPerFoot),
        y_(layout.textY),
        length_(topLength),
        depth_(depth) {}

  double Right() const { return lm_ + length_ * s_; }
  double Top() const { return y_ + u_ / 2; }
  double Bottom() const { return Top() + depth_ * s_; }

  void Tick(double x) {
    canvas_.MoveTo(x, y_ - u_);
    canvas_.LineTo(x, y_);
  }
  void TopDimensionLine() {
    canvas_.MoveTo(lm_, y_ - 0.5 * u_);
    canvas_.LineTo(Right(), y_ - 0.5 * u_);
  }
  void Label(double x, double y, const std::string& text) {
    fonts_.Use(style_.labelFontSize);
    canvas_.TextOut(x, y, text);
  }
  void Caption(double x, double y, const std::string& text) {
    fonts_.Use(style_.captionFontSize);
    canvas_.TextOut(x, y, text);
  }
  // The length label above the member.
  void LengthLabel(double x, const std::string& text) { Label(x, y_ - 0.8 * u_, text); }
  // Ticks at both ends, the line, then the label at x.
  void TopDimension(double labelX, const std::string& label) {
    Tick(lm_);
    Tick(Right());
    TopDimensionLine();
    LengthLabel(labelX, label);
  }

  // Both ends cut parallel at the member's angle; the bottom edge is shifted right by `offset`.
  void Parallelogram(double offset) {
    canvas_.MoveTo(lm_, Top());
    canvas_.LineTo(Right(), Top());
    canvas_.LineTo(offset + Right(), Bottom());
    canvas_.LineTo(lm_ + offset, Bottom());
    canvas_.LineTo(lm_, Top());
  }
  // Both ends cut at the leg angle, the long side up.
  void Trapezoid(double offset) {
    canvas_.MoveTo(lm_, Top());
    canvas_.LineTo(Right(), Top());
    canvas_.LineTo(Right() - offset, Bottom());
    canvas_.LineTo(lm_ + offset, Bottom());
    canvas_.LineTo(lm_, Top());
  }
  // One closed outline, clockwise from the top-left corner.
  void Rectangle() {
    canvas_.MoveTo(lm_, Top());
    canvas_.LineTo(Right(), Top());
    canvas_.LineTo(Right(), Bottom());
    canvas_.LineTo(lm_, Bottom());
    canvas_.LineTo(lm_, Top());
  }

  // The short side of a trapezoid, measured below it, with its length on the left and
  // `rightLabel` beyond the right end.
  void LowerDimension(double offset, double offsetFeet, const std::string& rightLabel) {
    const double base = y_ + depth_ * s_;
    for (double x : {lm_ + offset, Right() - offset, Right()}) {
      canvas_.MoveTo(x, base + u_);
      canvas_.LineTo(x, base + 2 * u_);
    }
    canvas_.MoveTo(lm_ + offset, base + 1.5 * u_);
    canvas_.LineTo(Right() - offset, base + 1.5 * u_);
    Label(2 * lm_, base + 1.2 * u_,
          " " + rec_.FormatLength(static_cast<float>(length_ - 2 * offsetFeet)));
    Label(lm_ + offset + length_ * s_, base + 1.2 * u_, rightLabel);
  }

  // Bolt holes on the member's centre line, `fromEnd` feet from the left end of the top edge.
  void Holes(const std::vector<double>& fromEnd) {
    if (style_.setsColours) canvas_.SetPenColor(kNavy);
    const double r = style_.boltRadius * s_;
    const double cy = Top() + depth_ / 2 * s_;
    for (double h : fromEnd) {
      const double cx = lm_ + h * s_;
      canvas_.Ellipse(cx - r, cy - r, cx + r, cy + r);
    }
  }

  double y() const { return y_; }
  double lm() const { return lm_; }
  double u() const { return u_; }
  double s() const { return s_; }

 private:
  const DesignRecord& rec_;
  Canvas& canvas_;
  const PlanStyle& style_;
  FontSizer& fonts_;
  double lm_, u_, s_, y_;
  double length_, depth_;
};

std::string CutOffsetLabel(const DesignRecord& rec, double offsetFeet) {
  return kCutOffsetMark + rec.FormatLength(static_cast<float>(offsetFeet)) + " )";
}

std::string Degrees(float angle) {
  return " " + AngleText(angle) + "\xC2\xB0";
}

struct Context {
  const DesignRecord& rec;
  Canvas& canvas;
  PlanLayout& layout;
  const PlanStyle& style;
  FontSizer& fonts;

  MemberBlock Block(const TableMember& m) {
    return MemberBlock(rec, canvas, layout, style, fonts, m.length, m.width);
  }
  void Advance(double feet, double lines) {
    layout.textY += feet * layout.pixelsPerFoot + lines * layout.lineStep;
  }
};

std::string Count(const TableMember& m) {
  return CountText(m.count);
}

void DrawLegs(Context& c, const TableMember& leg) {
  const DesignRecord& rec = c.rec;
  MemberBlock b = c.Block(leg);
  const double offsetFeet = leg.cutOffset;
  const double offset = offsetFeet * b.s();
  b.Tick(b.lm());
  b.Tick(b.Right());
  b.Tick(offset + b.Right());
  b.Label(2 * offset + b.Right(), b.y() - 0.8 * b.u(), CutOffsetLabel(rec, offsetFeet));
  b.TopDimensionLine();
  b.LengthLabel(2 * b.lm(), " " + rec.FormatLength(static_cast<float>(leg.length)));
  b.Parallelogram(offset);
  const double captionX = 1.5 * b.lm() + offset + leg.length * b.s();
  const double captionY = b.y() + leg.width / 2 * b.s();
  b.Caption(captionX, captionY,
            Degrees(leg.cutAngle) + "     " + Count(leg) + " Legs   " +
                MemberSizeLabel(rec, static_cast<float>(leg.width)) + "  width.");
  const double lowerHole = leg.holes.at(0), topHole = leg.holes.at(1);
  b.Label(captionX, captionY + b.u(),
          "Top Leg Hole From End: " + rec.FormatLength(static_cast<float>(topHole)) +
              "   Lower Leg Hole From Top End: " + rec.FormatLength(static_cast<float>(lowerHole)));
  b.Holes(leg.holes);
}

// Outer supports, centre support and seat supports: trapezoids cut at the leg angle.
struct TrapezoidCaption {
  const char* name;       // " Outer Supports   ", after the count
  std::string holesNote;  // after the cut offset in the right-hand label, or empty
  bool captionBeforeLowerDimension;
};

void DrawTrapezoid(Context& c, const TableMember& m, const TrapezoidCaption& text) {
  const DesignRecord& rec = c.rec;
  MemberBlock b = c.Block(m);
  const double offsetFeet = m.cutOffset;
  const double offset = offsetFeet * b.s();
  b.TopDimension(2 * b.lm(), " " + rec.FormatLength(static_cast<float>(m.length)));
  b.Trapezoid(offset);
  auto caption = [&] {
    b.Caption(2.5 * b.lm() + m.length * b.s(), b.y() + m.width / 2 * b.s(),
              Degrees(m.cutAngle) + "     " + Count(m) + text.name +
                  MemberSizeLabel(rec, static_cast<float>(m.width)) + "  width");
  };
  if (text.captionBeforeLowerDimension) caption();
  b.LowerDimension(offset, offsetFeet, CutOffsetLabel(rec, offsetFeet) + text.holesNote);
  if (!text.captionBeforeLowerDimension) caption();
  if (!m.holes.empty()) b.Holes(m.holes);
}

void DrawBraces(Context& c, const TableMember& brace) {
  const DesignRecord& rec = c.rec;
  MemberBlock b = c.Block(brace);
  const double offsetFeet = brace.cutOffset;
  const double offset = offsetFeet * b.s();
  b.Tick(b.lm());
  b.TopDimensionLine();
  b.Tick(b.Right());
  b.Tick(offset + b.Right());
  b.Label(2 * offset + b.Right(), b.y() - 0.8 * b.u(), CutOffsetLabel(rec, offsetFeet));
  b.LengthLabel(b.lm() + b.u(), " " + rec.FormatLength(static_cast<float>(brace.length)));
  b.Parallelogram(offset);
  b.Caption(1.5 * b.lm() + offset + brace.length * b.s(), b.y() + brace.width / 2 * b.s(),
            Degrees(brace.cutAngle) + "     " + Count(brace) + " Braces    " +
                MemberSizeLabel(rec, static_cast<float>(brace.width)) + "  width");
}

// Seats, table tops and end caps: plain boards cut square.
void DrawBoard(Context& c, const TableMember& m, double labelX, const std::string& lengthLabel,
               double captionX, double captionY, const std::string& caption) {
  MemberBlock b = c.Block(m);
  b.TopDimension(labelX, lengthLabel);
  b.Rectangle();
  b.Caption(captionX, captionY, caption);
}

}  // namespace

void DrawMemberDetails(const DesignRecord& rec, Canvas& canvas, PlanLayout& layout,
                       const PlanStyle& style, FontSizer& fonts) {
  const std::vector<TableMember> members = TableMembers(rec);
  auto member = [&](MemberKind kind) -> const TableMember& { return *FindMember(members, kind); };
  const TableMember& leg = member(MemberKind::Leg);
  const TableMember& outer = member(MemberKind::OuterSupport);
  const TableMember& centre = member(MemberKind::CentreSupport);
  const TableMember& seatSupport = member(MemberKind::SeatSupport);
  const TableMember& brace = member(MemberKind::Brace);
  const TableMember& seat = member(MemberKind::Seat);
  const TableMember& top = member(MemberKind::TableTop);

  Context c{rec, canvas, layout, style, fonts};
  const double tw = rec.TableTopWidth, lm = layout.leftMargin, u = layout.lineStep;
  const double s = layout.pixelsPerFoot;

  DrawLegs(c, leg);

  // Each block advances by the width of another member, as the sheet has always been laid out.
  c.Advance(leg.width, 2);
  DrawTrapezoid(
      c, outer,
      {" Outer Supports   ",
       "  Outer Support Holes From End: " + rec.FormatLength(static_cast<float>(outer.holes.at(0))),
       false});

  c.Advance(seatSupport.width, 3.5);
  DrawTrapezoid(c, centre, {" Centre Support   ", "", true});

  c.Advance(outer.width, 3.5);
  DrawTrapezoid(
      c, seatSupport,
      {" Seat Supports   ",
       "  Seat Holes From End: " + rec.FormatLength(static_cast<float>(seatSupport.holes.at(0))),
       true});

  c.Advance(centre.width, 3.5);
  DrawBraces(c, brace);

  c.Advance(brace.width, 2);
  DrawBoard(c, seat, lm + u, " " + rec.FormatLength(static_cast<float>(seat.length)), 1.5 * lm,
            layout.textY + seat.width / 1.85 * s,
            " " + Count(seat) + "  Seats    " +
                MemberSizeLabel(rec, static_cast<float>(seat.width)) + "  width ");

  c.Advance(seat.width, 2);
  DrawBoard(c, top, lm + u, " " + rec.FormatLength(static_cast<float>(top.length)), 1.5 * lm,
            layout.textY + top.width / 1.85 * s,
            " " + Count(top) + "  Table Tops   " +
                MemberSizeLabel(rec, static_cast<float>(top.width)) + "  width");

  if (const TableMember* cap = FindMember(members, MemberKind::EndCap)) {
    c.Advance(seat.width, 2.25);
    DrawBoard(c, *cap, 2 * lm, " " + MemberSizeLabel(rec, rec.TableTopWidth), 1.5 * lm + tw * s,
              layout.textY + cap->width / 2 * s,
              "      " + Count(*cap) + " Table End Caps    " +
                  rec.FormatLength(static_cast<float>(cap->width)) + "  width");
    c.Advance(cap->width, 2);
  } else {
    c.Advance(top.width, 1.5);
  }
}

}  // namespace varnloft
