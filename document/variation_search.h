#pragma once
// Designs variations of a document through the pure design function and checks each one: the
// shared search of the safety suggestions. A variation types texts over some of the document's
// inputs (by role, as a builder types them), is designed without answering a question, and is
// kept only when it designs and its check passes the test given.
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "design/design_record.h"
#include "document/design_document.h"
#include "safety/safety_check.h"
#include "safety/safety_suggestion.h"

namespace varnloft {

using PassTest = std::function<bool(const SafetyCheck&)>;
using TypedInputs = std::vector<std::pair<std::string, std::string>>;  // role, typed text

// A length in the smallest step a builder types: sixteenths of an inch, or millimetres.
long LengthSteps(double feet, bool imperial);

// "overall length", "left table top overhang"…: the role as a sentence names it.
std::string RoleLabel(const std::string& role);

class VariationSearch {
 public:
  // `document` and `rec` are the design just made; all three must outlive the search.
  VariationSearch(const DesignDocument& document, const DesignRecord& rec,
                  const SafetySettings& settings)
      : document_(document), rec_(rec), settings_(settings) {}

  // Designs the document with `typed` typed over its inputs and checks it; true when it designs
  // without a question and passes. The inputs' box texts go into `out` when given.
  bool DesignPasses(const TypedInputs& typed, const PassTest& passes, SafetySuggestion* out) const;
  // The same with the inputs' box texts given as the design file keeps them.
  bool DesignPasses(const std::vector<std::pair<std::string, std::vector<std::string>>>& inputs,
                    const PassTest& passes) const;

  // The first lumber size of the role's list, wider than today's, whose design passes.
  std::optional<SafetySuggestion> SizeUp(const std::string& role, const PassTest& passes) const;

  // The longest setting below today's of the roles (each kept at most at today's value) that
  // passes, searched by halving between `lowest` steps and today's.
  std::optional<SafetySuggestion> Longest(const std::vector<std::string>& roles, long lowest,
                                          const PassTest& passes) const;

  // The shortest setting of the role above today's, up to `highest` steps, that passes: the
  // first of today's plus `firstTry`, twice that, four times… that passes, then halved down.
  std::optional<SafetySuggestion> Shortest(const std::string& role, long firstTry, long highest,
                                           const PassTest& passes) const;

  // The smallest count of the role above today's, up to `highest`, that passes.
  std::optional<SafetySuggestion> CountUp(const std::string& role, int highest,
                                          const PassTest& passes) const;

  // The heaviest person, in whole kilograms (pounds in imperial), that the design as it is
  // holds, starting from `estimateKg` and checked; none when it holds no one.
  std::optional<SafetySuggestion> Person(double estimateKg, const PassTest& passes) const;

  // The role's length typed as a builder types it, `steps` long.
  std::string TypedSteps(const std::string& role, long steps) const;
  // Today's value of the role in steps (lengths) or as a number (counts).
  long TodaySteps(const std::string& role) const;

  bool imperial() const { return rec_.ImperialUnits; }
  const DesignRecord& record() const { return rec_; }

 private:
  // Halves between `pass` and `fail` steps of the roles (each typed at the step, or left at
  // today's where `typedAt` leaves it) for the passing step nearest `fail`.
  std::optional<SafetySuggestion> Bisect(const std::function<TypedInputs(long)>& typedAt, long pass,
                                         long fail, const PassTest& passes) const;

  const DesignDocument& document_;
  const DesignRecord& rec_;
  const SafetySettings& settings_;
};

}  // namespace varnloft
