// Writes the check's figures in the design's measure with the margin each leaves.
#include "safety/safety_rows.h"

#include <cstdio>

#include "safety/si_units.h"

namespace varnloft {

namespace {

std::string Fixed(double v, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  return buf;
}

struct Unit {
  double per;  // SI units per shown unit
  const char* name;
  int decimals;
};

std::string Shown(double si, const Unit& u) {
  return Fixed(si / u.per, u.decimals) + " " + u.name;
}

// A row whose figure must stay at most `limit`.
SafetyRow AtMost(std::string check, double figure, double limit, const Unit& u, std::string source,
                 bool ok) {
  SafetyRow r{
      std::move(check), Shown(figure, u), "at most " + Shown(limit, u), "", std::move(source), ok};
  const double percent = limit > 0 ? 100 * figure / limit : 0;
  r.margin = Shown(limit - figure, u) + " (" + Fixed(percent, 0) + " %)";
  return r;
}

}  // namespace

std::string SafetyVerdict(const SafetyCheck& c, bool imperial) {
  if (!c.cannotCheck.empty()) return c.cannotCheck;
  const Unit mass = imperial ? Unit{kKilogramsPerPound, "lb", 0} : Unit{1, "kg", 0};
  return std::string(c.ok ? "PASS: every check passes" : "FAIL: a check fails") + "; " +
         PropertiesOf(c.species).name + ", the table weighs " + Shown(c.tableMassKg, mass) +
         ", one person of " + Shown(c.personMassKg, mass) + ".";
}

std::vector<SafetyRow> SafetyRows(const SafetyCheck& c, bool imperial) {
  std::vector<SafetyRow> rows;
  if (!c.cannotCheck.empty()) return rows;
  const Unit force =
      imperial ? Unit{kKilogramsPerPound * kStandardGravity, "lbf", 0} : Unit{1, "N", 0};
  const Unit length = imperial ? Unit{kMetresPerInch, "in", 2} : Unit{0.001, "mm", 1};
  const Unit stress = imperial ? Unit{kPascalsPerPsi, "psi", 0} : Unit{1e6, "MPa", 2};
  for (const TippingCase& t : c.stability) {
    if (!t.tippingForceN) {
      rows.push_back({t.name + ": tipping", Shown(t.forceN, force), "inside the footprint",
                      "cannot tip", "statics", t.ok});
      continue;
    }
    SafetyRow r = AtMost(t.name + ": tipping", t.forceN, *t.tippingForceN, force, "statics", t.ok);
    r.limit = "below " + Shown(*t.tippingForceN, force);
    rows.push_back(std::move(r));
  }
  const std::string method = PropertiesOf(c.species).method == DesignMethod::AllowableStress
                                 ? "NDS (allowable stress)"
                                 : "EN 1995-1-1";
  for (const MemberStrength& m : c.strength) {
    const bool sagOk = m.deflectionM <= m.deflectionLimitM;
    const bool stressOk = m.stressPa <= m.allowablePa;
    rows.push_back(AtMost(m.member + ": sag", m.deflectionM, m.deflectionLimitM, length,
                          "span / " + Fixed(m.spanM / m.deflectionLimitM, 0), sagOk));
    rows.push_back(
        AtMost(m.member + ": stress", m.stressPa, m.allowablePa, stress, method, stressOk));
  }
  for (const EndAccess& e : c.accessibility) {
    std::string failed;
    for (const std::string& f : e.failed) failed += (failed.empty() ? "" : ", ") + f;
    rows.push_back({e.end + " end: wheelchair",
                    "knee space " + Shown(e.kneeHeightM, length) + " high, " +
                        Shown(e.kneeDepthM, length) + " deep",
                    "the rule's sizes", failed.empty() ? "all met" : "short: " + failed, e.rule,
                    e.ok});
  }
  return rows;
}

}  // namespace varnloft
