#pragma once
// A fuzz input as a short script of user actions on the main window, one per line, so that seeds
// and kept regressions are readable and libFuzzer's mutations stay mostly meaningful:
//
//   type Edit17 4.5            select all of a box's text and type the rest of the line
//   set ComboBox8 12           the program writes a box's text (no key events)
//   choose ComboBox3 2         choose the item at that index of a combo box's list
//   units metric               the measure flag of the record, set directly
//   click Metric               a button, menu item or label by handler (see RunAction)
//   preset 4                   the Pre-Settings item at that index (10 is Custom Design)
//   side interior              the support-side radio buttons
//   thickness 0.0625           the record's lumber thickness in feet, set directly (finite)
//   scale 0.5  /  scale off    the record's model scale, set directly (positive, finite)
//   answer no                  the answer to every question from now on
//   window 1920 1080           the main window's outer size
//   page 2480 3508             the printer's page in device pixels
//   dialog thickness 0 12 ok   the thickness dialog: inches, sixteenths, ok|cancel|close
//   dialog scale 50 ok         the scale dialog: percentage, ok|cancel|close
//
// Unknown lines are skipped. Every script ends with a press of Design.
#include <string>
#include <vector>

namespace varnloft::fuzz {

struct ScriptLine {
  std::string verb;
  std::vector<std::string> words;  // the blank-separated words after the verb
  std::string rest;                // everything after the verb and its first word
};

// At most `maxLines` lines are kept, so that one input stays fast.
std::vector<ScriptLine> ParseScript(const std::string& text, size_t maxLines);

}  // namespace varnloft::fuzz
