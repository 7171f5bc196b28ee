#pragma once
// The safety check as rows of text for a person: each check's figure, its limit, the margin left,
// the source of the rule and a pass or fail, in the design's measure. The Safety window and the
// build packet's Safety page show them.
#include <string>
#include <vector>

#include "safety/safety_check.h"

namespace varnloft {

// One row of the window's table.
struct SafetyRow {
  std::string check;   // "Seat: sag", "front seat, middle of the outer edge: tipping"
  std::string figure;  // "0.63 in"
  std::string limit;   // "at most 0.44 in"
  std::string margin;  // "-0.19 in (144 %)": what is left, and the figure's share of the limit
  std::string source;  // "NDS, L/180"
  bool ok = false;
};

// The rows of a check that was made, in the order of the report: stability, strength (sag and
// stress apart), wheelchair ends. Imperial: inches, pounds, psi; metric: mm, kg, N, MPa.
std::vector<SafetyRow> SafetyRows(const SafetyCheck& check, bool imperial);

// The check in a sentence: "PASS: every check passes; C24, the table weighs 61 kg, one person
// of 110 kg.", "FAIL: a check fails; …", or why the check cannot be made.
std::string SafetyVerdict(const SafetyCheck& check, bool imperial);

}  // namespace varnloft
