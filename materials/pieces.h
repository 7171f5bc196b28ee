#pragma once
// The pieces to cut, from the last design's record: every member of the plan sheet the design
// has, with its count, its lumber and its outline, read from the one member list so that the
// materials never disagree with the plans. Pieces that cannot be cut (a count that is not whole
// or not positive, a length or width that is not positive, an outline that crosses itself) are
// reported and left out.
#include <string>
#include <vector>

#include "design/design_record.h"
#include "design/table_members.h"
#include "materials/lumber.h"

namespace varnloft {

// A count above this is refused: no table has so many, and each piece is listed one by one.
inline constexpr double kMaxPieceCount = 1000;

struct Piece {
  MemberKind kind = MemberKind::Leg;
  std::string member;  // "Leg"
  int count = 0;
  Lumber lumber;
  double thickness = 0;   // feet: the lumber thickness
  double width = 0;       // feet: the member's width
  double length = 0;      // feet along the top edge
  double boardWidth = 0;  // the board it is cut from: its own width, or the centre support's for
                          // a brace, whose end cuts run across that board
  int holes = 0;          // bolt holes in one piece
  std::vector<FlatPoint> outline;  // lying flat, as the member list gives it
};

struct PieceProblem {
  std::string member;
  double count = 0;   // as the design gives it, perhaps not whole or not finite
  double length = 0;  // feet
  std::string text;   // "The legs' count of 2.5 is not a whole number: they are left out."
};

struct PieceList {
  std::vector<Piece> pieces;  // table tops, seats, end caps, legs, supports, braces
  std::vector<PieceProblem> problems;
};

PieceList ListPieces(const DesignRecord& rec);

// "table tops", "seat", "centre support": the member's name for a sentence, plural unless the
// count is 1.
std::string MemberWords(const std::string& member, double count);

// True when the polygon has at least three corners, all finite, no two edges crossing or
// touching except neighbours at their shared corner, and a positive (counter-clockwise) area.
bool IsSimpleCounterClockwise(const std::vector<FlatPoint>& polygon);

}  // namespace varnloft
