#include "design/calculate_design.h"

#include <cfloat>
#include <cmath>
#include <string>

#include "measure/angles.h"
#include "measure/errors.h"
#include "measure/number_text.h"

namespace varnloft {

namespace {

constexpr double kFeetPerMetre = 3.2808398;

// Reads one box as a number; refuses values no float can hold, so no infinity enters the record.
double ReadBox(const FormState& form, const char* name) {
  const std::string& text = form.Text(name);
  double v = ReadNumber(text);
  if (std::fabs(v) > FLT_MAX) {
    throw ProgramError("'" + text + "' is too large a number for a table design.");
  }
  return v;
}

// Stores a converted length; a sum of large entries can still overflow the float it is kept in.
float Store(double value, const FormState& form, const char* firstBox) {
  float f = static_cast<float>(value);
  if (!std::isfinite(f)) {
    throw ProgramError("The entry beginning with '" + form.Text(firstBox) +
                       "' gives a length too large for a table design.");
  }
  return f;
}

// Three-box rows: feet, inches, sixteenths; or metres and millimetres.
float ReadThreeBoxLength(const FormState& form, bool imperial, const char* first,
                         const char* second, const char* third) {
  if (imperial) {
    double feet = ReadBox(form, first);
    double inches = ReadBox(form, second);
    double sixteenths = ReadBox(form, third);
    return Store(feet + inches / 12 + sixteenths / 12 / 16, form, first);
  }
  double metres = ReadBox(form, first);
  double millimetres = ReadBox(form, second);
  return Store((metres + millimetres / 1000) * kFeetPerMetre, form, first);
}

// Two-box rows: inches and sixteenths; or millimetres alone.
float ReadTwoBoxLength(const FormState& form, bool imperial, const char* first,
                       const char* second) {
  if (imperial) {
    double inches = ReadBox(form, first);
    double sixteenths = ReadBox(form, second);
    return Store(inches / 12 + sixteenths / 12 / 16, form, first);
  }
  return Store(ReadBox(form, first) / 1000 * kFeetPerMetre, form, first);
}

// Member widths: decimal inches or millimetres.
float ReadWidth(const FormState& form, bool imperial, const char* box) {
  double v = ReadBox(form, box);
  return Store(imperial ? v / 12 : v / 1000 * kFeetPerMetre, form, box);
}

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

struct NominalWidth {
  const char* width;
  const char* size;
};
constexpr NominalWidth kDeckSizes[] = {{"1.5", "2 X 2"},   {"2.5", "2 X 3"},   {"3.5", "2 X 4"},
                                       {"4.5", "2 X 5"},   {"5.5", "2 X 6"},   {"7.25", "2 X 8"},
                                       {"9.25", "2 X 10"}, {"11.25", "2 X 12"}};

// Steps the leg angle down from the formula position until the upper legs clear. Returns false
// when it gives up; the caller then keeps the first angle.
bool RepositionLegs(DesignRecord& rec, Prompts& prompts) {
  const float firstAngle = rec.LegAngle;
  auto giveUp = [&](const std::string& why) {
    rec.LegAngle = firstAngle;
    rec.LegsRepositioned = false;
    prompts.ShowInfo(why);
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

}  // namespace

std::string OverlapQuestionText(const DesignRecord& rec) {
  return "The upper legs will overlap  " + rec.FormatLength(rec.LegOverlap) +
         "  under the normal design settings. Do you want to try Repositioning the legs?";
}

void CalculateDesign(FormState& form, DesignRecord& rec, Prompts& prompts,
                     const std::function<void()>& angleReport) {
  rec.LastCalculationFailed = true;
  const bool imperial = rec.ImperialUnits;

  // 1-2. Scale and the measuring-system button.
  if (!rec.ModelScale) rec.ScaleFactor = 1.0f;
  form.at("Metric").enabled = imperial;

  // 3. End-cap limit: an end cap wider than a 2 X 4 is cut back to one.
  double endCap = 0;
  if (TryReadNumber(form.Text("Edit27"), endCap)) {
    if (imperial && endCap > 3.5) {
      form.Text("ComboBox7") = "2 X 4";
      form.Text("Edit27") = "3.5";
    } else if (!imperial && endCap > 88) {
      form.Text("ComboBox7") = "2 X 4";
      form.Text("Edit27") = "89";
    }
  }

  // 4. Plans and Print become available.
  form.at("BitBtn4").enabled = true;
  form.at("BitBtn5").enabled = true;

  // 5. Thickness label in the current measure.
  form.Text("Label47") =
      imperial
          ? "( " + rec.FormatLength(rec.LumberThickness) + " )"
          : "( " + FixedText(static_cast<double>(rec.LumberThickness) * 12 * 25.4, 0, 4) + " mm )";

  // 6. Name the deck size when its width is a known imperial width.
  for (const auto& nominal : kDeckSizes) {
    if (form.Text("Edit21") == nominal.width) {
      form.Text("ComboBox1") = nominal.size;
      break;
    }
  }

  // 7. Blank boxes read as 0.
  for (int i = 1; i <= 28; ++i) {
    std::string& text = form.Text("Edit" + std::to_string(i));
    if (text.empty()) text = "0";
  }

  // 8. Read and convert every input to feet.
  rec.OverallLength = ReadThreeBoxLength(form, imperial, "Edit1", "Edit2", "Edit3");
  rec.TableHeight = ReadThreeBoxLength(form, imperial, "Edit4", "Edit5", "Edit6");
  rec.SeatHeight = ReadThreeBoxLength(form, imperial, "Edit28", "Edit7", "Edit8");
  rec.LeftDeckOverhang = ReadTwoBoxLength(form, imperial, "Edit9", "Edit10");
  rec.RightDeckOverhang = ReadTwoBoxLength(form, imperial, "Edit11", "Edit12");
  rec.LeftSeatOverhang = ReadTwoBoxLength(form, imperial, "Edit13", "Edit14");
  rec.RightSeatOverhang = ReadTwoBoxLength(form, imperial, "Edit15", "Edit16");
  rec.SeatToTableDistance = ReadTwoBoxLength(form, imperial, "Edit17", "Edit18");
  rec.DeckGap = ReadTwoBoxLength(form, imperial, "Edit19", "Edit20");
  rec.DeckBoardWidth = ReadWidth(form, imperial, "Edit21");
  rec.SeatBoardWidth = ReadWidth(form, imperial, "Edit22");
  rec.OuterSupportDepth = ReadWidth(form, imperial, "Edit23");
  rec.CentreSupportDepth = ReadWidth(form, imperial, "Edit24");
  rec.SeatSupportDepth = ReadWidth(form, imperial, "Edit25");
  rec.LegWidth = ReadWidth(form, imperial, "Edit26");
  rec.EndCapWidth = ReadWidth(form, imperial, "Edit27");

  // 9. The green labels show the actual widths in place of the size boxes.
  const std::pair<const char*, float> labels[] = {
      {"25", rec.DeckBoardWidth},     {"26", rec.SeatBoardWidth},   {"27", rec.OuterSupportDepth},
      {"28", rec.CentreSupportDepth}, {"29", rec.SeatSupportDepth}, {"30", rec.LegWidth},
      {"31", rec.EndCapWidth}};
  for (int i = 0; i < 7; ++i) {
    form.at("ComboBox" + std::to_string(i + 1)).visible = false;
    ControlState& label = form.at(std::string("Label") + labels[i].first);
    label.text = rec.FormatLength(labels[i].second);
    label.visible = true;
  }

  // 10. Board counts.
  rec.DeckBoardCount = Store(ReadBox(form, "ComboBox8"), form, "ComboBox8");
  rec.SeatBoardCount = Store(ReadBox(form, "ComboBox9"), form, "ComboBox9");

  // 11. A seat flush with the table top would put the legs on a zero run.
  if (rec.SeatToTableDistance == 0) rec.SeatToTableDistance = 0.001f;

  // 12. Widths of the seat and the table top.
  rec.SeatWidth = static_cast<float>(static_cast<double>(rec.SeatBoardCount) * rec.SeatBoardWidth +
                                     (static_cast<double>(rec.SeatBoardCount) - 1) * rec.DeckGap);
  rec.TableTopWidth =
      static_cast<float>(static_cast<double>(rec.DeckBoardCount) * rec.DeckBoardWidth +
                         (static_cast<double>(rec.DeckBoardCount) - 1) * rec.DeckGap);

  // 13. Leg angle: first with the foot under the seat's outer edge.
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

  // 14. Seat edge to seat edge.
  rec.OverallWidth =
      static_cast<float>(2.0 * rec.SeatWidth + 2.0 * rec.SeatToTableDistance + rec.TableTopWidth);

  // 15. Clearance between the upper legs at the first angle.
  double clearance = LegClearance(rec);
  rec.LegOverlap = static_cast<float>(-clearance);
  rec.LegsRepositioned = false;

  // 16. Overlapping legs: offer to step the angle down until they clear.
  if (clearance < 0) {
    if (prompts.AskYesNoCancel(OverlapQuestionText(rec)) == Answer::Yes) {
      RepositionLegs(rec, prompts);
    }
  }

  // 17. Leg length, bolt holes and the seat-support extension.
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

  // 18. Seat boards run between the seat overhangs.
  rec.SeatLength =
      static_cast<float>(static_cast<double>(rec.OverallLength) -
                         (static_cast<double>(rec.LeftDeckOverhang) - rec.LeftSeatOverhang) -
                         (static_cast<double>(rec.RightDeckOverhang) - rec.RightSeatOverhang));

  // 19. Brace from the seat support up to the centre support.
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

  rec.LastCalculationFailed = false;

  // 20. The angle report.
  if (angleReport) angleReport();
}

}  // namespace varnloft
