#pragma once
// The cheapest way to cut the pieces of one lumber from the stock lengths sold. Identical pieces
// form one piece type, so the search runs over how many of each type are still to cut: an
// exact dynamic programme over those count vectors, each step laying one board with one
// pattern (a multiset of pieces that fits on a stock length, in its shortest arrangement).
//
// The plan minimises the cost, then the number of boards, then maximises the longest single
// offcut. A lumber with any stock length lacking a price is planned by the fewest boards, then
// the least length bought, then the longest offcut. The search counts its steps against a fixed
// budget (never time), so the answer is the same on every machine: within the budget the plan is
// proven best; past it, the best plan found is returned, marked not proven, with a lower bound.
// Every unit of work counts as a step, the check of each stock length against each multiset
// too, so that the time is bounded whatever the stock; stock lengths equal to within
// kSameLength are merged first (the cheapest kept).
#include <optional>
#include <vector>

#include "materials/plan_input.h"

namespace varnloft {

// Enough for every design the lists offer, with room to spare.
inline constexpr long long kPlanStepBudget = 4'000'000;
// The steps all the near-miss plans of one design may spend together (the busiest design the
// lists offer spends under 6,000,000 steps on all its plans).
inline constexpr long long kNearMissStepBudget = 8'000'000;

struct PlanBoard {
  int stock = 0;                    // index into PlanInput::stock
  std::vector<PlacedPiece> pieces;  // left to right
  double offcut = 0;                // after the last piece's rightmost point and its cut
};

struct LumberPlan {
  std::vector<PlanBoard> boards;
  std::vector<int> missing;  // per type: copies no stock length holds (all or none of them)
  bool priced = false;       // every stock length has a price
  double cost = 0;           // the boards' prices; 0 when not priced
  bool proven = false;
  double lowerBound = 0;  // of the cost (priced) or of the number of boards (not priced)
  long long steps = 0;    // search steps spent
  // Per type, when PlanInput::shorteningReach asks for them and every pattern was found: the
  // lengths by which shortening some or all pieces of the type (at one end, square) first lets
  // some multiset fit a stock length it does not fit now. Shortened by less than the least of them,
  // or between two of them, the pieces fit exactly as they fit now, and the plan stays the same.
  std::vector<std::vector<double>> shorteningsThatMatter;
};

LumberPlan PlanLumber(const PlanInput& input, long long stepBudget = kPlanStepBudget);

}  // namespace varnloft
