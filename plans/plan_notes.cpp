#include "plans/plan_notes.h"

#include <cmath>

#include "design/table_members.h"
#include "plans/member_texts.h"

namespace varnloft {

PlanNotes PlanNotesOf(const DesignRecord& rec) {
  PlanNotes n;
  n.leftDeckOverhang = "Left Deck Overhang:  " + rec.FormatLength(rec.LeftDeckOverhang);
  n.rightDeckOverhang = "Right Deck Overhang:  " + rec.FormatLength(rec.RightDeckOverhang);
  n.leftSeatOverhang = "Left Seat Overhang:  " + rec.FormatLength(rec.LeftSeatOverhang);
  n.rightSeatOverhang = "Right Seat Overhang:  " + rec.FormatLength(rec.RightSeatOverhang);
  n.legAngles = "Leg & Support Angles: " + AngleSquareText(rec, rec.LegAngle);
  n.braceAngle = "Brace Angle: " + AngleSquareText(rec, rec.BraceAngle);
  n.frameDiagonalIntro = "Upper Left Point of the Frame, (Not Including the Decking),";
  n.frameDiagonal = "to the Lower Right Point of the Leg and vis-\xC3\xA0-vis:   " +
                    rec.FormatLength(FrameDiagonalOf(rec));
  const double width = rec.TableTopWidth, length = rec.OverallLength;
  n.cornerToCorner =
      "Table Top Corner to Corner (for squaring up):  " +
      rec.FormatLength(static_cast<float>(std::sqrt(width * width + length * length)));
  n.seatSupportExtension =
      "Seat Support Extension from the Leg:  " + rec.FormatLength(rec.SeatSupportExtension);
  return n;
}

}  // namespace varnloft
