#pragma once
// One change that makes a failed safety check pass: which check it answers, what it changes in a
// sentence, and the design inputs it changes (each role with its box texts, as a builder would
// type them). A change of the person alone (the heaviest person the design holds) changes no
// input. The suggestions are found by designing variations (document/safety_suggestions.h);
// this layer only keeps and reports them.
#include <string>
#include <utility>
#include <vector>

namespace varnloft {

struct SafetySuggestion {
  std::string check;   // "strength: Seat", "stability"
  std::string change;  // "overall length 5' 2 1/2\""
  std::vector<std::pair<std::string, std::vector<std::string>>> inputs;  // role, box texts
  double personMassKg = 0;  // for a change of the person: the heaviest it holds; else 0
};

}  // namespace varnloft
