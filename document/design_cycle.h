#pragma once
// One design of a document: the input grid tidied as the Design button tidies it, every input
// read in the order of the input table, then the geometry. A pure function: it asks nothing and
// changes nothing it is given. When the upper legs overlap and the overlap question has no answer
// yet, the outcome is the question; the caller answers it and designs again with the answer. The
// window, the driver, the fuzzers and the benchmarks all design through it.
#include <string>
#include <vector>

#include "design/calculate_design.h"
#include "design/design_record.h"
#include "document/design_document.h"

namespace varnloft {

struct DesignOutcome {
  enum class Result { Designed, Failed, Question };
  Result result = Result::Failed;
  // The document as the design tidied it: blank boxes read 0, an end cap wider than a 2 X 4 cut
  // back to one, a deck width that matches a size named by it, the scale factor 1 without a
  // model scale. The caller keeps it whatever the result, as the window keeps its tidied boxes.
  DesignDocument document;
  // Designed: the computed design. Failed: the previous record with every field written before
  // the failing step (LastCalculationFailed set), as the window shows it after an error.
  DesignRecord record;
  // Every length and width was read (the lumber rows then show the widths read).
  bool lengthsRead = false;
  std::string error;                 // Failed: the error box's text
  std::string errorRole;             // Failed: the role of the input that could not be read, or ""
  std::string question;              // Question: the overlap question's text
  std::vector<std::string> notices;  // Designed: why repositioning the legs gave up, if it did

  bool Designed() const { return result == Result::Designed; }
};

// Designs `document`. `previous` is the record of the design before (its program texts, thousands
// separator and plan values are kept; a design that fails leaves the fields it did not reach as
// they were there).
DesignOutcome Design(const DesignDocument& document, OverlapAnswer answer,
                     const DesignRecord& previous = {});

// Designs as a person at the window would: asks `answerOverlap` the overlap question when there
// is one, then designs again with the answer.
template <class AskOverlap>
DesignOutcome DesignAnswering(const DesignDocument& document, const DesignRecord& previous,
                              AskOverlap&& answerOverlap) {
  DesignOutcome outcome = Design(document, OverlapAnswer::NotAsked, previous);
  if (outcome.result == DesignOutcome::Result::Question)
    outcome = Design(document, answerOverlap(outcome.question), previous);
  return outcome;
}

}  // namespace varnloft
