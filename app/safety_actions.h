#pragma once
// The safety check of the window's design: the check with its suggestions, each check as the
// lines a window shows (figure, limit, margin, source, pass or fail in the design's measure),
// and a suggestion typed into the boxes as one undo step before Design is pressed.
#include <string>
#include <vector>

#include "app/main_window.h"
#include "safety/safety_check.h"
#include "safety/safety_suggestion.h"

namespace varnloft {

struct WindowSafety {
  SafetyCheck check;
  std::vector<SafetySuggestion> suggestions;
};

// Checks the last design; without a species in `settings` the design's own wood counts, else
// the measure's default. The suggestions vary the boxes as they stand.
WindowSafety CheckWindowDesign(const MainWindow& w, SafetySettings settings);

// One row of the window's table.
struct SafetyRow {
  std::string check;   // "Seat: sag", "front seat, middle of the outer edge: tipping"
  std::string figure;  // "0.63 in"
  std::string limit;   // "at most 0.44 in"
  std::string margin;  // "-0.19 in (144 % of the limit)"
  std::string source;  // "NDS, L/180"
  bool ok = false;
};

// The rows of a check that was made, in the order of the report: stability, strength (sag and
// stress apart), wheelchair ends. Imperial: inches, pounds, psi; metric: mm, kg, N, MPa.
std::vector<SafetyRow> SafetyRows(const SafetyCheck& check, bool imperial);

// Types the suggestion's texts into their boxes as one undo step, then presses Design as Enter
// would. False (nothing typed) when the main window takes no input now or a role is unknown;
// a suggestion without inputs types nothing.
bool ApplySafetySuggestion(MainWindow& w, const SafetySuggestion& suggestion);

}  // namespace varnloft
