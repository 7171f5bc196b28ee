// Finds the changes that make a failed safety check pass by designing variations of the document
// (lumber one size up, a shorter table, shorter overhangs, the wheelchair ends' changes) and by
// scaling the person down to what the design holds; each result is designed and checked before
// it is offered.
#include "document/safety_suggestions.h"

#include <algorithm>
#include <limits>

#include "document/variation_search.h"
#include "document/wheelchair_suggestions.h"
#include "safety/si_units.h"

namespace varnloft {

namespace {

bool MemberPasses(const SafetyCheck& c, const std::string& member) {
  if (!c.cannotCheck.empty()) return false;
  for (const MemberStrength& m : c.strength)
    if (m.member == member) return m.ok;
  return false;
}

bool StabilityPasses(const SafetyCheck& c) {
  if (!c.cannotCheck.empty()) return false;
  return std::all_of(c.stability.begin(), c.stability.end(),
                     [](const TippingCase& t) { return t.ok; });
}

void Add(std::vector<SafetySuggestion>& out, const std::string& check,
         std::optional<SafetySuggestion> s) {
  if (!s) return;
  s->check = check;
  out.push_back(std::move(*s));
}

// How many times its load the member would carry within both its limits.
double StrengthReserve(const MemberStrength& m) {
  double r = std::numeric_limits<double>::infinity();
  if (m.deflectionM > 0) r = std::min(r, m.deflectionLimitM / m.deflectionM);
  if (m.stressPa > 0) r = std::min(r, m.allowablePa / m.stressPa);
  return r;
}

// The overhangs whose ends a failed tipping case stands at: the table top's for its corners, the
// seat's for a seat's ends; none for the middle of a seat.
std::vector<std::string> OverhangsOf(const std::vector<TippingCase>& failed) {
  std::vector<std::string> roles;
  for (const TippingCase& t : failed) {
    const bool top = t.name.rfind("table top", 0) == 0;
    for (const char* end : {"left", "right"}) {
      if (t.name.find(std::string(end) + " end") == std::string::npos) continue;
      const std::string role = std::string(end) + (top ? "DeckOverhang" : "SeatOverhang");
      if (std::find(roles.begin(), roles.end(), role) == roles.end()) roles.push_back(role);
    }
  }
  return roles;
}

}  // namespace

std::vector<SafetySuggestion> SuggestSafetyChanges(const DesignDocument& document,
                                                   const DesignRecord& rec,
                                                   const SafetyCheck& check,
                                                   const SafetySettings& settings) {
  std::vector<SafetySuggestion> out;
  if (!check.cannotCheck.empty() || check.ok || rec.LastCalculationFailed) return out;
  const VariationSearch search(document, rec, settings);
  const long halfLength = LengthSteps(rec.OverallLength, rec.ImperialUnits) / 2;

  for (const MemberStrength& m : check.strength) {
    if (m.ok) continue;
    const std::string name = "strength: " + m.member;
    const PassTest passes = [member = m.member](const SafetyCheck& c) {
      return MemberPasses(c, member);
    };
    const std::string sizeRole = m.member == "Table Top" ? "tableTopSize"
                                 : m.member == "Seat"    ? "seatSize"
                                                         : "seatSupportSize";
    Add(out, name, search.SizeUp(sizeRole, passes));
    if (!m.cantilever) Add(out, name, search.Longest({"overallLength"}, halfLength, passes));
    Add(out, name, search.Person(check.personMassKg * StrengthReserve(m), passes));
  }

  std::vector<TippingCase> tipped;
  for (const TippingCase& t : check.stability)
    if (!t.ok) tipped.push_back(t);
  if (!tipped.empty()) {
    const std::vector<std::string> overhangs = OverhangsOf(tipped);
    if (!overhangs.empty()) Add(out, "stability", search.Longest(overhangs, 0, StabilityPasses));
    double holds = std::numeric_limits<double>::infinity();
    for (const TippingCase& t : tipped)
      holds = std::min(holds, t.tippingForceN.value_or(0) / kStandardGravity);
    Add(out, "stability", search.Person(holds, StabilityPasses));
  }

  for (SafetySuggestion& s : SuggestWheelchairChanges(search, check)) out.push_back(std::move(s));
  return out;
}

}  // namespace varnloft
