#include "materials/piece_layout.h"

#include <algorithm>
#include <cmath>

namespace varnloft {

namespace {

// The end line through a piece's lower and upper corners, carried on to the board's upper edge.
EndLine AcrossBoard(const FlatPoint& lower, const FlatPoint& upper, double boardWidth) {
  const double ratio = boardWidth / upper.y;
  const double atUpper = ratio == 1 ? upper.x : lower.x + (upper.x - lower.x) * ratio;
  return {lower.x, atUpper};
}

bool SameLine(const EndLine& a, const EndLine& b) {
  return a.atLower == b.atLower && a.atUpper == b.atUpper;
}

LaidPiece Turned(const LaidPiece& drawn, Turn turn, double boardWidth) {
  const double e = drawn.extent;
  LaidPiece laid = drawn;
  laid.turn = turn;
  auto mirrorX = [e](const EndLine& l) { return EndLine{e - l.atLower, e - l.atUpper}; };
  auto mirrorY = [](const EndLine& l) { return EndLine{l.atUpper, l.atLower}; };
  switch (turn) {
    case Turn::AsDrawn:
      return laid;
    case Turn::EndForEnd:  // half a turn in the board's plane
      laid.left = mirrorY(mirrorX(drawn.right));
      laid.right = mirrorY(mirrorX(drawn.left));
      for (FlatPoint& p : laid.outline) p = {e - p.x, boardWidth - p.y};
      return laid;
    case Turn::Over:  // turned over about the board's length
      laid.left = mirrorY(drawn.left);
      laid.right = mirrorY(drawn.right);
      for (FlatPoint& p : laid.outline) p.y = boardWidth - p.y;
      break;
    case Turn::EndForEndAndOver:
      laid.left = mirrorX(drawn.right);
      laid.right = mirrorX(drawn.left);
      for (FlatPoint& p : laid.outline) p.x = e - p.x;
      break;
  }
  // A mirror image runs clockwise; reversed, it runs counter-clockwise again.
  std::reverse(laid.outline.begin(), laid.outline.end());
  return laid;
}

}  // namespace

std::vector<LaidPiece> WaysToLay(const std::vector<FlatPoint>& outline, double boardWidth) {
  LaidPiece drawn;
  drawn.left = AcrossBoard(outline[0], outline[3], boardWidth);
  drawn.right = AcrossBoard(outline[1], outline[2], boardWidth);
  const double shift = std::min(drawn.left.atLower, drawn.left.atUpper);
  drawn.left = {drawn.left.atLower - shift, drawn.left.atUpper - shift};
  drawn.right = {drawn.right.atLower - shift, drawn.right.atUpper - shift};
  drawn.extent = std::max(drawn.right.atLower, drawn.right.atUpper);
  drawn.meanLength =
      (drawn.right.atLower - drawn.left.atLower + drawn.right.atUpper - drawn.left.atUpper) / 2;
  drawn.outline = outline;
  for (FlatPoint& p : drawn.outline) p.x -= shift;

  std::vector<LaidPiece> ways;
  for (Turn turn : {Turn::AsDrawn, Turn::EndForEnd, Turn::Over, Turn::EndForEndAndOver}) {
    LaidPiece laid = Turned(drawn, turn, boardWidth);
    bool known = false;
    for (const LaidPiece& w : ways)
      known = known || (SameLine(w.left, laid.left) && SameLine(w.right, laid.right));
    if (!known) ways.push_back(std::move(laid));
  }
  return ways;
}

double CutAlongBoard(const EndLine& end, double boardWidth, double kerf) {
  const double slope = (end.atUpper - end.atLower) / boardWidth;
  return kerf * std::sqrt(1 + slope * slope);
}

double NextStart(const LaidPiece& prev, const LaidPiece& next, double boardWidth, double kerf) {
  const double cut = std::max(CutAlongBoard(prev.right, boardWidth, kerf),
                              CutAlongBoard(next.left, boardWidth, kerf));
  // Both lines are straight, so the gap is narrowest at one of the board's edges.
  return std::max(prev.right.atLower - next.left.atLower, prev.right.atUpper - next.left.atUpper) +
         cut;
}

}  // namespace varnloft
