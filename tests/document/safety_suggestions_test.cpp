// What to change after a failed safety check, on real designs: every suggestion designs through
// the design function and passes the check it names, sizes go up and lengths come down from
// today's, the person suggested is the heaviest the design holds, and a passing design gets none.
#include "document/safety_suggestions.h"

#include <gtest/gtest.h>

#include <chrono>

#include "design/design_inputs.h"
#include "design/preset_table.h"
#include "document/design_cycle.h"
#include "document/wheelchair_suggestions.h"
#include "model3d/build_table_model.h"
#include "safety/safety_json.h"

namespace varnloft {
namespace {

DesignDocument PresetDocument(size_t index, bool imperial) {
  DesignDocument d = AdultStandardDocument(imperial);
  for (const auto& [role, texts] : PresetTexts(index, imperial)) d.Texts(role) = texts;
  const PresetDesign& preset = PresetDesigns().at(index);
  d.lumberThickness = preset.lumberThickness;
  d.thicknessInches = preset.thicknessInches;
  d.thicknessSixteenths = preset.thicknessSixteenths;
  d.presetCaption = preset.caption;
  return d;
}

struct Checked {
  DesignOutcome outcome;
  SafetyCheck check;
};

Checked DesignAndCheck(const DesignDocument& d, const SafetySettings& settings = {}) {
  Checked c{Design(d, OverlapAnswer::NotAsked), {}};
  EXPECT_TRUE(c.outcome.Designed()) << c.outcome.error;
  c.check = CheckSafety(c.outcome.record, BuildTableModel(c.outcome.record), settings);
  return c;
}

// The figures and ends a wheelchair suggestion's check names: "wheelchair: table height and
// knee height (both ends)" names table_height and knee_height at the left and right ends.
bool WheelchairCheckPasses(const SafetyCheck& c, std::string name) {
  name = name.substr(std::string("wheelchair: ").size());
  const size_t open = name.find(" (");
  const std::string endText = name.substr(open + 2, name.size() - open - 3);
  const std::vector<std::string> ends =
      endText == "both ends" ? std::vector<std::string>{"left", "right"}
                             : std::vector<std::string>{endText.substr(0, endText.find(' '))};
  std::vector<std::string> figures;
  if (name.rfind("every figure", 0) == 0)
    figures = {"table_height", "knee_height", "knee_width", "knee_depth"};
  for (const char* f : {"table height", "knee height", "knee width", "knee depth"}) {
    if (name.find(f) == std::string::npos || !figures.empty()) continue;
    std::string figure = f;
    figure[figure.find(' ')] = '_';
    figures.push_back(figure);
  }
  EXPECT_FALSE(figures.empty()) << name;
  for (const std::string& end : ends) {
    bool found = false;
    for (const EndAccess& e : c.accessibility) {
      if (e.end != end) continue;
      found = true;
      for (const std::string& f : figures)
        if (std::find(e.failed.begin(), e.failed.end(), f) != e.failed.end()) return false;
    }
    if (!found) return false;
  }
  return true;
}

bool NamedCheckPasses(const SafetyCheck& c, const std::string& name) {
  if (!c.cannotCheck.empty()) return false;
  if (name.rfind("wheelchair: ", 0) == 0) return WheelchairCheckPasses(c, name);
  if (name == "stability") {
    for (const TippingCase& t : c.stability)
      if (!t.ok) return false;
    return true;
  }
  for (const MemberStrength& m : c.strength)
    if ("strength: " + m.member == name) return m.ok;
  return false;
}

// Designs the suggestion's texts over the document and checks the result.
Checked Applied(const DesignDocument& d, const SafetySuggestion& s, SafetySettings settings) {
  DesignDocument changed = d;
  for (const auto& [role, texts] : s.inputs) changed.Texts(role) = texts;
  if (s.personMassKg > 0) settings.personMassKg = s.personMassKg;
  return DesignAndCheck(changed, settings);
}

void ExpectEverySuggestionPasses(const DesignDocument& d, const SafetySettings& settings) {
  const Checked today = DesignAndCheck(d, settings);
  ASSERT_TRUE(today.check.cannotCheck.empty()) << today.check.cannotCheck;
  ASSERT_FALSE(today.check.ok);
  const std::vector<SafetySuggestion> suggestions =
      SuggestSafetyChanges(today.outcome.document, today.outcome.record, today.check, settings);
  ASSERT_FALSE(suggestions.empty());
  for (const SafetySuggestion& s : suggestions) {
    SCOPED_TRACE(s.check + " / " + s.change);
    EXPECT_FALSE(NamedCheckPasses(today.check, s.check));
    EXPECT_NE(s.inputs.empty(), s.personMassKg == 0);
    EXPECT_TRUE(NamedCheckPasses(Applied(today.outcome.document, s, settings).check, s.check));
  }
}

TEST(SafetySuggestions, EachSuggestionForTheWheelchairTableDesignsAndPasses) {
  ExpectEverySuggestionPasses(PresetDocument(2, true), {});
  ExpectEverySuggestionPasses(PresetDocument(2, false), {});
}

// The children's wheelchair tables fail all four figures at their ends: each gets a change that
// passes it, and one that passes every figure at once.
TEST(SafetySuggestions, FailedWheelchairEndsGetChangesThatPassThem) {
  for (bool imperial : {true, false}) {
    for (size_t preset : {6u, 7u}) {
      SCOPED_TRACE(std::string(PresetDesigns().at(preset).caption) +
                   (imperial ? " imperial" : " metric"));
      const DesignDocument d = PresetDocument(preset, imperial);
      const Checked today = DesignAndCheck(d);
      ASSERT_FALSE(today.check.accessibility.empty());
      const auto suggestions =
          SuggestSafetyChanges(today.outcome.document, today.outcome.record, today.check);
      std::vector<std::string> names;
      for (const SafetySuggestion& s : suggestions) {
        if (s.check.rfind("wheelchair: ", 0) != 0) continue;
        SCOPED_TRACE(s.check + " / " + s.change);
        names.push_back(s.check);
        EXPECT_FALSE(NamedCheckPasses(today.check, s.check));
        EXPECT_TRUE(NamedCheckPasses(Applied(d, s, {}).check, s.check));
      }
      const std::string ends = preset == 6 ? "left end" : "both ends";
      for (const std::string& expected :
           {"wheelchair: table height and knee height (" + ends + ")",
            "wheelchair: knee width (" + ends + ")", "wheelchair: every figure (" + ends + ")",
            std::string("wheelchair: knee depth (left end)")})
        EXPECT_NE(std::find(names.begin(), names.end(), expected), names.end()) << expected;
    }
  }
}

// A hand-made failure: the adult table with one wheelchair end at 2' 4" (28", the lowest the
// adults' rule allows; any lower makes a children's table). Its table top is 1 1/2" thick, so the
// knee space is 26 1/2" high and asks 27" + 1 1/2" = 2' 4 1/2" of table height: the suggestion is
// that height to the sixteenth. A table at 35" is lowered to the highest allowed, 34".
TEST(SafetySuggestions, AWheelchairEndsTableHeightIsMovedJustEnough) {
  const auto heightSuggestion = [](const std::vector<std::string>& typed, const std::string& name,
                                   const std::vector<std::string>& failed) {
    DesignDocument d = PresetDocument(1, true);
    d.Texts("tableHeight") = typed;
    const Checked today = DesignAndCheck(d);
    EXPECT_EQ(today.check.accessibility.size(), 1u);
    if (today.check.accessibility.size() != 1) return SafetySuggestion{};
    EXPECT_EQ(today.check.accessibility[0].failed, failed);
    // 28" typed is an adult's table, though the design's float keeps it a hair under 28".
    EXPECT_EQ(today.check.accessibility[0].rule, "ADA 2010 902.3");
    EXPECT_EQ(today.check.personMassKg, kAdultMassKg);
    for (const SafetySuggestion& s :
         SuggestSafetyChanges(today.outcome.document, today.outcome.record, today.check)) {
      if (s.check != name) continue;
      EXPECT_TRUE(NamedCheckPasses(Applied(d, s, {}).check, s.check));
      return s;
    }
    ADD_FAILURE() << "no suggestion " << name;
    return SafetySuggestion{};
  };
  const SafetySuggestion raised =
      heightSuggestion({"2", "4", "0"}, "wheelchair: knee height (left end)", {"knee_height"});
  EXPECT_EQ(raised.change, "table height 2' 4 1/2\"");
  ASSERT_EQ(raised.inputs.size(), 1u);
  EXPECT_EQ(raised.inputs[0].first, "tableHeight");
  // A sixteenth lower leaves the knee space short.
  SafetySuggestion lower = raised;
  lower.inputs[0].second = {"2", "4", "7"};
  EXPECT_FALSE(NamedCheckPasses(Applied(PresetDocument(1, true), lower, {}).check, raised.check));

  const SafetySuggestion lowered =
      heightSuggestion({"2", "11", "0"}, "wheelchair: table height (left end)", {"table_height"});
  EXPECT_EQ(lowered.change, "table height 2' 10\"");
}

TEST(SafetySuggestions, TheWheelchairTablesSeatsGetTheLongestPassingLength) {
  const DesignDocument d = PresetDocument(2, true);
  const Checked today = DesignAndCheck(d);
  ASSERT_FALSE(NamedCheckPasses(today.check, "strength: Seat"));
  const auto suggestions =
      SuggestSafetyChanges(today.outcome.document, today.outcome.record, today.check);
  const SafetySuggestion* length = nullptr;
  for (const SafetySuggestion& s : suggestions)
    if (s.check == "strength: Seat" && s.inputs.size() == 1 && s.inputs[0].first == "overallLength")
      length = &s;
  ASSERT_NE(length, nullptr);
  EXPECT_EQ(length->change.rfind("overall length ", 0), 0u) << length->change;
  const float shorter = ReadInputValue(*FindInput("overallLength"), length->inputs[0].second, true);
  EXPECT_LT(shorter, today.outcome.record.OverallLength);
  // The longest: a sixteenth more fails again.
  SafetySuggestion longer = *length;
  longer.inputs[0].second = {"0", "0", "0"};
  const double sixteenths = std::round(shorter * 192.0) + 1;
  longer.inputs[0].second = {std::to_string(static_cast<int>(sixteenths) / 192),
                             std::to_string(static_cast<int>(sixteenths) % 192 / 16),
                             std::to_string(static_cast<int>(sixteenths) % 16)};
  EXPECT_FALSE(NamedCheckPasses(Applied(d, longer, {}).check, "strength: Seat"));
}

TEST(SafetySuggestions, AHeavyPersonGetsLumberUpAndTheHeaviestPersonHeld) {
  DesignDocument d = AdultStandardDocument(true);
  SafetySettings heavy;
  heavy.personMassKg = 400;
  ExpectEverySuggestionPasses(d, heavy);
  const Checked today = DesignAndCheck(d, heavy);
  const auto suggestions =
      SuggestSafetyChanges(today.outcome.document, today.outcome.record, today.check, heavy);
  bool sizeUp = false, person = false;
  for (const SafetySuggestion& s : suggestions) {
    if (s.check == "strength: Seat Support" && !s.inputs.empty()) {
      sizeUp = true;
      EXPECT_EQ(s.inputs[0].first, "seatSupportSize");
      EXPECT_GT(ReadInputValue(*FindInput("seatSupportSize"), s.inputs[0].second, true),
                today.outcome.record.SeatSupportDepth);
    }
    if (s.personMassKg > 0) {
      person = true;
      EXPECT_LT(s.personMassKg, 400);
      // A pound more no longer passes: it is the heaviest in whole pounds.
      SafetySettings more = heavy;
      more.personMassKg = s.personMassKg + 0.45359237;
      EXPECT_FALSE(NamedCheckPasses(DesignAndCheck(d, more).check, s.check)) << s.change;
    }
  }
  EXPECT_TRUE(sizeUp);
  EXPECT_TRUE(person);
}

TEST(SafetySuggestions, APassingOrUncheckedDesignGetsNone) {
  const Checked good = DesignAndCheck(AdultStandardDocument(true));
  ASSERT_TRUE(good.check.ok);
  EXPECT_TRUE(SuggestSafetyChanges(good.outcome.document, good.outcome.record, good.check).empty());
  SafetyCheck unchecked = good.check;
  unchecked.ok = false;
  unchecked.cannotCheck = "The safety check cannot be made: the last calculation failed.";
  EXPECT_TRUE(SuggestSafetyChanges(good.outcome.document, good.outcome.record, unchecked).empty());
}

TEST(SafetySuggestions, TheReportListsThemWithTheirInputs) {
  SafetySuggestion s{"strength: Seat", "seat boards 2 X 8", {{"seatSize", {"2 X 8", "7.25"}}}, 0};
  SafetySuggestion p{"stability", "a person of at most 90 kg", {}, 90};
  const std::string json = SafetyJson(SafetyCheck{}, {s, p});
  EXPECT_NE(json.find("\"suggestions\": [{\"check\": \"strength: Seat\", \"change\": \"seat boards "
                      "2 X 8\", \"inputs\": {\"seatSize\": [\"2 X 8\", \"7.25\"]}, \"person_kg\": "
                      "null}, {\"check\": \"stability\", \"change\": \"a person of at most 90 "
                      "kg\", \"inputs\": {}, \"person_kg\": 90}]"),
            std::string::npos)
      << json;
}

}  // namespace
}  // namespace varnloft
