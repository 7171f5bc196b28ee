// The wheelchair ends' suggestions: each failed figure (or pair, for the heights) searched on the
// input that moves it, then every found change designed together.
#include "document/wheelchair_suggestions.h"

#include <algorithm>
#include <cmath>

#include "safety/accessibility.h"
#include "safety/si_units.h"

namespace varnloft {

namespace {

constexpr int kMostTableTopBoards = 20;

bool Has(const std::vector<std::string>& list, const std::string& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

std::string FigureLabel(const std::string& figure) {
  std::string label = figure;
  std::replace(label.begin(), label.end(), '_', ' ');
  return label;
}

std::string EndsLabel(const std::vector<std::string>& ends) {
  return ends.size() == 1 ? ends.front() + " end" : "both ends";
}

std::string CheckName(const std::vector<std::string>& figures,
                      const std::vector<std::string>& ends) {
  std::string name;
  for (size_t i = 0; i < figures.size(); ++i)
    name += (i == 0 ? "" : " and ") + FigureLabel(figures[i]);
  return "wheelchair: " + name + " (" + EndsLabel(ends) + ")";
}

// The ends (of those that fail) where one of the figures fails.
std::vector<std::string> EndsFailing(const std::vector<EndAccess>& failing,
                                     const std::vector<std::string>& figures) {
  std::vector<std::string> ends;
  for (const EndAccess& e : failing)
    for (const std::string& f : figures)
      if (Has(e.failed, f) && !Has(ends, e.end)) ends.push_back(e.end);
  return ends;
}

double Steps(double metres, bool imperial) {
  return metres / kMetresPerFoot * (imperial ? 192.0 : 304.8);
}

// The table height that passes the height and knee height figures at `ends`: the nearest to
// today's within the rule's range, the knee space raised by what it lacks at the worst end.
std::optional<SafetySuggestion> Heights(const VariationSearch& search,
                                        const std::vector<EndAccess>& ends,
                                        const PassTest& passes) {
  const bool children = ends.front().rule == AccessRuleFor(true).name;
  const AccessRule& rule = AccessRuleFor(children);
  const bool imperial = search.imperial();
  const long lowest = std::lround(std::ceil(Steps(rule.lowestM, imperial) - 1e-6));
  const long highest = std::lround(std::floor(Steps(rule.highestM, imperial) + 1e-6));
  double height = 0, lacking = 0;
  for (const EndAccess& e : ends) {
    height = std::max(height, e.tableHeightM);
    lacking = std::max({lacking, rule.lowestM - e.tableHeightM, rule.kneeHeightM - e.kneeHeightM});
  }
  if (height > rule.highestM) return search.Longest({"tableHeight"}, highest, passes);
  const long firstTry = std::lround(std::ceil(Steps(lacking, imperial) - 1e-6));
  return search.Shortest("tableHeight", std::max(firstTry, 1L), std::max(highest, lowest), passes);
}

}  // namespace

bool EndFiguresPass(const SafetyCheck& check, const std::vector<std::string>& ends,
                    const std::vector<std::string>& figures) {
  if (!check.cannotCheck.empty()) return false;
  for (const std::string& name : ends) {
    const auto end = std::find_if(check.accessibility.begin(), check.accessibility.end(),
                                  [&](const EndAccess& e) { return e.end == name; });
    if (end == check.accessibility.end()) return false;
    for (const std::string& figure : figures)
      if (Has(end->failed, figure)) return false;
  }
  return true;
}

std::vector<SafetySuggestion> SuggestWheelchairChanges(const VariationSearch& search,
                                                       const SafetyCheck& check) {
  std::vector<SafetySuggestion> out;
  std::vector<EndAccess> failing;
  for (const EndAccess& e : check.accessibility)
    if (!e.ok) failing.push_back(e);
  if (failing.empty()) return out;

  // The first change found for each figure, to be designed at once at the end.
  SafetySuggestion together;
  const auto add = [&](std::optional<SafetySuggestion> s, const std::string& name, bool first) {
    if (!s) return false;
    s->check = name;
    if (first) {
      for (const auto& input : s->inputs) together.inputs.push_back(input);
      together.change += (together.change.empty() ? "" : ", ") + s->change;
    }
    out.push_back(std::move(*s));
    return true;
  };

  const std::vector<std::string> heights = {"table_height", "knee_height"};
  std::vector<std::string> heightsFailing;
  for (const std::string& f : heights)
    if (!EndsFailing(failing, {f}).empty()) heightsFailing.push_back(f);
  if (!heightsFailing.empty()) {
    const std::vector<std::string> ends = EndsFailing(failing, heightsFailing);
    const PassTest passes = [ends, heights](const SafetyCheck& c) {
      return EndFiguresPass(c, ends, heights);
    };
    std::vector<EndAccess> measured;
    for (const EndAccess& e : failing)
      if (Has(ends, e.end)) measured.push_back(e);
    add(Heights(search, measured, passes), CheckName(heightsFailing, ends), true);
  }

  const std::vector<std::string> widthEnds = EndsFailing(failing, {"knee_width"});
  if (!widthEnds.empty()) {
    const PassTest passes = [widthEnds](const SafetyCheck& c) {
      return EndFiguresPass(c, widthEnds, {"knee_width"});
    };
    const std::string name = CheckName({"knee_width"}, widthEnds);
    const bool counted =
        add(search.CountUp("deckBoardCount", kMostTableTopBoards, passes), name, true);
    add(search.SizeUp("tableTopSize", passes), name, !counted);
  }

  for (const EndAccess& e : failing) {
    if (!Has(e.failed, "knee_depth")) continue;
    const PassTest passes = [end = e.end](const SafetyCheck& c) {
      return EndFiguresPass(c, {end}, {"knee_depth"});
    };
    const long lacking = std::lround(
        std::ceil(Steps(std::max(kKneeDepthM - e.kneeDepthM, 0.0), search.imperial()) - 1e-6));
    const long half = LengthSteps(search.record().OverallLength, search.imperial()) / 2;
    add(search.Shortest(e.end + "DeckOverhang", std::max(lacking, 1L), half, passes),
        CheckName({"knee_depth"}, {e.end}), true);
  }

  // Everything at once, when more than one change is needed: every failing end passes whole.
  if (together.inputs.size() > 1) {
    std::vector<std::string> ends;
    ends.reserve(failing.size());
    for (const EndAccess& e : failing) ends.push_back(e.end);
    const std::vector<std::string> figures(std::begin(kAccessFigures), std::end(kAccessFigures));
    if (search.DesignPasses(together.inputs, [&](const SafetyCheck& c) {
          return EndFiguresPass(c, ends, figures);
        })) {
      together.check = "wheelchair: every figure (" + EndsLabel(ends) + ")";
      out.push_back(std::move(together));
    }
  }
  return out;
}

}  // namespace varnloft
