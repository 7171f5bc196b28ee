#include "plans/member_details.h"

#include <string>
#include <vector>

#include "measure/angles.h"
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
  DesignRecord& rec;
  Canvas& canvas;
  PlanLayout& layout;
  const PlanStyle& style;
  FontSizer& fonts;

  MemberBlock Block(double topLength, double depth) {
    return MemberBlock(rec, canvas, layout, style, fonts, topLength, depth);
  }
  void Advance(double feet, double lines) {
    layout.textY += feet * layout.pixelsPerFoot + lines * layout.lineStep;
  }
};

void DrawLegs(Context& c) {
  const DesignRecord& rec = c.rec;
  const double width = rec.LegWidth;
  MemberBlock b = c.Block(rec.LegLength, width);
  const double offsetFeet = TanDeg(rec.LegAngle) * width;
  const double offset = offsetFeet * b.s();
  b.Tick(b.lm());
  b.Tick(b.Right());
  b.Tick(offset + b.Right());
  b.Label(2 * offset + b.Right(), b.y() - 0.8 * b.u(), CutOffsetLabel(rec, offsetFeet));
  b.TopDimensionLine();
  b.LengthLabel(2 * b.lm(), " " + rec.FormatLength(rec.LegLength));
  b.Parallelogram(offset);
  const double captionX = 1.5 * b.lm() + offset + rec.LegLength * b.s();
  const double captionY = b.y() + width / 2 * b.s();
  b.Caption(
      captionX, captionY,
      Degrees(rec.LegAngle) + "     4 Legs   " + MemberSizeLabel(rec, rec.LegWidth) + "  width.");
  b.Label(captionX, captionY + b.u(),
          "Top Leg Hole From End: " + rec.FormatLength(rec.TopLegHole) +
              "   Lower Leg Hole From Top End: " + rec.FormatLength(rec.LowerLegHole));
  b.Holes({rec.LowerLegHole, rec.TopLegHole});
}

// Outer supports, centre support and seat supports: trapezoids cut at the leg angle.
struct TrapezoidMember {
  double length, depth;
  const char* caption;    // "     2 Outer Supports   "
  std::string holesNote;  // after the cut offset in the right-hand label, or empty
  std::vector<double> holes;
  bool captionBeforeLowerDimension;
};

void DrawTrapezoid(Context& c, const TrapezoidMember& m) {
  const DesignRecord& rec = c.rec;
  MemberBlock b = c.Block(m.length, m.depth);
  const double offsetFeet = TanDeg(rec.LegAngle) * m.depth;
  const double offset = offsetFeet * b.s();
  b.TopDimension(2 * b.lm(), " " + rec.FormatLength(static_cast<float>(m.length)));
  b.Trapezoid(offset);
  auto caption = [&] {
    b.Caption(2.5 * b.lm() + m.length * b.s(), b.y() + m.depth / 2 * b.s(),
              Degrees(rec.LegAngle) + m.caption +
                  MemberSizeLabel(rec, static_cast<float>(m.depth)) + "  width");
  };
  if (m.captionBeforeLowerDimension) caption();
  b.LowerDimension(offset, offsetFeet, CutOffsetLabel(rec, offsetFeet) + m.holesNote);
  if (!m.captionBeforeLowerDimension) caption();
  if (!m.holes.empty()) b.Holes(m.holes);
}

void DrawBraces(Context& c) {
  const DesignRecord& rec = c.rec;
  const double width = rec.BraceCutWidth;
  MemberBlock b = c.Block(rec.BraceLength, width);
  const double offsetFeet = TanDeg(rec.BraceAngle) * width;
  const double offset = offsetFeet * b.s();
  b.Tick(b.lm());
  b.TopDimensionLine();
  b.Tick(b.Right());
  b.Tick(offset + b.Right());
  b.Label(2 * offset + b.Right(), b.y() - 0.8 * b.u(), CutOffsetLabel(rec, offsetFeet));
  b.LengthLabel(b.lm() + b.u(), " " + rec.FormatLength(rec.BraceLength));
  b.Parallelogram(offset);
  b.Caption(1.5 * b.lm() + offset + rec.BraceLength * b.s(), b.y() + width / 2 * b.s(),
            Degrees(rec.BraceAngle) + "     2 Braces    " +
                MemberSizeLabel(rec, rec.BraceCutWidth) + "  width");
}

