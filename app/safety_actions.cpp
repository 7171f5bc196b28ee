// The window's safety check: the check and its suggestions from the window's state, the rows
// the Safety window shows, and applying a suggestion as a builder would type it.
#include "app/safety_actions.h"

#include <cmath>
#include <cstdio>

#include "app/design_state.h"
#include "app/input_boxes.h"
#include "design/design_inputs.h"
#include "document/safety_suggestions.h"
#include "model3d/build_table_model.h"
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
  r.margin = Shown(limit - figure, u) + " (" + Fixed(percent, 0) + " % of the limit)";
  return r;
}

const InputBoxes* BoxesOf(const std::string& role) {
  for (const InputBoxes& entry : InputBoxTable())
    if (role == entry.input->role) return &entry;
  return nullptr;
}

}  // namespace

WindowSafety CheckWindowDesign(const MainWindow& w, SafetySettings settings) {
  if (!settings.species) settings.species = w.form.woodSpecies;
  WindowSafety out;
  out.check = CheckSafety(w.rec, BuildTableModel(w.rec), settings);
  out.suggestions =
      SuggestSafetyChanges(CaptureDesignState(w.form, w.rec), w.rec, out.check, settings);
  return out;
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
    SafetyRow r = AtMost(t.name + ": tipping", t.forceN, *t.tippingForceN, force,
                         "statics: the table's weight about the footprint's edge", t.ok);
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

bool ApplySafetySuggestion(MainWindow& w, const SafetySuggestion& s) {
  if (!w.form.mainWindowEnabled) return false;
  for (const auto& [role, texts] : s.inputs) {
    const InputBoxes* entry = BoxesOf(role);
    if (!entry || texts.size() != entry->boxes.size()) return false;
  }
  if (s.inputs.empty()) return true;
  {
    MainWindow::StepScope step(w, "Safety suggestion: " + s.change);
    for (const auto& [role, texts] : s.inputs) {
      const InputBoxes& entry = *BoxesOf(role);
      // The boxes the design reads in this measure; a lumber row's size box first, whose change
      // fills its width box in, as choosing a size does.
      std::vector<size_t> slots = ReadSlots(entry.input->unit, w.rec.ImperialUnits);
      if (entry.IsLumberRow()) slots.insert(slots.begin(), 0);
      for (size_t slot : slots) {
        const std::string box = entry.boxes[slot];
        if (entry.IsLumberRow() && slot == 0 && !w.form.at(box).visible &&
            w.form.at(entry.greenLabel).visible)
          w.HandleUserEvent([&] { w.ShowLumberSizeBox(entry.greenLabel); });
        w.HandleUserEvent([&] { w.TypeIntoBox(box, texts[slot]); });
      }
    }
  }
  if (!w.form.mainWindowEnabled || !w.form.at("BitBtn3").enabled) return true;
  w.ButtonMouseDown("BitBtn3");
  w.HandleUserEvent([&] { w.PressDesign(); });
  return true;
}

}  // namespace varnloft
