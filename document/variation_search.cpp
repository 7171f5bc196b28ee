// Designs variations of a document and checks them: lumber one size up, a length searched by
// halving between a passing and a failing value, a count one more at a time, a lighter person.
#include "document/variation_search.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "design/design_inputs.h"
#include "design/typed_inputs.h"
#include "document/design_cycle.h"
#include "model3d/build_table_model.h"
#include "safety/si_units.h"

namespace varnloft {

namespace {

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

// "overall length 5' 2\"", or for a count "8 table top boards".
std::string ChangeText(const TypedInputs& typed) {
  std::string change;
  for (const auto& [role, text] : typed) {
    const DesignInput* input = FindInput(role);
    const bool count = input && input->unit == InputUnit::Count;
    change += (change.empty() ? "" : ", ") +
              (count ? text + " " + RoleLabel(role) : RoleLabel(role) + " " + text);
  }
  return change;
}

}  // namespace

long LengthSteps(double feet, bool imperial) {
  return std::lround(feet * (imperial ? 192.0 : 304.8));
}

std::string RoleLabel(const std::string& role) {
  static const std::vector<std::pair<std::string, std::string>> labels = {
      {"overallLength", "overall length"},
      {"tableHeight", "table height"},
      {"leftDeckOverhang", "left table top overhang"},
      {"rightDeckOverhang", "right table top overhang"},
      {"leftSeatOverhang", "left seat overhang"},
      {"rightSeatOverhang", "right seat overhang"},
      {"tableTopSize", "table top boards"},
      {"seatSize", "seat boards"},
      {"seatSupportSize", "seat supports"},
      {"deckBoardCount", "table top boards"},
  };
  for (const auto& [r, label] : labels)
    if (r == role) return label;
  return role;
}

bool VariationSearch::DesignPasses(const TypedInputs& typed, const PassTest& passes,
                                   SafetySuggestion* out) const {
  std::vector<std::pair<std::string, std::vector<std::string>>> inputs;
  for (const auto& [role, text] : typed) {
    const DesignInput* input = FindInput(role);
    if (!input) return false;
    inputs.emplace_back(role, BoxTextsForTyped(*input, text, imperial(), rec_.ThousandsSeparator));
  }
  if (!DesignPasses(inputs, passes)) return false;
  if (out) {
    out->inputs = std::move(inputs);
    out->change = ChangeText(typed);
  }
  return true;
}

bool VariationSearch::DesignPasses(
    const std::vector<std::pair<std::string, std::vector<std::string>>>& inputs,
    const PassTest& passes) const {
  DesignDocument variant = document_;
  for (const auto& [role, texts] : inputs) {
    if (!FindInput(role)) return false;
    variant.Texts(role) = texts;
  }
  const DesignOutcome outcome = Design(variant, OverlapAnswer::NotAsked, rec_);
  if (!outcome.Designed()) return false;
  return passes(CheckSafety(outcome.record, BuildTableModel(outcome.record), settings_));
}

std::optional<SafetySuggestion> VariationSearch::SizeUp(const std::string& role,
                                                        const PassTest& passes) const {
  const DesignInput* input = FindInput(role);
  if (!input || !input->knownSizes) return std::nullopt;
  const float today = rec_.*(input->field);
  std::vector<std::pair<float, std::string>> wider;
  for (const std::string& size : *input->knownSizes) {
    try {
      const float width = ReadInputValue(
          *input, BoxTextsForTyped(*input, size, imperial(), rec_.ThousandsSeparator), imperial());
      if (width > today * (1 + 1e-4f)) wider.emplace_back(width, size);
    } catch (const std::exception&) {
      // A size the measure cannot read is no candidate.
    }
  }
  std::stable_sort(wider.begin(), wider.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& [width, size] : wider) {
    SafetySuggestion s;
    if (DesignPasses({{role, size}}, passes, &s)) return s;
  }
  return std::nullopt;
}

std::optional<SafetySuggestion> VariationSearch::Bisect(
    const std::function<TypedInputs(long)>& typedAt, long pass, long fail,
    const PassTest& passes) const {
  SafetySuggestion found;
  if (!DesignPasses(typedAt(pass), passes, &found)) return std::nullopt;
  while (std::labs(fail - pass) > 1) {
    const long mid = pass + (fail - pass) / 2;
    SafetySuggestion s;
    if (DesignPasses(typedAt(mid), passes, &s)) {
      pass = mid;
      found = std::move(s);
    } else {
      fail = mid;
    }
  }
  return found;
}

long VariationSearch::TodaySteps(const std::string& role) const {
  const DesignInput* input = FindInput(role);
  if (!input) return 0;
  const double value = rec_.*(input->field);
  return input->unit == InputUnit::Count ? std::lround(value) : LengthSteps(value, imperial());
}

std::string VariationSearch::TypedSteps(const std::string& role, long steps) const {
  return TypedLength(steps, FindInput(role)->unit, imperial());
}

std::optional<SafetySuggestion> VariationSearch::Longest(const std::vector<std::string>& roles,
                                                         long lowest,
                                                         const PassTest& passes) const {
  std::vector<long> today;
  today.reserve(roles.size());
  for (const std::string& role : roles) {
    if (!FindInput(role)) return std::nullopt;
    today.push_back(TodaySteps(role));
  }
  const long high = *std::max_element(today.begin(), today.end());
  if (high <= lowest) return std::nullopt;
  const auto typedAt = [&](long steps) {
    TypedInputs typed;
    for (size_t i = 0; i < roles.size(); ++i)
      if (today[i] > steps) typed.emplace_back(roles[i], TypedSteps(roles[i], steps));
    return typed;
  };
  return Bisect(typedAt, lowest, high, passes);
}

std::optional<SafetySuggestion> VariationSearch::Shortest(const std::string& role, long firstTry,
                                                          long highest,
                                                          const PassTest& passes) const {
  if (!FindInput(role)) return std::nullopt;
  const long today = TodaySteps(role);
  const auto typedAt = [&](long steps) { return TypedInputs{{role, TypedSteps(role, steps)}}; };
  for (long step = std::max(1L, firstTry);; step *= 2) {
    const long tried = std::min(today + step, highest);
    if (tried <= today) return std::nullopt;
    if (DesignPasses(typedAt(tried), passes, nullptr)) return Bisect(typedAt, tried, today, passes);
    if (tried == highest) return std::nullopt;
  }
}

std::optional<SafetySuggestion> VariationSearch::CountUp(const std::string& role, int highest,
                                                         const PassTest& passes) const {
  const DesignInput* input = FindInput(role);
  if (!input || input->unit != InputUnit::Count) return std::nullopt;
  for (long count = TodaySteps(role) + 1; count <= highest; ++count) {
    SafetySuggestion s;
    if (DesignPasses({{role, std::to_string(count)}}, passes, &s)) return s;
  }
  return std::nullopt;
}

std::optional<SafetySuggestion> VariationSearch::Person(double estimateKg,
                                                        const PassTest& passes) const {
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

}  // namespace varnloft
