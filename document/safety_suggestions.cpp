// Finds the changes that make a failed safety check pass by designing variations of the document
// (lumber one size up, a shorter table, shorter overhangs) and by scaling the person down to what
// the design holds; each result is designed and checked before it is offered.
#include "document/safety_suggestions.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <numeric>
#include <optional>

#include "design/design_inputs.h"
#include "design/typed_inputs.h"
#include "document/design_cycle.h"
#include "model3d/build_table_model.h"
#include "safety/si_units.h"

namespace varnloft {

namespace {

using PassTest = std::function<bool(const SafetyCheck&)>;

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

// A length in the smallest step a builder types: sixteenths of an inch, or millimetres.
long Steps(float feet, bool imperial) {
  return std::lround(static_cast<double>(feet) * (imperial ? 192.0 : 304.8));
}

std::string InchText(long inches, long sixteenths) {
  if (sixteenths == 0) return std::to_string(inches) + "\"";
  const long g = std::gcd(sixteenths, 16L);
  const std::string fraction = std::to_string(sixteenths / g) + "/" + std::to_string(16 / g);
  return (inches ? std::to_string(inches) + " " : "") + fraction + "\"";
}

// The length of `steps` as a builder types it: 5' 2 1/2", 14 1/2" or 1650 mm.
std::string TypedLength(long steps, InputUnit unit, bool imperial) {
  if (!imperial) return std::to_string(steps) + " mm";
  const long inches = steps / 16, sixteenths = steps % 16;
  if (unit == InputUnit::ShortLength) return InchText(inches, sixteenths);
  std::string feet = std::to_string(inches / 12) + "'";
  if (inches % 12 == 0 && sixteenths == 0) return feet;
  return feet + " " + InchText(inches % 12, sixteenths);
}

std::string RoleLabel(const std::string& role) {
  static const std::vector<std::pair<std::string, std::string>> labels = {
      {"overallLength", "overall length"},
      {"leftDeckOverhang", "left table top overhang"},
      {"rightDeckOverhang", "right table top overhang"},
      {"leftSeatOverhang", "left seat overhang"},
      {"rightSeatOverhang", "right seat overhang"},
      {"tableTopSize", "table top boards"},
      {"seatSize", "seat boards"},
      {"seatSupportSize", "seat supports"},
  };
  for (const auto& [r, label] : labels)
    if (r == role) return label;
  return role;
}

class VariationSearch {
 public:
  VariationSearch(const DesignDocument& document, const DesignRecord& rec,
                  const SafetySettings& settings)
      : document_(document), rec_(rec), settings_(settings) {}

  // Designs the document with `typed` typed over its inputs (role, typed text) and checks it;
  // true when it designs without a question and passes.
  bool DesignPasses(const std::vector<std::pair<std::string, std::string>>& typed,
                    const PassTest& passes, SafetySuggestion* out) const {
    DesignDocument variant = document_;
    std::vector<std::pair<std::string, std::vector<std::string>>> inputs;
    for (const auto& [role, text] : typed) {
      const DesignInput* input = FindInput(role);
      if (!input) return false;
      inputs.emplace_back(role,
                          BoxTextsForTyped(*input, text, imperial(), rec_.ThousandsSeparator));
      variant.Texts(role) = inputs.back().second;
    }
    const DesignOutcome outcome = Design(variant, OverlapAnswer::NotAsked, rec_);
    if (!outcome.Designed()) return false;
    if (!passes(CheckSafety(outcome.record, BuildTableModel(outcome.record), settings_)))
      return false;
    if (out) out->inputs = std::move(inputs);
    return true;
  }

  // The first lumber size of the role's list, wider than today's, whose design passes.
  std::optional<SafetySuggestion> SizeUp(const std::string& role, const PassTest& passes) const {
    const DesignInput* input = FindInput(role);
    if (!input || !input->knownSizes) return std::nullopt;
    const float today = rec_.*(input->field);
    std::vector<std::pair<float, std::string>> wider;
    for (const std::string& size : *input->knownSizes) {
      try {
        const float width = ReadInputValue(
            *input, BoxTextsForTyped(*input, size, imperial(), rec_.ThousandsSeparator),
            imperial());
        if (width > today * (1 + 1e-4f)) wider.emplace_back(width, size);
      } catch (const std::exception&) {
        // A size the measure cannot read is no candidate.
      }
    }
    std::stable_sort(wider.begin(), wider.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [width, size] : wider) {
      SafetySuggestion s;
      if (DesignPasses({{role, size}}, passes, &s)) {
        s.change = RoleLabel(role) + " " + size;
        return s;
      }
    }
    return std::nullopt;
  }

  // The longest setting below today's of the roles (each kept at most at today's value) that
  // passes, searched by halving between `lowest` steps and today's.
  std::optional<SafetySuggestion> Longest(const std::vector<std::string>& roles, long lowest,
                                          const PassTest& passes) const {
    std::vector<long> today;
    today.reserve(roles.size());
    for (const std::string& role : roles)
      today.push_back(Steps(rec_.*(FindInput(role)->field), imperial()));
    const long high = *std::max_element(today.begin(), today.end());
    if (high <= lowest) return std::nullopt;
    const auto typedAt = [&](long steps) {
      std::vector<std::pair<std::string, std::string>> typed;
      for (size_t i = 0; i < roles.size(); ++i)
        if (today[i] > steps)
          typed.emplace_back(roles[i], TypedLength(steps, FindInput(roles[i])->unit, imperial()));
      return typed;
    };
    SafetySuggestion found;
    if (!DesignPasses(typedAt(lowest), passes, &found)) return std::nullopt;
    long pass = lowest, fail = high;
    while (fail - pass > 1) {
      const long mid = pass + (fail - pass) / 2;
      SafetySuggestion s;
      if (DesignPasses(typedAt(mid), passes, &s)) {
        pass = mid;
        found = std::move(s);
      } else {
        fail = mid;
      }
    }
    for (const auto& [role, text] : typedAt(pass))
      found.change += (found.change.empty() ? "" : ", ") + RoleLabel(role) + " " + text;
    return found;
  }

  // The heaviest person, in whole kilograms (pounds in imperial), that the design as it is
  // holds, starting from `estimateKg` and checked; none when it holds no one.
  std::optional<SafetySuggestion> Person(double estimateKg, const PassTest& passes) const {
    if (!std::isfinite(estimateKg) || estimateKg <= 0) return std::nullopt;
    const double unitKg = imperial() ? kKilogramsPerPound : 1.0;
    const TableModel model = BuildTableModel(rec_);
    for (double units = std::floor(estimateKg / unitKg + 1e-9), tries = 0; units >= 1 && tries < 4;
         units -= 1, tries += 1) {
      SafetySettings lighter = settings_;
      lighter.personMassKg = units * unitKg;
      if (!passes(CheckSafety(rec_, model, lighter))) continue;
      SafetySuggestion s;
      s.personMassKg = units * unitKg;
      s.change = "a person of at most " + std::to_string(static_cast<long>(units)) +
                 (imperial() ? " lb" : " kg");
      return s;
    }
    return std::nullopt;
  }

  bool imperial() const { return rec_.ImperialUnits; }

 private:
  const DesignDocument& document_;
  const DesignRecord& rec_;
  const SafetySettings& settings_;
};

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
  const long halfLength = Steps(rec.OverallLength, rec.ImperialUnits) / 2;

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
  return out;
}

}  // namespace varnloft