// Seats, table tops and end caps: plain boards cut square.
void DrawBoard(Context& c, double length, double width, double labelX,
               const std::string& lengthLabel, double captionX, double captionY,
               const std::string& caption) {
  MemberBlock b = c.Block(length, width);
  b.TopDimension(labelX, lengthLabel);
  b.Rectangle();
  b.Caption(captionX, captionY, caption);
}

}  // namespace

void DrawMemberDetails(DesignRecord& rec, Canvas& canvas, PlanLayout& layout,
                       const PlanStyle& style, FontSizer& fonts) {
  Context c{rec, canvas, layout, style, fonts};
  const double tw = rec.TableTopWidth, lm = layout.leftMargin, u = layout.lineStep;

  DrawLegs(c);

  c.Advance(rec.LegWidth, 2);
  DrawTrapezoid(c, {tw,
                    rec.OuterSupportDepth,
                    "     2 Outer Supports   ",
                    "  Outer Support Holes From End: " + rec.FormatLength(rec.OuterSupportHole),
                    {rec.OuterSupportHole, tw - rec.OuterSupportHole},
                    false});

  c.Advance(rec.SeatSupportDepth, 3.5);
  DrawTrapezoid(c, {tw, rec.CentreSupportDepth, "     1 Centre Support   ", "", {}, true});

  c.Advance(rec.OuterSupportDepth, 3.5);
  const double w = rec.OverallWidth;
  DrawTrapezoid(c, {w,
                    rec.SeatSupportDepth,
                    "     2 Seat Supports   ",
                    "  Seat Holes From End: " + rec.FormatLength(rec.SeatHole),
                    {rec.SeatHole, w - rec.SeatHole},
                    true});

  c.Advance(rec.CentreSupportDepth, 3.5);
  DrawBraces(c);

  c.Advance(rec.BraceCutWidth, 2);
  {
    const double bw = rec.SeatBoardWidth, s = layout.pixelsPerFoot;
    DrawBoard(c, rec.SeatLength, bw, lm + u, " " + rec.FormatLength(rec.SeatLength), 1.5 * lm,
              layout.textY + bw / 1.85 * s,
              " " + CountText(2.0 * rec.SeatBoardCount) + "  Seats    " +
                  MemberSizeLabel(rec, rec.SeatBoardWidth) + "  width ");
  }

  c.Advance(rec.SeatBoardWidth, 2);
  rec.TableTopLength =
      static_cast<float>(static_cast<double>(rec.OverallLength) - 2.0 * rec.EndCapWidth);
  {
    const double dw = rec.DeckBoardWidth, s = layout.pixelsPerFoot;
    DrawBoard(c, rec.TableTopLength, dw, lm + u, " " + rec.FormatLength(rec.TableTopLength),
              1.5 * lm, layout.textY + dw / 1.85 * s,
              " " + CountText(rec.DeckBoardCount) + "  Table Tops   " +
                  MemberSizeLabel(rec, rec.DeckBoardWidth) + "  width");
  }

  if (rec.EndCapWidth > 0) {
    c.Advance(rec.SeatBoardWidth, 2.25);
    const double ec = rec.EndCapWidth, s = layout.pixelsPerFoot;
    DrawBoard(c, tw, ec, 2 * lm, " " + MemberSizeLabel(rec, rec.TableTopWidth), 1.5 * lm + tw * s,
              layout.textY + ec / 2 * s,
              "      2 Table End Caps    " + rec.FormatLength(rec.EndCapWidth) + "  width");
    c.Advance(rec.EndCapWidth, 2);
  } else {
    c.Advance(rec.DeckBoardWidth, 1.5);
  }
}

}  // namespace varnloft
