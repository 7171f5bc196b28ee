#pragma once
// How a piece lies on its board. A piece lies along the board against its lower edge, as drawn
// or turned end for end or over, and the lines of its two end cuts run across the whole board:
// the saw cuts the board through, so what matters between neighbours is where those lines lie.
#include <vector>

#include "design/table_members.h"

namespace varnloft {

// An end cut's line across the board: its x at the board's lower edge and at its upper edge.
struct EndLine {
  double atLower = 0, atUpper = 0;
};

enum class Turn { AsDrawn = 0, EndForEnd = 1, Over = 2, EndForEndAndOver = 3 };

// One way of laying a piece, in a frame whose x = 0 is the leftmost point of its end lines.
struct LaidPiece {
  Turn turn = Turn::AsDrawn;
  EndLine left, right;
  double extent = 0;               // the rightmost point of its end lines
  double meanLength = 0;           // the board length it covers on average across the board
  std::vector<FlatPoint> outline;  // the piece itself, counter-clockwise, in the same frame
};

// The distinct ways of laying a piece (those whose end lines differ), as drawn first. The outline
// is a member's: lower-left, lower-right, upper-right, upper-left from y = 0 to its width, which
// is at most the board's.
std::vector<LaidPiece> WaysToLay(const std::vector<FlatPoint>& outline, double boardWidth);

// kerf / cos(a), a the end's angle off square: the length of board one saw cut through it takes.
double CutAlongBoard(const EndLine& end, double boardWidth, double kerf);

// Where `next` starts, from where `prev` starts, when it follows `prev` with one saw cut between:
// at every point across the board the gap is at least kerf / cos(a), a the larger of the two
// facing ends' angles off square, and at the tighter of the two edges it is exactly that.
double NextStart(const LaidPiece& prev, const LaidPiece& next, double boardWidth, double kerf);

}  // namespace varnloft
