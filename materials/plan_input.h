#pragma once
// What a cutting plan is asked to cut and from what (the pieces of one lumber, each with its
// ways to lie, and the stock lengths sold), and where a piece lies on a board: shared by the
// plan's search and the board patterns it searches over.
#include <atomic>
#include <optional>
#include <vector>

#include "materials/piece_layout.h"

namespace varnloft {

struct PlanPieceType {
  std::vector<LaidPiece> ways;  // from WaysToLay; the first is as drawn
  int count = 0;
};

struct PlanStock {
  double length = 0;  // feet
  std::optional<double> price;
};

struct PlanInput {
  std::vector<PlanPieceType> types;
  std::vector<PlanStock> stock;
  double boardWidth = 0;
  double kerf = 0;
  double trim = 0;
  // When above 0: list, per type, the shortenings up to this far that could change the plan.
  double shorteningReach = 0;
  // When given and set (by another thread), the search stops soon and returns an unproven plan
  // that nobody should use: the caller has lost interest in it.
  const std::atomic<bool>* stop = nullptr;
};

inline bool StopAsked(const PlanInput& input) {
  return input.stop && input.stop->load(std::memory_order_relaxed);
}

struct PlacedPiece {
  int type = 0;
  int way = 0;          // index into the type's ways
  double position = 0;  // where the laid piece's frame starts, from the board's left end
};

// Two lengths closer than this are equal; a piece that fits exactly fits.
inline constexpr double kSameLength = 1e-9;

}  // namespace varnloft
