#pragma once
// The nominal lumber sizes and the actual widths put into the width boxes, per measure, and
// which sizes each lumber row's size box knows.
#include <string>
#include <vector>

namespace varnloft {

struct LumberSize {
  const char* size;           // "2 X 6", exactly as typed or listed
  const char* imperialWidth;  // inches, "5.5"
  const char* metricWidth;    // millimetres, "140"
};

// One lumber row of the main window: its size box, width box and the green label over the box.
struct LumberRow {
  const char* sizeBox;                  // "ComboBox1"
  const char* widthBox;                 // "Edit21"
  const char* greenLabel;               // "Label25"
  std::vector<std::string> knownSizes;  // in the order of the width table
};

// The width table, from "NONE" to "2 X 12".
const std::vector<LumberSize>& LumberSizes();

// The seven lumber rows, table top first and end cap last.
const std::vector<LumberRow>& LumberRows();

// The row whose size box or green label is named; nullptr for any other name.
const LumberRow* LumberRowOfSizeBox(const std::string& sizeBox);
const LumberRow* LumberRowOfGreenLabel(const std::string& greenLabel);

// The width text for a size text the row knows (exact, case-sensitive); nullptr when the text
// names no size the row knows.
const char* WidthTextForSize(const LumberRow& row, const std::string& sizeText, bool imperial);

}  // namespace varnloft
