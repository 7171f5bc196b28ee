#pragma once
// The safety check of the window's design: the check with its suggestions, each check as the
// lines a window shows (figure, limit, margin, source, pass or fail in the design's measure),
// and a suggestion typed into the boxes as one undo step before Design is pressed.
#include <string>
#include <vector>

#include "app/main_window.h"
#include "safety/safety_check.h"
#include "safety/safety_rows.h"
#include "safety/safety_suggestion.h"

namespace varnloft {

struct WindowSafety {
  TableModel model;  // the last design's, which the check measured
  SafetyCheck check;
  std::vector<SafetySuggestion> suggestions;
};

// Checks the last design; without a species in `settings` the design's own wood counts, else
// the measure's default. The suggestions vary the boxes as they stand.
WindowSafety CheckWindowDesign(const MainWindow& w, SafetySettings settings);

// Types the suggestion's texts into their boxes as one undo step, then presses Design as Enter
// would. False (nothing typed) when the main window takes no input now or a role is unknown;
// a suggestion without inputs types nothing.
bool ApplySafetySuggestion(MainWindow& w, const SafetySuggestion& suggestion);

}  // namespace varnloft
