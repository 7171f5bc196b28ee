#pragma once
// The nominal lumber sizes and the actual widths put into the width boxes, per measure, and
// the lists of sizes the lumber rows know.
#include <string>
#include <vector>

namespace varnloft {

struct LumberSize {
  const char* size;           // "2 X 6", exactly as typed or listed
  const char* imperialWidth;  // inches, "5.5"
  const char* metricWidth;    // millimetres, "140"
};

// The width table, from "NONE" to "2 X 12".
const std::vector<LumberSize>& LumberSizes();

// The size lists, each in the order of the width table.
const std::vector<std::string>& BoardSizes();           // "2 X 2" .. "2 X 12"
const std::vector<std::string>& FramingSizesToEight();  // "2 X 2" .. "2 X 8"
const std::vector<std::string>& FramingSizesToSix();    // "2 X 2" .. "2 X 6"
const std::vector<std::string>& EndCapSizes();          // "NONE", "1 X 2" .. "2 X 4"

// The width text for a size text among `knownSizes` (exact, case-sensitive); nullptr when the
// text names no size of the list.
const char* WidthTextForSize(const std::vector<std::string>& knownSizes,
                             const std::string& sizeText, bool imperial);

}  // namespace varnloft
