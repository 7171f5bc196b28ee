#pragma once
// Lumber named by its section. The two sides of a piece's section (the lumber thickness and the
// member's width) are compared, in either order, with the dressed sizes of the nominal lumber:
// a 3/4 x 1 1/2 in section is a 1 X 2 whichever side is the thickness. Other sections are named
// by their actual sizes, and in metric measure every section is named in millimetres.
#include <string>

namespace varnloft {

struct Lumber {
  std::string name;  // "2 X 4", "1 1/2 × 3 1/4 in", "38 × 89 mm"
  // Inches of the nominal size ("2 X 4": 2 and 4) for board feet; 0 when no nominal size fits.
  double nominalThickness = 0, nominalWidth = 0;
};

// Both sides in feet.
Lumber LumberOfSection(double thicknessFeet, double widthFeet, bool imperial);

// Board feet of one board of this lumber: the nominal section when there is one, else the
// actual one, times the length.
double BoardFeet(const Lumber& lumber, double thicknessFeet, double widthFeet, double lengthFeet);

}  // namespace varnloft
