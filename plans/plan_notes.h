#pragma once
// The builder's notes below the members: overhangs, both angles with their rafter-square
// settings, the squaring diagonals and the seat-support extension. The sheet and the printed
// plans place the same lines at their own positions.
#include <string>

#include "design/design_record.h"

namespace varnloft {

struct PlanNotes {
  std::string leftDeckOverhang, rightDeckOverhang;
  std::string leftSeatOverhang, rightSeatOverhang;
  std::string legAngles, braceAngle;
  std::string frameDiagonalIntro, frameDiagonal;  // two lines
  std::string cornerToCorner;
  std::string seatSupportExtension;
};

PlanNotes PlanNotesOf(const DesignRecord& rec);

inline constexpr char kLoadTestLine[] =
    "(Always load test your finished table to ensure it will support the intended loads)";
inline constexpr char kSheetCreatedLine[] =
    "This plan was created using \"Tellwick Picnic Tables Varnloft\" Complimentary Software and "
    "Plans Version 6.0.0.2.";
inline constexpr char kPrintedCreatedLine[] =
    "This plan was created using \"Tellwick Picnic Tables Varnloft,\" Complimentary Software and "
    "Plans Version 6.0.0.2.";
inline constexpr char kRevisionLine[] = "Revised January 27, 2007";

}  // namespace varnloft
