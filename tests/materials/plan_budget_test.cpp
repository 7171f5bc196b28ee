// The cutting plan on stock that would make it slow: many stock lengths, equal lengths given
// twice. Every unit of work counts against the step budget, and equal lengths are searched once.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "materials/cutting_plan.h"
#include "tests/materials/inch_in_feet.h"

namespace varnloft {
namespace {

constexpr double kBoardWidth = 3.5 * kInch;

std::vector<FlatPoint> Rectangle(double length) {
  return {{0, 0}, {length, 0}, {length, kBoardWidth}, {0, kBoardWidth}};
}

PlanInput Input(std::vector<PlanStock> stock) {
  PlanInput in;
  in.boardWidth = kBoardWidth;
  in.kerf = kInch / 8;
  in.stock = std::move(stock);
  in.types.push_back({WaysToLay(Rectangle(2.9), kBoardWidth), 9});
  in.types.push_back({WaysToLay(Rectangle(1.7), kBoardWidth), 6});
  in.types.push_back({WaysToLay(Rectangle(0.9), kBoardWidth), 12});
  return in;
}

TEST(PlanBudget, EqualLengthsAreSearchedOnceAndTheCheapestIsBought) {
  const PlanInput distinct = Input({{8, 4.25}, {12, 7.48}});
  // The same lengths again, one dearer and one cheaper than the first row of its length.
  const PlanInput doubled = Input({{8, 4.25}, {12, 7.48}, {8, 4.5}, {12 + 1e-12, 7.0}});
  const LumberPlan once = PlanLumber(distinct);
  const LumberPlan twice = PlanLumber(doubled);
  ASSERT_TRUE(twice.proven);
  EXPECT_EQ(twice.steps, once.steps);  // no more work for the rows given twice
  for (const PlanBoard& board : twice.boards) {
    const PlanStock& bought = doubled.stock[board.stock];
    EXPECT_EQ(bought.price, bought.length < 10 ? 4.25 : 7.0) << bought.length;
  }
  EXPECT_LE(twice.cost, once.cost);
}

TEST(PlanBudget, EveryStockLengthCheckedCountsAgainstTheBudget) {
  constexpr long long kLengths = 10000;
  std::vector<PlanStock> many;
  many.reserve(kLengths);
  for (int i = 0; i < kLengths; ++i) many.push_back({8 + i * 0.0008, 4.25 + i * 0.001});
  const PlanInput in = Input(many);
  const long long budget = kPlanStepBudget;
  const auto start = std::chrono::steady_clock::now();
  const LumberPlan plan = PlanLumber(in, budget);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  // The checks of 10,000 lengths against every multiset exceed the budget: the plan stops,
  // complete but not proven, within one multiset's checks of the budget.
  EXPECT_FALSE(plan.proven);
  EXPECT_LE(plan.steps, budget + 4 * kLengths);
  int pieces = 0;
  for (const PlanBoard& b : plan.boards) pieces += static_cast<int>(b.pieces.size());
  EXPECT_EQ(pieces, 27);
  EXPECT_GT(plan.lowerBound, 0);
  EXPECT_LE(plan.lowerBound, plan.cost + 1e-9);
  // Uncounted, the same checks took minutes; counted, the whole budget takes well under 2 s.
  EXPECT_LT(seconds, 2.0);
  RecordProperty("seconds", std::to_string(seconds));
}

}  // namespace
}  // namespace varnloft
