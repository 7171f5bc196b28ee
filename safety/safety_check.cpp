#include "safety/safety_check.h"

#include <cmath>

#include "safety/board_spans.h"
#include "safety/footprint.h"
#include "safety/model_parts.h"
#include "safety/si_units.h"
#include "safety/table_mass.h"

namespace varnloft {

namespace {

constexpr double kAdultTableHeightM = kChildrensTableBelowM;  // the lowest an adult's table is

SafetyCheck CannotCheck(const SafetyCheck& check, const std::string& why) {
  SafetyCheck out;
  out.species = check.species;
  out.personMassKg = check.personMassKg;
  out.personForceN = check.personForceN;
  out.cannotCheck = "The safety check cannot be made: " + why + ".";
  out.ok = false;
  return out;
}

bool Finite(double v) {
  return std::isfinite(v);
}

// True when every figure of the report is a finite number.
bool AllFigures(const SafetyCheck& c) {
  bool finite = Finite(c.tableMassKg) && AllFinite(c.centreOfMass) && Finite(c.seatHeightM) &&
                Finite(c.tableHeightM);
  for (const Vec2& p : c.footprint) finite = finite && Finite(p.x) && Finite(p.y);
  for (const TippingCase& t : c.stability)
    finite = finite && AllFinite(t.point) && (!t.tippingForceN || Finite(*t.tippingForceN));
  for (const MemberStrength& m : c.strength)
    finite = finite && Finite(m.spanM) && Finite(m.loadN) && Finite(m.elasticPa) &&
             Finite(m.secondMomentM4) && Finite(m.sectionModulusM3) && Finite(m.deflectionM) &&
             Finite(m.deflectionLimitM) && Finite(m.stressPa) && Finite(m.allowablePa);
  for (const EndAccess& e : c.accessibility)
    finite = finite && Finite(e.tableHeightM) && Finite(e.kneeHeightM) && Finite(e.kneeWidthM) &&
             Finite(e.kneeDepthM);
  if (c.children)
    finite = finite && Finite(c.children->seatDifferenceM) && Finite(c.children->tableDifferenceM);
  return finite;
}

}  // namespace

double PersonMassKg(const SafetySettings& settings, double tableHeightM) {
  if (settings.personMassKg) return *settings.personMassKg;
  return Below(tableHeightM, kChildrensTableBelowM) ? kChildMassKg : kAdultMassKg;
}

SafetyCheck CheckSafety(const DesignRecord& rec, const TableModel& model,
                        const SafetySettings& settings) {
  SafetyCheck c;
  c.species = settings.species.value_or(DefaultSpecies(rec.ImperialUnits));
  const Box3 top = BoxOf(model, {"Table Top", "End Cap"});
  const Box3 seats = BoxOf(model, {"Seat"});
  c.tableHeightM = top.Empty() ? 0 : top.max.z;
  c.seatHeightM = seats.Empty() ? 0 : seats.max.z;
  // Without a table top (a design the check cannot be made on) the person is the adult.
  const bool children = !top.Empty() && Below(c.tableHeightM, kChildrensTableBelowM);
  c.personMassKg = PersonMassKg(settings, top.Empty() ? kAdultTableHeightM : c.tableHeightM);
  c.personForceN = c.personMassKg * kStandardGravity;

  if (rec.LastCalculationFailed) return CannotCheck(c, "the last calculation failed");
  if (!(Finite(c.personMassKg) && c.personMassKg > 0))
    return CannotCheck(c, "the person's mass is not a positive number");
  if (!(Finite(settings.deflectionRatio) && settings.deflectionRatio > 0))
    return CannotCheck(c, "the deflection limit is not a positive number");
  if (model.pieces.empty()) return CannotCheck(c, "the 3D model has no pieces");
  if (top.Empty()) return CannotCheck(c, "the table has no table top");
  if (seats.Empty()) return CannotCheck(c, "the table has no seats");

  const std::optional<TableMass> mass = TableMassOf(model, PropertiesOf(c.species).densityKgPerM3);
  if (!mass) return CannotCheck(c, "the table's mass cannot be found");
  c.tableMassKg = mass->massKg;
  c.centreOfMass = mass->centreOfMass;

  c.footprint = Footprint(model);
  if (c.footprint.size() < 3) return CannotCheck(c, "the table does not stand on an area");
  const double weight = c.tableMassKg * kStandardGravity;
  const Vec2 centre{c.centreOfMass.x, c.centreOfMass.y};
  const std::vector<LoadCase> loads = TippingLoadCases(model);
  if (loads.empty()) return CannotCheck(c, "the table has no seats on both sides");
  for (const LoadCase& load : loads)
    c.stability.push_back(CheckTipping(load, c.personForceN, weight, centre, c.footprint));

  StrengthChecks strength =
      CheckStrength(model, rec, c.species, c.personForceN, settings.deflectionRatio);
  if (!strength.missing.empty()) return CannotCheck(c, strength.missing);
  c.strength = std::move(strength.members);

  c.accessibility = CheckWheelchairEnds(model, children);
  if (Below(c.tableHeightM, kSizeMarksBelowM))
    c.children = NearestSizeMark(c.seatHeightM, c.tableHeightM);

  if (!AllFigures(c)) return CannotCheck(c, "a figure of the check is not a finite number");
  c.ok = true;
  for (const TippingCase& t : c.stability) c.ok = c.ok && t.ok;
  for (const MemberStrength& m : c.strength) c.ok = c.ok && m.ok;
  for (const EndAccess& e : c.accessibility) c.ok = c.ok && e.ok;
  return c;
}

}  // namespace varnloft
