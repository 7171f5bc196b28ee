#pragma once
// A fuzz input as a short script of changes to a design document, one per line, so that seeds
// and kept regressions are readable and libFuzzer's mutations stay mostly meaningful:
//
//   type seatToTableDistance.0 4.5   the text of one slot of an input, by role and slot
//   set deckBoardCount.0 12          the same (the document has no key events)
//   choose outerSupportSize 2        the item at that index of a lumber row's list, size and width
//   units metric                     the document's measure, flipped without refilling a box
//   switch metric                    the Metric (Imperial) button: the boxes refilled, designed
//   design                           a press of Design
//   preset 4                         the Pre-Settings item at that index (10 is Custom Design)
//   side interior                    the support side
//   thickness 0.0625                 the lumber thickness in feet (finite)
//   scale 0.5  /  scale off          the model scale (positive, finite)
//   answer no                        the answer to the overlap question from now on
//   window 1920 1080                 the main window's outer size
//   page 2480 3508                   the printer's page in device pixels
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
