#pragma once
// The texts of the Illustrations window's "General Info" and "Formula" pages.
#include <string>
#include <vector>

namespace varnloft {

struct AdviceSection {
  const char* heading;             // upper case, shown bold
  std::vector<const char*> items;  // numbered 1, 2, 3 ... in this order (UTF-8)
};

const std::vector<AdviceSection>& GeneralInfoSections();

// The formula page, one entry per line; empty entries are blank lines.
const std::vector<std::string>& FormulaLines();

}  // namespace varnloft
