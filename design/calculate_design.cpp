#include "design/calculate_design.h"

#include <cmath>
#include <iterator>
#include <string>

#include "measure/angles.h"
#include "measure/errors.h"

namespace varnloft {

namespace {

double Divide(double numerator, double denominator) {
  if (denominator == 0) throw DivisionByZeroError();
  return numerator / denominator;
}

// Horizontal distance from the table's centre line to a leg's inner edge at its top. The
// tangent is SinDeg / CosDeg, as TanDeg makes it; the cosine is taken once for both terms.
double LegClearance(const DesignRecord& rec) {
  const float cosine = CosDeg(rec.LegAngle);
  const float tangent = SinDeg(rec.LegAngle) / cosine;
  return static_cast<double>(rec.TableTopWidth) / 2 -
         2 * static_cast<double>(rec.OuterSupportDepth) * tangent -
         static_cast<double>(rec.LegWidth) / cosine;
}

// Steps the leg angle down from the formula position until the upper legs clear. Returns false
// when it gives up; the caller then keeps the first angle.
bool RepositionLegs(DesignRecord& rec, std::vector<std::string>& notices) {
  const float firstAngle = rec.LegAngle;
  auto giveUp = [&](const std::string& why) {
    rec.LegAngle = firstAngle;
    rec.LegsRepositioned = false;
    notices.push_back(why);
    return false;
  };
  if (!(rec.TableTopWidth / 2.0 > rec.LegWidth)) {
    return giveUp(
        "Repositioning cannot help: the table top is not wider than two legs, so the upper legs "
        "overlap at any angle. The legs are left at their normal angle. Use more or wider deck "
        "boards, or narrower legs.");
  }
  const double a = rec.OuterSupportDepth;
  const double b0 = static_cast<double>(rec.TableHeight) - rec.LumberThickness -
                    rec.OuterSupportDepth - rec.SeatHeight + rec.LumberThickness;
  const double c = (static_cast<double>(rec.OverallWidth) - rec.TableTopWidth) / 2 - rec.SeatWidth;
  // The repositioning amount is a decimal count of thousandths of a foot.
  auto angleAtStep = [&](int step) {
    return ArcTanDeg(static_cast<float>(Divide(c, (b0 + step / 1000.0) - a)));
  };
  // While c > 0 and b - a > 0 the angle only shrinks from step to step, and the clearance only
  // grows as it shrinks. When even the last step leaves the legs overlapping, no step clears
  // them: the search ends at once with the answer the full search would reach.
  bool hopeless = false;
  if (c > 0 && b0 + 0.001 - a > 0) {
    rec.LegAngle = angleAtStep(kMaxRepositionSteps);
    hopeless = !(LegClearance(rec) > 0);
  }
  for (int step = 1; step <= kMaxRepositionSteps && !hopeless; ++step) {
    rec.LegAngle = angleAtStep(step);
    if (LegClearance(rec) > 0) {
      rec.LegsRepositioned = true;
      return true;
    }
  }
  return giveUp(
      "Repositioning the legs was stopped after 100,000 steps: no leg angle within reach clears "
      "the upper legs for this design. The legs are left at their normal angle and still "
      "overlap.");
}

struct ComputedValue {
  const char* name;  // as the message names it
  float DesignRecord::*field;
};

// Every value the calculation computes, in the order it computes them.
constexpr ComputedValue kComputed[] = {
    {"seat width", &DesignRecord::SeatWidth},
    {"table top width", &DesignRecord::TableTopWidth},
    {"leg angle", &DesignRecord::LegAngle},
    {"overall width", &DesignRecord::OverallWidth},
    {"leg overlap", &DesignRecord::LegOverlap},
    {"leg length", &DesignRecord::LegLength},
    {"leg cut width", &DesignRecord::LegCutWidth},
    {"outer support hole", &DesignRecord::OuterSupportHole},
    {"top leg hole", &DesignRecord::TopLegHole},
    {"lower leg hole", &DesignRecord::LowerLegHole},
    {"seat support extension", &DesignRecord::SeatSupportExtension},
    {"seat hole", &DesignRecord::SeatHole},
    {"seat length", &DesignRecord::SeatLength},
    {"brace run", &DesignRecord::BraceRun},
    {"brace rise", &DesignRecord::BraceRise},
    {"brace angle", &DesignRecord::BraceAngle},
    {"brace length", &DesignRecord::BraceLength},
    {"brace cut width", &DesignRecord::BraceCutWidth},
};

// Ends the calculation when one of the first `count` computed values is not a number a float
// can hold, as a number too large typed in a box does: nothing downstream (plans, packet,
// materials, 3D, design files) is ever given an infinity.
void RequireFinite(const DesignRecord& rec, size_t count) {
  for (size_t i = 0; i < count && i < std::size(kComputed); ++i) {
    const float value = rec.*(kComputed[i].field);
    if (std::isinf(value))
      throw ProgramError(std::string("The design's ") + kComputed[i].name +
                         " is too large a number for a table design.");
    if (std::isnan(value))
      throw ProgramError(std::string("The design's ") + kComputed[i].name +
                         " cannot be calculated from these entries.");
  }
}

// The values computed before the overlap question.
constexpr size_t kBeforeQuestion = 5;

}  // namespace

std::string OverlapQuestionText(const DesignRecord& rec) {
  return "The upper legs will overlap  " + rec.FormatLength(rec.LegOverlap) +
         "  under the normal design settings. Do you want to try Repositioning the legs?";
}

GeometryOutcome CalculateGeometry(DesignRecord& rec, OverlapAnswer answer) {
  GeometryOutcome outcome;
  rec.LastCalculationFailed = true;

  // 1. A seat flush with the table top would put the legs on a zero run.
  if (rec.SeatToTableDistance == 0) rec.SeatToTableDistance = 0.001f;

  // 2. Widths of the seat and the table top.
  rec.SeatWidth = static_cast<float>(static_cast<double>(rec.SeatBoardCount) * rec.SeatBoardWidth +
                                     (static_cast<double>(rec.SeatBoardCount) - 1) * rec.DeckGap);
  rec.TableTopWidth =
      static_cast<float>(static_cast<double>(rec.DeckBoardCount) * rec.DeckBoardWidth +
                         (static_cast<double>(rec.DeckBoardCount) - 1) * rec.DeckGap);

  // 3. Leg angle: first with the foot under the seat's outer edge.
  {
    double a = rec.OuterSupportDepth;
    double b = static_cast<double>(rec.TableHeight) - rec.LumberThickness - rec.OuterSupportDepth;
    double c = static_cast<double>(rec.SeatWidth) + rec.SeatToTableDistance;
    rec.LegAngle = ArcTanDeg(static_cast<float>(Divide(c, b - a)));
    float seatLevelRun = static_cast<float>(
        TanDeg(rec.LegAngle) * (static_cast<double>(rec.SeatHeight) - rec.LumberThickness));
    if (static_cast<double>(seatLevelRun) - rec.SeatWidth < 0) {
      // The formula position: the leg's outer edge meets the seat support at the seat's edge.
      b = static_cast<double>(rec.TableHeight) - rec.LumberThickness - rec.OuterSupportDepth -
          rec.SeatHeight + rec.LumberThickness;
      c = rec.SeatToTableDistance;
      rec.LegAngle = ArcTanDeg(static_cast<float>(Divide(c, b - a)));
    }
  }

  // 4. Seat edge to seat edge.
  rec.OverallWidth =
      static_cast<float>(2.0 * rec.SeatWidth + 2.0 * rec.SeatToTableDistance + rec.TableTopWidth);

  // 5. Clearance between the upper legs at the first angle.
  double clearance = LegClearance(rec);
  rec.LegOverlap = static_cast<float>(-clearance);
  rec.LegsRepositioned = false;

  RequireFinite(rec, kBeforeQuestion);

  // 6. Overlapping legs: offer to step the angle down until they clear.
  if (clearance < 0) {
    if (answer == OverlapAnswer::NotAsked) {
      outcome.overlapQuestion = OverlapQuestionText(rec);
      return outcome;
    }
    if (answer == OverlapAnswer::Yes) RepositionLegs(rec, outcome.notices);
  }

  // 7. Leg length, bolt holes and the seat-support extension.
  const double t = TanDeg(rec.LegAngle);
  const double k = CosDeg(rec.LegAngle);
  rec.LegLength =
      static_cast<float>(Divide(static_cast<double>(rec.TableHeight) - rec.LumberThickness, k));
  rec.LegCutWidth = static_cast<float>(Divide(rec.LegWidth, k));
  rec.OuterSupportHole = static_cast<float>(t * rec.OuterSupportDepth / 2 + rec.LegCutWidth);
  rec.TopLegHole = static_cast<float>(rec.OuterSupportDepth / 2.0 / k + t * rec.LegWidth / 2);
  rec.LowerLegHole = static_cast<float>(
      (static_cast<double>(rec.TableHeight) - rec.SeatHeight + rec.SeatSupportDepth / 2.0) / k +
      t * rec.LegWidth / 2);
  rec.SeatSupportExtension =
      static_cast<float>((static_cast<double>(rec.OverallWidth) - rec.TableTopWidth) / 2 +
                         2 * static_cast<double>(rec.OuterSupportDepth) * t -
                         (static_cast<double>(rec.TableHeight) - rec.SeatHeight) * t);
  rec.SeatHole = static_cast<float>(rec.SeatSupportExtension - t * rec.SeatSupportDepth / 2 +
                                    rec.LegCutWidth / 2.0);

  // 8. Seat boards run between the seat overhangs.
  rec.SeatLength =
      static_cast<float>(static_cast<double>(rec.OverallLength) -
                         (static_cast<double>(rec.LeftDeckOverhang) - rec.LeftSeatOverhang) -
                         (static_cast<double>(rec.RightDeckOverhang) - rec.RightSeatOverhang));

  // 9. Brace from the seat support up to the centre support.
  const bool centreSupport = rec.CentreSupportDepth > 0;
  const int n = rec.SupportsExterior ? (centreSupport ? 3 : 4) : (centreSupport ? 5 : 4);
  rec.BraceRun = static_cast<float>((static_cast<double>(rec.OverallLength) -
                                     n * static_cast<double>(rec.LumberThickness) -
                                     rec.LeftDeckOverhang - rec.RightDeckOverhang) /
                                    2);
  rec.BraceRise = static_cast<float>(static_cast<double>(rec.TableHeight) - rec.SeatHeight +
                                     rec.SeatSupportDepth / 2.0 - rec.CentreSupportDepth / 2.0);
  rec.BraceAngle = ArcTanDeg(static_cast<float>(Divide(rec.BraceRise, rec.BraceRun)));
  const double braceCos = CosDeg(rec.BraceAngle);
  rec.BraceLength = static_cast<float>(Divide(rec.BraceRun, braceCos));
  rec.BraceCutWidth = static_cast<float>(braceCos * rec.CentreSupportDepth);

  RequireFinite(rec, std::size(kComputed));
  rec.LastCalculationFailed = false;
  return outcome;
}

}  // namespace varnloft
